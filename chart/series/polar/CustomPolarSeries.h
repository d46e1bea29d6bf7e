#pragma once
// The base of the polar-style series: points given as (angle in degrees, radius) drawn inside
// the circle of a circled series, joined by a line, the area between the centre and that line
// optionally filled, with point markers. Behind the points lies the polar web: the circle (or,
// for the radar, a regular polygon), the radius rings, the angle spokes and labels, and the
// radius scale drawn as straight radii (CustomPolarSeriesWeb.cpp). The web is drawn once per
// chart pass for all series of one class: by the first active one when the axes lie behind the
// series, by the last one otherwise.
//
// The angle increment and the radius increment are those of the series' horizontal and vertical
// axes; the vertical axis' range maps radii to pixels.
#include <functional>
#include <memory>
#include <string>

#include "chart/engine/CircledSeries.h"
#include "chart/engine/CustomLineSeries.h"
#include "chart/engine/SeriesPointer.h"

class TChartAxis;
class TChartPen;
class TCustomPolarSeries;
class TTeeFont;

using TOnGetCircleLabel =
    std::function<void(TCustomPolarSeries& sender, double angle, int index, std::string& text)>;
using TOnGetPolarPointerStyle =
    std::function<TSeriesPointerStyle(TChartSeries& sender, int valueIndex)>;

class TCustomPolarSeries : public TCircledSeries {
    KV_DECLARE_CLASS(TCustomPolarSeries, TCircledSeries)
public:
    explicit TCustomPolarSeries(TComponent* owner);
    ~TCustomPolarSeries() override;
    static std::string EditorClassName() { return "TPolarSeriesEditor"; }

    // --- Settings; each setter repaints when the value changed.
    double AngleIncrement() const;
    void SetAngleIncrement(double value);
    double RadiusIncrement() const;
    void SetRadiusIncrement(double value);
    TChartValueList& AngleValues() { return XValues(); }
    void SetAngleValues(const TChartValueList* value) { SetXValues(value); }
    TChartValueList& RadiusValues() { return YValues(); }
    void SetRadiusValues(const TChartValueList* value) { SetYValues(value); }
    bool CircleLabels() const { return FCircleLabels; }
    void SetCircleLabels(bool value) { ChangeField(FCircleLabels, value); }
    TTeeFont* CircleLabelsFont() const { return FCircleLabelsFont.get(); }
    void SetCircleLabelsFont(const TTeeFont* value);
    bool CircleLabelsInside() const { return FCircleLabelsInside; }
    void SetCircleLabelsInside(bool value) { ChangeField(FCircleLabelsInside, value); }
    bool CircleLabelsRotated() const { return FCircleLabelsRotated; }
    void SetCircleLabelsRotated(bool value) { ChangeField(FCircleLabelsRotated, value); }
    TChartPen* CirclePen() const { return FCirclePen.get(); }
    void SetCirclePen(const TChartPen* value);
    // Every assignment mirrors the stored angles (a becomes 360 - a).
    bool ClockWiseLabels() const { return FClockWiseLabels; }
    void SetClockWiseLabels(bool value);
    bool CloseCircle() const { return FCloseCircle; }
    void SetCloseCircle(bool value) { ChangeField(FCloseCircle, value); }
    int LabelsMargin() const { return FLabelsMargin; }
    void SetLabelsMargin(int value) { ChangeField(FLabelsMargin, value); }
    TSeriesPointer* Pointer() const { return FPointer.get(); }
    void SetPointer(const TSeriesPointer* value) { FPointer->Assign(value); }
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value) { ChangeField(FTransparency, value); }
    TTreatNullsStyle TreatNulls() const { return FTreatNulls; }
    void SetTreatNulls(TTreatNullsStyle value) { ChangeField(FTreatNulls, value); }

    TOnGetCircleLabel OnGetCircleLabel;
    TOnGetPolarPointerStyle OnGetPointerStyle;

    // --- Geometry.
    // The screen point at angle degrees and pixel radii.
    void AngleToPointDegrees(double angle, double xRadius, double yRadius, int& x, int& y) const;
    // The screen point of value on the radius axis at angle degrees.
    void RadiusToPoint(double angle, double value, int& x, int& y) const;
    // The point's colour: its own, or for a drawn null point the palette or series colour.
    TColor PointColor(int valueIndex) const;

    // --- The polar web (CustomPolarSeriesWeb.cpp).
    // One ring: an ellipse, or with RingSides a polygon whose first vertex is on the first spoke.
    virtual void DrawRing(int xRadius, int yRadius, int z);
    // The text of angle label index at angle degrees.
    virtual std::string AngleLabelText(int index, double angle);
    // The spokes and labels, the rings and the radial scales.
    void DrawPolarAxes();
    // Rings drawn and spokes drawn in the last web (the caps leave them short).
    int RingCount = 0;
    int SpokeCount = 0;
    // Sides of the rings and the background: 0 for ellipses.
    int RingSides() const { return FRingSides; }

    // --- The chart's protocol.
    void SetSeriesColor(TColor value) override;
    void SetParentChart(TCustomAxisPanel* value) override;
    void DoBeforeDrawValues() override;
    void DoAfterDrawValues() override;
    void DrawAllValues() override;
    void DrawValue(int valueIndex) override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    void DrawLegendShape(int valueIndex, const TRect& rect) override;
    void DrawCircleBackground() override;
    TColor LegendItemColor(int legendIndex) const override;
    int PointXPixel(int index) const override;
    int PointYPixel(int index) const override;
    int ValueIndexAt(int x, int y) override;
    bool DrawsValuesForward() const override { return true; }
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCustomPolarSeries>& p);

protected:
    // The first visible point only moves the pen; others fill the sector triangle and draw the
    // line to (x, y); the last one closes the circle.
    virtual void DrawValueLine(int valueIndex, int x, int y);
    // The line pen of a point (index -1: the series colour).
    void PrepareLinePen(int valueIndex);
    // The sector (centre, from, to) filled with the series brush, blended with Transparency.
    void FillSector(TPoint from, TPoint to, TColor color);
    TPoint Centre() const { return TPoint{CircleXCenter, CircleYCenter}; }

    int FLastX = 0;
    int FLastY = 0;
    int FRingSides = 0;

private:
    // The first (or the last) active series of this class in the chart.
    bool IsFirstOfClass() const;
    bool IsLastOfClass() const;
    bool AxesBehind() const;
    // The background circle or polygon, its back image and gradient.
    void DrawCircle();
    void DrawSpokesAndLabels();
    void DrawRings();
    void DrawRadialScales();
    void DrawAngleLabel(double angle, int index);
    // A hit on the sector or the segment from (x0, y0) to (x1, y1).
    bool HitsSegment(TPoint p, TPoint from, TPoint to) const;

    bool FCircleLabels = false;
    std::unique_ptr<TTeeFont> FCircleLabelsFont;
    bool FCircleLabelsInside = false;
    bool FCircleLabelsRotated = false;
    std::unique_ptr<TChartPen> FCirclePen;
    bool FClockWiseLabels = false;
    bool FCloseCircle = true;
    int FLabelsMargin = 3;
    std::unique_ptr<TSeriesPointer> FPointer;
    int FTransparency = 0;
    TTreatNullsStyle FTreatNulls = tnIgnore;
    bool FPenMoved = false;
};
