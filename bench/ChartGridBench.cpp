// The chart grid painting one screen of rows of a 1,000,000-point series scrolled to its start,
// its middle and its end: the three must cost the same, since a cell reads only its own point.
#include <benchmark/benchmark.h>

#include "bench/support/BenchChart.h"
#include "chart/editors/ChartGrid.h"
#include "chart/engine/LineSeries.h"
#include "platform/ui/Form.h"

namespace {

constexpr int PointCount = 1'000'000;

struct TGridBench {
    TApplication& Application = BenchApplication();
    TForm Form{nullptr};
    TBenchChart* Chart = new TBenchChart(&Form);
    TChartGrid* Grid = new TChartGrid(&Form);

    TGridBench() {
        auto* series = new TLineSeries(&Form);
        Chart->AddSeries(series);
        {
            TValueListGrowthScope growth(PointCount);
            for (int i = 0; i < PointCount; ++i) series->AddXYPoint(i, (i % 977) * 0.25);
        }
        for (int i = 0; i < PointCount; i += 1000) series->SetPointLabel(i, "label");
        Form.SetBounds(0, 0, 640, 480);
        Grid->SetParent(&Form);
        Grid->SetBounds(0, 0, 620, 460);
        Grid->SetShowColors(true);
        Grid->SetChart(Chart);
    }
};

TGridBench& Bench() {
    static TGridBench bench;
    return bench;
}

// fraction: where the screen's first row lies in the series (0 start, 0.5 middle, 1 end).
void BM_ChartGridPaintScreen(benchmark::State& state) {
    TGridBench& b = Bench();
    const int last = b.Grid->RowCount() - b.Grid->VisibleRowCount();
    const int top =
        b.Grid->FixedRows() + int((last - b.Grid->FixedRows()) * (double(state.range(0)) / 2.0));
    b.Grid->SetTopRow(top);
    for (auto _ : state) b.Grid->Repaint();
    state.counters["rows"] =
        benchmark::Counter(double(b.Grid->VisibleRowCount()) * double(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.SetLabel(state.range(0) == 0 ? "start" : state.range(0) == 1 ? "middle" : "end");
}
BENCHMARK(BM_ChartGridPaintScreen)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
