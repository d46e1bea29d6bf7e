#pragma once
// Lets the user drag an axis line: the axis range follows the mouse, and so do the other axes
// of the same orientation that a series uses together with the dragged one.
#include <string>

#include "chart/engine/ChartTools.h"

class TAxisScrollTool : public TTeeCustomToolAxis {
    KV_DECLARE_CLASS(TAxisScrollTool, TTeeCustomToolAxis)
public:
    explicit TAxisScrollTool(TComponent* owner);
    ~TAxisScrollTool() override;

    bool ScrollInverted() const { return FScrollInverted; }
    void SetScrollInverted(bool value) { FScrollInverted = value; }

    // The tool's axis when it is shown and holds the point; without an axis, the first shown
    // axis of the chart that holds it; else none.
    TChartAxis* AxisAtPoint(int x, int y) const;
    // Scrolls the axis range by the values of pixels pixels.
    static void ScrollByPixels(TChartAxis& axis, int pixels);
    // The axis being dragged, none between drags.
    TChartAxis* DraggedAxis() const { return FDragged; }

    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "Axis Scroll"; }
    static std::string KindDescription() {
        return "Allows the scrolling of Axes by mouse dragging";
    }
    static std::string EditorClassName() { return "TAxisScrollEditor"; }

    static void Publish(TPublisher<TAxisScrollTool>& p);

private:
    bool FScrollInverted = false;
    TChartAxis* FDragged = nullptr;
    TPoint FLast{0, 0};
};
