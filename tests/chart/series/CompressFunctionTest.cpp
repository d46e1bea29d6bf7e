// Price series compressed into coarser bars: the group keys of every period, the week's
// fall-back rule, grouping by count, the bar values and dates, plain sources, and the hook
// that replaces dates.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/engine/Chart.h"
#include "chart/engine/LineSeries.h"
#include "chart/series/price/CompressFunction.h"
#include "chart/series/price/OHLCSeries.h"
#include "platform/rtl/DateTime.h"
#include "tests/chart/series/SeriesLibraryStartup.h"

namespace {

TDateTime At(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return EncodeDate(y, m, d) + EncodeTime(h, mi, s, 0);
}

TEST(CompressionKeyTest, EveryPeriod) {
    // Wednesday 14 May 2025, 17:47:38.
    const TDateTime t = At(2025, 5, 14, 17, 47, 38);
    const int keys[] = {int(EncodeDate(2025, 5, 14)),
                        3,
                        5,
                        2,
                        1,
                        2025,
                        38,
                        3,
                        47,
                        23,
                        9,
                        4,
                        3,
                        2,
                        1,
                        17,
                        8,
                        5,
                        2,
                        1};
    for (int p = ocDay; p <= ocTwelveHour; ++p) {
        SCOPED_TRACE(CompressionPeriodNames().Name(p));
        EXPECT_EQ(CompressionKey(t, TCompressionPeriod(p)), keys[p]);
    }
    EXPECT_EQ(CompressionKey(At(2025, 5, 18), ocWeek), 7);  // Sunday
    EXPECT_EQ(CompressionKey(1e300, ocMonth), 0);           // no date at all
}

struct GroupCase {
    const char* name;
    std::vector<TDateTime> dates;
    TCompressionPeriod period;
    int points;
    std::vector<bool> starts;
};

TEST(CompressionGroupsTest, Table) {
    const GroupCase cases[] = {
        {"Friday to Monday opens a week",
         {At(2025, 5, 15), At(2025, 5, 16), At(2025, 5, 19)},
         ocWeek,
         0,
         {true, false, true}},
        {"a week without Monday opens on its first day",
         {At(2025, 5, 16), At(2025, 5, 20), At(2025, 5, 21)},
         ocWeek,
         0,
         {true, true, false}},
        {"Mondays of consecutive weeks share a bar",
         {At(2025, 5, 12), At(2025, 5, 19)},
         ocWeek,
         0,
         {true, false}},
        {"January of two years shares a bar",
         {At(2001, 1, 10), At(2002, 1, 10)},
         ocMonth,
         0,
         {true, false}},
        {"months change",
         {At(2001, 1, 10), At(2001, 2, 1), At(2001, 2, 9)},
         ocMonth,
         0,
         {true, true, false}},
        {"every five points whatever the dates",
         {1, 2, 3, 4, 5, 6, 7},
         ocYear,
         5,
         {true, false, false, false, false, true, false}},
        {"hours",
         {At(2025, 1, 1, 9, 59), At(2025, 1, 1, 10, 0), At(2025, 1, 1, 10, 59)},
         ocHour,
         0,
         {true, true, false}},
    };
    for (const GroupCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CompressionGroupStarts(c.dates, c.period, c.points), c.starts);
    }
}

class CompressFunctionTest : public ::testing::Test {
protected:
    CompressFunctionTest() { Bars->SetFunction(Function); }
    // "date open high low close label" for each bar.
    std::vector<std::string> BarTexts() const {
        std::vector<std::string> out;
        for (int i = 0; i < Bars->Count(); ++i) {
            std::string s;
            for (double v : {Bars->DateValues()[i], Bars->OpenValues()[i], Bars->HighValues()[i],
                             Bars->LowValues()[i], Bars->CloseValues()[i]})
                s.append(std::to_string(int(v))).append(" ");
            out.push_back(s + Bars->PointLabel(i));
        }
        return out;
    }

