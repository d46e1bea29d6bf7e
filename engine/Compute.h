#pragma once
// The run: set-up, the loop over viewing conditions and rays, and the effective emissivities and
// radiance temperatures of every viewing condition. The compute dialog drives it through
// IRunMonitor (log, progress, message pumping; message boxes go through the message service) and
// keeps the buttons, the times and the saving of results to itself.
#include <cstdint>
#include <functional>
#include <string>

#include "engine/Global.h"

class IRunMonitor {
public:
    virtual ~IRunMonitor();
    // Appends a line to the run's log.
    virtual void Log(const std::string& line) = 0;
    // The current viewing condition as text ("3 of 7") and the share of conditions done (0..100).
    virtual void SetVCText(const std::string& text) = 0;
    virtual void SetVCPosition(int percent) = 0;
    // The share of rays of the current viewing condition done: the bar's position (0..100) and
    // the label's text ("45 %").
    virtual void SetPercentage(int percent, const std::string& text) = 0;
    // Lets the program handle its pending input (a click on Stop sets StopFlag). Called at the
    // start and end of every viewing condition, after a progress update and at every poll.
    virtual void PumpMessages() = 0;
};

// Run set-up, also used by the targeting view: RayCount and the progress interval from CurNRF,
// the generator seeded (from the clock, or with RunOptions.Seed), the surfaces and the outline of
// the generatrix, and the launcher of CurViewIndex.
bool PrepareRun(std::string& message);

// The share of `count` rays that `rays` done make, as the progress bar and its label show it:
// a percentage rounded to the nearest integer, ties to even.
int ProgressPercent(uint32_t rays, uint32_t count);

// Whether NRF and the threshold may be run; the message is the text to show otherwise.
bool CheckRunParameters(Real nrf, Real threshold, std::string& message);

// The radiance temperature (K) of a viewing condition whose effective emissivity at wavelength
// lambda (micrometres; 0 for the total) is ee: the temperature at which a black body's radiance
// is ee times the radiance at tref. 0 where ee is 0. Neither over- nor underflows for lambda from
// 0.01 to 1000 µm and any tref above 0.
Real RadianceTemperature(Real ee, Real lambda, Real tref);

enum class TRunOutcome {
    Refused,            // NRF or threshold out of range (message shown, nothing logged)
    PreparationFailed,  // PrepareRun failed (logged and shown)
    RayFailed,          // a ray missed the aperture (logged and shown)
    Stopped,            // StopFlag was seen; results of the traced rays are in the area
    Completed,          // every viewing condition traced; ready to be saved
    Saved,              // completed and stored in the results database
    SaveFailed,         // completed, but storing the results failed (logged and shown)
};

// The run over CurNRF rays for each of the VCCount viewing conditions, with CurThreshold, each
// traced on RunThreadCount() threads (see ConditionTrace.h). The calling thread polls the tracing
// threads every few hundredths of a second and makes every call to the monitor and the message
// service; a click on Stop ends the run within a poll. Results go to EEResults and RTResults; a
// viewing condition stopped in the middle keeps the results of the blocks of rays summed by
// then, and one without a traced ray (a stop before it started) gets 0.
TRunOutcome RunModeling(IRunMonitor& monitor, std::string& message);

// The Run button's work: NRF and the threshold read again from the main window's current dataset
// (the dialog edits them), the run, and for a completed run the storing of its results with the
// start and finish times that `now` gives, logged with those times. A stopped or failed run saves
// nothing. The current dataset's pending edit is posted after a stop and after a saved run.
TRunOutcome RunAndSaveResults(IRunMonitor& monitor, std::string& message,
                              const std::function<double()>& now);
TRunOutcome RunAndSaveResults(IRunMonitor& monitor, std::string& message);
