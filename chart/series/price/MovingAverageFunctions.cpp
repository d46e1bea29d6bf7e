#include "chart/series/price/MovingAverageFunctions.h"

#include "chart/engine/ChartSeries.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/price/MovingAverageKernels.h"
#include "platform/classes/Publisher.h"

// --- Moving average.

void TMovingAverageFunction::Publish(TPublisher<TMovingAverageFunction>& p) {
    using F = TMovingAverageFunction;
    p.Boolean("Weighted", &F::Weighted, &F::SetWeighted).Default(false);
    p.Boolean("WeightedIndex", &F::WeightedIndex, &F::SetWeightedIndex).Default(false);
}

void TMovingAverageFunction::SetWeighted(bool value) {
    if (value == FWeighted) return;
    FWeighted = value;
    Recalculate();
}

void TMovingAverageFunction::SetWeightedIndex(bool value) {
    if (value == FWeightedIndex) return;
    FWeightedIndex = value;
    Recalculate();
}

double TMovingAverageFunction::Calculate(TChartSeries& source, int first, int last) {
    ResolveWholeRange(source, first, last);
    const double* v = SourceValueList(source).Data();
    if (FWeighted) return PositionWeightedAverage(v, source.XValues().Data(), first, last);
    if (FWeightedIndex) return IndexWeightedAverage(v, first, last);
    return WindowAverage(v, first, last);
}

// --- Two-point exponential average.

void TExpAverageFunction::Publish(TPublisher<TExpAverageFunction>& p) {
    using F = TExpAverageFunction;
    p.Float("Weight", &F::Weight, &F::SetWeight).Default(0.2);
}

void TExpAverageFunction::SetWeight(double value) {
    if (!(value >= 0 && value <= 1)) throw Exception(TxtExtExpAverageWeightMustBeBetween0);
    if (value == FWeight) return;
    FWeight = value;
    Recalculate();
}

double TExpAverageFunction::Calculate(TChartSeries& source, int first, int last) {
    ResolveWholeRange(source, first, last);
    if (last < 0) return 0;
    return TwoPointBlend(SourceValueList(source).Data(), last, FWeight);
}

// --- Exponential moving average.

TExpMovAveFunction::TExpMovAveFunction(TComponent* owner) : TTeeFunction(owner) {
    SingleSource = true;
    SetPeriodQuietly(10);
    FDefaultPeriod = 10;
}

void TExpMovAveFunction::Publish(TPublisher<TExpMovAveFunction>& p) {
    using F = TExpMovAveFunction;
    p.Boolean("IgnoreNulls", &F::IgnoreNulls, &F::SetIgnoreNulls).Default(true);
}

void TExpMovAveFunction::SetIgnoreNulls(bool value) {
    if (value == FIgnoreNulls) return;
    FIgnoreNulls = value;
    Recalculate();
}

void TExpMovAveFunction::ComputeFromSources(TChartSeries* source) {
    TChartSeries* parent = ParentSeries();
    if (Updating() || !source || !parent) return;
    parent->Clear();
    const int n = source->Count();
    if (!(Period() > 0) || n <= 1) return;
    const unsigned char* nulls = nullptr;
    if (!FIgnoreNulls && source->HasPointColors()) {
        FNulls.resize(size_t(n));
        for (int i = 0; i < n; ++i) FNulls[size_t(i)] = source->IsNullValue(i) ? 1 : 0;
        nulls = FNulls.data();
    }
    FAt.resize(size_t(n));
    FOut.resize(size_t(n));
    const int count = ExpMovingAverage(SourceValueList(*source).Data(), nulls, n, Period(),
                                       FIgnoreNulls, FAt.data(), FOut.data());
    const TChartValueList& positions = source->NotMandatoryValueList();
    for (int i = 0; i < count; ++i) parent->AddXYPoint(positions[FAt[size_t(i)]], FOut[size_t(i)]);
}
