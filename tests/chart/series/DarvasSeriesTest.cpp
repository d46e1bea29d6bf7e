// Darvas boxes found in price histories, drawn over the candles with or without blending, and
// the big candle's four price marks around each body.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "chart/engine/SeriesMarkPositions.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/series/algo/DarvasBoxes.h"
#include "chart/series/price/BigCandleSeries.h"
#include "chart/series/price/DarvasSeries.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

TEST(DarvasBoxesTest, Table) {
    struct Case {
        const char* name;
        std::vector<double> high, low;
        std::vector<TDarvasBox> boxes;
    };
    const Case cases[] = {
        {"empty", {}, {}, {}},
        {"one point", {5}, {4}, {{0, 0, 0, 0}}},
        {"rising every period: one box to the last point",
         {1, 2, 3, 4},
         {0, 1, 2, 3},
         {{0, 3, 3, 3}}},
        // Top at 1 held by 2 and 3; bottom searched from 3 (not the top): low 3 at 3, held by 4
        // and 5; 6 breaks out above and opens the next search.
        {"confirmed box broken above",
         {5, 10, 8, 7, 7, 7, 12, 11},
         {4, 6, 5, 3, 4, 5, 9, 10},
         {{0, 1, 6, 3}, {6, 6, 7, 6}}},
        {"confirmed box broken below",
         {5, 10, 8, 7, 7, 7, 6},
         {4, 6, 5, 3, 4, 5, 2},
         {{0, 1, 6, 3}, {6, 6, 6, 6}}},
        {"a new high before confirmation restarts the top",
         {5, 10, 8, 11, 9, 8},
         {4, 6, 5, 7, 6, 5},
         {{0, 3, 5, 5}}},
        {"a lower low moves the bottom",
         {10, 8, 7, 7, 7, 7, 7},
         {6, 5, 4, 3, 4, 5, 5},
         {{0, 0, 6, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindDarvasBoxes(c.high, c.low), c.boxes);
    }
}

class DarvasSeriesTest : public PriceChartFixture {};

TEST_F(DarvasSeriesTest, BoxesDrawnOverTheCandlesAtTheirPrices) {
    auto* s = Add<TDarvasSeries>();
    const double high[] = {50, 100, 80, 70, 70, 70, 120, 110};
    const double low[] = {40, 60, 50, 30, 40, 50, 90, 100};
    for (int i = 0; i < 8; ++i) s->AddQuote(50 * (i + 1), low[i] + 1, high[i], low[i], low[i] + 2);
    EXPECT_EQ(s->Transparency(), 70);
    DrawPoints(*s);
    ASSERT_EQ(s->Boxes().size(), 2u);
    const TRect first{s->XValueToPixel(50), s->YValueToPixel(100), s->XValueToPixel(350),
                      s->YValueToPixel(30)};
    EXPECT_EQ(s->BoxRects()[0], first);
    // The last rectangles drawn are the boxes, in the palette's second colour.
    const std::vector<TCanvas3DCall> rects = CallsOf("Rectangle");
    ASSERT_GE(rects.size(), 2u);
    const TCanvas3DCall& box = rects[rects.size() - 2];
    EXPECT_EQ(box.Args, (std::vector<int>{first.Left, first.Top, first.Right, first.Bottom}));
    EXPECT_EQ(box.BrushColor, Chart->PaletteColor(1));
    EXPECT_EQ(Canvas->Blends, (std::vector<int>{70, 70}));  // one blend a box
    // Opaque boxes draw the same without a blending pass.
    s->SetTransparency(0);
    DrawPoints(*s);
    EXPECT_EQ(CallsOf("Rectangle").size(), rects.size());
    EXPECT_TRUE(Canvas->Blends.empty());
}

TEST_F(DarvasSeriesTest, In3DBoxesStandAtTheSeriesFrontDepth) {
    Chart->SetView3D(true);
    Chart->View3DOptions()->SetOrthogonal(true);
    auto* s = Add<TDarvasSeries>();
    for (int i = 0; i < 4; ++i) s->AddQuote(100 * (i + 1), 10, 20 + 10 * i, 5, 15);
    DrawPoints(*s);
    ASSERT_EQ(s->Boxes().size(), 1u);
    ASSERT_EQ(Canvas->Blends.size(), 1u);
    // The box's corners projected at the front depth, as the last shape drawn.
    const TRect r = s->BoxRects()[0];
    const TPoint topLeft = Canvas->ProjectPoint(r.Left, r.Top, s->FrontDepth);
    const TPoint bottomRight = Canvas->ProjectPoint(r.Right, r.Bottom, s->FrontDepth);
    const TCanvas3DCall& last = Canvas->Calls().back();
    ASSERT_GE(last.Args.size(), 4u);
    std::vector<int> xs, ys;
    for (size_t i = 0; i + 1 < last.Args.size(); i += 2) {
        xs.push_back(last.Args[i]);
        ys.push_back(last.Args[i + 1]);
    }
    EXPECT_EQ(*std::min_element(xs.begin(), xs.end()), topLeft.X);
    EXPECT_EQ(*std::max_element(xs.begin(), xs.end()), bottomRight.X);
    EXPECT_EQ(*std::min_element(ys.begin(), ys.end()), topLeft.Y);
    EXPECT_EQ(*std::max_element(ys.begin(), ys.end()), bottomRight.Y);
}

TEST_F(DarvasSeriesTest, BigCandleMarksSurroundTheBody) {
    auto* s = Add<TBigCandleSeries>();
    EXPECT_TRUE(s->Marks()->Visible());
    s->SetValueFormat("0");
    s->AddQuote(300, 100, 150, 50, 120);
    Draw();
    Canvas->ClearCalls();
    TSeriesMarkPosition position;
    position.Width = 20;
    position.Height = 10;
    position.LeftTop = TPoint{290, 0};
    s->DrawMark(0, "ignored", position);
    // The position ends where the low mark went: below the low by VertGap, right of the body.
    EXPECT_EQ(position.LeftTop, (TPoint{290 + 30, s->YValueToPixel(50) + 6}));
    std::vector<std::string> texts;
    for (const TCanvas3DCall& c : CallsOf("Text")) texts.push_back(c.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"100", "120", "150", "50"}));
}

}  // namespace
