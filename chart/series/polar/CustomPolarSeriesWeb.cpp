// The polar web behind (or in front of) the points: the circle, the radius rings, the angle
// spokes and labels and the radius scale drawn as straight radii. Every loop here is capped at
// MaxPolarSteps: an angle increment of 1e-9 or a radius range of 1e9 in steps of 10 would
// otherwise never finish a paint.
#include <cmath>
#include <vector>

#include "chart/engine/AxisGridPen.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/BackImage.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/series/algo/PolarScale.h"
#include "chart/series/polar/CustomPolarSeries.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/RtlMath.h"

bool TCustomPolarSeries::IsFirstOfClass() const {
    for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
        const TChartSeries* s = FParentChart->GetSeries(i);
        if (s->Active() && &s->ClassType() == &ClassType()) return s == this;
    }
    return false;
}

bool TCustomPolarSeries::IsLastOfClass() const {
    bool after = false;
    for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
        const TChartSeries* s = FParentChart->GetSeries(i);
        if (s == this)
            after = true;
        else if (after && &s->ClassType() == &ClassType())
            return false;
    }
    return true;
}

bool TCustomPolarSeries::AxesBehind() const { return FParentChart->AxesBehind(); }

void TCustomPolarSeries::DoBeforeDrawValues() {
    TCircledSeries::DoBeforeDrawValues();
    const bool first = IsFirstOfClass();
    if (first && FCircleLabels && !FCircleLabelsInside) {
        // Room for the labels outside the rim.
        TCanvas3D& canvas = *FParentChart->Canvas3D();
        canvas.UseFont(FCircleLabelsFont.get());
        const int h = canvas.MeasureLineHeight() + 2;
        const int w = canvas.MeasureTextWidth("360");
        const TRect r = FParentChart->ChartRect();
        FParentChart->SetChartRect(TRect{r.Left + w, r.Top + h, r.Right - w, r.Bottom - h});
        TCircledSeries::DoBeforeDrawValues();
    }
    if (!first) return;
    DrawCircle();
    if (AxesBehind()) DrawPolarAxes();
}

void TCustomPolarSeries::DoAfterDrawValues() {
    if (!AxesBehind() && IsLastOfClass()) DrawPolarAxes();
    TCircledSeries::DoAfterDrawValues();
}

void TCustomPolarSeries::DrawRing(int xRadius, int yRadius, int z) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (FRingSides == 0) {
        canvas.DrawEllipseAtZ(CircleXCenter - xRadius, CircleYCenter - yRadius,
                              CircleXCenter + xRadius, CircleYCenter + yRadius, z);
        return;
    }
    const double step = AngleIncrement();
    const bool filled = canvas.Brush()->Style() != bsClear;
    TPoint previous;
    AngleToPointDegrees(0, xRadius, yRadius, previous.X, previous.Y);
    canvas.MovePenTo3D(previous.X, previous.Y, z);
    for (int k = 0; k <= FRingSides && k <= MaxPolarSteps; ++k) {
        TPoint p;
        AngleToPointDegrees(k * step, xRadius, yRadius, p.X, p.Y);
        if (filled) {
            const TPenStyle style = canvas.Pen()->Style();
            canvas.Pen()->SetStyle(psClear);
            canvas.FillTriangleAtZ(Centre(), previous, p, z);
            canvas.Pen()->SetStyle(style);
            canvas.MovePenTo3D(previous.X, previous.Y, z);
        }
        canvas.DrawLineTo3D(p.X, p.Y, z);
        previous = p;
    }
}

void TCustomPolarSeries::DrawCircle() {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (HasCircleBackColor()) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(EffectiveBackColor());
    } else {
        canvas.Brush()->SetStyle(bsClear);
    }
    const bool flat = !FParentChart->View3D() || FParentChart->View3DOptions()->Orthogonal();
    if (auto* image = FParentChart->BackImageIfAny();
        image && image->Inside() && image->Graphic() && flat) {
        TRect r{CircleRect.Left + 1, CircleRect.Top + 1, CircleRect.Right + 1,
                CircleRect.Bottom + 1};
        if (FParentChart->View3D()) r = canvas.ProjectRect(r, BackDepth);
        canvas.ClipToEllipse(r, false);
        DrawPictureInRect(*image, *FParentChart, CircleRect, BackDepth);
        canvas.RemoveClipping();
    }
    if (Gradient()->Visible()) DrawCircleBackground();
    canvas.UsePen(FCirclePen.get());
    DrawRing(CircleWidth / 2, CircleHeight / 2, BackDepth);
}

