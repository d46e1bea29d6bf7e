#pragma once
// Copies the source's points whose position lies between StartValue and EndValue, both
// included: the value list copied is the mandatory one, or the one the series' mandatory list
// names as its value source.
#include <string>

#include "chart/engine/TeeFunction.h"

class TSubsetTeeFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TSubsetTeeFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;

    double EndValue() const { return FEndValue; }
    void SetEndValue(double value);
    double StartValue() const { return FStartValue; }
    void SetStartValue(double value);

    void ComputeFromSources(TChartSeries* source) override;
    std::string EditorClassName() const override { return "TSubsetFuncEditor"; }
    static void Publish(TPublisher<TSubsetTeeFunction>& p);

private:
    double FEndValue = 0;
    double FStartValue = 0;
};
