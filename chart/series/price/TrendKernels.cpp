#include "chart/series/price/TrendKernels.h"

#include <algorithm>
#include <cmath>

TDirectionalCounts DirectionalMovement(const double* high, const double* low, const double* close,
                                       int n, double p, double* up, double* down, double* adx) {
    TDirectionalCounts counts;
    if (p < 2 || 2 * p > n) return counts;
    const int rp = int(std::nearbyint(p));
    const int firstADX = int(std::nearbyint(2 * p - 2));
    counts.DIFirst = rp;
    counts.ADXFirst = firstADX;
    double trueRange = 0, plus = 0, minus = 0, dxSum = 0, average = 0;
    for (int i = 1; i < n; ++i) {
        const double tr = std::max({high[i] - low[i], std::fabs(high[i] - close[i - 1]),
                                    std::fabs(low[i] - close[i - 1])});
        const double u = high[i] - high[i - 1];
        const double d = low[i - 1] - low[i];
        const double plusMove = d >= u ? 0 : std::max(u, 0.0);
        const double minusMove = u >= d ? 0 : std::max(d, 0.0);
        if (i <= rp) {
            // The first smoothed values are the plain sums over points 1 .. rp.
            trueRange += tr;
            plus += plusMove;
            minus += minusMove;
            if (i < rp) continue;
        } else {
            trueRange = trueRange - trueRange / p + tr;
            plus = plus - plus / p + plusMove;
            minus = minus - minus / p + minusMove;
        }
        const double plusDI = trueRange == 0 ? 0 : plus / trueRange * 100;
        const double minusDI = trueRange == 0 ? 0 : minus / trueRange * 100;
        up[counts.DICount] = plusDI;
        down[counts.DICount++] = minusDI;
        const double s = plusDI + minusDI;
        const double dx = s == 0 ? 0 : std::fabs(plusDI - minusDI) * 100 / s;
        if (i < firstADX) {
            dxSum += dx;
            continue;
        }
        // The first average is over p - 1 values: the indicator's own start.
        average = i == firstADX ? (dxSum + dx) / (p - 1) : (dx + (p - 1) * average) / p;
        adx[counts.ADXCount++] = average;
    }
    return counts;
}

int ParabolicSAR(const double* high, const double* low, int n, double acceleration, double maxStep,
                 double* out) {
    if (n <= 2) return 0;
    double sar = high[1];
    bool rising = true;
    double a = acceleration;
    double extremeHigh = high[0], extremeLow = low[0];
    for (int i = 2; i < n; ++i) {
        sar += a * ((rising ? extremeHigh : extremeLow) - sar);
        if (rising && low[i] < sar) {
            rising = false;
            sar = extremeHigh;
            extremeLow = low[i];
            a = acceleration;
        } else if (!rising && high[i] > sar) {
            rising = true;
            sar = extremeLow;
            extremeHigh = high[i];
            a = acceleration;
        } else if (rising) {
            if (high[i] > extremeHigh) {
                extremeHigh = high[i];
                a = std::min(a + acceleration, maxStep);
            }
            sar = std::min({sar, low[i - 1], low[i - 2]});
        } else {
            if (low[i] < extremeLow) {
                extremeLow = low[i];
                a = std::min(a + acceleration, maxStep);
            }
            sar = std::max({sar, high[i - 1], high[i - 2]});
        }
        out[i - 2] = sar;
    }
    return n - 2;
}
