#pragma once
// A chart stand-in for axis tests: fixed rectangle, depth and series range, and a list of the
// axes it was given.
#include <algorithm>
#include <vector>

#include "chart/engine/ChartAxis.h"
#include "chart/foundation/LibraryTexts.h"

class TAxisHostStub : public TAxisHost {
public:
    TAxisHostStub() { LoadCoreTexts(); }
    bool AxisLoading() const override { return Loading; }
    void AxisChanged(TChartAxis&) override { ++Changes; }
    TRect AxisChartRect() const override { return ChartRect; }
    int AxisChartDepth() const override { return Depth; }
    bool AxisFastPixelMode() const override { return FastPixelMode; }
    void ForEachAxis(const std::function<void(TChartAxis&)>& proc) override {
        for (TChartAxis* axis : std::vector<TChartAxis*>(Axes)) proc(*axis);
    }
    void AxisSeriesRange(const TChartAxis&, double& minimum, double& maximum) override {
        minimum = SeriesMinimum;
        maximum = SeriesMaximum;
    }
    bool AxisShowsDateTime(const TChartAxis&) override { return DateTime; }
    double AxisLabelIncrement(TChartAxis&) override { return LabelIncrement; }
    void AxisDestroying(TChartAxis& axis) override {
        Axes.erase(std::remove(Axes.begin(), Axes.end(), &axis), Axes.end());
    }

    bool Loading = false;
    int Changes = 0;
    TRect ChartRect{100, 100, 500, 500};
    int Depth = 50;
    bool FastPixelMode = false;
    std::vector<TChartAxis*> Axes;
    double SeriesMinimum = 0;
    double SeriesMaximum = 100;
    bool DateTime = false;
    double LabelIncrement = 0;
};
