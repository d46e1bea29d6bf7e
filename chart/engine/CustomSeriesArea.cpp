// The line family in depth and under the line: 3-D ribbons and stair planes, the area down to
// the origin (quadrilaterals, or one rectangle per step), and the band below a 3-D line.
#include <algorithm>
#include <array>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/CustomSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/View3DOptions.h"

namespace {

// The shared darkening of 3-D side faces, per colour channel.
constexpr int DarkColorQuantity = 64;

// The gradient's start colour for one drawing, without telling anyone.
void SetQuietStartColor(TTeeGradient& gradient, TColor color) {
    TNotifyEvent saved = std::move(gradient.OnChange);
    gradient.OnChange = nullptr;
    gradient.SetStartColor(color);
    gradient.OnChange = std::move(saved);
}

int PenWidthOf(const TTeeCanvas& canvas) {
    return canvas.Pen()->Style() == psClear ? 0 : canvas.Pen()->Width();
}

}  // namespace

// --- 3-D ribbons.

void TCustomSeries::DrawRibbon(int valueIndex, int x, int y, TColor color) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    TColor c = FColorEachLine || FDrawArea ? AreaColorOf(color) : SeriesColor();
    // A null point drawn like any other (tnIgnore) is reached in the series colour.
    if (c == clNone) c = SeriesColor();
    if (Brush()->ImageIfAny()) {
        canvas.UseBrushColors(Brush(), c, clWhite);
    } else {
        canvas.Brush()->SetColor(c);
        canvas.Brush()->SetStyle(LineBrush());
    }
    canvas.UsePen(LinePen());
    if (FStairs) {
        DrawStairPlanes(x, y, c);
        return;
    }
    if (FLineHeight > 0 && !FDrawArea) DrawLineHeight(valueIndex, x, y);
    bool darkened = false;
    if (FDark3D && !canvas.SupportsFreeRotation() && x != PrevX && SlopeLimit != 0 &&
        double(PrevY - y) / (x - PrevX) > SlopeLimit) {
        canvas.DarkenBrushColor(c, DarkColorQuantity);
        darkened = true;
    }
    if (canvas.GetMonochrome()) canvas.Brush()->SetColor(clWhite);
    const int w = PenWidthOf(canvas);
    const std::array<TPoint, 4> box{canvas.ProjectPoint(PrevX, PrevY, FrontDepth - w),
                                    canvas.ProjectPoint(x, y, FrontDepth - w),
                                    canvas.ProjectPoint(x, y, BackDepth + w),
                                    canvas.ProjectPoint(PrevX, PrevY, BackDepth + w)};
    {
        const TBlendScope blend(canvas, OuterBoundsOfPoints(box, 4), GetTransparency());
        TTeeGradient& gradient = *GetGradient();
        if (gradient.Visible()) {
            const std::array<TPoint, 4> ribbon{canvas.ProjectPoint(PrevX, PrevY, FrontDepth),
                                               canvas.ProjectPoint(x, y, FrontDepth),
                                               canvas.ProjectPoint(x, y, BackDepth),
                                               canvas.ProjectPoint(PrevX, PrevY, BackDepth)};
            canvas.ClipToPolygon(ribbon, 3, false);
            SetQuietStartColor(gradient, canvas.Brush()->Color());
            gradient.DrawInRect(canvas, OuterBoundsOfPoints(ribbon, 4));
            canvas.RemoveClipping();
            if (canvas.Pen()->Style() != psClear) {
                canvas.Brush()->SetStyle(bsClear);
                canvas.FillPlaneAlongDepth({PrevX, PrevY}, {x, y}, FrontDepth, BackDepth);
            }
        } else {
            canvas.FillPlaneAlongDepth({PrevX, PrevY}, {x, y}, FrontDepth, BackDepth);
        }
    }
    if (darkened) canvas.Brush()->SetColor(c);
}

