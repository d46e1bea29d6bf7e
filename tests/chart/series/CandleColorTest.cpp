// Which candles rise and fall under both colour rules, equal closes taking the previous
// candle's whole answer, and the colours a series gives candles and legend entries.
#include <gtest/gtest.h>

#include <vector>

#include "chart/foundation/TeeGradient.h"
#include "chart/series/algo/CandleColorRule.h"
#include "chart/series/price/CandleSeries.h"
#include "tests/chart/series/SeriesLibraryStartup.h"

namespace {

struct RuleCase {
    const char* name;
    std::vector<double> open, close;
    TCandleColorRule rule;
    std::vector<bool> rises;
};

std::vector<bool> Rises(const RuleCase& c) {
    std::vector<bool> out;
    for (size_t i = 0; i < c.close.size(); ++i)
        out.push_back(CandleRises(c.open, c.close, int(i), c.rule));
    return out;
}

TEST(CandleColorRuleTest, Table) {
    constexpr auto Open = TCandleColorRule::RelativeToOpen;
    constexpr auto Prev = TCandleColorRule::RelativeToPreviousClose;
    const RuleCase cases[] = {
        {"open: by close against open", {1, 5, 3}, {2, 4, 3.5}, Open, {true, false, true}},
        {"open: flat first candle rises", {2}, {2}, Open, {true}},
        {"open: flat candle above the previous close rises", {5, 6}, {5, 6}, Open, {true, true}},
        {"open: flat candle below the previous close falls", {5, 4}, {5, 4}, Open, {true, false}},
        {"open: flat and equal to the previous close takes its answer",
         {5, 4},
         {4, 4},
         Open,
         {false, false}},
        {"open: the chain of equal closes reaches back",
         {3, 2, 2, 2},
         {2, 2, 2, 2},
         Open,
         {false, false, false, false}},
        {"previous close: first candle by its open", {5, 1}, {4, 9}, Prev, {false, true}},
        {"previous close: rising close rises whatever the open",
         {1, 10, 10},
         {2, 3, 1},
         Prev,
         {true, true, false}},
        {"previous close: equal closes take the previous answer",
         {1, 9, 0},
         {2, 1, 1},
         Prev,
         {true, false, false}},
        {"previous close: equal back to a falling first candle",
         {5, 0, 0},
         {4, 4, 4},
         Prev,
         {false, false, false}},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Rises(c), c.rises);
    }
}

class CandleColorTest : public ::testing::Test {
protected:
    TSeriesLibraryStartup Library;
    TComponent Form{nullptr};
    TCandleSeries* Series = new TCandleSeries(&Form);
};

TEST_F(CandleColorTest, UpAndDownColoursAreTheGradientsStartColours) {
    EXPECT_EQ(Series->UpCloseColor(), clWhite);
    EXPECT_EQ(Series->DownCloseColor(), clRed);
    Series->SetUpCloseColor(clLime);
    EXPECT_EQ(Series->UpCloseGradient()->StartColor(), clLime);
    Series->AddQuote(1, 1, 3, 0, 2);
    Series->AddQuote(2, 2, 3, 0, 1);
    Series->AddQuote(3, 1, 3, 0, 1, {}, clBlue);
    Series->AddQuote(4, 1, 3, 0, 2, {}, clNone);
    EXPECT_EQ(Series->CandleColor(0), clLime);
    EXPECT_EQ(Series->CandleColor(1), clRed);
    EXPECT_EQ(Series->CandleColor(2), clBlue);
    // The legend shows the candle colours, a point's own colour included.
    EXPECT_EQ(Series->LegendItemColor(1), clRed);
    EXPECT_EQ(Series->LegendItemColor(2), clBlue);
    Series->SetColorStyle(cssRelativeToClose);
    EXPECT_EQ(Series->CandleColor(1), clRed);
    EXPECT_EQ(Series->CandleColor(0), clLime);
}

TEST_F(CandleColorTest, StyleShowsThePointerAndLineStyleScalesOnCloses) {
    Series->AddQuote(1, 5, 20, -10, 6);
    EXPECT_EQ(Series->GetMaxYValue(), 20);
    Series->SetCandleStyle(csLine);
    EXPECT_FALSE(Series->Pointer()->Visible());
    EXPECT_EQ(Series->GetMaxYValue(), 6);
    EXPECT_EQ(Series->GetMinYValue(), 6);
    Series->SetCandleStyle(csCandleBar);
    EXPECT_TRUE(Series->Pointer()->Visible());
    EXPECT_EQ(Series->GetMinYValue(), -10);
}

}  // namespace
