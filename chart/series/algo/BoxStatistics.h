#pragma once
// The statistics of a box-and-whisker plot of one sample: median, quartiles by the (n + 1) p
// rule, inner and outer fences whiskerLength and twice whiskerLength interquartile ranges
// beyond the quartiles, and the adjacent points, the most distant samples inside the inner
// fences. Samples come sorted ascending.
#include <span>

struct TBoxStatistics {
    double Median = 0;
    double Quartile1 = 0;
    double Quartile3 = 0;
    double InnerFence1 = 0;
    double InnerFence3 = 0;
    double OuterFence1 = 0;
    double OuterFence3 = 0;
    double AdjacentPoint1 = 0;
    double AdjacentPoint3 = 0;
};

// False (and the statistics untouched) for an empty sample.
bool ComputeBoxStatistics(std::span<const double> sorted, double whiskerLength,
                          TBoxStatistics& out);

enum TBoxOutlier { boNone, boMild, boExtreme };

// Where a sample lies against the fences: inside the inner fences (edges included) it is no
// outlier; between an inner and an outer fence (edges included) a mild one; beyond, extreme.
TBoxOutlier ClassifyBoxSample(const TBoxStatistics& s, double value);
