#pragma once
// The base of the gauges that show their value on a scale from Minimum to Maximum (the linear
// and the dial gauge). It owns the markers both draw (major and minor ticks, the hand and the
// red and green colour ranges) and borrows one of the series' axes as the scale axis, whose
// increment, tick lengths, minor tick count, labels, title and line pen describe the scale. The
// axis gets the gauge's look the first time the gauge joins a chart. A drawing pass draws the
// gauge's frame and face, then the scale, then the hand.
#include <memory>

#include "chart/series/gauge/CustomGauge.h"

class TChartAxis;
class TGaugePointerRange;
class TGaugeSeriesPointer;

class TCustomGaugeMinMax : public TCustomGauge {
    KV_DECLARE_CLASS(TCustomGaugeMinMax, TCustomGauge)
public:
    explicit TCustomGaugeMinMax(TComponent* owner);
    ~TCustomGaugeMinMax() override;

    TGaugePointerRange* GreenLine() const { return FGreenLine.get(); }
    void SetGreenLine(const TGaugePointerRange* value);
    TGaugeSeriesPointer* Hand() const { return FHand.get(); }
    void SetHand(const TGaugeSeriesPointer* value);
    bool Horizontal() const { return FHorizontal; }
    void SetHorizontal(bool value) { ChangeField(FHorizontal, value); }
    // Neither keeps the value within the range nor the minimum below the maximum.
    double Maximum() const { return FMaximum; }
    void SetMaximum(double value) { ChangeField(FMaximum, value); }
    double Minimum() const { return FMinimum; }
    void SetMinimum(double value) { ChangeField(FMinimum, value); }
    int MinorTickDistance() const { return FMinorTickDistance; }
    void SetMinorTickDistance(int value) { ChangeField(FMinorTickDistance, value); }
    TGaugeSeriesPointer* MinorTicks() const { return FMinorTicks.get(); }
    void SetMinorTicks(const TGaugeSeriesPointer* value);
    TGaugePointerRange* RedLine() const { return FRedLine.get(); }
    void SetRedLine(const TGaugePointerRange* value);
    TGaugeSeriesPointer* Ticks() const { return FTicks.get(); }
    void SetTicks(const TGaugeSeriesPointer* value);

    // The axis that describes the scale; none without a chart.
    virtual TChartAxis* ScaleAxis() const = 0;
    virtual void DrawScale() = 0;
    virtual void DrawHand() {}
    // Whether the scale axis has had the gauge's look.
    bool ScalePrepared() const { return FScalePrepared; }
    // Maximum - Minimum, as of the last face rectangle.
    double Range() const { return FRange; }

    void CalcFaceRect() override;
    void DrawAllValues() override;
    void SetParentChart(TCustomAxisPanel* value) override;
    void DetachedFromChart() override;
    // The value Minimum plus a whole number below the range.
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    int DefaultSampleCount() const override { return 1; }

    // The markers, range and minor tick distance, then the gauge.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCustomGaugeMinMax>& p);

protected:
    // A descendant with a hand of its own class makes it here, for the gauge as a whole series.
    using THandFactory = std::unique_ptr<TGaugeSeriesPointer> (*)(TChartSeries* gauge);
    TCustomGaugeMinMax(TComponent* owner, THandFactory makeHand);
    // The gauge's look on the axis: line, title "Axis Title %", labels; also for a gauge that
    // moves its scale to another axis.
    void PrepareScaleAxis(TChartAxis& axis);

private:
    std::unique_ptr<TGaugePointerRange> FGreenLine;
    std::unique_ptr<TGaugeSeriesPointer> FHand;
    bool FHorizontal = true;
    double FMaximum = 100;
    double FMinimum = 0;
    int FMinorTickDistance = 0;
    std::unique_ptr<TGaugeSeriesPointer> FMinorTicks;
    std::unique_ptr<TGaugePointerRange> FRedLine;
    std::unique_ptr<TGaugeSeriesPointer> FTicks;
    bool FScalePrepared = false;
    double FRange = 100;
};
