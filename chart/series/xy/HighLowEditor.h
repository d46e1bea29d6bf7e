#pragma once
// The high-low band's options: the vertical lines' pen, the high and low edges, the two fills,
// a colour per point, the series colour and the band's transparency. Tag holds the series.
#include "chart/editors/EditorForm.h"

class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TEdit;
class THighLowSeries;
class TUpDown;

class THighLowEditor : public TEditorForm {
    KV_DECLARE_CLASS(THighLowEditor, TEditorForm)
public:
    explicit THighLowEditor(TComponent* owner);
    ~THighLowEditor() override;

    THighLowSeries* Series() const { return FSeries; }

    TButtonPen* BPen;
    TButtonPen* BHighPen;
    TButtonPen* BLowPen;
    TButton* BBrush;
    TButton* BLowBrush;
    TCheckBox* CBColorEach;
    TButtonColor* BColor;
    TEdit* Edit1;
    TUpDown* UDTransp;

protected:
    void DoShow() override;

private:
    THighLowSeries* FSeries = nullptr;
};
