// The price functions computed into a series of a chart, one table of hand-checked cases per
// family: every alignment of the window, null points, a period of one point, a period longer
// than the data and one that rounds to no point at all.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "chart/engine/FastLineSeries.h"
#include "chart/series/price/ADXFunction.h"
#include "chart/series/price/BollingerFunction.h"
#include "chart/series/price/CCIFunction.h"
#include "chart/series/price/MACDFunction.h"
#include "chart/series/price/MomentumFunctions.h"
#include "chart/series/price/MovingAverageFunctions.h"
#include "chart/series/price/PVOFunction.h"
#include "chart/series/price/SARFunction.h"
#include "chart/series/price/VolumeIndicatorFunctions.h"
#include "chart/series/price/VolumeSeries.h"
#include "tests/chart/series/SeriesLibraryStartup.h"
#include "tests/chart/series/price/PriceFunctionScene.h"

namespace {

using TMake = std::function<TTeeFunction*(TComponent*)>;

struct TPriceCase {
    const char* Name;
    TMake Make;
    std::vector<TPricePoint> Expected;
    std::function<void(TPriceScene&)> Prepare = nullptr;
};

// A function of class F with the period, the alignment and any further settings.
template <class F>
TMake Made(double period, TFunctionPeriodAlign align = paLast,
           std::function<void(F&)> more = nullptr) {
    return [=](TComponent* owner) {
        F* f = new F(owner);
        f->SetPeriod(period);
        f->SetPeriodAlign(align);
        if (more) more(*f);
        return f;
    };
}

void RunPriceCases(const std::vector<TQuote>& quotes, const std::vector<double>& dates,
                   const std::vector<TPriceCase>& cases) {
    for (const TPriceCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TPriceScene scene;
        scene.AddQuotes(quotes, dates);
        if (c.Prepare) c.Prepare(scene);
        scene.Compute(c.Make(&scene.Form));
        ExpectPricePoints(PricePoints(*scene.Result), c.Expected);
    }
}

std::vector<TQuote> Flat(const std::vector<double>& closes) {
    std::vector<TQuote> quotes;
    for (double c : closes) quotes.push_back({c, c, c, c});
    return quotes;
}

// Closes 10, 12, 11, 14, 13 at dates 1 .. 5, with opens, highs and lows around them.
const std::vector<TQuote>& Candles() {
    static const std::vector<TQuote> quotes{
        {9, 11, 8, 10}, {13, 13, 11, 12}, {10, 12, 10, 11}, {12, 15, 11, 14}, {14, 15, 12, 13}};
    return quotes;
}

struct PriceFunctionsTest : ::testing::Test {
    TSeriesLibraryStartup library;
};

TEST_F(PriceFunctionsTest, MovingAverages) {
    using MA = TMovingAverageFunction;
    using Blend = TExpAverageFunction;
    using EMA = TExpMovAveFunction;
    const auto nullAt30 = [](TPriceScene& s) { s.Prices->SetPointColor(2, clNone); };
    const std::vector<TPriceCase> cases{
        {"3 points, last", Made<MA>(3), {{30, 2}, {40, 3}, {50, 4}}},
        {"3 points, first", Made<MA>(3, paFirst), {{10, 2}, {20, 3}, {30, 4}}},
        {"3 points, centre", Made<MA>(3, paCenter), {{20, 2}, {30, 3}, {40, 4}}},
        {"1 point copies", Made<MA>(1), {{10, 1}, {20, 2}, {30, 3}, {40, 4}, {50, 5}}},
        {"more points than the data", Made<MA>(6), {}},
        {"a period that rounds to no point", Made<MA>(0.4), {}},
        {"weighted by X",
         Made<MA>(2, paLast, [](MA& f) { f.SetWeighted(true); }),
         {{20, 5.0 / 3}, {30, 2.6}, {40, 25.0 / 7}, {50, 41.0 / 9}}},
        {"weighted by index",
         Made<MA>(3, paLast, [](MA& f) { f.SetWeightedIndex(true); }),
         {{30, 14.0 / 6}, {40, 20.0 / 6}, {50, 26.0 / 6}}},
        {"a null point counts with its value", Made<MA>(3), {{30, 2}, {40, 3}, {50, 4}}, nullAt30},
        {"two-point blend 0.2",
         Made<Blend>(1),
         {{10, 1}, {20, 1.2}, {30, 2.2}, {40, 3.2}, {50, 4.2}}},
        {"two-point blend 0 shifts by a point",
         Made<Blend>(1, paLast, [](Blend& f) { f.SetWeight(0); }),
         {{10, 1}, {20, 1}, {30, 2}, {40, 3}, {50, 4}}},
        {"two-point blend 0.5 of 2 points, first",
         Made<Blend>(2, paFirst, [](Blend& f) { f.SetWeight(0.5); }),
         {{10, 1.5}, {20, 2.5}, {30, 3.5}, {40, 4.5}}},
        {"exponential of 3",
         Made<EMA>(3),
         {{10, 1}, {20, 1.5}, {30, 2.25}, {40, 3.125}, {50, 4.0625}}},
        {"exponential of 1 copies", Made<EMA>(1), {{10, 1}, {20, 2}, {30, 3}, {40, 4}, {50, 5}}},
        {"exponential of period 0", Made<EMA>(0), {}},
        {"exponential, nulls taking part",
         Made<EMA>(3),
         {{10, 1}, {20, 1.5}, {30, 2.25}, {40, 3.125}, {50, 4.0625}},
         nullAt30},
        {"exponential, nulls skipped",
         Made<EMA>(3, paLast, [](EMA& f) { f.SetIgnoreNulls(false); }),
         {{10, 1}, {20, 1.5}, {40, 2.75}, {50, 3.875}},
         nullAt30},
    };
    RunPriceCases(Flat({1, 2, 3, 4, 5}), {10, 20, 30, 40, 50}, cases);

    TPriceScene scene;
    scene.AddCloses({1, 2});
    EXPECT_TRUE(scene.Compute(new EMA(&scene.Form))->IgnoreNulls());
    EXPECT_EQ(scene.Result->Function()->Period(), 10);
    ExpectPricePoints(PricePoints(*scene.Result), {{1, 1}, {2, 1 + 2.0 / 11}});
}

TEST_F(PriceFunctionsTest, ARefusedWeightKeepsTheOldOne) {
    TPriceScene scene;
    scene.AddCloses({1, 2, 3});
    auto* blend = scene.Compute(new TExpAverageFunction(&scene.Form));
    blend->SetWeight(0.5);
    const auto before = PricePoints(*scene.Result);
    for (double refused : {1.5, -0.1, std::nan("")}) {
        try {
            blend->SetWeight(refused);
            ADD_FAILURE() << refused << " was taken";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "ExpAverage Weight must be between 0 and 1");
        }
        EXPECT_EQ(blend->Weight(), 0.5);
    }
    ExpectPricePoints(PricePoints(*scene.Result), before);
    EXPECT_THROW(blend->SetPeriod(-1), ChartException);
    EXPECT_EQ(blend->Period(), 1);
}