// A step as two planes along the depth; the plane along which the value changes is darker.
void TCustomSeries::DrawStairPlanes(int x, int y, TColor color) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool vertical = YMandatory();
    auto planeAtX = [&](int at, int from, int to) {
        if (FDark3D && vertical) canvas.DarkenBrushColor(color, DarkColorQuantity);
        canvas.FillPlaneAtX(at, from, to, FrontDepth, BackDepth);
        if (FDark3D && vertical) canvas.Brush()->SetColor(color);
    };
    auto planeAtY = [&](int from, int at, int to) {
        if (FDark3D && !vertical) canvas.DarkenBrushColor(color, DarkColorQuantity);
        canvas.FillPlaneAtY(from, at, to, FrontDepth, BackDepth);
        if (FDark3D && !vertical) canvas.Brush()->SetColor(color);
    };
    // Normal stairs run first and rise after (along X for a vertical series, along Y for a
    // horizontal one); inverted stairs rise first.
    const bool runFirst = FInvertedStairs == !vertical;
    if (runFirst) {
        planeAtY(PrevX, PrevY, x);
        planeAtX(x, PrevY, y);
    } else {
        planeAtX(PrevX, PrevY, y);
        planeAtY(PrevX, y, x);
    }
}

void TCustomSeries::DrawLineHeight(int valueIndex, int x, int y) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const std::array<TPoint, 4> band{TPoint{x, y}, TPoint{PrevX, PrevY},
                                     TPoint{PrevX, PrevY + FLineHeight},
                                     TPoint{x, y + FLineHeight}};
    {
        const int w = PenWidthOf(canvas);
        TRect box = OuterBoundsOfPoints(band, 4);
        box = TRect{box.Left - w, box.Top - w, box.Right + w, box.Bottom + w};
        const TBlendScope blend(canvas, canvas.ProjectRect(box, FrontDepth), GetTransparency());
        canvas.FillQuadAtZ(band[0], band[1], band[2], band[3], FrontDepth);
    }
    if (valueIndex == LastDrawnIndex())
        canvas.FillPlaneAtX(x, y, y + FLineHeight, FrontDepth, BackDepth);
}

// --- Areas.

void TCustomSeries::DrawAreaPart(int valueIndex, int x, int y, TColor color) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (color == clNone) color = SeriesColor();  // a null point drawn as any other (tnIgnore)
    const TColor areaColor = AreaColorOf(color);
    if (FAreaLinesPen->Color() != clDefault && FAreaLinesPen->Visible())
        canvas.UsePen(FAreaLinesPen.get());
    else
        canvas.UsePenWithColor(FAreaLinesPen.get(), color);
    TColor back = FAreaBrush->Color() == clDefault ? SeriesColor() : FAreaBrush->Color();
    if (FAreaBrush->ImageIfAny() && back == areaColor) back = clWhite;
    FParentChart->ApplyBrush(areaColor, FAreaBrush.get(), back);
    const bool is3D = FParentChart->View3D();
    if (is3D) {
        const bool nullBeside = TreatNulls() == tnDontPaint &&
                                ((valueIndex + 1 < Count() && IsNullValue(valueIndex + 1)) ||
                                 (valueIndex > 0 && IsNullValue(valueIndex - 1)));
        if (valueIndex == LastDrawnIndex() || nullBeside) {
            const TColor fill = canvas.Brush()->Color();
            if (FDark3D) canvas.DarkenBrushColor(fill, DarkColorQuantity);
            if (YMandatory())
                canvas.FillPlaneAtX(x, y, BaseY, FrontDepth, BackDepth);
            else
                canvas.FillPlaneAtY(x, y, BaseY, FrontDepth, BackDepth);
            if (FDark3D) canvas.Brush()->SetColor(fill);
        }
    }
    if (FStairs)
        DrawStairArea(x, y);
    else
        DrawAreaQuad(x, y);
}

