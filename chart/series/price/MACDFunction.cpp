#include "chart/series/price/MACDFunction.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/FastLineSeries.h"
#include "chart/series/price/AverageSpreadKernels.h"
#include "chart/series/price/InternalSeries.h"
#include "chart/series/price/MovingAverageFunctions.h"
#include "chart/series/price/VolumeSeries.h"
#include "platform/classes/Publisher.h"

TMACDFunction::TMACDFunction(TComponent* owner) : TTeeMovingFunction(owner) {
    SetPeriodQuietly(26);
    FDefaultPeriod = 26;
    FHistogram = MakeInternalSeries<TVolumeSeries>(this, clRed);
    FHistogram->SetUseYOrigin(true);
    FHistogram->SetYOrigin(0);
    FSignal = MakeInternalSeries<TFastLineSeries>(this, clGreen);
    FSignalAverage = new TExpMovAveFunction(this);
    FSignalAverage->SetPeriodQuietly(9);
    FSignal->SetFunction(FSignalAverage);
}

TMACDFunction::~TMACDFunction() = default;

void TMACDFunction::Publish(TPublisher<TMACDFunction>& p) {
    using F = TMACDFunction;
    p.Float("Period2", &F::Period2, &F::SetPeriod2).Default(12.0);
    p.Integer("Period3", &F::Period3, &F::SetPeriod3).Default(9);
    p.Object("HistogramPen", &F::HistogramPen, &F::SetHistogramPen);
    p.Object("MACDExpPen", &F::MACDExpPen, &F::SetMACDExpPen);
}

void TMACDFunction::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove) {
        if (component == FHistogram) FHistogram = nullptr;
        if (component == FSignal) FSignal = nullptr;
        if (component == FSignalAverage) FSignalAverage = nullptr;
    }
    TTeeMovingFunction::Notification(component, operation);
}

void TMACDFunction::SetPeriod2(double value) {
    if (value == FFastPeriod) return;
    FFastPeriod = std::max(1.0, value);
    Recalculate();
}

int TMACDFunction::Period3() const {
    return FSignalAverage ? int(std::nearbyint(FSignalAverage->Period())) : 0;
}

// The histogram reads the signal line, so the whole function recomputes with it.
void TMACDFunction::SetPeriod3(int value) {
    if (!FSignalAverage || value == Period3()) return;
    FSignalAverage->SetPeriod(value);
    Recalculate();
}

TChartPen* TMACDFunction::MACDPen() const {
    return ParentSeries() ? ParentSeries()->Pen() : nullptr;
}
void TMACDFunction::SetMACDPen(const TChartPen* value) {
    if (ParentSeries()) ParentSeries()->SetPen(value);
}
TChartPen* TMACDFunction::MACDExpPen() const { return FSignal ? FSignal->Pen() : nullptr; }
void TMACDFunction::SetMACDExpPen(const TChartPen* value) {
    if (FSignal) FSignal->SetPen(value);
}
TChartPen* TMACDFunction::HistogramPen() const { return FHistogram ? FHistogram->Pen() : nullptr; }
void TMACDFunction::SetHistogramPen(const TChartPen* value) {
    if (FHistogram) FHistogram->SetPen(value);
}

void TMACDFunction::SeriesCleared() {
    if (FSignal) FSignal->Clear();
    if (FHistogram) FHistogram->Clear();
}

void TMACDFunction::ComputeFromSources(TChartSeries* source) {
    TChartSeries* parent = ParentSeries();
    if (Updating() || !source || !parent) return;
    parent->Clear();
    const int n = source->Count();
    FOut.resize(size_t(n));
    const int count =
        MacdLine(SourceValueList(*source).Data(), n, FFastPeriod, Period(), FOut.data());
    const TChartValueList& x = source->XValues();
    for (int i = 0; i < count; ++i) parent->AddXYPoint(x[i], FOut[size_t(i)]);
    if (parent->SeriesColor() == clWhite) parent->SetSeriesColor(clBlue);
    if (FSignal) {
        FollowParentSeries(*FSignal, *parent);
        // Linked anew, the signal line recomputes its average from the MACD line.
        FSignal->SetDataSource(nullptr);
        FSignal->SetDataSource(parent);
    }
    if (FHistogram && FHistogram->Active()) FillHistogram(*parent);
}

void TMACDFunction::FillHistogram(TChartSeries& parent) {
    FollowParentSeries(*FHistogram, parent);
    TSeriesUpdate update(*FHistogram);
    FHistogram->Clear();
    if (!FSignal) return;
    const int count = std::min(FSignal->Count(), parent.Count());
    const TChartValueList& macd = parent.YValues();
    const TChartValueList& signal = FSignal->YValues();
    for (int i = 0; i < count; ++i)
        FHistogram->AddXYPoint(FSignal->XValues()[i], macd[i] - signal[i]);
}