TEST_F(PriceFunctionsTest, Oscillators) {
    using RSI = TRSIFunction;
    const auto closeStyle = [](RSI& f) { f.SetStyle(rsiClose); };
    const std::vector<TPriceCase> cases{
        {"momentum of 2", Made<TMomentumFunction>(2), {{2, 2}, {3, -1}, {4, 3}, {5, -1}}},
        {"momentum of 3, centre", Made<TMomentumFunction>(3, paCenter), {{2, 1}, {3, 2}, {4, 2}}},
        {"momentum of 3, first", Made<TMomentumFunction>(3, paFirst), {{1, 1}, {2, 2}, {3, 2}}},
        {"momentum of 1 is 0",
         Made<TMomentumFunction>(1),
         {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}}},
        {"momentum longer than the data", Made<TMomentumFunction>(6), {}},
        {"momentum of a period typed as 0", Made<TMomentumFunction>(0), {}},
        {"momentum division of 2",
         Made<TMomentumDivFunction>(2),
         {{2, 120}, {3, 1100.0 / 12}, {4, 1400.0 / 11}, {5, 1300.0 / 14}}},
        {"performance of 1 against the first close",
         Made<TPerformanceFunction>(1),
         {{1, 0}, {2, 20}, {3, 10}, {4, 40}, {5, 30}}},
        {"performance of 2, first",
         Made<TPerformanceFunction>(2, paFirst),
         {{1, 20}, {2, 10}, {3, 40}, {4, 30}}},
        {"stochastic of 3 over highs and lows",
         Made<TStochasticFunction>(3),
         {{3, 60}, {4, 80}, {5, 60}}},
        {"RSI of 3 by closes",
         Made<RSI>(3, paLast, closeStyle),
         {{3, 200.0 / 3}, {4, 75}, {5, 75}}},
        {"RSI of 2 sums the closes of rising and falling candles",
         Made<RSI>(2),
         {{2, 500.0 / 11}, {3, 1100.0 / 23}, {4, 100}, {5, 1400.0 / 27}}},
        {"RSI of 2, centre",
         Made<RSI>(2, paCenter, closeStyle),
         {{1.5, 100}, {2.5, 0}, {3.5, 100}, {4.5, 0}}},
        {"channel index of 2: a window without deviation gives no point",
         Made<TCCIFunction>(2),
         {{2, 200.0 / 3}, {3, -200.0 / 3}, {4, 200.0 / 3}}},
        {"channel index longer than the data", Made<TCCIFunction>(6), {}},
        {"channel index with constant 0 (taken as 1)",
         Made<TCCIFunction>(2, paLast, [](TCCIFunction& f) { f.SetConstant(0); }),
         {{2, 1}, {3, -1}, {4, 1}}},
    };
    RunPriceCases(Candles(), {}, cases);

    // Constant prices: the stochastic is 0, the RSI 100, the channel index has no point.
    RunPriceCases(Flat({3, 3, 3, 3}), {},
                  {{"stochastic", Made<TStochasticFunction>(2), {{2, 0}, {3, 0}, {4, 0}}},
                   {"RSI", Made<RSI>(2, paLast, closeStyle), {{2, 100}, {3, 100}, {4, 100}}},
                   {"channel index", Made<TCCIFunction>(2), {}}});
}

