#include "chart/editors/AxisPage.h"

#include <cmath>
#include <numbers>

#include "chart/editors/AxisEditorTexts.h"
#include "chart/editors/AxisIncrementDialog.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/OwnedForm.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/ShapeEditor.h"
#include "chart/engine/AxisGridPen.h"
#include "chart/engine/AxisTitle.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/EditorHooks.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

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

// --- The axis page: the axis list beside the tabs, and the Scales tab.

TFormTeeAxis::TFormTeeAxis(TComponent* owner, TChartAxis* axis)
    : TChartPageForm(owner), FAxis(axis) {
    SetBounds(0, 0, 400, 240);
    MakeLabel(this, 8, 4, "A&xes:");
    LBAxes = MakeControl<TListBox>(this, 8, 22, 90, 140);
    CBShow = MakeCheckBox(this, 8, 166, 90, "Visible");
    CBAxisBeh = MakeCheckBox(this, 8, 186, 90, "&Behind");
    BAdd = MakePushButton(this, 8, 208, 42, "+");
    BDelete = MakePushButton(this, 56, 208, 42, "-");
    PageAxis = MakeControl<TPageControl>(this, 104, 0, 292, 236);
    PageAxis->SetAnchors({akLeft, akTop, akRight, akBottom});
    TabScales = AddSheet(PageAxis, "Scales");
    TabTitle = AddSheet(PageAxis, "Title");
    TabLabels = AddSheet(PageAxis, "Labels");
    TabTicks = AddSheet(PageAxis, "Ticks");
    TabGrid = AddSheet(PageAxis, "Grid");
    TabPosition = AddSheet(PageAxis, "Position");
    BuildScales();
    BuildTitle();
    BuildLabels();
    BuildTicksAndGrid();
    BuildPosition();
    ConnectScales();
    ConnectLabels();
    PageAxis->SetActivePage(TabScales);

    // Each tab is read when it comes to the front.
    PageAxis->OnChange = [this](TObject*) { Reload(); };
    LBAxes->OnClick = [this](TObject*) { LBAxesClick(); };
    CBShow->OnClick = [this](TObject*) {
        if (!Loading() && Chart()) Chart()->SetAxisVisible(CBShow->Checked());
    };
    CBAxisBeh->OnClick = [this](TObject*) {
        if (!Loading() && Chart()) Chart()->SetAxisBehind(CBAxisBeh->Checked());
    };
    BAdd->OnClick = [this](TObject*) {
        TCustomAxisPanel* chart = Chart();
        if (!chart) return;
        FAxis = new TChartAxis(chart->CustomAxes());
        Reload();
    };
    BDelete->OnClick = [this](TObject*) {
        TCustomAxisPanel* chart = Chart();
        int index = LBAxes->ItemIndex();
        if (!chart || index <= 5) return;
        // The chart binds the axis's series to their standard axes as it goes.
        TObject::Free(FAxis);
        FAxis = AxisOfListIndex(*chart, index - 1);
        Reload();
    };
    DoCreate();
}

TTabSheet* TFormTeeAxis::AddSheet(TPageControl* pages, const char* caption) {
    auto* sheet = new TTabSheet(this);
    sheet->SetPageControl(pages);
    sheet->SetCaption(caption);
    return sheet;
}

void TFormTeeAxis::BindNumber(TEdit* edit, TUpDown* upDown, std::function<void(int)> write) {
    edit->OnChange = [this, edit, upDown, write = std::move(write)](TObject*) {
        int value = 0;
        if (Loading() || FQuiet || !TryStrToInt(edit->Text(), value)) return;
        if (value >= upDown->Min() && value <= upDown->Max()) write(value);
    };
}

