#pragma once
// The drag marks tool's editor: the series ("(all)" for every series) and a button that puts
// the marks back where the series places them. The tool comes in Tag.
#include "chart/editors/SeriesToolEditor.h"

class TButton;
class TDragMarksTool;

class TDragMarksToolEditor : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TDragMarksToolEditor, TSeriesToolEditor)
public:
    explicit TDragMarksToolEditor(TComponent* owner);
    ~TDragMarksToolEditor() override;

    TButton* BReset;
    // Resets the mark positions of the tool's series, or of every series of its chart.
    void BResetClick();

protected:
    void DoShow() override;
};
