#include "chart/series/price/AverageSpreadKernels.h"

namespace {

// Runs both averages over v and hands each pair to combine.
template <class Combine>
int RunAveragePair(const double* v, int n, double fastPeriod, double slowPeriod, double* out,
                   Combine combine) {
    if (n < 2 || !(fastPeriod > 0) || !(slowPeriod > 0)) return 0;
    const double kFast = 2 / (fastPeriod + 1), kSlow = 2 / (slowPeriod + 1);
    double fast = v[0], slow = v[0];
    out[0] = combine(fast, slow);
    for (int i = 1; i < n; ++i) {
        fast = kFast * v[i] + (1 - kFast) * fast;
        slow = kSlow * v[i] + (1 - kSlow) * slow;
        out[i] = combine(fast, slow);
    }
    return n;
}

}  // namespace

int MacdLine(const double* v, int n, double fastPeriod, double slowPeriod, double* out) {
    return RunAveragePair(v, n, fastPeriod, slowPeriod, out,
                          [](double fast, double slow) { return fast - slow; });
}

int PercentageOscillator(const double* v, int n, double fastPeriod, double slowPeriod,
                         bool percentage, double* out) {
    return RunAveragePair(v, n, fastPeriod, slowPeriod, out, [percentage](double f, double s) {
        if (!percentage) return (f - s) * 100;
        // A zero fast average gives the slow one: the oscillator's own rule.
        return (f == 0 ? s : (f - s) / f) * 100;
    });
}
