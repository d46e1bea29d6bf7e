// The arrow and bubble series: arrows as lines in 2-D and filled outlines in 3-D, nothing for a
// zero-length arrow, heads no longer than the arrow, axes over both ends; bubbles sized by their
// own radius (0 allowed), round or stretched across, axes over their tops and bottoms, and hits
// within each bubble's own shape.
#include <gtest/gtest.h>

#include "chart/engine/ChartAxis.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/series/xy/ArrowSeries.h"
#include "chart/series/xy/BubbleSeries.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

constexpr int ArrowPX(double v) { return 100 + int(v); }
constexpr int ArrowPY(double v) { return 280 - int(v); }

class ArrowSeriesTest : public PriceChartFixture {
protected:
    ArrowSeriesTest() {
        Arrows = Add<TArrowSeries>();
        Arrows->SetSeriesColor(clBlue);
    }
    TArrowSeries* Arrows;
};

TEST_F(ArrowSeriesTest, TwoDArrowsAreLinesInTheirColour) {
    Arrows->AddArrow(100, 100, 200, 100, {}, clRed);  // rightwards, 100 pixels
    Arrows->SetArrowWidth(10);
    Arrows->SetArrowHeight(8);
    DrawPoints(*Arrows);
    EXPECT_EQ(Ops(),
              (std::vector<std::string>{"MoveTo 200 180", "LineTo 300 180", "MoveTo 300 180",
                                        "LineTo 292 185", "MoveTo 300 180", "LineTo 292 175"}));
    EXPECT_EQ(CallsOf("LineTo")[0].PenColor, clRed);
}

TEST_F(ArrowSeriesTest, ZeroLengthAndShortArrows) {
    Arrows->AddArrow(100, 100, 100, 100);  // start = end: nothing
    Arrows->AddArrow(300, 100, 303, 100);  // 3 pixels, shorter than the head
    Arrows->SetArrowHeight(12);
    Arrows->SetArrowWidth(8);
    DrawPoints(*Arrows);
    const std::vector<std::string> ops = Ops();
    ASSERT_EQ(ops.size(), 6u);
    EXPECT_EQ(ops[0], "MoveTo 400 180");
    // The head's base lies at the start: the head is as long as the arrow.
    EXPECT_EQ(ops[3], "LineTo 400 184");
    EXPECT_EQ(ops[5], "LineTo 400 176");
}

TEST_F(ArrowSeriesTest, ThreeDArrowsAreFilledWithTheShaftPercent) {
    Chart->SetView3D(true);
    Chart->View3DOptions()->SetOrthogonal(true);
    Chart->View3DOptions()->SetPerspective(0);
    Arrows->AddArrow(100, 100, 300, 100);
    Arrows->SetArrowWidth(20);
    Arrows->SetArrowPercent(50);
    DrawPoints(*Arrows);
    const std::vector<TCanvas3DCall> polygons = CallsOf("Polygon");
    ASSERT_EQ(polygons.size(), 1u);
    ASSERT_EQ(polygons[0].Args.size(), 14u);
    // The shaft is 20 x 50 % = 10 pixels wide; the head's base 20.
    EXPECT_EQ(std::abs(polygons[0].Args[1] - polygons[0].Args[3]), 10);
    EXPECT_EQ(std::abs(polygons[0].Args[7] - polygons[0].Args[11]), 20);
}

TEST_F(ArrowSeriesTest, AxesCoverBothEndsAndClicksFindTheShaft) {
    Arrows->AddArrow(200, 50, 20, 240);  // ends left of and above every start
    Arrows->AddArrow(300, 100, 400, 100);
    EXPECT_EQ(Arrows->GetMinXValue(), 20);
    EXPECT_EQ(Arrows->GetMaxXValue(), 400);
    EXPECT_EQ(Arrows->GetMinYValue(), 50);
    EXPECT_EQ(Arrows->GetMaxYValue(), 240);
    Draw();
    struct Case {
        int x, y, expected;
    };
    const Case cases[] = {
        {ArrowPX(350), ArrowPY(100), 1},      // mid-shaft, far from the start
        {ArrowPX(350), ArrowPY(100) - 2, 1},  // within the pen's width + 1
        {ArrowPX(350), ArrowPY(100) - 4, -1},
        {ArrowPX(110), ArrowPY(145), 0},  // halfway along the first arrow
    };
    for (const Case& c : cases) EXPECT_EQ(Arrows->ValueIndexAt(c.x, c.y), c.expected) << c.y;
}

