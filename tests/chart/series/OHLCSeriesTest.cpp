// The price series' data model: quotes placed by date with their four prices, extremes over
// all four prices skipping null points, copying only from price series, and sample quotes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "chart/engine/LineSeries.h"
#include "chart/engine/SampleRandom.h"
#include "chart/series/price/CandleSeries.h"
#include "chart/series/price/OHLCSeries.h"
#include "tests/chart/series/SeriesLibraryStartup.h"

namespace {

class OHLCSeriesTest : public ::testing::Test {
protected:
    TSeriesLibraryStartup Library;
    TComponent Form{nullptr};
    TOHLCSeries* Series = new TOHLCSeries(&Form);
};

TEST_F(OHLCSeriesTest, ListsJoinInStreamOrderWithTheirNames) {
    ASSERT_EQ(Series->ValueLists().Count(), 5);
    const char* names[] = {"Date", "Close", "High", "Low", "Open"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Series->ValueLists().ValueList(i)->Name(), names[i]);
    EXPECT_TRUE(Series->DateValues().DateTime());
    EXPECT_EQ(Series->DefaultSampleCount(), 40);
}

TEST_F(OHLCSeriesTest, QuotesOutOfDateOrderTakeTheirPlaceWithAllFourPrices) {
    Series->AddQuote(3, 30, 33, 29, 31, "c");
    Series->AddQuote(1, 10, 13, 9, 11, "a");
    EXPECT_EQ(Series->AddQuote(2, 20, 23, 19, 21, "b"), 1);
    for (int i = 0; i < 3; ++i) {
        const double base = 10.0 * (i + 1);
        EXPECT_EQ(Series->DateValues()[i], i + 1);
        EXPECT_EQ(Series->OpenValues()[i], base);
        EXPECT_EQ(Series->HighValues()[i], base + 3);
        EXPECT_EQ(Series->LowValues()[i], base - 1);
        EXPECT_EQ(Series->CloseValues()[i], base + 1);
    }
    EXPECT_EQ(Series->PointLabel(0), "a");
    EXPECT_EQ(Series->PointLabel(2), "c");
}

TEST_F(OHLCSeriesTest, RefusedQuoteAddsNothing) {
    Series->OnBeforeAdd = [](TChartSeries&) { return false; };
    EXPECT_EQ(Series->AddQuote(1, 1, 2, 0, 1), -1);
    EXPECT_EQ(Series->Count(), 0);
    EXPECT_EQ(Series->HighValues().Count(), 0);
}

TEST_F(OHLCSeriesTest, ExtremesSpanTheFourPricesAndSkipNulls) {
    struct Case {
        const char* name;
        std::vector<std::array<double, 4>> quotes;  // open, high, low, close
        std::vector<bool> nulls;
        TTreatNullsStyle treat;
        double min, max;
    };
    const Case cases[] = {
        {"empty", {}, {}, tnDontPaint, 0, 0},
        {"only a null", {{5, 9, 1, 6}}, {true}, tnDontPaint, 0, 0},
        {"a null counted with tnIgnore", {{5, 9, 1, 6}}, {true}, tnIgnore, 1, 9},
        {"open above the high", {{12, 9, 1, 6}}, {false}, tnDontPaint, 1, 12},
        {"close below the low", {{5, 9, 4, -3}}, {false}, tnDontPaint, -3, 9},
        {"null skipped among others",
         {{5, 9, 4, 6}, {50, 90, -40, 60}, {7, 8, 2, 3}},
         {false, true, false},
         tnSkip,
         2,
         9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Series->Clear();
        Series->SetTreatNulls(c.treat);
        for (size_t i = 0; i < c.quotes.size(); ++i) {
            const auto& q = c.quotes[i];
            Series->AddQuote(double(i), q[0], q[1], q[2], q[3], {},
                             c.nulls[i] ? clNone : clDefault);
        }
        EXPECT_EQ(Series->GetMinYValue(), c.min);
        EXPECT_EQ(Series->GetMaxYValue(), c.max);
    }
}

TEST_F(OHLCSeriesTest, CopiesOnlyFromPriceSeries) {
    auto* line = new TLineSeries(&Form);
    auto* candles = new TCandleSeries(&Form);
    candles->AddQuote(1, 10, 13, 9, 11);
    EXPECT_FALSE(Series->CanCopyFrom(*line));
    EXPECT_TRUE(Series->CanCopyFrom(*candles));
    Series->LoadFromSeries(*candles);
    ASSERT_EQ(Series->Count(), 1);
    EXPECT_EQ(Series->OpenValues()[0], 10);
    EXPECT_EQ(Series->HighValues()[0], 13);
    EXPECT_EQ(Series->LowValues()[0], 9);
    EXPECT_EQ(Series->CloseValues()[0], 11);
}

// The walk's rules rather than its numbers: each open lies within -5 .. +4 of the close
// before, and the high and low reach beyond both the open and the close.
TEST_F(OHLCSeriesTest, SampleQuotesWalkFromCloseToOpen) {
    SetRandomSeed(1234);
    Series->FillSampleValues();
    ASSERT_EQ(Series->Count(), 40);
    for (int i = 0; i < Series->Count(); ++i) {
        SCOPED_TRACE(i);
        const double open = Series->OpenValues()[i], close = Series->CloseValues()[i];
        EXPECT_GE(Series->HighValues()[i], std::max(open, close));
        EXPECT_LE(Series->LowValues()[i], std::min(open, close));
        if (i == 0) continue;
        const double step = open - Series->CloseValues()[i - 1];
        EXPECT_GE(step, -5);
        EXPECT_LE(step, 4);
        EXPECT_GT(Series->DateValues()[i], Series->DateValues()[i - 1]);
    }
}

}  // namespace
