// A whole 2-D drawing pass: four line series of 10,000 points each, with axes, grid and labels,
// drawn onto a 1000×700 bitmap; frames per second are the inverse of the time per iteration.
// Beside it the label work of the same axes alone, to give the share of a frame it takes:
//   - BM_ChartLabelTexts: the step of each axis and the text of every label it would write
//     (the computation, no drawing);
//   - BM_ChartLabelWalks: the axes' whole label walks, texts drawn onto the same bitmap.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/support/BenchChart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/graphics/Bitmap.h"

namespace {

constexpr int Width = 1000;
constexpr int Height = 700;
constexpr int SeriesCount = 4;
constexpr int PointCount = 10'000;

// A line from the previous point to each point, in the series' colour.
class TLineSeries : public TChartSeries {
public:
    using TChartSeries::TChartSeries;
    int64_t Drawn = 0;  // points drawn, to show that a frame draws every one
    void DrawValue(int i) override {
        ++Drawn;
        TCanvas3D& c = *ParentChart()->Canvas3D();
        c.Pen()->SetColor(SeriesColor());
        if (i == 0) return;
        c.MovePenTo(PointXPixel(i - 1), PointYPixel(i - 1));
        c.DrawLineTo(PointXPixel(i), PointYPixel(i));
    }
};

struct TBenchScene {
    TApplication& Application = BenchApplication();
    TBenchScene() {
        LoadCoreTexts();
        ResetDefaultColors();
        Chart->SetBounds(0, 0, Width, Height);
        Chart->SetView3D(false);
        Chart->SetBufferedDisplay(false);  // straight onto the target bitmap
        Target.SetPixelFormat(pf32bit);
        std::mt19937 random(17);
        std::uniform_real_distribution<double> step(-1, 1);
        const TColor colours[SeriesCount] = {clRed, clBlue, clGreen, clBlack};
        for (int s = 0; s < SeriesCount; ++s) {
            auto* series = new TLineSeries(&Form);
            Series.push_back(series);
            Chart->AddSeries(series);
            series->SetSeriesColor(colours[s]);
            double y = 100.0 * s;  // random walks, one above the other
            for (int i = 0; i < PointCount; ++i) series->AddXYPoint(i, y += step(random));
        }
    }
    void Draw() { Chart->Draw(Target.Canvas(), TRect{0, 0, Width, Height}); }

    TComponent Form{nullptr};
    TBenchChart* Chart = new TBenchChart(&Form);
    TBitmap Target{Width, Height};
    std::vector<TLineSeries*> Series;
};

void BM_ChartFrame(benchmark::State& state) {
    TBenchScene scene;
    for (auto _ : state) scene.Draw();
    int64_t drawn = 0;
    for (TLineSeries* s : scene.Series) drawn += s->Drawn;
    state.counters["points/frame"] = double(drawn) / double(state.iterations());
    state.counters["fps"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ChartFrame)->Unit(benchmark::kMillisecond);

// After one frame has placed the axes: each shown axis's label step, then the text of each
// label value from the first multiple of the step within the range to the maximum.
void BM_ChartLabelTexts(benchmark::State& state) {
    TBenchScene scene;
    scene.Draw();
    const std::vector<TChartAxis*> axes = {scene.Chart->LeftAxis(), scene.Chart->BottomAxis()};
    for (auto _ : state) {
        for (TChartAxis* axis : axes) {
            const double increment = axis->ComputeLabelIncrement();
            double value = std::ceil(axis->Minimum() / increment) * increment;
            for (; value <= axis->Maximum(); value += increment) {
                std::string text = axis->FormatLabel(value);
                benchmark::DoNotOptimize(text);
            }
        }
    }
}
BENCHMARK(BM_ChartLabelTexts)->Unit(benchmark::kMicrosecond);

// The axes' label walks as a frame runs them: step, texts, ticks registered, texts drawn.
void BM_ChartLabelWalks(benchmark::State& state) {
    TBenchScene scene;
    scene.Draw();
    TCanvas3D& canvas = *scene.Chart->Canvas3D();
    canvas.BindCanvas(scene.Target.Canvas());
    const std::vector<TChartAxis*> axes = {scene.Chart->LeftAxis(), scene.Chart->BottomAxis()};
    for (auto _ : state) {
        for (TChartAxis* axis : axes) {
            canvas.UseFont(axis->LabelsFont());
            axis->WalkLabels();
        }
    }
}
BENCHMARK(BM_ChartLabelWalks)->Unit(benchmark::kMicrosecond);

}  // namespace
