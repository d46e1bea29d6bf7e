#include "chart/series/map/PolygonSeries.h"

#include "chart/series/map/MapSeries.h"
#include "chart/series/map/TeePolygon.h"

TPolygonSeries::TPolygonSeries(TComponent* owner) : TChartSeries(owner) {
    XValues().SetOrder(loNone);
    SetShowInLegend(false);
}

TPolygonSeries::~TPolygonSeries() = default;

TMapSeries* TPolygonSeries::Map() const { return FPolygon ? FPolygon->Map() : nullptr; }

void TPolygonSeries::NotifyLinkedSeries(TLinkedSeriesChange kind, int index) {
    TChartSeries::NotifyLinkedSeries(kind, index);
    if (TMapSeries* map = Map()) map->Repaint();
}

void TPolygonSeries::SetActive(bool value) {
    TChartSeries::SetActive(value);
    if (TMapSeries* map = Map()) map->Repaint();
}

void TPolygonSeries::StyleChanged() {
    if (TMapSeries* map = Map()) map->StyleChanged();
    TChartSeries::StyleChanged();
}
