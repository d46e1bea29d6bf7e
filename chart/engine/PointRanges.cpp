#include "chart/engine/PointRanges.h"

#include <algorithm>

#include "chart/engine/ChartValueList.h"

TPointRange VisibleRange(const TChartValueList& v, double minimum, double maximum,
                         bool reachesEdge) {
    TPointRange r;
    const int n = v.Count();
    if (n == 0) return r;
    int first = 0;
    if (v[0] <= minimum) {
        while (first < n && v[first] < minimum) ++first;
        if (first > n - 1) return r;  // everything lies before the range
    }
    r.First = first;
    if (v[n - 1] <= maximum) {
        r.Last = n - 1;
        return r;
    }
    int last = first;
    while (last < n - 1 && v[last] < maximum) ++last;
    if (!reachesEdge)
        while (last > 0 && v[last] > maximum) --last;
    r.Last = last;
    return r;
}

TPointRange PageRange(int count, int pointsPerPage, int page) {
    if (count == 0) return {};
    if (pointsPerPage <= 0) return {0, count - 1};
    int first = pointsPerPage * (page - 1);
    if (first >= count) first = pointsPerPage * std::max(0, count / pointsPerPage - 1);
    int last = first + pointsPerPage - 1;
    if (last >= count) last = first + count % pointsPerPage - 1;
    return {first, last};
}
