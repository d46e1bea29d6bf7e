#pragma once
// Lets the user drag the marks of a series (or of every series) to new places with the mouse.
// A dragged mark keeps its new place as a custom position of its series' marks.
#include <functional>

#include "chart/engine/ChartTools.h"

class TDragMarksTool;

using TDragMarkEvent = std::function<void(TDragMarksTool* sender, int index, TMouseButton button,
                                          TShiftState shift, int x, int y)>;

class TDragMarksTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TDragMarksTool, TTeeCustomToolSeries)
public:
    explicit TDragMarksTool(TComponent* owner);

    // The mark being dragged: its series and point, -1 when none.
    TChartSeries* DraggedSeries() const { return FDragSeries; }
    int DraggedIndex() const { return FDragIndex; }

    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "Drag Marks"; }
    static std::string KindDescription() {
        return "Moves Series marks when dragging them with mouse.";
    }
    static std::string EditorClassName() { return "TDragMarksToolEditor"; }

    TDragMarkEvent OnDraggedMark;
    TDragMarkEvent OnDraggingMark;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The mark under the point: of the tool's series when active, else of the chart's series
    // from the last to the first; the series is none when no mark is there.
    int MarkUnder(int x, int y, TChartSeries*& series) const;

    TChartSeries* FDragSeries = nullptr;
    int FDragIndex = -1;
    bool FDragged = false;
    TPoint FMouse;
};
