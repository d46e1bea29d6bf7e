#include "chart/editors/FunctionOptionEditors.h"

#include <cmath>

#include "chart/editors/AxisIncrementDialog.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/OwnedForm.h"
#include "chart/editors/SeriesEditorControls.h"
#include "chart/engine/BasicFunctions.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "chart/engine/SmoothingFunction.h"
#include "chart/engine/TeeFunction.h"
#include "chart/foundation/EditorHooks.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/UpDown.h"

namespace {
enum { styleAll, styleNumPoints, styleRange };
}

// --- Period.

TTeeFunctionEditor::TTeeFunctionEditor(TComponent* owner) : TBaseFunctionEditor(owner) {
    LabelAlign = MakeLabel(this, 8, 12, "&Alignment:");
    CBAlign = MakeComboBox(this, 120, 8, 140, {"First", "Center", "Last"});
    LabelAlign->SetFocusControl(CBAlign);
    LabelStyle = MakeLabel(this, 8, 42, "&Calculate using:");
    CBStyle =
        MakeComboBox(this, 120, 38, 140, {"All points", "Every number of points", "Every range"});
    LabelStyle->SetFocusControl(CBStyle);
    LabelNum = MakeLabel(this, 8, 72, "&Number of points:");
    ENum = MakeControl<TEdit>(this, 120, 68, 80, 23);
    ENum->SetText("0");
    ENum->SetEnabled(false);
    LabelNum->SetFocusControl(ENum);
    BChange = MakePushButton(this, 206, 67, 75, "&Change...");
    BChange->SetEnabled(false);
    CBStyle->OnChange = [this](TObject*) { CBStyleChange(); };
    CBAlign->OnChange = [this](TObject*) { EnableApply(); };
    ENum->OnChange = [this](TObject*) { EnableApply(); };
    BChange->OnClick = [this](TObject*) { BChangeClick(); };
}

void TTeeFunctionEditor::LoadFunction() {
    const bool moving = IFunction->InheritsFrom(TTeeMovingFunction::StaticClass());
    if (IFunction->PeriodStyle() == psRange && !moving)
        CBStyle->SetItemIndex(styleRange);
    else if (Round(IFunction->Period()) != 0)
        CBStyle->SetItemIndex(styleNumPoints);
    else
        CBStyle->SetItemIndex(styleAll);
    CBAlign->SetItemIndex(int(IFunction->PeriodAlign()));
    CBStyleChange();
}

void TTeeFunctionEditor::EnableStyleControls() {
    ENum->SetEnabled(CBStyle->ItemIndex() != styleAll);
    BChange->SetEnabled(CBStyle->ItemIndex() == styleRange);
}

void TTeeFunctionEditor::CBStyleChange() {
    EnableStyleControls();
    const double period = IFunction ? IFunction->Period() : 0;
    switch (CBStyle->ItemIndex()) {
        case styleNumPoints:
            ENum->SetText(IntToStr(std::max<int64_t>(0, Round(period))));
            break;
        case styleRange:
            ENum->SetText(FloatToStr(period));
            break;
        default:
            ENum->SetText("");
    }
    if (ENum->Enabled() && ENum->CanFocus()) ENum->SetFocus();
    EnableApply();
}

void TTeeFunctionEditor::BChangeClick() {
    TOwnedForm<TAxisIncrement> dialog(new TAxisIncrement(this));
    dialog->SetCaption("Period range");
    TChartSeries* series = IFunction ? IFunction->ParentSeries() : nullptr;
    auto* source = series ? dynamic_cast<TChartSeries*>(series->DataSource()) : nullptr;
    const bool dateTime = source && source->XValues().DateTime();
    dialog->Prepare(dateTime, true, StrToFloatDef(ENum->Text(), 0));
    ApplyFormHook(dialog.get());
    if (dialog->ShowModal() == mrOk) ENum->SetText(FloatToStr(dialog->Increment()));
}

