// Rays per second of a whole run through the run loop (set-up, polls for progress and Stop,
// sums and results), against the same rays traced alone: the loop should cost nothing that
// shows. One iteration is one run of RunRays rays over one viewing condition of a diffuse
// cylinder with a wall temperature that varies along the generatrix. Both are timed by the wall
// clock: the run's rays are traced by a worker thread while the calling thread waits.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/Compute.h"
#include "engine/MCRT.h"
#include "tests/support/CavityFixture.h"

namespace {

constexpr uint32_t RunRays = 2000;

// A monitor as cheap as a dialog that has nothing to redraw: it only counts.
class TCountingMonitor : public IRunMonitor {
public:
    void Log(const std::string&) override {}
    void SetVCText(const std::string&) override {}
    void SetVCPosition(int) override {}
    void SetPercentage(int, const std::string&) override { ++Updates; }
    void PumpMessages() override { ++Pumps; }
    long Updates = 0, Pumps = 0;
};

// A run of RunRays rays over the diffuse reference cylinder.
void SetUpCylinder(int wavelengths) {
    FillReferenceRun(DiffuseCylinder(), wavelengths, false, RunRays);
}

void SetRaysCounter(benchmark::State& state) {
    state.counters["rays/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * RunRays,
                                                  benchmark::Counter::kIsRate);
}

// The rays of one run traced and summed without the loop around them.
void BM_TraceAlone(benchmark::State& state) {
    SetUpCylinder(static_cast<int>(state.range(0)));
    std::string message;
    Real total = 0;
    for (auto _ : state) {
        if (!PrepareRun(message)) {
            state.SkipWithError(message.c_str());
            return;
        }
        Shared.CurVC = 1;
        for (uint32_t r = 0; r < RunRays; ++r) {
            if (!TraceRay(message)) {
                state.SkipWithError(message.c_str());
                return;
            }
            total += Ray.RaySums[1][0];
        }
    }
    benchmark::DoNotOptimize(total);
    SetRaysCounter(state);
}

// The same rays through RunModeling, on one thread like the rays traced alone (EngineBench
// measures the run loop on several).
void BM_WholeRun(benchmark::State& state) {
    SetUpCylinder(static_cast<int>(state.range(0)));
    const TRunOptionsGuard oneThread({.Threads = 1, .Seed = std::nullopt});
    std::string message;
    TCountingMonitor monitor;
    for (auto _ : state) {
        if (RunModeling(monitor, message) != TRunOutcome::Completed) {
            state.SkipWithError(message.c_str());
            return;
        }
        benchmark::DoNotOptimize(Shared.EEResults[1][1][0]);
    }
    SetRaysCounter(state);
    state.counters["pumps/run"] = static_cast<double>(monitor.Pumps) / state.iterations();
}

BENCHMARK(BM_TraceAlone)->Arg(1)->Arg(201)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeRun)->Arg(1)->Arg(201)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
