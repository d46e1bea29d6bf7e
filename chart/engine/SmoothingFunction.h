#pragma once
// The smoothing function: fills its series with the B-spline curve of its source's points,
// sampled into (source points x Factor) segments, at most 600, so the series receives one point
// more than there are segments. By default the curve passes through every source point.
#include <string>

#include "chart/engine/TeeFunction.h"

class TSmoothingFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TSmoothingFunction, TTeeFunction)
public:
    explicit TSmoothingFunction(TComponent* owner);
    ~TSmoothingFunction() override;

    bool Interpolate() const { return FInterpolate; }
    void SetInterpolate(bool value);
    // Segments per source point; at least 1.
    int Factor() const { return FFactor; }
    void SetFactor(int value);

    void ComputeFromSources(TChartSeries* source) override;
    std::string EditorClassName() const override { return "TSmoothFuncEditor"; }
    static void Publish(TPublisher<TSmoothingFunction>& p);

private:
    bool FInterpolate = true;
    int FFactor = 4;
};

// Registers the function as "Smoothing" on the function gallery's "Extended" page (and so with
// the component stream); a nesting count makes repeats harmless, and only the last shutdown
// takes it away again.
void SmoothingFunctionUnitStartup();
void SmoothingFunctionUnitShutdown();
