// Zooming to values or to the dragged rectangle, panning with the scroll button, scrolling with
// the wheel, and the undo that gives back the scales before the first zoom or pan.
//
// The scales are kept by axis, not by place in the axis list: custom axes added or removed
// between a zoom and its undo do not receive another axis' scales. They are restored as a pair
// of limits with SetLimits, which checks neither against the other's current value: after a pan
// far beyond the kept range, the kept minimum may lie above the current maximum.
#include <algorithm>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/TeeZoom.h"

namespace {

// An animated zoom moves the axes this part of the way (1 / 3) at each step.
constexpr double AnimatedZoomFactor = 3.0;
// The wheel scrolls the vertical axes by this percentage of their range.
constexpr double WheelScrollPercent = 3;
// Wheel scrolling is on; nothing in the program turns it off.
constexpr bool WheelScrolls = true;

}  // namespace

void TCustomChart::SaveAxisScales() {
    FSavedScales.clear();
    for (TChartAxis* axis : Axes().List()) {
        if (axis->IsDepthAxis) continue;
        FSavedScales.push_back({axis, axis->Automatic(), axis->AutomaticMinimum(),
                                axis->AutomaticMaximum(), axis->Minimum(), axis->Maximum()});
    }
    FScalesNotSaved = false;
}

void TCustomChart::RestoreAxisScales() {
    for (const TAxisSavedScales& saved : FSavedScales) {
        TChartAxis& axis = *saved.Axis;
        axis.SetLimits(saved.Minimum, saved.Maximum);
        axis.SetAutomatic(saved.Automatic);
        axis.SetAutomaticMinimum(saved.AutomaticMinimum);
        axis.SetAutomaticMaximum(saved.AutomaticMaximum);
    }
}

void TCustomChart::AxisDestroying(TChartAxis& axis) {
    std::erase_if(FSavedScales, [&](const TAxisSavedScales& s) { return s.Axis == &axis; });
    TCustomAxisPanel::AxisDestroying(axis);
}

void TCustomChart::StepAxisTowards(TChartAxis& axis, double targetMin, double targetMax) {
    const double minimum = axis.Minimum();
    const double maximum = axis.Maximum();
    axis.SetLimits(minimum + (targetMin - minimum) / AnimatedZoomFactor,
                   maximum - (maximum - targetMax) / AnimatedZoomFactor);
}

void TCustomChart::ZoomValues(double topMin, double topMax, double bottomMin, double bottomMax,
                              double leftMin, double leftMax, double rightMin, double rightMax) {
    if (FScalesNotSaved) SaveAxisScales();
    const TTeeZoom& zoom = *Zoom();
    const bool vertical = zoom.Direction() != tzdHorizontal;
    const bool horizontal = zoom.Direction() != tzdVertical;
    if (zoom.Animated())
        for (int step = 1; step < zoom.AnimatedSteps(); ++step) {
            if (vertical) {
                StepAxisTowards(*LeftAxis(), leftMin, leftMax);
                StepAxisTowards(*RightAxis(), rightMin, rightMax);
            }
            if (horizontal) {
                StepAxisTowards(*TopAxis(), topMin, topMax);
                StepAxisTowards(*BottomAxis(), bottomMin, bottomMax);
            }
            Repaint();
        }
    if (vertical) {
        LeftAxis()->SetLimits(leftMin, leftMax);
        RightAxis()->SetLimits(rightMin, rightMax);
    }
    if (horizontal) {
        TopAxis()->SetLimits(topMin, topMax);
        BottomAxis()->SetLimits(bottomMin, bottomMax);
    }
    SetZoomed(true);
    if (OnZoom) OnZoom(this);
}

void TCustomChart::ZoomToMouseRect() {
    TTeeZoom& zoom = *Zoom();
    zoom.OrderCorners();
    // Pixels grow downwards: the rectangle's bottom is the vertical axes' minimum.
    ZoomValues(TopAxis()->ValueAtPixel(zoom.X0), TopAxis()->ValueAtPixel(zoom.X1),
               BottomAxis()->ValueAtPixel(zoom.X0), BottomAxis()->ValueAtPixel(zoom.X1),
               LeftAxis()->ValueAtPixel(zoom.Y1), LeftAxis()->ValueAtPixel(zoom.Y0),
               RightAxis()->ValueAtPixel(zoom.Y1), RightAxis()->ValueAtPixel(zoom.Y0));
}

void TCustomChart::UndoZoom() {
    if (!FScalesNotSaved) {
        RestoreAxisScales();
        FSavedScales.clear();
        FScalesNotSaved = true;
    }
    TCustomAxisPanel::UndoZoom();
}

bool TCustomChart::PanAxes(bool horizontal, int from, int to) {
    if (from == to) return false;
    const TPanningMode mode = AllowPanning();
    if (mode != pmBoth && mode != (horizontal ? pmHorizontal : pmVertical)) return false;
    for (TChartAxis* axis : Axes().List()) {
        if (axis->IsDepthAxis || axis->Horizontal() != horizontal) continue;
        const double delta = axis->ValueAtPixel(from) - axis->ValueAtPixel(to);
        double aMin = axis->Minimum() + delta;
        double aMax = axis->Maximum() + delta;
        bool allow = true;
        if (OnAllowScroll) OnAllowScroll(*axis, aMin, aMax, allow);
        if (allow) axis->SetLimits(aMin, aMax);
    }
    // Permitted counts as scrolled, even when every axis refused.
    return true;
}

void TCustomChart::DragPan(int x, int y) {
    TZoomPanning& pan = *Panning();
    const TRect& r = ChartRect();
    if (x < r.Left || x > r.Right || y < r.Top || y > r.Bottom) {
        pan.Active = false;
        return;
    }
    if (x == pan.X1 && y == pan.Y1) return;
    if (FScalesNotSaved) SaveAxisScales();
    const bool acrossX = PanAxes(true, pan.X1, x);
    const bool acrossY = PanAxes(false, pan.Y1, y);
    pan.X1 = x;
    pan.Y1 = y;
    if (!acrossX && !acrossY) return;
    if (OnScroll) OnScroll(this);
    Invalidate();
}

void TCustomChart::WheelScroll(bool down) {
    const TPanningMode mode = AllowPanning();
    if (!WheelScrolls || (mode != pmVertical && mode != pmBoth)) return;
    for (TChartAxis* axis : Axes().List()) {
        if (axis->Horizontal()) continue;
        double offset = (axis->Maximum() - axis->Minimum()) * WheelScrollPercent * 0.01;
        if (!down) offset = -offset;
        double aMin = axis->Minimum() + offset;
        double aMax = axis->Maximum() + offset;
        bool allow = true;
        if (OnAllowScroll) OnAllowScroll(*axis, aMin, aMax, allow);
        // The handler may refuse, but not move the axis elsewhere.
        if (allow) axis->ScrollRange(offset, false);
    }
}
