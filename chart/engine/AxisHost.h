#pragma once
// What an axis asks of the chart that holds it: its rectangle and depth, its loading state,
// repaints, the other axes, and the figures of the series shown on the axis. The axis panel
// implements it; tests implement it with fixed figures.
#include <functional>
#include <string>

#include "platform/graphics/Geometry.h"

class TChartAxis;
class TChartSeries;
class TTeeCanvas;

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

    // --- What the labels ask. The answers below fit a chart without series, events or surface.
    // The surface label texts are measured on, with the label font selected; none: size 0.
    virtual TTeeCanvas* AxisCanvas() { return nullptr; }
    // Every series of the chart (only the active ones with activeOnly), in the chart's order.
    // What the labels ask of one series (the axes it uses, its Z values, its points in view)
    // the series answers itself.
    virtual void ForEachSeries(bool activeOnly, const std::function<void(TChartSeries&)>& proc);
    // The widest mark text of the active series.
    virtual int MaxMarkWidthOfSeries() { return 0; }
    // The mark text of a point.
    virtual std::string SeriesMarkText(TChartSeries& series, int valueIndex);
    // The title of the active series drawn in depth row k, for the depth axis.
    virtual std::string SeriesLegendTitle(int depthRow);
    // The chart's OnGetAxisLabel: may change the text of a label (series none and index -1 for
    // value labels).
    virtual bool HasGetAxisLabel() { return false; }
    virtual void GetAxisLabel(TChartAxis& axis, TChartSeries* series, int valueIndex,
                              std::string& text);
    // The chart's OnGetNextAxisLabel: supplies the label values itself until it sets stop.
    virtual bool HasGetNextAxisLabel() { return false; }
    virtual void GetNextAxisLabel(TChartAxis& axis, int labelIndex, double& value, bool& stop);

    // --- What the drawing asks. The answers below fit a flat chart without walls or axis hooks.
    virtual bool AxisView3D() { return false; }
    // The axes are drawn behind the series (their grid at the back wall) in 3-D.
    virtual bool AxesBehind() { return true; }
    // The view faces the viewer (orthogonal, or turned a whole round): depth labels sit half a
    // line deeper.
    virtual bool AxisViewFacesFront() { return true; }
    // The thickness of the wall beside the axis in this pass.
    virtual int AxisWallSize(const TChartAxis&) { return 0; }
    // The chart shows the axis in this pass.
    virtual bool AxisIsShown(const TChartAxis& axis);
    // The room the axis' labels take beside the chart rectangle; the axis list's hook may change
    // it.
    virtual int AxisLabelsRoom(TChartAxis&, int size) { return size; }
};