void TTeeFunctionEditor::ApplyFunction() {
    IFunction->SetPeriodAlign(TFunctionPeriodAlign(std::max(0, CBAlign->ItemIndex())));
    IFunction->SetPeriodStyle(CBStyle->ItemIndex() == styleRange ? psRange : psNumPoints);
    IFunction->SetPeriod(double(StrToFloatDef(ENum->Text(), 0)));
}

// --- Average.

TAverageFuncEditor::TAverageFuncEditor(TComponent* owner) : TTeeFunctionEditor(owner) {
    CBNulls = MakeCheckBox(this, 8, 100, 200, "&Include Null values");
    CBNulls->OnClick = [this](TObject*) { EnableApply(); };
}

void TAverageFuncEditor::LoadFunction() {
    TTeeFunctionEditor::LoadFunction();
    if (auto* average = dynamic_cast<TAverageTeeFunction*>(IFunction))
        CBNulls->SetChecked(average->IncludeNulls());
}

void TAverageFuncEditor::ApplyFunction() {
    TTeeFunctionEditor::ApplyFunction();
    if (auto* average = dynamic_cast<TAverageTeeFunction*>(IFunction))
        average->SetIncludeNulls(CBNulls->Checked());
}

// --- y = f(x).

TCustomFunctionEditor::TCustomFunctionEditor(TComponent* owner) : TBaseFunctionEditor(owner) {
    auto edit = [this](int top, const char* caption, const char* text) {
        TLabel* label = MakeLabel(this, 8, top + 4, caption);
        TEdit* e = MakeControl<TEdit>(this, 100, top, 100, 23);
        e->SetText(text);
        label->SetFocusControl(e);
        e->OnChange = [this](TObject*) { EnableApply(); };
        return e;
    };
    EStart = edit(8, "&Start X:", "0");
    EStep = edit(38, "S&tep:", "1");
    ENum = edit(68, "&Num. points:", "100");
}

void TCustomFunctionEditor::LoadFunction() {
    auto* custom = dynamic_cast<TCustomTeeFunction*>(IFunction);
    if (!custom) return;
    EStart->SetText(FloatToStr(custom->StartX()));
    EStep->SetText(FloatToStr(custom->Period()));
    ENum->SetText(IntToStr(custom->NumPoints()));
}

void TCustomFunctionEditor::ApplyFunction() {
    auto* custom = dynamic_cast<TCustomTeeFunction*>(IFunction);
    if (!custom) return;
    // Converted first, so that a bad text leaves the function as it was.
    const double start = double(StrToFloat(EStart->Text()));
    const double step = double(StrToFloat(EStep->Text()));
    const int count = StrToInt(ENum->Text());
    custom->SetStartX(start);
    custom->SetPeriod(step);
    custom->SetNumPoints(count);
}

// --- Smoothing.

TSmoothFuncEditor::TSmoothFuncEditor(TComponent* owner) : TBaseFunctionEditor(owner) {
    CBInterp = MakeCheckBox(this, 8, 8, 160, "&Interpolate");
    TLabel* label = MakeLabel(this, 8, 42, "&Factor:");
    const TUpDownEdit factor = MakeUpDownEdit(this, 80, 38, 60, 1, 1000);
    Edit1 = factor.Edit;
    UpDown1 = factor.UpDown;
    UpDown1->SetPosition(1);
    label->SetFocusControl(Edit1);
    CBInterp->OnClick = [this](TObject*) { EnableApply(); };
    Edit1->OnChange = [this](TObject*) { EnableApply(); };
}

void TSmoothFuncEditor::LoadFunction() {
    auto* smoothing = dynamic_cast<TSmoothingFunction*>(IFunction);
    if (!smoothing) return;
    CBInterp->SetChecked(smoothing->Interpolate());
    UpDown1->SetPosition(smoothing->Factor());
}

void TSmoothFuncEditor::ApplyFunction() {
    auto* smoothing = dynamic_cast<TSmoothingFunction*>(IFunction);
    if (!smoothing) return;
    smoothing->SetInterpolate(CBInterp->Checked());
    // The factor as the edit shows it: a number typed there counts, not only the arrows.
    smoothing->SetFactor(UpDownPosition(*UpDown1));
}
