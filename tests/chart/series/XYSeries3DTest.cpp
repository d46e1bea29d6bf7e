// The extended XY series in a 3-D chart: what the error whiskers, the bubbles and the high-low
// lines draw there, against the same points drawn flat.
#include <gtest/gtest.h>

#include "chart/engine/ChartAxis.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/series/xy/BubbleSeries.h"
#include "chart/series/xy/ErrorSeries.h"
#include "chart/series/xy/HighLowLineSeries.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

class XYSeries3DTest : public PriceChartFixture {
protected:
    void View3D() {
        Chart->SetView3D(true);
        Chart->View3DOptions()->SetOrthogonal(true);
    }
};

TEST_F(XYSeries3DTest, ErrorWhiskersKeepTheirShapeAtTheirDepth) {
    auto* errors = Add<TErrorSeries>();
    errors->AddErrorPoint(100, 100, 20);
    errors->AddErrorPoint(300, 150, 10);
    errors->SetErrorStyle(essTop);
    DrawPoints(*errors);
    const size_t flat = CallsOf("LineTo").size();
    View3D();
    DrawPoints(*errors);
    const std::vector<TCanvas3DCall> moves = CallsOf("MoveTo"), ends = CallsOf("LineTo");
    ASSERT_EQ(ends.size(), flat);
    ASSERT_EQ(ends.size(), 4u);
    // The shaft stays upright, its length the error's on the axis.
    EXPECT_EQ(moves[0].Args[0], ends[0].Args[0]);
    EXPECT_EQ(moves[0].Args[1] - ends[0].Args[1],
              errors->YValueToPixel(100) - errors->YValueToPixel(120));
}

TEST_F(XYSeries3DTest, BubblesAreSolidsOfTheirRadius) {
    auto* bubbles = Add<TBubbleSeries>();
    bubbles->AddBubble(100, 100, 20);
    bubbles->AddBubble(300, 150, 5);
    View3D();
    DrawPoints(*bubbles);
    EXPECT_FALSE(Canvas->Calls().empty());
    // The pointer is left at the last bubble's size.
    EXPECT_EQ(bubbles->Pointer()->VertSize(),
              bubbles->YValueToPixel(150) - bubbles->YValueToPixel(155));
    bubbles->Pointer()->SetDraw3D(false);
    DrawPoints(*bubbles);
    const std::vector<TCanvas3DCall> e = CallsOf("Ellipse");
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].Args[2] - e[0].Args[0], 2 * bubbles->ResolvedVertAxis()->ValueSizeInPixels(20));
}

TEST_F(XYSeries3DTest, HighLowLinesStandAtTheFrontDepth) {
    auto* lines = Add<THighLowLineSeries>();
    lines->AddHighLow(100, 150, 100);
    lines->HighPointer()->SetVisible(false);
    lines->LowPointer()->SetVisible(false);
    View3D();
    DrawPoints(*lines);
    const std::vector<TCanvas3DCall> moves = CallsOf("MoveTo"), ends = CallsOf("LineTo");
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(moves[0].Args[0], ends[0].Args[0]);
    EXPECT_EQ(ends[0].Args[1] - moves[0].Args[1],
              lines->YValueToPixel(100) - lines->YValueToPixel(150));
    const TPoint front = Canvas->ProjectPoint(lines->XValueToPixel(100), lines->YValueToPixel(150),
                                              lines->FrontDepth);
    EXPECT_EQ(moves[0].Args[0], front.X);
}

}  // namespace
