#include "chart/series/gauge/GaugeSeries.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SampleRandom.h"
#include "chart/engine/SeriesPointer.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/RtlMath.h"

const TEnumInfo& HandStyleNames() {
    static const TEnumInfo names{"hsLine", "hsTriangle"};
    return names;
}

namespace {

constexpr double DegreesToRadians = std::numbers::pi / 180;

// The length a pointer takes along the needle: none when hidden, else its height and the
// width of its outline.
int PointerLength(const TSeriesPointer& pointer) {
    if (!pointer.Visible()) return 0;
    return 2 * pointer.VertSize() + (pointer.Pen()->Visible() ? pointer.Pen()->Width() : 0);
}

// The canvas's pen back in copy mode when the scope ends, also when drawing fails.
class TPenModeScope {
public:
    explicit TPenModeScope(TCanvas3D& canvas) : FCanvas(canvas) {}
    ~TPenModeScope() { FCanvas.Pen()->SetMode(pmCopy); }
    TPenModeScope(const TPenModeScope&) = delete;
    TPenModeScope& operator=(const TPenModeScope&) = delete;

private:
    TCanvas3D& FCanvas;
};

}  // namespace

TGaugeSeries::TGaugeSeries(TComponent* owner)
    : TCircledSeries(owner),
      FCenter(std::make_unique<TSeriesPointer>(this)),
      FEndPoint(std::make_unique<TSeriesPointer>(this)) {
    FCenter->Brush()->SetStyle(bsSolid);
    FCenter->Brush()->SetColor(clBlack);
    FCenter->SetStyle(psCircle);
    FCenter->SetHorizSize(8);
    FCenter->SetVertSize(8);
    FCenter->Gradient()->SetVisible(true);
    FEndPoint->Brush()->SetStyle(bsSolid);
    FEndPoint->Brush()->SetColor(clWhite);
    FEndPoint->SetStyle(psCircle);
    FEndPoint->SetHorizSize(3);
    FEndPoint->SetVertSize(3);
    FEndPoint->SetVisible(false);
    SetCircled(true);
    SetRotationAngle(135);
    SetShowInLegend(false);
    AddXYPoint(0, 0);
}

TGaugeSeries::~TGaugeSeries() = default;

void TGaugeSeries::SetCenter(const TSeriesPointer* value) { FCenter->Assign(value); }
void TGaugeSeries::SetEndPoint(const TSeriesPointer* value) { FEndPoint->Assign(value); }

// --- The value.

double TGaugeSeries::Value() {
    if (Count() == 0) AddXYPoint(0, 0);
    return YValues()[0];
}

void TGaugeSeries::SetValue(double value) {
    const double old = Value();
    if (value == old) return;
    const bool moveAlone = !FFullRepaint && CanDrawOverPicture();
    if (moveAlone) DrawNeedleOverPicture(old);
    // Straight into the list: a repaint now would undo the point of moving the needle alone.
    YValues().SetValue(0, value);
    if (moveAlone)
        DrawNeedleOverPicture(value);
    else
        Repaint();
    if (OnChange) OnChange(this);
}

void TGaugeSeries::SetMaximum(double value) {
    ChangeField(FMaximum, value);
    SetValue(std::min(Value(), FMaximum));
}

void TGaugeSeries::SetMinimum(double value) {
    ChangeField(FMinimum, value);
    SetValue(std::max(Value(), FMinimum));
}

void TGaugeSeries::NotifyValueAdded(int valueIndex) {
    SetValue(YValues()[valueIndex]);
    TCircledSeries::NotifyValueAdded(valueIndex);
}

void TGaugeSeries::AddRandomValues(int /*numValues*/, bool /*onlyMandatory*/) {
    constexpr int steps = 1000000;
    SetValue(FMinimum + RandomBelow(steps) / double(steps) * (FMaximum - FMinimum));
}

// --- Geometry.

double TGaugeSeries::ValueAngle(double value) const {
    const double range = FMaximum - FMinimum;
    if (range == 0) return 90;
    return 360 - (FTotalAngle - FTotalAngle * (value - FMinimum) / range) + RotationAngle();
}

TPoint TGaugeSeries::AngleToPointDegrees(double angle, int xRadius, int yRadius) const {
    const double a = angle * DegreesToRadians;
    return TPoint{CircleXCenter - RoundToInt(std::cos(a) * xRadius),
                  CircleYCenter - RoundToInt(std::sin(a) * yRadius)};
}

