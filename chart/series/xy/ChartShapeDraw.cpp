// The shape's figure, its text and its legend symbol.
#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/series/xy/ChartShape.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/StringList.h"

void TChartShape::DrawValue(int valueIndex) {
    if (Count() != 2 || valueIndex != 0) return;
    const TRect r = NormalizedShapeRect();
    if (IntersectRect(r, FParentChart->ChartRect()).IsEmpty()) return;
    const bool is3D = FXYStyle != xysPixels && FParentChart->View3D();
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    TRect blendRect = r;
    if (FTransparency > 0 && is3D) blendRect = canvas.ProjectRect(r, MidDepth);
    const TBlendScope blend(canvas, blendRect, FTransparency);
    DrawShape(is3D, FStyle == chasLine ? GetShapeRect() : r);
    DrawShapeText(r);
}

void TChartShape::SelectFigureCanvas() {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(Pen());
    if (FTransparent) {
        canvas.Brush()->SetStyle(bsClear);
    } else if (Brush()->Color() == clDefault) {
        int index = 0;
        while (index < FParentChart->SeriesCount() && FParentChart->GetSeries(index) != this)
            ++index;
        canvas.UseBrushColors(Brush(), FParentChart->PaletteColor(index), SeriesColor());
    } else {
        canvas.UseBrushColored(Brush(), SeriesColor());
    }
    canvas.SetBackgroundMode(Brush()->Color() == clNone ? TRANSPARENT : OPAQUE);
}

bool TChartShape::PaintGradient(bool is3D, const TRect& r, bool ellipse) {
    if (FTransparent || !FGradient->Visible()) return false;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const TRect g = is3D ? canvas.ProjectRect(r, MidDepth) : r;
    if (ellipse) canvas.ClipToEllipse(g, false);
    FGradient->DrawInRect(canvas, g);
    if (ellipse) canvas.RemoveClipping();
    canvas.Brush()->SetStyle(bsClear);
    return true;
}

void TChartShape::DrawShape(bool is3D, const TRect& r) {
    SelectFigureCanvas();
    if (is3D)
        DrawShape3D(r);
    else
        DrawShape2D(r);
}

void TChartShape::DrawShape3D(const TRect& r) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    int cx = 0, cy = 0;
    RectCenter(r, cx, cy);
    const int z = MidDepth;
    auto cross = [&] {
        canvas.DrawVerticalLineAtZ(cx, r.Top, r.Bottom, z);
        canvas.DrawHorizontalLineAtZ(r.Left, r.Right, cy, z);
    };
    auto diagonals = [&] {
        canvas.DrawLineAtZ(r.Left, r.Top, r.Right, r.Bottom, z);
        canvas.DrawLineAtZ(r.Left, r.Bottom, r.Right, r.Top, z);
    };
    switch (FStyle) {
        case chasRectangle:
            PaintGradient(true, r, false);
            canvas.DrawRectangleAtZ(r, z);
            break;
        case chasCircle:
            PaintGradient(true, r, true);
            canvas.DrawEllipseAtZFromRect(r, z);
            break;
        case chasVertLine:
            canvas.DrawVerticalLineAtZ(cx, r.Top, r.Bottom, z);
            break;
        case chasHorizLine:
            canvas.DrawHorizontalLineAtZ(r.Left, r.Right, cy, z);
            break;
        case chasTriangle:
            canvas.FillTriangleAtZ({r.Left, r.Bottom}, {cx, r.Top}, {r.Right, r.Bottom}, z);
            break;
        case chasInvertTriangle:
            canvas.FillTriangleAtZ({r.Left, r.Top}, {cx, r.Bottom}, {r.Right, r.Top}, z);
            break;
        case chasLine:
            canvas.DrawLineAtZ(r.Left, r.Top, r.Right, r.Bottom, z);
            break;
        case chasDiamond:
            canvas.FillQuadAtZ({r.Left, cy}, {cx, r.Top}, {r.Right, cy}, {cx, r.Bottom}, z);
            break;
        case chasCube:
            canvas.DrawCuboidFromRect(r, FrontDepth, BackDepth, !FTransparent);
            break;
        case chasCross:
            cross();
            break;
        case chasDiagCross:
            diagonals();
            break;
        case chasStar:
            cross();
            diagonals();
            break;
        case chasPyramid:
            canvas.DrawPyramid(true, r.Left, r.Top, r.Right, r.Bottom, FrontDepth, BackDepth,
                               !FTransparent);
            break;
        case chasInvertPyramid:
            canvas.DrawPyramid(true, r.Left, r.Bottom, r.Right, r.Top, FrontDepth, BackDepth,
                               !FTransparent);
            break;
    }
}

