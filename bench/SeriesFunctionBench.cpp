// Series computed from other series: a moving average over a long source, the smoothed curve
// through every point of a long source, and a series linked to a long source that follows one
// added point or reloads all of it.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/support/BenchChart.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SmoothingFunction.h"
#include "chart/engine/TeeFunction.h"
#include "chart/foundation/LibraryTexts.h"

namespace {

class TMovingAverage : public TTeeMovingFunction {
public:
    using TTeeMovingFunction::TTeeMovingFunction;
    double Calculate(TChartSeries& source, int first, int last) override {
        const TChartValueList& values = SourceValueList(source);
        double sum = 0;
        for (int i = first; i <= last; ++i) sum += values[i];
        return sum / (last - first + 1);
    }
};

constexpr int SourcePoints = 1'000'000;

struct TBenchScene {
    TApplication& Application = BenchApplication();
    TComponent Form{nullptr};
    TBenchChart* Chart = new TBenchChart(&Form);
    TChartSeries* Source = new TChartSeries(&Form);
    TChartSeries* Result = new TChartSeries(&Form);
    TBenchScene() {
        LoadCoreTexts();
        Chart->AddSeries(Source);
        Chart->AddSeries(Result);
        TSeriesUpdate update(*Source);
        for (int i = 0; i < SourcePoints; ++i)
            Source->AddXYPoint(i, double((int64_t(i) * 7919) % 1000));
    }
};

void BM_MovingAveragePeriod20(benchmark::State& state) {
    TBenchScene scene;
    auto* f = new TMovingAverage(&scene.Form);
    f->SetPeriod(20);
    scene.Result->SetFunction(f);
    scene.Result->SetDataSource(scene.Source);
    for (auto _ : state) {
        scene.Result->RefreshFromSource();
        benchmark::DoNotOptimize(scene.Result->Count());
    }
    state.SetItemsProcessed(state.iterations() * SourcePoints);
}
BENCHMARK(BM_MovingAveragePeriod20)->Unit(benchmark::kMillisecond);

// The interpolating spline through a million points: solved in one pass over them.
void BM_SmoothingThroughEveryPoint(benchmark::State& state) {
    TBenchScene scene;
    scene.Result->SetFunction(new TSmoothingFunction(&scene.Form));
    scene.Result->SetDataSource(scene.Source);
    for (auto _ : state) {
        scene.Result->RefreshFromSource();
        benchmark::DoNotOptimize(scene.Result->Count());
    }
    state.SetItemsProcessed(state.iterations() * SourcePoints);
}
BENCHMARK(BM_SmoothingThroughEveryPoint)->Unit(benchmark::kMillisecond);

// One point added to the source reaches the dependent as one point.
void BM_LinkedSeriesFollowsOneAddedPoint(benchmark::State& state) {
    TBenchScene scene;
    scene.Result->SetDataSource(scene.Source);
    double x = SourcePoints;
    for (auto _ : state) {
        scene.Source->AddXYPoint(x, 1);
        x += 1;
    }
    benchmark::DoNotOptimize(scene.Result->Count());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LinkedSeriesFollowsOneAddedPoint);

// The dependent reloads the whole source after the source added one point.
void BM_LinkedSeriesRefreshAfterOneAddedPoint(benchmark::State& state) {
    TBenchScene scene;
    scene.Result->SetDataSource(scene.Source);
    double x = SourcePoints;
    for (auto _ : state) {
        scene.Source->AddXYPoint(x, 1);
        x += 1;
        scene.Result->RefreshFromSource();
    }
    benchmark::DoNotOptimize(scene.Result->Count());
    state.SetItemsProcessed(state.iterations() * SourcePoints);
}
BENCHMARK(BM_LinkedSeriesRefreshAfterOneAddedPoint)->Unit(benchmark::kMillisecond);

}  // namespace
