// The chart grid's columns, texts and stores, without a window.
#include <gtest/gtest.h>

#include <memory>

#include "chart/editors/ChartGridModel.h"
#include "chart/engine/Chart.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/grid3d/Custom3DSeries.h"
#include "platform/rtl/DateTimeFormat.h"

namespace {

// A null point is one whose own colour is clNone.
bool IsNull(const TChartSeries& s, int index) { return s.StoredPointColor(index) == clNone; }

class ChartGridModelTest : public ::testing::Test {
protected:
    TLineSeries* AddLine(std::initializer_list<double> ys, std::initializer_list<double> xs = {}) {
        auto* s = new TLineSeries(&Owner);
        Chart->AddSeries(s);
        auto x = xs.begin();
        double i = 0;
        for (double y : ys) s->AddXYPoint(x != xs.end() ? *x++ : i++, y);
        return s;
    }
    TComponent Owner{nullptr};
    TChart* Chart = new TChart(&Owner);
    TChartGridModel Grid;
};

TEST_F(ChartGridModelTest, TwoSeriesSideBySideWithLabels) {
    TLineSeries* a = AddLine({1, 2, 3, 4, 5});
    TLineSeries* b = AddLine({10, 20, 30});
    a->SetPointLabel(1, "one");
    Grid.Bind(Chart, nullptr);
    // Index, "Text", one Y column per series (X is 0, 1, 2 ... and not shown).
    ASSERT_EQ(Grid.ColCount(), 4);
    EXPECT_EQ(Grid.RowCount(), 2 + 5);
    EXPECT_EQ(Grid.CellText(0, 1), "#");
    EXPECT_EQ(Grid.CellText(1, 1), "Text");
    EXPECT_EQ(Grid.CellText(2, 1), "Y");
    EXPECT_EQ(Grid.CellText(2, 0), "");
    EXPECT_EQ(Grid.CellText(0, 2), "0");
    EXPECT_EQ(Grid.CellText(1, 3), "one");
    EXPECT_EQ(Grid.CellText(2, 6), "5");
    EXPECT_EQ(Grid.CellText(3, 4), "30");
    EXPECT_EQ(Grid.CellText(3, 5), "");  // the second series ends at its third point

    TChartValueList* list = nullptr;
    EXPECT_EQ(Grid.SeriesOfColumn(3, &list), b);
    EXPECT_EQ(list, &b->YValues());
    EXPECT_EQ(Grid.SeriesOfColumn(1, &list), a);  // the labels column: no list
    EXPECT_EQ(list, nullptr);
    EXPECT_EQ(Grid.SeriesOfColumn(4), nullptr);
}

TEST_F(ChartGridModelTest, ColumnMappingFollowsLabelsColoursAndX) {
    TLineSeries* a = AddLine({1, 2, 3}, {0, 2, 5});  // explicit X
    TLineSeries* b = AddLine({4, 5, 6});             // 0, 1, 2
    auto* z = new TCustom3DSeries(&Owner);           // X, Y and Z lists
    Chart->AddSeries(z);
    z->AddXYZValues(0, 1, 2);
    struct Case {
        bool labels, colors;
        TChartGridShow showX;
        int colCount;
        int col;
        TChartSeries* series;
        const char* list;
    };
    const Case cases[] = {
        // a shows X under cgsAuto (0, 2, 5), b does not; z (0 only) neither.
        {true, false, cgsAuto, 1 + 1 + 2 + 1 + 2, 2, a, "X"},
        {true, false, cgsAuto, 7, 3, a, "Y"},
        {true, false, cgsAuto, 7, 4, b, "Y"},
        {true, false, cgsAuto, 7, 5, z, "Y"},
        {true, false, cgsAuto, 7, 6, z, "Z"},
        {false, false, cgsAuto, 6, 1, a, "X"},
        {true, true, cgsAuto, 8, 1, nullptr, ""},  // colours column
        {true, true, cgsAuto, 8, 3, a, "X"},
        {true, true, cgsNo, 8 - 1, 3, a, "Y"},
        {true, true, cgsYes, 8 + 2, 5, b, "X"},
        {true, true, cgsYes, 10, 9, z, "Z"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "labels " << c.labels << " colours " << c.colors
                                        << " showX " << c.showX << " col " << c.col);
        Grid.ShowLabels = c.labels;
        Grid.ShowColors = c.colors;
        Grid.ShowXValues = c.showX;
        Grid.Bind(Chart, nullptr);
        EXPECT_EQ(Grid.ColCount(), c.colCount);
        TChartValueList* list = nullptr;
        EXPECT_EQ(Grid.SeriesOfColumn(c.col, &list), c.series);
        EXPECT_EQ(list ? list->Name() : std::string(), c.list);
    }
}

TEST_F(ChartGridModelTest, HorizontalSeriesLeavesOutItsPositions) {
    TLineSeries* s = AddLine({});
    s->MakeXMandatory();
    s->AddXYPoint(7, 0);
    s->AddXYPoint(8, 1);
    Grid.ShowLabels = false;
    Grid.Bind(nullptr, s);
    ASSERT_EQ(Grid.ColCount(), 2);
    TChartValueList* list = nullptr;
    EXPECT_EQ(Grid.SeriesOfColumn(1, &list), s);
    EXPECT_EQ(list, &s->XValues());
    EXPECT_EQ(Grid.CellText(1, 3), "8");
}

TEST_F(ChartGridModelTest, OneHeaderRowPutsTheIndexMarkInRowZero) {
    AddLine({1, 2});
    Grid.TwoHeaderRows = false;
    Grid.Bind(Chart, nullptr);
    EXPECT_EQ(Grid.RowCount(), 1 + 2);
    EXPECT_EQ(Grid.CellText(0, 0), "#");
    EXPECT_EQ(Grid.CellText(2, 0), "");  // the header is drawn, not written
    EXPECT_EQ(Grid.CellText(2, 1), "1");
}

TEST_F(ChartGridModelTest, DateTimeListsShowTimeBelowOneDay) {
    TLineSeries* s = AddLine({0.5, 2.5});
    s->YValues().SetDateTime(true);
    Grid.Bind(nullptr, s);
    EXPECT_EQ(Grid.CellText(2, 2), TimeToStr(0.5));
    EXPECT_EQ(Grid.CellText(2, 3), DateTimeToStr(2.5));
}

TEST_F(ChartGridModelTest, TypingBeyondTheEndAppendsNullPointsThenARealOne) {
    TLineSeries* s = AddLine({1, 2});
    Grid.Bind(nullptr, s);
    EXPECT_EQ(Grid.StoreText(2, 2 + 4, "1.5", false), TChartGridModel::srStored);
    ASSERT_EQ(s->Count(), 5);
    EXPECT_TRUE(IsNull(*s, 2));
    EXPECT_TRUE(IsNull(*s, 3));
    EXPECT_FALSE(IsNull(*s, 4));
    EXPECT_EQ(s->YValues()[4], 1.5);
    EXPECT_EQ(s->XValues()[4], 4);
    EXPECT_TRUE(s->DataEnteredByHand);
    Grid.Recalc();
    EXPECT_EQ(Grid.RowCount(), 2 + 5);

    // An empty text makes the point null only once the editor closes; the value stays.
    EXPECT_EQ(Grid.StoreText(2, 2, "", false), TChartGridModel::srStored);
    EXPECT_FALSE(IsNull(*s, 0));
    Grid.StoreText(2, 2, "", true);
    EXPECT_TRUE(IsNull(*s, 0));
    EXPECT_EQ(s->YValues()[0], 1);
    // Typing into it again makes it real.
    Grid.StoreText(2, 2, "3", false);
    EXPECT_FALSE(IsNull(*s, 0));
    EXPECT_EQ(s->YValues()[0], 3);
}

TEST_F(ChartGridModelTest, RejectedTextChangesNothing) {
    TLineSeries* s = AddLine({1, 2});
    Grid.Bind(nullptr, s);
    EXPECT_EQ(Grid.StoreText(2, 2 + 5, "abc", false), TChartGridModel::srRejected);
    EXPECT_EQ(s->Count(), 2);
    EXPECT_EQ(Grid.StoreText(2, 3, "abc", true), TChartGridModel::srRejected);
    EXPECT_EQ(s->YValues()[1], 2);
    EXPECT_FALSE(IsNull(*s, 1));
    EXPECT_FALSE(s->DataEnteredByHand);
}

TEST_F(ChartGridModelTest, LabelsGoToEverySeriesInChartMode) {
    TLineSeries* a = AddLine({1});
    TLineSeries* b = AddLine({1, 2, 3});
    Grid.Bind(Chart, nullptr);
    Grid.StoreText(1, 2 + 2, "third", false);
    EXPECT_EQ(a->Count(), 3);  // padded with null points
    EXPECT_TRUE(IsNull(*a, 2));
    EXPECT_EQ(a->PointLabel(2), "third");
    EXPECT_EQ(b->PointLabel(2), "third");
    EXPECT_EQ(Grid.CellText(1, 4), "third");
}

TEST_F(ChartGridModelTest, InsertDeleteAndAppendRows) {
    TLineSeries* a = AddLine({1, 2, 3});
    TLineSeries* b = AddLine({5}, {10});  // shows X
    Grid.Bind(Chart, nullptr);
    Grid.InsertRow();
    ASSERT_EQ(a->Count(), 4);
    EXPECT_TRUE(IsNull(*a, 3));
    EXPECT_EQ(a->XValues()[3], 3);
    EXPECT_EQ(a->YValues()[3], 0);
    ASSERT_EQ(b->Count(), 2);  // X = 1 goes before X = 10
    EXPECT_EQ(b->XValues()[0], 1);
    EXPECT_TRUE(IsNull(*b, 0));
    EXPECT_EQ(Grid.RowCount(), 2 + 4);

    // Deleting point 1: a's positions are renumbered, b's (shown) are kept.
    Grid.DeleteRow(2 + 1);
    ASSERT_EQ(a->Count(), 3);
    EXPECT_EQ(a->YValues()[1], 3);
    EXPECT_EQ(a->XValues()[1], 1);
    EXPECT_EQ(a->XValues()[2], 2);
    ASSERT_EQ(b->Count(), 1);
    EXPECT_EQ(b->XValues()[0], 1);
    EXPECT_TRUE(IsNull(*b, 0));
    EXPECT_EQ(Grid.RowCount(), 2 + 3);

    // A row past b's points deletes from a only.
    Grid.DeleteRow(2 + 2);
    EXPECT_EQ(a->Count(), 2);
    EXPECT_EQ(b->Count(), 1);

    // Appending goes to the series of the column, the colours column meaning the next.
    Grid.ShowColors = true;
    Grid.Recalc();
    EXPECT_TRUE(Grid.AppendRow(1));
    EXPECT_EQ(a->Count(), 3);
    EXPECT_TRUE(IsNull(*a, 2));
    EXPECT_FALSE(Grid.AppendRow(0));
}

TEST_F(ChartGridModelTest, ColoursColumnReadsAndStoresPointColours) {
    TLineSeries* s = AddLine({1, 2});
    s->SetPointColor(1, clRed);
    Grid.ShowColors = true;
    Grid.Bind(nullptr, s);
    TColor c = clBlack;
    EXPECT_EQ(Grid.ColorOfCell(1, 3, c), s);
    EXPECT_EQ(c, clRed);
    EXPECT_EQ(Grid.ColorOfCell(1, 4, c), nullptr);  // past the points
    EXPECT_EQ(c, clNone);
    EXPECT_EQ(Grid.ColorOfCell(2, 3, c), nullptr);  // not the colours column
    EXPECT_EQ(Grid.CellText(1, 1), "Colors");
    Grid.SetPointColor(s, 2, clGreen);
    EXPECT_EQ(s->StoredPointColor(0), clGreen);
    EXPECT_TRUE(s->DataEnteredByHand);
}

TEST_F(ChartGridModelTest, NothingBoundShowsOneEmptyRow) {
    Grid.Bind(nullptr, nullptr);
    EXPECT_EQ(Grid.ColCount(), 2);
    EXPECT_EQ(Grid.RowCount(), 3);
    EXPECT_FALSE(Grid.HasPoints());
    EXPECT_EQ(Grid.StoreText(2, 2, "1", false), TChartGridModel::srNoSeries);
}

}  // namespace