void TFormTeeAxis::BuildScales() {
    TWinControl* tab = TabScales;
    CBAutomatic = MakeCheckBox(tab, 8, 8, 95, "&Automatic");
    CBVisible = MakeCheckBox(tab, 8, 28, 95, "&Visible");
    CBInverted = MakeCheckBox(tab, 8, 48, 95, "&Inverted");
    CBLogarithmic = MakeCheckBox(tab, 8, 68, 95, "&Logarithmic");
    MakeLabel(tab, 8, 94, "L&og Base:");
    ELogBase = MakeControl<TEdit>(tab, 64, 90, 40, 23);
    ELogBase->SetText("10");
    LogE = MakeCheckBox(tab, 108, 92, 32, "&e");
    // Minimum above Maximum, in the right-hand column.
    auto limit = [&](int top, const char* caption, const char* placeholder, TCheckBox*& automatic,
                     TCheckBox*& round, TLabel*& value, TButton*& change, TEdit*& offset,
                     TUpDown*& offsetUpDown) {
        MakeLabel(tab, 148, top, caption);
        automatic = MakeCheckBox(tab, 148, top + 16, 52, "A&uto");
        round = MakeCheckBox(tab, 202, top + 16, 58, "Round");
        value = MakeLabel(tab, 148, top + 42, placeholder);
        change = MakePushButton(tab, 196, top + 38, 70, "&Change...");
        MakeLabel(tab, 148, top + 70, "&Offset:");
        TUpDownEdit off = MakeUpDownEdit(tab, 196, top + 66, 50, -10000, 10000);
        offset = off.Edit;
        offsetUpDown = off.UpDown;
    };
    limit(4, "Minimum:", "(min)", CBAutoMin, CBMinRound, LAxisMin, BAxisMin, EMinOff, UDMinOff);
    limit(100, "Maximum:", "(max)", CBAutoMax, CBMaxRound, LAxisMax, BAxisMax, EMaxOff, UDMaxOff);
    MakeLabel(tab, 8, 122, "Desired Increment:");
    LAxisIncre = MakeLabel(tab, 8, 138, "(increment)");
    BIncre = MakePushButton(tab, 8, 154, 70, "&Change...");
    CBShowAll = MakeCheckBox(tab, 8, 184, 130, "Show &all labels");
}

void TFormTeeAxis::ConnectScales() {
    CBAutomatic->OnClick = [this](TObject*) { CBAutomaticClick(); };
    CBAutoMin->OnClick = [this](TObject*) { CBAutoMinMaxClick(true); };
    CBAutoMax->OnClick = [this](TObject*) { CBAutoMinMaxClick(false); };
    CBMinRound->OnClick = [this](TObject*) {
        if (!Loading()) FAxis->SetMinimumRound(CBMinRound->Checked());
    };
    CBMaxRound->OnClick = [this](TObject*) {
        if (!Loading()) FAxis->SetMaximumRound(CBMaxRound->Checked());
    };
    BAxisMin->OnClick = [this](TObject*) { ChangeLimit(true); };
    BAxisMax->OnClick = [this](TObject*) { ChangeLimit(false); };
    BindNumber(EMinOff, UDMinOff, [this](int v) { FAxis->SetMinimumOffset(v); });
    BindNumber(EMaxOff, UDMaxOff, [this](int v) { FAxis->SetMaximumOffset(v); });
    CBVisible->OnClick = [this](TObject*) {
        if (!Loading()) FAxis->SetVisible(CBVisible->Checked());
    };
    CBInverted->OnClick = [this](TObject*) {
        if (!Loading()) FAxis->SetInverted(CBInverted->Checked());
    };
    BIncre->OnClick = [this](TObject*) {
        if (TAxisIncrement::EditAxisIncrement(this, *FAxis)) Reload();
    };
    CBShowAll->OnClick = [this](TObject*) {
        if (!Loading() && !FQuiet) FAxis->SetLabelsSeparation(CBShowAll->Checked() ? 0 : 10);
    };
    CBLogarithmic->OnClick = [this](TObject*) { CBLogarithmicClick(); };
    ELogBase->OnChange = [this](TObject*) { ELogBaseChange(); };
    LogE->OnClick = [this](TObject*) {
        if (Loading() || FQuiet || !LogE->Checked()) return;
        // The base becomes e itself, not the 15 digits its text shows.
        {
            TValueGuard<bool> quiet(FQuiet, true);
            ELogBase->SetText(FloatToStr(std::numbers::e));
        }
        FAxis->SetLogarithmicBase(std::numbers::e);
        LogE->SetEnabled(false);
    };
}

void TFormTeeAxis::LoadControls() {
    if (!FAxis) return;
    TCustomAxisPanel* chart = Chart();
    if (chart) {
        TStringList names;
        AddAxisNames(*chart, names, true);
        LBAxes->Items()->Assign(names);
        LBAxes->SetItemIndex(ListIndexOfAxis(*chart, FAxis));
        CBShow->SetChecked(chart->AxisVisible());
        CBAxisBeh->SetChecked(chart->AxisBehind());
    }
    BAxisGrid->LinkPen(FAxis->Grid());
    BTickMinor->LinkPen(FAxis->MinorTicks());
    BTickInner->LinkPen(FAxis->TicksInner());
    BTickPen->LinkPen(FAxis->Ticks());
    BAxisPen->LinkPen(FAxis->Axis());
    BMinorGrid->LinkPen(FAxis->MinorGrid());
    const TTabSheet* active = PageAxis->ActivePage();
    if (active == TabLabels)
        LoadLabels();
    else if (active == TabTitle)
        LoadTitle();
    else if (active == TabTicks)
        LoadTicks();
    else if (active == TabGrid)
        LoadGrid();
    else if (active == TabPosition)
        LoadPosition();
    else
        LoadScales();
    BDelete->SetEnabled(LBAxes->ItemIndex() > 5);
    CBVisible->SetChecked(FAxis->Visible());
    CBLabelAlign->SetChecked(FAxis->LabelsAlign() == alDefault);
    CBLabelAlign->SetEnabled(!FAxis->Horizontal() && !FAxis->IsDepthAxis);
}

