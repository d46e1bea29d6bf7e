#include "chart/series/gauge/CircularGauge.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/engine/AxisDrawParts.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/AxisTitle.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/CircledSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShape.h"
#include "chart/series/algo/GaugeScale.h"
#include "chart/series/gauge/FramedBorder.h"
#include "chart/series/gauge/GaugeHand.h"
#include "chart/series/gauge/GaugePalettes.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/RtlMath.h"

namespace {

constexpr double ToRadians = std::numbers::pi / 180;

}  // namespace

TCircularGauge::TCircularGauge(TComponent* owner)
    : TCustomGaugeMinMax(owner,
                         [](TChartSeries* gauge) -> std::unique_ptr<TGaugeSeriesPointer> {
                             return std::make_unique<TGaugeHand>(gauge);
                         }),
      FCenter(std::make_unique<TGaugeSeriesPointer>(this)),
      FEndPoint(std::make_unique<TSeriesPointer>(this)) {
    TGaugeHand& hand = *Hand();
    hand.SetHorizSize(5);
    hand.SetVertSize(30);
    hand.Brush()->SetStyle(bsSolid);
    hand.Brush()->SetColor(clBlack);
    hand.Pen()->SetColor(PaletteColor(gpeHandPen));
    hand.Pen()->SetVisible(false);
    hand.Pen()->SetWidth(1);
    TTeeGradient& gradient = *hand.Gradient();
    gradient.SetVisible(true);
    gradient.SetEndColor(PaletteColor(gpeHandGradientEnd));
    gradient.SetMidColor(PaletteColor(gpeHandGradientMiddle));
    gradient.SetStartColor(PaletteColor(gpeHandGradientStart));
    gradient.SetDirection(gdLeftRight);
    hand.Shadow()->SetColor(clBlack);
    hand.Shadow()->SetCommonSize(5);
    hand.Shadow()->SetVisible(true);

    FCenter->SetGaugeStyle(gpCenter);
    FCenter->SetSize(16);
    FCenter->Gradient()->SetVisible(true);
    FCenter->Pen()->SetVisible(false);
    FCenter->SetStyle(psCircle);
    FCenter->Shadow()->SetVisible(true);
    FCenter->Shadow()->SetCommonSize(2);
    FEndPoint->SetStyle(psCircle);
    FEndPoint->Brush()->SetColor(clWhite);

    Face()->SetShapeStyle(fosEllipse);
    RedLine()->SetStartValue(80);
    RedLine()->SetEndValue(100);
    GreenLine()->SetStartValue(0);
    GreenLine()->SetEndValue(70);
    SetMinorTickDistance(3);
    Frame()->SetDefaultCircled(true);
}

TCircularGauge::~TCircularGauge() = default;

TGaugeHand* TCircularGauge::Hand() const {
    return static_cast<TGaugeHand*>(TCustomGaugeMinMax::Hand());
}

void TCircularGauge::SetCenter(const TGaugeSeriesPointer* value) { FCenter->Assign(value); }
void TCircularGauge::SetEndPoint(const TSeriesPointer* value) { FEndPoint->Assign(value); }

TChartAxis* TCircularGauge::ScaleAxis() const { return ResolvedHorizAxis(); }

double TCircularGauge::ValueAngle(double value) const {
    return DialAngleOf(value, Minimum(), Maximum(), FTotalAngle, StartAngle());
}

// --- Geometry.