namespace {

TEST_F(ChartGridModelTest, Grid3DShowsXColumnsByZRows) {
    auto* s = new TCustom3DSeries(&Owner);
    Chart->AddSeries(s);
    AddLine({1});  // only the first series with Z values is shown
    // Points in scrambled order; the second at (2, 3) is hidden behind the first.
    for (int z = 4; z >= 1; --z)
        for (int x = 1; x <= 4; ++x) s->AddXYZValues(x, 10 * x + z, z);
    s->AddXYZValues(2, 99, 3);
    Grid.ShowColors = true;
    Grid.Grid3DMode = true;
    Grid.Bind(Chart, nullptr);
    EXPECT_EQ(Grid.FirstZSeries(), s);
    EXPECT_EQ(Grid.ColCount(), 5);
    EXPECT_EQ(Grid.RowCount(), 6);
    EXPECT_FALSE(Grid.ShowColors);
    EXPECT_EQ(Grid.CellText(0, 1), "#");
    EXPECT_EQ(Grid.CellText(3, 1), "3");  // X of the column
    EXPECT_EQ(Grid.CellText(0, 4), "3");  // Z of the row
    for (int c = 1; c <= 4; ++c)
        for (int r = 1; r <= 4; ++r)
            EXPECT_EQ(Grid.CellText(c, 1 + r), std::to_string(10 * c + r)) << c << "," << r;
    // Typing goes to the cell's point; a letter is refused.
    EXPECT_EQ(Grid.StoreText(2, 4, "5.5", false), TChartGridModel::srStored);
    EXPECT_EQ(s->YValues()[Grid.FindGridPoint(2, 4)], 5.5);
    EXPECT_EQ(Grid.StoreText(2, 4, "x", false), TChartGridModel::srRejected);
    EXPECT_EQ(Grid.CellText(2, 4), "5.5");
    EXPECT_FALSE(Grid.AppendRow(1));
}

TEST_F(ChartGridModelTest, Grid3DCellWithoutAPointStoresNothing) {
    auto* s = new TCustom3DSeries(&Owner);
    Chart->AddSeries(s);
    s->AddXYZValues(5, 1, 7);
    s->AddXYZValues(6, 2, 8);  // (5, 8) and (6, 7) have no point
    Grid.Grid3DMode = true;
    Grid.Bind(nullptr, s);
    EXPECT_EQ(Grid.CellText(1, 1), "5");
    EXPECT_EQ(Grid.CellText(0, 3), "8");
    EXPECT_EQ(Grid.CellText(1, 2), "1");
    EXPECT_EQ(Grid.CellText(1, 3), "");
    EXPECT_EQ(Grid.StoreText(1, 3, "4", false), TChartGridModel::srNoSeries);
    EXPECT_EQ(s->Count(), 2);
}

}  // namespace

namespace {

TEST_F(ChartGridModelTest, TypingIntoAnEmptyChartAddsABarSeriesWhenAllowed) {
    Grid.Bind(Chart, nullptr);
    EXPECT_EQ(Grid.StoreText(1, 2, "first", false), TChartGridModel::srNoSeries);
    EXPECT_EQ(Chart->SeriesCount(), 0);
    Grid.AllowInsertSeries = true;
    EXPECT_EQ(Grid.StoreText(1, 2 + 1, "second", false), TChartGridModel::srStored);
    ASSERT_EQ(Chart->SeriesCount(), 1);
    TChartSeries* bar = Chart->GetSeries(0);
    EXPECT_EQ(bar->ClassName(), "TBarSeries");
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->PointLabel(1), "second");
    EXPECT_TRUE(IsNull(*bar, 0));
    EXPECT_TRUE(bar->DataEnteredByHand);
    EXPECT_EQ(Grid.ColCount(), 3);
}

}  // namespace
