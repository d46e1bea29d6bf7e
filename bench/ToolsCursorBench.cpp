// The cursor tool following the mouse over a chart of 100,000 points: one iteration is 10,000
// mouse moves through the chart's own mouse handling, each erasing the cursor and drawing it
// again in XOR mode on the chart's front image. Reported: moves per second, and the chart's
// drawing passes and repaint requests per move, which must stay 0 (no move repaints the whole
// chart). Beside it the same moves with the cursor snapping to the nearest of the points, which
// adds a search of every visible point to each move.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "bench/support/BenchChart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/FastLineSeries.h"
#include "chart/tools/overlay/CursorTool.h"
#include "platform/graphics/Geometry.h"
#include "tests/chart/tools/ToolBench.h"

namespace {

constexpr int PointCount = 100'000;
constexpr int MovesPerIteration = 10'000;

struct TCursorScene {
    TApplication& Application = BenchApplication();
    TToolBench Bench;
    TCursorTool* Cursor = Bench.AddTool<TCursorTool>();
    std::vector<TPoint> Path;

    explicit TCursorScene(bool snap) {
        auto* series = new TFastLineSeries(&Bench.Form());
        series->SetName("Series1");
        Bench.Chart().AddSeries(series);
        // A slow wave over the whole bottom axis, within the left axis.
        for (int i = 0; i < PointCount; ++i)
            series->AddXYPoint(100.0 * i / PointCount, 50 + 40 * std::sin(i * 0.001));
        Cursor->SetSeries(series);
        Cursor->SetFollowMouse(true);
        Cursor->SetSnap(snap);
        Bench.Render();
        // The mouse sweeps the plot back and forth, never outside it.
        const TRect& r = Bench.Chart().ChartRect();
        const int w = r.Right - r.Left - 2, h = r.Bottom - r.Top - 2;
        Path.reserve(MovesPerIteration);
        for (int i = 0; i < MovesPerIteration; ++i) {
            const int x = r.Left + 1 + (i * 7) % w;
            const int y = r.Top + 1 + (i * 3 + (i / w) * 11) % h;
            Path.push_back(TPoint{x, y});
        }
    }
};

void RunMoves(benchmark::State& state, bool snap) {
    TCursorScene scene(snap);
    TToolChart& chart = scene.Bench.Chart();
    const int64_t passes = chart.DrawPasses;
    const int64_t invalidations = chart.Invalidations;
    for (auto _ : state)
        for (const TPoint& p : scene.Path) scene.Bench.Move(p.X, p.Y);
    const double moves = double(state.iterations()) * MovesPerIteration;
    state.counters["moves/s"] = benchmark::Counter(moves, benchmark::Counter::kIsRate);
    state.counters["full draws/move"] = double(chart.DrawPasses - passes) / moves;
    state.counters["repaint requests/move"] = double(chart.Invalidations - invalidations) / moves;
}

void BM_CursorFollowsMouse(benchmark::State& state) { RunMoves(state, false); }
BENCHMARK(BM_CursorFollowsMouse)->Unit(benchmark::kMillisecond);

void BM_CursorSnapsWhileFollowing(benchmark::State& state) { RunMoves(state, true); }
BENCHMARK(BM_CursorSnapsWhileFollowing)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
