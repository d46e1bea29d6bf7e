// The numeric kernels of the statistics, fitting, down-sampling and binning functions, checked
// by hand on small inputs and against independent computations on larger random ones (seeds
// printed on failure).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "chart/series/numeric/DownSampling.h"
#include "chart/series/numeric/Histogram.h"
#include "chart/series/numeric/Moments.h"
#include "chart/series/numeric/PolynomialFit.h"
#include "chart/series/numeric/TrendSums.h"

namespace {

// |a - b| within rel of the larger magnitude (or of 1 near zero).
::testing::AssertionResult NearRelative(long double a, long double b, long double rel) {
    const long double scale = std::max({std::fabs(a), std::fabs(b), 1.0L});
    if (std::fabs(a - b) <= rel * scale) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << double(a) << " vs " << double(b) << " differ by " << double(std::fabs(a - b));
}

// --- Linear systems and polynomial fits.

TEST(PolynomialKernelTest, SolverNeedsARowSwapAndGivesTheSignedDeterminant) {
    // 0 x1 + 2 x2 + x3 = 7, x1 + x2 + x3 = 6, 2 x1 + x2 + 3 x3 = 13: x = (1, 2, 3).
    TPolyMatrix a{};
    TPolyVector b{}, x{};
    const long double rows[3][3] = {{0, 2, 1}, {1, 1, 1}, {2, 1, 3}};
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) a[i][j] = rows[i - 1][j - 1];
    b[1] = 7;
    b[2] = 6;
    b[3] = 13;
    const long double det = SolveLinearSystem(3, a, b, 1e-15L, x);
    // det = 0(3-1) - 2(3-2) + 1(1-2) = -3.
    EXPECT_TRUE(NearRelative(det, -3, 1e-18L));
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(NearRelative(x[i], i, 1e-18L)) << i;

    TPolyMatrix singular{};
    TPolyVector rhs{}, untouched{};
    untouched[1] = untouched[2] = 42;
    singular[1][1] = 1;
    singular[1][2] = 2;
    singular[2][1] = 2;
    singular[2][2] = 4;
    EXPECT_EQ(SolveLinearSystem(2, singular, rhs, 1e-15L, untouched), 0);
    EXPECT_EQ(untouched[1], 42);
}

TEST(PolynomialKernelTest, PowersAndEvaluation) {
    TPolyVector p{};
    FillPowers(4, 3, p);
    EXPECT_EQ(p[1], 1);
    EXPECT_EQ(p[4], 27);
    TPolyVector c{};
    c[1] = 1;
    c[2] = -2;
    c[3] = 0.5L;
    EXPECT_EQ(EvaluatePolynomial(3, c, 4), 1 - 8 + 8);
}

TEST(PolynomialKernelTest, ExactDataGivesBackItsCoefficients) {
    for (int terms = 1; terms <= 7; ++terms) {
        SCOPED_TRACE(terms);
        TPolyVector want{};
        for (int k = 1; k <= terms; ++k) want[k] = (k % 2 ? 1.5L : -0.75L) / k;
        std::vector<long double> x, y;
        for (int i = 0; i <= 12; ++i) {
            x.push_back(i * 0.5L);
            y.push_back(EvaluatePolynomial(terms, want, x.back()));
        }
        TPolyVector got{};
        ASSERT_TRUE(FitPolynomial(x, y, terms, got));
        for (int k = 1; k <= terms; ++k) EXPECT_TRUE(NearRelative(got[k], want[k], 1e-9L)) << k;
    }
}

