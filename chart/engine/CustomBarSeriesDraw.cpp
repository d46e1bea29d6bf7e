// Painting one bar: its colour, pen and brush, its shadow and transparency, the thirteen bar
// styles in 2-D and 3-D lying along the value direction, the gradient, the bevel and the tick
// lines across the bar.
#include <algorithm>
#include <array>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BarSeriesGradient.h"
#include "chart/engine/BlendScope.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/CustomBarSeries.h"
#include "chart/engine/CylinderSidesScope.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ColorRoutines.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/RtlMath.h"

namespace {

bool IsRectangleStyle(TBarStyle style) {
    return style == bsRectangle || style == bsRectGradient || style == bsBevel;
}

}  // namespace

void TCustomBarSeries::DrawValue(int valueIndex) {
    if (!ParentChart()) return;
    CurrentBarColor = ValueColor(valueIndex);
    if (CurrentBarColor == clNone) return;
    CalcBarRect(valueIndex, BarBounds);
    if (FShadow->Visible() && (FShadow->HorizSize() != 0 || FShadow->VertSize() != 0))
        PaintShadow(valueIndex);
    PaintBar(valueIndex);
}

void TCustomBarSeries::PaintShadow(int valueIndex) {
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    const TRect bounds = BarBounds;
    const TColor penColor = Pen()->Color();
    const TColor shadowColor = FShadow->Color();
    const int h = FShadow->HorizSize(), v = FShadow->VertSize();
    // The bar's own colours come back on every path.
    struct TRestore {
        TCustomBarSeries& s;
        TRect bounds;
        TColor pen;
        int index;
        ~TRestore() {
            s.BarBounds = bounds;
            s.CurrentBarColor = s.ValueColor(index);
            s.Pen()->SetColor(pen);
        }
    } restore{*this, bounds, penColor, valueIndex};
    CurrentBarColor = shadowColor;
    Pen()->SetColor(shadowColor);
    TRect& r = BarBounds;
    if (YMandatory()) {
        r.Left += h;
        r.Right += h;
        if (r.Top < r.Bottom)
            r.Top += v;
        else
            r.Bottom -= v;
    } else {
        r.Top += v;
        r.Bottom += v;
        if (r.Left < r.Right)
            r.Right += h;
        else
            r.Left -= h;
    }
    const TBarStyle style = PointBarStyle(valueIndex);
    const bool view3D = ParentChart()->View3D();
    if (FShadow->Smooth() && IsRectangleStyle(style)) {
        // The shadow routines cast the shape's shadow at their own offsets: give them the
        // shape where the shifted shadow falls under, the shifted bar less the offsets.
        TRect shape{r.Left - h, r.Top - v, r.Right - h, r.Bottom - v};
        if (!view3D) {
            FShadow->DrawRectShadow(canvas, shape);
        } else if (ParentChart()->View3DOptions()->Orthogonal()) {
            FShadow->DrawRectShadow(canvas, canvas.ProjectRect(shape, BackDepth));
        } else {
            const std::array<TPoint, 4> corners = canvas.ProjectRectCorners(shape, BackDepth);
            FShadow->DrawPolygonShadow(canvas, corners, 3);
        }
        return;
    }
    const TBlendScope blend(canvas, r, FShadow->Transparency());
    const int start = YMandatory() ? std::min(r.Top, r.Bottom) : std::min(r.Left, r.Right);
    const int end = YMandatory() ? std::max(r.Top, r.Bottom) : std::max(r.Left, r.Right);
    DrawBar(valueIndex, start, end);
}

void TCustomBarSeries::PaintBar(int valueIndex) {
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    const TRect& r = BarBounds;
    const int start = YMandatory() ? std::min(r.Top, r.Bottom) : std::min(r.Left, r.Right);
    const int end = YMandatory() ? std::max(r.Top, r.Bottom) : std::max(r.Left, r.Right);
    if (FTransparency <= 0) {
        DrawBar(valueIndex, start, end);
        return;
    }
    TRect area = r;
    if (ParentChart()->View3D()) {
        const TRect front = canvas.ProjectRect(r, FrontDepth);
        const TRect back = canvas.ProjectRect(r, BackDepth);
        area = TRect{std::min(front.Left, back.Left), std::min(front.Top, back.Top),
                     std::max(front.Right, back.Right), std::max(front.Bottom, back.Bottom)};
        if (Pen()->Visible()) {
            area.Right += Pen()->Width();
            area.Bottom += Pen()->Width();
        }
    }
    const TBlendScope blend(canvas, area, FTransparency);
    DrawBar(valueIndex, start, end);
}

void TCustomBarSeries::UseBarPen(TCanvas3D& canvas, int valueIndex) {
    if (valueIndex == -1 || FDarkPen <= 0) {
        canvas.UsePen(Pen());
        return;
    }
    canvas.UsePenWithColor(Pen(), DarkenColor(CurrentBarColor, 255 - FDarkPen));
}

