#pragma once
// Counts the source's values into NumBins equal-width bins between their minimum and maximum:
// the series receives the bin centres as positions and the counts as values.
#include <vector>

#include "chart/engine/TeeFunction.h"

enum TDataStyle { hdsTruncate, hdsRound };
const TEnumInfo& HistogramDataStyleNames();

class THistogramFunction : public TTeeFunction {
    KV_DECLARE_CLASS(THistogramFunction, TTeeFunction)
public:
    explicit THistogramFunction(TComponent* owner);
    ~THistogramFunction() override;

    // Running totals over the bins.
    bool Cumulative() const { return FCumulative; }
    void SetCumulative(bool value);
    // At least 1.
    int NumBins() const { return FNumBins; }
    void SetNumBins(int value);
    // Null points are counted too (they always widen the range).
    bool IncludeNulls() const { return FIncludeNulls; }
    void SetIncludeNulls(bool value);
    // How a value's place among the bins becomes a bin: truncated or rounded.
    TDataStyle DataStyle() const { return FDataStyle; }
    void SetDataStyle(TDataStyle value);

    void ComputeFromSources(TChartSeries* source) override;
    static void Publish(TPublisher<THistogramFunction>& p);

private:
    template <class T>
    void Change(T& field, T value);

    bool FCumulative = false;
    int FNumBins = 20;
    bool FIncludeNulls = true;
    TDataStyle FDataStyle = hdsTruncate;
    // Kept between calculations for their capacity.
    std::vector<double> FValues, FCentres, FCounts;
};
