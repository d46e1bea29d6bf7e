#include "chart/series/price/BollingerFunction.h"

#include "chart/engine/FastLineSeries.h"
#include "chart/series/price/BollingerKernel.h"
#include "chart/series/price/InternalSeries.h"
#include "platform/classes/Publisher.h"

TBollingerFunction::TBollingerFunction(TComponent* owner) : TTeeFunction(owner) {
    SingleSource = true;
    SetPeriodQuietly(10);
    FDefaultPeriod = 10;
    FLow = MakeInternalSeries<TFastLineSeries>(this, clDefault);
}

TBollingerFunction::~TBollingerFunction() = default;

void TBollingerFunction::Publish(TPublisher<TBollingerFunction>& p) {
    using F = TBollingerFunction;
    p.Float("Deviation", &F::Deviation, &F::SetDeviation).Default(2.0);
    p.Boolean("Exponential", &F::Exponential, &F::SetExponential).Default(true);
    p.Object("LowBandPen", &F::LowBandPen, &F::SetLowBandPen);
}

void TBollingerFunction::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FLow) FLow = nullptr;
    TTeeFunction::Notification(component, operation);
}

void TBollingerFunction::SetExponential(bool value) {
    if (value == FExponential) return;
    FExponential = value;
    Recalculate();
}

void TBollingerFunction::SetDeviation(double value) {
    if (value == FDeviation) return;
    FDeviation = value;
    Recalculate();
}

TChartPen* TBollingerFunction::UpperBandPen() const {
    return ParentSeries() ? ParentSeries()->Pen() : nullptr;
}
void TBollingerFunction::SetUpperBandPen(const TChartPen* value) {
    if (ParentSeries()) ParentSeries()->SetPen(value);
}
TChartPen* TBollingerFunction::LowBandPen() const { return FLow ? FLow->Pen() : nullptr; }
void TBollingerFunction::SetLowBandPen(const TChartPen* value) {
    if (FLow) FLow->SetPen(value);
}

void TBollingerFunction::SeriesCleared() {
    if (FLow) FLow->Clear();
}

void TBollingerFunction::ComputeFromSources(TChartSeries* source) {
    TChartSeries* parent = ParentSeries();
    if (Updating() || !source || !parent) return;
    if (FLow) {
        FollowParentSeries(*FLow, *parent);
        FLow->SetSeriesColor(parent->SeriesColor());
        if (&FLow->ClassType() == &parent->ClassType()) FLow->SetPen(parent->Pen());
    }
    parent->Clear();
    if (!(Period() > 0)) return;
    const int n = source->Count();
    FUpper.resize(size_t(n));
    FLower.resize(size_t(n));
    const int count = BollingerBands(SourceValueList(*source).Data(), n, Period(), FExponential,
                                     FDeviation, FUpper.data(), FLower.data());
    // Each band's first point lies at the end of the first whole window.
    const TChartValueList& x = source->XValues();
    const int first = n - count;
    for (int k = 0; k < count; ++k) parent->AddXYPoint(x[first + k], FUpper[size_t(k)]);
    if (!FLow) return;
    // The lower band announces its points once, as the parent does.
    TSeriesUpdate update(*FLow);
    for (int k = 0; k < count; ++k) FLow->AddXYPoint(x[first + k], FLower[size_t(k)]);
}
