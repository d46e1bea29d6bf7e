#include "chart/series/polar/RadarSeries.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/SampleRandom.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/rtl/NumberText.h"

TRadarSeries::TRadarSeries(TComponent* owner) : TCustomPolarSeries(owner) {}
TRadarSeries::~TRadarSeries() = default;

int TRadarSeries::SpokeCountOfChart() const {
    if (!FParentChart) return Count();
    int count = 0;
    for (int i = 0; i < FParentChart->SeriesCount(); ++i)
        if (const TChartSeries* s = FParentChart->GetSeries(i); s->Active())
            count = std::max(count, s->Count());
    return count;
}

void TRadarSeries::PrepareForChartDraw() {
    SetRotationAngle(90);
    FRingSides = SpokeCountOfChart();
    if (FRingSides > 0) SetAngleIncrement(360.0 / FRingSides);
}

double TRadarSeries::XValueAt(int index) const {
    const int count = SpokeCountOfChart();
    if (count <= 0) return 0;
    if (ClockWiseLabels()) index = Count() - index - 1;
    return 360.0 / count * index;
}

std::string TRadarSeries::AngleLabelText(int index, double /*angle*/) {
    if (ClockWiseLabels()) index = Count() - index - 1;
    const std::string label = index >= 0 && index < Count() ? PointLabel(index) : std::string();
    return label.empty() ? IntToStr(index) : label;
}

void TRadarSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    const std::string* names[] = {&TxtCars, &TxtPhones, &TxtTables, &TxtMonitors, &TxtLamps};
    for (int i = 0; i < numValues; ++i) AddValue(RandomBelow(1000), *names[i % 5]);
}

void TRadarSeries::PrepareForGallery(bool enabled) {
    TCustomPolarSeries::PrepareForGallery(enabled);
    FillSampleValues(DefaultSampleCount());
}
