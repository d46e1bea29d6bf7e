#include "chart/series/gauge/NumericMarker.h"

#include "chart/engine/AxisPanel.h"
#include "chart/series/gauge/NumericGauge.h"

TNumericMarker::TNumericMarker(TComponent* owner) : TAnnotationTool(owner) {}

TNumericMarker::~TNumericMarker() {
    if (FGauge) FGauge->Markers().Remove(this);
}

void TNumericMarker::SetParentChart(TCustomAxisPanel* value) {
    if (ComponentState().Contains(csDestroying)) return;
    Shape()->SetParentChart(value);
    Callout()->SetParentChart(value);
}

void TNumericMarker::SetActive(bool value) {
    if (value == Active()) return;
    TAnnotationTool::SetActive(value);
    if (FGauge) FGauge->Repaint();
}

TNumericMarker* TNumericMarkers::Adopt(TNumericMarker* marker) {
    Append(marker);
    marker->SetGauge(FGauge);
    marker->SetParentChart(FGauge ? FGauge->ParentChart() : nullptr);
    return marker;
}
