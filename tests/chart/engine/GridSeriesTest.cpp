// The grid index of the grid series: regular and irregular grids from points in any order,
// duplicates, grids too wide to hold, the cell corners, and grids generated from a Y function.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <utility>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/grid3d/Custom3DGridSeries.h"

namespace {

class GridSeriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        Chart->AddSeries(Series);
    }
    // X and Z of the point at the grid position, or (-1, -1) for none.
    std::pair<double, double> At(int row, int column) {
        const int i = Series->GridIndex(row, column);
        if (i < 0) return {-1, -1};
        return {Series->XValues()[i], Series->ZValues()[i]};
    }

    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TCustom3DGridSeries* Series = new TCustom3DGridSeries(&Form);
};

TEST_F(GridSeriesTest, RegularGridFromPointsInAnyOrder) {
    std::vector<std::pair<int, int>> positions;
    for (int x = 0; x < 10; ++x)
        for (int z = 0; z < 10; ++z) positions.emplace_back(x, z);
    const unsigned seed = 20261210;
    SCOPED_TRACE(seed);
    std::shuffle(positions.begin(), positions.end(), std::mt19937(seed));
    Series->SetNumXValues(3);  // a stale size, replaced by the size found
    for (auto [x, z] : positions) Series->AddXYZValues(x, x * 100 + z, z);
    Series->FillGridIndex();
    EXPECT_EQ(Series->NumXValues(), 10);
    EXPECT_EQ(Series->NumZValues(), 10);
    EXPECT_FALSE(Series->XOffGrid);
    EXPECT_FALSE(Series->ZOffGrid);
    for (int row = 1; row <= 10; ++row)
        for (int column = 1; column <= 10; ++column)
            EXPECT_EQ(At(row, column), std::make_pair(double(row - 1), double(column - 1)));
    // Row 0, column 0 and beyond the grid hold nothing.
    EXPECT_EQ(Series->GridIndex(0, 5), -1);
    EXPECT_EQ(Series->GridIndex(5, 0), -1);
    EXPECT_EQ(Series->GridIndex(11, 5), -1);
    EXPECT_EQ(Series->GridIndex(5, -1), -1);
}

TEST_F(GridSeriesTest, RegularGridOffsetRoundingAndDuplicates) {
    // X 5 .. 7 lies on positions 1 .. 3; 5.4 rounds to 5 and 6.5 to 6 (halves to even).
    Series->AddXYZValues(5, 1, 0);
    Series->AddXYZValues(6.5, 2, 0);
    Series->AddXYZValues(7, 3, 1);
    Series->AddXYZValues(5.4, 4, 0);  // the same position as the first point: the later wins
    Series->FillGridIndex();
    EXPECT_TRUE(Series->XOffGrid);
    EXPECT_FALSE(Series->ZOffGrid);
    EXPECT_EQ(Series->NumXValues(), 3);
    EXPECT_EQ(Series->NumZValues(), 2);
    EXPECT_EQ(Series->GridIndex(1, 1), 3);
    EXPECT_EQ(Series->GridIndex(2, 1), 1);
    EXPECT_EQ(Series->GridIndex(3, 2), 2);
    EXPECT_EQ(Series->GridIndex(3, 1), -1);
}

TEST_F(GridSeriesTest, IrregularGridOfDistinctSortedValues) {
    Series->SetIrregularGrid(true);
    const double xs[] = {0.5, 2, 0.5, 7.25};
    const double zs[] = {-3, 10.5, 10.5, -3};
    for (int i = 0; i < 4; ++i) Series->AddXYZValues(xs[i], i, zs[i]);
    Series->FillGridIndex();
    EXPECT_EQ(Series->NumXValues(), 3);
    EXPECT_EQ(Series->NumZValues(), 2);
    EXPECT_EQ(Series->GridIndex(1, 1), 0);  // (0.5, -3)
    EXPECT_EQ(Series->GridIndex(2, 2), 1);  // (2, 10.5)
    EXPECT_EQ(Series->GridIndex(1, 2), 2);  // (0.5, 10.5)
    EXPECT_EQ(Series->GridIndex(3, 1), 3);  // (7.25, -3)
    EXPECT_EQ(Series->GridIndex(3, 2), -1);
}

TEST_F(GridSeriesTest, AWideRegularRangeFallsBackToTheIrregularGrid) {
    // A regular grid would need 10^12 positions; one row and column per value is enough.
    Series->AddXYZValues(0, 1, 0);
    Series->AddXYZValues(1e6, 2, 1e6);
    Series->AddXYZValues(1e6, 3, 0);
    Series->AddXYZValues(std::numeric_limits<double>::quiet_NaN(), 4, 0);  // has no place
    Series->FillGridIndex();
    EXPECT_EQ(Series->NumXValues(), 2);
    EXPECT_EQ(Series->NumZValues(), 2);
    EXPECT_EQ(Series->GridIndex(1, 1), 0);
    EXPECT_EQ(Series->GridIndex(2, 2), 1);
    EXPECT_EQ(Series->GridIndex(2, 1), 2);
    EXPECT_EQ(Series->GridIndex(1, 2), -1);
    // Infinite extremes go the same way.
    Series->AddXYZValues(std::numeric_limits<double>::infinity(), 5, 2);
    Series->FillGridIndex();
    EXPECT_EQ(Series->NumXValues(), 3);
    EXPECT_EQ(Series->NumZValues(), 3);  // 0, 2, 1e6
    EXPECT_EQ(Series->GridIndex(3, 2), 4);
}

