#include "chart/series/numeric/Moments.h"

double PopulationVariance(const double* values, int n) {
    if (n <= 0) return 0;
    long double sum = 0;
    for (int i = 0; i < n; ++i) sum += values[i];
    const long double mean = sum / n;
    long double squares = 0;
    for (int i = 0; i < n; ++i) {
        const long double d = values[i] - mean;
        squares += d * d;
    }
    return double(squares / n);
}
