#include "engine/Compute.h"

#include <cmath>

#include "engine/CavityOutline.h"
#include "engine/EngineTables.h"
#include "engine/Launchers.h"
#include "engine/Loaders.h"
#include "engine/MT19937.h"
#include "engine/Preprocess.h"
#include "engine/Radiance.h"
#include "engine/SaveResults.h"
#include "engine/TableWalk.h"
#include "engine/Trace.h"
#include "platform/db/ClientDataSet.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/MessageService.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RtlMath.h"

IRunMonitor::~IRunMonitor() = default;

bool PrepareRun(std::string& message) {
    message.clear();
    TSharedData& s = Shared;
    s.RayCount = static_cast<uint32_t>(Trunc(s.CurNRF));
    MTRandomize();
    if (s.RayCount <= 10) {
        s.ProgressStep = 1;
        s.StopCheckStep = 1;
    } else if (s.RayCount <= 1000) {
        s.ProgressStep = 10;
        s.StopCheckStep = 100;
    } else {
        s.ProgressStep = s.RayCount / 100;
        s.StopCheckStep = s.RayCount / 1000;
    }
    if (!PreprocessGeometry(message)) return false;
    // The launchers and the wall temperatures read the outline's bounds and node Xi: take them
    // from the nodes being run rather than from whatever outline was loaded last.
    if (!ComputeOutline(s.CurDatasetName, message)) return false;
    s.RayLauncher = LauncherOfKind(s.CurViewIndex);
    RadianceRatios.Prepare();
    return true;
}

bool CheckRunParameters(Real nrf, Real threshold, std::string& message) {
    message.clear();
    if (nrf < 1 || nrf > 1e9L) {
        message =
            "Incorrect value for Number of Rays.\rNumber of Rays must be from 1 to 1,000,000,000";
        return false;
    }
    if (threshold < 0 || threshold - 0.001L > 1e-9L) {
        message = "Incorrect value for Threshold.\rThreshold must be from 0 to 0.001";
        return false;
    }
    return true;
}

Real RadianceTemperature(Real ee, Real lambda, Real tref) {
    if (!(ee > 0)) return 0;
    if (lambda == 0) return tref * std::sqrt(std::sqrt(ee));  // fourth root of the total
    // T = c2 / (L ln(1 + (exp(x) - 1) / ee)) with x = c2 / (L Tref), L in metres. For large x the
    // logarithm is x + ln(exp(-x) + (1 - exp(-x)) / ee), which needs no exp(x).
    const Real L = lambda * 1e-6L;
    const Real x = RadiationC2 / (L * tref);
    const Real ln =
        x > 1 ? x + std::log(std::exp(-x) - std::expm1(-x) / ee) : std::log1p(std::expm1(x) / ee);
    return RadiationC2 / (L * ln);
}