class BubbleSeriesTest : public PriceChartFixture {
protected:
    BubbleSeriesTest() { Bubbles = Add<TBubbleSeries>(); }
    TBubbleSeries* Bubbles;
};

TEST_F(BubbleSeriesTest, EachBubbleTakesItsOwnRadius) {
    Bubbles->AddBubble(100, 100, 20, {}, clRed);
    Bubbles->AddBubble(300, 150, 5, {}, clBlue);
    Bubbles->AddBubble(400, 150, 0);
    Bubbles->Pointer()->SetDraw3D(false);
    DrawPoints(*Bubbles);
    const std::vector<std::string> ellipses = Ops({"Ellipse"});
    ASSERT_EQ(ellipses.size(), 3u);
    EXPECT_EQ(ellipses[0], "Ellipse 180 160 220 200");
    EXPECT_EQ(ellipses[1], "Ellipse 395 125 405 135");
    EXPECT_EQ(ellipses[2], "Ellipse 500 130 500 130");  // radius 0: no size
    EXPECT_EQ(CallsOf("Ellipse")[0].BrushColor, clRed);
    EXPECT_EQ(Bubbles->Pointer()->VertSize(), 0);  // stored unchecked
}

TEST_F(BubbleSeriesTest, SquaredOffMeasuresAcrossOnTheHorizontalAxis) {
    Bubbles->AddBubble(100, 100, 20);
    Bubbles->SetSquared(false);
    Chart->BottomAxis()->SetLimits(0, 300);  // twice the pixels per value across
    Bubbles->Pointer()->SetDraw3D(false);
    DrawPoints(*Bubbles);
    const std::vector<TCanvas3DCall> e = CallsOf("Ellipse");
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].Args[2] - e[0].Args[0], 80);
    EXPECT_EQ(e[0].Args[3] - e[0].Args[1], 40);
}

TEST_F(BubbleSeriesTest, VerticalRangeCoversEveryBubble) {
    Bubbles->AddBubble(100, 100, 30);
    Bubbles->AddBubble(200, 10, 25);
    EXPECT_EQ(Bubbles->GetMaxYValue(), 130);
    EXPECT_EQ(Bubbles->GetMinYValue(), -15);
    EXPECT_EQ(Bubbles->GetMaxXValue(), 200);  // the horizontal range does not grow
    EXPECT_EQ(Bubbles->GetMaxZValue(), 30);
    EXPECT_EQ(Bubbles->GetMinZValue(), -30);
}

TEST_F(BubbleSeriesTest, HitsWithinEachBubblesOwnShape) {
    Bubbles->AddBubble(100, 100, 20);
    Bubbles->AddBubble(300, 100, 4);
    Draw();
    Bubbles->ComputeVisibleRange();
    struct Case {
        TSeriesPointerStyle style;
        int dx, dy;  // from the big bubble's centre
        bool hit;
    };
    const Case cases[] = {
        {psCircle, 15, 0, true},        {psCircle, 15, 15, false},  // outside the round
        {psRectangle, 15, 15, true},    {psRectangle, 20, 0, false},
        {psTriangle, 0, -15, true},     {psTriangle, 15, -15, false},
        {psDownTriangle, 0, 15, true},  {psDownTriangle, 15, 15, false},
        {psDiamond, 8, 8, true},        {psDiamond, 15, 15, false},
        {psLeftTriangle, -15, 0, true}, {psLeftTriangle, -15, 15, false},
        {psRightTriangle, 15, 0, true}, {psRightTriangle, 15, 15, false},
        {psNothing, 3, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        Bubbles->Pointer()->SetStyle(c.style);
        const int found = Bubbles->ValueIndexAt(ArrowPX(100) + c.dx, ArrowPY(100) + c.dy);
        EXPECT_EQ(found, c.hit ? 0 : -1) << c.dx << " " << c.dy;
    }
    // The small bubble's own radius, not the last one prepared.
    Bubbles->Pointer()->SetStyle(psCircle);
    EXPECT_EQ(Bubbles->ValueIndexAt(ArrowPX(300) + 10, ArrowPY(100)), -1);
    EXPECT_EQ(Bubbles->ValueIndexAt(ArrowPX(300) + 3, ArrowPY(100)), 1);
}

}  // namespace
