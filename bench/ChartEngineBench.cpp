// The chart engine's per-point work: filling an ordered value list (appended in order, the usual
// case, and at random positions, which shifts the values behind) and mapping values to pixels
// through an axis, as every series does on every drawing pass.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"

namespace {

// Appending in order must stay flat per point however long the list grows.
void BM_ValueListAppendInOrder(benchmark::State& state) {
    const int count = int(state.range(0));
    for (auto _ : state) {
        TChartValueList list(nullptr, "X");
        list.SetOrder(loAscending);
        for (int i = 0; i < count; ++i) list.AddValue(i);
        benchmark::DoNotOptimize(list.Data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ValueListAppendInOrder)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// Random values: each insertion scans and shifts half the list on average, so the cost per
// point grows with the list; a million points would move terabytes, hence the smaller sizes.
void BM_ValueListInsertAtRandom(benchmark::State& state) {
    const int count = int(state.range(0));
    std::mt19937 random(11);
    std::vector<double> values(static_cast<size_t>(count));
    for (double& v : values) v = double(random() % 1'000'000);
    for (auto _ : state) {
        TChartValueList list(nullptr, "X");
        list.SetOrder(loAscending);
        for (double v : values) list.AddValue(v);
        benchmark::DoNotOptimize(list.Data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ValueListInsertAtRandom)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

// A whole point through the series: the X list decides the position, Y and the labels follow.
// Arg 0: X appended in order; arg 1: X at random (the value lists shift behind the point).
void BM_SeriesAddXY(benchmark::State& state) {
    const bool atRandom = state.range(0) == 1;
    const int count = int(state.range(1));
    std::mt19937 random(13);
    std::vector<double> xs(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) xs[size_t(i)] = atRandom ? double(random() % 1'000'000) : i;
    for (auto _ : state) {
        TChartSeries series(nullptr);
        for (int i = 0; i < count; ++i) series.AddXYPoint(xs[size_t(i)], i);
        benchmark::DoNotOptimize(series.Count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(1));
}
BENCHMARK(BM_SeriesAddXY)
    ->Args({0, 100'000})
    ->Args({0, 1'000'000})
    ->Args({0, 4'000'000})
    ->Args({1, 10'000})
    ->Args({1, 100'000})
    ->Unit(benchmark::kMillisecond);

class TBenchHost : public TAxisHost {
public:
    explicit TBenchHost(bool fast) : Fast(fast) {}
    bool AxisLoading() const override { return false; }
    void AxisChanged(TChartAxis&) override {}
    TRect AxisChartRect() const override { return {0, 0, 1000, 800}; }
    int AxisChartDepth() const override { return 0; }
    bool AxisFastPixelMode() const override { return Fast; }
    void ForEachAxis(const std::function<void(TChartAxis&)>&) override {}
    void AxisSeriesRange(const TChartAxis&, double& minimum, double& maximum) override {
        minimum = 0;
        maximum = 1;
    }
    bool AxisShowsDateTime(const TChartAxis&) override { return false; }
    double AxisLabelIncrement(TChartAxis&) override { return 0; }
    void AxisDestroying(TChartAxis&) override {}
    bool Fast;
};

// 0: clamped linear, 1: unclamped fast, 2: logarithmic.
void BM_AxisPixelOfValue(benchmark::State& state) {
    TBenchHost host(state.range(0) == 1);
    TChartAxis axis(&host);
    axis.SetHorizontal(true);
    axis.SetLimits(0.5, 2.0);
    axis.PositionInChart();
    if (state.range(0) == 2) axis.SetLogarithmic(true);
    axis.ComputeRange();
    std::mt19937 random(5);
    std::vector<double> values(1'000'000);
    for (double& v : values) v = 0.25 + double(random() % 2'000'000) / 1'000'000;
    for (auto _ : state) {
        int64_t sum = 0;
        for (double v : values) sum += axis.PixelOfValue(v);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * int64_t(values.size()));
}
BENCHMARK(BM_AxisPixelOfValue)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