TBarStyle TCustomBarSeries::PointBarStyle(int valueIndex) {
    TBarStyle style = FBarStyle;
    if (OnGetBarStyle) OnGetBarStyle(*this, valueIndex, style);
    return style;
}

void TCustomBarSeries::BarRectangle(TCanvas3D& canvas, const TRect& rect) {
    if (canvas.Brush()->Style() == bsSolid) {
        const TColor fill = canvas.Brush()->Color();
        const int width = std::abs(rect.Right - rect.Left);
        const int height = std::abs(rect.Bottom - rect.Top);
        const int pen = canvas.Pen()->Style() == psClear ? 0 : canvas.Pen()->Width();
        if (width == 0 || height == 0 || width < pen || height < pen) {
            canvas.Pen()->SetColor(fill);
            if (canvas.Pen()->Style() == psClear) canvas.Pen()->SetStyle(psSolid);
        }
        // A bar with no width or height still shows, as a line.
        if (width == 0 || height == 0) {
            canvas.DrawLine(rect.Left, rect.Top, rect.Right, rect.Bottom);
            return;
        }
        if (width < pen || height < pen) canvas.Brush()->SetStyle(bsClear);
    }
    canvas.DrawRectangleFromRect(rect);
}

void TCustomBarSeries::DrawStyledBar(int valueIndex, int barStart, int barEnd) {
    TCustomAxisPanel& chart = *ParentChart();
    TCanvas3D& canvas = *chart.Canvas3D();
    UseBarPen(canvas, valueIndex);
    const TColor back = Brush()->Color() == clDefault ? chart.Color() : Brush()->Color();
    chart.ApplyBrush(CurrentBarColor, Brush(), back);
    const TBarStyle style = PointBarStyle(valueIndex);
    if (style > bsInvCone || style < bsRectangle) return;
    const bool view3D = chart.View3D();
    DrawBarShape(canvas, style, view3D, barStart, barEnd);
    if (style == bsRectGradient) {
        const TRect r = YMandatory() ? TRect{BarBounds.Left, barStart, BarBounds.Right, barEnd}
                                     : TRect{barStart, BarBounds.Top, barEnd, BarBounds.Bottom};
        FillBarGradient(valueIndex, r);
    } else if (style == bsBevel) {
        DrawBarBevel();
    }
    DrawBarTickLines(barStart, barEnd, style);
}

void TCustomBarSeries::DrawBarShape(TCanvas3D& canvas, TBarStyle style, bool view3D, int barStart,
                                    int barEnd) {
    const bool vertical = YMandatory();
    const TRect& b = BarBounds;
    // Across the bar: left and right for a vertical bar, top and bottom for a horizontal one.
    const int a0 = vertical ? b.Left : b.Top;
    const int a1 = vertical ? b.Right : b.Bottom;
    const int mid = (a0 + a1) / 2;
    // The value end of the bar lies at the top of a vertical bar, at the right of a horizontal
    // one: the tip of the pointed styles.
    const int tip = vertical ? barStart : barEnd;
    const int base = vertical ? barEnd : barStart;
    auto at = [vertical](int along, int across) {
        return vertical ? TPoint{across, along} : TPoint{along, across};
    };
    const TRect box = vertical ? TRect{a0, barStart, a1, barEnd} : TRect{barStart, a0, barEnd, a1};
    auto triangle = [&](int from, int to) {
        const std::array<TPoint, 3> t = {at(from, a0), at(to, mid), at(from, a1)};
        canvas.DrawPolygon(t, 2);
    };
    auto pyramid3D = [&](int apex, int foot) {
        if (vertical)
            canvas.DrawPyramid(true, a0, apex, a1, foot, FrontDepth, BackDepth, FDark3D);
        else
            canvas.DrawPyramid(false, foot, a0, apex, a1, FrontDepth, BackDepth, FDark3D);
    };
    auto cone3D = [&](int narrow, int wide) {
        if (vertical)
            canvas.DrawCone(true, a0, narrow, a1, wide, FrontDepth, BackDepth, FDark3D,
                            FConePercent);
        else
            canvas.DrawCone(false, wide, a0, narrow, a1, FrontDepth, BackDepth, FDark3D,
                            FConePercent);
    };
    auto arrow = [&](int from, int to) {
        const int width = a1 - a0;
        canvas.DrawArrowDefault(true, at(from, mid), at(to, mid), width, width / 2, MidDepth);
    };
    switch (style) {
        case bsRectangle:
        case bsRectGradient:
        case bsBevel:
            if (view3D)
                canvas.DrawCuboidFromRect(box, FrontDepth, BackDepth, FDark3D);
            else
                BarRectangle(canvas, box);
            break;
        case bsPyramid:
            view3D ? pyramid3D(tip, base) : triangle(base, tip);
            break;
        case bsInvPyramid:
            view3D ? pyramid3D(base, tip) : triangle(tip, base);
            break;
        case bsCilinder:
            if (view3D)
                canvas.DrawCylinder(vertical, b.Left, b.Top, b.Right, b.Bottom, FrontDepth,
                                    BackDepth, FDark3D);
            else
                BarRectangle(canvas, box);
            break;
        case bsEllipse:
            if (view3D)
                canvas.DrawEllipseAtZFromRect(b, MidDepth);
            else
                canvas.DrawEllipseFromRect(b);
            break;
        case bsArrow:
            arrow(base, tip);
            break;
        case bsInvArrow:
            arrow(tip, base);
            break;
        case bsCone:
            view3D ? cone3D(tip, base) : triangle(base, tip);
            break;
        case bsInvCone:
            view3D ? cone3D(base, tip) : triangle(tip, base);
            break;
        case bsSlantCube:
            if (view3D) {
                const TCylinderSidesScope fourSides(canvas, 4);
                canvas.DrawCylinder(vertical, b.Left, b.Top, b.Right, b.Bottom, FrontDepth,
                                    BackDepth, FDark3D);
            } else {
                BarRectangle(canvas, box);
                canvas.DrawLineBetween(at(barStart, mid), at(barEnd, mid));
            }
            break;
        case bsDiamond: {
            const int middle = (barStart + barEnd) / 2;
            const std::array<TPoint, 4> d = {at(barStart, mid), at(middle, a1), at(barEnd, mid),
                                             at(middle, a0)};
            if (view3D)
                canvas.DrawPolygonAtZ(d, 3, MidDepth);
            else
                canvas.DrawPolygon(d, 3);
            break;
        }
    }
}

