#include "chart/tools/ToolEditorFields.h"

#include "chart/editors/EditorForm.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Edit.h"

void BindFloatEdit(TEditorForm& form, TEdit* edit, std::function<std::optional<double>()> get,
                   std::function<void(double)> set) {
    edit->OnChange = [&form, edit, set](TObject*) {
        double value = 0;
        if (!form.Loading() && TryStrToFloat(edit->Text(), value)) set(value);
    };
    form.AddBinding([edit, get] {
        if (const auto value = get()) edit->SetText(FloatToStr(*value));
    });
}
