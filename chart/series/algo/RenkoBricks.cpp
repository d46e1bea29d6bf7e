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
    // Not a whole box (or no number at all): no move.
    while (i < y.size() && !(RenkoBoxes(y[0], y[i], boxSize) > 0)) ++i;
    if (i == y.size()) return r;
    auto widen = [&r](double level) {
        r.Lowest = std::min(r.Lowest, level);
        r.Highest = std::max(r.Highest, level);
    };
    auto bricks = [&](double boxes, double base, bool up) {
        const int n = int(std::min(boxes, double(MaxRenkoBricks - r.Count)));
        if (listRuns && n > 0) r.Runs.push_back(TRenkoRun{n, r.Count, base, up});
        r.Count += n;
        return up ? base + n * boxSize : base - n * boxSize;
    };
    r.Lowest = r.Highest = y[0];
    bool up = y[i] > y[0];
    double level = bricks(RenkoBoxes(y[0], y[i], boxSize), y[0], up);
    widen(level);
    for (size_t j = i + 1; j < y.size() && r.Count < MaxRenkoBricks; ++j) {
        const double old = level;
        if (up != (y[j] > level)) level += y[j] > level ? boxSize : -boxSize;
        const double h = RenkoBoxes(y[j], level, boxSize);
        up = old < y[j];
        if (h > 0) {  // false for no number
            level = bricks(h, level, up);
            widen(level);
        }
    }
    return r;
}
