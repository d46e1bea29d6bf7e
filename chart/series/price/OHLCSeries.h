#pragma once
// The data model of the price series: one point per trading period with its date (X) and four
// prices, close (Y, the list the axes, marks and functions read first), high, low and open.
// Nothing ties the four prices together: high may lie below low, and drawing and extremes take
// the values as stored. Used alone it draws as a line through the closes; the candle series and
// the price functions read or fill it.
#include "chart/engine/CustomSeries.h"

class TOHLCSeries : public TCustomSeries {
    KV_DECLARE_CLASS(TOHLCSeries, TCustomSeries)
public:
    explicit TOHLCSeries(TComponent* owner);
    ~TOHLCSeries() override;

    TChartValueList& DateValues() { return XValues(); }
    TChartValueList& CloseValues() { return YValues(); }
    TChartValueList& HighValues() { return *FHigh; }
    TChartValueList& LowValues() { return *FLow; }
    TChartValueList& OpenValues() { return *FOpen; }
    const TChartValueList& DateValues() const { return XValues(); }
    const TChartValueList& CloseValues() const { return YValues(); }
    const TChartValueList& HighValues() const { return *FHigh; }
    const TChartValueList& LowValues() const { return *FLow; }
    const TChartValueList& OpenValues() const { return *FOpen; }
    void SetDateValues(const TChartValueList* value) { SetXValues(value); }
    void SetCloseValues(const TChartValueList* value) { SetYValues(value); }
    void SetHighValues(const TChartValueList* value) { AssignValueList(*FHigh, value); }
    void SetLowValues(const TChartValueList* value) { AssignValueList(*FLow, value); }
    void SetOpenValues(const TChartValueList* value) { AssignValueList(*FOpen, value); }

    // The new point's index, placed by its date when the date list is ordered; -1 when
    // OnBeforeAdd refuses it.
    int AddQuote(double date, double open, double high, double low, double close,
                 const std::string& label = {}, TColor color = clDefault);

    // The extreme of the four prices over the points that count (nulls only with tnIgnore);
    // 0 when none does.
    double MandatoryMinMax(bool isMin) const override;
    double GetMaxYValue() override { return MandatoryMinMax(false); }
    double GetMinYValue() override { return MandatoryMinMax(true); }
    bool CanCopyFrom(const TChartSeries& source) const override;
    int DefaultSampleCount() const override { return 40; }
    void AddRandomValues(int numValues, bool onlyMandatory) override;

    static void Publish(TPublisher<TOHLCSeries>& p);

private:
    TChartValueList* FHigh;
    TChartValueList* FLow;
    TChartValueList* FOpen;
};
