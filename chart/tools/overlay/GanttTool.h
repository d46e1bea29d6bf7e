#pragma once
// Moves the bars of a Gantt series with the mouse: a press near either end of a bar changes that
// end (never past the other one), a press elsewhere on a bar moves the whole bar along the
// horizontal axis. Hovering shows which of the two a press would do. The tool reaches the Gantt
// series through the engine's point series and its "End" values, so it does nothing for a
// series of any other class.
#include <functional>
#include <string>

#include "chart/engine/ChartTools.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/PropInfo.h"

class TCustomSeries;

enum TGanttToolBarPart { pbStart, pbAll, pbEnd };

class TGanttTool;
using TGanttDragEvent = std::function<void(TGanttTool* sender, int ganttBar)>;
using TGanttResizeEvent =
    std::function<void(TGanttTool* sender, int ganttBar, TGanttToolBarPart barPart)>;

class TGanttTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TGanttTool, TTeeCustomToolSeries)
public:
    explicit TGanttTool(TComponent* owner);

    bool AllowDrag() const { return FAllowDrag; }
    void SetAllowDrag(bool value) { FAllowDrag = value; }
    bool AllowResize() const { return FAllowResize; }
    void SetAllowResize(bool value) { FAllowResize = value; }
    TCursor CursorDrag() const { return FCursorDrag; }
    void SetCursorDrag(TCursor value) { FCursorDrag = value; }
    TCursor CursorResize() const { return FCursorResize; }
    void SetCursorResize(TCursor value) { FCursorResize = value; }
    int MinPixels() const { return FMinPixels; }
    void SetMinPixels(int value) { FMinPixels = value; }

    // The bar being dragged, -1 when none, and what the drag changes.
    int BarIndex() const { return FBarIndex; }
    TGanttToolBarPart BarPart() const { return FBarPart; }

    // The tool's series when it is a Gantt series, else null.
    TCustomSeries* GanttSeries() const;

    TGanttDragEvent OnDragBar;
    TGanttResizeEvent OnResizeBar;

    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "Gantt Drag"; }
    static std::string KindDescription() { return "Allows dragging and resizing Gantt bars."; }
    static std::string EditorClassName() { return "TGanttToolEditor"; }

    static void Publish(TPublisher<TGanttTool>& p);
    void Assign(const TPersistent* source) override;

private:
    // The first bar with an end within MinPixels of (x, y): its index and which end, or -1.
    int BarEndAt(TCustomSeries& gantt, int x, int y, TGanttToolBarPart& part) const;
    void Press(TCustomSeries& gantt, int x, int y);
    void Hover(TCustomSeries& gantt, int x, int y);
    void DragTo(TCustomSeries& gantt, int x);

    bool FAllowDrag = true;
    bool FAllowResize = true;
    int FBarIndex = -1;
    TGanttToolBarPart FBarPart = pbAll;
    TCursor FCursorDrag = crHandPoint;
    TCursor FCursorResize = crSizeWE;
    int FMinPixels = 5;
    double FLastValue = 0;
};
