#include "chart/editors/AxisPage.h"

#include "chart/editors/AxisEditorTexts.h"
#include "chart/editors/EditorControls.h"
#include "chart/engine/AxisTitle.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/EditorHooks.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"

// --- The limit dialog.

TAxisMaxMin::TAxisMaxMin(TComponent* owner) : TForm(owner) {
    SetCaption("Axis Maximum and Minimum");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 260, 150);
    LabelMaximum = MakeLabel(this, 8, 12, "&Date:");
    EMaximum = MakeControl<TEdit>(this, 70, 8, 170, 23);
    EMaximum->SetHint("Enter Date");
    LabelMinimum = MakeLabel(this, 8, 44, "&Time:");
    EMinimum = MakeControl<TEdit>(this, 70, 40, 170, 23);
    EMinimum->SetHint("Enter Time");
    BOk = MakePushButton(this, 80, 80, 75, "OK");
    BOk->SetDefault(true);
    BCancel = MakePushButton(this, 165, 80, 75, "Cancel");
    BCancel->SetCancel(true);
    BCancel->SetModalResult(mrCancel);
    BOk->OnClick = [this](TObject*) { BOkClick(); };
    DoCreate();
}

TAxisMaxMin::~TAxisMaxMin() = default;

void TAxisMaxMin::Prepare(bool isDateTime, double value) {
    FIsDateTime = isDateTime;
    FValue = value;
    if (isDateTime) {
        EMaximum->SetText(LimitDateText(value));
        EMinimum->SetText(LimitTimeText(value));
        return;
    }
    EMaximum->SetHint("");
    EMinimum->SetHint("");
    LabelMaximum->SetCaption("Value:");
    EMaximum->SetText(FloatToStr(value));
    LabelMinimum->Hide();
    EMinimum->Hide();
}

void TAxisMaxMin::BOkClick() {
    try {
        FValue = ParseAxisLimit(FIsDateTime, EMaximum->Text(), EMinimum->Text());
    } catch (const EConvertError& e) {
        ShowIncorrectValue(e.Message());
        return;
    }
    SetModalResult(mrOk);
}

// --- The axis page.

TFormTeeAxis::TFormTeeAxis(TComponent* owner, TChartAxis* axis)
    : TChartPageForm(owner), FAxis(axis) {
    SetBounds(0, 0, 400, 260);
    MakeLabel(this, 8, 4, "A&xes:");
    LBAxes = MakeControl<TListBox>(this, 8, 22, 100, 200);
    CBAutomatic = MakeCheckBox(this, 120, 8, 120, "&Automatic");
    CBVisible = MakeCheckBox(this, 250, 8, 120, "&Visible");
    CBInverted = MakeCheckBox(this, 250, 32, 120, "&Inverted");
    MakeLabel(this, 120, 60, "Minimum:");
    CBAutoMin = MakeCheckBox(this, 120, 78, 60, "A&uto");
    LAxisMin = MakeLabel(this, 190, 80, "(min)");
    BAxisMin = MakePushButton(this, 290, 76, 80, "&Change...");
    MakeLabel(this, 120, 110, "Maximum:");
    CBAutoMax = MakeCheckBox(this, 120, 128, 60, "A&uto");
    LAxisMax = MakeLabel(this, 190, 130, "(max)");
    BAxisMax = MakePushButton(this, 290, 126, 80, "&Change...");
    MakeLabel(this, 120, 160, "Desired Increment:");
    LAxisIncre = MakeLabel(this, 250, 160, "(increment)");
    MakeLabel(this, 120, 192, "T&itle:");
    ETitle = MakeControl<TEdit>(this, 170, 188, 200, 23);
    LBAxes->OnClick = [this](TObject*) { LBAxesClick(); };
    CBAutomatic->OnClick = [this](TObject*) { CBAutomaticClick(); };
    CBAutoMin->OnClick = [this](TObject*) { CBAutoMinMaxClick(true); };
    CBAutoMax->OnClick = [this](TObject*) { CBAutoMinMaxClick(false); };
    BAxisMin->OnClick = [this](TObject*) { ChangeLimit(true); };
    BAxisMax->OnClick = [this](TObject*) { ChangeLimit(false); };
    CBVisible->OnClick = [this](TObject*) {
        if (!Loading()) FAxis->SetVisible(CBVisible->Checked());
    };
    CBInverted->OnClick = [this](TObject*) {
        if (!Loading()) FAxis->SetInverted(CBInverted->Checked());
    };
    ETitle->OnChange = [this](TObject*) {
        if (!Loading()) FAxis->Title()->SetCaption(ETitle->Text());
    };
    DoCreate();
}

