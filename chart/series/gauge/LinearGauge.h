#pragma once
// The straight instrument, horizontal or vertical: a slim strip (the value area) across 80 % of
// the framed face, ticks and labels along it, the red and green ranges as strips beside it, the
// hand as a bar from the Minimum end to the value, and the max value indicator at the largest
// value the gauge has shown (100 to begin with). The scale axis is the series' horizontal axis
// when the gauge is horizontal, else its vertical one.
//
// Maximum equal to Minimum draws the frame, face and strip but no ticks, hand or ranges; a
// Minimum above Maximum draws the scale reversed. Neither raises while painting.
#include <memory>

#include "chart/series/gauge/GaugeMinMax.h"

class TTeeShape;

class TLinearGauge : public TCustomGaugeMinMax {
    KV_DECLARE_CLASS(TLinearGauge, TCustomGaugeMinMax)
public:
    explicit TLinearGauge(TComponent* owner);
    ~TLinearGauge() override;

    TGaugeSeriesPointer* MaxValueIndicator() const { return FMaxValueIndicator.get(); }
    void SetMaxValueIndicator(const TGaugeSeriesPointer* value);
    // On: the hand is filled with its gradient.
    bool UseValueColorPalette() const { return FUseValueColorPalette; }
    void SetUseValueColorPalette(bool value) { ChangeField(FUseValueColorPalette, value); }
    TTeeShape* ValueArea() const { return FValueArea.get(); }
    void SetValueArea(const TTeeShape* value);
    // Moves the scale to the other axis: the old one loses its title, the new one gets the
    // gauge's look.
    void SetHorizontal(bool value);

    // The largest value set so far: the max value indicator's place.
    double LargestValue() const { return FLargestValue; }
    // The strip of the last drawing pass.
    const TRect& ValueAreaRect() const { return FValueAreaRect; }
    // Pixels from the strip's Minimum end to value; 0 for an empty range.
    int ValueToPixel(double value) const;

    // Raises the largest value first.
    void SetValue(double value) override;
    TChartAxis* ScaleAxis() const override;
    void CalcFaceRect() override;
    void DrawAllValues() override;
    void DrawScale() override;
    void DrawHand() override;
    void SetParentChart(TCustomAxisPanel* value) override;

    static std::string EditorClassName() { return "TLinearGaugeEditor"; }
    bool UsesAxes() const override { return false; }
    // Variant 0 is horizontal, 1 ("Vertical") vertical.
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    void PrepareForGallery(bool enabled) override;

    // Horizontal, the indicator, UseValueColorPalette and the value area, then the scaled
    // gauge's settings.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TLinearGauge>& p);

private:
    // The strip's extent along the gauge (width when horizontal) and across it.
    int StripLength() const;
    int StripThickness() const;
    void CalcValueArea();
    void DrawTicksAndLabels(TChartAxis& axis, double increment);
    void DrawMinorTicks(TChartAxis& axis, double increment, int penWidth);
    void DrawRange(TGaugePointerRange& range, int penWidth);
    void DrawMaxValueIndicator();

    std::unique_ptr<TGaugeSeriesPointer> FMaxValueIndicator;
    bool FUseValueColorPalette = false;
    std::unique_ptr<TTeeShape> FValueArea;
    TRect FValueAreaRect;
    double FLargestValue = 100;
};
