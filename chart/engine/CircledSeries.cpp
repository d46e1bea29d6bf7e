#include "chart/engine/CircledSeries.h"

#include <cmath>
#include <numbers>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/Callout.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartWalls.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Mapping.h"
#include "platform/rtl/RtlMath.h"

TCircledShadow::TCircledShadow(TNotifyEvent onChange) : TTeeShadow(std::move(onChange)) {
    SetDefaults(0xA0A0A0, 3);
}

TCircledSeries::TCircledSeries(TComponent* owner)
    : TChartSeries(owner),
      FShadow(std::make_unique<TCircledShadow>(StyleChangedEvent())),
      FGradient(std::make_unique<TTeeGradient>(StyleChangedEvent())) {
    XValues().SetName(TxtAngle);
    ClipsToAxisRange = false;
}

// The chart gets its own view back when the series goes.
TCircledSeries::~TCircledSeries() { RestoreView(); }

void TCircledSeries::RestoreView() {
    TCustomAxisPanel* chart = ParentChart();
    if (FSavedView && chart && !chart->ComponentState().Contains(csDestroying))
        chart->View3DOptions()->Assign(FSavedView.get());
    FSavedView.reset();
}

void TCircledSeries::Publish(TPublisher<TCircledSeries>& p) {
    using S = TCircledSeries;
    p.Color("CircleBackColor", &S::CircleBackColor, &S::SetCircleBackColor).Default(clDefault);
    p.Boolean("Circled", &S::Circled, &S::SetCircled).Default(false);
    p.Integer("CustomXRadius", &S::CustomXRadius, &S::SetCustomXRadius).Default(0);
    p.Integer("CustomYRadius", &S::CustomYRadius, &S::SetCustomYRadius).Default(0);
    p.Object("Gradient", &S::Gradient, &S::SetGradient);
    p.Integer("RotationAngle", &S::RotationAngle, &S::SetRotationAngle).Default(0);
    p.Object("Shadow", &S::Shadow, &S::SetShadow);
}

void TCircledSeries::SetGradient(const TTeeGradient* value) { FGradient->Assign(value); }

template <class F>
void TCircledSeries::ForEachOfClass(F&& apply) {
    if (!ParentChart()) {
        apply(*this);
        return;
    }
    for (int i = 0; i < ParentChart()->SeriesCount(); ++i)
        if (auto* s = dynamic_cast<TCircledSeries*>(ParentChart()->GetSeries(i));
            s && InheritsFrom(s->ClassType()))
            apply(*s);
}

void TCircledSeries::SetCircled(bool value) {
    ForEachOfClass([value](TCircledSeries& s) {
        s.FCircled = value;
        if (!s.ComponentState().Contains(csLoading)) s.FCustomXRadius = s.FCustomYRadius = 0;
        s.Repaint();
    });
}

void TCircledSeries::SetCustomXRadius(int value) {
    ForEachOfClass([value](TCircledSeries& s) { s.ChangeField(s.FCustomXRadius, value); });
}

void TCircledSeries::SetCustomYRadius(int value) {
    ForEachOfClass([value](TCircledSeries& s) { s.ChangeField(s.FCustomYRadius, value); });
}

void TCircledSeries::SetRotationAngle(int value) {
    ChangeField(FRotationAngle, value % 360);
    FRotation = FRotationAngle * std::numbers::pi / 180;
}

void TCircledSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCircledSeries*>(source)) {
        FCircled = other->FCircled;
        SetRotationAngle(other->FRotationAngle);
        FCustomXRadius = other->FCustomXRadius;
        FCustomYRadius = other->FCustomYRadius;
        FCircleBackColor = other->FCircleBackColor;
        FGradient->Assign(other->FGradient.get());
        FShadow->Assign(other->FShadow.get());
    }
    TChartSeries::Assign(source);
}

// --- Geometry.

