// Triangulating random points of the unit square: 1,000, 10,000 and 100,000 points; the
// complexity fit shows how the time grows with the count.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "chart/series/algo/Triangulation.h"

namespace {

void BM_TriangulateRandomPoints(benchmark::State& state) {
    const auto n = size_t(state.range(0));
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<double> x(n), z(n);
    for (size_t i = 0; i < n; ++i) x[i] = unit(random), z[i] = unit(random);
    for (auto _ : state) {
        TTriangulation t = TriangulatePoints(x, z);
        benchmark::DoNotOptimize(t.Triangles.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TriangulateRandomPoints)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace
