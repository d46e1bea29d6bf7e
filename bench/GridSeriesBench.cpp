// A 100 x 100 grid of the sample surface drawn on a 1000x700 bitmap in 3-D: as a surface, an
// isosurface of 32 bands and a contour of 10 levels; and a 200 x 200 grid as a contour of 20
// levels. The counter "allocations/cell" counts the heap allocations of the surface's cells
// divided by the cells drawn: it stays at 0, as the per-cell path allocates nothing.
#include <benchmark/benchmark.h>

#include <type_traits>

#include "bench/support/BenchChart.h"
#include "bench/support/CountedAllocations.h"
#include "chart/engine/grid3d/ContourSeries.h"
#include "chart/engine/grid3d/IsoSurfaceSeries.h"
#include "chart/engine/grid3d/SurfaceSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/graphics/Bitmap.h"

namespace {

constexpr int Width = 1000;
constexpr int Height = 700;
constexpr int GridSize = 100;

template <class S>
struct TGridScene {
    TApplication& Application = BenchApplication();
    explicit TGridScene(int gridSize = GridSize, int levels = 0) {
        LoadCoreTexts();
        ResetDefaultColors();
        Chart->SetBounds(0, 0, Width, Height);
        Chart->SetView3D(true);
        Chart->SetBufferedDisplay(false);
        Target.SetPixelFormat(pf32bit);
        Chart->AddSeries(Series);
        if constexpr (std::is_same_v<S, TContourSeries>)
            if (levels > 0) Series->SetNumLevels(levels);
        Series->FillSampleValues(gridSize);
    }
    void Draw() { Chart->Draw(Target.Canvas(), TRect{0, 0, Width, Height}); }

    TComponent Form{nullptr};
    TBenchChart* Chart = new TBenchChart(&Form);
    S* Series = new S(&Form);
    TBitmap Target{Width, Height};
};

template <class S>
void BM_GridFrame(benchmark::State& state) {
    TGridScene<S> scene;
    for (auto _ : state) scene.Draw();
    state.counters["fps"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GridFrame<TSurfaceSeries>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridFrame<TIsoSurfaceSeries>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridFrame<TContourSeries>)->Unit(benchmark::kMillisecond);

// The contour of a 200 x 200 grid at 20 levels: 39,601 cells traced per level.
void BM_ContourFrame200(benchmark::State& state) {
    TGridScene<TContourSeries> scene(200, 20);
    for (auto _ : state) scene.Draw();
    state.counters["fps"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["points"] = double(scene.Series->Count());
    state.counters["levels"] = double(scene.Series->NumLevels());
}
BENCHMARK(BM_ContourFrame200)->Unit(benchmark::kMillisecond);

// The surface's cells alone, after one frame has placed the axes and built the grid index.
void BM_SurfaceCells(benchmark::State& state) {
    TGridScene<TSurfaceSeries> scene;
    scene.Draw();
    scene.Chart->Canvas3D()->BindCanvas(scene.Target.Canvas());
    int64_t allocations = 0;
    for (auto _ : state) {
        const int64_t before = Allocations;
        scene.Series->DrawAllValues();
        allocations += Allocations - before;
    }
    const double cells = double(GridSize - 1) * (GridSize - 1) * double(state.iterations());
    state.counters["allocations/cell"] = double(allocations) / cells;
    state.counters["cells/s"] = benchmark::Counter(cells, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SurfaceCells)->Unit(benchmark::kMillisecond);

}  // namespace
