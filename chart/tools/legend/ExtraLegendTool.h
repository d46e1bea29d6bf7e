#pragma once
// A second legend on the chart listing the values of one series, at a place of its own.
#include <memory>
#include <string>

#include "chart/engine/ChartTools.h"

class TChartLegend;

class TExtraLegendTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TExtraLegendTool, TTeeCustomToolSeries)
public:
    explicit TExtraLegendTool(TComponent* owner);
    ~TExtraLegendTool() override;

    // Made on first use: custom-positioned, listing values.
    TChartLegend* Legend() const;
    void SetLegend(const TChartLegend* value);
    bool HasLegend() const { return FLegend != nullptr; }

    void SetParentChart(TCustomAxisPanel* value) override;
    void SetSeries(TChartSeries* value) override;
    void ChartDrawEvent(TChartToolEvent event) override;

    static std::string KindName() { return "Extra Legend"; }
    static std::string KindDescription() {
        return "Displays a custom legend at any location inside Chart.";
    }
    static std::string EditorClassName() { return "TExtraLegendEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TExtraLegendTool>& p);

private:
    // A legend of chart with the settings of from (the defaults without one).
    std::unique_ptr<TChartLegend> MakeLegend(const TChartLegend* from) const;

    mutable std::unique_ptr<TChartLegend> FLegend;
};
