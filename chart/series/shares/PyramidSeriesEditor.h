#pragma once
// The pyramid's options: the border pen, the base width in percent of the axis, a colour per
// slice or the series colour, and the fill pattern. The series comes in Tag; each change is
// written at once.
#include "chart/editors/EditorForm.h"

class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TEdit;
class TPyramidSeries;
class TUpDown;

class TPyramidSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TPyramidSeriesEditor, TEditorForm)
public:
    explicit TPyramidSeriesEditor(TComponent* owner);
    ~TPyramidSeriesEditor() override;

    TPyramidSeries* Series() const { return FSeries; }

    TButtonPen* BPen;
    TEdit* Edit1;
    TUpDown* UDSize;
    TCheckBox* CBColorEach;
    TButtonColor* BColor;
    TButton* Button1;

protected:
    void DoShow() override;

private:
    TPyramidSeries* FSeries = nullptr;
};
