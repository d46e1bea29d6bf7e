#include "engine/Compute.h"

#include <chrono>
#include <cmath>
#include <exception>
#include <optional>
#include <vector>

#include "engine/CavityOutline.h"
#include "engine/ConditionTrace.h"
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
    if (RunOptions.Seed)
        MTSeed(*RunOptions.Seed);
    else
        MTRandomize();
    // Progress moves on at every hundredth of the rays (every ray or every ten for few rays).
    if (s.RayCount <= 10)
        s.ProgressStep = 1;
    else if (s.RayCount <= 1000)
        s.ProgressStep = 10;
    else
        s.ProgressStep = s.RayCount / 100;
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

int ProgressPercent(uint32_t rays, uint32_t count) {
    return static_cast<int>(Round(Real(rays) / count * 100));
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
void StoreResults(long v, const TConditionSums& sums) {
    TSharedData& s = Shared;
    const TSpectrum& iso = sums.Iso;
    const TSpectrum& noniso = sums.Noniso;
    const Real totalWeight = sums.Weight;
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

// How long the driving thread leaves the workers alone between two polls: a click on Stop is
// seen within this time, whatever the number of rays.
constexpr std::chrono::milliseconds kPollInterval{50};

void ShowMessages(std::vector<std::string>& messages) {
    for (const std::string& m : messages) ShowMessage(m);
    messages.clear();
}

// The progress of `summed` rays, at the last multiple of ProgressStep reached, when it moved on
// from what `shown` rays showed; true when it was shown.
bool ShowProgress(IRunMonitor& monitor, uint32_t summed, uint32_t& shown) {
    const TSharedData& s = Shared;
    const uint32_t r = summed / s.ProgressStep * s.ProgressStep;
    if (r <= shown) return false;
    shown = r;
    const int percent = ProgressPercent(r, s.RayCount);
    monitor.SetPercentage(percent, IntToStr(percent) + " %");
    return true;
}

// Traces viewing condition CurVC into `sums` while polling from this thread: the messages of the
// rays summed, the progress, the program's input and Stop. Nothing while the run goes on; a ray
// that failed ends it as RayFailed (logged and shown), or with its exception, raised here.
std::optional<TRunOutcome> TraceCondition(IRunMonitor& monitor, uint64_t runSeed,
                                          TConditionSums& sums, std::string& message) {
    TConditionTrace trace(runSeed, RunThreadCount());
    uint32_t shown = 0;
    std::vector<std::string> messages;
    while (!trace.Wait(kPollInterval)) {
        trace.TakeMessages(messages);
        ShowMessages(messages);
        ShowProgress(monitor, trace.RaysSummed(), shown);
        monitor.PumpMessages();
        if (StopFlag) {
            trace.Stop();
            break;
        }
    }
    trace.Join();
    trace.TakeMessages(messages);
    ShowMessages(messages);
    if (const std::optional<TTraceFailure>& failure = trace.Failure()) {
        messages = failure->Messages;
        ShowMessages(messages);
        if (failure->Error) std::rethrow_exception(failure->Error);
        message = failure->Message;
        return Fail(monitor, message, TRunOutcome::RayFailed);
    }
    if (!StopFlag && ShowProgress(monitor, trace.RaysSummed(), shown)) monitor.PumpMessages();
    sums = trace.Sums();
    return std::nullopt;
}

// The loop over viewing conditions, and what ends it.
TRunOutcome TraceConditions(IRunMonitor& monitor, std::string& message) {
    TSharedData& s = Shared;
    // Every block of rays of the run draws from a stream keyed by this seed, taken from the
    // generator PrepareRun seeded.
    const uint64_t high = MTNext();
    const uint64_t runSeed = high << 32 | MTNext();
    TConditionSums sums;
    long v = 1;
    for (; v <= s.VCCount; ++v) {
        if (StopFlag) break;
        monitor.PumpMessages();
        s.CurVC = static_cast<uint8_t>(v);
        monitor.SetVCText(IntToStr(v) + " of " + IntToStr(s.VCCount));
        sums = TConditionSums();
        // A stop clicked during the pump above leaves this condition without a traced ray.
        if (!StopFlag) {
            if (const auto failed = TraceCondition(monitor, runSeed, sums, message)) return *failed;
        }
        StoreResults(v, sums);
        monitor.SetVCPosition(static_cast<int>(Round(Real(v) * 100 / s.VCCount)));
        monitor.PumpMessages();
    }
    // The conditions a stop kept from starting have no results either, not an earlier run's.
    for (; v <= s.VCCount; ++v) StoreResults(v, TConditionSums());

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
