#include "chart/series/algo/BoxStatistics.h"

namespace {

// The value at position r = (n + 1) p counted from 1, between the two samples around it.
double QuantileAt(std::span<const double> x, double p) {
    const int n = int(x.size());
    const double r = (n + 1) * p;
    if (r == 0) return x[0];
    const int k = int(r);
    const double f = r - k;
    if (k < 1) return x[0];
    if (k > n - 1) return x[n - 1];
    return x[k - 1] * (1 - f) + x[k] * f;
}

}  // namespace

bool ComputeBoxStatistics(std::span<const double> x, double whiskerLength, TBoxStatistics& s) {
    const int n = int(x.size());
    if (n < 1) return false;
    const int h = n / 2;
    s.Median = n % 2 == 1 ? x[h] : (x[h - 1] + x[h]) * 0.5;
    if (n < 2) {
        s.Quartile1 = s.Quartile3 = x[0];
    } else {
        s.Quartile1 = QuantileAt(x, 0.25);
        s.Quartile3 = QuantileAt(x, 0.75);
    }
    const double iqr = s.Quartile3 - s.Quartile1;
    s.InnerFence1 = s.Quartile1 - whiskerLength * iqr;
    s.InnerFence3 = s.Quartile3 + whiskerLength * iqr;
    s.OuterFence1 = s.Quartile1 - 2 * whiskerLength * iqr;
    s.OuterFence3 = s.Quartile3 + 2 * whiskerLength * iqr;
    // From the lowest sample up to the median: the first one inside the lower fence. When none
    // is (every sample on the fence), the last sample ends the scan.
    s.AdjacentPoint1 = x[n - 1];
    for (int i = 0; i <= h && i < n; ++i)
        if (x[i] > s.InnerFence1) {
            s.AdjacentPoint1 = x[i];
            break;
        }
    // From the median up: the sample just before the first one beyond the upper fence.
    s.AdjacentPoint3 = x[n - 1];
    for (int i = h; i < n; ++i)
        if (x[i] > s.InnerFence3) {
            s.AdjacentPoint3 = x[i > 0 ? i - 1 : 0];
            break;
        }
    return true;
}

TBoxOutlier ClassifyBoxSample(const TBoxStatistics& s, double a) {
    if (s.InnerFence1 <= a && a <= s.InnerFence3) return boNone;
    if ((s.InnerFence3 <= a && a <= s.OuterFence3) || (s.OuterFence1 <= a && a <= s.InnerFence1))
        return boMild;
    return boExtreme;
}
