#pragma once
// The index ranges a series draws: the points whose positions lie inside the axis range, and
// the points of the chart's current page. Pure figures, so that the series, the paging of the
// axis panel and the tools share one rule.
class TChartValueList;

struct TPointRange {
    int First = -1;
    int Last = -1;
    bool operator==(const TPointRange&) const = default;
};

// The points of positions whose values lie between minimum and maximum, the positions in
// ascending order. With reachesEdge the last point is the first one at or beyond the maximum,
// so a line can be drawn out to the edge.
TPointRange VisibleRange(const TChartValueList& positions, double minimum, double maximum,
                         bool reachesEdge);

// The points of page (1-based) with pointsPerPage points a page (0 or less: all on one page).
// A page beyond the last shows the last full page.
TPointRange PageRange(int count, int pointsPerPage, int page);
