#pragma once
// The bricks of a renko chart from a row of prices: one brick of boxSize for every whole box the
// price moves from the level reached (moves rounded to whole boxes, halves to even), and a
// one-box gap where the direction turns: the level first moves one box towards the new price.
// The lowest and highest level reached give the value axis range.
#include <span>
#include <vector>

// count bricks in consecutive columns from First, the first standing on Base and each next one
// a box further up or down.
struct TRenkoRun {
    int Count = 0;
    int First = 0;
    double Base = 0;
    bool Up = false;
    bool operator==(const TRenkoRun&) const = default;
};

struct TRenkoBricks {
    int Count = 0;
    double Lowest = 0;
    double Highest = 0;
    std::vector<TRenkoRun> Runs;  // filled only when asked for
};

// Whole boxes between two prices, halves rounded to even.
double RenkoBoxes(double a, double b, double boxSize);

// At most this many bricks are counted; later moves are left out (a box far smaller than the
// prices would otherwise ask for more bricks than any chart can show).
inline constexpr int MaxRenkoBricks = 100000;

// A box size that is not positive gives no bricks.
TRenkoBricks RenkoBricks(std::span<const double> prices, double boxSize, bool listRuns);
