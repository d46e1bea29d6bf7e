#pragma once
// The Smith series editor (its class keeps the shorter name the series gives).
// The Smith series' options: the reactance and resistance labels and grid pens (kept on the
// axes), the circle and line pens, a colour per point, the two label fonts and the imaginary
// symbol, with the circled-series page beside them. The series comes in Tag; each change is
// written at once.
#include "chart/editors/EditorForm.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TEdit;
class TSmithSeries;

class TSmithSeriesEdit : public TEditorForm {
    KV_DECLARE_CLASS(TSmithSeriesEdit, TEditorForm)
public:
    explicit TSmithSeriesEdit(TComponent* owner);
    ~TSmithSeriesEdit() override;

    TCheckBox* CBCLabels;
    TCheckBox* CBRLabels;
    TButtonPen* BCPen;
    TButtonPen* BRPen;
    TButtonPen* BCircle;
    TButtonPen* BBorder;
    TCheckBox* CBColorEach;
    TButton* BCFont;
    TButton* BRFont;
    TEdit* EImag;

protected:
    void DoShow() override;

private:
    TSmithSeries* FSeries = nullptr;
    bool FCircledEmbedded = false;
};
