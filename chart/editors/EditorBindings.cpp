#include "chart/editors/EditorBindings.h"

#include "chart/editors/EditorForm.h"
#include "chart/foundation/TeeButtons.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/UpDown.h"

namespace editor_binding {

void CheckBox(TEditorForm& form, TCheckBox* box, std::function<std::optional<bool>()> get,
              std::function<void(bool)> set, std::function<void()> after) {
    box->OnClick = [&form, box, set, after](TObject*) {
        if (after) after();
        if (!form.Loading()) set(box->Checked());
    };
    form.AddBinding([box, get] {
        if (const auto value = get()) box->SetChecked(*value);
    });
}

void ComboBox(TEditorForm& form, TComboBox* combo, std::function<std::optional<int>()> get,
              std::function<void(int)> set) {
    combo->OnChange = [&form, combo, set](TObject*) {
        if (!form.Loading()) set(combo->ItemIndex());
    };
    form.AddBinding([combo, get] {
        if (const auto value = get()) combo->SetItemIndex(*value);
    });
}

void UpDownEdit(TEditorForm& form, const TUpDownEdit& edit, std::function<std::optional<int>()> get,
                std::function<void(int)> set) {
    TEdit* text = edit.Edit;
    text->OnChange = [&form, text, set](TObject*) {
        int value = 0;
        if (!form.Loading() && TryStrToInt(text->Text(), value)) set(value);
    };
    form.AddBinding([upDown = edit.UpDown, get] {
        if (const auto value = get()) upDown->SetPosition(*value);
    });
}

void ColorButton(TEditorForm& form, TButtonColor* button,
                 std::function<std::optional<TColor>()> get, std::function<void(TColor)> set) {
    button->ColorQuery = [button, get] { return get().value_or(button->StoredColor()); };
    button->OnClick = [&form, button, set](TObject*) {
        if (!form.Loading()) set(button->StoredColor());
    };
    form.AddBinding([button] { button->Invalidate(); });
}

}  // namespace editor_binding