void TGaugeSeries::NeedlePoints(double value, TPoint& start, TPoint& tip) const {
    const TPoint centre{CircleXCenter, CircleYCenter};
    tip = AngleToPointDegrees(ValueAngle(value), XRadius, YRadius);
    const int back = PointerLength(*FEndPoint) + FHandDistance;
    if (back > 0) tip = PointBeforeEnd(centre, tip, back);
    start = centre;
    // The needle leaves a round centre at its rim.
    if (FCenter->Visible() && FCenter->Style() == psCircle)
        start = PointBeforeEnd(tip, centre, PointerLength(*FCenter) / 2);
}

int TGaugeSeries::ValueIndexAt(int x, int y) {
    if (!ParentChart() || Count() == 0) return -1;
    ParentChart()->Canvas3D()->UnprojectPoint(x, y, MidDepth);
    TPoint start, tip;
    NeedlePoints(Value(), start, tip);
    // A tolerance of 1 takes points up to 2 pixels from the line.
    return IsPointNearLinePoints(TPoint{x, y}, start, tip, 1) ? 0 : -1;
}

// --- Drawing.

void TGaugeSeries::DrawAllValues() {
    TCustomAxisPanel& chart = *ParentChart();
    TCanvas3D& canvas = *chart.Canvas3D();
    TChartAxis* axis = ScaleAxis();
    double increment = axis ? axis->Increment() : 0;
    if (increment == 0) increment = 10;
    if (Gradient()->Visible()) DrawCircleBackground();
    if (FCenter->Visible()) {
        FCenter->PrepareCanvas(canvas, FCenter->BrushColor());
        FCenter->DrawAt(CircleXCenter, CircleYCenter);
    }
    if (axis) {
        DrawTicksAndLabels(*axis, increment);
        DrawMinorTicks(*axis, increment);
        if (axis->Axis()->Visible()) DrawAxisLine(*axis);
    }
    if (Pen()->Visible()) DrawNeedle(Value());
}

void TGaugeSeries::DrawTicksAndLabels(TChartAxis& axis, double increment) {
    const bool ticks = axis.Ticks()->Visible();
    const bool labels = axis.Labels();
    if (!ticks && !labels) return;
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    canvas.UseFont(axis.LabelsFont());
    canvas.UsePen(axis.Ticks());
    canvas.SetBackgroundMode(TRANSPARENT);
    canvas.SetTextAlignment(TA_LEFT | TA_TOP);
    const int innerX = XRadius - axis.TickLength();
    const int innerY = YRadius - axis.TickLength();
    const int fontHeight = canvas.MeasureLineHeight();
    if (FMaximum - FMinimum == 0 || increment == 0) return;
    // Round the full circle the maximum falls on the minimum: its label would cover that one.
    const bool fullCircle = FTotalAngle >= 360;
    for (int k = 0; k < MaxGaugeTicks; ++k) {
        // From the minimum each time: adding the increment up would drift, or stall on a huge
        // value.
        const double value = FMinimum + k * increment;
        if (fullCircle ? value >= FMaximum : value > FMaximum) break;
        const double angle = ValueAngle(value);
        const TPoint inner = AngleToPointDegrees(angle, innerX, innerY);
        if (ticks) canvas.DrawLineBetween(inner, AngleToPointDegrees(angle, XRadius, YRadius));
        if (labels) DrawLabel(axis, value, k, angle, inner, fontHeight);
    }
}

void TGaugeSeries::DrawLabel(TChartAxis& axis, double value, int index, double angle, TPoint inner,
                             int fontHeight) {
    TCustomAxisPanel& chart = *ParentChart();
    TCanvas3D& canvas = *chart.Canvas3D();
    std::string text = FormatFloat(ValueFormat(), value);
    if (chart.OnGetAxisLabel) chart.OnGetAxisLabel(axis, nullptr, index, text);
    TPoint at = FLabelsInside
                    ? inner
                    : AngleToPointDegrees(angle, XRadius + fontHeight, YRadius + fontHeight);
    const int width = canvas.MeasureTextWidth(text);
    at.X -= RoundToInt(width * 0.5);
    // The same side of the dial for every number of turns the rotation adds.
    double folded = std::fmod(angle, 360.0);
    if (folded < 0) folded += 360;
    const double radians = folded * DegreesToRadians;
    // Inside, the text leans away from the rim; below the centre it sits above its anchor.
    if (FLabelsInside) at.X += RoundToInt(width * 0.5 * std::cos(radians));
    if (folded > 180 && folded < 360) at.Y += RoundToInt(fontHeight * std::sin(radians));
    canvas.DrawTextAt(at.X, at.Y, text);
}

