// A line series of 100,000 points (the workbench's plot look: circle pointers hidden, a plain
// pen) drawn on a 1000×700 bitmap, whole frames and the series' points alone. The counter
// "allocations/point" counts the heap allocations of the points' drawing pass divided by the
// points drawn: it stays at 0, as the per-point path allocates nothing.
#include <benchmark/benchmark.h>

#include <random>

#include "bench/support/BenchChart.h"
#include "bench/support/CountedAllocations.h"
#include "chart/engine/LineSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/graphics/Bitmap.h"

namespace {

constexpr int Width = 1000;
constexpr int Height = 700;
constexpr int PointCount = 100'000;

struct TLineScene {
    TApplication& Application = BenchApplication();
    TLineScene() {
        LoadCoreTexts();
        ResetDefaultColors();
        Chart->SetBounds(0, 0, Width, Height);
        Chart->SetView3D(false);
        Chart->SetBufferedDisplay(false);
        Target.SetPixelFormat(pf32bit);
        Chart->AddSeries(Series);
        Series->SetSeriesColor(clBlue);
        std::mt19937 random(23);
        std::uniform_real_distribution<double> step(-1, 1);
        double y = 0;
        for (int i = 0; i < PointCount; ++i) Series->AddXYPoint(i, y += step(random));
    }
    void Draw() { Chart->Draw(Target.Canvas(), TRect{0, 0, Width, Height}); }

    TComponent Form{nullptr};
    TBenchChart* Chart = new TBenchChart(&Form);
    TLineSeries* Series = new TLineSeries(&Form);
    TBitmap Target{Width, Height};
};

void BM_LineSeriesFrame(benchmark::State& state) {
    TLineScene scene;
    for (auto _ : state) scene.Draw();
    state.counters["fps"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LineSeriesFrame)->Unit(benchmark::kMillisecond);

// The points alone, after one frame has placed the axes.
void BM_LineSeriesPoints(benchmark::State& state) {
    TLineScene scene;
    scene.Draw();
    TCanvas3D& canvas = *scene.Chart->Canvas3D();
    canvas.BindCanvas(scene.Target.Canvas());
    scene.Series->ComputeVisibleRange();
    int64_t allocations = 0;
    for (auto _ : state) {
        const int64_t before = Allocations;
        scene.Series->DrawAllValues();
        allocations += Allocations - before;
    }
    const double points = double(PointCount) * double(state.iterations());
    state.counters["allocations/point"] = double(allocations) / points;
    state.counters["points/s"] = benchmark::Counter(points, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LineSeriesPoints)->Unit(benchmark::kMillisecond);

}  // namespace
