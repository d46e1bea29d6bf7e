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
    struct TSeriesEntry;
    // A series without a chart that answers the axis from its entry's facts.
    class TStubSeries : public TChartSeries {
    public:
        explicit TStubSeries(const TSeriesEntry& entry) : TChartSeries(nullptr), FEntry(entry) {}
        bool UsesAxis(const TChartAxis*) const override { return FEntry.UsesAxis; }
        double GetMinZValue() override { return FEntry.MinZ; }
        double GetMaxZValue() override { return FEntry.MaxZ; }
        void ComputeVisibleRange() override {
            TChartSeries::ComputeVisibleRange();
            if (FEntry.First != -2) FirstInView = FEntry.First;
            if (FEntry.Last != -2) LastInView = FEntry.Last;
        }

    private:
        const TSeriesEntry& FEntry;
    };
    // A series the stub reports, with the facts the axis asks about it (a series with Z values
    // of its own sets its HasOwnDepth).
    struct TSeriesEntry {
        std::unique_ptr<TChartSeries> Series;
        bool UsesAxis = true;
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
        TSeriesEntry& entry = Series.emplace_back();
        entry.Series = std::make_unique<TStubSeries>(entry);
        return entry;
    }

    TTeeCanvas* AxisCanvas() override { return &Surface.Surface; }
    void ForEachSeries(bool activeOnly, const std::function<void(TChartSeries&)>& proc) override {
        for (TSeriesEntry& e : Series)
            if (!activeOnly || e.Series->Active()) proc(*e.Series);
    }
    int MaxMarkWidthOfSeries() override { return MarkWidth; }
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
};
