#pragma once
// What an axis asks of the chart that holds it: its rectangle and depth, its loading state,
// repaints, the other axes, and the figures of the series shown on the axis. The axis panel
// implements it; tests implement it with fixed figures.
#include <functional>

#include "platform/graphics/Geometry.h"

class TChartAxis;

class TAxisHost {
public:
    virtual ~TAxisHost();
    // The chart is reading a stream: setters skip their checks and couplings.
    virtual bool AxisLoading() const = 0;
    // A published setting of the axis changed: repaint.
    virtual void AxisChanged(TChartAxis& axis) = 0;
    virtual TRect AxisChartRect() const = 0;
    // The chart's 3-D depth in pixels.
    virtual int AxisChartDepth() const = 0;
    // Pixels are mapped without clamping.
    virtual bool AxisFastPixelMode() const = 0;
    // Every axis of the chart, standard and custom, in creation order.
    virtual void ForEachAxis(const std::function<void(TChartAxis&)>& proc) = 0;
    // The smallest and largest value that the series shown on the axis hold.
    virtual void AxisSeriesRange(const TChartAxis& axis, double& minimum, double& maximum) = 0;
    // The first active series on the axis shows date-time values.
    virtual bool AxisShowsDateTime(const TChartAxis& axis) = 0;
    // The label increment the axis would use for its current range.
    virtual double AxisLabelIncrement(TChartAxis& axis) = 0;
    // The axis is being destroyed: series bound to it move to a standard axis and it leaves
    // the axis list. Called before anything of the axis is freed.
    virtual void AxisDestroying(TChartAxis& axis) = 0;
};
