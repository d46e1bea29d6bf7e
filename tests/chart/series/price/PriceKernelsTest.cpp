// The numeric kernels of the price functions against hand-worked cases: each case computes a
// list of results, compared value by value within a few units in the last place.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "chart/series/price/AverageSpreadKernels.h"
#include "chart/series/price/BollingerKernel.h"
#include "chart/series/price/MovingAverageKernels.h"
#include "chart/series/price/OscillatorKernels.h"
#include "chart/series/price/TrendKernels.h"
#include "chart/series/price/VolumeKernels.h"

namespace {

using TValues = std::vector<double>;

struct TKernelCase {
    const char* Name;
    std::function<TValues()> Run;
    TValues Expected;
};

void ExpectKernelCases(const std::vector<TKernelCase>& cases) {
    for (const TKernelCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TValues got = c.Run();
        ASSERT_EQ(got.size(), c.Expected.size());
        for (size_t i = 0; i < got.size(); ++i)
            EXPECT_NEAR(got[i], c.Expected[i], 1e-12 * (1 + std::abs(c.Expected[i]))) << i;
    }
}

// The exponential average as (index, value) pairs flattened: index, value, index, value ...
TValues EmaPairs(TValues v, std::vector<unsigned char> nulls, double period, bool ignoreNulls) {
    const int n = int(v.size());
    std::vector<int> at(v.size());
    TValues out(v.size());
    const int count = ExpMovingAverage(v.data(), nulls.empty() ? nullptr : nulls.data(), n, period,
                                       ignoreNulls, at.data(), out.data());
    TValues pairs;
    for (int i = 0; i < count; ++i) pairs.insert(pairs.end(), {double(at[i]), out[i]});
    return pairs;
}

TEST(PriceKernels, MovingAverages) {
    static const double v[] = {1, 2, 3, 4, 5};
    static const double x[] = {1, 2, 3};
    static const double zeroSum[] = {-1, 1};
    ExpectKernelCases({
        {"plain window",
         [] {
             return TValues{WindowAverage(v, 0, 2), WindowAverage(v, 2, 4)};
         },
         {2, 4}},
        {"empty window is 0", [] { return TValues{WindowAverage(v, 3, 2)}; }, {0}},
        {"weighted by index", [] { return TValues{IndexWeightedAverage(v, 0, 2)}; }, {14.0 / 6}},
        {"weighted by position",
         [] { return TValues{PositionWeightedAverage(v, x, 0, 2)}; },
         {14.0 / 6}},
        {"positions summing to 0",
         [] { return TValues{PositionWeightedAverage(v, zeroSum, 0, 1)}; },
         {0}},
        {"two-point blend",
         [] {
             return TValues{TwoPointBlend(v, 0, 0.2), TwoPointBlend(v, 1, 0.2),
                            TwoPointBlend(v, 1, 1), TwoPointBlend(v, 1, 0)};
         },
         {1, 1.2, 2, 1}},
        {"exponential, period 3",
         [] {
             return EmaPairs({1, 2, 3, 4}, {}, 3, true);
         },
         {0, 1, 1, 1.5, 2, 2.25, 3, 3.125}},
        {"exponential, period 1 copies",
         [] {
             return EmaPairs({4, 1, 7}, {}, 1, true);
         },
         {0, 4, 1, 1, 2, 7}},
        {"exponential of one point", [] { return EmaPairs({4}, {}, 3, true); }, {}},
        {"exponential of period 0",
         [] {
             return EmaPairs({4, 5}, {}, 0, true);
         },
         {}},
        {"nulls taking part",
         [] {
             return EmaPairs({2, 100, 4}, {0, 1, 0}, 3, true);
         },
         {0, 2, 1, 51, 2, 27.5}},
        {"nulls skipped",
         [] {
             return EmaPairs({2, 100, 4}, {0, 1, 0}, 3, false);
         },
         {0, 2, 2, 3}},
        {"leading null skipped",
         [] {
             return EmaPairs({5, 1, 3}, {1, 0, 0}, 3, false);
         },
         {1, 1, 2, 2}},
        {"every point null seeds at the last",
         [] {
             return EmaPairs({5, 1}, {1, 1}, 3, false);
         },
         {1, 1}},
    });
}

TEST(PriceKernels, Oscillators) {
    static const double v[] = {1, 4, 9};
    static const double zeroFirst[] = {0, 5};
    static const double perf[] = {4, 5, 2};
    static const double close[] = {5, 6, 7}, low[] = {4, 5, 6}, high[] = {6, 8, 7};
    static const double flat[] = {3, 3, 3};
    static const double risingCloses[] = {1, 2, 1.5};
    static const double ocClose[] = {10, 8, 12}, ocOpen[] = {9, 9, 11};
    ExpectKernelCases({
        {"momentum",
         [] {
             return TValues{Momentum(v, 0, 2), Momentum(v, 1, 1)};
         },
         {8, 0}},
        {"momentum division",
         [] {
             return TValues{MomentumDivision(v, 0, 1), MomentumDivision(zeroFirst, 0, 1)};
         },
         {400, 0}},
        {"performance against the first point",
         [] {
             return TValues{Performance(perf, 0), Performance(perf, 1), Performance(perf, 2),
                            Performance(zeroFirst, 1)};
         },
         {0, 25, -50, 0}},
        {"stochastic", [] { return TValues{Stochastic(close, low, high, 0, 2)}; }, {75}},
        {"stochastic of constant prices",
         [] { return TValues{Stochastic(flat, flat, flat, 0, 2)}; },
         {0}},
        {"RSI, close style",
         [] { return TValues{RelativeStrength(risingCloses, risingCloses, 0, 2, rsiClose)}; },
         {200.0 / 3}},
        {"RSI of constant closes",
         [] { return TValues{RelativeStrength(flat, flat, 0, 2, rsiClose)}; },
         {100}},
        {"RSI, open-close style sums closes",
         [] { return TValues{RelativeStrength(ocClose, ocOpen, 0, 2, rsiOpenClose)}; },
         {100 - 100 / 3.75}},
        {"RSI, every candle rising",
         [] { return TValues{RelativeStrength(ocClose, flat, 0, 0, rsiOpenClose)}; },
         {100}},
    });
}

TValues CciPairs(TValues values, int p) {
    const int n = int(values.size());
    TValues typical(values.size()), out(values.size());
    std::vector<int> at(values.size());
    const double* d = values.data();
    const int count =
        CommodityChannelIndex(d, d, d, n, p, 0.015, typical.data(), at.data(), out.data());
    TValues pairs;
    for (int i = 0; i < count; ++i) pairs.insert(pairs.end(), {double(at[i]), out[i]});
    return pairs;
}

TEST(PriceKernels, CommodityChannelIndex) {
    ExpectKernelCases({
        {"period 2",
         [] {
             return CciPairs({1, 3, 2}, 2);
         },
         {1, 200 / 3.0, 2, -200 / 3.0}},
        {"constant prices add nothing",
         [] {
             return CciPairs({3, 3, 3}, 2);
         },
         {}},
        {"period longer than the data",
         [] {
             return CciPairs({1, 3}, 3);
         },
         {}},
        {"period 0",
         [] {
             return CciPairs({1, 3}, 0);
         },
         {}},
    });
}

struct TTrendRun {
    TValues Up, Down, ADX;
    TDirectionalCounts Counts;
};

TTrendRun RunDirectional(const TValues& high, const TValues& low, const TValues& close, double p) {
    TTrendRun r;
    const size_t n = high.size();
    r.Up.resize(n);
    r.Down.resize(n);
    r.ADX.resize(n);
    r.Counts = DirectionalMovement(high.data(), low.data(), close.data(), int(n), p, r.Up.data(),
                                   r.Down.data(), r.ADX.data());
    r.Up.resize(size_t(r.Counts.DICount));
    r.Down.resize(size_t(r.Counts.DICount));
    r.ADX.resize(size_t(r.Counts.ADXCount));
    return r;
}

TValues RunSAR(const TValues& high, const TValues& low, double accel = 0.02, double max = 0.2) {
    TValues out(high.size());
    out.resize(
        size_t(ParabolicSAR(high.data(), low.data(), int(high.size()), accel, max, out.data())));
    return out;
}

TEST(PriceKernels, DirectionalMovement) {
    // Hand-worked: true ranges 3, 2, 4.5; +DM 2, 0, 0; -DM 0, 0, 2.
    const TTrendRun r = RunDirectional({10, 12, 11, 11.5}, {8, 9, 9, 7}, {9, 11, 10, 12}, 2);
    EXPECT_EQ(r.Counts.DIFirst, 2);
    EXPECT_EQ(r.Counts.ADXFirst, 2);
    ExpectKernelCases({
        {"+DI", [&] { return r.Up; }, {40, 100.0 / 7}},
        {"-DI", [&] { return r.Down; }, {0, 200.0 / 7}},
        // The first ADX is one DX (100) over p - 1 = 1 value; then (33.3 + 100) / 2.
        {"ADX", [&] { return r.ADX; }, {100, (100.0 / 3 + 100) / 2}},
    });

    // 28 points of period 14: 14 DI values from point 14 on, 2 ADX values at points 26 and 27.
    TValues high, low, close;
    for (int i = 0; i < 28; ++i) {
        high.push_back(10 + i % 5);
        low.push_back(5 + i % 3);
        close.push_back(7 + i % 4);
    }
    const TTrendRun full = RunDirectional(high, low, close, 14);
    EXPECT_EQ(full.Counts.DICount, 14);
    EXPECT_EQ(full.Counts.ADXFirst, 26);
    EXPECT_EQ(full.Counts.ADXCount, 2);
    high.pop_back(), low.pop_back(), close.pop_back();
    EXPECT_EQ(RunDirectional(high, low, close, 14).Counts.DICount, 0) << "2 x period > points";
    EXPECT_EQ(RunDirectional(high, low, close, 1.5).Counts.DICount, 0) << "period below 2";

    // Prices without any range: the smoothed true range stays 0 and both DI are 0.
    const TTrendRun flat = RunDirectional({5, 5, 5, 5}, {5, 5, 5, 5}, {5, 5, 5, 5}, 2);
    ExpectKernelCases({{"flat +DI", [&] { return flat.Up; }, {0, 0}},
                       {"flat ADX", [&] { return flat.ADX; }, {0, 0}}});
}

TEST(PriceKernels, ParabolicSAR) {
    ExpectKernelCases({
        {"two points seed only",
         [] {
             return RunSAR({10, 11}, {9, 10});
         },
         {}},
        {"rising: the lows of the two points before bound it",
         [] {
             return RunSAR({10, 11, 12, 13}, {9, 10, 11, 12});
         },
         {9, 9.12}},
        {"broken on the first computed point: reverses to the first high",
         [] {
             return RunSAR({10, 11, 10}, {9, 10, 5});
         },
         {10}},
        {"falling: the highs of the two points before bound it",
         [] {
             return RunSAR({10, 11, 10, 8}, {9, 10, 5, 4});
         },
         {10, 11}},
        {"acceleration held at the maximum step",
         [] {
             return RunSAR({10, 11, 12, 13}, {9, 10, 11, 12}, 0.1, 0.15);
         },
         {9, 9.45}},
    });
}

TValues Bands(TValues v, double period, bool exponential, double deviation) {
    TValues upper(v.size()), lower(v.size());
    const int count = BollingerBands(v.data(), int(v.size()), period, exponential, deviation,
                                     upper.data(), lower.data());
    TValues both;
    for (int i = 0; i < count; ++i) both.insert(both.end(), {upper[i], lower[i]});
    return both;
}

TValues Spread(TValues v, double fast, double slow, int kind) {
    TValues out(v.size());
    const int n = int(v.size());
    const int count = kind == 0
                          ? MacdLine(v.data(), n, fast, slow, out.data())
                          : PercentageOscillator(v.data(), n, fast, slow, kind == 2, out.data());
    out.resize(size_t(count));
    return out;
}

TEST(PriceKernels, BandsAndAverageSpreads) {
    const double s = std::sqrt(6.0 / 9);
    ExpectKernelCases({
        {"bands over a plain average",
         [] {
             return Bands({1, 2, 3}, 3, false, 2);
         },
         {2 + 2 * s, 2 - 2 * s}},
        {"bands over the exponential average",
         [] {
             return Bands({1, 2, 3}, 3, true, 2);
         },
         {2.25 + 2 * s, 2.25 - 2 * s}},
        {"deviation 0: both bands are the average",
         [] {
             return Bands({1, 2, 3, 6}, 2, false, 0);
         },
         {1.5, 1.5, 2.5, 2.5, 4.5, 4.5}},
        {"period 0",
         [] {
             return Bands({1, 2, 3}, 0, false, 2);
         },
         {}},
        {"period longer than the data",
         [] {
             return Bands({1, 2}, 3, false, 2);
         },
         {}},
        {"one point, plain", [] { return Bands({5}, 1, false, 2); }, {5, 5}},
        {"one point, exponential: no average to read", [] { return Bands({5}, 1, true, 2); }, {}},
        {"MACD line starts at 0",
         [] {
             return Spread({1, 2, 3}, 1, 3, 0);
         },
         {0, 0.5, 0.75}},
        {"MACD of one point", [] { return Spread({1}, 1, 3, 0); }, {}},
        {"MACD with a slow period of 0",
         [] {
             return Spread({1, 2}, 1, 0, 0);
         },
         {}},
        {"PVO difference",
         [] {
             return Spread({1, 2, 3}, 1, 3, 1);
         },
         {0, 50, 75}},
        {"PVO percentage",
         [] {
             return Spread({1, 2, 3}, 1, 3, 2);
         },
         {0, 25, 25}},
        {"PVO with equal periods",
         [] {
             return Spread({1, 7, 3}, 4, 4, 2);
         },
         {0, 0, 0}},
        {"PVO where the fast average is 0 gives the slow one",
         [] {
             return Spread({2, 0}, 1, 3, 2);
         },
         {0, 100}},
    });
}

TEST(PriceKernels, VolumeIndicators) {
    static const double high[] = {10, 10, 12, 6}, low[] = {8, 10, 8, 4}, close[] = {9, 10, 12, 4};
    static const double volume[] = {2, 3};
    static const double open[] = {1, 2, 3, 4}, closes[] = {2, 1, 4, 3}, volumes[] = {10, 20, 30};
    auto clv = [](const double* vol, int volumeCount, bool accumulate) {
        TValues out(4);
        CloseLocationValue(high, low, close, 4, vol, volumeCount, accumulate, out.data());
        return out;
    };
    ExpectKernelCases({
        {"CLV: middle, doji, at the high, at the low",
         [&] { return clv(nullptr, 0, false); },
         {0, 1, 1, -1}},
        {"CLV accumulated", [&] { return clv(nullptr, 0, true); }, {0, 1, 2, 1}},
        {"CLV by a shorter volume series", [&] { return clv(volume, 2, false); }, {0, 3, 1, -1}},
        {"OBV against each candle's own open",
         [] {
             TValues out(3);
             OnBalanceVolume(open, closes, volumes, 3, out.data());
             return out;
         },
         {10, -10, 20}},
        {"OBV: a falling first candle keeps its volume",
         [] {
             TValues out(1);
             OnBalanceVolume(closes, open, volumes, 1, out.data());
             return out;
         },
         {10}},
    });
}

}  // namespace
