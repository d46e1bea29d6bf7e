#include "chart/series/price/CCIFunction.h"

#include <cmath>

#include "chart/engine/ChartSeries.h"
#include "chart/series/price/OHLCSeries.h"
#include "chart/series/price/OscillatorKernels.h"
#include "platform/classes/Publisher.h"

TCCIFunction::TCCIFunction(TComponent* owner) : TTeeFunction(owner) {
    SingleSource = true;
    HideSourceList = true;
    SetPeriodQuietly(20);
    FDefaultPeriod = 20;
}

void TCCIFunction::Publish(TPublisher<TCCIFunction>& p) {
    using F = TCCIFunction;
    p.Float("Constant", &F::Constant, &F::SetConstant).Default(0.015);
}

void TCCIFunction::SetConstant(double value) {
    if (value == FConstant) return;
    FConstant = value;
    Recalculate();
}

bool TCCIFunction::AcceptsSource(TComponent* source) const {
    return dynamic_cast<TOHLCSeries*>(source) != nullptr;
}

void TCCIFunction::ComputeFromSources(TChartSeries* source) {
    TChartSeries* parent = ParentSeries();
    if (Updating() || !source || !parent) return;
    parent->Clear();
    auto* prices = dynamic_cast<TOHLCSeries*>(source);
    const int n = source->Count();
    const double rounded = std::nearbyint(std::fmin(Period(), 2147483647.0));
    if (!prices || rounded < 1 || n < rounded) return;
    FTypical.resize(size_t(n));
    FOut.resize(size_t(n));
    FAt.resize(size_t(n));
    const int count = CommodityChannelIndex(
        prices->CloseValues().Data(), prices->HighValues().Data(), prices->LowValues().Data(), n,
        int(rounded), FConstant, FTypical.data(), FAt.data(), FOut.data());
    const TChartValueList& positions = source->NotMandatoryValueList();
    for (int i = 0; i < count; ++i) parent->AddXYPoint(positions[FAt[size_t(i)]], FOut[size_t(i)]);
}
