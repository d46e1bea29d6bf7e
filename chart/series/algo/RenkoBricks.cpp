#include "chart/series/algo/RenkoBricks.h"

#include <algorithm>
#include <cmath>

double RenkoBoxes(double a, double b, double boxSize) {
    // nearbyint follows the default rounding mode, which rounds halves to even.
    return std::nearbyint(std::fabs(b - a) / boxSize);
}

TRenkoBricks RenkoBricks(std::span<const double> y, double boxSize, bool listRuns) {
    TRenkoBricks r;
    if (!y.empty()) {
        const auto [lo, hi] = std::minmax_element(y.begin(), y.end());
        r.Lowest = *lo;
        r.Highest = *hi;
    }
    if (y.size() < 2 || !(boxSize > 0)) return r;
    size_t i = 1;
    while (i < y.size() && RenkoBoxes(y[0], y[i], boxSize) == 0) ++i;
    if (i == y.size()) return r;
    auto widen = [&r](double level) {
        r.Lowest = std::min(r.Lowest, level);
        r.Highest = std::max(r.Highest, level);
    };
    auto bricks = [&](double n, double base, bool up) {
        if (listRuns) r.Runs.push_back(TRenkoRun{int(n), r.Count, base, up});
        r.Count += int(n);
        return up ? base + n * boxSize : base - n * boxSize;
    };
    r.Lowest = r.Highest = y[0];
    bool up = y[i] > y[0];
    double level = bricks(RenkoBoxes(y[0], y[i], boxSize), y[0], up);
    widen(level);
    for (size_t j = i + 1; j < y.size(); ++j) {
        const double old = level;
        if (up != (y[j] > level)) level += y[j] > level ? boxSize : -boxSize;
        const double h = RenkoBoxes(y[j], level, boxSize);
        up = old < y[j];
        if (h > 0) {
            level = bricks(h, level, up);
            widen(level);
        }
    }
    return r;
}
