// The small arrow triangles of spin and drop-down buttons.
#include <span>

#include "controls/RzCommon.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Pen.h"

namespace {

// Themes are never active here, so the themed forms take their colour the classic way.
TColor ArrowColor(TCanvas& canvas, bool enabled) {
    if (!enabled) return clBtnShadow;
    return ColorsNearlyEqual(canvas.Brush()->Color(), clBlack) ? cl3DDkShadow : clBlack;
}

// The triangle as a polygon without a pen, in the arrow colour; the canvas is left as found.
void FillArrow(TCanvas& canvas, TPoint centre, std::span<const TPoint> offsets, bool enabled) {
    TPoint points[6];
    const size_t n = offsets.size();
    for (size_t i = 0; i < n; ++i)
        points[i] = Point(centre.X + offsets[i].X, centre.Y + offsets[i].Y);
    const TPenStyle penStyle = canvas.Pen()->Style();
    const TColor brushColor = canvas.Brush()->Color();
    const TBrushStyle brushStyle = canvas.Brush()->Style();
    canvas.Brush()->SetColor(ArrowColor(canvas, enabled));
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Pen()->SetStyle(psClear);
    canvas.Polygon(std::span<const TPoint>(points, n));
    canvas.Pen()->SetStyle(penStyle);
    canvas.Brush()->SetColor(brushColor);
    canvas.Brush()->SetStyle(brushStyle);
}

TPoint ArrowCentre(const TRect& r) {
    const int h = r.Bottom - r.Top;
    return Point(r.Left + (r.Right - r.Left) / 2, r.Top + h / 2 - (h % 2 == 0 ? 1 : 0));
}

struct TArrowShape {
    int Dx, Dy;
    int Count;
    TPoint Points[6];
};

// Indexed by form, then direction (up, down, left, right).
constexpr TArrowShape kSpinArrows[3][4] = {
    {// classic
     {0, 1, 3, {{0, -5}, {4, 0}, {-4, 0}}},
     {0, 1, 3, {{0, 1}, {-3, -3}, {4, -3}}},
     {-2, 0, 3, {{0, 0}, {4, -4}, {4, 4}}},
     {-2, 0, 3, {{4, 0}, {0, 4}, {0, -4}}}},
    {// XP
     {0, 4, 6, {{0, -5}, {4, 0}, {1, 0}, {0, -2}, {-1, 0}, {-4, 0}}},
     {0, 2, 6, {{0, 0}, {-3, -4}, {0, -4}, {0, -3}, {1, -4}, {4, -4}}},
     {-1, 0, 6, {{0, 0}, {4, -4}, {4, -1}, {3, 0}, {4, 1}, {4, 4}}},
     {-3, 0, 6, {{4, 0}, {0, 4}, {0, 1}, {1, 0}, {0, -1}, {0, -4}}}},
    {// Vista
     {0, 1, 3, {{0, -3}, {3, 1}, {-3, 1}}},
     {0, 1, 3, {{0, 0}, {-2, -3}, {3, -3}}},
     {-2, 0, 3, {{1, 0}, {4, -3}, {4, 3}}},
     {-2, 0, 3, {{3, 0}, {0, 3}, {0, -3}}}},
};

constexpr TArrowShape kDropArrows[3] = {
    {0, 2, 3, {{0, 0}, {-3, -4}, {4, -4}}},
    {0, 4, 6, {{0, 0}, {-4, -5}, {-3, -7}, {0, -3}, {3, -7}, {5, -5}}},
    {1, 3, 3, {{0, 0}, {-3, -4}, {4, -4}}},
};

void PaintShape(TCanvas& canvas, const TRect& bounds, const TArrowShape& shape, bool enabled) {
    TPoint c = ArrowCentre(bounds);
    c.X += shape.Dx;
    c.Y += shape.Dy;
    FillArrow(canvas, c, std::span<const TPoint>(shape.Points, size_t(shape.Count)), enabled);
}

}  // namespace

void PaintSpinArrow(TCanvas& canvas, const TRect& bounds, TArrowForm form, int direction,
                    bool enabled) {
    if (direction < sdirUp || direction > sdirRight) return;
    PaintShape(canvas, bounds, kSpinArrows[form][direction], enabled);
}

void PaintDropArrow(TCanvas& canvas, const TRect& bounds, TArrowForm form, bool enabled) {
    // The system answers as a newer one than the Vista family, where the drop arrow always
    // takes its Vista form.
    if (WindowsVersionAtLeast(wvWinVista)) form = afVista;
    PaintShape(canvas, bounds, kDropArrows[form], enabled);
}
