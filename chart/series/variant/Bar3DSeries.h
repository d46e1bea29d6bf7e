#pragma once
// A bar series whose bars float: each point carries the offset its bar starts at, so the bar
// reaches from its offset to its value wherever the bars stand on their origin (UseYOrigin or
// a stacked mode).
#include "chart/engine/BarSeries.h"

class TBar3DSeries : public TBarSeries {
    KV_DECLARE_CLASS(TBar3DSeries, TBarSeries)
public:
    explicit TBar3DSeries(TComponent* owner);
    ~TBar3DSeries() override;

    TChartValueList& OffsetValues() { return *FOffset; }
    void SetOffsetValues(const TChartValueList* value) { AssignValueList(*FOffset, value); }
    int AddBar3D(double x, double y, double offset, const std::string& label = {},
                 TColor color = clDefault);

    double StackOrigin(int valueIndex, bool all) const override;
    double ValueForStacking(int index) override;
    const TChartPen* CalcBarRect(int valueIndex, TRect& rect) override;
    double GetMaxYValue() override;
    double GetMinYValue() override;
    bool OffersStackVariants() const override { return false; }
    void AddRandomValues(int numValues, bool onlyMandatory) override;

    static void Publish(TPublisher<TBar3DSeries>& p);

private:
    // Offsets widen the axis only while the bars are not stacked.
    bool OffsetsWidenAxis() const { return MultiBar() == mbNone || MultiBar() == mbSide; }

    TChartValueList* FOffset;
};
