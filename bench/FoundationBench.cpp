// The chart foundation's shared routines on chart-sized inputs: the hull of a cloud of points,
// sorting a series' values through callbacks, and the hit tests run on every mouse move.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "chart/foundation/HitTests.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/QuickSortWithCallbacks.h"

namespace {

std::vector<TPoint> Cloud(size_t count) {
    std::mt19937 random(7);
    std::vector<TPoint> points(count);
    for (TPoint& p : points) p = TPoint{int(random() % 800), int(random() % 600)};
    return points;
}

void BM_ConvexHull(benchmark::State& state) {
    const std::vector<TPoint> cloud = Cloud(size_t(state.range(0)));
    std::vector<TPoint> points;
    for (auto _ : state) {
        points = cloud;
        benchmark::DoNotOptimize(ConvexHull(points));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ConvexHull)->Arg(64)->Arg(4096);

void BM_QuickSortWithCallbacks(benchmark::State& state) {
    std::mt19937 random(3);
    std::vector<double> source(size_t(state.range(0)));
    for (double& v : source) v = double(random() % 1000);
    std::vector<double> values;
    for (auto _ : state) {
        values = source;
        QuickSortWithCallbacks(
            0, int(values.size()) - 1,
            [&](int a, int b) {
                const double d = values[size_t(a)] - values[size_t(b)];
                return d < 0 ? -1 : d > 0 ? 1 : 0;
            },
            [&](int a, int b) { std::swap(values[size_t(a)], values[size_t(b)]); });
        benchmark::DoNotOptimize(values.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_QuickSortWithCallbacks)->Arg(10000);

// A 200-sided polygon and a series of 1000 segments, tested against one mouse position.
void BM_HitTests(benchmark::State& state) {
    std::vector<TPoint> polygon(200);
    for (size_t i = 0; i < polygon.size(); ++i) {
        const double a = 2 * M_PI * double(i) / double(polygon.size());
        polygon[i] = TPoint{400 + int(300 * std::cos(a)), 300 + int(200 * std::sin(a))};
    }
    const std::vector<TPoint> line = Cloud(1000);
    const TPoint mouse{410, 290};
    for (auto _ : state) {
        int hits = PointInPolygon(mouse, polygon, int(polygon.size()) - 1) ? 1 : 0;
        for (size_t i = 1; i < line.size(); ++i)
            hits += IsPointNearLinePoints(mouse, line[i - 1], line[i], 3) ? 1 : 0;
        benchmark::DoNotOptimize(hits);
    }
    state.SetItemsProcessed(state.iterations() * 1200);
}
BENCHMARK(BM_HitTests);

}  // namespace
