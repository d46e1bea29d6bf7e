#pragma once
// The outline points of one polygon of a map. It is never on a chart: its changes repaint the
// map that owns its polygon, and it makes no sample values of its own.
#include "chart/engine/ChartSeries.h"

class TMapSeries;
class TTeePolygon;

class TPolygonSeries : public TChartSeries {
    KV_DECLARE_CLASS(TPolygonSeries, TChartSeries)
public:
    explicit TPolygonSeries(TComponent* owner);
    ~TPolygonSeries() override;

    TTeePolygon* Polygon() const { return FPolygon; }
    void SetPolygon(TTeePolygon* polygon) { FPolygon = polygon; }
    TMapSeries* Map() const;

    void NotifyLinkedSeries(TLinkedSeriesChange kind, int index) override;
    void SetActive(bool value) override;
    void StyleChanged() override;
    void AddRandomValues(int, bool) override {}

private:
    TTeePolygon* FPolygon = nullptr;
};
