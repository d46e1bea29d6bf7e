#pragma once
// The base of the series drawn inside a circle or an ellipse instead of along axes (the pie
// and, among the extended series, the donut, polar, radar and gauge): the circle's rectangle,
// centre and radii taken from the chart rectangle before each drawing, room left for marks,
// an optional round shape on screen, a rotation, the conversion between angles and screen
// points, the circle's background, and the 3-D view a circular series imposes on its chart while
// it is active there (the chart's own view comes back when the series leaves or is switched off).
//
// Angles are in radians and grow counter-clockwise from the positive X direction; rounding is to
// the nearest integer, halves to even.
#include <memory>
#include <string>

#include "chart/engine/ChartSeries.h"
#include "chart/foundation/TeeShadow.h"

class TCustomTeePanel;
class TTeeGradient;
class TView3DOptions;

// The circle's shadow: grey 0xA0A0A0 by default.
class TCircledShadow : public TTeeShadow {
    KV_DECLARE_CLASS(TCircledShadow, TTeeShadow)
public:
    explicit TCircledShadow(TNotifyEvent onChange = nullptr);
};

// Shrinks rect across or down so that radii of these sizes look round on chart's device (a
// chart without a device counts as square pixels).
void AdjustCircleToDeviceAspect(const TCustomTeePanel* chart, TRect& rect, int xRadius,
                                int yRadius);

class TCircledSeries : public TChartSeries {
    KV_DECLARE_CLASS(TCircledSeries, TChartSeries)
public:
    explicit TCircledSeries(TComponent* owner);
    ~TCircledSeries() override;

    // --- Settings.
    // clDefault: automatic (see EffectiveBackColor).
    TColor CircleBackColor() const { return FCircleBackColor; }
    void SetCircleBackColor(TColor value) { ChangeField(FCircleBackColor, value); }
    // Keep the circle round on screen; for every series of this class in the chart.
    bool Circled() const { return FCircled; }
    void SetCircled(bool value);
    // Fixed radii in pixels, 0: from the rectangle; for every series of this class in the chart.
    int CustomXRadius() const { return FCustomXRadius; }
    void SetCustomXRadius(int value);
    int CustomYRadius() const { return FCustomYRadius; }
    void SetCustomYRadius(int value);
    // Degrees, kept as the remainder of 360 (with the sign of the value).
    int RotationAngle() const { return FRotationAngle; }
    void SetRotationAngle(int value);
    double RotationRadians() const { return FRotation; }
    TCircledShadow* Shadow() const { return FShadow.get(); }
    void SetShadow(const TCircledShadow* value) { FShadow->Assign(value); }
    TTeeGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(const TTeeGradient* value);

    // --- The circle of the current drawing.
    int XRadius = 0;
    int YRadius = 0;
    int CircleWidth = 0;
    int CircleHeight = 0;
    int CircleXCenter = 0;
    int CircleYCenter = 0;
    TRect CircleRect;
    // The circle leaves room around it for the marks (set for the circled types).
    bool RoomForMarks = true;

    // --- Geometry.
    // The point at angle (plus the rotation) on the ellipse of the given radii.
    void AngleToPoint(double angle, double xRadius, double yRadius, int& x, int& y) const;
    // The angle of a screen point, less the rotation, in [0, 2 pi).
    double PointToAngle(int x, int y) const;
    // Odd sizes lose a pixel at the right or bottom, sizes stay at least 4; stores the sizes
    // and the centre.
    void NormalizeCircle();
    // Radii from the custom radii or the rectangle; the rectangle from the centre and radii.
    void CalcRadii();
    // Shrinks rect so that radii of these sizes look round on the device.
    void AdjustCircleToAspect(TRect& rect, int xRadius, int yRadius) const;
    // The circle's background: CircleBackColor, else white when printing, else an opaque back
    // wall's colour, else the chart's colour.
    TColor EffectiveBackColor() const;
    bool HasCircleBackColor() const;
    virtual void DrawCircleBackground();

    // --- The 3-D view the series wants of its chart.
    virtual void ShareCircleRect();
    virtual void SetChart3DView(TView3DOptions& /*view*/) {}
    // Saves the chart's view and applies the series' (not restore), or gives it back (restore).
    void Use3DView(bool restore);

    // --- The chart's protocol.
    void SetActive(bool value) override;
    void SetParentChart(TCustomAxisPanel* value) override;
    void DoBeforeDrawValues() override;
    bool IsValueInChartRect(int) const override { return true; }
    void PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& style) override;
    bool UsesAxis(const TChartAxis*) const override { return true; }
    bool UsesAxes() const override { return false; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCircledSeries>& p);

private:
    // Copies a shared setting to every series of the chart of this series' class.
    template <class F>
    void ForEachOfClass(F&& apply);
    // The saved view back into the chart (unless the chart is going), and the copy freed.
    void RestoreView();

    TColor FCircleBackColor = clDefault;
    bool FCircled = false;
    int FCustomXRadius = 0;
    int FCustomYRadius = 0;
    int FRotationAngle = 0;
    double FRotation = 0;
    std::unique_ptr<TCircledShadow> FShadow;
    std::unique_ptr<TTeeGradient> FGradient;
    std::unique_ptr<TView3DOptions> FSavedView;
};
