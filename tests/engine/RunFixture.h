#pragma once
// A dataset filled straight into the shared area and a monitor that records what a run reports.
#include <string>
#include <vector>

#include "EngineFixture.h"
#include "engine/Compute.h"

class TRecordingMonitor : public IRunMonitor {
public:
    void Log(const std::string& line) override { Lines.push_back(line); }
    void SetVCText(const std::string& text) override { Events.push_back("vc " + text); }
    void SetVCPosition(int percent) override { Events.push_back("vc% " + std::to_string(percent)); }
    void SetPercentage(int percent, const std::string& text) override {
        Events.push_back("rays " + text + " bar " + std::to_string(percent));
    }
    void PumpMessages() override {
        Events.push_back("pump");
        ++Pumps;
        if (Pumps == StopAtPump) StopFlag = true;  // as a click on Stop handled during the pump
    }

    std::vector<std::string> Lines, Events;
    int Pumps = 0;
    int StopAtPump = 0;
};

class RunTest : public EngineTest {
protected:
    // One viewing condition row per entry, of the given kind.
    static void SetConditions(uint8_t kind, const std::vector<std::vector<Real>>& rows) {
        Shared.CurViewIndex = kind;
        Shared.VCCount = static_cast<uint8_t>(rows.size());
        for (size_t v = 0; v < rows.size(); ++v)
            for (size_t p = 0; p < rows[v].size(); ++p) Shared.VCParams[p + 1][v + 1] = rows[v][p];
    }
    static void SetWavelengths(const std::vector<Real>& lambdas) {
        Shared.WavelengthCount = static_cast<uint8_t>(lambdas.size());
        for (size_t k = 0; k < lambdas.size(); ++k) Shared.CurWavelengths[k + 1] = lambdas[k];
    }
    static void SetRun(Real nrf, Real tref, Real threshold = 0, Real tbg = 0) {
        Shared.CurNRF = nrf;
        Shared.CurTref = tref;
        Shared.CurThreshold = threshold;
        Shared.CurTbg = tbg;
        Shared.CurDatasetName = "test";
    }
    TRunOutcome Run() {
        std::string message;
        const TRunOutcome outcome = RunModeling(Monitor, message);
        Message = message;
        return outcome;
    }
    static Real EEiso(long v, long k) { return Shared.EEResults[v][0][k]; }
    static Real EE(long v, long k) { return Shared.EEResults[v][1][k]; }
    static Real RT(long v, long k) { return Shared.RTResults[v][1][k]; }

    TRecordingMonitor Monitor;
    std::string Message;
};
