#pragma once
// The base of the price family's window functions: a window of round(Period) points slides
// over the source and each window's value is placed at its first, middle or last position.
// A period that rounds below one point gives no points at all (the engine's window pass would
// take one point instead), as a period typed as 0 or as text is meant as no window.
#include "chart/engine/TeeFunction.h"

class TPriceMovingFunction : public TTeeMovingFunction {
    KV_DECLARE_CLASS(TPriceMovingFunction, TTeeMovingFunction)
public:
    using TTeeMovingFunction::TTeeMovingFunction;
    void ComputeFromSeries(TChartSeries& source, TChartValueList& positions) override;

protected:
    // first -1 (the engine's whole-range call): every point of the source.
    static void ResolveWholeRange(const TChartSeries& source, int& first, int& last);
};
