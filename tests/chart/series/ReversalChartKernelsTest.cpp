// The columns, bricks and lines of the point-and-figure, renko and kagi charts, computed from
// price rows without a chart.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "chart/series/algo/KagiColumns.h"
#include "chart/series/algo/PointFigureColumns.h"
#include "chart/series/algo/RenkoBricks.h"

namespace {

TEST(PointFigureColumnsTest, Table) {
    struct Case {
        const char* name;
        std::vector<double> high, low;
        double box;
        int columns;
        std::vector<TPointFigureRun> runs;
    };
    const Case cases[] = {
        {"no bars", {}, {}, 1, 0, {}},
        {"one bar: one falling column over its range", {10}, {5}, 1, 1, {{0, false, 5, 10}}},
        {"a new low extends from the new low up to a box below the old one",
         {10, 6},
         {5, 3},
         1,
         1,
         {{0, false, 5, 10}, {0, false, 3, 4}}},
        {"a rise of less than three boxes is ignored",
         {10, 6, 5.9},
         {5, 3, 4},
         1,
         1,
         {{0, false, 5, 10}, {0, false, 3, 4}}},
        {"a rise of exactly three boxes reverses, then rises on and falls back three",
         {10, 6, 6, 7, 6},
         {5, 3, 4, 5, 4},
         1,
         3,
         {{0, false, 5, 10}, {0, false, 3, 4}, {1, true, 4, 6}, {1, true, 7, 7}, {2, false, 4, 6}}},
        {"a larger box: the same bars make one column",
         {10, 6, 6},
         {5, 3, 4},
         2,
         1,
         {{0, false, 5, 10}, {0, false, 3, 3}}},
        {"a box size of 0 gives nothing", {10, 6}, {5, 3}, 0, 0, {}},
        {"a negative box size gives nothing", {10, 6}, {5, 3}, -1, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TPointFigureColumns listed = PointFigureColumns(c.high, c.low, c.box, 3, true);
        EXPECT_EQ(listed.Count, c.columns);
        EXPECT_EQ(listed.Runs, c.runs);
        const TPointFigureColumns counted = PointFigureColumns(c.high, c.low, c.box, 3, false);
        EXPECT_EQ(counted.Count, c.columns);
        EXPECT_TRUE(counted.Runs.empty());
    }
}

TEST(PointFigureColumnsTest, SymbolsOfARun) {
    std::vector<double> values;
    auto collect = [&values](double v) { values.push_back(v); };
    ForEachPointFigureSymbol({0, false, 5, 7.5}, 1, collect);
    EXPECT_EQ(values, (std::vector<double>{5, 6, 7}));
    values.clear();
    ForEachPointFigureSymbol({0, true, 8, 6}, 1, collect);  // the first symbol always
    EXPECT_EQ(values, (std::vector<double>{8}));
    values.clear();
    ForEachPointFigureSymbol({0, true, 1, 2}, 0, collect);  // never endless
    EXPECT_TRUE(values.empty());
    // A box lost in the prices' rounding, or far too many boxes: the column still ends.
    ForEachPointFigureSymbol({0, true, 1e10, 2e10}, 1e-10, collect);
    EXPECT_EQ(values, (std::vector<double>{1e10}));
    int symbols = 0;
    ForEachPointFigureSymbol({0, true, 0, 1e9}, 1, [&symbols](double) { ++symbols; });
    EXPECT_EQ(symbols, MaxPointFigureSymbols);
}

TEST(RenkoBricksTest, Table) {
    struct Case {
        const char* name;
        std::vector<double> y;
        double box;
        int bricks;
        double lowest, highest;
        std::vector<TRenkoRun> runs;
    };
    const Case cases[] = {
        {"no prices", {}, 1, 0, 0, 0, {}},
        {"one price", {5}, 1, 0, 5, 5, {}},
        {"never a whole box from the first price", {10, 10.4, 9.6}, 1, 0, 9.6, 10.4, {}},
        {"a fall after a rise first covers the one-box gap",
         {10, 13, 11},
         1,
         4,
         10,
         13,
         {{3, 0, 10, true}, {1, 3, 12, false}}},
        {"one and a half boxes on make two bricks",
         {10, 11, 12.5},
         1,
         3,
         10,
         13,
         {{1, 0, 10, true}, {2, 1, 11, true}}},
        {"two and a half boxes on make two bricks as well",
         {10, 11, 13.5},
         1,
         3,
         10,
         13,
         {{1, 0, 10, true}, {2, 1, 11, true}}},
        {"a turn without a brick still moves the level",
         {10, 13, 12.4, 14},
         1,
         4,
         10,
         14,
         {{3, 0, 10, true}, {1, 3, 13, true}}},
        // 1.5 boxes round to 2 up to 14; the turn moves the level to 12, and the half box down
        // to 11 rounds to none.
        {"a larger box", {10, 13, 11}, 2, 2, 10, 14, {{2, 0, 10, true}}},
        {"a box size of 0 gives nothing", {10, 13}, 0, 0, 10, 13, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TRenkoBricks r = RenkoBricks(c.y, c.box, true);
        EXPECT_EQ(r.Count, c.bricks);
        EXPECT_EQ(r.Lowest, c.lowest);
        EXPECT_EQ(r.Highest, c.highest);
        EXPECT_EQ(r.Runs, c.runs);
        EXPECT_EQ(RenkoBricks(c.y, c.box, false).Count, c.bricks);
    }
}

TEST(RenkoBricksTest, HugeMovesAndNonNumbersStayBounded) {
    EXPECT_EQ(RenkoBricks(std::vector<double>{0, 1e300}, 1, false).Count, MaxRenkoBricks);
    EXPECT_EQ(RenkoBricks(std::vector<double>{0, 1e9, -1e9}, 1, false).Count, MaxRenkoBricks);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(RenkoBricks(std::vector<double>{10, nan, 12}, 1, false).Count, 2);
}

TEST(KagiColumnsTest, FractionalReversalOfThreePercent) {
    struct Case {
        const char* name;
        std::vector<double> y;
        int columns;
    };
    const Case cases[] = {
        {"one price", {90}, 0},
        {"constant prices", {90, 90, 90}, 0},
        {"a fall of 3 after a rise to 100 is ignored", {90, 100, 97}, 1},
        {"a fall of 3.1 opens a column", {90, 100, 96.9}, 2},
        {"a rise after a small fall extends the first stroke", {90, 100, 97, 105}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(KagiColumns(c.y, TKagiReversal{}, false).Count, c.columns);
    }
    // The small fall left nothing behind: the stroke runs on from 100.
    EXPECT_EQ(
        KagiColumns(std::vector<double>{90, 100, 97, 105}, TKagiReversal{}, true).Lines,
        (std::vector<TKagiLine>{{klStroke, 0, 90, 100, true}, {klStroke, 0, 100, 105, true}}));
}

TEST(KagiColumnsTest, PenChangesOnlyWhereAStrokeCrossesTheReference) {
    const TKagiReversal one{1, true};
    // Thick from the start; the fall to 11 stays above the reference 10: still thick, no sell.
    EXPECT_EQ(KagiColumns(std::vector<double>{10, 12, 11.5, 13, 11}, one, true).Lines,
              (std::vector<TKagiLine>{{klStroke, 0, 10, 12, true},
                                      {klStroke, 0, 12, 13, true},
                                      {klStep, 1, 13, 13, true},
                                      {klStroke, 1, 13, 11, true}}));
    // Thin from the start; each turn crosses the reference: buy, sell, buy.
    const TKagiColumns k = KagiColumns(std::vector<double>{10, 8, 11, 7, 12}, one, true);
    EXPECT_EQ(k.Count, 4);
    EXPECT_EQ(k.Lines, (std::vector<TKagiLine>{{klStroke, 0, 10, 8, false},
                                               {klStep, 1, 8, 8, false},
                                               {klStroke, 1, 8, 10, false},
                                               {klBuy, 1, 10, 10, false},
                                               {klStroke, 1, 10, 11, true},
                                               {klStep, 2, 11, 11, true},
                                               {klStroke, 2, 11, 11, true},
                                               {klSell, 2, 11, 11, true},
                                               {klStroke, 2, 11, 7, false},
                                               {klStep, 3, 7, 7, false},
                                               {klStroke, 3, 7, 7, false},
                                               {klBuy, 3, 7, 7, false},
                                               {klStroke, 3, 7, 12, true}}));
}

}  // namespace