void TCircledSeries::AngleToPoint(double angle, double xRadius, double yRadius, int& x,
                                  int& y) const {
    const double a = angle + FRotation;
    x = CircleXCenter + RoundToInt(std::cos(a) * xRadius);
    y = CircleYCenter - RoundToInt(std::sin(a) * yRadius);
}

double TCircledSeries::PointToAngle(int x, int y) const {
    constexpr double pi = std::numbers::pi;
    double angle;
    if (x == CircleXCenter)
        angle = y < CircleYCenter ? pi / 2 : -pi / 2;
    else if (XRadius == 0 || YRadius == 0)
        angle = 0;
    else
        angle =
            std::atan2(double(CircleYCenter - y) / YRadius, double(x - CircleXCenter) / XRadius);
    if (angle < 0) angle += 2 * pi;
    angle -= FRotation;
    if (angle < 0) angle += 2 * pi;
    return angle;
}

void TCircledSeries::NormalizeCircle() {
    TRect& r = CircleRect;
    if ((r.Right - r.Left) % 2 != 0) --r.Right;
    if ((r.Bottom - r.Top) % 2 != 0) --r.Bottom;
    if (r.Right - r.Left < 4) r.Right = r.Left + 4;
    if (r.Bottom - r.Top < 4) r.Bottom = r.Top + 4;
    CircleWidth = r.Right - r.Left;
    CircleHeight = r.Bottom - r.Top;
    CircleXCenter = (r.Left + r.Right) / 2;
    CircleYCenter = (r.Top + r.Bottom) / 2;
}

void TCircledSeries::CalcRadii() {
    if (FCustomXRadius != 0) {
        XRadius = FCustomXRadius;
        CircleWidth = 2 * XRadius;
    } else {
        XRadius = CircleWidth / 2;
    }
    if (FCustomYRadius != 0) {
        YRadius = FCustomYRadius;
        CircleHeight = 2 * YRadius;
    } else {
        YRadius = CircleHeight / 2;
    }
    CircleRect = TRect{CircleXCenter - XRadius, CircleYCenter - YRadius, CircleXCenter + XRadius,
                       CircleYCenter + YRadius};
}

void AdjustCircleToDeviceAspect(const TCustomTeePanel* chart, TRect& rect, int xRadius,
                                int yRadius) {
    TCanvas* device = chart ? chart->Canvas3D()->BoundCanvas() : nullptr;
    double ratio = 1;
    if (device) {
        const int h = device->DeviceCaps(VERTRES);
        if (h != 0) ratio = double(device->DeviceCaps(HORZRES)) / h;
        if (const double physical = DeviceSizeRatio(device); physical != 0) ratio /= physical;
    }
    const int c = RoundToInt(yRadius * ratio);
    if (xRadius > c) {
        const int d = xRadius - c;
        rect.Left += d;
        rect.Right -= d;
    } else {
        const int d = yRadius - RoundToInt(xRadius / ratio);
        rect.Top += d;
        rect.Bottom -= d;
    }
}

void TCircledSeries::AdjustCircleToAspect(TRect& rect, int xRadius, int yRadius) const {
    AdjustCircleToDeviceAspect(ParentChart(), rect, xRadius, yRadius);
}

TColor TCircledSeries::EffectiveBackColor() const {
    if (FCircleBackColor != clDefault) return FCircleBackColor;
    if (!ParentChart()) return clDefault;
    if (ParentChart()->Printing()) return clWhite;
    TColor color = clDefault;
    if (auto* chart = dynamic_cast<const TCustomChart*>(ParentChart()))
        if (const TChartBackWall* wall = chart->BackWall(); wall && !wall->Transparent())
            color = wall->Color();
    return color == clDefault ? ParentChart()->Color() : color;
}

bool TCircledSeries::HasCircleBackColor() const {
    return FCircleBackColor != clDefault && FCircleBackColor != clNone;
}

