#pragma once
// The markers of the scaled gauges: a series pointer with a role on the gauge (hand, centre,
// major tick, minor tick, colour range). A major tick is a quadrilateral; any other marker is
// the pointer's shape at an anchor point (a minor tick always a circle). A colour range also
// has a start and an end value and draws, on the dial, a band along the arc whose inner edge
// draws in as the angle grows.
#include <array>
#include <memory>
#include <vector>

#include "chart/engine/SeriesPointer.h"

class TCustomTeeGradient;

enum TGaugePointerStyles { gpHand, gpCenter, gpTick, gpMinorTick, gpColorLine };
const TEnumInfo& GaugePointerStylesNames();

class TGaugeSeriesPointer : public TSeriesPointer {
    KV_DECLARE_CLASS(TGaugeSeriesPointer, TSeriesPointer)
public:
    explicit TGaugeSeriesPointer(TChartSeries* series = nullptr);
    ~TGaugeSeriesPointer() override;

    TGaugePointerStyles GaugeStyle() const { return FGaugeStyle; }
    void SetGaugeStyle(TGaugePointerStyles value);

    // A tick: corners filled as a polygon in the order given; any other marker: its shape at
    // anchor. Nothing while hidden.
    void DrawGauge(TCanvas3D& canvas, const std::array<TPoint, 4>& corners, TPoint anchor);
    // The pointer's gradient turned to angle degrees, for one drawing; the stored gradient
    // keeps its own angle.
    const TCustomTeeGradient& GradientAtAngle(int angle) const;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TGaugeSeriesPointer>& p);

private:
    TGaugePointerStyles FGaugeStyle = gpHand;
    mutable std::unique_ptr<TTeeGradient> FTurnedGradient;
};

class TGaugePointerRange : public TGaugeSeriesPointer {
    KV_DECLARE_CLASS(TGaugePointerRange, TGaugeSeriesPointer)
public:
    explicit TGaugePointerRange(TChartSeries* series = nullptr);
    ~TGaugePointerRange() override;

    double StartValue() const { return FStartValue; }
    void SetStartValue(double value);
    double EndValue() const { return FEndValue; }
    void SetEndValue(double value);

    // The outline of the band between dial angles startAngle and endAngle (degrees) in rect:
    // the outer arc forwards, then the inner edge back; empty when it spans under 2 degrees.
    const std::vector<TPoint>& ArcBandPoints(const TRect& rect, double startAngle, double endAngle);
    // The band filled with the gradient (turned to the start angle) or the brush.
    void DrawArcBand(TCanvas3D& canvas, const TRect& rect, double startAngle, double endAngle);

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TGaugePointerRange>& p);

private:
    double FStartValue = 0;
    double FEndValue = 0;
    std::vector<TPoint> FBand;  // reused from one drawing to the next
};
