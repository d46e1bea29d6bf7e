// Drawing the pie: its cell when several pies share the chart, the slices in 2-D and 3-D (far
// side first), exploded slices, patterns and gradients, marks with legs, the slice under a
// point, and the legend symbol.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/Callout.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/PieSeries.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ColorRoutines.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/QuickSortWithCallbacks.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/rtl/RtlMath.h"

namespace {
constexpr double Pi = std::numbers::pi;
}  // namespace

// --- Several pies in one chart.

void TPieSeries::DoBeforeDrawValues() {
    TCustomAxisPanel& chart = *ParentChart();
    FSavedChartRect = chart.ChartRect();
    FChartRectSaved = true;
    if (FMultiPie == mpAutomatic) {
        int count = 0, place = 0;
        for (int i = 0; i < chart.SeriesCount(); ++i) {
            const TChartSeries* s = chart.GetSeries(i);
            if (!s->Active() || !IsSameKindAs(*s)) continue;
            if (s == this) place = count;
            ++count;
        }
        if (count >= 2) {
            // A grid of round(sqrt N) columns, enough rows for all.
            const int columns = RoundToInt(std::sqrt(double(count)));
            const int rows = RoundToInt(std::sqrt(double(count)) + 0.5);
            const TRect r = FSavedChartRect;
            const int w = (r.Right - r.Left) / columns, h = (r.Bottom - r.Top) / rows;
            const int left = r.Left + (place % columns) * w, top = r.Top + (place / columns) * h;
            chart.SetChartRect(
                chart.Canvas3D()->ProjectRect(TRect{left, top, left + w, top + h}, 0));
        }
    }
    TCircledSeries::DoBeforeDrawValues();
}

void TPieSeries::DoAfterDrawValues() {
    if (FChartRectSaved) ParentChart()->SetChartRect(FSavedChartRect);
    FChartRectSaved = false;
    TCircledSeries::DoAfterDrawValues();
}

// --- Explode and height.

void TPieSeries::ExplodeOffset(int valueIndex, int& dx, int& dy) {
    dx = dy = 0;
    const int e = FExploded.Value(valueIndex);
    if (!HasExplodedSlice || FExploded.Count() == 0 || e <= 0) return;
    const std::vector<TSliceAngles>& angles = Angles();
    if (valueIndex >= int(angles.size())) return;
    double a = angles[size_t(valueIndex)].Middle + RotationRadians();
    if (ParentChart()->Canvas3D()->SupportsFreeRotation()) a += Pi + FAngleSize * Pi / 45;
    dx = RoundToInt(std::cos(a) * XRadius * e / 100);
    dy = RoundToInt(std::sin(a) * YRadius * e / 100);
}

int TPieSeries::SliceBackDepth(int valueIndex) const {
    if (valueIndex >= FHeights.Count()) return BackDepth;
    return FrontDepth + RoundToInt(FHeights.Value(valueIndex) * (BackDepth - FrontDepth) / 100.0);
}

// --- All slices.

void TPieSeries::DrawAllValues() {
    if (FirstInView < 0) return;
    TCustomAxisPanel& chart = *ParentChart();
    TCanvas3D& canvas = *chart.Canvas3D();
    ApplyExplodeBiggest();
    int mostExploded = -1;
    for (int i = FirstInView; i <= LastInView; ++i)
        if (FExploded.Value(i) > 0 &&
            (mostExploded == -1 || FExploded.Value(i) > FExploded.Value(mostExploded)))
            mostExploded = i;
    Angles();
    HasExplodedSlice = mostExploded != -1 || FHeights.Count() > 0;
    if (mostExploded != -1) {
        // The circle shrinks so that the slice moved furthest still fits.
        int dx, dy;
        ExplodeOffset(mostExploded, dx, dy);
        const int hx = std::abs(dx) / 2, hy = std::abs(dy) / 2;
        CircleRect = TRect{CircleRect.Left + hx, CircleRect.Top + hy, CircleRect.Right - hx,
                           CircleRect.Bottom - hy};
        NormalizeCircle();
        CalcRadii();
    }
    if (Shadow()->Visible() && (Shadow()->HorizSize() != 0 || Shadow()->VertSize() != 0))
        Shadow()->DrawEllipseShadow(canvas, CircleRect, BackDepth - 10);
    const bool plainFull3D = mostExploded == -1 && FDonutPercent == 0 && FAngleSize == 360;
    if (!chart.View3D() || canvas.SupportsFreeRotation() || plainFull3D)
        TCircledSeries::DrawAllValues();
    else
        DrawSlicesFarSideFirst();
    if (TChartLegend* legend = FOtherSlice->LegendIfAny(); legend && legend->Visible()) {
        DrawingOtherLegend = true;
        struct TReset {
            bool& flag;
            ~TReset() { flag = false; }
        } reset{DrawingOtherLegend};
        legend->DrawLegend();
    }
}

