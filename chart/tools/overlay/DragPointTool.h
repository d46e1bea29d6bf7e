#pragma once
// Moves a point of its series with the mouse: the press picks the point under the mouse, each
// move rewrites its X and/or Y value to the axis values at the mouse, the release lets go.
#include <functional>
#include <string>

#include "chart/engine/ChartTools.h"
#include "platform/classes/PropInfo.h"

enum TDragPointStyle { dsX, dsY, dsBoth };
const TEnumInfo& DragPointStyleNames();

class TDragPointTool;
using TDragPointToolEvent = std::function<void(TDragPointTool* sender, int index)>;

class TDragPointTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TDragPointTool, TTeeCustomToolSeries)
public:
    explicit TDragPointTool(TComponent* owner);

    TDragPointStyle DragStyle() const { return FDragStyle; }
    void SetDragStyle(TDragPointStyle value) { FDragStyle = value; }
    // The point being dragged, -1 when none.
    int DragIndex() const { return FDragIndex; }

    TDragPointToolEvent OnDragPoint;

    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "Drag Point"; }
    static std::string KindDescription() {
        return "Moves a Series point when dragging it with mouse.";
    }
    static std::string EditorClassName() { return "TDragPointToolEdit"; }

    static void Publish(TPublisher<TDragPointTool>& p);

private:
    void MovePoint(int x, int y);

    TDragPointStyle FDragStyle = dsBoth;
    int FDragIndex = -1;
};
