// The statistics, trend, fitting, down-sampling, crossing, outline, histogram and subset
// functions on a chart: what each puts into its series for small inputs worked out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "chart/engine/BarSeries.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/TeeFunction.h"
#include "chart/series/stats/CrossPointsFunction.h"
#include "chart/series/stats/CurveFittingFunction.h"
#include "chart/series/stats/DownSamplingFunction.h"
#include "chart/series/stats/HistogramFunction.h"
#include "chart/series/stats/StatisticFunctions.h"
#include "chart/series/stats/SubsetFunction.h"
#include "chart/series/stats/TrendFunction.h"
#include "platform/rtl/Exceptions.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

using TXY = std::pair<double, double>;

class StatsChartTest : public PriceChartFixture {
protected:
    // A line series of (x, y) points in the chart.
    TLineSeries* Source(const std::vector<TXY>& points) {
        auto* s = Add<TLineSeries>();
        for (const auto& [x, y] : points) s->AddXYPoint(x, y);
        return s;
    }
    // A line series of the values at x = 0, 1, 2 ...
    TLineSeries* Values(const std::vector<double>& values) {
        std::vector<TXY> points;
        for (size_t i = 0; i < values.size(); ++i) points.push_back({double(i), values[i]});
        return Source(points);
    }
    // A new series of class T computing f from the sources.
    template <class T = TLineSeries>
    T* Result(TTeeFunction* f, std::initializer_list<TChartSeries*> sources) {
        auto* r = Add<T>();
        r->SetFunction(f);
        bool first = true;
        for (TChartSeries* s : sources) {
            r->ValidateAndAddSource(s, first);
            first = false;
        }
        return r;
    }
    static std::vector<TXY> Points(const TChartSeries& s) {
        std::vector<TXY> out;
        for (int i = 0; i < s.Count(); ++i) out.push_back({s.XValues()[i], s.YValues()[i]});
        return out;
    }
    static std::vector<double> Ys(const TChartSeries& s) {
        std::vector<double> out;
        for (int i = 0; i < s.Count(); ++i) out.push_back(s.YValues()[i]);
        return out;
    }
};

// --- Spread, count and running total.

