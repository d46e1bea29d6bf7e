// Rays per second of the tracer through three reference cavities, at 1 and at 201 wavelengths,
// with a wall temperature that varies along the generatrix (so that every hit evaluates the
// radiance at every wavelength), and once with isothermal walls, whose radiance ratios are
// evaluated once per run. On the lidded cylinder (BM_DiffuseCylinder) with its varying wall
// temperature a 201-wavelength ray should cost at most six 1-wavelength rays: the radiance ratios
// go through the vectorised double kernel, and only the sums stay extended.
//
// BM_RunLoopThreads runs the same cylinder through the whole run loop on 1, 2, 4 and 8 threads;
// "speed-up" is its rate against the 1-thread rate of the same program run (wall-clock time: the
// workers are other threads). On eight idle cores eight threads should trace at least six times
// as fast as one.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "engine/Compute.h"
#include "engine/MCRT.h"
#include "tests/support/CavityFixture.h"

namespace {

// A monitor with nothing to show.
class TCountingMonitor : public IRunMonitor {
public:
    void Log(const std::string&) override {}
    void SetVCText(const std::string&) override {}
    void SetVCPosition(int) override {}
    void SetPercentage(int, const std::string&) override {}
    void PumpMessages() override {}
};

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

// A run of LoopRays rays over one viewing condition of the lidded cylinder at one wavelength, on
// state.range(0) threads.
constexpr Real LoopRays = 200000;

void BM_RunLoopThreads(benchmark::State& state) {
    static double oneThreadRate = 0;
    const unsigned threads = static_cast<unsigned>(state.range(0));
    FillReferenceRun(DiffuseCylinder(), 1, false, LoopRays);
    const TRunOptionsGuard options({.Threads = threads, .Seed = MTDefaultSeed});
    TCountingMonitor monitor;
    std::string message;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        if (RunModeling(monitor, message) != TRunOutcome::Completed) {
            state.SkipWithError(message.c_str());
            break;
        }
        benchmark::DoNotOptimize(Shared.EEResults[1][1][0]);
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const double rate =
        static_cast<double>(state.iterations()) * double(LoopRays) / elapsed.count();
    state.counters["rays/s"] = rate;
    if (threads == 1) oneThreadRate = rate;
    if (oneThreadRate > 0) state.counters["speed-up"] = rate / oneThreadRate;
}

BENCHMARK(BM_DiffuseCylinder)->Arg(1)->Arg(201);
BENCHMARK(BM_SpecularDiffuseConeBottom)->Arg(1)->Arg(201);
BENCHMARK(BM_Sphere100Segments)->Arg(1)->Arg(201);
BENCHMARK(BM_IsothermalDiffuseCylinder)->Arg(201);
BENCHMARK(BM_RunLoopThreads)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Arg(8)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