void TCircledSeries::DrawCircleBackground() {
    TCustomAxisPanel& chart = *ParentChart();
    const bool view3D = chart.View3D();
    if (view3D && !chart.View3DOptions()->Orthogonal()) return;
    TCanvas3D& canvas = *chart.Canvas3D();
    TRect r{CircleXCenter - CircleWidth / 2, CircleYCenter - CircleHeight / 2,
            CircleXCenter + CircleWidth / 2, CircleYCenter + CircleHeight / 2};
    if (FShadow->Visible()) FShadow->DrawEllipseShadow(canvas, r, BackDepth);
    if (view3D) r = canvas.ProjectRect(r, BackDepth);
    canvas.ClipToEllipse(TRect{r.Left, r.Top, r.Right + 2, r.Bottom + 2}, false);
    FGradient->DrawInRect(canvas, r);
    canvas.RemoveClipping();
}

// --- Before the points are drawn.

void TCircledSeries::DoBeforeDrawValues() {
    TChartSeries::DoBeforeDrawValues();
    TCustomAxisPanel& chart = *ParentChart();
    CircleRect = chart.ChartRect();
    NormalizeCircle();
    if (Marks()->Visible() && RoomForMarks) {
        TCanvas3D& canvas = *chart.Canvas3D();
        int l = Marks()->Callout()->Length();
        if (Marks()->Pen()->Visible()) l += 2 * Marks()->Pen()->Width();
        canvas.UseFont(Marks()->Font());
        const int h = canvas.MeasureLineHeight();
        const int w = canvas.MeasureTextWidth("W") + chart.MaxMarkWidthOfSeries() + l;
        CircleRect = TRect{CircleRect.Left + w, CircleRect.Top + l + h, CircleRect.Right - w,
                           CircleRect.Bottom - l - h};
        NormalizeCircle();
    } else {
        ShareCircleRect();
    }
    if (FCircled) {
        CalcRadii();
        AdjustCircleToAspect(CircleRect, XRadius, YRadius);
        NormalizeCircle();
    }
    CalcRadii();
}

void TCircledSeries::ShareCircleRect() {
    TCustomAxisPanel& chart = *ParentChart();
    bool after = false;
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        TChartSeries* s = chart.GetSeries(i);
        if (s == this) {
            after = true;
            continue;
        }
        auto* circled = dynamic_cast<TCircledSeries*>(s);
        if (!circled || !s->Active() || !IsSameKindAs(*s) || !s->Marks()->Visible()) continue;
        // A series drawn later has not measured its circle yet.
        if (after) circled->DoBeforeDrawValues();
        CircleRect = circled->CircleRect;
        NormalizeCircle();
        CalcRadii();
        return;
    }
}

// --- The chart's 3-D view.

void TCircledSeries::Use3DView(bool restore) {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || chart->ComponentState().Contains(csDestroying)) return;
    if (chart->Canvas3D()->SupportsFreeRotation() || !chart->View3DOptions()) return;
    const bool destroying = ComponentState().Contains(csDestroying);
    if (!restore || (Active() && !destroying)) {
        if (FSavedView) return;
        FSavedView = std::make_unique<TView3DOptions>();
        FSavedView->Assign(chart->View3DOptions());
        SetChart3DView(*chart->View3DOptions());
    } else {
        RestoreView();
    }
}

void TCircledSeries::SetParentChart(TCustomAxisPanel* value) {
    if (value == ParentChart()) return;
    // Leaving gives the chart its view back, active or not.
    RestoreView();
    TChartSeries::SetParentChart(value);
    if (value) Use3DView(false);
}

void TCircledSeries::SetActive(bool value) {
    TChartSeries::SetActive(value);
    Use3DView(!value);
}

void TCircledSeries::PrepareLegendCanvas(int /*valueIndex*/, TColor& backColor,
                                         TBrushStyle& /*style*/) {
    backColor = EffectiveBackColor();
}