TEST_F(GridSeriesTest, CellCornersFollowTheCellSteps) {
    for (int z = 1; z <= 3; ++z)
        for (int x = 1; x <= 3; ++x) Series->AddXYZValues(x, 0, z);  // index (z-1)*3 + x-1
    Series->FillGridIndex();
    // The corners: (row, col), (row + step, col), (row + step, col + step), (row, col + step).
    struct Case {
        int RowStep, ColumnStep, Row, Column;
        std::array<int, 4> Corners;
    } cases[] = {
        {1, 1, 1, 1, {0, 1, 4, 3}},
        {-1, 1, 2, 1, {1, 0, 3, 4}},
        {1, -1, 1, 2, {3, 4, 1, 0}},
        {-1, -1, 3, 3, {8, 7, 4, 5}},
    };
    for (const Case& c : cases) {
        Series->CellRowStep = c.RowStep;
        Series->CellColumnStep = c.ColumnStep;
        EXPECT_TRUE(Series->GetCellIndices(c.Row, c.Column));
        EXPECT_EQ(Series->CellIndex, c.Corners) << c.RowStep << " " << c.ColumnStep;
    }
    Series->CellRowStep = Series->CellColumnStep = 1;
    EXPECT_FALSE(Series->GetCellIndices(3, 1));  // row 4 does not exist
    EXPECT_FALSE(Series->GetCellIndices(0, 1));
}

TEST_F(GridSeriesTest, FillGridValuesRunsZOuterAndXInner) {
    std::vector<std::pair<int, int>> asked;
    Series->OnGetYValue = [&](TChartSeries&, int x, int z) {
        asked.emplace_back(x, z);
        return x * 10.0 + z;
    };
    Series->FillGridValues(3, 2);
    EXPECT_EQ(asked,
              (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}}));
    ASSERT_EQ(Series->Count(), 6);
    EXPECT_EQ(Series->XValues()[4], 2);
    EXPECT_EQ(Series->ZValues()[4], 2);
    EXPECT_EQ(Series->YValues()[4], 22);
    EXPECT_EQ(Series->NumXValues(), 3);
    EXPECT_EQ(Series->NumZValues(), 2);
    EXPECT_EQ(int(Series->Palette().size()), Series->PaletteSteps());
    // A new size regenerates the grid through the same function.
    Series->SetNumZValues(4);
    EXPECT_EQ(Series->Count(), 12);
    // The index is rebuilt before drawing: X on 1 .. 3 is off the grid's zero.
    Series->PrepareForChartDraw();
    EXPECT_TRUE(Series->XOffGrid);
    EXPECT_EQ(Series->GridIndex(3, 4), 11);
}

TEST_F(GridSeriesTest, WithoutAYFunctionNothingIsGenerated) {
    Series->AddXYZValues(1, 1, 1);
    Series->FillGridValues(4, 4);
    EXPECT_EQ(Series->Count(), 1);
    Series->SetNumXValues(10);  // unchanged: nothing happens
    EXPECT_EQ(Series->Count(), 1);
    Series->SetNumXValues(5);  // changed: cleared, and nothing to add
    EXPECT_EQ(Series->Count(), 0);
    EXPECT_EQ(Series->NumXValues(), 5);
    EXPECT_EQ(Series->GridYValue(3, 3), 0);
}

TEST_F(GridSeriesTest, SampleValuesAreAGridOfTheSampleSurface) {
    Series->FillSampleValues(25);
    ASSERT_EQ(Series->Count(), 625);
    EXPECT_EQ(Series->NumXValues(), 25);
    EXPECT_FALSE(Series->SampleValuesWanted);
    // Point 26 is x 2, z 2 of the 25 x 25 grid.
    const double cx = std::cos(2 / 5.0), cz = std::cos(2 / 5.0);
    EXPECT_NEAR(Series->YValues()[26], 0.5 * cx * cx + cz * cz - std::cos(2 / 12.5), 1e-12);
    EXPECT_EQ(Series->XValues()[26], 2);
    EXPECT_EQ(Series->ZValues()[26], 2);
}

TEST_F(GridSeriesTest, LoadFromAnotherGridSeriesTakesItsSizeAndIndex) {
    auto* source = new TCustom3DGridSeries(&Form);
    source->FillSampleValues(4);
    Series->LoadFromSeries(*source);
    EXPECT_EQ(Series->Count(), 16);
    EXPECT_EQ(Series->NumXValues(), 4);
    EXPECT_EQ(Series->GridIndex(4, 4), 15);
    EXPECT_TRUE(Series->AcceptsAsSource(source));
    EXPECT_FALSE(Series->AcceptsAsSource(new TTestSeries(&Form)));
}

}  // namespace
