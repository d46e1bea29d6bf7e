#include "chart/editors/AxisPage.h"

#include <cmath>
#include <numbers>

#include "chart/editors/AxisEditorTexts.h"
#include "chart/editors/AxisIncrementDialog.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/FormatEditor.h"
#include "chart/editors/OwnedForm.h"
#include "chart/engine/AxisTitle.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLists.h"
#include "chart/foundation/DateTimeSteps.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/FieldLists.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
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
    SetBounds(0, 0, 420, 330);
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
    BIncre = MakePushButton(this, 330, 156, 80, "&Change...");
    CBShowAll = MakeCheckBox(this, 120, 180, 160, "Show &all labels");
    CBLogarithmic = MakeCheckBox(this, 120, 222, 110, "&Logarithmic");
    MakeLabel(this, 235, 226, "L&og Base:");
    ELogBase = MakeControl<TEdit>(this, 300, 222, 60, 23);
    LogE = MakeCheckBox(this, 365, 224, 40, "&e");
    MakeLabel(this, 120, 258, "Values For&mat:");
    CBFormat = MakeComboBox(this, 220, 254, 150, {}, true);
    Button1 = MakePushButton(this, 375, 254, 30, "...");
    BAdd = MakePushButton(this, 8, 226, 45, "+");
    BDelete = MakePushButton(this, 60, 226, 45, "-");
    MakeLabel(this, 120, 292, "T&itle:");
    ETitle = MakeControl<TEdit>(this, 170, 288, 200, 23);
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
    BIncre->OnClick = [this](TObject*) {
        if (TAxisIncrement::EditAxisIncrement(this, *FAxis)) Reload();
    };
    CBShowAll->OnClick = [this](TObject*) {
        if (!Loading()) FAxis->SetLabelsSeparation(CBShowAll->Checked() ? 0 : 10);
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
    CBFormat->OnChange = [this](TObject*) {
        if (!Loading()) WriteFormat(CBFormat->Text());
    };
    Button1->OnClick = [this](TObject*) {
        std::string text =
            TFormatEditor::ShowFormatDialog(this, CBFormat->Text(), FAxis->IsDateTimeAxis());
        CBFormat->SetText(text);
        WriteFormat(text);
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
    CBShowAll->SetChecked(FAxis->LabelsSeparation() == 0);
    CBLogarithmic->SetChecked(FAxis->Logarithmic());
    CBLogarithmic->SetEnabled(!FAxis->IsDepthAxis);
    LogE->SetChecked(FAxis->LogarithmicBase() == std::numbers::e);
    ELogBase->SetText(FloatToStr(FAxis->LogarithmicBase()));
    EnableLogBase();
    BDelete->SetEnabled(LBAxes->ItemIndex() > 5);
    FillFormats();
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

void TFormTeeAxis::FillFormats() {
    CBFormat->Items()->Clear();
    std::string current;
    if (FAxis->IsDateTimeAxis()) {
        const TFormatSettings& fs = FormatSettings();
        const double range = FAxis->Maximum() - FAxis->Minimum();
        if (range > 1) {
            for (const std::string& f : {fs.ShortDateFormat, fs.LongDateFormat})
                CBFormat->Items()->Add(f);
            for (const char* f :
                 {"yyyy-mm-dd", "mm-dd-yyyy", "dd-mm-yyyy", "ddd", "dddd", "mmm", "mmmm"})
                CBFormat->Items()->Add(f);
        } else {
            for (const std::string& f : {fs.ShortTimeFormat, fs.LongTimeFormat})
                CBFormat->Items()->Add(f);
            for (const char* f : {"hh:nn", "hh:nn:ss", "hh:nn:ss.zzz"}) CBFormat->Items()->Add(f);
        }
        current =
            FAxis->DateTimeFormat().empty() ? DateTimeFormatFor(range) : FAxis->DateTimeFormat();
    } else {
        AddValueFormatPresets(*CBFormat->Items());
        current = ToLocalSeparators(FAxis->AxisValuesFormat().empty() ? "#,##0.###"
                                                                      : FAxis->AxisValuesFormat());
    }
    if (CBFormat->Items()->IndexOf(current) < 0) CBFormat->Items()->Add(current);
    CBFormat->SetText(current);
}

void TFormTeeAxis::WriteFormat(const std::string& text) {
    if (FAxis->IsDateTimeAxis())
        FAxis->SetDateTimeFormat(text);
    else
        FAxis->SetAxisValuesFormat(ToInvariantSeparators(text));
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
