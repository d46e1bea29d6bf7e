#include "chart/series/price/VolumeKernels.h"

int CloseLocationValue(const double* high, const double* low, const double* close, int n,
                       const double* volume, int volumeCount, bool accumulate, double* out) {
    for (int i = 0; i < n; ++i) {
        const double range = high[i] - low[i];
        double clv = range == 0 ? 1 : ((close[i] - low[i]) - (high[i] - close[i])) / range;
        if (volume && i < volumeCount) clv *= volume[i];
        if (accumulate && i > 0) clv += out[i - 1];
        out[i] = clv;
    }
    return n;
}

int OnBalanceVolume(const double* open, const double* close, const double* volume, int n,
                    double* out) {
    for (int i = 0; i < n; ++i) {
        // Rising is judged against the same candle's open, not the close before it.
        const double v = volume[i];
        if (i == 0)
            out[i] = v;
        else
            out[i] = close[i] > open[i] ? out[i - 1] + v : out[i - 1] - v;
    }
    return n;
}
