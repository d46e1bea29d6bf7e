#pragma once
// The high-low lines' options: the lines' pen, the series colour, a colour per point, and on a
// series page the two markers' pages, "High" and "Low". Tag holds the series.
#include "chart/editors/EditorForm.h"
#include "chart/series/xy/EditorSubPages.h"

class TButtonColor;
class TButtonPen;
class TCheckBox;
class THighLowLineSeries;

class THighLowLineEditor : public TEditorForm {
    KV_DECLARE_CLASS(THighLowLineEditor, TEditorForm)
public:
    explicit THighLowLineEditor(TComponent* owner);
    ~THighLowLineEditor() override;

    THighLowLineSeries* Series() const { return FSeries; }

    TButtonPen* BPen;
    TButtonColor* BColor;
    TCheckBox* CBColorEach;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    THighLowLineSeries* FSeries = nullptr;
    TEditorSubPages FPages{this};
};
