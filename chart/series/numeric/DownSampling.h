#pragma once
// Reductions of a long polyline to far fewer points that keep its look: the Douglas-Peucker
// simplification, and per-group reductions that keep each group's maximum, minimum, both,
// average, or its first, extremes and last point. Plain numeric code: no chart, no platform.
#include <cstdint>
#include <span>
#include <vector>

enum TDownSampleMethod {
    dsDouglas,
    dsMax,
    dsMin,
    dsMinMax,
    dsAverage,
    dsMinMaxFirstLast,
    dsMinMaxFirstLastNull
};

struct TSampledPoint {
    double X, Y;
    // Shown as a gap (only the null-keeping reduction marks points).
    bool Null;
};

// The points of (x, y) whose distance from the chord of their span exceeds tolerance, with the
// first and the last point, in order. Distances are measured in the units of x and y. The spans
// are kept on a stack of their own: a long record needs no deep recursion.
void DouglasPeucker(std::span<const double> x, std::span<const double> y, double tolerance,
                    std::vector<TSampledPoint>& out);

// How the points fall into groups: groupSize points each (when above 0), else each group ends
// before the first point whose x lies width or more from the group's first x. A group always
// holds its first point, so a width of 0 makes groups of one point.
struct TGrouping {
    int GroupSize = 0;
    double Width = 0;
};

// One of the group reductions (any method but dsDouglas). nulls flags the null points (empty:
// none); the null-keeping method, grouping by count, lets only the first null of a group take
// part and marks every point whose y equals nullValue as null.
void ReduceGroups(TDownSampleMethod method, std::span<const double> x, std::span<const double> y,
                  std::span<const uint8_t> nulls, double nullValue, TGrouping grouping,
                  std::vector<TSampledPoint>& out);
