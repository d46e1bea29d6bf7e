// The high-low band and the high-low lines: what each point draws (the stretch arriving at it
// and the vertical line of the point before it), nulls breaking the band, the low brush where
// the high falls below the low, the axes over both lists, and the clicks.
#include <gtest/gtest.h>

#include "chart/foundation/ChartPen.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/series/xy/HighLowLineSeries.h"
#include "chart/series/xy/HighLowSeries.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

// The plot maps value v across to pixel 100 + v and value v up to pixel 280 - v.
constexpr int PX(double v) { return 100 + int(v); }
constexpr int PY(double v) { return 280 - int(v); }

class HighLowSeriesTest : public PriceChartFixture {
protected:
    HighLowSeriesTest() {
        Band = Add<THighLowSeries>();
        Band->SetSeriesColor(clBlue);
        Band->AddHighLow(100, 150, 100);
        Band->AddHighLow(200, 180, 120);
        Band->AddHighLow(300, 160, 140);
    }
    THighLowSeries* Band;
};

TEST_F(HighLowSeriesTest, EachPointDrawsTheStretchBeforeItAndThePreviousVerticalLine) {
    DrawPoints(*Band);
    // Brushes clear (the default): the edges and the vertical lines only.
    EXPECT_EQ(Ops(), (std::vector<std::string>{
                         "MoveTo 200 130", "LineTo 300 100",  // high edge 0-1
                         "MoveTo 200 180", "LineTo 300 160",  // low edge 0-1
                         "MoveTo 200 130", "LineTo 200 180",  // vertical line of point 0
                         "MoveTo 300 100", "LineTo 400 120",  // high edge 1-2
                         "MoveTo 300 160", "LineTo 400 140",  // low edge 1-2
                         "MoveTo 300 100", "LineTo 300 160",  // vertical line of point 1
                         "MoveTo 400 120", "LineTo 400 140",  // the last point's own line
                     }));
}

TEST_F(HighLowSeriesTest, BrushByDirectionNullsAndOnePoint) {
    Band->HighBrush()->SetStyle(bsSolid);
    Band->SetYValueAt(2, 130);  // high below low: the low brush, clear
    Band->SetPointColor(2, clRed);
    DrawPoints(*Band);
    std::vector<TCanvas3DCall> fills = CallsOf("Polygon");
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].Args, (std::vector<int>{PX(100), PY(150), PX(100), PY(100), PX(200), PY(120),
                                               PX(200), PY(180)}));
    EXPECT_EQ(fills[0].BrushColor, clBlue);
    Band->LowBrush()->SetStyle(bsSolid);
    DrawPoints(*Band);
    fills = CallsOf("Polygon");
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[1].BrushColor, clBlue);  // the colour of the point the stretch leaves

    // A null point: neither the stretch arriving at it nor the one leaving it.
    Band->SetPointColor(1, clNone);
    DrawPoints(*Band);
    EXPECT_TRUE(CallsOf("Polygon").empty());
    EXPECT_EQ(CallsOf("LineTo").size(), 1u);  // only the last point's own vertical line

    Band->Clear();
    Band->AddHighLow(100, 150, 100);
    DrawPoints(*Band);
    EXPECT_TRUE(Canvas->Calls().empty());
}

TEST_F(HighLowSeriesTest, In3DTheBandStandsAtTheMiddleDepth) {
    Chart->SetView3D(true);
    Chart->View3DOptions()->SetOrthogonal(true);
    Band->HighBrush()->SetStyle(bsSolid);
    DrawPoints(*Band);
    ASSERT_EQ(CallsOf("Polygon").size(), 2u);
    // The vertical lines stay upright and keep their length.
    const std::vector<TCanvas3DCall> moves = CallsOf("MoveTo"), ends = CallsOf("LineTo");
    ASSERT_EQ(moves.size(), 7u);
    EXPECT_EQ(moves[2].Args[0], ends[2].Args[0]);
    EXPECT_EQ(ends[2].Args[1] - moves[2].Args[1],
              Band->YValueToPixel(100) - Band->YValueToPixel(150));
}