void TGaugeSeries::DrawMinorTicks(TChartAxis& axis, double increment) {
    const int perStep = axis.MinorTickCount();
    if (!axis.MinorTicks()->Visible() || perStep <= 0 || increment == 0) return;
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    canvas.UsePen(axis.MinorTicks());
    const double step = increment / (double(perStep) + 1);
    const int outerX = XRadius - FMinorTickDistance, outerY = YRadius - FMinorTickDistance;
    const int innerX = outerX - axis.MinorTickLength(), innerY = outerY - axis.MinorTickLength();
    int drawn = 0;
    // The minor ticks after from, up to the maximum.
    auto ticksAfter = [&](double from) {
        for (int k = 1; k <= perStep && drawn < MaxGaugeTicks; ++k, ++drawn) {
            const double value = from + k * step;
            if (value > FMaximum) return;
            const double angle = ValueAngle(value);
            canvas.DrawLineBetween(AngleToPointDegrees(angle, innerX, innerY),
                                   AngleToPointDegrees(angle, outerX, outerY));
        }
    };
    int k = 0;
    double value = FMinimum;
    for (; k < MaxGaugeTicks && drawn < MaxGaugeTicks; value = FMinimum + ++k * increment) {
        if (value > FMaximum - increment) break;
        ticksAfter(value);
    }
    // The last, shorter step up to the maximum.
    if (k < MaxGaugeTicks && value < FMaximum) ticksAfter(value);
}

void TGaugeSeries::DrawAxisLine(TChartAxis& axis) {
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    TRect r = ParentChart()->ChartRect();
    if (Circled()) {
        // Square about the rectangle's centre.
        const int side = std::min(r.Width(), r.Height());
        const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
        r = TRect{cx - side / 2, cy - side / 2, cx - side / 2 + side, cy - side / 2 + side};
    }
    const TPoint from = AngleToPointDegrees(RotationAngle(), CircleWidth, CircleHeight);
    const TPoint to =
        AngleToPointDegrees(360 - FTotalAngle + RotationAngle(), CircleWidth, CircleHeight);
    canvas.UsePen(axis.Axis());
    canvas.DrawArc(r.Left + 1, r.Top + 1, r.Right, r.Bottom, from.X, from.Y, to.X, to.Y);
}

void TGaugeSeries::DrawNeedle(double value) {
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    const TPenModeScope restore(canvas);
    // Inverting, the needle drawn a second time takes itself away.
    const TPenMode mode = FFullRepaint ? pmCopy : pmNotXor;
    TPoint start, tip;
    NeedlePoints(value, start, tip);
    canvas.UsePen(Pen());
    canvas.Pen()->SetMode(mode);
    if (FHandStyle == hsLine) {
        canvas.DrawLineBetween(start, tip);
    } else {
        // The base goes across the needle, 4 pixels to each side of its start.
        const double dx = tip.X - start.X, dy = tip.Y - start.Y;
        const double length = std::hypot(dx, dy);
        const int ox = length > 0 ? RoundToInt(-dy / length * 4) : 0;
        const int oy = length > 0 ? RoundToInt(dx / length * 4) : 0;
        const TPoint triangle[3] = {TPoint{start.X + ox, start.Y + oy}, tip,
                                    TPoint{start.X - ox, start.Y - oy}};
        if (FFullRepaint)
            canvas.UseBrushColored(Brush(), SeriesColor());
        else
            canvas.Brush()->SetStyle(bsClear);
        canvas.DrawPolygon(triangle, 2);
    }
    if (!FEndPoint->Visible()) return;
    FEndPoint->PrepareCanvas(canvas, FEndPoint->BrushColor());
    canvas.Pen()->SetMode(mode);
    if (!FFullRepaint) canvas.Brush()->SetStyle(bsClear);
    const TPoint centre{CircleXCenter, CircleYCenter};
    const TPoint at = PointBeforeEnd(centre, tip, -(PointerLength(*FEndPoint) / 2));
    FEndPoint->DrawOnCanvas(canvas, false, at.X, at.Y, FEndPoint->HorizSize(),
                            FEndPoint->VertSize(), FEndPoint->BrushColor(), FEndPoint->Style());
}

