#include "chart/series/price/VolumeIndicatorFunctions.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/series/price/OHLCSeries.h"
#include "chart/series/price/VolumeKernels.h"
#include "platform/classes/Publisher.h"

// --- Volume.

TVolumeIndicatorFunction::TVolumeIndicatorFunction(TComponent* owner) : TTeeFunction(owner) {
    SingleSource = true;
    HideSourceList = true;
    SetPeriodQuietly(1);
    FDefaultPeriod = 1;
}

TVolumeIndicatorFunction::~TVolumeIndicatorFunction() = default;

void TVolumeIndicatorFunction::SetVolume(TChartSeries* value) {
    if (value == FVolume) return;
    if (FVolume) RemoveFreeNotification(FVolume);
    FVolume = value;
    if (FVolume) FreeNotification(FVolume);
    Recalculate();
}

void TVolumeIndicatorFunction::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component && component == FVolume) {
        FVolume = nullptr;
        // A chart freeing its series is no time to compute: the results go with it.
        TChartSeries* parent = ParentSeries();
        TComponent* chart = parent ? parent->ParentChart() : nullptr;
        const bool closing = chart && chart->ComponentState().Contains(csDestroying);
        if (!closing) Recalculate();
    }
    TTeeFunction::Notification(component, operation);
}

bool TVolumeIndicatorFunction::AcceptsSource(TComponent* source) const {
    return dynamic_cast<TOHLCSeries*>(source) != nullptr;
}

// --- Close location value.

void TCLVFunction::Publish(TPublisher<TCLVFunction>& p) {
    using F = TCLVFunction;
    p.Component("Volume", &F::Volume, &F::SetVolume);
    p.Boolean("Accumulate", &F::Accumulate, &F::SetAccumulate).Default(true);
}

void TCLVFunction::SetAccumulate(bool value) {
    if (value == FAccumulate) return;
    FAccumulate = value;
    Recalculate();
}

void TCLVFunction::ComputeFromSources(TChartSeries* source) {
    TChartSeries* parent = ParentSeries();
    if (Updating() || !source || !parent) return;
    parent->Clear();
    TOHLCSeries* prices = As<TOHLCSeries>(source);
    const int n = prices->Count();
    FOut.resize(size_t(n));
    TChartSeries* volume = Volume();
    CloseLocationValue(prices->HighValues().Data(), prices->LowValues().Data(),
                       prices->CloseValues().Data(), n,
                       volume ? volume->MandatoryValueList().Data() : nullptr,
                       volume ? volume->Count() : 0, FAccumulate, FOut.data());
    const TChartValueList& dates = prices->DateValues();
    for (int i = 0; i < n; ++i) parent->AddXYPoint(dates[i], FOut[size_t(i)]);
}

// --- On-balance volume.

void TOBVFunction::Publish(TPublisher<TOBVFunction>& p) {
    using F = TOBVFunction;
    p.Component("Volume", &F::Volume, &F::SetVolume);
}

void TOBVFunction::ComputeFromSources(TChartSeries* source) {
    TChartSeries* parent = ParentSeries();
    if (Updating() || !source || !parent) return;
    parent->Clear();
    TOHLCSeries* prices = As<TOHLCSeries>(source);
    TChartSeries* volume = Volume();
    if (!volume) return;
    const int n = std::min(prices->Count(), volume->Count());
    FOut.resize(size_t(n));
    OnBalanceVolume(prices->OpenValues().Data(), prices->CloseValues().Data(),
                    volume->MandatoryValueList().Data(), n, FOut.data());
    const TChartValueList& dates = prices->DateValues();
    for (int i = 0; i < n; ++i) parent->AddXYPoint(dates[i], FOut[size_t(i)]);
}
