#include "chart/series/numeric/DownSampling.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <utility>

// --- Douglas-Peucker.

void DouglasPeucker(std::span<const double> x, std::span<const double> y, double tolerance,
                    std::vector<TSampledPoint>& out) {
    assert(x.size() == y.size());
    out.clear();
    const size_t n = x.size();
    if (n < 2) return;
    std::vector<uint8_t> keep(n, 0);
    keep[0] = keep[n - 1] = 1;
    const double limit = tolerance * tolerance;
    std::vector<std::pair<size_t, size_t>> spans{{0, n - 1}};
    while (!spans.empty()) {
        const auto [s, e] = spans.back();
        spans.pop_back();
        if (e - s < 2) continue;
        const double vx = x[e] - x[s], vy = y[e] - y[s];
        const double length2 = vx * vx + vy * vy;
        double farthest = 0;
        size_t at = s;
        for (size_t k = s + 1; k < e; ++k) {
            const double wx = x[k] - x[s], wy = y[k] - y[s];
            const double d = wx * vx + wy * vy;
            // The nearest point of the chord: its start, its end, or in between.
            double px = x[s], py = y[s];
            if (d > length2) {
                px = x[e];
                py = y[e];
            } else if (d > 0) {
                const double f = d / length2;
                px += f * vx;
                py += f * vy;
            }
            const double dx = x[k] - px, dy = y[k] - py;
            const double distance2 = dx * dx + dy * dy;
            if (distance2 > farthest) {
                farthest = distance2;
                at = k;
            }
        }
        if (at != s && farthest > limit) {
            keep[at] = 1;
            spans.push_back({at, e});
            spans.push_back({s, at});
        }
    }
    for (size_t i = 0; i < n; ++i)
        if (keep[i]) out.push_back({x[i], y[i], false});
}

// --- Groups.

namespace {

// What one group holds after its scan.
struct TGroupScan {
    int Count = 0;
    double Sum = 0;
    size_t First = 0, Second = 0, Last = 0;
    size_t Max = 0, Min = 0;
};

class TGroupReducer {
public:
    TGroupReducer(TDownSampleMethod method, std::span<const double> x, std::span<const double> y,
                  double nullValue, std::vector<TSampledPoint>& out)
        : FMethod(method), FX(x), FY(y), FNullValue(nullValue), FOut(out) {}

    void Emit(const TGroupScan& g) {
        switch (FMethod) {
            case dsMax:
            case dsMin:
            case dsAverage: {
                const double mid = (FX[g.First] + FX[g.Last]) / 2;
                const double v = FMethod == dsMax   ? FY[g.Max]
                                 : FMethod == dsMin ? FY[g.Min]
                                                    : g.Sum / g.Count;
                FOut.push_back({mid, v, false});
                return;
            }
            default:
                break;
        }
        if (g.Count == 1) return Point(FX[g.First], FY[g.First]);
        if (FMethod == dsMinMax) {
            FOut.push_back({FX[g.First], FY[g.Min], false});
            FOut.push_back({FX[g.Last], FY[g.Max], false});
            return;
        }
        if (g.Count == 2) {
            Point(FX[g.First], FY[g.First]);
            return Point(FX[g.Last], FY[g.Last]);
        }
        if (g.Count == 3) {
            // All three. (Choosing "the extreme that is not an end" by comparing values picks
            // an end again when the three rise or fall in turn, and loses the middle point.)
            Point(FX[g.First], FY[g.First]);
            Point(FX[g.Second], FY[g.Second]);
            return Point(FX[g.Last], FY[g.Last]);
        }
        // The two extremes in the order of their positions, the maximum first on a tie.
        size_t a = g.Max, b = g.Min;
        if (FX[g.Min] < FX[g.Max]) std::swap(a, b);
        Point(FX[g.First], FY[g.First]);
        if (FMethod == dsMinMaxFirstLast) {
            Point(FX[a], FY[a]);
            Point(FX[b], FY[b]);
            return Point(FX[g.Last], FY[g.Last]);
        }
        // Null-keeping: no two points at one position.
        const double x0 = FX[g.First];
        if (FX[a] != x0) Point(FX[a], FY[a]);
        if (FX[b] != x0 && FX[b] != FX[a]) Point(FX[b], FY[b]);
        const double xl = FX[g.Last];
        if (xl != x0 && xl != FX[a] && xl != FX[b]) Point(xl, FY[g.Last]);
    }

private:
    void Point(double x, double y) {
        FOut.push_back({x, y, FMethod == dsMinMaxFirstLastNull && y == FNullValue});
    }

    TDownSampleMethod FMethod;
    std::span<const double> FX, FY;
    double FNullValue;
    std::vector<TSampledPoint>& FOut;
};

}  // namespace

void ReduceGroups(TDownSampleMethod method, std::span<const double> x, std::span<const double> y,
                  std::span<const uint8_t> nulls, double nullValue, TGrouping grouping,
                  std::vector<TSampledPoint>& out) {
    assert(method != dsDouglas && x.size() == y.size());
    out.clear();
    const size_t n = x.size();
    const bool byCount = grouping.GroupSize > 0;
    const bool skipNulls = method == dsMinMaxFirstLastNull && byCount && nulls.size() == n;
    TGroupReducer reducer(method, x, y, nullValue, out);
    size_t s = 0;
    while (s < n) {
        // The group s .. e - 1; it always holds s.
        size_t e = s + 1;
        if (byCount)
            e = std::min(n, s + size_t(grouping.GroupSize));
        else
            while (e < n && std::fabs(x[e] - x[s]) < grouping.Width) ++e;
        TGroupScan g;
        g.First = g.Last = g.Max = g.Min = s;
        int nullsSeen = 0;
        for (size_t k = s; k < e; ++k) {
            // Only the first null of a group takes part, with its stored value.
            if (skipNulls && nulls[k] && nullsSeen++ > 0) continue;
            if (++g.Count == 2) g.Second = k;
            g.Sum += y[k];
            if (y[k] > y[g.Max]) g.Max = k;
            if (y[k] < y[g.Min]) g.Min = k;
            g.Last = k;
        }
        reducer.Emit(g);
        s = e;
    }
}
