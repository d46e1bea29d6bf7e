#include "chart/engine/CustomLineSeries.h"

const TEnumInfo& TreatNullsStyleNames() {
    static const TEnumInfo names{"tnDontPaint", "tnSkip", "tnIgnore"};
    return names;
}

TCustomLineSeries::TCustomLineSeries(TComponent* owner) : TChartSeries(owner) {}
TCustomLineSeries::~TCustomLineSeries() = default;

void TCustomLineSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustomLineSeries*>(source))
        FTreatNulls = other->FTreatNulls;
    TChartSeries::Assign(source);
}
