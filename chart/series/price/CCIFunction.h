#pragma once
// The commodity channel index of a price series: how far each typical price (the mean of close,
// high and low) lies from its moving average, in units of the window's mean deviation times
// Constant. Windows whose mean deviation is 0 give no point.
#include <string>
#include <vector>

#include "chart/engine/TeeFunction.h"

class TCCIFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TCCIFunction, TTeeFunction)
public:
    explicit TCCIFunction(TComponent* owner);

    // 0 is taken as 1.
    double Constant() const { return FConstant; }
    void SetConstant(double value);

    bool AcceptsSource(TComponent* source) const override;
    void ComputeFromSources(TChartSeries* source) override;
    std::string EditorClassName() const override { return "TCCIFuncEditor"; }
    static void Publish(TPublisher<TCCIFunction>& p);

private:
    double FConstant = 0.015;
    // Room for one pass's typical prices and results, kept for its capacity.
    std::vector<double> FTypical;
    std::vector<double> FOut;
    std::vector<int> FAt;
};
