// Ten million points through the statistics and the down-sampling: the kernels alone and the
// functions on a series. Each should cost a few nanoseconds a point, linear in the count (the
// items per second give the nanoseconds per point).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "bench/support/BenchChart.h"
#include "chart/engine/LineSeries.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/numeric/DownSampling.h"
#include "chart/series/numeric/Moments.h"
#include "chart/series/numeric/TrendSums.h"
#include "chart/series/stats/DownSamplingFunction.h"
#include "chart/series/stats/StatisticFunctions.h"

namespace {

constexpr int Points = 10'000'000;

// A wandering signal with a fixed pseudo-random wobble, the same every run.
struct TRecord {
    std::vector<double> X, Y;
    TRecord() : X(Points), Y(Points) {
        uint32_t r = 12345;
        double y = 0;
        for (int i = 0; i < Points; ++i) {
            r = r * 1664525u + 1013904223u;
            y += (double(r >> 8) / 16777216.0 - 0.5);
            X[size_t(i)] = i;
            Y[size_t(i)] = 100 * std::sin(i * 1e-5) + y;
        }
    }
};
const TRecord& Record() {
    static const TRecord record;
    return record;
}

void BM_StdDeviationKernel(benchmark::State& state) {
    const TRecord& r = Record();
    for (auto _ : state) {
        TMoments m;
        for (double v : r.Y) m.Add(v);
        benchmark::DoNotOptimize(m.StdDeviation(false));
    }
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_StdDeviationKernel)->Unit(benchmark::kMillisecond);

void BM_VarianceKernel(benchmark::State& state) {
    const TRecord& r = Record();
    for (auto _ : state) benchmark::DoNotOptimize(PopulationVariance(r.Y.data(), Points));
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_VarianceKernel)->Unit(benchmark::kMillisecond);

void BM_TrendKernel(benchmark::State& state) {
    const TRecord& r = Record();
    for (auto _ : state) {
        TTrendSums sums;
        for (size_t i = 0; i < r.X.size(); ++i) sums.Add(r.X[i], r.Y[i]);
        benchmark::DoNotOptimize(sums.Line().Slope);
    }
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_TrendKernel)->Unit(benchmark::kMillisecond);

void BM_DownSampleGroupsTo1000(benchmark::State& state) {
    const TRecord& r = Record();
    std::vector<TSampledPoint> out;
    // 1,000 points: groups of n / (1000 / 4) points, four points each.
    const TGrouping grouping{Points / 250, 0};
    for (auto _ : state) {
        ReduceGroups(dsMinMaxFirstLast, r.X, r.Y, {}, 0, grouping, out);
        benchmark::DoNotOptimize(out.size());
    }
    state.counters["kept"] = double(out.size());
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_DownSampleGroupsTo1000)->Unit(benchmark::kMillisecond);

void BM_DouglasPeucker(benchmark::State& state) {
    const TRecord& r = Record();
    std::vector<TSampledPoint> out;
    for (auto _ : state) {
        DouglasPeucker(r.X, r.Y, double(state.range(0)), out);
        benchmark::DoNotOptimize(out.size());
    }
    state.counters["kept"] = double(out.size());
    state.SetItemsProcessed(state.iterations() * Points);
}
// The distance that keeps about a thousand points of this record, and a coarser one.
BENCHMARK(BM_DouglasPeucker)->Arg(30)->Arg(300)->Unit(benchmark::kMillisecond);

// The functions on a line series of the record.
struct TStatsScene {
    TApplication& Application = BenchApplication();
    TComponent Form{nullptr};
    TBenchChart* Chart = new TBenchChart(&Form);
    TLineSeries* Source = new TLineSeries(&Form);
    TLineSeries* Result = new TLineSeries(&Form);
    TStatsScene() {
        LoadCoreTexts();
        LoadExtendedTexts();
        Chart->AddSeries(Source);
        Chart->AddSeries(Result);
        const TRecord& r = Record();
        TSeriesUpdate update(*Source);
        for (int i = 0; i < Points; ++i) Source->AddXYPoint(r.X[size_t(i)], r.Y[size_t(i)]);
    }
};

void BM_StdDeviationFunction(benchmark::State& state) {
    TStatsScene scene;
    scene.Result->SetFunction(new TStdDeviationFunction(&scene.Form));
    scene.Result->SetDataSource(scene.Source);
    for (auto _ : state) {
        scene.Result->RefreshFromSource();
        benchmark::DoNotOptimize(scene.Result->Count());
    }
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_StdDeviationFunction)->Unit(benchmark::kMillisecond);

void BM_DownSamplingFunctionTo1000(benchmark::State& state) {
    TStatsScene scene;
    auto* f = new TDownSamplingFunction(&scene.Form);
    f->SetDownSampleMethod(dsMinMaxFirstLast);
    f->SetDisplayedPointCount(1000);
    scene.Result->SetFunction(f);
    scene.Result->SetDataSource(scene.Source);
    for (auto _ : state) {
        scene.Result->RefreshFromSource();
        benchmark::DoNotOptimize(scene.Result->Count());
    }
    state.counters["kept"] = double(scene.Result->Count());
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_DownSamplingFunctionTo1000)->Unit(benchmark::kMillisecond);

}  // namespace