TEST_F(PriceFunctionsTest, DirectionalMovementAndParabolicSAR) {
    const std::vector<TQuote> quotes{
        {9, 10, 8, 9}, {11, 12, 9, 11}, {10, 11, 9, 10}, {12, 11.5, 7, 12}};
    TPriceScene scene;
    scene.AddQuotes(quotes, {10, 20, 30, 40});
    auto* adx = scene.Compute(new TADXFunction(&scene.Form));
    adx->SetPeriod(2);
    // Hand-worked: true ranges 3, 2, 4.5; the first ADX is one DX over 2 - 1 values.
    ExpectPricePoints(PricePoints(*scene.Result), {{30, 100}, {40, (100.0 / 3 + 100) / 2}});
    ExpectPricePoints(PricePoints(*adx->UpLine()), {{30, 40}, {40, 100.0 / 7}});
    ExpectPricePoints(PricePoints(*adx->DownLine()), {{30, 0}, {40, 200.0 / 7}});
    for (double none : {3.0, 1.0}) {
        SCOPED_TRACE(none);  // 2 x period above the points; a period below 2
        adx->SetPeriod(none);
        EXPECT_EQ(scene.Result->Count(), 0);
        EXPECT_EQ(adx->UpLine()->Count(), 0);
        EXPECT_EQ(adx->DownLine()->Count(), 0);
        adx->SetPeriod(2);
        EXPECT_EQ(adx->UpLine()->Count(), 2);
    }

    RunPriceCases({{10, 10, 9, 10}, {11, 11, 10, 11}, {12, 12, 11, 12}, {13, 13, 12, 13}}, {},
                  {{"SAR of a rise", Made<TSARFunction>(0), {{3, 9}, {4, 9.12}}},
                   {"SAR held at its maximum step",
                    Made<TSARFunction>(0, paLast,
                                       [](TSARFunction& f) {
                                           f.SetAccelerationFactor(0.1);
                                           f.SetMaxStep(0.15);
                                       }),
                    {{3, 9}, {4, 9.45}}}});
    RunPriceCases({{10, 10, 9, 10}, {11, 11, 10, 11}, {5, 10, 5, 6}, {5, 8, 4, 5}}, {},
                  {{"SAR reverses to the first high, then stays above the highs",
                    Made<TSARFunction>(0),
                    {{3, 10}, {4, 11}}}});
    RunPriceCases({{10, 10, 9, 10}, {11, 11, 10, 11}}, {},
                  {{"SAR of two points", Made<TSARFunction>(0), {}}});
}