// The least-squares fit another way: the Vandermonde matrix reduced by modified Gram-Schmidt
// (QR), never forming the normal equations; returns the fitted values at the points.
std::vector<long double> QrFittedValues(const std::vector<long double>& x,
                                        const std::vector<long double>& y, int terms) {
    const size_t n = x.size();
    std::vector<std::vector<long double>> q(static_cast<size_t>(terms),
                                            std::vector<long double>(n));
    for (int k = 0; k < terms; ++k)
        for (size_t i = 0; i < n; ++i) q[size_t(k)][i] = std::pow(x[i], (long double)k);
    for (int k = 0; k < terms; ++k) {
        for (int j = 0; j < k; ++j) {
            long double dot = 0;
            for (size_t i = 0; i < n; ++i) dot += q[size_t(j)][i] * q[size_t(k)][i];
            for (size_t i = 0; i < n; ++i) q[size_t(k)][i] -= dot * q[size_t(j)][i];
        }
        long double norm = 0;
        for (size_t i = 0; i < n; ++i) norm += q[size_t(k)][i] * q[size_t(k)][i];
        norm = std::sqrt(norm);
        for (size_t i = 0; i < n; ++i) q[size_t(k)][i] /= norm;
    }
    // The projection of y onto the columns' span.
    std::vector<long double> fitted(n, 0);
    for (int k = 0; k < terms; ++k) {
        long double dot = 0;
        for (size_t i = 0; i < n; ++i) dot += q[size_t(k)][i] * y[i];
        for (size_t i = 0; i < n; ++i) fitted[i] += dot * q[size_t(k)][i];
    }
    return fitted;
}

TEST(PolynomialKernelTest, RandomFitsAgreeWithAnOrthogonalReduction) {
    const unsigned seed = 20261211;
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> u(0, 10), noise(-1, 1);
    for (int terms : {2, 4, 6}) {
        std::vector<long double> x, y;
        for (int i = 0; i < 200; ++i) {
            x.push_back(u(rng));
            y.push_back(3 + std::sin(double(x.back())) * 5 + noise(rng));
        }
        TPolyVector c{};
        ASSERT_TRUE(FitPolynomial(x, y, terms, c));
        const std::vector<long double> want = QrFittedValues(x, y, terms);
        for (size_t i = 0; i < x.size(); ++i)
            ASSERT_TRUE(NearRelative(EvaluatePolynomial(terms, c, x[i]), want[i], 1e-9L))
                << "terms " << terms << " point " << i;
    }
}

TEST(PolynomialKernelTest, HopelessConditioningIsRefusedNotReturnedAsNoise) {
    // x in 1e6 .. 1e6 + 10 with six coefficients: the powers agree to a dozen digits.
    std::vector<long double> x, y;
    for (int i = 0; i <= 40; ++i) {
        x.push_back(1e6L + i * 0.25L);
        y.push_back(std::cos(double(i)));
    }
    TPolyVector c{};
    EXPECT_FALSE(FitPolynomial(x, y, 6, c));
    // Fewer distinct positions than coefficients.
    const std::vector<long double> two{1, 2, 1, 2}, values{1, 2, 3, 4};
    EXPECT_FALSE(FitPolynomial(two, values, 3, c));
    // All positions 0: only the constant is determined.
    const std::vector<long double> zeros{0, 0, 0}, three{1, 2, 3};
    EXPECT_FALSE(FitPolynomial(zeros, three, 2, c));
}

// --- Spread.

TEST(MomentsKernelTest, HandTable) {
    struct Case {
        std::vector<double> v;
        double sample, complete, rms, rmsComplete, variance;
    };
    const Case cases[] = {
        {{1, 3}, std::sqrt(2.0), 1, std::sqrt(10.0), std::sqrt(5.0), 1},
        {{5, 5}, 0, 0, 5 * std::sqrt(2.0), 5, 0},
        {{1, 2, 3}, 1, std::sqrt(2.0 / 3), std::sqrt(7.0), std::sqrt(14.0 / 3), 2.0 / 3},
        {{4}, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.v.size());
        TMoments m;
        for (double v : c.v) m.Add(v);
        EXPECT_TRUE(NearRelative(m.StdDeviation(false), c.sample, 1e-15L));
        EXPECT_TRUE(NearRelative(m.StdDeviation(true), c.complete, 1e-15L));
        EXPECT_TRUE(NearRelative(m.RootMeanSquare(false), c.rms, 1e-15L));
        EXPECT_TRUE(NearRelative(m.RootMeanSquare(true), c.rmsComplete, 1e-15L));
        EXPECT_TRUE(
            NearRelative(PopulationVariance(c.v.data(), int(c.v.size())), c.variance, 1e-15L));
    }
}