void TChartShape::DrawShape2D(const TRect& r) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    int cx = 0, cy = 0;
    RectCenter(r, cx, cy);
    auto polygon = [&](std::initializer_list<TPoint> points) {
        const std::vector<TPoint> p(points);
        canvas.DrawPolygon(p, int(p.size()) - 1);
    };
    auto cross = [&] {
        canvas.DrawVerticalLine(cx, r.Top, r.Bottom + 1);
        canvas.DrawHorizontalLine(r.Left, r.Right + 1, cy);
    };
    auto diagonals = [&] {
        canvas.DrawLine(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
        canvas.DrawLine(r.Left, r.Bottom, r.Right + 1, r.Top - 1);
    };
    switch (FStyle) {
        case chasRectangle:
            if (FRoundRectangle) {
                canvas.DrawRoundRectFromRect(r, 12, 12);
            } else {
                PaintGradient(false, r, false);
                canvas.DrawRectangle(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
            }
            break;
        case chasCircle:
            PaintGradient(false, r, true);
            canvas.DrawEllipseFromRect(r);
            break;
        case chasVertLine:
            canvas.DrawVerticalLine(cx, r.Top, r.Bottom);
            break;
        case chasHorizLine:
            canvas.DrawHorizontalLine(r.Left, r.Right + 1, cy);
            break;
        case chasTriangle:
        case chasPyramid:
            polygon({{r.Left, r.Bottom}, {cx, r.Top}, {r.Right, r.Bottom}});
            break;
        case chasInvertTriangle:
        case chasInvertPyramid:
            polygon({{r.Left, r.Top}, {cx, r.Bottom}, {r.Right, r.Top}});
            break;
        case chasLine:
            canvas.DrawLine(r.Left, r.Top, r.Right, r.Bottom);
            break;
        case chasDiamond:
            polygon({{r.Left, cy}, {cx, r.Top}, {r.Right, cy}, {cx, r.Bottom}});
            break;
        case chasCube:
            canvas.DrawRectangleFromRect(r);
            break;
        case chasCross:
            cross();
            break;
        case chasDiagCross:
            diagonals();
            break;
        case chasStar:
            cross();
            diagonals();
            break;
    }
}

// Lines of text in the shape's font, in black or white where the font's colour is the fill's.
void TChartShape::DrawShapeText(const TRect& r) {
    if (FText->Count() == 0) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UseFont(FFont.get());
    if (canvas.Brush()->Color() == canvas.Font()->Color())
        canvas.Font()->SetColor(canvas.Font()->Color() == clBlack ? clWhite : clBlack);
    const int h = canvas.MeasureLineHeight();
    const int n = FText->Count();
    int cx = 0, cy = 0;
    RectCenter(r, cx, cy);
    int y = FVertAlign == vaTop      ? r.Top
            : FVertAlign == vaCenter ? cy - RoundToInt(n * h / 2.0)
                                     : r.Bottom - n * h;
    canvas.SetBackgroundMode(TRANSPARENT);
    canvas.SetTextAlignment(TA_LEFT);
    const int penWidth = canvas.Pen()->Width();
    for (int i = 0; i < n; ++i) {
        const std::string line = FText->Strings(i);
        const int w = canvas.MeasureTextWidth(line);
        const int x = FAlignment == taLeftJustify ? r.Left + penWidth + 4
                      : FAlignment == taCenter    ? cx - w / 2
                                                  : r.Right - penWidth - w - 4;
        if (FXYStyle == xysPixels)
            canvas.DrawTextAt(x, y, line);
        else
            canvas.DrawTextAtZ(x, y, FrontDepth, line);
        y += h;
    }
}

// Always flat.
void TChartShape::DrawLegendShape(int /*valueIndex*/, const TRect& rect) { DrawShape(false, rect); }
