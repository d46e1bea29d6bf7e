#pragma once
// The percentage volume oscillator: the difference of a fast (Period) and a slow (Period2)
// exponential moving average of the source, in percent of the fast one or as it is.
#include <string>
#include <vector>

#include "chart/engine/TeeFunction.h"

class TPVOFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TPVOFunction, TTeeFunction)
public:
    explicit TPVOFunction(TComponent* owner);

    // The slow period; read rounded.
    int Period2() const;
    void SetPeriod2(int value);
    bool Percentage() const { return FPercentage; }
    void SetPercentage(bool value);

    void ComputeFromSources(TChartSeries* source) override;
    std::string EditorClassName() const override { return "TPVOFuncEditor"; }
    static void Publish(TPublisher<TPVOFunction>& p);

private:
    double FSlowPeriod = 26;
    bool FPercentage = true;
    std::vector<double> FOut;  // kept for its capacity
};