TEST(MomentsKernelTest, RandomDataWithALargeOffsetAgreesWithTwoPasses) {
    const unsigned seed = 77;
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    std::mt19937 rng(seed);
    for (double offset : {0.0, 1e6, 4.5e4}) {
        std::normal_distribution<double> d(offset, 3);
        std::vector<double> v(5000);
        for (double& x : v) x = d(rng);
        long double mean = 0;
        for (double x : v) mean += x;
        mean /= v.size();
        long double squares = 0;
        for (double x : v) squares += (x - mean) * (x - mean);
        TMoments m;
        for (double x : v) m.Add(x);
        EXPECT_TRUE(NearRelative(m.StdDeviation(false), std::sqrt(squares / (v.size() - 1)), 1e-9L))
            << offset;
        EXPECT_TRUE(
            NearRelative(PopulationVariance(v.data(), int(v.size())), squares / v.size(), 1e-9L))
            << offset;
    }
}

// --- Trends.

TEST(TrendKernelTest, LinesExponentialsAndCorrelation) {
    TTrendSums line;
    for (double x : {0.0, 1.0, 2.0, 5.0}) line.Add(x, 2 * x + 1);
    EXPECT_TRUE(NearRelative(line.Line().Slope, 2, 1e-15L));
    EXPECT_TRUE(NearRelative(line.Line().Intercept, 1, 1e-15L));
    EXPECT_TRUE(NearRelative(line.Correlation(), 1, 1e-15L));

    TTrendSums falling;
    for (double x : {1.0, 2.0, 3.0}) falling.Add(x, 10 - 3 * x);
    EXPECT_TRUE(NearRelative(falling.Correlation(), -1, 1e-15L));

    TTrendSums upright;  // every point at one position: y = x
    upright.Add(3, 1);
    upright.Add(3, 7);
    EXPECT_EQ(upright.Line().Slope, 1);
    EXPECT_EQ(upright.Line().Intercept, 0);

    TTrendSums growth;  // 3 e^(0.5 x), fitted on logarithms
    for (double x : {0.0, 1.0, 2.0, 4.0}) growth.Add(x, std::log(3 * std::exp(0.5 * x)));
    EXPECT_TRUE(NearRelative(growth.Exponential().Scale, 3, 1e-12L));
    EXPECT_TRUE(NearRelative(growth.Exponential().Rate, 0.5, 1e-12L));
}

TEST(TrendKernelTest, DatesAsPositionsAgreeWithCentredSums) {
    const unsigned seed = 5;
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> noise(-2, 2);
    std::vector<double> x, y;
    for (int i = 0; i < 3000; ++i) {
        x.push_back(46000 + i / 24.0);  // hourly points of a few months
        y.push_back(0.3 * (x.back() - 46000) + 100 + noise(rng));
    }
    TTrendSums sums;
    for (size_t i = 0; i < x.size(); ++i) sums.Add(x[i], y[i]);
    long double mx = 0, my = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        mx += x[i];
        my += y[i];
    }
    mx /= x.size();
    my /= y.size();
    long double sxy = 0, sxx = 0, syy = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    const long double m = sxy / sxx;
    EXPECT_TRUE(NearRelative(sums.Line().Slope, m, 1e-9L));
    EXPECT_TRUE(NearRelative(sums.Line().Intercept, my - m * mx, 1e-9L));
    EXPECT_TRUE(NearRelative(sums.Correlation(), sxy / std::sqrt(sxx * syy), 1e-9L));
}

// --- Douglas-Peucker.

// The textbook recursion, written apart from the kernel's stack of spans.
void PlainDouglas(const std::vector<double>& x, const std::vector<double>& y, size_t s, size_t e,
                  double t, std::vector<bool>& keep) {
    if (e <= s + 1) return;
    double best = 0;
    size_t at = s;
    for (size_t k = s + 1; k < e; ++k) {
        const double vx = x[e] - x[s], vy = y[e] - y[s];
        const double len = vx * vx + vy * vy;
        const double d = (x[k] - x[s]) * vx + (y[k] - y[s]) * vy;
        const double f = d <= 0 ? 0 : d > len ? 1 : d / len;
        const double dx = x[k] - (x[s] + f * vx), dy = y[k] - (y[s] + f * vy);
        if (dx * dx + dy * dy > best) {
            best = dx * dx + dy * dy;
            at = k;
        }
    }
    if (best > t * t) {
        keep[at] = true;
        PlainDouglas(x, y, s, at, t, keep);
        PlainDouglas(x, y, at, e, t, keep);
    }
}

