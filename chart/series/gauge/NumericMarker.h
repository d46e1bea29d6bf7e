#pragma once
// The texts of the numeric gauge: annotations laid out inside the gauge's face, kept in the
// gauge's marker list rather than among the chart's tools. A marker's shape draws on the gauge's
// chart, but the marker joins no chart itself, so the chart neither draws it as a tool nor
// stores it among its tools: the gauge draws and stores its markers.
#include "chart/engine/ChartLists.h"
#include "chart/tools/annotation/AnnotationTool.h"

class TNumericGauge;

class TNumericMarker : public TAnnotationTool {
    KV_DECLARE_CLASS(TNumericMarker, TAnnotationTool)
public:
    explicit TNumericMarker(TComponent* owner);
    // Leaves its gauge's marker list.
    ~TNumericMarker() override;

    TNumericGauge* Gauge() const { return FGauge; }
    void SetGauge(TNumericGauge* value) { FGauge = value; }

    // The chart the shape draws on; the marker stays out of the chart's tools.
    void SetParentChart(TCustomAxisPanel* value) override;
    // Repaints the gauge's chart.
    void SetActive(bool value) override;

private:
    TNumericGauge* FGauge = nullptr;
};

// The gauge's markers in drawing order. Clear and the destructor free them.
class TNumericMarkers : public TChartTools {
public:
    explicit TNumericMarkers(TNumericGauge* gauge) : TChartTools(nullptr), FGauge(gauge) {}

    TNumericGauge* Gauge() const { return FGauge; }
    TNumericMarker* Marker(int index) const { return static_cast<TNumericMarker*>(GetTool(index)); }
    // Takes the marker in at the end: it belongs to the gauge and draws on the gauge's chart.
    TNumericMarker* Adopt(TNumericMarker* marker);

private:
    TNumericGauge* FGauge;
};
