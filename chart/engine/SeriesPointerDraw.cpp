// Drawing a series pointer: shadow, shape (flat or solid), gradient fill, under a blend when
// transparent.
#include <algorithm>
#include <array>

#include "chart/engine/SeriesPointer.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeePanel.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/View3DOptions.h"

namespace {

std::array<TPoint, 6> Hexagon(int x, int y, const TRect& r, int vertSize) {
    const int h = vertSize / 2;
    return {TPoint{x, r.Top},    TPoint{r.Right, y - h}, TPoint{r.Right, y + h},
            TPoint{x, r.Bottom}, TPoint{r.Left, y + h},  TPoint{r.Left, y - h}};
}

// The triangles by style: up, down (vertSize negated), left and right.
std::array<TPoint, 3> Triangle(TSeriesPointerStyle style, int x, int y, const TRect& r,
                               int vertSize) {
    switch (style) {
        case psLeftTriangle:
            return {TPoint{r.Left, y}, TPoint{r.Right, r.Bottom}, TPoint{r.Right, r.Top}};
        case psRightTriangle:
            return {TPoint{r.Right, y}, TPoint{r.Left, r.Bottom}, TPoint{r.Left, r.Top}};
        case psDownTriangle:
            vertSize = -vertSize;
            [[fallthrough]];
        default:
            return {TPoint{r.Left, y + vertSize}, TPoint{r.Right, y + vertSize},
                    TPoint{x, y - vertSize}};
    }
}

std::array<TPoint, 4> Diamond(int x, int y, const TRect& r) {
    return {TPoint{r.Left, y}, TPoint{x, r.Top}, TPoint{r.Right, y}, TPoint{x, r.Bottom}};
}

bool IsOrthogonal(const TCanvas3D& canvas) {
    return !canvas.ViewOptions() || canvas.ViewOptions()->Orthogonal();
}

// The gradient's end colour for one drawing, without telling anyone.
void SetQuietEndColor(TTeeGradient& gradient, TColor color) {
    TNotifyEvent saved = std::move(gradient.OnChange);
    gradient.OnChange = nullptr;
    gradient.SetEndColor(color);
    gradient.OnChange = std::move(saved);
}

}  // namespace

void TSeriesPointer::DrawOnCanvas(TCanvas3D& canvas, bool is3D, int x, int y, int horizSize,
                                  int vertSize, TColor color, TSeriesPointerStyle style) {
    if (style == psNothing) return;
    const TRect r{x - horizSize, y - vertSize, x + horizSize, y + vertSize};
    if (FShadow->Visible() && FShadow->GetCommonSize() != 0)
        DrawShadow(canvas, r, x, y, vertSize, style);
    TTeeBlend* blend = nullptr;
    if (FTransparency > 0) {
        TRect area{r.Left, r.Top, r.Right + 1, r.Bottom + 1};
        if (style == psRectangle && is3D && FDraw3D && IsOrthogonal(canvas)) {
            area.Right += BackDepth() - FrontDepth();
            area.Top -= BackDepth() - FrontDepth();
        }
        blend = canvas.BeginBlending(canvas.ProjectRect(area, FrontDepth()), FTransparency);
    }
    DrawShape(canvas, is3D, x, y, horizSize, vertSize, style);
    if (FGradient->Visible()) DrawGradient(canvas, is3D, r, x, y, vertSize, color, style);
    if (blend) canvas.EndBlending(blend);
}

