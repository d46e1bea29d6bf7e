#pragma once
// The Gantt drag tool's editor, below a series chooser that lists only the chart's Gantt series:
// the pixel tolerance that catches a bar end, whether bars may be moved and resized, and the
// cursor shown for each. Tag holds the tool.
#include "chart/editors/EditorControls.h"
#include "chart/editors/SeriesToolEditor.h"

class TCheckBox;
class TComboBox;
class TGanttTool;

class TGanttToolEditor : public TSeriesToolEditor {
    KV_DECLARE_CLASS(TGanttToolEditor, TSeriesToolEditor)
public:
    explicit TGanttToolEditor(TComponent* owner);
    ~TGanttToolEditor() override;

    TGanttTool* Gantt() const;

    TEdit* Edit1;
    TUpDown* UpDown1;
    TCheckBox* CBAllowDrag;
    TCheckBox* CBAllowResize;
    TComboBox* CBCursorDrag;
    TComboBox* CBCursorResize;

protected:
    void DoShow() override;
};
