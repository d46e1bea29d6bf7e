#pragma once
// Compresses a dense price (or value) series into coarser OHLC bars in its parent, which must
// be a price series: every run of points in one calendar or clock period, or of Period points,
// becomes one bar with the run's first open, last close, highest high and lowest low, dated by
// its last point and labelled with its last label. A plain source gives its value for all four
// prices. Period, when it rounds to a whole number above 0, counts points and Compress is not
// read.
#include <functional>

#include "chart/engine/TeeFunction.h"
#include "chart/series/algo/OHLCCompression.h"

class TOHLCSeries;

const TEnumInfo& CompressionPeriodNames();

// Lets the application replace the date of a source point before it is grouped.
using TCompressGetDate = std::function<void(TTeeFunction& sender, TChartSeries& source,
                                            int valueIndex, TDateTime& date)>;

class TCompressFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TCompressFunction, TTeeFunction)
public:
    explicit TCompressFunction(TComponent* owner);
    ~TCompressFunction() override;

    TCompressionPeriod Compress() const { return FCompress; }
    void SetCompress(TCompressionPeriod value);
    TCompressGetDate OnGetDate;

    // Compresses source into destination (cleared first); with both volume series given, the
    // volumes of each bar's points add up in destinationVolume.
    void CompressSeries(TChartSeries& source, TOHLCSeries& destination,
                        TChartSeries* sourceVolume = nullptr,
                        TChartSeries* destinationVolume = nullptr);

    void ComputeFromSources(TChartSeries* source) override;
    std::string EditorClassName() const override { return "TCompressFuncEditor"; }
    // A candle series compressing sample prices.
    void PrepareGalleryChart(TCustomAxisPanel& chart) override;

    static void Publish(TPublisher<TCompressFunction>& p);

private:
    TCompressionPeriod FCompress = ocWeek;
};