std::vector<double> Xs(const std::vector<TSampledPoint>& p) {
    std::vector<double> out;
    for (const TSampledPoint& q : p) out.push_back(q.X);
    return out;
}

TEST(DouglasKernelTest, LinesZigZagsAndToleranceZero) {
    std::vector<TSampledPoint> out;
    const std::vector<double> x{0, 1, 2, 3, 4}, line{1, 3, 5, 7, 9};
    DouglasPeucker(x, line, 0, out);
    EXPECT_EQ(Xs(out), (std::vector<double>{0, 4}));
    const std::vector<double> zig{0, 1, 0, 1, 0};
    DouglasPeucker(x, zig, 0.5, out);
    EXPECT_EQ(Xs(out), (std::vector<double>{0, 1, 2, 3, 4}));
    DouglasPeucker(x, zig, 1.5, out);
    EXPECT_EQ(Xs(out), (std::vector<double>{0, 4}));
    // Tolerance 0 keeps what deviates at all from its span's chord, and only that.
    const std::vector<double> roof{0, 1, 2, 1, 0};
    DouglasPeucker(x, roof, 0, out);
    EXPECT_EQ(Xs(out), (std::vector<double>{0, 2, 4}));
    const std::vector<double> bump{0, 0, 1e-9, 0, 0};
    DouglasPeucker(x, bump, 0, out);
    EXPECT_EQ(Xs(out), (std::vector<double>{0, 1, 2, 3, 4}));
    DouglasPeucker(std::vector<double>{1}, std::vector<double>{1}, 0, out);
    EXPECT_TRUE(out.empty());
}

TEST(DouglasKernelTest, RandomWalksAgreeWithThePlainRecursion) {
    const unsigned seed = 99;
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    std::mt19937 rng(seed);
    std::normal_distribution<double> step(0, 1);
    for (double t : {0.5, 2.0, 10.0}) {
        std::vector<double> x(4000), y(4000);
        for (size_t i = 0; i < x.size(); ++i) {
            x[i] = double(i) * 0.1;
            y[i] = (i ? y[i - 1] : 0) + step(rng);
        }
        std::vector<bool> keep(x.size(), false);
        keep.front() = keep.back() = true;
        PlainDouglas(x, y, 0, x.size() - 1, t, keep);
        std::vector<double> want;
        for (size_t i = 0; i < x.size(); ++i)
            if (keep[i]) want.push_back(x[i]);
        std::vector<TSampledPoint> out;
        DouglasPeucker(x, y, t, out);
        EXPECT_EQ(Xs(out), want) << "tolerance " << t;
    }
}

// --- Groups.

std::string Text(const std::vector<TSampledPoint>& p) {
    std::string s;
    for (const TSampledPoint& q : p) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%g:%g%s ", q.X, q.Y, q.Null ? "n" : "");
        s.append(buf);
    }
    return s;
}

