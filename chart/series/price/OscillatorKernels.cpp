#include "chart/series/price/OscillatorKernels.h"

#include <algorithm>
#include <cmath>

#include "chart/series/price/MovingAverageKernels.h"

double Momentum(const double* v, int first, int last) { return v[last] - v[first]; }

double MomentumDivision(const double* v, int first, int last) {
    return v[first] == 0 ? 0 : v[last] * 100 / v[first];
}

double Performance(const double* v, int last) {
    return v[0] == 0 ? 0 : (v[last] - v[0]) * 100 / v[0];
}

double Stochastic(const double* v, const double* low, const double* high, int first, int last) {
    double lowest = low[first], highest = high[first];
    for (int k = first + 1; k <= last; ++k) {
        lowest = std::min(lowest, low[k]);
        highest = std::max(highest, high[k]);
    }
    return highest == lowest ? 0 : (v[last] - lowest) * 100 / (highest - lowest);
}

double RelativeStrength(const double* close, const double* open, int first, int last,
                        TRSIStyle style) {
    double up = 0, down = 0;
    if (style == rsiOpenClose) {
        // The sums are of close prices, not of changes: the indicator's own definition.
        for (int k = first; k <= last; ++k) (open[k] > close[k] ? down : up) += close[k];
    } else {
        for (int k = first + 1; k <= last; ++k) {
            const double d = close[k] - close[k - 1];
            if (d >= 0)
                up += d;
            else
                down -= d;
        }
    }
    const int n = last - first + 1;
    const double downAverage = down / n;
    if (downAverage == 0) return 100;
    const double rsi = 100 - 100 / (std::fabs((up / n) / downAverage) + 1);
    return std::clamp(rsi, 0.0, 100.0);
}

int CommodityChannelIndex(const double* close, const double* high, const double* low, int n, int p,
                          double constant, double* typical, int* at, double* out) {
    if (p < 1 || n < p) return 0;
    static const long double third = 1.0L / 3.0L;
    for (int i = 0; i < n; ++i)
        typical[i] = double((static_cast<long double>(close[i]) + high[i] + low[i]) * third);
    const double c = constant == 0 ? 1 : constant;
    int count = 0;
    for (int i = p - 1; i < n; ++i) {
        const int first = i - p + 1;
        const double average = WindowAverage(typical, first, i);
        double deviation = 0;
        for (int k = first; k <= i; ++k) deviation += std::fabs(average - typical[k]);
        deviation *= 1.0 / p;
        if (deviation == 0) continue;
        at[count] = i;
        out[count++] = (typical[i] - average) / (deviation * c);
    }
    return count;
}