void TPieSeries::DrawSlicesFarSideFirst() {
    const std::vector<TSliceAngles>& angles = Angles();
    const double size = FAngleSize * Pi / 180;
    std::vector<int> order;
    for (int i = FirstInView; i <= LastInView; ++i) order.push_back(i);
    // How far a slice's middle lies from the far side of the pie (a quarter of the size).
    auto distance = [&](int i) {
        double a = std::fmod(angles[size_t(i)].Middle + RotationRadians(), size);
        if (a < 0) a += size;
        double d = std::fabs(a - size / 4);
        if (d > Pi) d = 2 * Pi - d;
        return d;
    };
    QuickSortWithCallbacks(
        0, int(order.size()) - 1,
        [&](int a, int b) {
            const double da = distance(order[size_t(a)]), db = distance(order[size_t(b)]);
            return da < db ? -1 : (da > db ? 1 : 0);
        },
        [&](int a, int b) { std::swap(order[size_t(a)], order[size_t(b)]); });
    // A donut or a partial pie shows its cut sides at the first and the last slice.
    const bool sides = FExploded.Count() == 0 && (FDonutPercent > 0 || FAngleSize != 360);
    const bool exploded = HasExplodedSlice;
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    for (int i : order) {
        if (sides) HasExplodedSlice = exploded || i == FirstInView || i == LastInView;
        canvas.BeginNamedPart(std::to_string(i));
        DrawValue(i);
        canvas.EndNamedPart();
    }
    HasExplodedSlice = exploded;
}

// --- One slice.

TColor TPieSeries::SliceColor(int valueIndex) const {
    if (ParentChart() && ParentChart()->Monochrome()) return clBlack;
    return ValueColor(valueIndex);
}

void TPieSeries::DrawValue(int valueIndex) {
    if (CircleWidth < 5 || CircleHeight < 5 || IsGrouped(valueIndex)) return;
    PrepareSlice(valueIndex, SliceColor(valueIndex));
    DrawSlice(valueIndex);
}

void TPieSeries::PrepareSlice(int valueIndex, TColor color) {
    TCustomAxisPanel& chart = *ParentChart();
    TCanvas3D& canvas = *chart.Canvas3D();
    static constexpr TBrushStyle patterns[] = {bsHorizontal, bsVertical, bsFDiagonal,
                                               bsBDiagonal,  bsCross,    bsDiagCross};
    const TBrushStyle saved = Brush()->Style();
    if (FUsePatterns || chart.Monochrome()) Brush()->SetStyle(patterns[valueIndex % 6]);
    if (color == clNone) {
        canvas.Brush()->SetStyle(bsClear);
    } else {
        chart.ApplyBrush(color, Brush(), EffectiveBackColor());
        if (Gradient()->Visible()) {
            Gradient()->SetEndColor(color);
            if (FGradientBright != 0)
                Gradient()->SetStartColor(FGradientBright > 0
                                              ? LightenColor(color, FGradientBright)
                                              : DarkenColor(color, -FGradientBright));
        }
    }
    if (Brush()->Style() != saved) Brush()->SetStyle(saved);
    if (FDarkPen > 0)
        canvas.UsePenWithColor(Pen(),
                               DarkenColor(color == clNone ? clBlack : color, 255 - FDarkPen));
    else
        canvas.UsePen(Pen());
}

void TPieSeries::DrawSlice(int valueIndex) {
    TCustomAxisPanel& chart = *ParentChart();
    TCanvas3D& canvas = *chart.Canvas3D();
    const std::vector<TSliceAngles>& angles = Angles();
    if (valueIndex >= int(angles.size())) return;
    const TSliceAngles& a = angles[size_t(valueIndex)];
    int dx, dy;
    ExplodeOffset(valueIndex, dx, dy);
    const double rotation = RotationRadians();
    if (chart.View3D()) {
        canvas.DrawPieSlice3D(CircleXCenter + dx, CircleYCenter - dy, XRadius, YRadius, FrontDepth,
                              SliceBackDepth(valueIndex), a.Start + rotation, a.End + rotation,
                              FDark3D, HasExplodedSlice, FDonutPercent,
                              Gradient()->Visible() ? Gradient() : nullptr);
        return;
    }
    if (FDonutPercent == 0) {
        int x0, y0, x1, y1;
        AngleToPoint(a.Start, XRadius, YRadius, x0, y0);
        AngleToPoint(a.End, XRadius, YRadius, x1, y1);
        // A slice whose ends meet on one pixel is too thin to draw (unless it is the whole pie).
        if (x0 == x1 && y0 == y1 && Count() != 1 && a.End - a.Start <= 1) return;
        const TRect& r = CircleRect;
        canvas.DrawPie(r.Left + dx, r.Top - dy, r.Right + dx, r.Bottom - dy, x0 + dx, y0 - dy,
                       x1 + dx, y1 - dy);
        return;
    }
    if (YValues()[valueIndex] != 0)
        canvas.DrawDonutSlice(CircleXCenter + dx, CircleYCenter - dy, XRadius, YRadius,
                              a.Start + rotation, a.End + rotation, FDonutPercent);
}

// --- Marks.

