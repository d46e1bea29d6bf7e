#include "chart/series/numeric/Histogram.h"

#include <cassert>
#include <cmath>

void HistogramBins(std::span<const double> values, double lo, double hi, int bins,
                   THistogramBinning binning, bool cumulative, std::vector<double>& centres,
                   std::vector<double>& counts) {
    assert(bins >= 1);
    if (hi == lo) {
        lo -= std::floor(bins / 2.0) + 0.5;
        hi += std::ceil(bins / 2.0) + 0.5;
    }
    const double width = (hi - lo) / bins;
    centres.assign(size_t(bins), 0);
    counts.assign(size_t(bins), 0);
    for (int i = 0; i < bins; ++i) centres[size_t(i)] = lo + (i + 0.5) * width;
    double overflow = 0;
    for (double v : values) {
        const double h = (v - lo) * bins / (hi - lo);
        const double index = binning == hbRound ? std::nearbyint(h) : std::trunc(h);
        if (!(index >= 0)) continue;  // below the first bin, or not a number
        if (index < bins)
            counts[size_t(index)] += 1;
        else
            overflow += 1;
    }
    counts[size_t(bins - 1)] += overflow;
    if (cumulative)
        for (size_t j = 1; j < counts.size(); ++j) counts[j] += counts[j - 1];
}
