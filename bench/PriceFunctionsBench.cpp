// Each price function recomputing its series from 100,000 and from a million quotes (the
// argument); for a million, the time in milliseconds is the time per quote in nanoseconds. Every
// function is linear in the quotes (the window functions take Period steps per quote, the others
// one pass); a million quotes cost somewhat more per quote only as their lists leave the cache.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "bench/support/BenchChart.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/price/ADXFunction.h"
#include "chart/series/price/BollingerFunction.h"
#include "chart/series/price/CCIFunction.h"
#include "chart/series/price/MACDFunction.h"
#include "chart/series/price/MomentumFunctions.h"
#include "chart/series/price/MovingAverageFunctions.h"
#include "chart/series/price/OHLCSeries.h"
#include "chart/series/price/PVOFunction.h"
#include "chart/series/price/SARFunction.h"
#include "chart/series/price/VolumeIndicatorFunctions.h"

namespace {

// Quotes that wander up and down, and their volumes; made once for each count.
struct TQuoteScene {
    TApplication& Application = BenchApplication();
    TComponent Form{nullptr};
    TBenchChart* Chart = new TBenchChart(&Form);
    TOHLCSeries* Prices = new TOHLCSeries(&Form);
    TChartSeries* Volumes = new TChartSeries(&Form);
    explicit TQuoteScene(int quotes) {
        LoadCoreTexts();
        LoadExtendedTexts();
        Chart->AddSeries(Prices);
        Chart->AddSeries(Volumes);
        TSeriesUpdate prices(*Prices), volumes(*Volumes);
        double close = 100;
        for (int i = 0; i < quotes; ++i) {
            const double step = double((int64_t(i) * 7919) % 200 - 100) / 50;
            const double open = close;
            close = open + step;
            Prices->AddQuote(i, open, std::max(open, close) + 1, std::min(open, close) - 1, close);
            Volumes->AddXYPoint(i, double((int64_t(i) * 104729) % 5000));
        }
    }
};

TQuoteScene& Scene(int quotes) {
    static std::map<int, std::unique_ptr<TQuoteScene>> scenes;
    std::unique_ptr<TQuoteScene>& scene = scenes[quotes];
    if (!scene) scene = std::make_unique<TQuoteScene>(quotes);
    return *scene;
}

void RunPriceFunction(benchmark::State& state,
                      const std::function<TTeeFunction*(TQuoteScene&)>& make) {
    const int quotes = int(state.range(0));
    TQuoteScene& scene = Scene(quotes);
    auto* result = new TChartSeries(&scene.Form);
    scene.Chart->AddSeries(result);
    TTeeFunction* f = make(scene);
    if (auto* volume = dynamic_cast<TVolumeIndicatorFunction*>(f)) volume->SetVolume(scene.Volumes);
    result->SetFunction(f);
    result->SetDataSource(scene.Prices);
    for (auto _ : state) {
        result->RefreshFromSource();
        benchmark::DoNotOptimize(result->Count());
    }
    state.SetItemsProcessed(state.iterations() * quotes);
    TObject::Free(result);
}

template <class F>
std::function<TTeeFunction*(TQuoteScene&)> WithPeriod(double period,
                                                      std::function<void(F&)> more = nullptr) {
    return [=](TQuoteScene& scene) {
        F* f = new F(&scene.Form);
        f->SetPeriod(period);
        if (more) more(*f);
        return f;
    };
}

}  // namespace

#define PRICE_BENCHMARK(name, make)                                            \
    void BM_##name(benchmark::State& state) { RunPriceFunction(state, make); } \
    BENCHMARK(BM_##name)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)

PRICE_BENCHMARK(MovingAverage10, WithPeriod<TMovingAverageFunction>(10));
PRICE_BENCHMARK(MovingAverageWeighted10,
                WithPeriod<TMovingAverageFunction>(10, [](TMovingAverageFunction& f) {
                    f.SetWeighted(true);
                }));
PRICE_BENCHMARK(MovingAverageByIndex10,
                WithPeriod<TMovingAverageFunction>(10, [](TMovingAverageFunction& f) {
                    f.SetWeightedIndex(true);
                }));
PRICE_BENCHMARK(TwoPointBlend, WithPeriod<TExpAverageFunction>(1));
PRICE_BENCHMARK(ExpMovingAverage10, WithPeriod<TExpMovAveFunction>(10));
PRICE_BENCHMARK(ExpMovingAverageSkippingNulls10,
                WithPeriod<TExpMovAveFunction>(10, [](TExpMovAveFunction& f) {
                    f.SetIgnoreNulls(false);
                }));
PRICE_BENCHMARK(Momentum10, WithPeriod<TMomentumFunction>(10));
PRICE_BENCHMARK(MomentumDivision10, WithPeriod<TMomentumDivFunction>(10));
PRICE_BENCHMARK(Performance10, WithPeriod<TPerformanceFunction>(10));
PRICE_BENCHMARK(Stochastic14, WithPeriod<TStochasticFunction>(14));
PRICE_BENCHMARK(RSIOpenClose14, WithPeriod<TRSIFunction>(14));
PRICE_BENCHMARK(RSIClose14,
                WithPeriod<TRSIFunction>(14, [](TRSIFunction& f) { f.SetStyle(rsiClose); }));
PRICE_BENCHMARK(CCI20, WithPeriod<TCCIFunction>(20));
PRICE_BENCHMARK(ADX14, WithPeriod<TADXFunction>(14));
PRICE_BENCHMARK(SAR, WithPeriod<TSARFunction>(0));
PRICE_BENCHMARK(MACD, WithPeriod<TMACDFunction>(26));
PRICE_BENCHMARK(Bollinger10, WithPeriod<TBollingerFunction>(10));
PRICE_BENCHMARK(BollingerPlain10, WithPeriod<TBollingerFunction>(10, [](TBollingerFunction& f) {
                    f.SetExponential(false);
                }));
PRICE_BENCHMARK(CLV, WithPeriod<TCLVFunction>(1));
PRICE_BENCHMARK(OBV, WithPeriod<TOBVFunction>(1));
PRICE_BENCHMARK(PVO, WithPeriod<TPVOFunction>(12));
