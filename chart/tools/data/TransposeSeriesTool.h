#pragma once
// Rebuilds a chart's series so that each point index becomes a series and each series a point,
// on command; draws nothing.
#include <string>

#include "chart/engine/ChartTools.h"

class TTransposeSeriesTool : public TTeeCustomTool {
    KV_DECLARE_CLASS(TTransposeSeriesTool, TTeeCustomTool)
public:
    using TTeeCustomTool::TTeeCustomTool;

    // New series j of the first series' class holds at point k what series k held at point j
    // (a null point where series k is shorter); the former series are freed.
    void Transpose();

    static std::string KindName() { return "Transpose Series"; }
    static std::string KindDescription() { return "Swaps Series rows and columns."; }
    static std::string EditorClassName() { return "TTransposeSeriesToolEdit"; }
};
