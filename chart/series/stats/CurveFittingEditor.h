#pragma once
// The options of the curve fitting: the polynomial's number of coefficients and the drawn
// points per interval, the fitted range and the drawn range (-1: from the first, or to the
// last point; "All" sets both ends to -1). Applying writes PolyDegree, Factor, FirstCalcPoint,
// LastCalcPoint, FirstPoint and LastPoint, in that order.
#include "chart/editors/SourceEditorBase.h"

class TCheckBox;
class TEdit;
class TGroupBox;
class TUpDown;

class TCurveFittingEditor : public TBaseFunctionEditor {
    KV_DECLARE_CLASS(TCurveFittingEditor, TBaseFunctionEditor)
public:
    explicit TCurveFittingEditor(TComponent* owner);

    TGroupBox* GBPolynomy;
    TEdit* Edit1;
    TUpDown* UDDegree;
    TEdit* Edit2;
    TUpDown* UDFactor;
    TGroupBox* GBCalculate;
    TEdit* Edit3;
    TUpDown* UDFirstCalc;
    TEdit* Edit4;
    TUpDown* UDLastCalc;
    TCheckBox* CBAllCalc;
    TGroupBox* GBDisplay;
    TEdit* Edit5;
    TUpDown* UDFirst;
    TEdit* Edit6;
    TUpDown* UDLast;
    TCheckBox* CBAllDisp;

    void LoadFunction() override;
    void ApplyFunction() override;

private:
    // An up-down edit with its caption in group; a change enables Apply.
    TEdit* RangeEdit(TGroupBox* group, int top, const char* caption, int min, int max,
                     TUpDown*& upDown);
    // The check box of a range: checked sets both ends to -1.
    void AllClicked(TCheckBox* box, TUpDown* first, TUpDown* last);
    void ShowAll(TCheckBox* box, TUpDown* first, TUpDown* last);
    void RangeTyped(TCheckBox* box, TUpDown* first, TUpDown* last);
};
