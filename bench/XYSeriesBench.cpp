// 100,000 bubbles and 100,000 error bars drawn off-screen, each a whole chart frame: the points
// per second of the two series whose points carry a third value (a radius, an error).
#include <benchmark/benchmark.h>

#include "bench/support/BenchChart.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/xy/BubbleSeries.h"
#include "chart/series/xy/ErrorSeries.h"
#include "platform/graphics/Bitmap.h"

namespace {

constexpr int XYPoints = 100'000;
constexpr int FrameWidth = 800;
constexpr int FrameHeight = 600;

template <class S>
struct TXYScene {
    TApplication& Application = BenchApplication();
    TComponent Form{nullptr};
    TBenchChart* Chart = new TBenchChart(&Form);
    S* Series = new S(&Form);
    TBitmap Target{FrameWidth, FrameHeight};
    TXYScene() {
        LoadCoreTexts();
        LoadExtendedTexts();
        ResetDefaultColors();
        Chart->SetBounds(0, 0, FrameWidth, FrameHeight);
        Chart->SetView3D(false);
        Chart->SetBufferedDisplay(false);
        Target.SetPixelFormat(pf32bit);
        Chart->AddSeries(Series);
        Series->Marks()->SetVisible(false);
    }
    void Draw() { Chart->Draw(Target.Canvas(), TRect{0, 0, FrameWidth, FrameHeight}); }
};

// Values that wander over the plot without a random source: the frames are the same each run.
double Wander(int i, int period, double height) {
    return double((int64_t(i) * 7919) % period) * height / period;
}

void BM_DrawBubbles(benchmark::State& state) {
    TXYScene<TBubbleSeries> scene;
    scene.Series->Pointer()->SetDraw3D(false);
    for (int i = 0; i < XYPoints; ++i)
        scene.Series->AddBubble(i, Wander(i, 1000, 1000), 1 + Wander(i, 13, 8));
    for (auto _ : state) scene.Draw();
    state.SetItemsProcessed(state.iterations() * XYPoints);
    state.counters["points/s"] =
        benchmark::Counter(double(XYPoints), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DrawBubbles)->Unit(benchmark::kMillisecond);

void BM_DrawErrorBars(benchmark::State& state) {
    TXYScene<TErrorSeries> scene;
    for (int i = 0; i < XYPoints; ++i)
        scene.Series->AddErrorPoint(i, Wander(i, 1000, 1000), 5 + Wander(i, 17, 20));
    for (auto _ : state) scene.Draw();
    state.SetItemsProcessed(state.iterations() * XYPoints);
    state.counters["points/s"] =
        benchmark::Counter(double(XYPoints), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DrawErrorBars)->Unit(benchmark::kMillisecond);

}  // namespace
