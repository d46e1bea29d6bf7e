#pragma once
// Two functions on the shape of series: the points where the polylines of two sources cross
// (TCrossPointsFunction, sources ordered by position), and the convex outline of one source's
// points as drawn on the screen, closed (TPerimeterFunction).
#include <string>

#include "chart/engine/TeeFunction.h"

class TCrossPointsFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TCrossPointsFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
    void ComputeFromSources(TChartSeries* source) override;
    std::string EditorClassName() const override { return {}; }
};

class TPerimeterFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TPerimeterFunction, TTeeFunction)
public:
    explicit TPerimeterFunction(TComponent* owner);
    void ComputeFromSources(TChartSeries* source) override;
};
