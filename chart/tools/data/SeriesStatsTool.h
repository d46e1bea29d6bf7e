#pragma once
// Reports descriptive statistics of its series as lines of text. The statistic functions are
// found by class name in the class registry and asked through the engine's function base, so
// the tools need not know the series library that brings them; a function not registered
// leaves its line without a value.
#include <string>

#include "chart/engine/ChartTools.h"

class TStrings;

class TSeriesStatsTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TSeriesStatsTool, TTeeCustomToolSeries)
public:
    using TTeeCustomToolSeries::TTeeCustomToolSeries;

    // Appends the statistics of the series (nothing without one).
    void Statistics(TStrings& lines);

    static std::string KindName() { return "Statistics"; }
    static std::string KindDescription() {
        return "Reports statistical information about Series data.";
    }
    static std::string EditorClassName() { return "TSeriesStatsEditor"; }
};