TFormTeeAxis::~TFormTeeAxis() = default;

void TFormTeeAxis::LoadControls() {
    if (!FAxis) return;
    auto* chart = dynamic_cast<TCustomAxisPanel*>(FAxis->Host());
    if (chart) {
        TStringList names;
        AddAxisNames(*chart, names, true);
        LBAxes->Items()->Assign(names);
        LBAxes->SetItemIndex(ListIndexOfAxis(*chart, FAxis));
    }
    const bool dateTime = FAxis->IsDateTimeAxis();
    LAxisIncre->SetCaption(IncrementText(dateTime, FAxis->ExactDateTime(),
                                         FAxis->AxisValuesFormat(), FAxis->Increment()));
    LAxisMin->SetCaption(LimitLabelText(dateTime, FAxis->AxisValuesFormat(), FAxis->Minimum()));
    LAxisMax->SetCaption(LimitLabelText(dateTime, FAxis->AxisValuesFormat(), FAxis->Maximum()));
    CBAutomatic->SetChecked(FAxis->Automatic());
    CBAutoMin->SetChecked(FAxis->AutomaticMinimum());
    CBAutoMax->SetChecked(FAxis->AutomaticMaximum());
    CBVisible->SetChecked(FAxis->Visible());
    CBInverted->SetChecked(FAxis->Inverted());
    ETitle->SetText(FAxis->Title()->Caption());
}

void TFormTeeAxis::LBAxesClick() {
    auto* chart = dynamic_cast<TCustomAxisPanel*>(FAxis->Host());
    if (!chart) return;
    if (TChartAxis* axis = AxisOfListIndex(*chart, LBAxes->ItemIndex())) {
        FAxis = axis;
        Reload();
    }
}

void TFormTeeAxis::CBAutomaticClick() {
    if (Loading()) return;
    FAxis->SetAutomatic(CBAutomatic->Checked());
    if (FAxis->Automatic()) {
        FAxis->ComputeRange();
    } else {
        FAxis->SetAutomaticMaximum(false);
        FAxis->SetAutomaticMinimum(false);
    }
    Reload();
}

void TFormTeeAxis::CBAutoMinMaxClick(bool minimum) {
    if (Loading()) return;
    if (minimum)
        FAxis->SetAutomaticMinimum(CBAutoMin->Checked());
    else
        FAxis->SetAutomaticMaximum(CBAutoMax->Checked());
    FAxis->ComputeRange();
    Reload();
}

void TFormTeeAxis::ChangeLimit(bool minimum) {
    auto* chart = dynamic_cast<TCustomChart*>(FAxis->Host());
    TAxisMaxMin* dialog = new TAxisMaxMin(this);
    try {
        dialog->SetCaption(std::string(minimum ? "Minimum" : "Maximum") + " " +
                           (chart ? chart->AxisDisplayName(FAxis) : std::string()));
        dialog->Prepare(FAxis->IsDateTimeAxis(), minimum ? FAxis->Minimum() : FAxis->Maximum());
        ApplyFormHook(dialog);
        if (dialog->ShowModal() == mrOk) {
            // The axis refuses a limit that crosses the other one (AxisException).
            if (minimum)
                FAxis->SetMinimum(dialog->Value());
            else
                FAxis->SetMaximum(dialog->Value());
            (minimum ? CBAutoMin : CBAutoMax)->SetChecked(false);
            Reload();
        }
    } catch (...) {
        TObject::Free(dialog);
        throw;
    }
    TObject::Free(dialog);
}
