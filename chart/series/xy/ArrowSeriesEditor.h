#pragma once
// The arrows' options: the pointer's border and pattern, the head's width and length, the
// shaft's size in percent of the head, a colour per point and the series colour. Tag holds the
// series.
#include "chart/editors/EditorForm.h"

class TArrowSeries;
class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TEdit;
class TLabel;
class TScrollBar;
class TUpDown;

class TArrowSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TArrowSeriesEditor, TEditorForm)
public:
    explicit TArrowSeriesEditor(TComponent* owner);
    ~TArrowSeriesEditor() override;

    TArrowSeries* Series() const { return FSeries; }

    TButtonPen* BPen;
    TButton* BBrush;
    TEdit* SEArrowWidth;
    TUpDown* UDArrowWidth;
    TEdit* SEArrowHeight;
    TUpDown* UDArrowHeight;
    TScrollBar* SBPercent;
    TLabel* LPercent;
    TCheckBox* CBColorEach;
    TButtonColor* BArrowColor;

protected:
    void DoShow() override;

private:
    void ColorEachClicked();

    TArrowSeries* FSeries = nullptr;
};
