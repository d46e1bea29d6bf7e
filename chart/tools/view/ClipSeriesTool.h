#pragma once
// Keeps one series' drawing inside the rectangle of its own axes: the canvas is clipped just
// before the series draws its values and the clip removed just after.
#include <string>

#include "chart/engine/ChartTools.h"

class TClipSeriesTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TClipSeriesTool, TTeeCustomToolSeries)
public:
    explicit TClipSeriesTool(TComponent* owner);

    void SeriesDrawEvent(TChartSeriesToolEvent event) override;

    static std::string KindName() { return "Clip Series"; }
    static std::string KindDescription() {
        return "Restricts Series painting outside Series associated axes boundaries.";
    }
    static std::string EditorClassName() { return "TSeriesToolEditor"; }
};
