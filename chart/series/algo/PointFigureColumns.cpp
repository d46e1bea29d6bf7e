#include "chart/series/algo/PointFigureColumns.h"

TPointFigureColumns PointFigureColumns(std::span<const double> high, std::span<const double> low,
                                       double boxSize, double reversalBoxes, bool listRuns) {
    TPointFigureColumns result;
    if (high.empty() || low.size() < high.size() || !(boxSize > 0)) return result;
    const double reversal = reversalBoxes * boxSize;
    auto run = [&](int column, bool up, double from, double to) {
        if (listRuns) result.Runs.push_back(TPointFigureRun{column, up, from, to});
    };
    double lo = low[0];
    double hi = high[0];
    bool rising = false;
    int column = 0;
    run(0, false, low[0], high[0]);
    for (size_t i = 1; i < high.size(); ++i) {
        if (!rising) {
            if (low[i] <= lo - boxSize) {
                run(column, false, low[i], lo - boxSize);
                lo = low[i];
            } else if (high[i] >= lo + reversal) {
                run(++column, true, lo + boxSize, high[i]);
                hi = high[i];
                rising = true;
            }
        } else if (high[i] >= hi + boxSize) {
            run(column, true, hi + boxSize, high[i]);
            hi = high[i];
        } else if (low[i] <= hi - reversal) {
            run(++column, false, low[i], hi - boxSize);
            lo = low[i];
            rising = false;
        }
    }
    result.Count = column + 1;
    return result;
}
