#include "chart/series/price/BollingerKernel.h"

#include <cmath>

#include "chart/series/price/MovingAverageKernels.h"

int BollingerBands(const double* v, int n, double period, bool exponential, double deviation,
                   double* upper, double* lower) {
    const int p = int(std::nearbyint(std::fmin(period, 2147483647.0)));
    if (p < 1 || n < p || (exponential && n < 2)) return 0;
    const double k = 2 / (period + 1);
    double average = v[0];
    int count = 0;
    for (int i = 0; i < n; ++i) {
        if (i > 0) average = k * v[i] + (1 - k) * average;
        if (i < p - 1) continue;
        const int first = i - p + 1;
        double sum = 0, squares = 0;
        for (int j = first; j <= i; ++j) {
            sum += v[j];
            squares += v[j] * v[j];
        }
        const double radicand = (period * squares - sum * sum) / (period * period);
        const double sigma = radicand > 0 ? std::sqrt(radicand) : 0;
        const double centre = exponential ? average : WindowAverage(v, first, i);
        upper[count] = centre + deviation * sigma;
        lower[count++] = centre - deviation * sigma;
    }
    return count;
}
