// A million daily quotes compressed into weekly bars through the compression function, and the
// group keys alone: both should be linear in the quote count.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "bench/support/BenchChart.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/algo/OHLCCompression.h"
#include "chart/series/price/CompressFunction.h"
#include "chart/series/price/OHLCSeries.h"

namespace {

constexpr int Quotes = 1'000'000;
// 1 January 1900 on: a million days stay within the dates that decode.
constexpr double FirstDay = 2;

struct TCompressionScene {
    TApplication& Application = BenchApplication();
    TComponent Form{nullptr};
    TBenchChart* Chart = new TBenchChart(&Form);
    TOHLCSeries* Prices = new TOHLCSeries(&Form);
    TOHLCSeries* Bars = new TOHLCSeries(&Form);
    TCompressionScene() {
        LoadCoreTexts();
        LoadExtendedTexts();
        Chart->AddSeries(Prices);
        Chart->AddSeries(Bars);
        TSeriesUpdate update(*Prices);
        for (int i = 0; i < Quotes; ++i) {
            const double open = double((int64_t(i) * 7919) % 1000);
            Prices->AddQuote(FirstDay + i, open, open + 5, open - 5, open + 1);
        }
    }
};

void BM_CompressWeekly(benchmark::State& state) {
    TCompressionScene scene;
    auto* f = new TCompressFunction(&scene.Form);
    scene.Bars->SetFunction(f);
    scene.Bars->SetDataSource(scene.Prices);
    for (auto _ : state) {
        scene.Bars->RefreshFromSource();
        benchmark::DoNotOptimize(scene.Bars->Count());
    }
    state.SetItemsProcessed(state.iterations() * Quotes);
}
BENCHMARK(BM_CompressWeekly)->Unit(benchmark::kMillisecond);

void BM_CompressionKeysMonthly(benchmark::State& state) {
    std::vector<TDateTime> dates(Quotes);
    for (int i = 0; i < Quotes; ++i) dates[size_t(i)] = FirstDay + i;
    for (auto _ : state) {
        const std::vector<bool> starts = CompressionGroupStarts(dates, ocMonth, 0);
        benchmark::DoNotOptimize(starts.size());
    }
    state.SetItemsProcessed(state.iterations() * Quotes);
}
BENCHMARK(BM_CompressionKeysMonthly)->Unit(benchmark::kMillisecond);

}  // namespace