TEST_F(StatsChartTest, WholeRangeStatisticsByHand) {
    struct Case {
        const char* name;
        TTeeFunction* f;
        std::vector<double> values;
        double want;
    };
    auto* deviation = new TStdDeviationFunction(&Form);
    auto* completeDeviation = new TStdDeviationFunction(&Form);
    completeDeviation->SetComplete(true);
    auto* rms = new TRMSFunction(&Form);
    auto* completeRms = new TRMSFunction(&Form);
    completeRms->SetComplete(true);
    const Case cases[] = {
        {"deviation of 1 and 3", deviation, {1, 3}, std::sqrt(2.0)},
        {"complete deviation of 1 and 3", completeDeviation, {1, 3}, 1},
        {"deviation of equal values", new TStdDeviationFunction(&Form), {4, 4}, 0},
        {"rms of one point", rms, {5}, 0},
        {"rms of 3 and 4", new TRMSFunction(&Form), {3, 4}, 5},
        {"complete rms of 3 and 4", completeRms, {3, 4}, std::sqrt(12.5)},
        {"variance of 1, 2, 3", new TVarianceFunction(&Form), {1, 2, 3}, 2.0 / 3},
        {"count", new TCountTeeFunction(&Form), {7, 8, 9}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TLineSeries* source = Values(c.values);
        TLineSeries* result = Result(c.f, {source});
        // Period 0 on a line: a level line across the source.
        ASSERT_EQ(result->Count(), 2);
        EXPECT_NEAR(result->YValues()[0], c.want, 1e-14);
        EXPECT_NEAR(c.f->Calculate(*source, -1, -1), c.want, 1e-14);
    }
}

TEST_F(StatsChartTest, CountOverPeriodsCountsNullsAndCumulativeRunsUp) {
    TLineSeries* source = Values({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    source->AddNullXYPoint(10, 0);
    source->AddNullXYPoint(11, 0);
    source->SetYValueAt(2, 0);
    auto* count = new TCountTeeFunction(&Form);
    count->SetPeriod(5);
    TLineSeries* counted = Result(count, {source});
    EXPECT_EQ(Ys(*counted), (std::vector<double>{5, 5}));

    TLineSeries* sums = Result(new TCumulative(&Form), {Values({1, 2, 3})});
    EXPECT_EQ(Points(*sums), (std::vector<TXY>{{0, 1}, {1, 3}, {2, 6}}));
}

TEST_F(StatsChartTest, AcrossSourcesOfDifferentLengths) {
    TLineSeries* a = Values({1, 10, 5});
    TLineSeries* b = Values({3, 20});
    TLineSeries* c = Values({5});
    struct Case {
        const char* name;
        TTeeFunction* f;
        std::vector<double> want;
    };
    const Case cases[] = {
        {"deviation", new TStdDeviationFunction(&Form), {2, std::sqrt(50.0), 0}},
        {"rms", new TRMSFunction(&Form), {std::sqrt(35 / 2.0), std::sqrt(500.0), 0}},
        {"variance", new TVarianceFunction(&Form), {8.0 / 3, 25, 0}},
        {"count", new TCountTeeFunction(&Form), {3, 2, 1}},
        {"cumulative", new TCumulative(&Form), {9, 39, 44}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TLineSeries* r = Result(k.f, {a, b, c});
        const std::vector<double> got = Ys(*r);
        ASSERT_EQ(got.size(), k.want.size());
        for (size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], k.want[i], 1e-12) << i;
    }
}

// --- Trends.

TEST_F(StatsChartTest, TrendsThroughExactData) {
    TLineSeries* line = Source({{0, 1}, {1, 3}, {2, 5}, {4, 9}});
    EXPECT_EQ(Points(*Result(new TTrendFunction(&Form), {line})),
              (std::vector<TXY>{{0, 1}, {4, 9}}));
    // A bar takes a single value: r itself.
    TBarSeries* r = Result<TBarSeries>(new TCorrelationFunction(&Form), {line});
    ASSERT_EQ(r->Count(), 1);
    EXPECT_NEAR(r->YValues()[0], 1, 1e-15);
    // A line gets r across the positions.
    EXPECT_EQ(Ys(*Result(new TCorrelationFunction(&Form), {line})).size(), 2u);

    // Every point at one position: the trend is y = x.
    TLineSeries* upright = Source({{3, 1}, {3, 7}});
    EXPECT_EQ(Points(*Result(new TTrendFunction(&Form), {upright})),
              (std::vector<TXY>{{3, 3}, {3, 3}}));
}

TEST_F(StatsChartTest, ExponentialTrendSkipsValuesWithoutALogarithm) {
    std::vector<TXY> points;
    for (double x : {0.0, 1.0, 2.0, 3.0}) points.push_back({x, 3 * std::exp(0.5 * x)});
    points.push_back({4, 0});
    points.push_back({5, -2});
    TLineSeries* r = Result(new TExpTrendFunction(&Form), {Source(points)});
    ASSERT_EQ(r->Count(), 2);
    EXPECT_EQ(r->XValues()[1], 5);
    EXPECT_NEAR(r->YValues()[0], 3, 1e-12);
    EXPECT_NEAR(r->YValues()[1], 3 * std::exp(2.5), 1e-10);
}

TEST_F(StatsChartTest, TrendPerPeriodSkipsAPeriodOfOnePoint) {
    auto* f = new TTrendFunction(&Form);
    f->SetPeriod(2);
    TLineSeries* r = Result(f, {Values({1, 2, 4, 8, 16})});
    EXPECT_EQ(Points(*r), (std::vector<TXY>{{0, 1}, {1, 2}, {2, 4}, {3, 8}}));
}

// --- Polynomial fitting.

TEST_F(StatsChartTest, FittingReproducesLinesAndMeans) {
    TLineSeries* line = Source({{10, 1}, {11, 4}, {13, 10}, {14, 13}, {17, 22}});
    auto* two = new TCurveFittingFunction(&Form);
    two->SetPolyDegree(2);
    TLineSeries* r = Result(two, {line});
    ASSERT_EQ(r->Count(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_NEAR(r->YValues()[i], line->YValues()[i], 1e-12) << i;
    two->SetPolyDegree(1);
    for (double y : Ys(*r)) EXPECT_NEAR(y, 10, 1e-12);
}

TEST_F(StatsChartTest, FittingFactorRangesAndExtrapolation) {
    std::vector<TXY> points;
    for (int i = 0; i < 10; ++i) points.push_back({double(i), i < 4 ? double(i * i) : 100.0});
    TLineSeries* source = Source(points);
    auto* f = new TCurveFittingFunction(&Form);
    f->SetPolyDegree(3);
    f->SetFactor(4);
    TLineSeries* r = Result(f, {source});
    EXPECT_EQ(r->Count(), 37);
    // Fitted on the parabola's points only: the curve follows x^2 beyond them.
    f->BeginUpdate();
    f->SetFactor(1);
    f->SetLastCalcPoint(3);
    f->EndUpdate();
    ASSERT_EQ(r->Count(), 10);
    for (int i = 0; i < 10; ++i) EXPECT_NEAR(r->YValues()[i], i * i, 1e-9) << i;
    // The drawn range keeps within the source.
    f->SetLastPoint(100);
    EXPECT_EQ(r->Count(), 10);
    f->SetFirstPoint(7);
    EXPECT_EQ(r->Count(), 3);
    f->SetFirstPoint(50);  // brought back to the last point
    EXPECT_EQ(r->Count(), 1);
}

TEST_F(StatsChartTest, FittingFailuresRaiseTheirMessages) {
    auto* f = new TCurveFittingFunction(&Form);
    TLineSeries* r = Result(f, {Values({1, 4, 9, 16, 25, 36})});
    EXPECT_EQ(r->Count(), 6);
    for (int degree : {0, 21}) {
        try {
            f->SetPolyDegree(degree);
            ADD_FAILURE() << degree;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Polynomial degree must be between 1 and 20");
        }
    }
    EXPECT_EQ(f->PolyDegree(), 5);
    // Two fitted points for three coefficients.
    f->BeginUpdate();
    f->SetPolyDegree(3);
    f->SetFirstCalcPoint(2);
    f->SetLastCalcPoint(3);
    try {
        f->EndUpdate();
        ADD_FAILURE() << "a singular fit";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot process fitting");
    }
    EXPECT_EQ(r->Count(), 0);
}

TEST_F(StatsChartTest, FittingOfTwentyCoefficientsIsRefusedNotDrawnAsNoise) {
    std::vector<TXY> points;
    for (int i = 0; i < 30; ++i) points.push_back({double(i), std::sin(i * 0.7)});
    auto* f = new TCurveFittingFunction(&Form);
    TLineSeries* r = Result(f, {Source(points)});
    EXPECT_EQ(r->Count(), 30);
    try {
        f->SetPolyDegree(20);
        ADD_FAILURE() << "twenty powers of 0 .. 29 fitted";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot process fitting");
    }
    EXPECT_EQ(r->Count(), 0);
}

TEST_F(StatsChartTest, FittingFarFromZeroStaysAccurate) {
    // x in 1e6 .. 1e6 + 10, a quartic in (x - 1e6) fitted with five coefficients.
    std::vector<TXY> points;
    for (int i = 0; i <= 40; ++i) {
        const double d = i * 0.25;
        points.push_back(
            {1e6 + d, 2 - 3 * d + 0.5 * d * d - 0.01 * d * d * d + 1e-3 * d * d * d * d});
    }
    TLineSeries* source = Source(points);
    TLineSeries* r = Result(new TCurveFittingFunction(&Form), {source});
    ASSERT_EQ(r->Count(), 41);
    for (int i = 0; i <= 40; ++i) EXPECT_NEAR(r->YValues()[i], source->YValues()[i], 1e-6) << i;
}

// --- Down-sampling.

TEST_F(StatsChartTest, DownSamplingAfterAZoomUsesTheVisiblePointsOnly) {
    std::vector<TXY> points;
    for (int i = 0; i < 600; ++i) points.push_back({double(i), 130 + 100 * std::sin(i * 0.05)});
    TLineSeries* source = Source(points);
    auto* f = new TDownSamplingFunction(&Form);
    f->SetDownSampleMethod(dsMax);
    f->SetTolerance(10);
    TLineSeries* r = Result(f, {source});
    Draw();
    f->Recalculate();
    EXPECT_EQ(r->Count(), 60);
    Chart->BottomAxis()->SetLimits(100, 199.5);
    f->Recalculate();
    // The points in view, with the one the line draws to at the right edge: 100 .. 200.
    EXPECT_EQ(source->FirstInView, 100);
    EXPECT_EQ(source->LastInView, 200);
    EXPECT_EQ(r->Count(), 11);
    for (int i = 0; i < r->Count(); ++i) {
        EXPECT_GE(r->XValues()[i], 100);
        EXPECT_LE(r->XValues()[i], 200);
    }
}

TEST_F(StatsChartTest, DownSamplingKeepsNullsAsGaps) {
    TLineSeries* source = Values({1, 2, 3, 4});
    source->AddNullXYPoint(4, 0);
    source->AddNullXYPoint(5, 0);
    source->AddXYPoint(6, 7);
    source->AddXYPoint(7, 8);
    auto* f = new TDownSamplingFunction(&Form);
    f->SetDownSampleMethod(dsMinMaxFirstLastNull);
    f->SetDisplayedPointCount(8);  // groups of four
    TLineSeries* r = Result(f, {source});
    f->Recalculate();
    // The second group: its first null, then 6 and 7 (the null at 5 is skipped).
    EXPECT_EQ(Points(*r), (std::vector<TXY>{{0, 1}, {3, 4}, {4, 0}, {6, 7}, {7, 8}}));
    EXPECT_TRUE(r->IsNullValue(2));
    EXPECT_FALSE(r->IsNullValue(1));
}

// --- Crossings and outlines.

TEST_F(StatsChartTest, CrossPointsTable) {
    struct Case {
        const char* name;
        std::vector<TXY> a, b, want;
    };
    const Case cases[] = {
        {"one crossing", {{0, 0}, {4, 4}}, {{0, 3}, {4, 1}}, {{2, 2}}},
        {"parallel", {{0, 0}, {4, 4}}, {{0, 1}, {4, 5}}, {}},
        {"collinear", {{0, 0}, {4, 4}}, {{1, 1}, {3, 3}}, {}},
        {"through a vertical step", {{0, 0}, {2, 0}, {2, 4}, {4, 4}}, {{0, 1}, {4, 3}}, {{2, 2}}},
        {"twice", {{0, 0}, {1, 2}, {2, 0}}, {{0, 1}, {2, 1}}, {{0.5, 1}, {1.5, 1}}},
        {"between fractional values", {{0, 0.25}, {1, 0.75}}, {{0, 0.75}, {1, 0.25}}, {{0.5, 0.5}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TLineSeries* r = Result(new TCrossPointsFunction(&Form), {Source(c.a), Source(c.b)});
        const std::vector<TXY> got = Points(*r);
        ASSERT_EQ(got.size(), c.want.size());
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_NEAR(got[i].first, c.want[i].first, 1e-12);
            EXPECT_NEAR(got[i].second, c.want[i].second, 1e-12);
        }
    }
}

TEST_F(StatsChartTest, PerimeterClosesTheHullOnScreen) {
    // The fixture's axes make a value its pixel offset, so the outline comes back exactly.
    struct Case {
        const char* name;
        std::vector<TXY> points, want;
    };
    const Case cases[] = {
        {"one point", {{10, 20}}, {{10, 20}, {10, 20}}},
        {"three points in their order",
         {{10, 20}, {50, 200}, {300, 40}},
         {{10, 20}, {50, 200}, {300, 40}, {10, 20}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TLineSeries* r = Result(new TPerimeterFunction(&Form), {Source(c.points)});
        Draw();
        r->Function()->Recalculate();
        EXPECT_EQ(Points(*r), c.want);
    }
    // A square with a point inside: the inside point is not on the outline.
    TLineSeries* r = Result(new TPerimeterFunction(&Form),
                            {Source({{100, 100}, {200, 100}, {150, 150}, {200, 200}, {100, 200}})});
    Draw();
    r->Function()->Recalculate();
    ASSERT_EQ(r->Count(), 5);
    for (const TXY& p : Points(*r)) EXPECT_NE(p, TXY(150, 150));
    EXPECT_EQ(Points(*r).front(), Points(*r).back());
}

// --- Histogram and subset.

TEST_F(StatsChartTest, HistogramOfConstantDataAndOfNulls) {
    auto* f = new THistogramFunction(&Form);
    f->SetNumBins(4);
    TLineSeries* r = Result(f, {Values({7, 7, 7, 7, 7})});
    EXPECT_EQ(Points(*r), (std::vector<TXY>{{5.125, 0}, {6.375, 0}, {7.625, 5}, {8.875, 0}}));

    TLineSeries* withNull = Values({1, 2, 3});
    withNull->AddNullXYPoint(3, 9);  // widens the range to 1 .. 9 all the same
    f->SetNumBins(2);
    f->SetIncludeNulls(false);
    TLineSeries* h = Result(f, {withNull});
    EXPECT_EQ(Points(*h), (std::vector<TXY>{{3, 3}, {7, 0}}));
    f->SetIncludeNulls(true);
    EXPECT_EQ(Ys(*h), (std::vector<double>{3, 1}));
}

TEST_F(StatsChartTest, SubsetKeepsPositionsBetweenItsLimits) {
    TLineSeries* source = Values({5, 6, 7, 8, 9});
    auto* f = new TSubsetTeeFunction(&Form);
    TLineSeries* r = Result(f, {source});
    EXPECT_EQ(Points(*r), (std::vector<TXY>{{0, 5}}));
    f->SetEndValue(3);
    f->SetStartValue(1);
    EXPECT_EQ(Points(*r), (std::vector<TXY>{{1, 6}, {2, 7}, {3, 8}}));
    // A value source the source lacks: nothing to copy.
    r->MandatoryValueList().SetValueSource("Open");
    f->Recalculate();
    EXPECT_EQ(r->Count(), 0);
}

}  // namespace
