// The fast line with a million points drawn onto a 1000×700 bitmap, as a whole chart drawing
// (axes, grid and labels included) and as the series' drawing walk alone:
//   - BM_FastLineFrame/1: DrawAllPoints on: every point off the previous point's pixel draws a
//     segment;
//   - BM_FastLineFrame/0: DrawAllPoints off: one segment per run of points on one pixel column;
//   - BM_FastLinePoints/...: the series' DrawAllValues alone, after one frame placed the axes;
//   - BM_PlainPolyline: the same million points at the same pixels as one plain polyline of
//     the bitmap's canvas, the yardstick the fast line is measured against in the same run.
// The counters give the segments drawn per frame and points per second. The walk allocates
// nothing per point.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "bench/support/BenchChart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/FastLineSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Pen.h"

namespace {

constexpr int Width = 1000;
constexpr int Height = 700;
constexpr int PointCount = 1'000'000;

struct TFastLineScene {
    TApplication& Application = BenchApplication();
    explicit TFastLineScene(bool drawAllPoints) {
        LoadCoreTexts();
        ResetDefaultColors();
        Chart->SetBounds(0, 0, Width, Height);
        Chart->SetView3D(false);
        Chart->SetBufferedDisplay(false);  // straight onto the target bitmap
        Target.SetPixelFormat(pf32bit);
        Series->SetDrawAllPoints(drawAllPoints);
        Chart->AddSeries(Series);
        std::mt19937 random(17);
        std::uniform_real_distribution<double> step(-1, 1);
        double y = 0;  // a random walk
        Series->BeginUpdate();
        for (int i = 0; i < PointCount; ++i) Series->AddXYPoint(i, y += step(random));
        Series->EndUpdate();
    }
    void Draw() { Chart->Draw(Target.Canvas(), TRect{0, 0, Width, Height}); }

    TComponent Form{nullptr};
    TBenchChart* Chart = new TBenchChart(&Form);
    TFastLineSeries* Series = new TFastLineSeries(&Form);
    TBitmap Target{Width, Height};
};

// The segments one walk draws: one for each point whose pixel differs from the last drawn
// point's (its column only, without DrawAllPoints).
int64_t SegmentsOfOneWalk(TFastLineScene& scene) {
    int64_t lines = 0;
    const TChartAxis* h = scene.Series->ResolvedHorizAxis();
    const TChartAxis* v = scene.Series->ResolvedVertAxis();
    int px = 0, py = 0;
    for (int i = 0; i < scene.Series->Count(); ++i) {
        const int x = h->PixelOfValue(scene.Series->XValues()[i]);
        const int y = v->PixelOfValue(scene.Series->YValues()[i]);
        if (i > 0 && x == px && (!scene.Series->DrawAllPoints() || y == py)) continue;
        if (i > 0) ++lines;
        px = x;
        py = y;
    }
    return lines;
}

void BM_FastLineFrame(benchmark::State& state) {
    TFastLineScene scene(state.range(0) != 0);
    for (auto _ : state) scene.Draw();
    state.counters["segments/frame"] = double(SegmentsOfOneWalk(scene));
    state.counters["points/s"] =
        benchmark::Counter(double(state.iterations()) * PointCount, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FastLineFrame)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_FastLinePoints(benchmark::State& state) {
    TFastLineScene scene(state.range(0) != 0);
    scene.Draw();
    TCanvas3D& canvas = *scene.Chart->Canvas3D();
    canvas.BindCanvas(scene.Target.Canvas());
    scene.Series->ComputeVisibleRange();
    for (auto _ : state) scene.Series->DrawAllValues();
    state.counters["points/s"] =
        benchmark::Counter(double(state.iterations()) * PointCount, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FastLinePoints)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_PlainPolyline(benchmark::State& state) {
    TFastLineScene scene(true);
    scene.Draw();  // places the axes
    const TChartAxis* h = scene.Series->ResolvedHorizAxis();
    const TChartAxis* v = scene.Series->ResolvedVertAxis();
    std::vector<TPoint> points(static_cast<size_t>(PointCount));
    for (int i = 0; i < PointCount; ++i)
        points[size_t(i)] = TPoint{h->PixelOfValue(scene.Series->XValues()[i]),
                                   v->PixelOfValue(scene.Series->YValues()[i])};
    TCanvas& canvas = *scene.Target.Canvas();
    canvas.Pen()->SetColor(clRed);
    for (auto _ : state) canvas.Polyline(points);
    state.counters["points/s"] =
        benchmark::Counter(double(state.iterations()) * PointCount, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PlainPolyline)->Unit(benchmark::kMillisecond);

}  // namespace