TEST_F(PriceFunctionsTest, ADXOf28PointsAndFlatPrices) {
    TPriceScene scene;
    for (int i = 0; i < 28; ++i) scene.Prices->AddQuote(i, 7, 10 + i % 5, 5 + i % 3, 7 + i % 4);
    auto* adx = scene.Compute(new TADXFunction(&scene.Form));
    EXPECT_EQ(adx->Period(), 14);
    EXPECT_EQ(adx->UpLine()->Count(), 14);
    EXPECT_EQ(adx->DownLine()->Count(), 14);
    ASSERT_EQ(scene.Result->Count(), 2);
    EXPECT_EQ(scene.Result->XValues()[0], 26);
    EXPECT_EQ(scene.Result->XValues()[1], 27);

    TPriceScene flat;
    flat.AddCloses({5, 5, 5, 5});
    auto* still = flat.Compute(new TADXFunction(&flat.Form));
    still->SetPeriod(2);
    ExpectPricePoints(PricePoints(*flat.Result), {{3, 0}, {4, 0}});
    ExpectPricePoints(PricePoints(*still->UpLine()), {{3, 0}, {4, 0}});
}

TEST_F(PriceFunctionsTest, MACDAndBollingerBands) {
    TPriceScene scene;
    scene.AddCloses({1, 2, 3});
    scene.Result->SetSeriesColor(clWhite);
    auto* macd = scene.Compute(new TMACDFunction(&scene.Form));
    EXPECT_EQ(macd->Period(), 26);
    EXPECT_EQ(macd->Period2(), 12);
    EXPECT_EQ(macd->Period3(), 9);
    macd->SetPeriod(3);
    macd->SetPeriod2(1);
    macd->SetPeriod3(3);
    ExpectPricePoints(PricePoints(*scene.Result), {{1, 0}, {2, 0.5}, {3, 0.75}});
    ExpectPricePoints(PricePoints(*macd->Signal()), {{1, 0}, {2, 0.25}, {3, 0.5}});
    ExpectPricePoints(PricePoints(*macd->Histogram()), {{1, 0}, {2, 0.25}, {3, 0.25}});
    EXPECT_EQ(scene.Result->SeriesColor(), clBlue) << "a white MACD line turns blue";
    macd->SetPeriod2(0.2);
    EXPECT_EQ(macd->Period2(), 1) << "the fast period is at least 1";
    macd->SetPeriod(0);
    EXPECT_EQ(scene.Result->Count(), 0) << "no slow average, no line";
    EXPECT_EQ(macd->Signal()->Count(), 0);

    using BB = TBollingerFunction;
    const double s = std::sqrt(6.0 / 9);
    const auto plain = [](BB& f) { f.SetExponential(false); };
    const std::vector<TPriceCase> bands{
        {"plain average of 3", Made<BB>(3, paLast, plain), {{3, 2 + 2 * s}}},
        {"exponential average of 3", Made<BB>(3), {{3, 2.25 + 2 * s}}},
        {"deviation 0 gives the average",
         Made<BB>(2, paLast,
                  [](BB& f) {
                      f.SetExponential(false);
                      f.SetDeviation(0);
                  }),
         {{2, 1.5}, {3, 2.5}}},
        {"period 0", Made<BB>(0), {}},
        {"longer than the data", Made<BB>(4), {}},
    };
    RunPriceCases(Flat({1, 2, 3}), {}, bands);

    TPriceScene band;
    band.AddCloses({1, 2, 3});
    auto* bollinger = band.Compute(new BB(&band.Form));
    bollinger->SetPeriod(3);
    ExpectPricePoints(PricePoints(*bollinger->LowBand()), {{3, 2.25 - 2 * s}});
    EXPECT_EQ(bollinger->LowBand()->SeriesColor(), band.Result->SeriesColor());

    // One point and an exponential average of one point: there is no average to read.
    TPriceScene single;
    single.AddCloses({4});
    auto* one = single.Compute(new BB(&single.Form));
    one->SetPeriod(1);
    EXPECT_EQ(single.Result->Count(), 0);
    EXPECT_EQ(one->LowBand()->Count(), 0);
    one->SetExponential(false);
    ExpectPricePoints(PricePoints(*single.Result), {{1, 4}});
}