void TCustomPolarSeries::DrawCircleBackground() {
    if (FRingSides == 0) {
        TCircledSeries::DrawCircleBackground();
        return;
    }
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    std::vector<TPoint> polygon;
    const double step = AngleIncrement();
    for (int k = 0; k < FRingSides && k < MaxPolarSteps; ++k) {
        TPoint p;
        AngleToPointDegrees(k * step, CircleWidth / 2.0, CircleHeight / 2.0, p.X, p.Y);
        if (FParentChart->View3D()) p = canvas.ProjectPoint(p.X, p.Y, BackDepth);
        polygon.push_back(p);
    }
    if (polygon.size() < 3) return;
    TRect bounds{polygon[0].X, polygon[0].Y, polygon[0].X, polygon[0].Y};
    for (const TPoint& p : polygon) {
        bounds.Left = std::min(bounds.Left, p.X);
        bounds.Top = std::min(bounds.Top, p.Y);
        bounds.Right = std::max(bounds.Right, p.X);
        bounds.Bottom = std::max(bounds.Bottom, p.Y);
    }
    canvas.ClipToPolygon(polygon, int(polygon.size()) - 1, false);
    Gradient()->DrawInRect(canvas, bounds);
    canvas.RemoveClipping();
}

// --- The polar axes.

void TCustomPolarSeries::DrawPolarAxes() {
    RingCount = SpokeCount = 0;
    DrawSpokesAndLabels();
    DrawRings();
    if (FParentChart->AxisVisible()) DrawRadialScales();
}

void TCustomPolarSeries::DrawSpokesAndLabels() {
    TChartAxis* axis = ResolvedHorizAxis();
    if (!axis) return;
    const bool grid = axis->Grid()->Visible();
    if (!grid && !FCircleLabels) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    double step = axis->Increment();
    if (step <= 0) step = 10;
    const TColor gridColor = axis->Grid()->Color() == clDefault ? 0x808080 : axis->Grid()->Color();
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetBackgroundMode(TRANSPARENT);
    const int count = PolarStepCount(step);
    for (int i = 0; i < count; ++i) {
        const double angle = i * step;
        if (FCircleLabels) DrawAngleLabel(angle, i);
        if (grid) {
            canvas.UsePenWithColor(axis->Grid(), gridColor);
            int x = 0, y = 0;
            AngleToPointDegrees(angle, XRadius, YRadius, x, y);
            canvas.DrawLineAtZ(CircleXCenter, CircleYCenter, x, y, BackDepth);
            ++SpokeCount;
        }
    }
}

void TCustomPolarSeries::DrawRings() {
    TChartAxis* axis = ResolvedVertAxis();
    if (!axis || !axis->Grid()->Visible()) return;
    const double inc = axis->ComputeLabelIncrement();
    const double minimum = axis->Minimum(), maximum = axis->Maximum();
    if (!(inc > 0) || std::abs(maximum / inc) >= 2147483647.0 ||
        std::abs((maximum - minimum) / inc) >= MaxPolarSteps)
        return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(axis->Grid());
    canvas.Brush()->SetStyle(bsClear);
    double value = axis->RoundFirstLabel() ? std::trunc(maximum / inc) * inc : maximum;
    const double range = maximum - minimum;
    auto ring = [&](double v) {
        const double t = range == 0 ? 0 : (v - minimum) / range;
        DrawRing(RoundToInt(XRadius * t), RoundToInt(YRadius * t), BackDepth);
        ++RingCount;
    };
    if (axis->LabelsOnAxis()) {
        while (value > maximum) value -= inc;
        for (; value >= minimum && RingCount < MaxPolarSteps; value -= inc) ring(value);
    } else {
        while (value >= maximum) value -= inc;
        for (; value > minimum && RingCount < MaxPolarSteps; value -= inc) ring(value);
    }
}