void TCustomSeries::DrawAreaQuad(int x, int y) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool vertical = YMandatory();
    const std::array<TPoint, 4> quad =
        vertical ? std::array<TPoint, 4>{TPoint{PrevX, PrevBaseY}, TPoint{PrevX, PrevY},
                                         TPoint{x, y}, TPoint{x, BaseY}}
                 : std::array<TPoint, 4>{TPoint{PrevBaseY, PrevY}, TPoint{PrevX, PrevY},
                                         TPoint{x, y}, TPoint{BaseY, y}};
    const bool is3D = FParentChart->View3D();
    const TTeeGradient& gradient = *GetGradient();
    {
        const TRect bounds = OuterBoundsOfPoints(quad, 4);
        const TBlendScope blend(canvas, is3D ? canvas.ProjectRect(bounds, FrontDepth) : bounds,
                                GetTransparency());
        if (is3D) {
            const int rotation = FParentChart->View3DOptions()->Rotation();
            const int z = rotation > 90 && rotation < 270 ? BackDepth : FrontDepth;
            auto fillAt = [&](int depth) {
                if (gradient.Visible())
                    gradient.DrawQuadAtZ(canvas, quad, depth);
                else
                    canvas.DrawPolygonAtZ(quad, 3, depth);
            };
            fillAt(z);
            if (canvas.SupportsFreeRotation()) fillAt(BackDepth);
        } else if (gradient.Visible()) {
            canvas.ClipToPolygon(quad, 3, false);
            const int top = ValueToMandatoryPixel(MandatoryValueList().Maximum());
            const TRect fill = vertical ? TRect{std::min(PrevX, x), top, std::max(PrevX, x), BaseY}
                                        : TRect{BaseY, std::min(PrevY, y), top, std::max(PrevY, y)};
            gradient.DrawInRect(canvas, fill);
            canvas.RemoveClipping();
            if (canvas.Pen()->Style() != psClear) {
                if (vertical)
                    canvas.DrawLine(PrevX, PrevY, PrevX, PrevBaseY);
                else
                    canvas.DrawLine(PrevX, PrevY, PrevBaseY, PrevY);
            }
        } else {
            canvas.DrawPolygon(quad, 3);
        }
    }
    if (LinePen()->Visible()) {
        canvas.UsePen(LinePen());
        if (is3D)
            canvas.DrawLineAtZ(PrevX, PrevY, x, y, FrontDepth);
        else
            canvas.DrawLine(PrevX, PrevY, x, y);
    }
}

// One step: a rectangle from the previous position to this one (one pixel more on this side),
// between the step's height and its origin.
void TCustomSeries::DrawStairArea(int x, int y) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool vertical = YMandatory();
    // Normal stairs take the previous point's height and origin, inverted ones this point's;
    // drawing backwards swaps the two.
    const bool useCurrent = FInvertedStairs != !DrawsValuesForward();
    const int height = useCurrent ? (vertical ? y : x) : (vertical ? PrevY : PrevX);
    const int origin = useCurrent ? BaseY : PrevBaseY;
    TRect r = vertical ? TRect{PrevX, height, x, origin} : TRect{origin, PrevY, height, y};
    r = NormalizedRect(r);
    if (vertical)
        x >= PrevX ? ++r.Right : --r.Left;
    else
        y >= PrevY ? ++r.Bottom : --r.Top;
    const bool is3D = FParentChart->View3D();
    const TTeeGradient& gradient = *GetGradient();
    {
        const TBlendScope blend(canvas, is3D ? canvas.ProjectRect(r, FrontDepth) : r,
                                GetTransparency());
        if (is3D) {
            canvas.DrawRectangleAtZ(r, FrontDepth);
            if (canvas.SupportsFreeRotation()) canvas.DrawRectangleAtZ(r, BackDepth);
        } else if (gradient.Visible()) {
            gradient.DrawInRect(canvas, r);
            const TBrushStyle style = canvas.Brush()->Style();
            canvas.Brush()->SetStyle(bsClear);
            canvas.DrawRectangleFromRect(r);
            canvas.Brush()->SetStyle(style);
        } else {
            canvas.DrawRectangleFromRect(r);
        }
    }
    if (LinePen()->Visible()) DrawTopEdges(x, y);
}

// The step's top and riser with the line pen, joining the previous step.
void TCustomSeries::DrawTopEdges(int x, int y) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(LinePen());
    const bool is3D = FParentChart->View3D();
    auto line = [&](int x0, int y0, int x1, int y1) {
        if (is3D)
            canvas.DrawLineAtZ(x0, y0, x1, y1, FrontDepth);
        else
            canvas.DrawLine(x0, y0, x1, y1);
    };
    if (FInvertedStairs) {
        line(PrevX, PrevY, PrevX, y);
        line(PrevX, y, x, y);
    } else {
        line(PrevX, PrevY, x, PrevY);
        line(x, PrevY, x, y);
    }
}
