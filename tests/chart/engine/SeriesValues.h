#pragma once
// The values of a series, in point order.
#include <vector>

#include "chart/engine/ChartSeries.h"

inline std::vector<double> Xs(const TChartSeries& s) {
    std::vector<double> v;
    for (int i = 0; i < s.Count(); ++i) v.push_back(s.XValues()[i]);
    return v;
}

inline std::vector<double> Ys(const TChartSeries& s) {
    std::vector<double> v;
    for (int i = 0; i < s.Count(); ++i) v.push_back(s.YValues()[i]);
    return v;
}
