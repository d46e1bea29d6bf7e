#include "chart/series/price/ADXFunction.h"

#include <utility>

#include "chart/engine/FastLineSeries.h"
#include "chart/series/price/InternalSeries.h"
#include "chart/series/price/OHLCSeries.h"
#include "chart/series/price/TrendKernels.h"
#include "platform/classes/Publisher.h"

TADXFunction::TADXFunction(TComponent* owner) : TTeeFunction(owner) {
    SingleSource = true;
    HideSourceList = true;
    SetPeriodQuietly(14);
    FDefaultPeriod = 14;
    FDown = MakeInternalSeries<TFastLineSeries>(this, clRed);
    FUp = MakeInternalSeries<TFastLineSeries>(this, clGreen);
}

TADXFunction::~TADXFunction() = default;

void TADXFunction::Publish(TPublisher<TADXFunction>& p) {
    using F = TADXFunction;
    p.Object("UpLinePen", &F::UpLinePen, &F::SetUpLinePen);
    p.Object("DownLinePen", &F::DownLinePen, &F::SetDownLinePen);
}

TChartPen* TADXFunction::UpLinePen() const { return FUp ? FUp->Pen() : nullptr; }
void TADXFunction::SetUpLinePen(const TChartPen* value) {
    if (FUp) FUp->SetPen(value);
}
TChartPen* TADXFunction::DownLinePen() const { return FDown ? FDown->Pen() : nullptr; }
void TADXFunction::SetDownLinePen(const TChartPen* value) {
    if (FDown) FDown->SetPen(value);
}

void TADXFunction::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove) {
        if (component == FUp) FUp = nullptr;
        if (component == FDown) FDown = nullptr;
    }
    TTeeFunction::Notification(component, operation);
}

bool TADXFunction::AcceptsSource(TComponent* source) const {
    return dynamic_cast<TOHLCSeries*>(source) != nullptr;
}

void TADXFunction::SeriesCleared() {
    if (FUp) FUp->Clear();
    if (FDown) FDown->Clear();
}

void TADXFunction::ComputeFromSources(TChartSeries* source) {
    TChartSeries* parent = ParentSeries();
    if (Updating() || !source || !parent || Period() < 2) return;
    parent->Clear();
    for (TFastLineSeries* line : {FUp, FDown})
        if (line) {
            line->Clear();
            FollowParentSeries(*line, *parent);
        }
    auto* prices = dynamic_cast<TOHLCSeries*>(source);
    const int n = source->Count();
    if (!prices || 2 * Period() > n) return;
    FUpValues.resize(size_t(n));
    FDownValues.resize(size_t(n));
    FADX.resize(size_t(n));
    const TDirectionalCounts counts = DirectionalMovement(
        prices->HighValues().Data(), prices->LowValues().Data(), prices->CloseValues().Data(), n,
        Period(), FUpValues.data(), FDownValues.data(), FADX.data());
    const TChartValueList& x = source->XValues();
    // Each line announces its points once, as the parent does.
    for (auto [line, values] : {std::pair{FUp, &FUpValues}, std::pair{FDown, &FDownValues}}) {
        if (!line) continue;
        TSeriesUpdate update(*line);
        for (int k = 0; k < counts.DICount; ++k)
            line->AddXYPoint(x[counts.DIFirst + k], (*values)[size_t(k)]);
    }
    for (int k = 0; k < counts.ADXCount; ++k)
        parent->AddXYPoint(x[counts.ADXFirst + k], FADX[size_t(k)]);
}
