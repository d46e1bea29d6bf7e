#pragma once
// Two values a point, a high (the Y list, named "High") and a low (a list of its own): the base
// of the high-low band and of the high-low lines. The axes cover both lists.
#include "chart/engine/ChartSeries.h"

class TBaseHighLowSeries : public TChartSeries {
    KV_DECLARE_CLASS(TBaseHighLowSeries, TChartSeries)
public:
    explicit TBaseHighLowSeries(TComponent* owner);
    ~TBaseHighLowSeries() override;

    TChartValueList& HighValues() { return YValues(); }
    const TChartValueList& HighValues() const { return YValues(); }
    void SetHighValues(const TChartValueList* value) { SetYValues(value); }
    TChartValueList& LowValues() { return *FLow; }
    const TChartValueList& LowValues() const { return *FLow; }
    // A plain copy of the list, without a repaint.
    void SetLowValues(const TChartValueList* value) { FLow->Assign(value); }

    // The new point's index; -1 when the append is refused.
    int AddHighLow(double x, double high, double low, const std::string& label = {},
                   TColor color = clDefault);

    double GetMaxYValue() override;
    double GetMinYValue() override;
    bool CanCopyFrom(const TChartSeries& source) const override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;

    static void Publish(TPublisher<TBaseHighLowSeries>& p);

private:
    TChartValueList* FLow;
};
