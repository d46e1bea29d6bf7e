#pragma once
// The Bollinger bands of a source series: the parent receives the upper band and a line series
// of the function's own the lower band, each Deviation standard deviations of the window away
// from its (exponential or plain) moving average.
#include <string>
#include <vector>

#include "chart/engine/TeeFunction.h"

class TChartPen;
class TFastLineSeries;

class TBollingerFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TBollingerFunction, TTeeFunction)
public:
    explicit TBollingerFunction(TComponent* owner);
    ~TBollingerFunction() override;

    bool Exponential() const { return FExponential; }
    void SetExponential(bool value);
    double Deviation() const { return FDeviation; }
    void SetDeviation(double value);

    // The lower band; none once freed with the chart.
    TFastLineSeries* LowBand() const { return FLow; }
    // The parent's pen (none without a parent) and the lower band's.
    TChartPen* UpperBandPen() const;
    void SetUpperBandPen(const TChartPen* value);
    TChartPen* LowBandPen() const;
    void SetLowBandPen(const TChartPen* value);

    void ComputeFromSources(TChartSeries* source) override;
    void SeriesCleared() override;
    std::string EditorClassName() const override { return "TBollingerFuncEditor"; }
    static void Publish(TPublisher<TBollingerFunction>& p);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool FExponential = true;
    double FDeviation = 2;
    TFastLineSeries* FLow;
    std::vector<double> FUpper, FLower;  // kept for their capacity
};