TEST(GroupKernelTest, EveryMethodOnOneHandMadeRecord) {
    // Two groups of four by count: (0..3) and (4..7), the second with one point fewer below.
    const std::vector<double> x{0, 1, 2, 3, 4, 5, 6, 7};
    const std::vector<double> y{5, 9, 1, 4, 2, 2, 8, 3};
    struct Case {
        TDownSampleMethod method;
        const char* want;
    };
    const Case cases[] = {
        {dsMax, "1.5:9 5.5:8 "},
        {dsMin, "1.5:1 5.5:2 "},
        {dsAverage, "1.5:4.75 5.5:3.75 "},
        {dsMinMax, "0:1 3:9 4:2 7:8 "},
        {dsMinMaxFirstLast, "0:5 1:9 2:1 3:4 4:2 4:2 6:8 7:3 "},
        // No two points at one position: the second group's minimum is its first point.
        {dsMinMaxFirstLastNull, "0:5 1:9 2:1 3:4 4:2 6:8 7:3 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        std::vector<TSampledPoint> out;
        ReduceGroups(c.method, x, y, {}, -1, TGrouping{4, 0}, out);
        EXPECT_EQ(Text(out), c.want);
    }
}

TEST(GroupKernelTest, SmallGroupsAndWidths) {
    std::vector<TSampledPoint> out;
    const std::vector<double> x{0, 1, 2, 10, 11, 20}, y{3, 1, 2, 5, 6, 7};
    // Groups by position width 5: (0, 1, 2), (10, 11), (20).
    ReduceGroups(dsMinMaxFirstLast, x, y, {}, 0, TGrouping{0, 5}, out);
    EXPECT_EQ(Text(out), "0:3 1:1 2:2 10:5 11:6 20:7 ");
    ReduceGroups(dsMinMax, x, y, {}, 0, TGrouping{0, 5}, out);
    EXPECT_EQ(Text(out), "0:1 2:3 10:5 11:6 20:7 ");
    // A width of 0 still takes each point into a group of its own and moves on.
    ReduceGroups(dsAverage, x, y, {}, 0, TGrouping{0, 0}, out);
    EXPECT_EQ(out.size(), x.size());
}

TEST(GroupKernelTest, NullKeepingKeepsOneNullPerGroup) {
    const std::vector<double> x{0, 1, 2, 3, 4, 5, 6, 7};
    const std::vector<double> y{0, 0, 0, 4, 5, 0, 7, 8};
    const std::vector<uint8_t> nulls{1, 1, 1, 0, 0, 1, 0, 0};
    std::vector<TSampledPoint> out;
    ReduceGroups(dsMinMaxFirstLastNull, x, y, nulls, 0, TGrouping{4, 0}, out);
    // First group: one null takes part (the later two are skipped), so the group is 0, 3.
    // Second: its null is the minimum and stays as a gap.
    EXPECT_EQ(Text(out), "0:0n 3:4 4:5 5:0n 7:8 ");
}

TEST(GroupKernelTest, DisplayedPointCountOfOneHundredOverTenThousand) {
    std::vector<double> x(10000), y(10000);
    for (size_t i = 0; i < x.size(); ++i) {
        x[i] = double(i);
        y[i] = std::sin(i * 0.01);
    }
    const int groupSize = int(std::nearbyint(10000 / (100 / 4.0)));
    EXPECT_EQ(groupSize, 400);
    std::vector<TSampledPoint> out;
    ReduceGroups(dsAverage, x, y, {}, 0, TGrouping{groupSize, 0}, out);
    EXPECT_EQ(out.size(), 25u);
    ReduceGroups(dsMinMaxFirstLast, x, y, {}, 0, TGrouping{groupSize, 0}, out);
    EXPECT_EQ(out.size(), 100u);
}

// --- Bins.

TEST(HistogramKernelTest, HandTable) {
    struct Case {
        const char* name;
        std::vector<double> values;
        double lo, hi;
        int bins;
        THistogramBinning binning;
        bool cumulative;
        std::vector<double> centres, counts;
    };
    const Case cases[] = {
        {"0..9 in 5 bins, 9 in the last",
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
         0,
         9,
         5,
         hbTruncate,
         false,
         {0.9, 2.7, 4.5, 6.3, 8.1},
         {2, 2, 2, 2, 2}},
        {"constant 7 in 4 bins",
         {7, 7, 7},
         7,
         7,
         4,
         hbTruncate,
         false,
         {5.125, 6.375, 7.625, 8.875},
         {0, 0, 3, 0}},
        {"rounded and cumulative",
         {0, 1, 2, 3, 4},
         0,
         4,
         4,
         hbRound,
         true,
         {0.5, 1.5, 2.5, 3.5},
         {1, 2, 3, 5}},
        {"one bin", {1, 2, 3}, 1, 3, 1, hbTruncate, false, {2}, {3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<double> centres, counts;
        HistogramBins(c.values, c.lo, c.hi, c.bins, c.binning, c.cumulative, centres, counts);
        ASSERT_EQ(centres.size(), c.centres.size());
        for (size_t i = 0; i < centres.size(); ++i)
            EXPECT_NEAR(centres[i], c.centres[i], 1e-12) << i;
        EXPECT_EQ(counts, c.counts);
    }
}

}  // namespace
