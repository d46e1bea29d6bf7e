#include "chart/series/stats/RMSFuncEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/series/stats/StatisticFunctions.h"
#include "platform/ui/CheckBox.h"

TRMSFuncEditor::TRMSFuncEditor(TComponent* owner) : TTeeFunctionEditor(owner) {
    CBComplete = MakeCheckBox(this, 8, 100, 200, "C&omplete R.M.S.");
    CBComplete->OnClick = [this](TObject*) { EnableApply(); };
}

void TRMSFuncEditor::LoadFunction() {
    TTeeFunctionEditor::LoadFunction();
    if (auto* rms = dynamic_cast<TRMSFunction*>(IFunction))
        CBComplete->SetChecked(rms->Complete());
    else if (auto* deviation = dynamic_cast<TStdDeviationFunction*>(IFunction))
        CBComplete->SetChecked(deviation->Complete());
}

void TRMSFuncEditor::ApplyFunction() {
    TTeeFunctionEditor::ApplyFunction();
    if (auto* rms = dynamic_cast<TRMSFunction*>(IFunction))
        rms->SetComplete(CBComplete->Checked());
    else if (auto* deviation = dynamic_cast<TStdDeviationFunction*>(IFunction))
        deviation->SetComplete(CBComplete->Checked());
}