TEST_F(HighLowSeriesTest, TransparentBandIsBlended) {
    Band->HighBrush()->SetStyle(bsSolid);
    Band->SetTransparency(40);
    DrawPoints(*Band);
    EXPECT_EQ(Canvas->Blends, (std::vector<int>{40, 40}));
}

TEST_F(HighLowSeriesTest, AxesCoverBothListsAndClicksFindTheBand) {
    Band->SetYValueAt(1, 90);  // a high below every low
    EXPECT_EQ(Band->GetMinYValue(), 90);
    EXPECT_EQ(Band->GetMaxYValue(), 160);
    Band->SetYValueAt(1, 180);
    Draw();
    Band->ComputeVisibleRange();
    struct Case {
        int x, y, expected;
    };
    const Case cases[] = {
        {PX(150), PY(130), 1},   // inside the first stretch
        {PX(250), PY(150), 2},   // inside the second
        {PX(150), PY(200), -1},  // above the band
        {PX(50), PY(120), -1},   // left of the first point
    };
    for (const Case& c : cases) EXPECT_EQ(Band->ValueIndexAt(c.x, c.y), c.expected) << c.x;
}

class HighLowLineSeriesTest : public PriceChartFixture {
protected:
    HighLowLineSeriesTest() {
        Lines = Add<THighLowLineSeries>();
        Lines->SetSeriesColor(clGreen);
        Lines->AddHighLow(100, 150, 100, {}, clRed);
        Lines->AddHighLow(200, 60, 120);  // the high below the low
    }
    THighLowLineSeries* Lines;
};

TEST_F(HighLowLineSeriesTest, LineAndMarkersPerPoint) {
    DrawPoints(*Lines);
    const std::vector<TCanvas3DCall> lines = CallsOf("LineTo");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].PenColor, clRed);  // the point's colour
    EXPECT_EQ(Ops({"MoveTo", "LineTo"}),
              (std::vector<std::string>{"MoveTo 200 130", "LineTo 200 180", "MoveTo 300 220",
                                        "LineTo 300 160"}));
    // Two rectangles a point, in the series colour, centred on the ends.
    const std::vector<TCanvas3DCall> markers = CallsOf("Rectangle");
    ASSERT_EQ(markers.size(), 4u);
    EXPECT_EQ(markers[0].BrushColor, clGreen);
    EXPECT_EQ((markers[0].Args[0] + markers[0].Args[2]) / 2, PX(100));
    EXPECT_EQ((markers[1].Args[1] + markers[1].Args[3]) / 2, PY(100));

    Lines->HighPointer()->SetVisible(false);
    Lines->LowPointer()->SetVisible(false);
    DrawPoints(*Lines);
    EXPECT_TRUE(CallsOf("Rectangle").empty());
    EXPECT_EQ(CallsOf("LineTo").size(), 2u);
}

TEST_F(HighLowLineSeriesTest, ClicksOnMarkersAndLinesAndMargins) {
    Draw();
    Lines->ComputeVisibleRange();
    EXPECT_EQ(Lines->ValueIndexAt(PX(100) + 3, PY(100) - 3), 0);  // on the low marker
    EXPECT_EQ(Lines->ValueIndexAt(PX(100), PY(120)), 0);          // on the line
    EXPECT_EQ(Lines->ValueIndexAt(PX(100) + 3, PY(120)), -1);     // beside it
    Lines->LowPointer()->SetVisible(false);
    EXPECT_EQ(Lines->ValueIndexAt(PX(100) + 3, PY(100) - 3), -1);

    int left = 0, right = 0;
    Lines->Pen()->SetVisible(false);
    Lines->HighPointer()->SetHorizSize(7);
    Lines->HorizontalMarginsNeeded(left, right);
    EXPECT_EQ(left, 7);
    EXPECT_EQ(right, 7);
    int top = 0, bottom = 0;
    Lines->VerticalMarginsNeeded(top, bottom);
    EXPECT_EQ(top, 4);
    EXPECT_EQ(bottom, 0);  // the low marker is hidden
}

}  // namespace
