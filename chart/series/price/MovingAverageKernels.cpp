#include "chart/series/price/MovingAverageKernels.h"

double WindowAverage(const double* v, int first, int last) {
    double sum = 0;
    for (int k = first; k <= last; ++k) sum += v[k];
    const int n = last - first + 1;
    return n > 0 ? sum / n : sum;
}

double PositionWeightedAverage(const double* v, const double* x, int first, int last) {
    double sum = 0, weights = 0;
    for (int k = first; k <= last; ++k) {
        sum += v[k] * x[k];
        weights += x[k];
    }
    return weights == 0 ? 0 : sum / weights;
}

double IndexWeightedAverage(const double* v, int first, int last) {
    double sum = 0, weights = 0;
    for (int k = first; k <= last; ++k) {
        const double w = k - first + 1;
        sum += v[k] * w;
        weights += w;
    }
    return weights == 0 ? 0 : sum / weights;
}

double TwoPointBlend(const double* v, int last, double weight) {
    if (last == 0) return v[0];
    return weight * v[last] + (1 - weight) * v[last - 1];
}

int ExpMovingAverage(const double* v, const unsigned char* nulls, int n, double period,
                     bool ignoreNulls, int* at, double* out) {
    if (!(period > 0) || n <= 1) return 0;
    const double k = 2 / (period + 1);
    const bool skipNulls = !ignoreNulls && nulls;
    int i = 0;
    if (skipNulls)
        while (i < n - 1 && nulls[i]) ++i;
    double e = v[i];
    int count = 0;
    at[count] = i;
    out[count++] = e;
    for (++i; i < n; ++i) {
        if (skipNulls && nulls[i]) continue;
        e = k * v[i] + (1 - k) * e;
        at[count] = i;
        out[count++] = e;
    }
    return count;
}
