#pragma once
// The base of the dashboard gauges. A gauge is a series that holds one value (point 0 of its
// Y list) and draws it in its own band of the chart: the active gauges of a chart are stacked
// top to bottom, each band 3 pixels shorter than its share. Inside the band a three-ring frame
// surrounds a face, and every colour of the gauge comes from its own 24-entry palette (an empty
// palette takes the chart's colours). The drawing pass computes the band, then the face inside
// the frame, draws the frame and the face; the scaled gauges then draw their scale and hand.
#include <memory>
#include <span>
#include <vector>

#include "chart/engine/ChartSeries.h"
#include "platform/graphics/Geometry.h"

class TFramedBorder;
class TTeeShape;

class TCustomGauge : public TChartSeries {
    KV_DECLARE_CLASS(TCustomGauge, TChartSeries)
public:
    explicit TCustomGauge(TComponent* owner);
    ~TCustomGauge() override;

    TTeeShape* Face() const { return FFace.get(); }
    void SetFace(const TTeeShape* value);
    TFramedBorder* Frame() const { return FFrame.get(); }
    void SetFrame(const TFramedBorder* value);
    // Told when the value is set to a new one.
    TNotifyEvent OnChange;

    // Point 0; 0 when the points were all deleted.
    double Value() const;
    // Adds the value as the point when there is none; otherwise stores it only when it differs,
    // repainting. OnChange follows a change only.
    virtual void SetValue(double value);

    // --- Palette.
    const std::vector<TColor>& Palette() const { return FPalette; }
    // The entry at index (the last one past the end); from the chart's colours when the palette
    // is empty; black without a chart.
    TColor PaletteColor(int index) const;
    // The palette becomes a copy of colors; the face gradient and the frame rings take their
    // entries again.
    virtual void ApplyPalette(std::span<const TColor> colors);

    // --- The rectangles of the last drawing pass.
    const TRect& GaugeRect() const { return FGaugeRect; }
    const TRect& FaceRect() const { return FFaceRect; }
    // The band of this gauge in the chart rectangle.
    virtual void CalcGaugeRect();
    // The face inside the frame (from the face rectangle, set to the band first).
    virtual void CalcFaceRect();
    virtual void DrawFace();
    // The class's frame is round by default (the dial gauge's is).
    virtual bool DefaultFrameCircled() const { return false; }

    void SetParentChart(TCustomAxisPanel* value) override;
    void DrawAllValues() override;
    // 0 inside the band, else -1.
    int ValueIndexAt(int x, int y) override;

    // Face, frame and value, then the series; the frame's Circled goes back to the class's.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCustomGauge>& p);

protected:
    TRect FGaugeRect;
    TRect FFaceRect;

private:
    std::unique_ptr<TTeeShape> FFace;
    std::unique_ptr<TFramedBorder> FFrame;
    std::vector<TColor> FPalette;
};
