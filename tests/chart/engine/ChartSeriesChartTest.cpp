#include <gtest/gtest.h>

#include "ChartStubs.h"

namespace {

class ChartSeriesChartTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestChartClasses(); }
    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TTestSeries* Series = static_cast<TTestSeries*>(Chart->AddSeries(new TTestSeries(&Form)));
    // The bottom axis over 100 .. 500 pixels showing minimum .. maximum.
    void ShowBottomAxis(double minimum, double maximum) {
        Chart->SetChartRect(TRect{100, 100, 500, 500});
        Chart->BottomAxis()->SetLimits(minimum, maximum);
        Chart->BottomAxis()->ComputeRange();
        Chart->BottomAxis()->PositionInChart();
    }
};

TEST_F(ChartSeriesChartTest, AxisBindingAndCustomAxes) {
    auto* custom = new TChartAxis(Chart, Chart->CustomAxes());
    custom->SetHorizontal(true);
    EXPECT_EQ(Chart->Axes().Count(), 7);
    Series->SetCustomHorizAxis(custom);
    EXPECT_EQ(Series->HorizAxis(), aCustomHorizAxis);
    EXPECT_EQ(Series->ResolvedHorizAxis(), custom);
    EXPECT_TRUE(Series->UsesAxis(custom));
    EXPECT_FALSE(Series->UsesAxis(Chart->BottomAxis()));
    EXPECT_EQ(Series->ValueListOfAxis(custom), &Series->XValues());
    EXPECT_EQ(Series->ValueListOfAxis(Chart->RightAxis()), nullptr);
    Series->SetHorizAxis(aTopAxis);  // clears the custom axis
    EXPECT_EQ(Series->CustomHorizAxis(), nullptr);
    EXPECT_EQ(Series->ResolvedHorizAxis(), Chart->TopAxis());
    Series->SetCustomHorizAxis(nullptr);
    EXPECT_EQ(Series->HorizAxis(), aBottomAxis);
    Series->SetVertAxis(aBothVertAxis);
    EXPECT_EQ(Series->ResolvedVertAxis(), Chart->LeftAxis());
    EXPECT_TRUE(Series->UsesAxis(Chart->RightAxis()));
    EXPECT_EQ(Series->MandatoryAxis(), Chart->LeftAxis());

    // Freeing a custom axis moves its series back to the standard axis.
    Series->SetCustomVertAxis(custom);
    delete custom;
    EXPECT_EQ(Chart->Axes().Count(), 6);
    EXPECT_EQ(Chart->CustomAxes()->Count(), 0);
    EXPECT_EQ(Series->CustomVertAxis(), nullptr);
    EXPECT_EQ(Series->VertAxis(), aLeftAxis);
    EXPECT_EQ(Series->ResolvedVertAxis(), Chart->LeftAxis());
}

TEST_F(ChartSeriesChartTest, DepthRowsAndRanges) {
    struct {
        int depth, row, front, back, mid;
    } cases[] = {{-1, 2, 20, 30, 25}, {4, 2, 20, 24, 22}, {-1, 0, 0, 10, 5}};
    Chart->DepthRowSize = 10;
    for (auto c : cases) {
        Series->SetDepth(c.depth);
        Series->DrawDepthIndex = c.row;
        Series->ComputeDepthRange();
        EXPECT_EQ(Series->FrontDepth, c.front) << c.depth << " " << c.row;
        EXPECT_EQ(Series->BackDepth, c.back);
        EXPECT_EQ(Series->MidDepth, c.mid);
    }
    // Rows are handed out in 3-D only; an explicit row raises the counter.
    auto* second = Chart->AddSeries(new TTestSeries(&Form));
    Chart->DepthRowCount = -1;
    Chart->SetView3D(true);
    Series->AssignZOrder();
    second->AssignZOrder();
    EXPECT_EQ(Series->DrawDepthIndex, 0);
    EXPECT_EQ(second->DrawDepthIndex, 1);
    second->SetDepthIndex(5);
    second->AssignZOrder();
    EXPECT_EQ(Chart->DepthRowCount, 5);
    EXPECT_EQ(second->GetMaxZValue(), 5);
    Chart->SetView3D(false);
    Series->AssignZOrder();
    EXPECT_EQ(Series->DrawDepthIndex, 0);
}

