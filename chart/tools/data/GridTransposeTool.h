#pragma once
// Swaps the X and Z coordinates of a 3-D grid series' cells, on command; draws nothing.
#include <string>

#include "chart/engine/ChartTools.h"

class TCustom3DGridSeries;

class TGridTransposeTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TGridTransposeTool, TTeeCustomToolSeries)
public:
    using TTeeCustomToolSeries::TTeeCustomToolSeries;

    TCustom3DGridSeries* GridSeries() const;
    // Only a 3-D grid series is taken; any other leaves the tool without one.
    void SetSeries(TChartSeries* value) override;
    // Every cell (x, y, z) becomes (z, y, x); the series' palette is kept. Nothing for an
    // inactive tool or one without a series.
    void Transpose();

    static std::string KindName() { return "3D Grid Transpose"; }
    static std::string KindDescription() { return "Swaps 3D Series XYZ cell data (X by Z)"; }
    static std::string EditorClassName() { return "TGridTransposeToolEdit"; }
};
