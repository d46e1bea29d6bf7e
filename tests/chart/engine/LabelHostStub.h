#pragma once
// A chart stand-in for the label routines: the axis host stub plus series, the chart's label
// events and a surface with fixed text metrics (7 pixels a byte, lines 13 pixels high).
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/ChartSeries.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/chart/engine/AxisHostStub.h"
#include "tests/chart/foundation/SurfaceFixture.h"

class TFixedMetricsCanvas : public TTeeCanvas3D {
public:
    static constexpr int CharWidth = 7;
    static constexpr int LineHeight = 13;
    int MeasureTextWidth(std::string_view text) override { return CharWidth * int(text.size()); }
    int MeasureTextHeight(std::string_view) override { return LineHeight; }
};

class TLabelHostStub : public TAxisHostStub {
public:
    // A series the stub reports, with the facts the axis asks about it.
    struct TSeriesEntry {
        std::unique_ptr<TChartSeries> Series;
        bool UsesAxis = true;
        bool HasZValues = false;
        double MinZ = 0, MaxZ = 0;
        // The points shown in this pass; -2 for all of them.
        int First = -2, Last = -2;
    };
    // A label event's call: the series, the index and the text it was given.
    struct TLabelCall {
        TChartSeries* Series;
        int ValueIndex;
        std::string Text;
    };

    TLabelHostStub() : Surface(20, 20) {}

    TSeriesEntry& AddSeries() {
        Series.push_back({std::make_unique<TChartSeries>(nullptr)});
        return Series.back();
    }

    TTeeCanvas* AxisCanvas() override { return &Surface.Surface; }
    void ForEachSeries(bool activeOnly, const std::function<void(TChartSeries&)>& proc) override {
        for (TSeriesEntry& e : Series)
            if (!activeOnly || e.Series->Active()) proc(*e.Series);
    }
    bool SeriesUsesAxis(TChartSeries& series, const TChartAxis&) override {
        return Entry(series).UsesAxis;
    }
    bool SeriesHasZValues(TChartSeries& series) override { return Entry(series).HasZValues; }
    void SeriesZRange(TChartSeries& series, double& minimum, double& maximum) override {
        minimum = Entry(series).MinZ;
        maximum = Entry(series).MaxZ;
    }
    int MaxMarkWidthOfSeries() override { return MarkWidth; }
    void SeriesVisiblePoints(TChartSeries& series, int& first, int& last) override {
        TAxisHost::SeriesVisiblePoints(series, first, last);
        if (Entry(series).First != -2) first = Entry(series).First;
        if (Entry(series).Last != -2) last = Entry(series).Last;
    }
    std::string SeriesMarkText(TChartSeries& series, int valueIndex) override {
        return "m" + std::to_string(valueIndex) +
               (&series == Series.front().Series.get() ? "a" : "b");
    }
    std::string SeriesLegendTitle(int depthRow) override {
        return "row " + std::to_string(depthRow);
    }
    bool HasGetAxisLabel() override { return bool(OnGetAxisLabel); }
    void GetAxisLabel(TChartAxis&, TChartSeries* series, int valueIndex,
                      std::string& text) override {
        LabelCalls.push_back({series, valueIndex, text});
        OnGetAxisLabel(text);
    }

    bool HasGetNextAxisLabel() override { return bool(OnGetNextAxisLabel); }
    void GetNextAxisLabel(TChartAxis&, int labelIndex, double& value, bool& stop) override {
        OnGetNextAxisLabel(labelIndex, value, stop);
    }

    TSurfaceOnBitmap<TFixedMetricsCanvas> Surface;
    std::deque<TSeriesEntry> Series;  // entries stay where they are as series are added
    int MarkWidth = 0;
    std::function<void(std::string& text)> OnGetAxisLabel;
    std::vector<TLabelCall> LabelCalls;
    std::function<void(int labelIndex, double& value, bool& stop)> OnGetNextAxisLabel;
    // Separators and formats of the default settings, whatever the machine's locale.
    TFormatSettingsGuard PinnedFormats{TFormatSettings{}};

private:
    TSeriesEntry& Entry(TChartSeries& series) {
        for (TSeriesEntry& e : Series)
            if (e.Series.get() == &series) return e;
        throw std::logic_error("series unknown to the stub");
    }
};
