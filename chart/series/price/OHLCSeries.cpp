#include "chart/series/price/OHLCSeries.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/SampleRandom.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

// The lists join in the order Date, Close, High, Low, Open: the point-data stream keeps the
// extra prices in that order.
TOHLCSeries::TOHLCSeries(TComponent* owner)
    : TCustomSeries(owner), FHigh(nullptr), FLow(nullptr), FOpen(nullptr) {
    XValues().SetDefaultDateTime(true);
    XValues().SetName(TxtExtDate);
    YValues().SetName(TxtExtClose);
    FHigh = new TChartValueList(this, TxtExtHigh);
    FLow = new TChartValueList(this, TxtExtLow);
    FOpen = new TChartValueList(this, TxtExtOpen);
}
TOHLCSeries::~TOHLCSeries() = default;

int TOHLCSeries::AddQuote(double date, double open, double high, double low, double close,
                          const std::string& label, TColor color) {
    FHigh->TempValue = high;
    FLow->TempValue = low;
    FOpen->TempValue = open;
    return AddXYPoint(date, close, label, color);
}

double TOHLCSeries::MandatoryMinMax(bool isMin) const {
    bool found = false;
    double result = 0;
    for (int i = 0; i < Count(); ++i) {
        if (TreatNulls() != tnIgnore && IsNullValue(i)) continue;
        const double prices[] = {(*FHigh)[i], YValues()[i], (*FLow)[i], (*FOpen)[i]};
        const double v = isMin ? *std::min_element(std::begin(prices), std::end(prices))
                               : *std::max_element(std::begin(prices), std::end(prices));
        if (!found || (isMin ? v < result : v > result)) result = v;
        found = true;
    }
    return result;
}

bool TOHLCSeries::CanCopyFrom(const TChartSeries& source) const { return Is<TOHLCSeries>(&source); }

// A walk of quotes: each open lies near the previous close, each close near its open, and the
// high and low reach beyond both by a part of the day's move.
void TOHLCSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    const TSampleValueBounds b = SampleValueBounds(numValues);
    const double s = b.SpreadY;
    double x = b.FirstX;
    double open = RandomBelow(RoundToInt(s)) + b.MinY;
    for (int i = 0; i < numValues; ++i) {
        const double close = RandomBelow(RoundToInt(s / 25)) + open - s / 50;
        const double reach = 3 * RoundToInt(std::fabs(close - open) / 10);
        const int r = std::abs(RoundToInt(s / 400));
        double high, low;
        if (close > open) {
            high = close + reach + RandomBelow(r);
            low = open - reach - RandomBelow(r);
        } else {
            high = open + reach + RandomBelow(r);
            low = close - reach - RandomBelow(r);
        }
        AddQuote(x, open, high, low, close);
        x += b.StepX;
        open = RandomBelow(10) + close - 5;
    }
}

void TOHLCSeries::Publish(TPublisher<TOHLCSeries>& p) {
    using S = TOHLCSeries;
    p.Object(
        "CloseValues", [](const S& s) { return const_cast<TChartValueList*>(&s.YValues()); },
        [](S& s, const TChartValueList* v) { s.SetCloseValues(v); });
    p.Object(
        "DateValues", [](const S& s) { return const_cast<TChartValueList*>(&s.XValues()); },
        [](S& s, const TChartValueList* v) { s.SetDateValues(v); });
    p.Object(
        "HighValues", [](const S& s) { return s.FHigh; },
        [](S& s, const TChartValueList* v) { s.SetHighValues(v); });
    p.Object(
        "LowValues", [](const S& s) { return s.FLow; },
        [](S& s, const TChartValueList* v) { s.SetLowValues(v); });
    p.Object(
        "OpenValues", [](const S& s) { return s.FOpen; },
        [](S& s, const TChartValueList* v) { s.SetOpenValues(v); });
}
