#include <gtest/gtest.h>

#include <vector>

#include "chart/engine/ChartSeries.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/LibraryTexts.h"

namespace {

class ChartSeriesPointsTest : public ::testing::Test {
protected:
    void SetUp() override { LoadCoreTexts(); }
    TChartSeries Series{nullptr};
    std::vector<std::pair<TLinkedSeriesChange, int>> Changes;
    void Record() {
        Series.OnLinkedChange = [this](TChartSeries&, TLinkedSeriesChange kind, int index) {
            Changes.push_back({kind, index});
        };
    }
};

TEST_F(ChartSeriesPointsTest, XDecidesThePlaceAndYFollows) {
    // A list the series type adds follows at the same index from its pending slot.
    auto* z = new TChartValueList(&Series, "Z");
    z->TempValue = 9;
    EXPECT_EQ(Series.AddXYPoint(5, 1), 0);
    EXPECT_EQ(Series.AddXYPoint(3, 2), 0);
    EXPECT_EQ(Series.AddXYPoint(5, 3), 2);  // behind the equal X
    EXPECT_EQ(Series.XValues()[0], 3);
    EXPECT_EQ(Series.YValues()[0], 2);
    EXPECT_EQ(Series.YValues()[1], 1);
    EXPECT_EQ(Series.YValues()[2], 3);
    z->TempValue = 8;
    EXPECT_EQ(Series.AddXYPoint(4, 0), 1);
    EXPECT_EQ((*z)[1], 8);
    EXPECT_EQ((*z)[0], 9);
    EXPECT_EQ(Series.ValueLists().Count(), 3);
}

TEST_F(ChartSeriesPointsTest, AddValueByOrientation) {
    Series.AddValue(7);
    Series.AddValue(8);
    EXPECT_EQ(Series.XValues()[1], 1);
    EXPECT_EQ(Series.YValues()[1], 8);
    TChartSeries horizontal(nullptr);
    horizontal.MakeXMandatory();
    horizontal.XValues().SetOrder(loNone);
    horizontal.AddValue(7);
    horizontal.AddValue(3);
    EXPECT_EQ(horizontal.XValues()[1], 3);
    EXPECT_EQ(horizontal.YValues()[1], 1);
    EXPECT_EQ(horizontal.MandatoryValue(0), 7);
}

TEST_F(ChartSeriesPointsTest, NullPointsAndColoursCreatedOnlyWhenNeeded) {
    Series.SetSeriesColor(clRed);
    Series.AddY(1);
    Series.SetPointColor(0, clDefault);
    EXPECT_FALSE(Series.HasPointColors());
    Series.DefaultNullValue = -1;
    EXPECT_EQ(Series.AddNullPoint("gap"), 1);
    ASSERT_TRUE(Series.HasPointColors());
    EXPECT_EQ(Series.StoredPointColor(0), clDefault);
    EXPECT_TRUE(Series.IsNullValue(1));
    EXPECT_FALSE(Series.IsNullValue(0));
    EXPECT_EQ(Series.YValues()[1], -1);
    EXPECT_EQ(Series.PointLabel(1), "gap");
    EXPECT_EQ(Series.ValueColor(0), clRed);
    Series.SetColorEachPoint(true);
    EXPECT_EQ(Series.ValueColor(0), DefaultColorAt(0));

    Series.DeleteRange(0, 2);  // the colour list goes with its last entry
    EXPECT_FALSE(Series.HasPointColors());
}

TEST_F(ChartSeriesPointsTest, BeforeAddMayRefuseAndAfterAddIsTold) {
    std::vector<int> added;
    Series.OnAfterAdd = [&](TChartSeries&, int index) { added.push_back(index); };
    Series.OnBeforeAdd = [](TChartSeries& s) { return s.XValues().TempValue >= 0; };
    EXPECT_EQ(Series.AddXYPoint(-1, 0), -1);
    EXPECT_EQ(Series.Count(), 0);
    EXPECT_EQ(Series.AddXYPoint(2, 0), 0);
    EXPECT_EQ(added, std::vector<int>{0});
}

TEST_F(ChartSeriesPointsTest, DeleteChecksTheIndexWithTheLibraryText) {
    for (double v : {1.0, 2.0, 3.0}) Series.AddY(v, "p");
    for (int bad : {-1, 3}) {
        try {
            Series.Delete(bad);
            ADD_FAILURE() << bad;
        } catch (const ChartException& e) {
            EXPECT_EQ(e.Message(), "Series Delete: ValueIndex " + std::to_string(bad) +
                                       " out of bounds (0 to 2).");
        }
    }
    EXPECT_EQ(Series.Count(), 3);
    Record();
    Series.Delete(1);
    EXPECT_EQ(Series.Count(), 2);
    EXPECT_EQ(Series.YValues()[1], 3);
    EXPECT_EQ(Changes.back(), std::make_pair(lscDeleted, 1));
}

TEST_F(ChartSeriesPointsTest, DeleteRangeIsClampedAndKeepsListsTogether) {
    for (double v : {10.0, 11.0, 12.0, 13.0}) Series.AddY(v);
    Series.SetPointColor(3, clBlue);
    Series.SetPointLabel(3, "last");
    Record();
    Series.DeleteRange(1, 100, true);  // more than there are
    EXPECT_EQ(Series.Count(), 1);
    EXPECT_EQ(Series.YValues().Count(), 1);
    EXPECT_FALSE(Series.HasPointColors() && Series.StoredPointColor(1) != clDefault);
    EXPECT_EQ(Series.Labels().Count(), 1);  // the padding entry before the deleted ones
    EXPECT_EQ(Series.PointLabel(0), "");
    EXPECT_EQ(Changes.front(), std::make_pair(lscDeleted, -1));
    EXPECT_EQ(Changes.back(), std::make_pair(lscModified, 0));  // the renumbering
    Series.DeleteRange(5, 1);                                   // beyond the end: nothing
    EXPECT_EQ(Series.Count(), 1);
}

TEST_F(ChartSeriesPointsTest, UpdatesHoldBackNoticesUntilTheLastEnd) {
    Record();
    Series.BeginUpdate();
    Series.BeginUpdate();
    Series.AddY(1);
    Series.EndUpdate();
    EXPECT_TRUE(Changes.empty());
    Series.EndUpdate();
    ASSERT_EQ(Changes.size(), 1u);
    EXPECT_EQ(Changes[0].first, lscFull);
    Series.EndUpdate();  // without BeginUpdate: nothing
    EXPECT_EQ(Changes.size(), 1u);
}

TEST_F(ChartSeriesPointsTest, SortByLabelsMovesWholePointsAndRenumbers) {
    Series.AddY(1, "b");
    Series.AddY(2, "a");
    Series.AddY(3, "c");
    Series.SetPointColor(2, clGreen);
    Series.SortByLabels(loDescending);
    EXPECT_EQ(Series.PointLabel(0), "c");
    EXPECT_EQ(Series.YValues()[0], 3);
    EXPECT_EQ(Series.StoredPointColor(0), clGreen);
    EXPECT_EQ(Series.PointLabel(2), "a");
    EXPECT_EQ(Series.XValues()[2], 2);  // positions renumbered
    Series.Clear();
    EXPECT_EQ(Series.Count(), 0);
    EXPECT_FALSE(Series.HasPointColors());
}

TEST(LabelsListTest, ShortListsPadAndEmptyTextsEmpty) {
    TLabelsList labels;
    labels.InsertLabel(0, "");  // nothing while the list is empty
    EXPECT_EQ(labels.Count(), 0);
    labels.SetLabel(5, "a");
    EXPECT_EQ(labels.Count(), 6);
    EXPECT_EQ(labels.Label(5), "a");
    EXPECT_EQ(labels.Label(9), "");
    labels.SetLabel(5, "");
    EXPECT_EQ(labels.Count(), 6);
    EXPECT_EQ(labels.Label(5), "");
    labels.InsertLabel(8, "x");
    EXPECT_EQ(labels.Count(), 9);
    EXPECT_EQ(labels.FindLabel("X", false), 8);
    EXPECT_EQ(labels.FindLabel("X"), -1);
    labels.DeleteRange(7, 10);
    EXPECT_EQ(labels.Count(), 7);
}

}  // namespace
