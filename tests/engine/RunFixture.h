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
    static void SetConditions(uint8_t kind, const std::vector<std::vector<Real>>& rows) {
        FillConditions(kind, rows);
    }
    static void SetWavelengths(const std::vector<Real>& lambdas) { FillWavelengths(lambdas); }
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