void TCustomPolarSeries::DrawRadialScales() {
    TChartAxis* vertical = ResolvedVertAxis();
    if (!vertical) return;
    const double minimum = vertical->Minimum(), maximum = vertical->Maximum();
    const double increment = vertical->Increment();
    auto drawAxis = [&](TChartAxis* axis, int labels, int position, int start, int end) {
        if (!axis->Visible()) return;
        axis->SetLogarithmic(vertical->Logarithmic());
        const int offset = axis->LineAndTicksSize();
        axis->DrawWithRangeAt(labels + offset, labels + offset, position, false, minimum, maximum,
                              increment, start, end);
    };
    TChartAxis* right = FParentChart->RightAxis();
    if (FRingSides > 0) right->SetInvertedQuietly(vertical->Inverted());
    drawAxis(right, CircleXCenter, CircleXCenter, CircleYCenter - YRadius, CircleYCenter);
    if (FRingSides > 0) return;
    TChartAxis* left = FParentChart->LeftAxis();
    TChartAxis* top = FParentChart->TopAxis();
    left->SetInvertedQuietly(true);
    top->SetInvertedQuietly(true);
    drawAxis(left, CircleXCenter, CircleXCenter, CircleYCenter, CircleYCenter + YRadius);
    drawAxis(top, CircleYCenter, CircleYCenter, CircleXCenter - XRadius, CircleXCenter);
    drawAxis(FParentChart->BottomAxis(), CircleYCenter, CircleYCenter, CircleXCenter,
             CircleXCenter + XRadius);
    left->SetInvertedQuietly(false);
    top->SetInvertedQuietly(false);
}

// --- Angle labels.

std::string TCustomPolarSeries::AngleLabelText(int /*index*/, double angle) {
    return PolarAngleText(angle, FClockWiseLabels);
}

void TCustomPolarSeries::DrawAngleLabel(double angle, int index) {
    if (angle >= 360) angle -= 360;
    std::string text = AngleLabelText(index, angle);
    if (OnGetCircleLabel) OnGetCircleLabel(*this, angle, index, text);
    if (text.empty()) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UseFont(FCircleLabelsFont.get());
    const int h = canvas.MeasureLineHeight();
    double xr = XRadius, yr = YRadius;
    int margin = FLabelsMargin;
    if (FCircleLabelsInside) {
        xr -= canvas.MeasureTextWidth("   ");
        yr -= h;
        margin = -margin;
    }
    xr += RoundToInt(xr * margin / 100.0);
    yr += RoundToInt(yr * margin / 100.0);
    int x = 0, y = 0;
    AngleToPointDegrees(angle, xr, yr, x, y);
    double g = angle + RotationAngle();
    while (g >= 360) g -= 360;
    while (g < 0) g += 360;
    if (FCircleLabelsRotated) {
        const int s = (g <= 90 || g >= 270) ? -1 : 1;
        x += s * RoundToInt(std::sin(g * 0.017453292519943295) * h / 2);
        y += s * RoundToInt(std::cos(g * 0.017453292519943295) * h / 2);
        if (g > 90 && g < 270) {
            canvas.SetTextAlignment(TA_RIGHT);
            canvas.DrawRotatedTextAtZ(x, y, BackDepth, text, g + 180);
        } else {
            canvas.SetTextAlignment(TA_LEFT);
            canvas.DrawRotatedTextAtZ(x, y, BackDepth, text, g);
        }
        return;
    }
    if (g == 0 || g == 180)
        y -= h / 2;
    else if (g > 0 && g < 180)
        y -= h;
    unsigned align = TA_LEFT;
    if (g == 90 || g == 270)
        align = TA_CENTER;
    else if (g > 90 && g < 270)
        align = FCircleLabelsInside ? TA_LEFT : TA_RIGHT;
    else
        align = FCircleLabelsInside ? TA_RIGHT : TA_LEFT;
    const int half = canvas.MeasureTextWidth("0") / 2;
    if (g == 0) x += half;
    if (g == 180) x -= half;
    canvas.SetTextAlignment(align);
    canvas.DrawTextAtZ(x, y, BackDepth, text);
}