bool TGaugeSeries::CanDrawOverPicture() const {
    const TCustomAxisPanel* chart = ParentChart();
    if (!chart || !Active() || !Pen()->Visible() || CircleWidth == 0) return false;
    for (const TComponent* c :
         {static_cast<const TComponent*>(this), static_cast<const TComponent*>(chart)})
        if (c->ComponentState().Contains(csLoading) || c->ComponentState().Contains(csDestroying))
            return false;
    return chart->Canvas3D()->BoundCanvas() != nullptr;
}

void TGaugeSeries::DrawNeedleOverPicture(double value) {
    TCustomAxisPanel& chart = *ParentChart();
    DrawNeedle(value);
    // The chart's buffer still holds the needle where it was: the next paint draws anew, and the
    // screen takes the picture at the loop's next turn.
    chart.Canvas3D()->MarkDirty();
    chart.Canvas();
}

// --- The chart's protocol.

void TGaugeSeries::SetParentChart(TCustomAxisPanel* value) {
    TCircledSeries::SetParentChart(value);
    if (!ComponentState().Contains(csDestroying)) {
        FCenter->SetParentChart(value);
        FEndPoint->SetParentChart(value);
    }
    // A chart read from a file keeps the settings stored with it.
    if (!value || ComponentState().Contains(csLoading) ||
        value->ComponentState().Contains(csLoading))
        return;
    value->SetView3DWalls(false);
    value->SetView3D(false);
    if (auto* chart = dynamic_cast<TCustomChart*>(value)) chart->Frame()->SetVisible(false);
    if (TChartAxis* axis = ScaleAxis()) {
        axis->SetTickLength(14);
        axis->SetMinorTickLength(6);
    }
}

void TGaugeSeries::Apply3DFromGallery(bool enabled) {
    TCircledSeries::Apply3DFromGallery(enabled);
    if (ParentChart()) ParentChart()->SetView3D(false);
    SetCircled(true);
}

void TGaugeSeries::PrepareForGallery(bool enabled) {
    TCircledSeries::PrepareForGallery(enabled);
    if (TChartAxis* axis = ScaleAxis()) {
        axis->SetMinorTickCount(1);
        axis->SetTickLength(4);
        axis->SetMinorTickLength(2);
        axis->SetIncrement(25);
    }
    SetHandDistance(3);
    FCenter->SetHorizSize(2);
    FCenter->SetVertSize(2);
    SetFullRepaint(true);
    Pen()->SetColor(enabled ? TColor(0xFF0000) : TColor(0x808080));
}

void TGaugeSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TGaugeSeries*>(source)) {
        FTotalAngle = other->FTotalAngle;
        FCenter->Assign(other->FCenter.get());
        FHandDistance = other->FHandDistance;
        FEndPoint->Assign(other->FEndPoint.get());
        FFullRepaint = other->FFullRepaint;
        FMaximum = other->FMaximum;
        FMinimum = other->FMinimum;
        FMinorTickDistance = other->FMinorTickDistance;
        FHandStyle = other->FHandStyle;
        FLabelsInside = other->FLabelsInside;
    }
    TCircledSeries::Assign(source);
}

void TGaugeSeries::Publish(TPublisher<TGaugeSeries>& p) {
    using S = TGaugeSeries;
    p.Inherited("Circled").Default(true);
    p.Inherited("RotationAngle").Default(135);
    p.Inherited("ShowInLegend").Default(false);
    p.Float("TotalAngle", &S::TotalAngle, &S::SetTotalAngle).Default(90);
    p.Object("Center", &S::Center, &S::SetCenter);
    p.Integer("HandDistance", &S::HandDistance, &S::SetHandDistance).Default(30);
    p.Object("EndPoint", &S::EndPoint, &S::SetEndPoint);
    p.Boolean("FullRepaint", &S::FullRepaint, &S::SetFullRepaint).Default(false);
    p.Float("Maximum", &S::Maximum, &S::SetMaximum).Default(100);
    p.Float("Minimum", &S::Minimum, &S::SetMinimum).Default(0);
    p.Integer("MinorTickDistance", &S::MinorTickDistance, &S::SetMinorTickDistance).Default(0);
    p.Enumeration("HandStyle", HandStyleNames(), &S::HandStyle, &S::SetHandStyle)
        .Default(int(hsLine));
    p.Boolean("LabelsInside", &S::LabelsInside, &S::SetLabelsInside).Default(true);
    // Last: read after the range, whose setters would otherwise pull a stored value into it.
    p.Float(
         "Value", [](const S& s) { return s.Count() > 0 ? s.YValues()[0] : 0.0; }, &S::SetValue)
        .Default(0);
}