void TSeriesPointer::DrawInLegend(TCanvas3D& canvas, const TRect& rect, TSeriesPointerStyle style,
                                  TColor color, bool lineVisible, const TPen* symbolPen) {
    const int w = rect.Right - rect.Left, h = rect.Bottom - rect.Top;
    const int horiz = std::min(FHorizSize, lineVisible ? w / 3 : w / 2 + 1);
    const int vert = std::min(FVertSize, lineVisible ? h / 3 : h / 2 + 1);
    PrepareCanvas(canvas, color);
    if (symbolPen) canvas.UsePen(symbolPen);
    DrawOnCanvas(canvas, false, (rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2, horiz,
                 vert, color, style);
}

void TSeriesPointer::DrawShadow(TCanvas3D& canvas, const TRect& r, int x, int y, int vertSize,
                                TSeriesPointerStyle style) {
    if (style != psRectangle && style != psCircle && style != psHexagon) return;
    const TColor brushColor = canvas.Brush()->Color();
    const TBrushStyle brushStyle = canvas.Brush()->Style();
    const TPenStyle penStyle = canvas.Pen()->Style();
    if (style == psRectangle)
        FShadow->DrawShapeShadow(canvas, r, 0, 0, FrontDepth());
    else if (style == psCircle)
        FShadow->DrawEllipseShadow(canvas, r, FrontDepth());
    else
        FShadow->DrawPolygonShadow(canvas, Hexagon(x, y, r, vertSize), 5);
    canvas.Brush()->SetColor(brushColor);
    canvas.Brush()->SetStyle(brushStyle);
    canvas.Pen()->SetStyle(penStyle);
}

void TSeriesPointer::DrawShape(TCanvas3D& canvas, bool is3D, int x, int y, int horizSize,
                               int vertSize, TSeriesPointerStyle style) {
    const TRect r{x - horizSize, y - vertSize, x + horizSize, y + vertSize};
    const int front = FrontDepth();
    auto polygon = [&](std::span<const TPoint> points) {
        if (is3D)
            canvas.DrawPolygonAtZ(points, int(points.size()) - 1, front);
        else
            canvas.DrawPolygon(points, int(points.size()) - 1);
    };
    auto line = [&](int x0, int y0, int x1, int y1) {
        if (is3D)
            canvas.DrawLineAtZ(x0, y0, x1, y1, front);
        else
            canvas.DrawLine(x0, y0, x1, y1);
    };
    auto cross = [&] {
        line(x, r.Top, x, r.Bottom + 1);
        line(r.Left, y, r.Right + 1, y);
    };
    auto diagonalCross = [&] {
        line(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
        line(r.Right, r.Top, r.Left - 1, r.Bottom + 1);
    };
    switch (style) {
        case psRectangle:
            if (is3D && FDraw3D)
                canvas.DrawCuboid(r.Left, r.Right, r.Top, r.Bottom, front, BackDepth(), FDark3D);
            else if (is3D)
                canvas.DrawRectangleAtZ(TRect{r.Left, r.Top, r.Right + 1, r.Bottom + 1}, front);
            else
                canvas.DrawRectangle(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
            break;
        case psCircle:
            if (is3D && FDraw3D && canvas.SupportsFreeRotation())
                canvas.DrawSphere(x, y, MidDepth(), horizSize);
            else if (is3D)
                canvas.DrawEllipseAtZ(r.Left, r.Top, r.Right, r.Bottom, front);
            else
                canvas.DrawEllipse(r.Left, r.Top, r.Right, r.Bottom);
            break;
        case psTriangle:
        case psDownTriangle:
            if (is3D && FDraw3D) {
                const int v = style == psTriangle ? vertSize : -vertSize;
                canvas.DrawPyramid(true, r.Left, y - v, r.Right, y + v, front, BackDepth(),
                                   FDark3D);
            } else {
                polygon(Triangle(style, x, y, r, vertSize));
            }
            break;
        case psCross:
            cross();
            break;
        case psDiagCross:
            diagonalCross();
            break;
        case psStar:
            cross();
            diagonalCross();
            break;
        case psDiamond:
            polygon(Diamond(x, y, r));
            break;
        case psSmallDot:
            if (is3D)
                canvas.SetPixelColorAtZ(x, y, MidDepth(), canvas.Brush()->Color());
            else
                canvas.SetPixelColor(x, y, canvas.Brush()->Color());
            break;
        case psNothing:
            break;
        case psLeftTriangle:
        case psRightTriangle:
            polygon(Triangle(style, x, y, r, vertSize));
            break;
        case psHexagon:
            polygon(Hexagon(x, y, r, vertSize));
            break;
    }
}

void TSeriesPointer::DrawGradient(TCanvas3D& canvas, bool is3D, const TRect& r, int x, int y,
                                  int vertSize, TColor color, TSeriesPointerStyle style) {
    const int penWidth = Pen()->Visible() ? Pen()->Width() : 0;
    TRect area{r.Left + penWidth, r.Top + penWidth, r.Right, r.Bottom};
    if (!FullGradient) SetQuietEndColor(*FGradient, color);
    const int front = FrontDepth();
    if (style == psRectangle && is3D && !IsOrthogonal(canvas)) {
        area.Right -= penWidth;
        area.Bottom -= penWidth;
        const auto corners = canvas.ProjectRectCorners(area, front);
        FGradient->DrawQuad(canvas, corners);
        return;
    }
    if (is3D) area = canvas.ProjectRect(area, front);
    auto fillClipped = [&](std::span<const TPoint> points, const TRect& fill) {
        const auto projected = is3D
                                   ? canvas.ProjectPointArray(points, int(points.size()) - 1, front)
                                   : TPointArray(points.begin(), points.end());
        canvas.ClipToPolygon(projected, int(projected.size()) - 1, false);
        FGradient->DrawInRect(canvas, fill);
        canvas.RemoveClipping();
    };
    switch (style) {
        case psRectangle:
            canvas.ClipToRectangle(area);
            FGradient->DrawInRect(canvas, area);
            canvas.RemoveClipping();
            break;
        case psCircle:
            canvas.ClipToEllipse(area, false);
            FGradient->DrawInRect(canvas, area);
            canvas.RemoveClipping();
            break;
        case psTriangle:
        case psDownTriangle:
            if (is3D && FDraw3D) break;
            [[fallthrough]];
        case psLeftTriangle:
        case psRightTriangle: {
            const auto t = Triangle(style, x, y, r, vertSize);
            fillClipped(t, BoundsOfPoints(t));
            break;
        }
        case psHexagon:
            fillClipped(Hexagon(x, y, r, vertSize), area);
            break;
        case psDiamond: {
            const auto d = Diamond(x, y, r);
            if (is3D)
                FGradient->DrawQuadAtZ(canvas, d, front);
            else
                FGradient->DrawQuad(canvas, d);
            break;
        }
        default:
            break;
    }
}
