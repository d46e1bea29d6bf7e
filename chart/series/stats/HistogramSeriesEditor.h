#pragma once
// The histogram's options: a colour per point or the series colour, the lines and border pens,
// the fill pattern and the transparency. The series comes in Tag; each change is written at
// once, the transparency only after the first show has loaded it.
#include "chart/editors/EditorForm.h"

class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TEdit;
class THistogramSeries;
class TUpDown;

class THistogramSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(THistogramSeriesEditor, TEditorForm)
public:
    explicit THistogramSeriesEditor(TComponent* owner);
    ~THistogramSeriesEditor() override;

    THistogramSeries* Series() const { return FSeries; }

    TCheckBox* CBColorEach;
    TButtonColor* BAreaColor;
    TButtonPen* BAreaLinesPen;
    TButtonPen* BAreaLinePen;
    TButton* Button1;
    TEdit* Edit1;
    TUpDown* UDTransp;

protected:
    void DoShow() override;

private:
    THistogramSeries* FSeries = nullptr;
};
