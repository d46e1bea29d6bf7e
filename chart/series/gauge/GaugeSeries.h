#pragma once
// The needle gauge: a circled series that turns its circle into a dial. It holds one value
// (point 0) between Minimum and Maximum and points at it with a needle from the centre; a scale
// of ticks, minor ticks and labels runs along an arc of TotalAngle degrees, drawn with the
// settings of the series' vertical axis (increment, tick lengths and pens, label font, axis line
// pen), which the chart itself does not draw for a gauge.
//
// Angles are in degrees, 0 to the left of the centre and 90 above it, growing clockwise on screen
// (the opposite turn of the circled base's radians). With the defaults the scale runs from the
// upper left over the top to the upper right.
//
// Unless FullRepaint, a new value moves the needle alone: it is drawn in an inverting pen once at
// the old value, which takes it away, and once at the new one, on the picture the chart shows,
// so the chart is not drawn again. The drawing pass draws it in that pen too, so the picture
// after any number of moves is the one a fresh pass would give.
#include <memory>

#include "chart/engine/CircledSeries.h"
#include "chart/series/algo/GaugeScale.h"  // MaxGaugeTicks
#include "platform/graphics/Geometry.h"

class TChartAxis;
class TSeriesPointer;

enum THandStyle { hsLine, hsTriangle };
const TEnumInfo& HandStyleNames();

class TGaugeSeries : public TCircledSeries {
    KV_DECLARE_CLASS(TGaugeSeries, TCircledSeries)
public:
    explicit TGaugeSeries(TComponent* owner);
    ~TGaugeSeries() override;
    static std::string EditorClassName() { return "TGaugeSeriesEditor"; }

    // --- Settings.
    // Degrees of arc the scale spans.
    double TotalAngle() const { return FTotalAngle; }
    void SetTotalAngle(double value) { ChangeField(FTotalAngle, value); }
    TSeriesPointer* Center() const { return FCenter.get(); }
    void SetCenter(const TSeriesPointer* value);
    // Pixels between the needle's tip and the circle.
    int HandDistance() const { return FHandDistance; }
    void SetHandDistance(int value) { ChangeField(FHandDistance, value); }
    TSeriesPointer* EndPoint() const { return FEndPoint.get(); }
    void SetEndPoint(const TSeriesPointer* value);
    // On: a new value repaints the chart instead of moving the needle alone.
    bool FullRepaint() const { return FFullRepaint; }
    void SetFullRepaint(bool value) { ChangeField(FFullRepaint, value); }
    double Maximum() const { return FMaximum; }
    // Lowers Value to the new maximum when it lies above.
    void SetMaximum(double value);
    double Minimum() const { return FMinimum; }
    // Raises Value to the new minimum when it lies below.
    void SetMinimum(double value);
    // How far inside the circle the minor ticks end.
    int MinorTickDistance() const { return FMinorTickDistance; }
    void SetMinorTickDistance(int value) { ChangeField(FMinorTickDistance, value); }
    THandStyle HandStyle() const { return FHandStyle; }
    void SetHandStyle(THandStyle value) { ChangeField(FHandStyle, value); }
    bool LabelsInside() const { return FLabelsInside; }
    void SetLabelsInside(bool value) { ChangeField(FLabelsInside, value); }
    // Point 0; reading it gives a series without points its point (of value 0) first.
    double Value();
    // A different value moves the needle (or repaints) and fires OnChange.
    void SetValue(double value);
    TNotifyEvent OnChange;

    // The scale's settings: the series' vertical axis, none without a chart.
    TChartAxis* ScaleAxis() const { return ResolvedVertAxis(); }

    // --- Geometry of the last drawing pass.
    // The angle of a value on the scale (90, straight up, for an empty range).
    double ValueAngle(double value) const;
    // The point at angle degrees on radii (xRadius, yRadius) round the circle's centre.
    TPoint AngleToPointDegrees(double angle, int xRadius, int yRadius) const;
    // Where the needle starts and where its tip is for value.
    void NeedlePoints(double value, TPoint& start, TPoint& tip) const;

    // --- The chart's protocol.
    void DrawAllValues() override;
    double GetMaxYValue() override { return FMaximum; }
    double GetMinYValue() override { return FMinimum; }
    int ValueIndexAt(int x, int y) override;
    void SetParentChart(TCustomAxisPanel* value) override;
    void Apply3DFromGallery(bool enabled) override;
    void PrepareForGallery(bool enabled) override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    int DefaultSampleCount() const override { return 1; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TGaugeSeries>& p);

protected:
    void NotifyValueAdded(int valueIndex) override;

private:
    // Steps 4 to 6 of a drawing pass: the scale along the arc.
    void DrawTicksAndLabels(TChartAxis& axis, double increment);
    void DrawLabel(TChartAxis& axis, double value, int index, double angle, TPoint inner,
                   int fontHeight);
    void DrawMinorTicks(TChartAxis& axis, double increment);
    void DrawAxisLine(TChartAxis& axis);
    // The needle at value, in the inverting pen unless FullRepaint.
    void DrawNeedle(double value);
    // Moves the needle on the picture the chart shows, when it shows one of this series.
    void DrawNeedleOverPicture(double value);
    bool CanDrawOverPicture() const;

    double FTotalAngle = 90;
    std::unique_ptr<TSeriesPointer> FCenter;
    int FHandDistance = 30;
    std::unique_ptr<TSeriesPointer> FEndPoint;
    bool FFullRepaint = false;
    double FMaximum = 100;
    double FMinimum = 0;
    int FMinorTickDistance = 0;
    THandStyle FHandStyle = hsLine;
    bool FLabelsInside = true;
};
