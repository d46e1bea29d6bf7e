#include "chart/editors/AxisIncrementDialog.h"

#include "chart/editors/AxisEditorTexts.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/OwnedForm.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/DateTimeSteps.h"
#include "chart/foundation/EditorHooks.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RadioGroup.h"

TAxisIncrement::TAxisIncrement(TComponent* owner) : TEditorForm(owner) {
    SetCaption("Axis Increment");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 300, 200);
    RGIncrement = MakeControl<TRadioGroup>(this, 8, 8, 100, 80);
    RGIncrement->SetCaption("Increment:");
    RGIncrement->Items()->Add("&Standard:");
    RGIncrement->Items()->Add("&Custom:");
    CBSteps = MakeComboBox(this, 116, 22, 170, {});
    CBSteps->SetDropDownCount(18);
    for (int i = 0; i < DateTimeStepCount; ++i) CBSteps->Items()->Add(DateTimeStepCaption(i));
    ECustom = MakeControl<TEdit>(this, 116, 58, 170, 23);
    CBExact = MakeCheckBox(this, 8, 100, 150, "&Exact Date Time");
    BOk = MakePushButton(this, 130, 140, 75, "OK");
    BOk->SetDefault(true);
    BCancel = MakePushButton(this, 212, 140, 75, "Cancel");
    BCancel->SetCancel(true);
    BCancel->SetModalResult(mrCancel);
    RGIncrement->OnClick = [this](TObject*) {
        if (!Loading()) ChooseStandard(RGIncrement->ItemIndex() == 0);
    };
    CBExact->OnClick = [this](TObject*) {
        if (Loading() || CBExact->Checked()) return;
        FExact = false;
        RGIncrement->SetItemIndex(1);
    };
    BOk->OnClick = [this](TObject*) { BOkClick(); };
    DoCreate();
}

TAxisIncrement::~TAxisIncrement() = default;

void TAxisIncrement::Prepare(bool isDateTime, bool exact, double increment) {
    auto loading = LoadGuard();
    FIsDateTime = isDateTime;
    FExact = exact;
    FIncrement = increment;
    if (!isDateTime) {
        CBSteps->Hide();
        RGIncrement->Hide();
        CBExact->Hide();
        ECustom->SetText(FloatToStr(increment));
        return;
    }
    CBExact->SetChecked(exact);
    ECustom->SetHint("Enter [Number of Days] [hh:nn:ss]");
    ECustom->SetText(CustomIncrementText(increment));
    const int step = FindDateTimeStep(increment);
    if (exact && step != dtNone) {
        RGIncrement->SetItemIndex(0);
        CBSteps->SetItemIndex(step);
        ECustom->SetText("");
        ECustom->SetEnabled(false);
    } else {
        RGIncrement->SetItemIndex(1);
        CBSteps->SetItemIndex(-1);
        CBSteps->SetEnabled(false);
    }
}

void TAxisIncrement::ChooseStandard(bool standard) {
    auto loading = LoadGuard();
    ECustom->SetEnabled(!standard);
    FExact = standard;
    CBExact->SetChecked(standard);
    CBExact->SetEnabled(standard);
    CBSteps->SetEnabled(standard);
    if (standard) {
        if (CBSteps->ItemIndex() < 0) CBSteps->SetItemIndex(0);
    } else {
        ECustom->SetText(CustomIncrementText(FIncrement));
    }
}

void TAxisIncrement::BOkClick() {
    try {
        if (FIsDateTime && RGIncrement->ItemIndex() == 0)
            FIncrement = DateTimeSteps[size_t(std::max(0, CBSteps->ItemIndex()))];
        else
            FIncrement = ParseCustomIncrement(FIsDateTime, ECustom->Text());
    } catch (const EConvertError& e) {
        ShowIncorrectValue(e.Message());
        return;
    }
    SetModalResult(mrOk);
}

bool TAxisIncrement::EditAxisIncrement(TComponent* owner, TChartAxis& axis) {
    TOwnedForm<TAxisIncrement> dialog(new TAxisIncrement(owner));
    auto* chart = dynamic_cast<TCustomChart*>(axis.Host());
    dialog->SetCaption(
        Format("Desired %s Increment", {chart ? chart->AxisDisplayName(&axis) : ""}));
    dialog->Prepare(axis.IsDateTimeAxis(), axis.ExactDateTime(), axis.Increment());
    ApplyFormHook(dialog.get());
    if (dialog->ShowModal() != mrOk) return false;
    axis.SetIncrement(dialog->Increment());
    axis.SetExactDateTime(dialog->Exact());
    return true;
}