TColor TCustomBarSeries::RelativeGradientColor(int valueIndex) {
    TChartValueList& values = MandatoryValueList();
    const double low = FUseYOrigin ? FYOrigin : values.Minimum();
    const double high = values.Maximum();
    const TColor point = ColorToRGB(CurrentBarColor);
    // All values alike (or the only one at the origin): the point's own colour.
    if (high == low) return point;
    const double f = (values[valueIndex] - low) / (high - low);
    const TColor start = ColorToRGB(FGradient->StartColor());
    auto channel = [&](int shift) {
        const int s = int((start >> shift) & 0xFF), p = int((point >> shift) & 0xFF);
        return std::clamp(s + RoundToInt(f * (p - s)), 0, 255);
    };
    return TColor(channel(0) | (channel(8) << 8) | (channel(16) << 16));
}

void TCustomBarSeries::FillBarGradient(int valueIndex, const TRect& rect) {
    TCustomAxisPanel& chart = *ParentChart();
    TCanvas3D& canvas = *chart.Canvas3D();
    FGradient->SetEndColor(FGradient->Relative() ? RelativeGradientColor(valueIndex)
                                                 : CurrentBarColor);
    const int pen = Pen()->Visible() ? Pen()->Width() : 0;
    if (!chart.View3D()) {
        const TRect r{rect.Left + 1, rect.Top + 1, rect.Right - pen, rect.Bottom - pen};
        FGradient->DrawInRect(canvas, r);
    } else if (chart.View3DOptions()->Orthogonal()) {
        const int inset = pen > 0 ? pen - 1 : 0;
        const TRect r{rect.Left + 1, rect.Top + 1, rect.Right - inset, rect.Bottom - inset};
        FGradient->DrawInRect(canvas, canvas.ProjectRect(r, FrontDepth));
    } else {
        const TRect r{rect.Left + pen, rect.Top + pen, rect.Right - pen, rect.Bottom - pen};
        const std::array<TPoint, 4> corners = canvas.ProjectRectCorners(r, FrontDepth);
        FGradient->DrawQuad(canvas, corners);
    }
}

void TCustomBarSeries::DrawBarBevel() {
    TCustomAxisPanel& chart = *ParentChart();
    const bool view3D = chart.View3D();
    if (view3D && !chart.View3DOptions()->Orthogonal()) return;
    TCanvas3D& canvas = *chart.Canvas3D();
    TRect r = BarBounds;
    if (Pen()->Visible()) {
        const int w = Pen()->Width();
        r = TRect{r.Left + w, r.Top + w, r.Right - w, r.Bottom - w};
        if (view3D) {
            ++r.Right;
            ++r.Bottom;
        }
    }
    if (view3D) r = canvas.ProjectRect(r, FrontDepth);
    canvas.DrawBevelFrame(r, LightenColor(CurrentBarColor, 128), DarkenColor(CurrentBarColor, 64),
                          FBevelSize);
}

void TCustomBarSeries::DrawBarTickLines(int barStart, int barEnd, TBarStyle style) {
    if (!FTickLines->Visible() || !ValueAxis()) return;
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    canvas.UsePen(FTickLines.get());
    for (int position : ValueAxis()->TickPositions())
        if (position > barStart && position < barEnd) DrawTickLine(position, style);
}

void TCustomBarSeries::DrawTickLine(int /*position*/, TBarStyle /*style*/) {}
