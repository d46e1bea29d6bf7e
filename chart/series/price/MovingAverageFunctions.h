#pragma once
// The functions that smooth one source series: the moving average (plain, weighted by the
// source's X values or by the point's place in the window), the two-point exponential blend,
// and the exponential moving average over the whole source.
#include <string>
#include <vector>

#include "chart/series/price/PriceMovingFunction.h"

class TMovingAverageFunction : public TPriceMovingFunction {
    KV_DECLARE_CLASS(TMovingAverageFunction, TPriceMovingFunction)
public:
    using TPriceMovingFunction::TPriceMovingFunction;

    bool Weighted() const { return FWeighted; }
    void SetWeighted(bool value);
    // Read only while Weighted is off.
    bool WeightedIndex() const { return FWeightedIndex; }
    void SetWeightedIndex(bool value);

    double Calculate(TChartSeries& source, int first, int last) override;
    std::string EditorClassName() const override { return "TMovAveFuncEditor"; }
    static void Publish(TPublisher<TMovingAverageFunction>& p);

private:
    bool FWeighted = false;
    bool FWeightedIndex = false;
};

// Weight x the window's last value + (1 - Weight) x the value before it.
class TExpAverageFunction : public TPriceMovingFunction {
    KV_DECLARE_CLASS(TExpAverageFunction, TPriceMovingFunction)
public:
    using TPriceMovingFunction::TPriceMovingFunction;

    double Weight() const { return FWeight; }
    // Outside 0 .. 1 it raises and keeps the weight.
    void SetWeight(double value);

    double Calculate(TChartSeries& source, int first, int last) override;
    std::string EditorClassName() const override { return "TExpAveFuncEditor"; }
    static void Publish(TPublisher<TExpAverageFunction>& p);

private:
    double FWeight = 0.2;
};

// k = 2 / (Period + 1), one result per source point from the first on.
class TExpMovAveFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TExpMovAveFunction, TTeeFunction)
public:
    explicit TExpMovAveFunction(TComponent* owner);

    // On: null points take part like any other. Off: they add no result.
    bool IgnoreNulls() const { return FIgnoreNulls; }
    void SetIgnoreNulls(bool value);

    void ComputeFromSources(TChartSeries* source) override;
    std::string EditorClassName() const override { return "TTeeFunctionEditor"; }
    static void Publish(TPublisher<TExpMovAveFunction>& p);

private:
    bool FIgnoreNulls = true;
    // Room for one pass's results, kept for its capacity.
    std::vector<int> FAt;
    std::vector<double> FOut;
    std::vector<unsigned char> FNulls;
};
