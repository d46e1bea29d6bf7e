#pragma once
// Counts of values in equal-width bins. Plain numeric code: no chart, no platform.
#include <span>
#include <vector>

enum THistogramBinning { hbTruncate, hbRound };

// The bins spread evenly over lo .. hi (bins >= 1); when hi equals lo they become bins of width
// 1 centred on the integers around the value. A value's bin is trunc or round (ties to even) of
// (v - lo) * bins / (hi - lo); values beyond the last bin count into it (the maximum lands there),
// values below the first are dropped. With cumulative each bin adds the ones before it.
void HistogramBins(std::span<const double> values, double lo, double hi, int bins,
                   THistogramBinning binning, bool cumulative, std::vector<double>& centres,
                   std::vector<double>& counts);
