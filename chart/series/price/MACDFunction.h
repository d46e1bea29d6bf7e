#pragma once
// The MACD of a source series: the parent receives the difference of a fast and a slow
// exponential moving average; a signal line of the function's own holds the exponential average
// of that difference, and a histogram of its own the difference minus the signal.
#include <string>
#include <vector>

#include "chart/engine/TeeFunction.h"

class TChartPen;
class TExpMovAveFunction;
class TFastLineSeries;
class TVolumeSeries;

class TMACDFunction : public TTeeMovingFunction {
    KV_DECLARE_CLASS(TMACDFunction, TTeeMovingFunction)
public:
    explicit TMACDFunction(TComponent* owner);
    ~TMACDFunction() override;

    // Period is the slow average's period, Period2 the fast one's (at least 1), Period3 the
    // signal line's.
    double Period2() const { return FFastPeriod; }
    void SetPeriod2(double value);
    int Period3() const;
    void SetPeriod3(int value);

    // The histogram (red bars from 0) and the signal line (green); none once freed with the
    // chart.
    TVolumeSeries* Histogram() const { return FHistogram; }
    TFastLineSeries* Signal() const { return FSignal; }
    // The parent's pen (none without a parent), the signal's and the histogram's.
    TChartPen* MACDPen() const;
    void SetMACDPen(const TChartPen* value);
    TChartPen* MACDExpPen() const;
    void SetMACDExpPen(const TChartPen* value);
    TChartPen* HistogramPen() const;
    void SetHistogramPen(const TChartPen* value);

    void ComputeFromSources(TChartSeries* source) override;
    void SeriesCleared() override;
    std::string EditorClassName() const override { return "TMACDFuncEditor"; }
    static void Publish(TPublisher<TMACDFunction>& p);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void FillHistogram(TChartSeries& parent);

    TVolumeSeries* FHistogram;
    TFastLineSeries* FSignal;
    TExpMovAveFunction* FSignalAverage;
    double FFastPeriod = 12;
    std::vector<double> FOut;  // kept for its capacity
};
