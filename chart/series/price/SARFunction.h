#pragma once
// The parabolic stop-and-reverse level of a price series: it follows the extreme price of the
// trend, faster with each new extreme, and jumps to the other side when the price crosses it.
#include <string>
#include <vector>

#include "chart/engine/TeeFunction.h"

// The function's gallery name, "SAR".
extern std::string TxtExtSAR;

class TSARFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TSARFunction, TTeeFunction)
public:
    explicit TSARFunction(TComponent* owner);

    // The start value and increment of the acceleration.
    double AccelerationFactor() const { return FAccelerationFactor; }
    void SetAccelerationFactor(double value);
    // The acceleration's upper bound.
    double MaxStep() const { return FMaxStep; }
    void SetMaxStep(double value);

    bool AcceptsSource(TComponent* source) const override;
    void ComputeFromSources(TChartSeries* source) override;
    std::string EditorClassName() const override { return "TSARFuncEditor"; }
    static void Publish(TPublisher<TSARFunction>& p);

private:
    double FAccelerationFactor = 0.02;
    double FMaxStep = 0.2;
    std::vector<double> FOut;  // kept for its capacity
};
