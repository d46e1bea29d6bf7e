#include "chart/series/price/PriceFunctionEditors.h"

#include "chart/editors/PenDialog.h"
#include "chart/engine/FastLineSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/series/price/ADXFunction.h"
#include "chart/series/price/CCIFunction.h"
#include "chart/series/price/FunctionEditorControls.h"
#include "chart/series/price/MovingAverageFunctions.h"
#include "chart/series/price/SARFunction.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/UpDown.h"

namespace {

enum { averageNormal, averageWeighted, averageByIndex };

// "Alig&nment:" with the three places of a window's result.
TComboBox* MakeAlignCombo(TBaseFunctionEditor* form, int top) {
    TLabel* label = MakeLabel(form, 8, top + 4, "Alig&nment:");
    TComboBox* combo = MakeComboBox(form, 110, top, 120, {"First", "Center", "Last"});
    label->SetFocusControl(combo);
    combo->OnChange = [form](TObject*) { form->EnableApply(); };
    return combo;
}

TButtonPen* MakePenButton(TBaseFunctionEditor* form, int left, int top, const char* caption) {
    auto* button = MakeControl<TButtonPen>(form, left, top, 95, 25);
    button->SetCaption(caption);
    return button;
}

}  // namespace

// --- Moving average.

TMovAveFuncEditor::TMovAveFuncEditor(TComponent* owner) : TBaseFunctionEditor(owner) {
    const TUpDownEdit period = MakeFunctionUpDown(this, 8, "&Period:", 1, 32767, 1);
    Edit1 = period.Edit;
    UpDown1 = period.UpDown;
    TLabel* label = MakeLabel(this, 8, 42, "&Average:");
    CBStyle = MakeComboBox(this, 110, 38, 120, {"Normal", "Weighted", "Weighted by Index"});
    label->SetFocusControl(CBStyle);
    CBStyle->OnChange = [this](TObject*) { EnableApply(); };
    CBAlign = MakeAlignCombo(this, 68);
}

void TMovAveFuncEditor::LoadFunction() {
    auto* f = dynamic_cast<TMovingAverageFunction*>(IFunction);
    if (!f) return;
    UpDown1->SetPosition(RoundToInt(f->Period()));
    CBStyle->SetItemIndex(f->Weighted()        ? averageWeighted
                          : f->WeightedIndex() ? averageByIndex
                                               : averageNormal);
    CBAlign->SetItemIndex(int(f->PeriodAlign()));
}

void TMovAveFuncEditor::ApplyFunction() {
    auto* f = dynamic_cast<TMovingAverageFunction*>(IFunction);
    if (!f) return;
    f->SetPeriod(EditedPosition(*UpDown1));
    f->SetWeighted(CBStyle->ItemIndex() == averageWeighted);
    f->SetWeightedIndex(CBStyle->ItemIndex() == averageByIndex);
    if (CBAlign->ItemIndex() >= 0) f->SetPeriodAlign(TFunctionPeriodAlign(CBAlign->ItemIndex()));
}

// --- Two-point blend.

TExpAveFuncEditor::TExpAveFuncEditor(TComponent* owner) : TBaseFunctionEditor(owner) {
    Edit1 = MakeFunctionEdit(this, 8, "&Weight:", "0.2");
    CBAlign = MakeAlignCombo(this, 38);
}

void TExpAveFuncEditor::LoadFunction() {
    auto* f = dynamic_cast<TExpAverageFunction*>(IFunction);
    if (!f) return;
    Edit1->SetText(FloatToStr(f->Weight()));
    CBAlign->SetItemIndex(int(f->PeriodAlign()));
}

void TExpAveFuncEditor::ApplyFunction() {
    auto* f = dynamic_cast<TExpAverageFunction*>(IFunction);
    if (!f) return;
    if (CBAlign->ItemIndex() >= 0) f->SetPeriodAlign(TFunctionPeriodAlign(CBAlign->ItemIndex()));
    f->SetWeight(double(StrToFloat(Edit1->Text())));
}

// --- Commodity channel index.

TCCIFuncEditor::TCCIFuncEditor(TComponent* owner) : TBaseFunctionEditor(owner) {
    EConst = MakeFunctionEdit(this, 8, "&Constant:", FloatToStr(0.015));
    const TUpDownEdit period = MakeFunctionUpDown(this, 38, "&Period:", 1, 10000, 20);
    EPeriod = period.Edit;
    UDPeriod = period.UpDown;
}

void TCCIFuncEditor::LoadFunction() {
    auto* f = dynamic_cast<TCCIFunction*>(IFunction);
    if (!f) return;
    EConst->SetText(FloatToStr(f->Constant()));
    UDPeriod->SetPosition(RoundToInt(f->Period()));
}

void TCCIFuncEditor::ApplyFunction() {
    auto* f = dynamic_cast<TCCIFunction*>(IFunction);
    if (!f) return;
    f->SetConstant(EditedFloat(*EConst, f->Constant()));
    f->SetPeriod(EditedPosition(*UDPeriod));
}

// --- ADX.

TADXFuncEditor::TADXFuncEditor(TComponent* owner) : TBaseFunctionEditor(owner) {
    const TUpDownEdit period = MakeFunctionUpDown(this, 8, "&Period:", 2, 32767, 2);
    EPeriod = period.Edit;
    UDPeriod = period.UpDown;
    BUp = MakePenButton(this, 8, 40, "&Up...");
    BDown = MakePenButton(this, 110, 40, "&Down...");
}

void TADXFuncEditor::LoadFunction() {
    auto* f = dynamic_cast<TADXFunction*>(IFunction);
    if (!f) return;
    UDPeriod->SetPosition(RoundToInt(f->Period()));
    BUp->LinkPen(f->UpLinePen());
    BDown->LinkPen(f->DownLinePen());
}

void TADXFuncEditor::ApplyFunction() {
    if (auto* f = dynamic_cast<TADXFunction*>(IFunction)) f->SetPeriod(EditedPosition(*UDPeriod));
}

// --- Parabolic SAR.

TSARFuncEditor::TSARFuncEditor(TComponent* owner) : TBaseFunctionEditor(owner) {
    EAccel = MakeFunctionEdit(this, 8, "&Acceleration:", "");
    EMaxStep = MakeFunctionEdit(this, 38, "&Max. Step:", "");
}

void TSARFuncEditor::LoadFunction() {
    auto* f = dynamic_cast<TSARFunction*>(IFunction);
    if (!f) return;
    EAccel->SetText(FloatToStr(f->AccelerationFactor()));
    EMaxStep->SetText(FloatToStr(f->MaxStep()));
}

void TSARFuncEditor::ApplyFunction() {
    auto* f = dynamic_cast<TSARFunction*>(IFunction);
    if (!f) return;
    f->SetAccelerationFactor(EditedFloat(*EAccel, f->AccelerationFactor()));
    f->SetMaxStep(EditedFloat(*EMaxStep, f->MaxStep()));
}
