#include "chart/series/stats/HistogramFunction.h"

#include <algorithm>

#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "chart/series/numeric/Histogram.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& HistogramDataStyleNames() {
    static const TEnumInfo names{"hdsTruncate", "hdsRound"};
    return names;
}

THistogramFunction::THistogramFunction(TComponent* owner) : TTeeFunction(owner) {
    SetPeriodQuietly(1);
    FDefaultPeriod = 1;
    SingleSource = true;
}

THistogramFunction::~THistogramFunction() = default;

void THistogramFunction::Publish(TPublisher<THistogramFunction>& p) {
    using F = THistogramFunction;
    p.Boolean("Cumulative", &F::Cumulative, &F::SetCumulative).Default(false);
    p.Integer("NumBins", &F::NumBins, &F::SetNumBins).Default(20);
    p.Boolean("IncludeNulls", &F::IncludeNulls, &F::SetIncludeNulls).Default(true);
    p.Enumeration("DataStyle", HistogramDataStyleNames(), &F::DataStyle, &F::SetDataStyle)
        .Default(hdsTruncate);
}

template <class T>
void THistogramFunction::Change(T& field, T value) {
    if (value == field) return;
    field = value;
    Recalculate();
}

void THistogramFunction::SetCumulative(bool value) { Change(FCumulative, value); }
void THistogramFunction::SetNumBins(int value) { Change(FNumBins, std::max(1, value)); }
void THistogramFunction::SetIncludeNulls(bool value) { Change(FIncludeNulls, value); }
void THistogramFunction::SetDataStyle(TDataStyle value) { Change(FDataStyle, value); }

void THistogramFunction::ComputeFromSources(TChartSeries* source) {
    TChartSeries* parent = ParentSeries();
    if (Updating() || !source || !parent || source->Count() == 0) return;
    parent->Clear();
    TChartValueList& values = source->MandatoryValueList();
    FValues.clear();
    for (int i = 0; i < source->Count(); ++i)
        if (FIncludeNulls || !source->IsNullValue(i)) FValues.push_back(values[i]);
    HistogramBins(FValues, values.Minimum(), values.Maximum(), FNumBins,
                  FDataStyle == hdsRound ? hbRound : hbTruncate, FCumulative, FCentres, FCounts);
    for (size_t i = 0; i < FCentres.size(); ++i) {
        if (parent->YMandatory())
            parent->AddXYPoint(FCentres[i], FCounts[i]);
        else
            parent->AddXYPoint(FCounts[i], FCentres[i]);
    }
}
