#include "chart/series/price/PriceMovingFunction.h"

#include <cmath>

#include "chart/engine/ChartSeries.h"

void TPriceMovingFunction::ComputeFromSeries(TChartSeries& source, TChartValueList& positions) {
    if (!(std::nearbyint(Period()) >= 1)) return;  // NaN included
    TTeeMovingFunction::ComputeFromSeries(source, positions);
}

void TPriceMovingFunction::ResolveWholeRange(const TChartSeries& source, int& first, int& last) {
    if (first != -1) return;
    first = 0;
    last = source.Count() - 1;
}
