// The chart drawing surface: a fast line series drawn through it, point projection and
// gradient fills.
#include <benchmark/benchmark.h>

#include <cmath>

#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/graphics/Bitmap.h"

namespace {

// A 1000-point line across a 800 x 600 buffered pass, as a fast line series draws it.
void BM_SurfaceLineSeries(benchmark::State& state) {
    TBitmap window(800, 600);
    TTeeCanvas3D surface;
    surface.PrepareDrawing(window.Canvas(), nullptr, clWhite, false, TRect{0, 0, 800, 600});
    surface.PrepareProjection(0, TRect{0, 0, 800, 600});
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        surface.MovePenTo3D(0, 300, 0);
        for (int i = 1; i < n; ++i)
            surface.DrawLineTo3D(i * 800 / n, 300 + static_cast<int>(200 * std::sin(i * 0.05)), 0);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_SurfaceLineSeries)->Arg(1000);

void BM_SurfaceProjectRotated(benchmark::State& state) {
    TBitmap window(8, 8);
    TView3DOptions options;
    options.SetOrthogonal(false);
    TTeeCanvas3D surface;
    surface.PrepareDrawing(window.Canvas(), &options, clWhite, true, TRect{0, 0, 800, 600});
    surface.PrepareProjection(100, TRect{0, 0, 800, 600});
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(surface.ProjectPoint(x, 300, 50));
        x = (x + 1) & 1023;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SurfaceProjectRotated);

void BM_SurfaceGradient(benchmark::State& state) {
    TBitmap window(400, 300);
    TTeeCanvas3D surface;
    surface.SetBufferedDisplay(false);
    surface.PrepareDrawing(window.Canvas(), nullptr, clWhite, false, TRect{0, 0, 400, 300});
    const auto direction = static_cast<TGradientDirection>(state.range(0));
    for (auto _ : state)
        surface.FillGradient(TRect{0, 0, 400, 300}, clWhite, clNavy, direction, 50, 0, 0);
}
BENCHMARK(BM_SurfaceGradient)
    ->Arg(gdTopBottom)
    ->Arg(gdFromCenter)
    ->Arg(gdRadial)
    ->Arg(gdDiagonalUp);

}  // namespace
