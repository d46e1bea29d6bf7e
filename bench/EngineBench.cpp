// Rays per second of the tracer through three reference cavities, at 1 and at 201 wavelengths,
// with a wall temperature that varies along the generatrix (so that every hit evaluates the
// radiance at every wavelength), and once with isothermal walls, whose radiance ratios are
// evaluated once per run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/Compute.h"
#include "engine/MCRT.h"

namespace {

struct TCavity {
    std::vector<std::pair<Real, Real>> nodes;  // (z, r), start node first
    Real emissivity, diffusity;
};

TCavity DiffuseCylinder() { return {{{0, 0}, {0, 1}, {4, 1}, {4, 0.5L}}, 0.8L, 1}; }

TCavity SpecularDiffuseConeBottom() { return {{{0, 0}, {1, 1}, {5, 1}, {5, 0.5L}}, 0.7L, 0.3L}; }

TCavity Sphere100() {
    TCavity c{{}, 0.5L, 1};
    const Real thetaMax = 150 * Pi / 180;
    for (int i = 0; i <= 100; ++i) {
        const Real theta = thetaMax * i / 100;
        c.nodes.push_back({1 - std::cos(theta), std::sin(theta)});
    }
    return c;
}

void SetUpRun(const TCavity& cavity, int wavelengths, bool isothermal = false) {
    ResetSharedData();
    TSharedData& s = Shared;
    s.CurDatasetName = "bench";
    s.NodeCount = static_cast<uint8_t>(cavity.nodes.size() - 1);
    for (size_t i = 0; i < cavity.nodes.size(); ++i) {
        s.NodeZ[i] = cavity.nodes[i].first;
        s.NodeR[i] = cavity.nodes[i].second;
        s.SurfEmissivity[i] = cavity.emissivity;
        s.SurfReflectivity[i] = 1 - cavity.emissivity;
        s.SurfDiffusity[i] = cavity.diffusity;
    }
    s.TempPointCount = isothermal ? 0 : 2;
    s.TempPointXi[1] = 0;
    s.TempPointT[1] = 1000;
    s.TempPointXi[2] = 1;
    s.TempPointT[2] = 900;
    s.WavelengthCount = static_cast<uint8_t>(wavelengths);
    for (int k = 1; k <= wavelengths; ++k) s.CurWavelengths[k] = 0.5L + 0.1L * (k - 1);
    s.CurTref = 1000;
    s.CurTbg = 300;
    s.CurNRF = 1e6;
    s.CurViewIndex = 0;
    s.VCCount = 1;
    s.CurVC = 1;
    s.VCParams[1][1] = 0;
    s.VCParams[2][1] = 0.4L;
}

void TraceRays(benchmark::State& state, TCavity (*cavity)(), bool isothermal = false) {
    SetUpRun(cavity(), static_cast<int>(state.range(0)), isothermal);
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
        total += Shared.RaySums[1][0];
    }
    benchmark::DoNotOptimize(total);
    state.counters["rays/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_DiffuseCylinder(benchmark::State& state) { TraceRays(state, DiffuseCylinder); }
void BM_SpecularDiffuseConeBottom(benchmark::State& state) {
    TraceRays(state, SpecularDiffuseConeBottom);
}
void BM_Sphere100Segments(benchmark::State& state) { TraceRays(state, Sphere100); }
void BM_IsothermalDiffuseCylinder(benchmark::State& state) {
    TraceRays(state, DiffuseCylinder, true);
}

BENCHMARK(BM_DiffuseCylinder)->Arg(1)->Arg(201);
BENCHMARK(BM_SpecularDiffuseConeBottom)->Arg(1)->Arg(201);
BENCHMARK(BM_Sphere100Segments)->Arg(1)->Arg(201);
BENCHMARK(BM_IsothermalDiffuseCylinder)->Arg(201);

}  // namespace
