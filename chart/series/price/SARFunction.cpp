#include "chart/series/price/SARFunction.h"

#include "chart/engine/ChartSeries.h"
#include "chart/series/price/OHLCSeries.h"
#include "chart/series/price/TrendKernels.h"
#include "platform/classes/Publisher.h"

std::string TxtExtSAR = "SAR";

TSARFunction::TSARFunction(TComponent* owner) : TTeeFunction(owner) { SingleSource = true; }

void TSARFunction::Publish(TPublisher<TSARFunction>& p) {
    using F = TSARFunction;
    p.Float("AccelerationFactor", &F::AccelerationFactor, &F::SetAccelerationFactor).Default(0.02);
    p.Float("MaxStep", &F::MaxStep, &F::SetMaxStep).Default(0.2);
}

void TSARFunction::SetAccelerationFactor(double value) {
    if (value == FAccelerationFactor) return;
    FAccelerationFactor = value;
    Recalculate();
}

void TSARFunction::SetMaxStep(double value) {
    if (value == FMaxStep) return;
    FMaxStep = value;
    Recalculate();
}

bool TSARFunction::AcceptsSource(TComponent* source) const {
    return dynamic_cast<TOHLCSeries*>(source) != nullptr;
}

void TSARFunction::ComputeFromSources(TChartSeries* source) {
    TChartSeries* parent = ParentSeries();
    if (Updating() || !source || !parent) return;
    parent->Clear();
    auto* prices = dynamic_cast<TOHLCSeries*>(source);
    const int n = source->Count();
    if (!prices || n <= 2) return;
    FOut.resize(size_t(n));
    const int count = ParabolicSAR(prices->HighValues().Data(), prices->LowValues().Data(), n,
                                   FAccelerationFactor, FMaxStep, FOut.data());
    const TChartValueList& positions = source->NotMandatoryValueList();
    const bool yMandatory = source->YMandatory();
    for (int k = 0; k < count; ++k) AddResultPoint(yMandatory, FOut[size_t(k)], positions[k + 2]);
}
