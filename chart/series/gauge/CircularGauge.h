#pragma once
// The dial gauge: a round face in the three-ring frame, a scale of ticks, minor ticks and labels
// along an arc of TotalAngle degrees, the red and green range bands, a hand pointing at the
// value, a centre cap and a marker at the hand's end.
//
// Dial angles are degrees from straight down, growing clockwise on screen: a point at dial angle
// A and distance d from the centre C lies at (C.x - d sin A, C.y + d cos A). The scale starts at
// (360 - TotalAngle) / 2 + RotationAngle for Minimum and turns TotalAngle degrees up to Maximum,
// so with the defaults it runs from the lower left over the top to the lower right.
#include <array>
#include <memory>

#include "chart/series/gauge/GaugeMinMax.h"

class TGaugeHand;
class TSeriesPointer;

class TCircularGauge : public TCustomGaugeMinMax {
    KV_DECLARE_CLASS(TCircularGauge, TCustomGaugeMinMax)
public:
    explicit TCircularGauge(TComponent* owner);
    ~TCircularGauge() override;
    static std::string EditorClassName() { return "TCircularGaugeEditor"; }

    TGaugeSeriesPointer* Center() const { return FCenter.get(); }
    void SetCenter(const TGaugeSeriesPointer* value);
    TSeriesPointer* EndPoint() const { return FEndPoint.get(); }
    void SetEndPoint(const TSeriesPointer* value);
    TGaugeHand* Hand() const;
    // Fit the gauge's band to a round circle on screen.
    bool Circled() const { return FCircled; }
    void SetCircled(bool value) { ChangeField(FCircled, value); }
    bool LabelsInside() const { return FLabelsInside; }
    void SetLabelsInside(bool value) { ChangeField(FLabelsInside, value); }
    bool RotateLabels() const { return FRotateLabels; }
    void SetRotateLabels(bool value) { ChangeField(FRotateLabels, value); }
    double RotationAngle() const { return FRotationAngle; }
    void SetRotationAngle(double value) { ChangeField(FRotationAngle, value); }
    double TotalAngle() const { return FTotalAngle; }
    void SetTotalAngle(double value) { ChangeField(FTotalAngle, value); }

    // --- Geometry, as of the last drawing pass.
    // The dial angle where Minimum lies.
    double StartAngle() const { return (360 - FTotalAngle) * 0.5 + FRotationAngle; }
    // The dial angle of a value (the start angle for an empty range).
    double ValueAngle(double value) const;
    TPoint DialCenter() const { return FDialCenter; }
    int XRadius() const { return FXRadius; }
    int YRadius() const { return FYRadius; }
    // percent of the hand's reach (the smaller radius less the scale's ticks) in pixels.
    int HandReach(double percent) const;
    // The hand's outline at dial angle, shifted by (du, dv) along and across it: a bar from
    // Offset percent behind the centre to a tip 100 - Distance percent out (at least 1 pixel).
    std::array<TPoint, 5> HandPolygon(double angle, int du, int dv) const;

    TChartAxis* ScaleAxis() const override;
    void DrawScale() override;
    void DrawHand() override;
    void CalcGaugeRect() override;
    void CalcFaceRect() override;
    void DrawFace() override;
    bool DefaultFrameCircled() const override { return true; }
    void DoBeforeDrawValues() override;
    bool UsesAxes() const override { return false; }
    void SetParentChart(TCustomAxisPanel* value) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCircularGauge>& p);

private:
    void CalcRadii(const TRect& rect);
    // The point at screen angle f degrees (dial angle less 90) on radii rx, ry.
    TPoint ScalePoint(double f, double rx, double ry) const;
    void DrawRange(TGaugePointerRange& range, TCanvas3D& canvas);
    void DrawTicksAndLabels(TChartAxis& axis, TCanvas3D& canvas, int rx, int ry);
    void DrawLabel(TChartAxis& axis, TCanvas3D& canvas, const std::string& text, double f,
                   TPoint outer, int rx, int ry, int rxi, int ryi);
    void DrawMinorTicks(TChartAxis& axis, int rx, int ry);
    // The length of the scale's major ticks, when the scale axis shows.
    int ScaleTickLength() const;

    std::unique_ptr<TGaugeSeriesPointer> FCenter;
    std::unique_ptr<TSeriesPointer> FEndPoint;
    bool FLabelsInside = true;
    bool FRotateLabels = true;
    double FTotalAngle = 300;
    bool FCircled = true;
    double FRotationAngle = 0;
    TPoint FDialCenter;
    int FXRadius = 0;
    int FYRadius = 0;
};
