#include "chart/editors/FormatEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/OwnedForm.h"
#include "chart/foundation/EditorHooks.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/UpDown.h"

namespace {

void FillCombo(TComboBox* combo, const std::vector<std::string>& items) {
    combo->Items()->Clear();
    for (const std::string& item : items) combo->Items()->Add(item);
}

}  // namespace

TFormatEditor::TFormatEditor(TComponent* owner) : TForm(owner) {
    SetCaption("Numeric Format");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 330, 330);
    BuildControls();
    FillCombo(CBDate, DateFormatPresets());
    for (TRadioButton* r : {RBDate, RBCustom, RBGeo})
        r->OnClick = [this](TObject*) { RadioClick(); };
    for (TCheckBox* c : {CBThousands, CBCurrency}) c->OnClick = [this](TObject*) { RadioClick(); };
    RBInteger->OnClick = [this](TObject*) { RBIntegerClick(); };
    CBPercent->OnClick = [this](TObject*) { CBPercentClick(); };
    DoCreate();
}

TFormatEditor::~TFormatEditor() = default;

void TFormatEditor::BuildControls() {
    RBInteger = MakeControl<TRadioButton>(this, 10, 10, 120, 19);
    RBInteger->SetCaption("&Number");
    CBPercent = MakeCheckBox(this, 30, 34, 100, "&Percent");
    CBThousands = MakeCheckBox(this, 30, 56, 100, "&Thousands");
    CBCurrency = MakeCheckBox(this, 30, 78, 100, "C&urrency");
    MakeLabel(this, 150, 36, "D&ecimals:");
    TUpDownEdit decimals = MakeUpDownEdit(this, 220, 32, 40, 0, 20);
    Edit1 = decimals.Edit;
    UpDown1 = decimals.UpDown;
    CBFixedDecimals = MakeCheckBox(this, 150, 58, 100, "F&ixed");
    MakeLabel(this, 150, 84, "&Fixed:");
    TUpDownEdit fixed = MakeUpDownEdit(this, 220, 80, 40, 0, 20);
    Edit2 = fixed.Edit;
    UpDown2 = fixed.UpDown;
    // The three lower choices exclude one another; "Number" stands apart.
    TGroupBox* lower = MakeControl<TGroupBox>(this, 10, 110, 305, 140);
    RBDate = MakeControl<TRadioButton>(lower, 8, 20, 100, 19);
    RBDate->SetCaption("&Date Time:");
    CBDate = MakeComboBox(lower, 115, 18, 180, {}, true);
    RBCustom = MakeControl<TRadioButton>(lower, 8, 60, 100, 19);
    RBCustom->SetCaption("&Custom:");
    CBCustom = MakeComboBox(lower, 115, 58, 180, {}, true);
    RBGeo = MakeControl<TRadioButton>(lower, 8, 100, 100, 19);
    RBGeo->SetCaption("&Geographic:");
    CBGeo = MakeComboBox(lower, 115, 98, 180, {}, true);
    for (TComboBox* c : {CBDate, CBCustom, CBGeo}) c->SetEnabled(false);
    Button1 = MakePushButton(this, 150, 265, 75, "OK");
    Button1->SetDefault(true);
    Button1->SetModalResult(mrOk);
    Button2 = MakePushButton(this, 235, 265, 75, "Cancel");
    Button2->SetCancel(true);
    Button2->SetModalResult(mrCancel);
}

std::string TFormatEditor::ShowFormatDialog(TComponent* owner, const std::string& pattern,
                                            bool isDateTime) {
    TOwnedForm<TFormatEditor> dialog(new TFormatEditor(owner));
    dialog->RBDate->SetVisible(isDateTime);
    dialog->CBDate->SetVisible(isDateTime);
    dialog->LoadPattern(pattern);
    ApplyFormHook(dialog.get());
    return dialog->ShowModal() == mrOk ? dialog->BuildFormat() : pattern;
}