void TFormTeeAxis::LoadScales() {
    const bool dateTime = FAxis->IsDateTimeAxis();
    LAxisIncre->SetCaption(IncrementText(dateTime, FAxis->ExactDateTime(),
                                         FAxis->AxisValuesFormat(), FAxis->Increment()));
    LAxisMin->SetCaption(LimitLabelText(dateTime, FAxis->AxisValuesFormat(), FAxis->Minimum()));
    LAxisMax->SetCaption(LimitLabelText(dateTime, FAxis->AxisValuesFormat(), FAxis->Maximum()));
    CBAutomatic->SetChecked(FAxis->Automatic());
    CBAutoMin->SetChecked(FAxis->AutomaticMinimum());
    CBAutoMax->SetChecked(FAxis->AutomaticMaximum());
    UDMinOff->SetPosition(FAxis->MinimumOffset());
    UDMaxOff->SetPosition(FAxis->MaximumOffset());
    CBMaxRound->SetChecked(FAxis->MaximumRound());
    CBMaxRound->SetEnabled(FAxis->AutomaticMaximum());
    CBMinRound->SetChecked(FAxis->MinimumRound());
    CBMinRound->SetEnabled(FAxis->AutomaticMinimum());
    CBLogarithmic->SetChecked(FAxis->Logarithmic());
    CBLogarithmic->SetEnabled(!FAxis->IsDepthAxis);
    LogE->SetChecked(FAxis->LogarithmicBase() == std::numbers::e);
    ELogBase->SetText(FloatToStr(FAxis->LogarithmicBase()));
    EnableLogBase();
    CBInverted->SetChecked(FAxis->Inverted());
    CBShowAll->SetChecked(FAxis->LabelsSeparation() == 0);
}

TCustomAxisPanel* TFormTeeAxis::Chart() const {
    return FAxis ? dynamic_cast<TCustomAxisPanel*>(FAxis->Host()) : nullptr;
}

void TFormTeeAxis::EnableLogBase() {
    const bool on = CBLogarithmic->Checked() && CBLogarithmic->Enabled();
    ELogBase->SetEnabled(on);
    LogE->SetEnabled(on && !LogE->Checked());
}

void TFormTeeAxis::CBLogarithmicClick() {
    if (Loading()) return;
    try {
        FAxis->SetLogarithmic(CBLogarithmic->Checked());
    } catch (...) {
        // The axis refuses (a date-time axis, negative limits): back to linear, then the
        // refusal goes on to the user.
        FAxis->SetLogarithmic(false);
        {
            TValueGuard<bool> quiet(FQuiet, true);
            CBLogarithmic->SetChecked(false);
        }
        EnableLogBase();
        throw;
    }
    EnableLogBase();
}

void TFormTeeAxis::ELogBaseChange() {
    if (Loading() || FQuiet) return;
    long double value = FAxis->LogarithmicBase();
    if (!TryStrToFloat(ELogBase->Text(), value)) value = FAxis->LogarithmicBase();
    // 1 and 0 are no bases: ignored while typing.
    if (value != 1 && value != 0) FAxis->SetLogarithmicBase(double(value));
    const bool isE = FAxis->LogarithmicBase() == std::numbers::e;
    TValueGuard<bool> quiet(FQuiet, true);
    LogE->SetChecked(isE);
    LogE->SetEnabled(!isE);
}

void TFormTeeAxis::LBAxesClick() {
    TCustomAxisPanel* chart = Chart();
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
    TOwnedForm<TAxisMaxMin> dialog(new TAxisMaxMin(this));
    dialog->SetCaption(std::string(minimum ? "Minimum" : "Maximum") + " " +
                       (chart ? chart->AxisDisplayName(FAxis) : std::string()));
    dialog->Prepare(FAxis->IsDateTimeAxis(), minimum ? FAxis->Minimum() : FAxis->Maximum());
    ApplyFormHook(dialog.get());
    if (dialog->ShowModal() != mrOk) return;
    // The axis refuses a limit that crosses the other one (AxisException).
    if (minimum)
        FAxis->SetMinimum(dialog->Value());
    else
        FAxis->SetMaximum(dialog->Value());
    (minimum ? CBAutoMin : CBAutoMax)->SetChecked(false);
    Reload();
}