void TCircularGauge::CalcRadii(const TRect& rect) {
    FXRadius = (rect.Right - rect.Left) / 2;
    FYRadius = (rect.Bottom - rect.Top) / 2;
    FDialCenter = TPoint{(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
}

void TCircularGauge::CalcGaugeRect() {
    TCustomGaugeMinMax::CalcGaugeRect();
    if (FCircled) {
        CalcRadii(FGaugeRect);
        AdjustCircleToDeviceAspect(FParentChart, FGaugeRect, FXRadius, FYRadius);
    }
    CalcRadii(FGaugeRect);
}

void TCircularGauge::CalcFaceRect() {
    TCustomGaugeMinMax::CalcFaceRect();
    CalcRadii(FFaceRect);
}

void TCircularGauge::DoBeforeDrawValues() {
    TCustomGaugeMinMax::DoBeforeDrawValues();
    CalcRadii(FFaceRect);
}

TPoint TCircularGauge::ScalePoint(double f, double rx, double ry) const {
    const double a = f * ToRadians;
    return TPoint{FDialCenter.X - RoundToInt(rx * std::cos(a)),
                  FDialCenter.Y - RoundToInt(ry * std::sin(a))};
}

int TCircularGauge::ScaleTickLength() const {
    const TChartAxis* axis = ScaleAxis();
    return axis && axis->Visible() ? Ticks()->VertSize() : 0;
}

int TCircularGauge::HandReach(double percent) const {
    if (percent <= 0) return 0;
    return RoundToInt(percent * (std::min(FXRadius, FYRadius) - ScaleTickLength()) * 0.01);
}

std::array<TPoint, 5> TCircularGauge::HandPolygon(double angle, int du, int dv) const {
    const TGaugeHand& hand = *Hand();
    const int w = hand.HorizSize();
    const int s = std::max(1, HandReach(100 - hand.Distance()));
    const int l = HandReach(hand.Offset());
    const double a = angle * ToRadians;
    const double c = std::cos(a);
    const double n = std::sin(a);
    // Across (u) and along (v) the hand, v growing towards the value.
    auto at = [&](int u, int v) {
        return TPoint{FDialCenter.X - RoundToInt(u * c + v * n),
                      FDialCenter.Y + RoundToInt(-u * n + v * c)};
    };
    return {at(du - w, dv - l), at(du + w, dv - l), at(du + w - 2, dv + s - 2), at(du, dv + s),
            at(du - w + 2, dv + s - 2)};
}

// --- Drawing.

void TCircularGauge::DrawRange(TGaugePointerRange& range, TCanvas3D& canvas) {
    if (!range.Visible()) return;
    int inset = RoundToInt(0.25 * std::min(FXRadius, FYRadius));
    if (TChartAxis* axis = ScaleAxis(); axis && axis->Labels()) {
        canvas.UseFont(axis->LabelsFont());
        inset += FRotateLabels ? canvas.MeasureLineHeight()
                               : canvas.MeasureTextWidth(FormatFloat(ValueFormat(), Maximum()));
    }
    const TRect r{FFaceRect.Left + inset, FFaceRect.Top + inset, FFaceRect.Right - inset,
                  FFaceRect.Bottom - inset};
    range.DrawArcBand(canvas, r, ValueAngle(range.StartValue()), ValueAngle(range.EndValue()));
}

void TCircularGauge::DrawFace() {
    TCustomGaugeMinMax::DrawFace();
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    DrawRange(*RedLine(), canvas);
    DrawRange(*GreenLine(), canvas);
}

void TCircularGauge::DrawScale() {
    TChartAxis* axis = ScaleAxis();
    if (!axis || !axis->Visible()) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    int rx = FXRadius;
    int ry = FYRadius;
    if (axis->Axis()->Visible()) {
        canvas.UsePen(axis->Axis());
        const double start = StartAngle() - 90;
        canvas.DrawArcByAngles(FFaceRect.Left, FFaceRect.Top, FFaceRect.Right, FFaceRect.Bottom,
                               start, start + FTotalAngle);
        const int inset = axis->Axis()->Width() / 2 + 1;
        rx -= inset;
        ry -= inset;
    }
    const TChartAxisTitle& title = *axis->Title();
    if (title.Visible() && !title.Caption().empty()) {
        canvas.UseFont(title.Font());
        const TRect& chart = FParentChart->ChartRect();
        const int x = (chart.Left + chart.Right) / 2 -
                      RoundToInt(rx / 2.5 + canvas.MeasureTextWidth(title.Caption()) * 0.5);
        const int y =
            (FGaugeRect.Top + FGaugeRect.Bottom) / 2 - RoundToInt(canvas.MeasureLineHeight() * 0.5);
        canvas.SetBackgroundMode(TRANSPARENT);
        canvas.DrawTextAt(x, y, title.Caption());
    }
    if (axis->Ticks()->Visible() || axis->Labels()) DrawTicksAndLabels(*axis, canvas, rx, ry);
    DrawMinorTicks(*axis, rx, ry);
}

void TCircularGauge::DrawTicksAndLabels(TChartAxis& axis, TCanvas3D& canvas, int rx, int ry) {
    // The scale's ticks take the Ticks marker's length and pen; the axis keeps its own.
    const int length = Ticks()->VertSize();
    const int rxi = rx - length;
    const int ryi = ry - length;
    const int count = GaugeTickCount(Minimum(), Maximum(), axis.Increment());
    const double spread = Ticks()->HorizSize();
    for (int k = 0; k < count; ++k) {
        const double value = Minimum() + k * axis.Increment();
        const double f = ValueAngle(value) - 90;
        const TPoint outer = ScalePoint(f, rx, ry);
        Ticks()->DrawGauge(
            canvas,
            {ScalePoint(f + spread * 0.2, rx, ry), ScalePoint(f - spread * 0.2, rx, ry),
             ScalePoint(f - spread * 0.1, rxi, ryi), ScalePoint(f + spread * 0.1, rxi, ryi)},
            outer);
        if (!axis.Labels()) continue;
        std::string text = FormatFloat(ValueFormat(), value);
        if (FParentChart->OnGetAxisLabel) FParentChart->OnGetAxisLabel(axis, nullptr, k, text);
        if (!text.empty()) DrawLabel(axis, canvas, text, f, outer, rx, ry, rxi, ryi);
    }
}

void TCircularGauge::DrawLabel(TChartAxis& axis, TCanvas3D& canvas, const std::string& text,
                               double f, TPoint outer, int rx, int ry, int rxi, int ryi) {
    canvas.UseFont(axis.LabelsFont());
    canvas.SetBackgroundMode(TRANSPARENT);
    const int h = canvas.MeasureLineHeight();
    const int w = canvas.MeasureTextWidth(text);
    if (FRotateLabels) {
        // Half the angle the text spans at the label's radius.
        const double a =
            FCircled ? FXRadius : std::hypot(outer.X - FDialCenter.X, outer.Y - FDialCenter.Y);
        double g = 0;
        if (a != 0)
            g = 0.5 * std::acos(std::clamp((2 * a * a - double(w) * w) / (2 * a * a), -1.0, 1.0));
        const double angle = f * ToRadians - g;
        const double r = FLabelsInside ? -h / 4.0 : h;
        const double lx = FLabelsInside ? rxi + r : rx + r;
        const double ly = FLabelsInside ? ryi + r : ry + r;
        const TPoint p{FDialCenter.X - RoundToInt(lx * std::cos(angle)),
                       FDialCenter.Y - RoundToInt(ly * std::sin(angle))};
        canvas.DrawRotatedText(p.X, p.Y, text, 90 - f);
        return;
    }
    TPoint p;
    if (FLabelsInside) {
        p = ScalePoint(f, rxi - h / 2.0, ryi - h / 2.0);
        p.Y -= RoundToInt(std::abs(f - 90) / 180 * h);
    } else {
        p = ScalePoint(f, rx + h, ry + h);
    }
    double e = std::abs(f);
    if (e > 180) e = 360 - e;
    p.X -= RoundToInt(e / 180 * w);
    canvas.DrawTextAt(p.X, p.Y, text);
}

void TCircularGauge::DrawMinorTicks(TChartAxis& axis, int rx, int ry) {
    const int perStep = axis.MinorTickCount();
    if (Maximum() == Minimum() || !axis.MinorTicks()->Visible() || perStep <= 0) return;
    const int count = GaugeTickCount(Minimum(), Maximum(), axis.Increment());
    if (count < 2 || double(count - 1) * perStep >= MaxGaugeTicks) return;
    const double step = axis.Increment() / (perStep + 1);
    const int distance = MinorTickDistance();
    for (int j = 0; j + 1 < count; ++j) {
        const double value = Minimum() + j * axis.Increment();
        for (int k = 1; k <= perStep; ++k) {
            const double f = ValueAngle(value + k * step) - 90;
            const TPoint p = ScalePoint(f, rx - distance, ry - distance);
            MinorTicks()->DrawGauge(*FParentChart->Canvas3D(), {p, p, p, p}, p);
        }
    }
}

void TCircularGauge::DrawHand() {
    // An empty range points nowhere.
    if (Maximum() == Minimum()) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const double angle = ValueAngle(Value());
    TGaugeHand& hand = *Hand();
    if (hand.Visible()) {
        if (hand.Shadow()->Visible()) {
            const auto shadow =
                HandPolygon(angle, hand.Shadow()->HorizSize(), hand.Shadow()->VertSize());
            hand.Shadow()->DrawPolygonShadow(canvas, shadow, 4);
        }
        hand.PrepareCanvas(canvas, hand.BrushColor());
        const auto points = HandPolygon(angle, 0, 0);
        if (hand.Gradient()->Visible()) {
            hand.Gradient()->DrawPolygon(canvas, points, 4, false, 0);
            canvas.Brush()->SetStyle(bsClear);
        }
        canvas.DrawPolygon(points, 4);
    }
    if (FEndPoint->Visible()) {
        const int reach = HandReach(95);
        const double a = angle * ToRadians;
        FEndPoint->DrawAt(FDialCenter.X - RoundToInt(reach * std::sin(a)),
                          FDialCenter.Y + RoundToInt(reach * std::cos(a)));
    }
    if (FCenter->Visible()) {
        // The cap's light follows the hand; the stored gradient keeps its angle.
        TTeeGradient& gradient = *FCenter->Gradient();
        const int storedAngle = gradient.Angle();
        TNotifyEvent onChange = std::move(gradient.OnChange);
        gradient.OnChange = nullptr;
        gradient.SetAngle(RoundToInt(angle) + 90);
        FCenter->PrepareCanvas(canvas, FCenter->BrushColor());
        const TRect& chart = FParentChart->ChartRect();
        FCenter->DrawAt((chart.Left + chart.Right) / 2, (FGaugeRect.Top + FGaugeRect.Bottom) / 2);
        gradient.SetAngle(storedAngle);
        gradient.OnChange = std::move(onChange);
    }
}

// --- Chart, gallery and copies.

void TCircularGauge::SetParentChart(TCustomAxisPanel* value) {
    TCustomGaugeMinMax::SetParentChart(value);
    if (ComponentState().Contains(csDestroying)) return;
    for (TSeriesPointer* marker : {static_cast<TSeriesPointer*>(FCenter.get()), FEndPoint.get()})
        marker->SetParentChart(value);
    // A chart read from a stream keeps the axis as it was saved.
    if (!value || ComponentState().Contains(csLoading)) return;
    if (TChartAxis* axis = ScaleAxis()) {
        axis->Title()->SetCaption("");
        axis->SetIncrement(10);
    }
}

void TCircularGauge::PrepareForGallery(bool enabled) {
    TCustomGaugeMinMax::PrepareForGallery(enabled);
    if (TChartAxis* axis = ScaleAxis()) axis->SetVisible(false);
    FCenter->SetHorizSize(3);
    FCenter->SetVertSize(3);
    Hand()->SetHorizSize(2);
    Hand()->SetDistance(100);
    RedLine()->SetVertSize(5);
    SetValue(72);
}

void TCircularGauge::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TCircularGauge*>(source)) {
        FCenter->Assign(other->FCenter.get());
        FCircled = other->FCircled;
        FEndPoint->Assign(other->FEndPoint.get());
        Hand()->Assign(other->Hand());
        FLabelsInside = other->FLabelsInside;
        FRotateLabels = other->FRotateLabels;
        FRotationAngle = other->FRotationAngle;
        FTotalAngle = other->FTotalAngle;
    }
    TCustomGaugeMinMax::Assign(source);
}

void TCircularGauge::Publish(TPublisher<TCircularGauge>& p) {
    using G = TCircularGauge;
    p.Object("Center", &G::Center, &G::SetCenter);
    p.Boolean("Circled", &G::Circled, &G::SetCircled).Default(true);
    p.Object("EndPoint", &G::EndPoint, &G::SetEndPoint);
    p.Boolean("LabelsInside", &G::LabelsInside, &G::SetLabelsInside).Default(true);
    p.Inherited("MinorTickDistance").Default(3);
    p.Boolean("RotateLabels", &G::RotateLabels, &G::SetRotateLabels).Default(true);
    p.Float("RotationAngle", &G::RotationAngle, &G::SetRotationAngle).Default(0);
    p.Float("TotalAngle", &G::TotalAngle, &G::SetTotalAngle).Default(300);
}
