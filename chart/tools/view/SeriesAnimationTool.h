#pragma once
// A "growing" animation of one series: the values along its value axis start all at one value
// and move in Steps steps to their real values, the chart drawn again after every step, all
// points at once or DrawEvery points at a time, once or in a loop. The run is synchronous: it
// keeps the application responsive by processing its messages between the steps, and Stop (from
// a handler, or a button while the run goes on) ends it with the real values back in place.
#include <functional>
#include <string>
#include <vector>

#include "chart/engine/ChartTools.h"
#include "platform/classes/Events.h"
#include "platform/classes/PropInfo.h"

class TChartSeries;
class TChartValueList;

enum TSeriesAnimationLoop { salNo, salOneWay, salCircular };
const TEnumInfo& SeriesAnimationLoopNames();

inline constexpr const char* SAnimationSteps = "Animation steps must be 1 or more";

class TSeriesAnimationTool;
using TSeriesAnimationStep = std::function<void(TSeriesAnimationTool* sender, int step)>;

class TSeriesAnimationTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TSeriesAnimationTool, TTeeCustomToolSeries)
public:
    explicit TSeriesAnimationTool(TComponent* owner);
    ~TSeriesAnimationTool() override;

    int Delay() const { return FDelay; }
    void SetDelay(int value) { FDelay = value; }
    int DrawEvery() const { return FDrawEvery; }
    void SetDrawEvery(int value) { FDrawEvery = value; }
    TSeriesAnimationLoop Loop() const { return FLoop; }
    void SetLoop(TSeriesAnimationLoop value) { FLoop = value; }
    bool StartAtMin() const { return FStartAtMin; }
    void SetStartAtMin(bool value) { FStartAtMin = value; }
    double StartValue() const { return FStartValue; }
    void SetStartValue(double value) { FStartValue = value; }
    int Steps() const { return FSteps; }
    // Below 1 raises ChartException SAnimationSteps and keeps the old value.
    void SetSteps(int value);

    TNotifyEvent OnStart;
    TNotifyEvent OnStop;
    TSeriesAnimationStep OnStep;

    // Runs the animation; nothing without a series or while a run goes on.
    virtual void Execute();
    bool Running() const { return !FStopped; }
    // Ends a run in progress (its values are put back at once) and fires OnStop.
    void Stop();

    static std::string KindName() { return "Series Animation"; }
    static std::string KindDescription() { return "Performs growing animation of Series points."; }
    static std::string EditorClassName() { return "TSeriesAnimToolEditor"; }

    static void Publish(TPublisher<TSeriesAnimationTool>& p);

private:
    // One pass over every group; forward from the start value, or (a circular loop's way back)
    // from the real values down to 0.
    void RunOnce(bool forward, const std::vector<double>& real);
    // The chart invalidated, then the application's messages for Delay milliseconds.
    void Refresh();
    void PutBack(TChartValueList& values, const std::vector<double>& real);

    int FDelay = 0;
    int FDrawEvery = 0;
    TSeriesAnimationLoop FLoop = salNo;
    bool FStartAtMin = true;
    double FStartValue = 0;
    int FSteps = 100;
    bool FStopped = true;
};
