#include "chart/series/price/MomentumFunctions.h"

#include "chart/engine/ChartSeries.h"
#include "chart/series/price/OHLCSeries.h"
#include "platform/classes/Publisher.h"

double TMomentumFunction::Calculate(TChartSeries& source, int first, int last) {
    ResolveWholeRange(source, first, last);
    if (last < 0) return 0;
    return Momentum(SourceValueList(source).Data(), first, last);
}

double TMomentumDivFunction::Calculate(TChartSeries& source, int first, int last) {
    ResolveWholeRange(source, first, last);
    if (last < 0) return 0;
    return MomentumDivision(SourceValueList(source).Data(), first, last);
}

double TPerformanceFunction::Calculate(TChartSeries& source, int first, int last) {
    ResolveWholeRange(source, first, last);
    if (last < 0) return 0;
    return Performance(SourceValueList(source).Data(), last);
}

// --- Stochastic.

TStochasticFunction::TStochasticFunction(TComponent* owner) : TPriceMovingFunction(owner) {
    HideSourceList = true;
}

double TStochasticFunction::Calculate(TChartSeries& source, int first, int last) {
    ResolveWholeRange(source, first, last);
    if (last < 0) return 0;
    return Stochastic(SourceValueList(source).Data(), source.ValueListByName("Low").Data(),
                      source.ValueListByName("High").Data(), first, last);
}

// --- Relative strength.

const TEnumInfo& RSIStyleNames() {
    static const TEnumInfo names{"rsiOpenClose", "rsiClose"};
    return names;
}

TRSIFunction::TRSIFunction(TComponent* owner) : TPriceMovingFunction(owner) {
    HideSourceList = true;
}

void TRSIFunction::Publish(TPublisher<TRSIFunction>& p) {
    using F = TRSIFunction;
    p.Enumeration("Style", RSIStyleNames(), &F::Style, &F::SetStyle).Default(rsiOpenClose);
}

void TRSIFunction::SetStyle(TRSIStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    Recalculate();
}

bool TRSIFunction::AcceptsSource(TComponent* source) const {
    return dynamic_cast<TOHLCSeries*>(source) != nullptr;
}

double TRSIFunction::Calculate(TChartSeries& source, int first, int last) {
    ResolveWholeRange(source, first, last);
    if (last < 0) return 0;
    return RelativeStrength(source.ValueListByName("Close").Data(),
                            source.ValueListByName("Open").Data(), first, last, FStyle);
}
