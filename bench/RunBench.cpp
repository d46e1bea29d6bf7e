// Rays per second of a whole run through the run loop (set-up, polls for progress and Stop,
// sums and results), against the same rays traced alone: the loop should cost nothing that
// shows. One iteration is one run of RunRays rays over one viewing condition of a diffuse
// cylinder with a wall temperature that varies along the generatrix.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/Compute.h"
#include "engine/MCRT.h"

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

void SetUpCylinder(int wavelengths) {
    ResetSharedData();
    TSharedData& s = Shared;
    s.CurDatasetName = "bench";
    const Real nodes[][2] = {{0, 0}, {0, 1}, {4, 1}, {4, 0.5L}};
    s.NodeCount = 3;
    for (long i = 0; i <= 3; ++i) {
        s.NodeZ[i] = nodes[i][0];
        s.NodeR[i] = nodes[i][1];
        s.SurfEmissivity[i] = 0.8L;
        s.SurfReflectivity[i] = 0.2L;
        s.SurfDiffusity[i] = 1;
    }
    s.TempPointCount = 2;
    s.TempPointXi[1] = 0;
    s.TempPointT[1] = 1000;
    s.TempPointXi[2] = 1;
    s.TempPointT[2] = 900;
    s.WavelengthCount = static_cast<uint8_t>(wavelengths);
    for (int k = 1; k <= wavelengths; ++k) s.CurWavelengths[k] = 0.5L + 0.1L * (k - 1);
    s.CurTref = 1000;
    s.CurTbg = 300;
    s.CurNRF = RunRays;
    s.CurViewIndex = 0;
    s.VCCount = 1;
    s.VCParams[1][1] = 0;
    s.VCParams[2][1] = 0.4L;
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
            total += Shared.RaySums[1][0];
        }
    }
    benchmark::DoNotOptimize(total);
    SetRaysCounter(state);
}

// The same rays through RunModeling.
void BM_WholeRun(benchmark::State& state) {
    SetUpCylinder(static_cast<int>(state.range(0)));
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

BENCHMARK(BM_TraceAlone)->Arg(1)->Arg(201)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeRun)->Arg(1)->Arg(201)->Unit(benchmark::kMillisecond);

}  // namespace
