// What the candle series draws in each style, 2-D and 3-D, as recorded canvas calls; its legend
// symbol; and which point a click hits in each style.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/series/price/CandleSeries.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

std::string Line(int x0, int y0, int x1, int y1) {
    return "MoveTo " + std::to_string(x0) + " " + std::to_string(y0) + "|LineTo " +
           std::to_string(x1) + " " + std::to_string(y1);
}

class CandleDrawTest : public PriceChartFixture {
protected:
    CandleDrawTest() {
        Series = Add<TCandleSeries>();
        Series->SetCandleWidth(5);  // left half 2, right half 3
    }
    // The lines and rectangles drawn, a line as its two calls joined.
    std::vector<std::string> Shapes() const {
        std::vector<std::string> out;
        const std::vector<std::string> ops = Ops({"MoveTo", "LineTo", "Rectangle"});
        for (size_t i = 0; i < ops.size(); ++i) {
            if (ops[i].rfind("MoveTo", 0) == 0 && i + 1 < ops.size()) {
                out.push_back(ops[i] + "|" + ops[i + 1]);
                ++i;
            } else {
                out.push_back(ops[i]);
            }
        }
        return out;
    }
    int X(double date) const { return Series->XValueToPixel(date); }
    int Y(double price) const { return Series->YValueToPixel(price); }
    static std::string Rect(int l, int t, int r, int b) {
        return "Rectangle " + std::to_string(l) + " " + std::to_string(t) + " " +
               std::to_string(r) + " " + std::to_string(b);
    }
    TCandleSeries* Series;
};

TEST_F(CandleDrawTest, StickIn2DWickThenBodyReachingOnePixelRight) {
    Series->AddQuote(100, 100, 150, 50, 120);
    DrawPoints(*Series);
    const int x = X(100);
    EXPECT_EQ(Shapes(), (std::vector<std::string>{Line(x, Y(50), x, Y(150)),
                                                  Rect(x - 2, Y(100), x + 4, Y(120))}));
}

TEST_F(CandleDrawTest, FlatBodiesAreOnePixelTallOrTwoWithoutPen) {
    Series->AddQuote(100, 100, 150, 50, 100);
    DrawPoints(*Series);
    const int x = X(100), y = Y(100);
    EXPECT_EQ(Shapes().back(), Rect(x - 2, y, x + 4, y - 1));
    Series->CandlePen()->SetVisible(false);
    DrawPoints(*Series);
    EXPECT_EQ(Shapes().back(), Rect(x - 2, y, x + 4, y - 2));
    // Open-close style: the body alone.
    Series->SetCandleStyle(csOpenClose);
    DrawPoints(*Series);
    EXPECT_EQ(Shapes(), std::vector<std::string>{Rect(x - 2, y, x + 4, y - 2)});
}

TEST_F(CandleDrawTest, GradientFillsOnlyCandlesWhoseGradientIsVisible) {
    Series->AddQuote(100, 100, 150, 50, 120);  // rising
    Series->AddQuote(200, 120, 150, 50, 100);  // falling
    Series->UpCloseGradient()->SetVisible(true);
    DrawPoints(*Series);
    const int x = X(100);
    // The rising body's rectangle, normalised, is filled; the falling one is not.
    EXPECT_EQ(Canvas->Gradients, (std::vector<TRect>{TRect{x - 2, Y(120), x + 4, Y(100)}}));
    const std::vector<TCanvas3DCall> bodies = CallsOf("Rectangle");
    ASSERT_EQ(bodies.size(), 2u);
    EXPECT_EQ(bodies[1].BrushColor, clRed);
}

TEST_F(CandleDrawTest, BarStyleTicksInTheCandleColour) {
    Series->AddQuote(100, 100, 150, 50, 120);
    Series->SetCandleStyle(csCandleBar);
    DrawPoints(*Series);
    const int x = X(100);
    EXPECT_EQ(Shapes(),
              (std::vector<std::string>{Line(x, Y(50), x, Y(150)), Line(x, Y(100), x - 3, Y(100)),
                                        Line(x, Y(120), x + 4, Y(120))}));
    for (const TCanvas3DCall& c : CallsOf("LineTo")) EXPECT_EQ(c.PenColor, clWhite);
    Series->SetShowOpenTick(false);
    DrawPoints(*Series);
    EXPECT_EQ(Shapes().size(), 2u);
    EXPECT_EQ(Shapes().back(), Line(x, Y(120), x + 4, Y(120)));
}