TEST_F(ChartSeriesChartTest, UpdatesSignalTheChartOnceAtTheLastEnd) {
    Chart->Events.clear();
    Series->BeginUpdate();
    Series->BeginUpdate();
    Series->AddY(1);
    Series->EndUpdate();
    EXPECT_TRUE(Chart->Events.empty());
    Series->EndUpdate();
    EXPECT_EQ(Chart->Events, std::vector<std::string>{"series 6"});
    Chart->SeriesEventsOff = true;
    Series->BeginUpdate();
    Series->EndUpdate();
    EXPECT_EQ(Chart->Events.size(), 1u);
}

TEST_F(ChartSeriesChartTest, SeriesColorIsTheChartsUntilOneIsChosen) {
    const TColor given = Series->SeriesColor();
    Chart->Events.clear();
    Series->SetSeriesColor(given);  // the given one: nothing
    EXPECT_EQ(Series->Color(), clDefault);
    EXPECT_TRUE(Chart->Events.empty());
    Series->SetSeriesColor(clFuchsia);
    EXPECT_EQ(Series->Color(), clFuchsia);
    EXPECT_EQ(Series->DefaultSeriesColor(), clFuchsia);
    EXPECT_EQ(Chart->Events, std::vector<std::string>{"series 3"});
    Series->AddY(1);
    Series->SetColorEachPoint(true);
    Chart->ColorPalette = {clTeal};
    EXPECT_EQ(Series->ValueColor(0), clTeal);
}

TEST_F(ChartSeriesChartTest, VisibleRangeFollowsTheAxisRange) {
    for (int i = 0; i < 10; ++i) Series->AddXYPoint(i, i);
    struct {
        bool inverted, reachesEdge;
        int first, last;
    } cases[] = {
        {false, false, 3, 6}, {false, true, 3, 7}, {true, false, 3, 6}, {true, true, 3, 7}};
    for (auto c : cases) {
        Chart->BottomAxis()->SetInverted(c.inverted);
        ShowBottomAxis(2.5, 6.5);
        Series->ReachesRangeEdge = c.reachesEdge;
        Series->ComputeVisibleRange();
        EXPECT_EQ(Series->FirstInView, c.first) << c.inverted << c.reachesEdge;
        EXPECT_EQ(Series->LastInView, c.last) << c.inverted << c.reachesEdge;
    }
    ShowBottomAxis(20, 30);  // all before the range
    Series->ComputeVisibleRange();
    EXPECT_EQ(Series->FirstInView, -1);
    Series->ClipsToAxisRange = false;
    Series->ComputeVisibleRange();
    EXPECT_EQ(Series->LastInView, 9);
    Series->Clear();
    EXPECT_EQ(Series->FirstInView, -1);
}

TEST_F(ChartSeriesChartTest, PixelsGoThroughTheResolvedAxes) {
    ShowBottomAxis(0, 100);
    Series->AddXYPoint(25, 1);
    EXPECT_EQ(Series->PointXPixel(0), 200);
    EXPECT_EQ(Series->XValueToPixel(100), 500);
    EXPECT_DOUBLE_EQ(Series->PixelToXValue(300), 50);
    EXPECT_EQ(Series->XSizeToPixels(10), 40);
}

TEST_F(ChartSeriesChartTest, PageRangeOfTheChartsCurrentPage) {
    for (int i = 0; i < 12; ++i) Series->AddY(i);
    Chart->Pages()->SetMaxPointsPerPage(5);
    Chart->Pages()->SetCurrent(3);
    EXPECT_EQ(Series->CalcPageRange(), (TPointRange{10, 11}));
    TTestSeries alone(nullptr);
    alone.AddY(1);
    EXPECT_EQ(alone.CalcPageRange(), (TPointRange{0, 0}));
}

