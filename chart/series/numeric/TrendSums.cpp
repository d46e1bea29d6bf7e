#include "chart/series/numeric/TrendSums.h"

#include <cmath>

void TTrendSums::Add(double x, double y) {
    if (FCount == 0) {
        FX0 = x;
        FY0 = y;
    }
    const long double dx = (long double)x - FX0;
    const long double dy = (long double)y - FY0;
    FSumX += dx;
    FSumY += dy;
    FSumXY += dx * dy;
    FSumXX += dx * dx;
    FSumYY += dy * dy;
    ++FCount;
}

TTrendSums::TLine TTrendSums::Line() const {
    const long double n = FCount;
    const long double d = n * FSumXX - FSumX * FSumX;
    if (d == 0) return {1, 0};
    const long double m = (n * FSumXY - FSumX * FSumY) / d;
    // The intercept of the shifted line, moved back to the pairs' own origin.
    const long double b = (FSumY * FSumXX - FSumX * FSumXY) / d;
    return {double(m), double(b + FY0 - m * FX0)};
}

TTrendSums::TExponential TTrendSums::Exponential() const {
    const long double n = FCount;
    const long double mx = FSumX / n, my = FSumY / n;
    const long double h = FSumXX - n * mx * mx;
    const long double rate = h == 0 ? 1 : (FSumXY - n * mx * my) / h;
    const long double scale = std::exp((my + FY0) - rate * (mx + FX0));
    return {double(scale), double(rate)};
}

double TTrendSums::Correlation() const {
    if (FCount <= 1) return 1;
    const long double n = FCount;
    const long double sxx = FSumXX - FSumX * FSumX / n;
    const long double syy = FSumYY - FSumY * FSumY / n;
    // Rounding may leave a set that does not vary a hair below zero.
    if (!(sxx > 0) || !(syy > 0)) return 1;
    return double((FSumXY - FSumX * FSumY / n) / std::sqrt(sxx * syy));
}
