#include "chart/series/price/PVOFunction.h"

#include <cmath>

#include "chart/engine/ChartSeries.h"
#include "chart/series/price/AverageSpreadKernels.h"
#include "platform/classes/Publisher.h"

TPVOFunction::TPVOFunction(TComponent* owner) : TTeeFunction(owner) {
    SingleSource = true;
    HideSourceList = true;
    SetPeriodQuietly(12);
    FDefaultPeriod = 12;
}

void TPVOFunction::Publish(TPublisher<TPVOFunction>& p) {
    using F = TPVOFunction;
    p.Integer("Period2", &F::Period2, &F::SetPeriod2).Default(26);
    p.Boolean("Percentage", &F::Percentage, &F::SetPercentage).Default(true);
}

int TPVOFunction::Period2() const { return int(std::nearbyint(FSlowPeriod)); }

void TPVOFunction::SetPeriod2(int value) {
    FSlowPeriod = value;
    Recalculate();
}

void TPVOFunction::SetPercentage(bool value) {
    FPercentage = value;
    Recalculate();
}

void TPVOFunction::ComputeFromSources(TChartSeries* source) {
    TChartSeries* parent = ParentSeries();
    if (Updating() || !source || !parent) return;
    parent->Clear();
    const int n = source->Count();
    FOut.resize(size_t(n));
    const int count = PercentageOscillator(source->MandatoryValueList().Data(), n, Period(),
                                           FSlowPeriod, FPercentage, FOut.data());
    const TChartValueList& positions = source->NotMandatoryValueList();
    for (int i = 0; i < count; ++i) parent->AddXYPoint(positions[i], FOut[size_t(i)]);
}
