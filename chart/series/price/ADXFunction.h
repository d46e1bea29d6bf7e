#pragma once
// The average directional index of a price series in the parent series, with the two
// directional indicators (+DI, -DI) in two line series of the function's own.
#include <string>
#include <vector>

#include "chart/engine/TeeFunction.h"

class TChartPen;
class TFastLineSeries;

class TADXFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TADXFunction, TTeeFunction)
public:
    explicit TADXFunction(TComponent* owner);
    ~TADXFunction() override;

    // The -DI line (red) and the +DI line (green); none once freed with the chart.
    TFastLineSeries* DownLine() const { return FDown; }
    TFastLineSeries* UpLine() const { return FUp; }
    TChartPen* UpLinePen() const;
    void SetUpLinePen(const TChartPen* value);
    TChartPen* DownLinePen() const;
    void SetDownLinePen(const TChartPen* value);

    bool AcceptsSource(TComponent* source) const override;
    void ComputeFromSources(TChartSeries* source) override;
    void SeriesCleared() override;
    std::string EditorClassName() const override { return "TADXFuncEditor"; }
    static void Publish(TPublisher<TADXFunction>& p);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TFastLineSeries* FDown;
    TFastLineSeries* FUp;
    // Room for one pass's results, kept for its capacity.
    std::vector<double> FUpValues, FDownValues, FADX;
};