void TPieSeries::DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) {
    if (IsGrouped(valueIndex)) return;
    const std::vector<TSliceAngles>& angles = Angles();
    if (valueIndex >= int(angles.size())) return;
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    const double e = FExploded.Value(valueIndex) / 100.0;
    const int rx = RoundToInt(XRadius * (1 + e)), ry = RoundToInt(YRadius * (1 + e));
    const int distance = Marks()->Callout()->Distance();
    const int l = Marks()->Callout()->Length() + distance;
    double angle = angles[size_t(valueIndex)].Middle;
    if (canvas.SupportsFreeRotation()) angle += 3 * Pi / 2;
    Marks()->ZPosition = SliceBackDepth(valueIndex);
    TPoint end, start;
    AngleToPoint(angle, rx + l, ry + l, end.X, end.Y);
    AngleToPoint(angle, rx + distance, ry + distance, start.X, start.Y);
    const bool right = end.X > CircleXCenter;
    const bool below = end.Y > CircleYCenter;
    position.LeftTop.X = right ? end.X : end.X - position.Width;
    position.LeftTop.Y = below ? end.Y : end.Y - position.Height;
    if (FPieMarks->VertCenter()) end.Y += below ? position.Height / 2 : -position.Height / 2;
    position.HasMid = false;
    if (const int leg = FPieMarks->LegSize(); leg > 0) {
        position.HasMid = true;
        position.MidPoint.Y = end.Y;
        if (right) {
            position.MidPoint.X = end.X - leg;
            if (position.MidPoint.X < start.X) {
                // The leg would cross back over the callout: it grows outward instead.
                position.MidPoint.X = start.X;
                end.X += leg;
                position.LeftTop.X += leg;
            }
        } else {
            position.MidPoint.X = end.X + leg;
            if (position.MidPoint.X > start.X) {
                position.MidPoint.X = start.X;
                end.X = start.X - leg;
                position.LeftTop.X = end.X - position.Width;
            }
        }
    }
    position.ArrowFrom = start;
    position.ArrowTo = end;
    if (FAutoMarkPosition) Marks()->AntiOverlap(FirstInView, valueIndex, position);
    TCircledSeries::DrawMark(valueIndex, text, position);
}

int TPieSeries::PointXPixel(int index) const {
    if (XValues()[index] == OtherSliceX || XValues()[index] == GroupedX) return 0;
    return TCircledSeries::PointXPixel(index);
}

void TPieSeries::ValueScreenPoint(int valueIndex, int& x, int& y) const {
    if (valueIndex < 0 || valueIndex >= int(FAngles.size())) {
        TCircledSeries::ValueScreenPoint(valueIndex, x, y);
        return;
    }
    const double e = FExploded.Value(valueIndex) / 100.0;
    AngleToPoint(FAngles[size_t(valueIndex)].Middle, XRadius * (1 + e), YRadius * (1 + e), x, y);
}

// --- Clicks.

int TPieSeries::ValueIndexAt(int x, int y) {
    const int base = TCircledSeries::ValueIndexAt(x, y);
    return base != -1 ? base : SliceAtPoint(x, y);
}

int TPieSeries::SliceAtPoint(int x, int y) {
    if (FAngles.empty() || !ParentChart()) return -1;
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    const TPoint p{x, y};
    std::array<TPoint, 31> polygon;
    for (int i = 0; i < int(FAngles.size()) && i < Count(); ++i) {
        if (IsGrouped(i)) continue;
        const TSliceAngles& a = FAngles[size_t(i)];
        int dx, dy;
        ExplodeOffset(i, dx, dy);
        const int back = SliceBackDepth(i);
        polygon[0] = canvas.ProjectPoint(CircleXCenter + dx, CircleYCenter - dy, back);
        const double step = (a.End - a.Start) / 30;
        for (int k = 0; k < 30; ++k) {
            int px, py;
            AngleToPoint(a.End - k * step, XRadius, YRadius, px, py);
            polygon[size_t(k + 1)] = canvas.ProjectPoint(px + dx, py - dy, back);
        }
        if (PointInPolygon(p, polygon, 30)) return i;
    }
    return -1;
}

// --- Legend.

void TPieSeries::PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& style) {
    backColor = EffectiveBackColor();
    TCustomAxisPanel& chart = *ParentChart();
    static constexpr TBrushStyle patterns[] = {bsHorizontal, bsVertical, bsFDiagonal,
                                               bsBDiagonal,  bsCross,    bsDiagCross};
    if (valueIndex >= 0 && (FUsePatterns || chart.Monochrome())) style = patterns[valueIndex % 6];
    if (FDarkPen > 0 && valueIndex >= 0)
        chart.Canvas3D()->UsePenWithColor(Pen(),
                                          DarkenColor(SliceColor(valueIndex), 255 - FDarkPen));
    else
        chart.Canvas3D()->UsePen(Pen());
}

void TPieSeries::DrawLegendShape(int valueIndex, const TRect& rect) {
    TCircledSeries::DrawLegendShape(valueIndex, rect);
    if (!Gradient()->Visible() || valueIndex < 0) return;
    const TColor color = SliceColor(valueIndex);
    if (color == clNone) return;
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    Gradient()->SetEndColor(color);
    Gradient()->DrawInRect(canvas, rect);
    canvas.Brush()->SetStyle(bsClear);
    canvas.DrawRectangleFromRect(rect);
}
