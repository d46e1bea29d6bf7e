#include "chart/series/price/CompressFunction.h"

#include <algorithm>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/series/price/CandleSeries.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

const TEnumInfo& CompressionPeriodNames() {
    static const TEnumInfo names{
        "ocDay",         "ocWeek",       "ocMonth",          "ocBiMonth",       "ocQuarter",
        "ocYear",        "ocSecond",     "ocTenSecond",      "ocMinute",        "ocTwoMinutes",
        "ocFiveMinutes", "ocTenMinutes", "ocFifteenMinutes", "ocTwentyMinutes", "ocHalfHour",
        "ocHour",        "ocTwoHours",   "ocThreeHour",      "ocSixHour",       "ocTwelveHour"};
    return names;
}

TCompressFunction::TCompressFunction(TComponent* owner) : TTeeFunction(owner) {
    SingleSource = true;
    HideSourceList = true;
}
TCompressFunction::~TCompressFunction() = default;

void TCompressFunction::SetCompress(TCompressionPeriod value) {
    if (value == FCompress) return;
    FCompress = value;
    Recalculate();
}

void TCompressFunction::ComputeFromSources(TChartSeries* source) {
    auto* destination = dynamic_cast<TOHLCSeries*>(ParentSeries());
    if (Updating() || !source || !destination) return;
    CompressSeries(*source, *destination);
}

void TCompressFunction::CompressSeries(TChartSeries& source, TOHLCSeries& destination,
                                       TChartSeries* sourceVolume,
                                       TChartSeries* destinationVolume) {
    destination.Clear();
    const int n = source.Count();
    const int pointsPerBar = std::max(0, RoundToInt(Period()));
    std::vector<TDateTime> dates(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        dates[size_t(i)] = source.NotMandatoryValueList()[i];
        if (pointsPerBar == 0 && OnGetDate) OnGetDate(*this, source, i, dates[size_t(i)]);
    }
    const std::vector<bool> starts = CompressionGroupStarts(dates, FCompress, pointsPerBar);
    auto* prices = dynamic_cast<TOHLCSeries*>(&source);
    const bool volumes = sourceVolume && destinationVolume;
    for (int i = 0; i < n; ++i) {
        const double x = dates[size_t(i)];
        const double v = source.MandatoryValue(i);
        const double open = prices ? prices->OpenValues()[i] : v;
        const double high = prices ? prices->HighValues()[i] : v;
        const double low = prices ? prices->LowValues()[i] : v;
        const double close = prices ? prices->CloseValues()[i] : v;
        int j;
        // A first bar that OnBeforeAdd refused leaves nothing to extend.
        if (starts[size_t(i)] || destination.Count() == 0) {
            j = destination.AddQuote(x, open, high, low, close);
            if (volumes && i < sourceVolume->Count())
                destinationVolume->AddXYPoint(i, sourceVolume->YValues()[i]);
        } else {
            j = destination.Count() - 1;
            destination.CloseValues().SetValue(j, close);
            destination.DateValues().SetValue(j, x);
            destination.HighValues().SetValue(j, std::max(destination.HighValues()[j], high));
            destination.LowValues().SetValue(j, std::min(destination.LowValues()[j], low));
            if (volumes && i < sourceVolume->Count() && destinationVolume->Count() > 0) {
                const int k = destinationVolume->Count() - 1;
                destinationVolume->YValues().SetValue(
                    k, destinationVolume->YValues()[k] + sourceVolume->YValues()[i]);
                destinationVolume->XValues().SetValue(k, sourceVolume->XValues()[i]);
            }
        }
        if (j >= 0) destination.SetPointLabel(j, source.PointLabel(i));
    }
    if (volumes) {
        destinationVolume->XValues().SetModified();
        destinationVolume->YValues().SetModified();
    }
}

void TCompressFunction::PrepareGalleryChart(TCustomAxisPanel& chart) {
    chart.FreeSeriesOfClass(nullptr);
    TChartSeries* series =
        CreateChartSeries(nullptr, &chart, &TCandleSeries::StaticClass(), &ClassType());
    series->PrepareForGallery(true);
}

void TCompressFunction::Publish(TPublisher<TCompressFunction>& p) {
    using F = TCompressFunction;
    p.Enumeration("Compress", CompressionPeriodNames(), &F::Compress, &F::SetCompress)
        .Default(ocWeek);
}