void TFormatEditor::ShowInCombo(TComboBox* combo, const std::string& text) {
    combo->SetEnabled(true);
    if (combo->Items()->IndexOf(text) < 0) combo->Items()->Add(text);
    combo->SetText(text);
}

void TFormatEditor::LoadPattern(const std::string& pattern) {
    FillCombo(CBCustom, CustomFormatPresets());
    FillCombo(CBGeo, GeographicFormatPresets());
    TFormatChoices c = DecomposeFormat(pattern);
    TValueGuard<bool> changing(FChanging, true);
    switch (c.Kind) {
        case fkDateTime:
            ShowInCombo(CBDate, c.Text);
            RBDate->SetChecked(true);
            return;
        case fkGeographic:
            ShowInCombo(CBGeo, c.Text);
            RBGeo->SetChecked(true);
            return;
        case fkCustom:
            ShowInCombo(CBCustom, c.Text);
            RBCustom->SetChecked(true);
            return;
        case fkNumber:
            break;
    }
    CBPercent->SetChecked(c.Percent);
    CBPercentClick();
    CBCurrency->SetChecked(c.Currency);
    CBThousands->SetChecked(c.Thousands);
    UpDown1->SetPosition(c.Decimals);
    CBFixedDecimals->SetChecked(c.FixedDecimals);
    UpDown2->SetPosition(c.FixedDigits);
    RBInteger->SetChecked(true);
}

std::string TFormatEditor::BuildFormat() const {
    TFormatChoices c;
    if (CBCustom->Enabled()) {
        c.Kind = fkCustom;
        c.Text = CBCustom->Text();
    } else if (RBInteger->Checked()) {
        c.Kind = fkNumber;
        c.Currency = CBCurrency->Checked();
        c.Thousands = CBThousands->Checked();
        c.Percent = CBPercent->Checked();
        c.Decimals = UpDown1->Position();
        c.FixedDecimals = CBFixedDecimals->Checked();
        c.FixedDigits = UpDown2->Position();
    } else {
        c.Kind = fkCustom;
        if (RBDate->Checked()) c.Text = CBDate->Text();
        if (RBGeo->Checked()) c.Text = CBGeo->Text();
    }
    return ::BuildFormat(c);
}

void TFormatEditor::RadioClick() {
    if (FChanging) return;
    const bool lowerChosen = RBDate->Checked() || RBCustom->Checked() || RBGeo->Checked();
    if (lowerChosen && RBInteger->Checked()) {
        TValueGuard<bool> changing(FChanging, true);
        RBInteger->SetChecked(false);
    }
    CBDate->SetEnabled(RBDate->Checked());
    CBGeo->SetEnabled(RBGeo->Checked());
    CBCustom->SetEnabled(RBCustom->Checked());
    if (RBDate->Checked()) {
        if (CBDate->Text().empty()) CBDate->SetText(FormatSettings().ShortDateFormat);
        if (CBDate->CanFocus()) CBDate->SetFocus();
    } else if (RBGeo->Checked()) {
        if (CBGeo->Text().empty()) CBGeo->SetText(GeographicFormatPresets().front());
        if (CBGeo->CanFocus()) CBGeo->SetFocus();
    } else {
        CBPercent->SetEnabled(!CBCustom->Enabled());
        if (CBCustom->Enabled() && CBCustom->CanFocus()) CBCustom->SetFocus();
    }
}

void TFormatEditor::RBIntegerClick() {
    if (FChanging) return;
    if (RBInteger->Checked()) {
        TValueGuard<bool> changing(FChanging, true);
        for (TRadioButton* r : {RBDate, RBCustom, RBGeo}) r->SetChecked(false);
    }
    RadioClick();
}

void TFormatEditor::CBPercentClick() {
    const bool percent = CBPercent->Checked();
    CBThousands->SetEnabled(!percent);
    CBCurrency->SetEnabled(!percent);
    if (percent) {
        TValueGuard<bool> changing(FChanging, true);
        CBThousands->SetChecked(false);
        CBCurrency->SetChecked(false);
    }
}
