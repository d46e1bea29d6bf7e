// Rays per second of the tracer through three reference cavities, at 1 and at 201 wavelengths,
// with a wall temperature that varies along the generatrix (so that every hit evaluates the
// radiance at every wavelength), and once with isothermal walls, whose radiance ratios are
// evaluated once per run. On the lidded cylinder (BM_DiffuseCylinder) with its varying wall
// temperature a 201-wavelength ray should cost at most six 1-wavelength rays: the radiance ratios
// go through the vectorised double kernel, and only the sums stay extended.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/Compute.h"
#include "engine/MCRT.h"
#include "tests/support/CavityFixture.h"

namespace {

void TraceRays(benchmark::State& state, TCavity (*cavity)(), bool isothermal = false) {
    FillReferenceRun(cavity(), static_cast<int>(state.range(0)), isothermal, 1e6L);
    Shared.CurVC = 1;
    std::string message;
    if (!PrepareRun(message)) {
        state.SkipWithError(message.c_str());
        return;
    }
    MTSeed(MTDefaultSeed);
    Real total = 0;
    for (auto _ : state) {
        if (!TraceRay(message)) {
            state.SkipWithError(message.c_str());
            break;
        }
        total += Ray.RaySums[1][0];
    }
    benchmark::DoNotOptimize(total);
    state.counters["rays/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_DiffuseCylinder(benchmark::State& state) { TraceRays(state, DiffuseCylinder); }
void BM_SpecularDiffuseConeBottom(benchmark::State& state) { TraceRays(state, ConeBottom); }
void BM_Sphere100Segments(benchmark::State& state) { TraceRays(state, Sphere100); }
void BM_IsothermalDiffuseCylinder(benchmark::State& state) {
    TraceRays(state, DiffuseCylinder, true);
}

BENCHMARK(BM_DiffuseCylinder)->Arg(1)->Arg(201);
BENCHMARK(BM_SpecularDiffuseConeBottom)->Arg(1)->Arg(201);
BENCHMARK(BM_Sphere100Segments)->Arg(1)->Arg(201);
BENCHMARK(BM_IsothermalDiffuseCylinder)->Arg(201);

}  // namespace
