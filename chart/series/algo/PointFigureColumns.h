#pragma once
// The columns of a point-and-figure chart from price bars: a column of falling boxes opens on the
// first bar's range; a column extends while the price moves on by whole boxes and a new column
// opens when the price turns by Reversal boxes. Boxes are counted from the extreme the column
// reached, not from a fixed grid. Counting and drawing share this pass, so the axis range
// always agrees with the drawing.
#include <span>
#include <vector>

// One run of symbols in a column: one symbol at From, From + box, ... while the value stays
// at or below To; the first symbol is there even when From lies above To.
struct TPointFigureRun {
    int Column = 0;
    bool Up = false;
    double From = 0;
    double To = 0;
    bool operator==(const TPointFigureRun&) const = default;
};

struct TPointFigureColumns {
    int Count = 0;
    std::vector<TPointFigureRun> Runs;  // filled only when asked for
};

// high and low hold one value per bar (the same count). A box size that is not positive gives
// no columns (it would never step through a run).
TPointFigureColumns PointFigureColumns(std::span<const double> high, std::span<const double> low,
                                       double boxSize, double reversalBoxes, bool listRuns);

// A column never holds more symbols than this: a box far smaller than the prices (from a file,
// say) would otherwise keep the drawing busy without end.
inline constexpr int MaxPointFigureSymbols = 10000;

// The symbol values of a run, in drawing order.
template <class F>
void ForEachPointFigureSymbol(const TPointFigureRun& run, double boxSize, F&& draw) {
    if (!(boxSize > 0)) return;
    double v = run.From;
    for (int k = 0; k < MaxPointFigureSymbols; ++k) {
        draw(v);
        const double next = v + boxSize;
        // A box lost in the value's rounding moves nothing: one symbol is all there is.
        if (!(next <= run.To) || next == v) break;
        v = next;
    }
}
