#pragma once
// The drag point tool's editor (TDragPointToolEdit), below the series chooser: which values a
// drag changes, and the cursor the chart shows over the tool's series (enabled only while the
// tool has a series). Tag holds the tool.
#include "chart/editors/SeriesToolEditor.h"

class TComboBox;
class TDragPointTool;
class TRadioGroup;

class TDragPointToolEdit : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TDragPointToolEdit, TSeriesToolEditor)
public:
    explicit TDragPointToolEdit(TComponent* owner);
    ~TDragPointToolEdit() override;

    TDragPointTool* DragPoint() const;

    TRadioGroup* RGStyle;
    TComboBox* CBCursor;

protected:
    void DoShow() override;

private:
    void LoadCursor();
};