TEST_F(CandleDrawTest, LineStyleSkipsSegmentsIntoAndOutOfANull) {
    Series->SetCandleStyle(csLine);
    for (int i = 0; i < 5; ++i)
        Series->AddQuote(100 * (i + 1), 10, 200, 5, 20 * (i + 1), {}, i == 2 ? clNone : clDefault);
    DrawPoints(*Series);
    EXPECT_EQ(Shapes(), (std::vector<std::string>{Line(X(100), Y(20), X(200), Y(40)),
                                                  Line(X(400), Y(80), X(500), Y(100))}));
}

TEST_F(CandleDrawTest, StickIn3DWicksAtMiddleDepthAroundTheCuboid) {
    Chart->SetView3D(true);
    Chart->View3DOptions()->SetOrthogonal(true);
    Series->AddQuote(100, 100, 150, 50, 120);
    Series->SetDraw3D(true);
    DrawPoints(*Series);
    // Lower wick, the cuboid's faces, upper wick.
    const std::vector<std::string> ops = Ops();
    ASSERT_GE(ops.size(), 5u);
    EXPECT_EQ(ops[0].rfind("MoveTo", 0), 0u);
    EXPECT_EQ(ops[ops.size() - 2].rfind("MoveTo", 0), 0u);
    int faces = 0;
    for (const std::string& op : ops) faces += op.rfind("Polygon", 0) == 0;
    EXPECT_GE(faces, 1);
    // The bar style's three lines all stand at the middle depth: upright, ticks level.
    Series->SetCandleStyle(csCandleBar);
    DrawPoints(*Series);
    const std::vector<TCanvas3DCall> moves = CallsOf("MoveTo"), ends = CallsOf("LineTo");
    ASSERT_EQ(ends.size(), 3u);
    EXPECT_EQ(moves[0].Args[0], ends[0].Args[0]);
    EXPECT_EQ(moves[1].Args[1], ends[1].Args[1]);
    EXPECT_EQ(moves[1].Args[0] - ends[1].Args[0], 3);
    EXPECT_EQ(ends[2].Args[0] - moves[2].Args[0], 4);
    Series->SetCandleStyle(csCandleStick);
    // Without its own 3-D body the candle is one wick and a flat rectangle at middle depth.
    Series->SetDraw3D(false);
    DrawPoints(*Series);
    EXPECT_EQ(Ops({"MoveTo"}).size(), 1u);
}

TEST_F(CandleDrawTest, LegendSymbolIsABodyWithTwoWicks) {
    Draw();
    Canvas->ClearCalls();
    Series->DrawLegendShape(-1, TRect{10, 10, 30, 24});
    EXPECT_EQ(Shapes(), (std::vector<std::string>{Rect(13, 12, 27, 22), Line(19, 9, 19, 12),
                                                  Line(19, 24, 19, 20)}));
    Canvas->ClearCalls();
    Series->DrawLegendShape(-1, TRect{10, 10, 31, 24});
    EXPECT_EQ(Shapes()[1], Line(20, 9, 20, 12));
}

// Lines are hit on them or one pixel off (the foundation's on-the-line test); bodies inside
// their drawn rectangle.
TEST_F(CandleDrawTest, ClicksHitPerStyle) {
    Series->AddQuote(100, 100, 150, 50, 120);
    Series->AddQuote(300, 100, 150, 50, 120);
    Draw();  // lays the axes out
    const int x = X(300);
    struct Case {
        TCandleStyle style;
        int x, y, expected;
    };
    const Case cases[] = {
        {csCandleStick, x, Y(140), 1},       // upper wick
        {csCandleStick, x + 2, Y(140), -1},  // two pixels beside the wick
        {csCandleStick, x + 3, Y(110), 1},   // body, one pixel right of its right half
        {csCandleStick, x + 4, Y(110), -1},
        {csOpenClose, x, Y(140), -1},  // no wick
        {csOpenClose, x - 2, Y(110), 1},
        {csCandleBar, x, Y(60), 1},
        {csCandleBar, x - 3, Y(100), 1},  // open tick end
        {csCandleBar, x + 4, Y(120), 1},  // close tick end
        {csCandleBar, x + 2, Y(110), -1},
        {csLine, (X(100) + x) / 2, Y(120), 1},       // on the segment into point 1
        {csLine, (X(100) + x) / 2, Y(120) + 2, -1},  // two pixels below it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.style)) + " at " + std::to_string(c.x) + "," +
                     std::to_string(c.y));
        Series->SetCandleStyle(c.style);
        Draw();
        EXPECT_EQ(Series->ValueIndexAt(c.x, c.y), c.expected);
    }
}

}  // namespace
