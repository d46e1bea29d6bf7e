#include "chart/series/stats/CurveFittingEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/SeriesEditorControls.h"
#include "chart/series/stats/CurveFittingFunction.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/UpDown.h"

TCurveFittingEditor::TCurveFittingEditor(TComponent* owner) : TBaseFunctionEditor(owner) {
    auto group = [this](int left, const char* caption) {
        TGroupBox* box = MakeControl<TGroupBox>(this, left, 4, 130, 110);
        box->SetCaption(caption);
        return box;
    };
    GBPolynomy = group(4, "&Polynomy:");
    Edit1 = RangeEdit(GBPolynomy, 20, "&Degree:", 1, MaxPolyTerms, UDDegree);
    Edit2 = RangeEdit(GBPolynomy, 50, "&Factor:", 1, 32767, UDFactor);
    UDDegree->SetPosition(5);
    UDFactor->SetPosition(1);

    GBCalculate = group(140, "&Calculate:");
    Edit3 = RangeEdit(GBCalculate, 20, "F&irst:", -1, 32767, UDFirstCalc);
    Edit4 = RangeEdit(GBCalculate, 50, "&Last:", -1, 32767, UDLastCalc);
    CBAllCalc = MakeCheckBox(GBCalculate, 8, 82, 100, "&All");

    GBDisplay = group(276, "&Display:");
    Edit5 = RangeEdit(GBDisplay, 20, "Fi&rst:", -1, 32767, UDFirst);
    Edit6 = RangeEdit(GBDisplay, 50, "La&st:", -1, 32767, UDLast);
    CBAllDisp = MakeCheckBox(GBDisplay, 8, 82, 100, "All");

    for (TUpDown* u : {UDFirstCalc, UDLastCalc, UDFirst, UDLast}) u->SetPosition(-1);
    CBAllCalc->OnClick = [this](TObject*) { AllClicked(CBAllCalc, UDFirstCalc, UDLastCalc); };
    CBAllDisp->OnClick = [this](TObject*) { AllClicked(CBAllDisp, UDFirst, UDLast); };
    // A range typed in shows whether it still means all points.
    for (TEdit* e : {Edit3, Edit4})
        e->OnChange = [this](TObject*) { RangeTyped(CBAllCalc, UDFirstCalc, UDLastCalc); };
    for (TEdit* e : {Edit5, Edit6})
        e->OnChange = [this](TObject*) { RangeTyped(CBAllDisp, UDFirst, UDLast); };
}

TEdit* TCurveFittingEditor::RangeEdit(TGroupBox* group, int top, const char* caption, int min,
                                      int max, TUpDown*& upDown) {
    TLabel* label = MakeLabel(group, 8, top + 4, caption);
    const TUpDownEdit pair = MakeUpDownEdit(group, 64, top, 50, min, max);
    label->SetFocusControl(pair.Edit);
    pair.Edit->OnChange = [this](TObject*) {
        if (!Loading()) EnableApply();
    };
    upDown = pair.UpDown;
    return pair.Edit;
}

void TCurveFittingEditor::AllClicked(TCheckBox* box, TUpDown* first, TUpDown* last) {
    if (Loading()) return;
    if (box->Checked()) {
        first->SetPosition(-1);
        last->SetPosition(-1);
    }
    EnableApply();
}

void TCurveFittingEditor::ShowAll(TCheckBox* box, TUpDown* first, TUpDown* last) {
    box->SetChecked(UpDownPosition(*first) == -1 && UpDownPosition(*last) == -1);
}

void TCurveFittingEditor::RangeTyped(TCheckBox* box, TUpDown* first, TUpDown* last) {
    if (Loading()) return;
    auto quiet = LoadGuard();
    ShowAll(box, first, last);
    EnableApply();
}

void TCurveFittingEditor::LoadFunction() {
    auto* f = dynamic_cast<TCustomFittingFunction*>(IFunction);
    if (!f) return;
    auto loading = LoadGuard();
    UDDegree->SetPosition(f->PolyDegree());
    UDFactor->SetPosition(f->Factor());
    UDFirstCalc->SetPosition(f->FirstCalcPoint());
    UDLastCalc->SetPosition(f->LastCalcPoint());
    UDFirst->SetPosition(f->FirstPoint());
    UDLast->SetPosition(f->LastPoint());
    ShowAll(CBAllCalc, UDFirstCalc, UDLastCalc);
    ShowAll(CBAllDisp, UDFirst, UDLast);
}

void TCurveFittingEditor::ApplyFunction() {
    auto* f = dynamic_cast<TCustomFittingFunction*>(IFunction);
    if (!f) return;
    f->SetPolyDegree(UpDownPosition(*UDDegree));
    f->SetFactor(UpDownPosition(*UDFactor));
    f->SetFirstCalcPoint(UpDownPosition(*UDFirstCalc));
    f->SetLastCalcPoint(UpDownPosition(*UDLastCalc));
    f->SetFirstPoint(UpDownPosition(*UDFirst));
    f->SetLastPoint(UpDownPosition(*UDLast));
}
