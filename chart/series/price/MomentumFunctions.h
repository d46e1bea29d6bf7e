#pragma once
// The window oscillators of a source series: momentum (the change over the window), momentum
// division (the ratio in percent), performance (the change from the source's very first value
// in percent), the stochastic oscillator over the source's "High" and "Low" lists, and the
// relative strength index of a price series.
#include <string>

#include "chart/series/price/OscillatorKernels.h"
#include "chart/series/price/PriceMovingFunction.h"

class TMomentumFunction : public TPriceMovingFunction {
    KV_DECLARE_CLASS(TMomentumFunction, TPriceMovingFunction)
public:
    using TPriceMovingFunction::TPriceMovingFunction;
    double Calculate(TChartSeries& source, int first, int last) override;
};

class TMomentumDivFunction : public TPriceMovingFunction {
    KV_DECLARE_CLASS(TMomentumDivFunction, TPriceMovingFunction)
public:
    using TPriceMovingFunction::TPriceMovingFunction;
    double Calculate(TChartSeries& source, int first, int last) override;
};

class TPerformanceFunction : public TPriceMovingFunction {
    KV_DECLARE_CLASS(TPerformanceFunction, TPriceMovingFunction)
public:
    using TPriceMovingFunction::TPriceMovingFunction;
    double Calculate(TChartSeries& source, int first, int last) override;
};

// The window's lowest "Low" and highest "High" (the mandatory list for a source without them).
class TStochasticFunction : public TPriceMovingFunction {
    KV_DECLARE_CLASS(TStochasticFunction, TPriceMovingFunction)
public:
    explicit TStochasticFunction(TComponent* owner);
    double Calculate(TChartSeries& source, int first, int last) override;
};

const TEnumInfo& RSIStyleNames();

// Reads the "Close" and "Open" lists of a price series; any other source is refused.
class TRSIFunction : public TPriceMovingFunction {
    KV_DECLARE_CLASS(TRSIFunction, TPriceMovingFunction)
public:
    explicit TRSIFunction(TComponent* owner);

    TRSIStyle Style() const { return FStyle; }
    void SetStyle(TRSIStyle value);

    bool AcceptsSource(TComponent* source) const override;
    double Calculate(TChartSeries& source, int first, int last) override;
    static void Publish(TPublisher<TRSIFunction>& p);

private:
    TRSIStyle FStyle = rsiOpenClose;
};