TEST_F(PriceFunctionsTest, VolumeIndicators) {
    const std::vector<TQuote> quotes{{9, 10, 8, 9}, {10, 10, 10, 10}, {8, 12, 8, 12}, {6, 6, 4, 4}};
    const auto withVolume = [](TPriceScene& s) {
        auto* volume = new TLineSeries(&s.Form);
        volume->SetName("Volume");
        s.Chart->AddSeries(volume);
        volume->AddY(2);
        volume->AddY(3);
    };
    const auto volumeOf = [](TPriceScene& s) {
        return static_cast<TChartSeries*>(s.Form.FindComponent("Volume"));
    };
    RunPriceCases(quotes, {},
                  {{"CLV accumulated", Made<TCLVFunction>(1), {{1, 0}, {2, 1}, {3, 2}, {4, 1}}},
                   {"CLV of each bar",
                    Made<TCLVFunction>(1, paLast, [](TCLVFunction& f) { f.SetAccumulate(false); }),
                    {{1, 0}, {2, 1}, {3, 1}, {4, -1}}},
                   {"OBV without volume", Made<TOBVFunction>(1), {}}});

    TPriceScene scene;
    scene.AddQuotes(quotes);
    withVolume(scene);
    auto* clv = scene.Compute(new TCLVFunction(&scene.Form));
    clv->SetAccumulate(false);
    clv->SetVolume(volumeOf(scene));
    ExpectPricePoints(PricePoints(*scene.Result), {{1, 0}, {2, 3}, {3, 1}, {4, -1}});

    TPriceScene obvScene;
    obvScene.AddQuotes({{1, 2, 1, 2}, {2, 2, 1, 1}, {3, 4, 3, 4}});
    withVolume(obvScene);
    auto* obv = obvScene.Compute(new TOBVFunction(&obvScene.Form));
    obv->SetVolume(volumeOf(obvScene));
    // A volume series shorter than the prices ends the result.
    ExpectPricePoints(PricePoints(*obvScene.Result), {{1, 2}, {2, -1}});
    // Freeing the volume series sets Volume to none, and the result goes.
    TObject::Free(volumeOf(obvScene));
    EXPECT_EQ(obv->Volume(), nullptr);
    EXPECT_EQ(obvScene.Result->Count(), 0);

    using PVO = TPVOFunction;
    RunPriceCases(Flat({1, 2, 3}), {},
                  {{"PVO in percent",
                    Made<PVO>(1, paLast, [](PVO& f) { f.SetPeriod2(3); }),
                    {{1, 0}, {2, 25}, {3, 25}}},
                   {"PVO as a difference",
                    Made<PVO>(1, paLast,
                              [](PVO& f) {
                                  f.SetPeriod2(3);
                                  f.SetPercentage(false);
                              }),
                    {{1, 0}, {2, 50}, {3, 75}}},
                   {"PVO of equal periods",
                    Made<PVO>(4, paLast, [](PVO& f) { f.SetPeriod2(4); }),
                    {{1, 0}, {2, 0}, {3, 0}}},
                   {"PVO of period 0", Made<PVO>(0), {}}});
    RunPriceCases(Flat({2, 0}), {},
                  {{"PVO where the fast average is 0 gives the slow one",
                    Made<PVO>(1, paLast, [](PVO& f) { f.SetPeriod2(3); }),
                    {{1, 0}, {2, 100}}}});
}

TEST_F(PriceFunctionsTest, PriceOnlyFunctionsRefuseOtherSources) {
    TPriceScene scene;
    TTeeFunction* functions[] = {new TRSIFunction(&scene.Form), new TCCIFunction(&scene.Form),
                                 new TADXFunction(&scene.Form), new TSARFunction(&scene.Form),
                                 new TCLVFunction(&scene.Form), new TOBVFunction(&scene.Form)};
    for (TTeeFunction* f : functions) {
        SCOPED_TRACE(f->ClassName());
        EXPECT_TRUE(f->AcceptsSource(scene.Prices));
        EXPECT_FALSE(f->AcceptsSource(scene.Result));
    }
    TTeeFunction* any[] = {new TMomentumFunction(&scene.Form), new TStochasticFunction(&scene.Form),
                           new TMACDFunction(&scene.Form), new TPVOFunction(&scene.Form)};
    for (TTeeFunction* f : any) EXPECT_TRUE(f->AcceptsSource(scene.Result)) << f->ClassName();

    // The series refuses such a source; reached anyway, the computation raises the
    // invalid-cast error.
    auto* line = new TLineSeries(&scene.Form);
    scene.Chart->AddSeries(line);
    line->AddY(1);
    auto* clv = new TCLVFunction(&scene.Form);
    auto* result = new TLineSeries(&scene.Form);
    scene.Chart->AddSeries(result);
    result->SetFunction(clv);
    EXPECT_THROW(result->SetDataSource(line), ChartException);
    EXPECT_EQ(result->DataSource(), nullptr);
    EXPECT_THROW(clv->ComputeFromSources(line), EInvalidCast);
}

}  // namespace