TEST_F(ChartSeriesChartTest, SampleValues) {
    Series->AddY(1);
    try {
        Series->FillSampleValues(-1);
        ADD_FAILURE();
    } catch (const ChartException& e) {
        EXPECT_EQ(e.Message(), "FillSampleValues NumValues must be > 0");
    }
    EXPECT_EQ(Series->Count(), 1);  // raised before clearing
    Series->DataEnteredByHand = true;
    Series->FillSampleValues(0);
    EXPECT_EQ(Series->Count(), 25);
    EXPECT_FALSE(Series->DataEnteredByHand);
    for (int i = 0; i < Series->Count(); ++i) {
        EXPECT_GE(Series->YValues()[i], 0);
        EXPECT_EQ(Series->XValues()[i], i);  // renumbered positions 0 .. n-1 in a fresh chart
    }
    Series->NumSampleValues = 7;
    EXPECT_EQ(Series->FillSampleValues().Count(), 7);
    TTestHorizSeries horizontal(nullptr);
    horizontal.FillSampleValues(5);
    EXPECT_EQ(horizontal.YValues().Count(), 5);
    EXPECT_EQ(horizontal.YValues()[4], 4);  // a horizontal series has its positions in Y
}

TEST_F(ChartSeriesChartTest, AssignCrossesXAndYBetweenVerticalAndHorizontal) {
    Series->YValues().SetDateTime(true);
    Series->SetTitle("source");
    Series->SetSeriesStyleFlags(255);
    EXPECT_EQ(Series->SeriesStyleFlags(), 63);
    Series->AddXYPoint(1, 10, "a", clRed);
    Series->AddXYPoint(2, 20, "b");
    Series->DataEnteredByHand = true;

    TTestHorizSeries horizontal(nullptr);
    horizontal.Assign(Series);
    EXPECT_EQ(horizontal.Title(), "source");
    EXPECT_EQ(horizontal.SeriesStyleFlags(), 63);
    EXPECT_TRUE(horizontal.XValues().DateTime());  // the value list's settings cross too
    EXPECT_EQ(horizontal.XValues().Order(), loNone);
    ASSERT_EQ(horizontal.Count(), 2);
    EXPECT_EQ(horizontal.XValues()[1], 20);
    EXPECT_EQ(horizontal.YValues()[1], 2);
    EXPECT_EQ(horizontal.StoredPointColor(0), clRed);
    EXPECT_EQ(horizontal.PointLabel(1), "b");
    EXPECT_TRUE(horizontal.DataEnteredByHand);

    TTestSeries vertical(nullptr);
    vertical.Assign(&horizontal);
    EXPECT_EQ(vertical.XValues()[0], 1);
    EXPECT_EQ(vertical.YValues()[0], 10);
    EXPECT_EQ(vertical.XValues().Order(), loAscending);

    TComponent plain(nullptr);
    EXPECT_THROW(vertical.Assign(&plain), EConvertError);
}

TEST_F(ChartSeriesChartTest, AssignTakesCustomAxesOnlyFromTheSameChart) {
    auto* custom = new TChartAxis(Chart, Chart->CustomAxes());
    Series->SetCustomVertAxis(custom);
    auto* sameChart = Chart->AddSeries(new TTestSeries(&Form));
    sameChart->Assign(Series);
    EXPECT_EQ(sameChart->ResolvedVertAxis(), custom);
    TTestChart other(nullptr);
    TTestSeries elsewhere(nullptr);
    other.AddSeries(&elsewhere);
    elsewhere.Assign(Series);
    EXPECT_EQ(elsewhere.CustomVertAxis(), nullptr);
    EXPECT_EQ(elsewhere.ResolvedVertAxis(), other.LeftAxis());
    other.RemoveSeries(&elsewhere);
}

}  // namespace
