#include "chart/series/xy/BaseHighLowSeries.h"

#include <algorithm>

#include "chart/engine/SampleRandom.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

TBaseHighLowSeries::TBaseHighLowSeries(TComponent* owner) : TChartSeries(owner) {
    YValues().SetName(TxtExtHigh);
    FLow = new TChartValueList(this, TxtExtLow);
}
TBaseHighLowSeries::~TBaseHighLowSeries() = default;

int TBaseHighLowSeries::AddHighLow(double x, double high, double low, const std::string& label,
                                   TColor color) {
    FLow->TempValue = low;
    return AddXYPoint(x, high, label, color);
}

double TBaseHighLowSeries::GetMaxYValue() {
    const double highs = TChartSeries::GetMaxYValue();
    return Count() > 0 ? std::max(highs, FLow->Maximum()) : highs;
}

double TBaseHighLowSeries::GetMinYValue() {
    const double highs = TChartSeries::GetMinYValue();
    return Count() > 0 ? std::min(highs, FLow->Minimum()) : highs;
}

bool TBaseHighLowSeries::CanCopyFrom(const TChartSeries& source) const {
    return Is<TBaseHighLowSeries>(&source);
}

// A walk: each high near the last, each low a little below its high.
void TBaseHighLowSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    const TSampleValueBounds b = SampleValueBounds(numValues);
    const double s = b.SpreadY;
    double x = b.FirstX;
    double v = RandomBelow(RoundToInt(s));
    for (int i = 0; i < numValues; ++i) {
        v = v + RandomBelow(RoundToInt(s / 5)) - s / 10;
        AddHighLow(x, v, v - RandomBelow(RoundToInt(s / 5)));
        x += b.StepX;
    }
}

void TBaseHighLowSeries::Publish(TPublisher<TBaseHighLowSeries>& p) {
    using S = TBaseHighLowSeries;
    p.Object(
        "HighValues", [](const S& s) { return const_cast<TChartValueList*>(&s.YValues()); },
        [](S& s, const TChartValueList* v) { s.SetHighValues(v); });
    p.Object(
        "LowValues", [](const S& s) { return const_cast<TChartValueList*>(s.FLow); },
        [](S& s, const TChartValueList* v) { s.SetLowValues(v); });
}
