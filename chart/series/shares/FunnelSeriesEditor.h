#pragma once
// The funnel's options: the lines and border pens, the fill pattern, the three colours and the
// difference limit (a whole number 1..50). The series comes in Tag; each change is written at
// once.
#include "chart/editors/EditorForm.h"

class TButton;
class TButtonColor;
class TButtonPen;
class TEdit;
class TFunnelSeries;
class TUpDown;

class TFunnelSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TFunnelSeriesEditor, TEditorForm)
public:
    explicit TFunnelSeriesEditor(TComponent* owner);
    ~TFunnelSeriesEditor() override;

    TFunnelSeries* Series() const { return FSeries; }

    TButtonPen* ButtonPen1;
    TButtonPen* ButtonPen2;
    TButton* Button1;
    TButtonColor* AboveColor;
    TButtonColor* WithinColor;
    TButtonColor* BelowColor;
    TEdit* Edit1;
    TUpDown* DifLimit;

protected:
    void DoShow() override;

private:
    TFunnelSeries* FSeries = nullptr;
};
