#include "chart/series/price/IndicatorFunctionEditors.h"

#include "chart/editors/PenDialog.h"
#include "chart/foundation/ChartPen.h"
#include "chart/series/price/BollingerFunction.h"
#include "chart/series/price/FunctionEditorControls.h"
#include "chart/series/price/MACDFunction.h"
#include "chart/series/price/PVOFunction.h"
#include "chart/series/price/VolumeIndicatorFunctions.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/UpDown.h"

namespace {

TButtonPen* MakeIndicatorPenButton(TBaseFunctionEditor* form, int left, int top,
                                   const char* caption) {
    auto* button = MakeControl<TButtonPen>(form, left, top, 95, 25);
    button->SetCaption(caption);
    return button;
}

TCheckBox* MakeFunctionCheckBox(TBaseFunctionEditor* form, int top, const char* caption) {
    TCheckBox* box = MakeCheckBox(form, 8, top, 160, caption);
    box->OnClick = [form](TObject*) { form->EnableApply(); };
    return box;
}

}  // namespace

// --- MACD.

TMACDFuncEditor::TMACDFuncEditor(TComponent* owner) : TBaseFunctionEditor(owner) {
    const TUpDownEdit slow = MakeFunctionUpDown(this, 8, "Period &1:", 0, 30000, 26);
    ENum = slow.Edit;
    UpDown1 = slow.UpDown;
    // The other two up-downs keep the range of an up-down without limits of its own.
    const TUpDownEdit fast = MakeFunctionUpDown(this, 38, "Period &2:", 0, 100, 12);
    Edit1 = fast.Edit;
    UpDown2 = fast.UpDown;
    const TUpDownEdit signal = MakeFunctionUpDown(this, 68, "Period &3:", 0, 100, 9);
    Edit2 = signal.Edit;
    UpDown3 = signal.UpDown;
    BHistogram = MakeIndicatorPenButton(this, 200, 8, "&Histogram...");
    BMACDExp = MakeIndicatorPenButton(this, 200, 38, "&Exp. Line...");
    BMACD = MakeIndicatorPenButton(this, 200, 68, "&MACD...");
}

void TMACDFuncEditor::LoadFunction() {
    auto* f = dynamic_cast<TMACDFunction*>(IFunction);
    if (!f) return;
    UpDown1->SetPosition(RoundToInt(f->Period()));
    UpDown2->SetPosition(RoundToInt(f->Period2()));
    UpDown3->SetPosition(f->Period3());
    BHistogram->LinkPen(f->HistogramPen());
    BMACDExp->LinkPen(f->MACDExpPen());
    BMACD->LinkPen(f->MACDPen());
}

void TMACDFuncEditor::ApplyFunction() {
    auto* f = dynamic_cast<TMACDFunction*>(IFunction);
    if (!f) return;
    f->SetPeriod(EditedPosition(*UpDown1));
    f->SetPeriod2(EditedPosition(*UpDown2));
    f->SetPeriod3(EditedPosition(*UpDown3));
}

// --- Bollinger bands.

TBollingerFuncEditor::TBollingerFuncEditor(TComponent* owner) : TBaseFunctionEditor(owner) {
    const TUpDownEdit period = MakeFunctionUpDown(this, 8, "&Period:", 0, 30000, 10);
    ENum = period.Edit;
    UpDown1 = period.UpDown;
    CheckBox1 = MakeFunctionCheckBox(this, 40, "&Exponential");
    Edit1 = MakeFunctionEdit(this, 68, "&Deviation:", "");
    ButtonPen1 = MakeIndicatorPenButton(this, 200, 8, "&Upper...");
    ButtonPen2 = MakeIndicatorPenButton(this, 200, 38, "&Lower...");
}

void TBollingerFuncEditor::LoadFunction() {
    auto* f = dynamic_cast<TBollingerFunction*>(IFunction);
    if (!f) return;
    UpDown1->SetPosition(RoundToInt(f->Period()));
    CheckBox1->SetChecked(f->Exponential());
    Edit1->SetText(FloatToStr(f->Deviation()));
    ButtonPen1->LinkPen(f->UpperBandPen());
    ButtonPen2->LinkPen(f->LowBandPen());
}

void TBollingerFuncEditor::ApplyFunction() {
    auto* f = dynamic_cast<TBollingerFunction*>(IFunction);
    if (!f) return;
    const double deviation = double(StrToFloat(Edit1->Text()));
    f->SetPeriod(EditedPosition(*UpDown1));
    f->SetExponential(CheckBox1->Checked());
    f->SetDeviation(deviation);
}

// --- Volume series.

TOBVFuncEditor::TOBVFuncEditor(TComponent* owner) : TBaseFunctionEditor(owner) {
    TLabel* label = MakeLabel(this, 8, 12, "&Volume series:");
    CBVolume = MakeComboBox(this, 110, 8, 160, {});
    label->SetFocusControl(CBVolume);
    CBVolume->OnChange = [this](TObject*) { EnableApply(); };
}

void TOBVFuncEditor::LoadFunction() {
    if (auto* f = dynamic_cast<TVolumeIndicatorFunction*>(IFunction))
        FillVolumeCombo(*CBVolume, *this, f->Volume());
}

void TOBVFuncEditor::ApplyFunction() {
    if (auto* f = dynamic_cast<TVolumeIndicatorFunction*>(IFunction))
        f->SetVolume(SelectedVolume(*CBVolume));
}

TCLVFuncEditor::TCLVFuncEditor(TComponent* owner) : TOBVFuncEditor(owner) {
    CBAccumulate = MakeFunctionCheckBox(this, 40, "&Accumulate");
}

void TCLVFuncEditor::LoadFunction() {
    TOBVFuncEditor::LoadFunction();
    if (auto* f = dynamic_cast<TCLVFunction*>(IFunction)) CBAccumulate->SetChecked(f->Accumulate());
}

void TCLVFuncEditor::ApplyFunction() {
    TOBVFuncEditor::ApplyFunction();
    if (auto* f = dynamic_cast<TCLVFunction*>(IFunction)) f->SetAccumulate(CBAccumulate->Checked());
}

// --- Volume oscillator.

TPVOFuncEditor::TPVOFuncEditor(TComponent* owner) : TBaseFunctionEditor(owner) {
    const TUpDownEdit fast = MakeFunctionUpDown(this, 8, "&Period 1:", 1, 10000, 12);
    EPeriod = fast.Edit;
    UDPeriod = fast.UpDown;
    const TUpDownEdit slow = MakeFunctionUpDown(this, 38, "P&eriod 2:", 1, 10000, 26);
    Edit1 = slow.Edit;
    UDPeriod2 = slow.UpDown;
    CBPercent = MakeFunctionCheckBox(this, 70, "Pe&rcentage");
    CBPercent->SetChecked(true);
}

void TPVOFuncEditor::LoadFunction() {
    auto* f = dynamic_cast<TPVOFunction*>(IFunction);
    if (!f) return;
    UDPeriod->SetPosition(RoundToInt(f->Period()));
    UDPeriod2->SetPosition(f->Period2());
    CBPercent->SetChecked(f->Percentage());
}

void TPVOFuncEditor::ApplyFunction() {
    auto* f = dynamic_cast<TPVOFunction*>(IFunction);
    if (!f) return;
    f->SetPeriod(EditedPosition(*UDPeriod));
    f->SetPeriod2(EditedPosition(*UDPeriod2));
    f->SetPercentage(CBPercent->Checked());
}
