#pragma once
// The series of a legend palette tool's chart: one point a palette entry (its index along one
// axis, its value along the other, its colour), each drawn as a band from the previous entry's
// value to its own across the chart, flat or as a gradient from the previous entry's colour.
#include "chart/engine/ChartSeries.h"

class TLegendPaletteTool;

class TPaletteSeries : public TChartSeries {
    KV_DECLARE_CLASS(TPaletteSeries, TChartSeries)
public:
    explicit TPaletteSeries(TComponent* owner);

    TLegendPaletteTool* Tool() const { return FTool; }
    void SetTool(TLegendPaletteTool* tool) { FTool = tool; }

    // The band of point valueIndex in the chart's pixels.
    TRect BandRect(int valueIndex) const;
    void DrawValue(int valueIndex) override;

private:
    void DrawEdges(int valueIndex, const TRect& band);

    TLegendPaletteTool* FTool = nullptr;
};
