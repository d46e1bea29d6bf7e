// The cost of smoothing: one chart of ten line series of 10,000 points each (random walks, so
// that most segments are diagonal), drawn through its buffer onto a 1000×700 bitmap, once with
// the ordinary canvas and once with the anti-aliasing canvas. The ratio of the two times is the
// price of smoothing.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "bench/support/BenchChart.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/tools/view/AntiAliasCanvas.h"
#include "platform/graphics/Bitmap.h"

namespace {

constexpr int AAWidth = 1000;
constexpr int AAHeight = 700;
constexpr int AASeriesCount = 10;
constexpr int AAPointCount = 10'000;

// A line from the previous point to each point, in the series' colour.
class TWalkSeries : public TChartSeries {
public:
    using TChartSeries::TChartSeries;
    void DrawValue(int i) override {
        TCanvas3D& c = *ParentChart()->Canvas3D();
        c.Pen()->SetColor(SeriesColor());
        if (i == 0) return;
        c.MovePenTo(PointXPixel(i - 1), PointYPixel(i - 1));
        c.DrawLineTo(PointXPixel(i), PointYPixel(i));
    }
};

struct TSmoothScene {
    TApplication& Application = BenchApplication();
    explicit TSmoothScene(bool smooth) {
        LoadCoreTexts();
        ResetDefaultColors();
        Chart->SetBounds(0, 0, AAWidth, AAHeight);
        Chart->SetView3D(false);
        if (smooth) Chart->ReplaceCanvas(std::make_unique<TAntiAliasCanvas>());
        std::mt19937 random(23);
        std::uniform_real_distribution<double> step(-4, 4);
        for (int s = 0; s < AASeriesCount; ++s) {
            auto* series = new TWalkSeries(&Form);
            Chart->AddSeries(series);
            series->SetSeriesColor(TColor(0x102030 * (s + 1) & 0xFFFFFF));
            double y = 200.0 * s;
            for (int i = 0; i < AAPointCount; ++i) series->AddXYPoint(i, y += step(random));
        }
    }
    void Draw() { Chart->Draw(Target.Canvas(), TRect{0, 0, AAWidth, AAHeight}); }

    TComponent Form{nullptr};
    TBenchChart* Chart = new TBenchChart(&Form);
    TBitmap Target{AAWidth, AAHeight};
};

void BM_LinesPlain(benchmark::State& state) {
    TSmoothScene scene(false);
    for (auto _ : state) scene.Draw();
}
BENCHMARK(BM_LinesPlain)->Unit(benchmark::kMillisecond);

void BM_LinesAntiAliased(benchmark::State& state) {
    TSmoothScene scene(true);
    for (auto _ : state) scene.Draw();
    // 1 when the pass really smoothed (a buffer, no metafile).
    const auto* canvas = dynamic_cast<const TAntiAliasCanvas*>(scene.Chart->Canvas3D());
    state.counters["smoothing"] = canvas && canvas->Smoothing() ? 1 : 0;
}
BENCHMARK(BM_LinesAntiAliased)->Unit(benchmark::kMillisecond);

}  // namespace
