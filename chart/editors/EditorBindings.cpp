#include "chart/editors/EditorBindings.h"

#include "chart/editors/EditorForm.h"
#include "chart/editors/SeriesEditorControls.h"
#include "chart/foundation/TeeButtons.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"

namespace editor_binding {

namespace {

// The number rule reads from the edit's text, or none when the text writes nothing.
std::optional<int> TypedNumber(const TUpDownEdit& edit, TTypedNumber typed) {
    int value = 0;
    switch (typed) {
        case TTypedNumber::Any:
            if (TryStrToInt(edit.Edit->Text(), value)) return value;
            return std::nullopt;
        case TTypedNumber::Positive:
            if (TryStrToInt(edit.Edit->Text(), value) && value > 0) return value;
            return std::nullopt;
        case TTypedNumber::InRange:
            if (UpDownValue(*edit.UpDown, value)) return value;
            return std::nullopt;
        case TTypedNumber::Clamped:
            return UpDownPosition(*edit.UpDown);
    }
    return std::nullopt;
}

}  // namespace

void CheckBox(TEditorForm& form, TCheckBox* box, std::function<std::optional<bool>()> get,
              std::function<void(bool)> set, std::function<void()> after) {
    box->OnClick = [&form, box, set, after](TObject*) {
        if (!form.Loading()) set(box->Checked());
        if (after) after();
    };
    form.AddBinding([box, get] {
        if (const auto value = get()) box->SetChecked(*value);
    });
}

void ComboBox(TEditorForm& form, TComboBox* combo, std::function<std::optional<int>()> get,
              std::function<void(int)> set, std::function<void()> after) {
    combo->OnChange = [&form, combo, set, after](TObject*) {
        if (!form.Loading() && combo->ItemIndex() >= 0) set(combo->ItemIndex());
        if (after) after();
    };
    // Setting the index fires no change of its own: the load runs after itself.
    form.AddBinding([combo, get, after] {
        const auto value = get();
        if (!value) return;
        const int before = combo->ItemIndex();
        combo->SetItemIndex(*value);
        if (after && combo->ItemIndex() != before) after();
    });
}

void RadioGroup(TEditorForm& form, TRadioGroup* group, std::function<std::optional<int>()> get,
                std::function<void(int)> set, std::function<void()> after) {
    group->OnClick = [&form, group, set, after](TObject*) {
        if (!form.Loading() && group->ItemIndex() >= 0) set(group->ItemIndex());
        if (after) after();
    };
    form.AddBinding([group, get] {
        if (const auto value = get()) group->SetItemIndex(*value);
    });
}

void UpDownEdit(TEditorForm& form, const TUpDownEdit& edit, std::function<std::optional<int>()> get,
                std::function<void(int)> set, TNumberEditRule rule) {
    edit.Edit->OnChange = [&form, edit, set, rule](TObject*) {
        if (form.Loading() || (rule.OnlyWhileShowing && !form.Showing())) return;
        if (const auto value = TypedNumber(edit, rule.Typed)) set(*value);
    };
    form.AddBinding([upDown = edit.UpDown, get] {
        if (const auto value = get()) upDown->SetPosition(*value);
    });
}

void TrackBar(TEditorForm& form, TTrackBar* bar, std::function<std::optional<int>()> get,
              std::function<void(int)> set) {
    bar->OnChange = [&form, bar, set](TObject*) {
        if (!form.Loading()) set(bar->Position());
    };
    form.AddBinding([bar, get] {
        if (const auto value = get()) bar->SetPosition(*value);
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
