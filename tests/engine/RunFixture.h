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
        // As a click on Stop handled during the pump: at the pump with that number, or at the
        // first pump after the event StopAfter.
        if (++Pumps == StopAtPump ||
            (!StopAfter.empty() && !Events.empty() && Events.back() == StopAfter))
            StopFlag = true;
        Events.push_back("pump");
    }

    std::vector<std::string> Lines, Events;
    int Pumps = 0;
    int StopAtPump = 0;
    std::string StopAfter;
};

// Runs go through several threads, whatever the machine, from a fixed seed, so that a failure
// comes back on the next run; the run's settings are back to their defaults after every test.
class RunTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        RunOptions = TRunOptions();
        RunOptions.Threads = 4;
        RunOptions.Seed = MTDefaultSeed;
    }
    void TearDown() override {
        RunOptions = TRunOptions();
        EngineTest::TearDown();
    }
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