    TSeriesLibraryStartup Library;
    TComponent Form{nullptr};
    TOHLCSeries* Prices = new TOHLCSeries(&Form);
    TOHLCSeries* Bars = new TOHLCSeries(&Form);
    TCompressFunction* Function = new TCompressFunction(&Form);
};

TEST_F(CompressFunctionTest, BarsTakeFirstOpenLastCloseAndExtremesDatedByTheirLastPoint) {
    // Thursday 15 May 2025 to Tuesday 20 May: two weeks.
    const int base = int(EncodeDate(2025, 5, 15));
    Prices->AddQuote(base, 10, 12, 9, 11, "Thu");
    Prices->AddQuote(base + 1, 11, 15, 8, 14, "Fri");
    Prices->AddQuote(base + 4, 14, 16, 13, 15, "Mon");
    Prices->AddQuote(base + 5, 15, 18, 12, 13, "Tue");
    Function->CompressSeries(*Prices, *Bars);
    const std::string b1 = std::to_string(base + 1), b5 = std::to_string(base + 5);
    EXPECT_EQ(BarTexts(),
              (std::vector<std::string>{b1 + " 10 15 8 14 Fri", b5 + " 14 18 12 13 Tue"}));
    // By count: every three points.
    Function->SetPeriod(3);
    Function->CompressSeries(*Prices, *Bars);
    EXPECT_EQ(Bars->Count(), 2);
    EXPECT_EQ(BarTexts()[0], std::to_string(base + 4) + " 10 16 8 15 Mon");
}

TEST_F(CompressFunctionTest, PlainSourceGivesItsValueForAllFourPrices) {
    auto* line = new TLineSeries(&Form);
    line->XValues().SetDateTime(true);
    line->AddXYPoint(At(2025, 1, 10), 5);
    line->AddXYPoint(At(2025, 1, 20), 9);
    line->AddXYPoint(At(2025, 1, 25), 2);
    Function->SetCompress(ocMonth);
    Function->CompressSeries(*line, *Bars);
    ASSERT_EQ(Bars->Count(), 1);
    EXPECT_EQ(BarTexts()[0], std::to_string(int(At(2025, 1, 25))) + " 5 9 2 2 ");
}

TEST_F(CompressFunctionTest, DateHookRegroupsAndRedatesThePoints) {
    Prices->AddQuote(1, 1, 1, 1, 1);
    Prices->AddQuote(2, 2, 2, 2, 2);
    Prices->AddQuote(3, 3, 3, 3, 3);
    Function->SetCompress(ocYear);
    // Points 0 and 1 in 2020, point 2 in 2021.
    Function->OnGetDate = [](TTeeFunction&, TChartSeries&, int i, TDateTime& date) {
        date = EncodeDate(i < 2 ? 2020 : 2021, 3, 1 + i);
    };
    Function->CompressSeries(*Prices, *Bars);
    ASSERT_EQ(Bars->Count(), 2);
    EXPECT_EQ(Bars->DateValues()[0], EncodeDate(2020, 3, 2));
    EXPECT_EQ(Bars->CloseValues()[0], 2);
}

TEST_F(CompressFunctionTest, RecomputesFromItsSourceOnlyIntoAPriceSeries) {
    Prices->AddQuote(At(2025, 5, 15), 10, 12, 9, 11);
    Prices->AddQuote(At(2025, 5, 16), 11, 15, 8, 14);
    auto* chart = new TChart(&Form);
    chart->AddSeries(Prices);
    chart->AddSeries(Bars);
    Bars->SetDataSource(Prices);
    Bars->RefreshFromSource();
    EXPECT_EQ(Bars->Count(), 1);
    auto* line = new TLineSeries(&Form);
    chart->AddSeries(line);
    line->SetFunction(new TCompressFunction(&Form));
    line->SetDataSource(Prices);
    line->RefreshFromSource();
    EXPECT_EQ(line->Count(), 0);
}

}  // namespace