namespace {

// EEiso, EE and the radiance temperature of viewing condition v from its sums. The
// non-isothermal sums are already relative to the radiance at CurTref.
void StoreResults(long v, const TSpectrum& iso, const TSpectrum& noniso, Real totalWeight) {
    TSharedData& s = Shared;
    for (long k = 0; k <= s.WavelengthCount; ++k) {
        if (totalWeight == 0) {  // no ray traced (a stop before the first): no results
            s.EEResults[v][0][k] = s.EEResults[v][1][k] = s.RTResults[v][1][k] = 0;
            continue;
        }
        s.EEResults[v][0][k] = iso[k] / totalWeight;
        const Real ee = noniso[k] / totalWeight;
        s.EEResults[v][1][k] = ee;
        s.RTResults[v][1][k] = RadianceTemperature(ee, s.CurWavelengths[k], s.CurTref);
    }
}

// Logs and shows why the run ends.
TRunOutcome Fail(IRunMonitor& monitor, const std::string& message, TRunOutcome outcome) {
    monitor.Log("Failed: " + message);
    ShowMessage(message);
    return outcome;
}

// The loop over viewing conditions and rays, and what ends it.
TRunOutcome TraceConditions(IRunMonitor& monitor, std::string& message) {
    TSharedData& s = Shared;
    const long nw = s.WavelengthCount;
    const uint32_t rays = s.RayCount;
    TSpectrum iso, noniso;  // the sums of one viewing condition
    long v = 1;
    for (; v <= s.VCCount; ++v) {
        if (StopFlag) break;
        monitor.PumpMessages();
        s.CurVC = static_cast<uint8_t>(v);
        Real totalWeight = 0;
        monitor.SetVCText(IntToStr(v) + " of " + IntToStr(s.VCCount));
        for (long k = 0; k <= nw; ++k) iso[k] = noniso[k] = 0;

        for (uint32_t r = 1; r <= rays; ++r) {
            if (r % s.StopCheckStep == 0) {
                if (StopFlag) break;
                monitor.PumpMessages();
            }
            if (r % s.ProgressStep == 0) {
                const int percent = static_cast<int>(Round(Real(r) / rays * 100));
                monitor.SetPercentage(percent, IntToStr(percent) + " %");
                monitor.PumpMessages();
            }
            if (!TraceRay(message)) return Fail(monitor, message, TRunOutcome::RayFailed);
            totalWeight += Ray.RayWeight;
            const Real* rayIso = Ray.RaySums[0].Data();
            const Real* rayNoniso = Ray.RaySums[1].Data();
            for (long k = 0; k <= nw; ++k) {
                iso.Data()[k] += rayIso[k];
                noniso.Data()[k] += rayNoniso[k];
            }
        }
        StoreResults(v, iso, noniso, totalWeight);
        monitor.SetVCPosition(static_cast<int>(Round(Real(v) * 100 / s.VCCount)));
        monitor.PumpMessages();
    }
    // The conditions a stop kept from starting have no results either, not an earlier run's.
    for (; v <= s.VCCount; ++v) StoreResults(v, iso, noniso, 0);

    if (StopFlag) {
        monitor.Log("Terminated by user's intervention.");
        monitor.Log("");
        StopFlag = false;
        return TRunOutcome::Stopped;
    }
    monitor.Log("Successful.");
    return TRunOutcome::Completed;
}

}  // namespace

TRunOutcome RunModeling(IRunMonitor& monitor, std::string& message) {
    StopFlag = false;
    if (!CheckRunParameters(Shared.CurNRF, Shared.CurThreshold, message)) {
        ShowMessage(message);
        return TRunOutcome::Refused;
    }
    monitor.Log("Geometry preprocessing...");
    if (!PrepareRun(message)) return Fail(monitor, message, TRunOutcome::PreparationFailed);
    monitor.Log("Successful.");
    StopFlag = false;
    monitor.Log("Monte Carlo modeling...");
    try {
        return TraceConditions(monitor, message);
    } catch (const EEngineError& e) {
        // A degenerate geometry met by a ray (a zero vector): the run ends without results.
        message = e.Message();
        return Fail(monitor, message, TRunOutcome::RayFailed);
    }
}

TRunOutcome RunAndSaveResults(IRunMonitor& monitor, std::string& message,
                              const std::function<double()>& now) {
    StopFlag = false;
    const double start = now();
    TDataSet* main = EngineTables.cdsMain;
    if (IsOpen(main)) {
        Shared.CurNRF = main->FieldByName("NRF")->AsFloat();
        Shared.CurThreshold = main->FieldByName("Threshold")->AsFloat();
    }
    const TRunOutcome outcome = RunModeling(monitor, message);
    const double finish = now();
    if (outcome == TRunOutcome::Stopped) {
        if (main) PostIfEditing(*main);
        return outcome;
    }
    if (outcome != TRunOutcome::Completed) return outcome;

    monitor.Log("Saving results...");
    if (!SaveResults(start, finish, message)) {
        ShowMessage(message);
        monitor.Log("Failed: " + message);
        return TRunOutcome::SaveFailed;
    }
    monitor.Log("Successful.");
    monitor.Log("");
    monitor.Log(" Start: " + DateTimeToStr(start));
    monitor.Log("Finish: " + DateTimeToStr(finish));
    monitor.Log("");
    if (main) PostIfEditing(*main);
    return TRunOutcome::Saved;
}

TRunOutcome RunAndSaveResults(IRunMonitor& monitor, std::string& message) {
    return RunAndSaveResults(monitor, message, [] { return Now(); });
}
