// One-pixel edges and frames of the enhanced controls, in system colours or tinted from a face.
#include "controls/RzCommon.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Pen.h"

namespace {

struct TRing {
    TColor UpperLeft, LowerRight;
};
struct TRingPair {
    TRing Outer, Inner;
};

// The single-ring colours of the styles that have them, indexed by style up to fsFlatBold.
constexpr TRing kStyleColors[] = {
    {clWindow, clWindow},           // fsNone
    {cl3DDkShadow, cl3DDkShadow},   // fsFlat
    {clBtnShadow, clBtnHighlight},  // fsGroove
    {clBtnHighlight, clBtnShadow},  // fsBump
    {clNone, clNone},               // fsLowered: two rings
    {clNone, clNone},               // fsButtonDown: two rings
    {clNone, clNone},               // fsRaised: two rings
    {clNone, clNone},               // fsButtonUp: two rings
    {clBtnShadow, clBtnHighlight},  // fsStatus
    {clBtnHighlight, clBtnShadow},  // fsPopup
    {clBtnShadow, clBtnShadow},     // fsFlatBold
};

constexpr TRingPair kRaised{{cl3DLight, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}};
constexpr TRingPair kLowered{{clBtnShadow, clBtnHighlight}, {cl3DDkShadow, cl3DLight}};
constexpr TRingPair kButtonUp{{clBtnHighlight, cl3DDkShadow}, {cl3DLight, clBtnShadow}};
constexpr TRingPair kButtonDown{{clBtnText, clBtnText}, {clBtnShadow, clBtnShadow}};

TRect PaintPair(TCanvas& canvas, const TRect& r, const TRingPair& pair, TSides sides) {
    const TRect inner =
        PaintSideLines(canvas, r, pair.Outer.UpperLeft, pair.Outer.LowerRight, sides);
    return PaintSideLines(canvas, inner, pair.Inner.UpperLeft, pair.Inner.LowerRight, sides);
}

TRect PaintTwoRings(TCanvas& canvas, const TRect& r, TRing outer, TRing inner, TSides sides) {
    return PaintPair(canvas, r, TRingPair{outer, inner}, sides);
}

// Grooves and bumps: two interleaved rings whose corners are patched pixel by pixel so that
// the light and dark lines meet cleanly on open sides.
TRect PaintEtched(TCanvas& canvas, const TRect& r, TColor u, TColor l, TSides sides) {
    const bool left = sides.Contains(sdLeft), top = sides.Contains(sdTop);
    const bool right = sides.Contains(sdRight), bottom = sides.Contains(sdBottom);
    if (right) canvas.SetPixel(r.Right - 1, r.Top, l);
    if (top && !right) canvas.SetPixel(r.Right - 1, r.Top, u);
    if (bottom) canvas.SetPixel(r.Left, r.Bottom - 1, l);
    if (left && !bottom) canvas.SetPixel(r.Left, r.Bottom - 1, u);
    if (top && !left) canvas.SetPixel(r.Left, r.Top + 1, l);
    if (left && !top) canvas.SetPixel(r.Left + 1, r.Top, l);
    if (bottom && !right) canvas.SetPixel(r.Right - 1, r.Bottom - 2, u);
    if (right && !bottom) canvas.SetPixel(r.Right - 2, r.Bottom - 1, u);
    PaintSideLines(canvas, Rect(r.Left + 1, r.Top + 1, r.Right, r.Bottom), l, l, sides);
    PaintSideLines(canvas, Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1), u, u, sides);
    return Rect(r.Left + (left ? 2 : 0), r.Top + (top ? 2 : 0), r.Right - (right ? 2 : 0),
                r.Bottom - (bottom ? 2 : 0));
}

}  // namespace

TRect PaintSideLines(TCanvas& canvas, const TRect& bounds, TColor ulColor, TColor lrColor,
                     TSides sides) {
    const TRect& r = bounds;
    if (ulColor != clNone) {
        canvas.Pen()->SetColor(ulColor);
        if (sides.Contains(sdLeft)) {
            canvas.MoveTo(r.Left, r.Top);
            canvas.LineTo(r.Left, r.Bottom);
        }
        if (sides.Contains(sdTop)) {
            canvas.MoveTo(r.Left, r.Top);
            canvas.LineTo(r.Right, r.Top);
        }
    }
    if (lrColor != clNone) {
        canvas.Pen()->SetColor(lrColor);
        if (sides.Contains(sdRight)) {
            canvas.MoveTo(r.Right - 1, r.Top);
            canvas.LineTo(r.Right - 1, r.Bottom);
        }
        if (sides.Contains(sdBottom)) {
            canvas.MoveTo(r.Left, r.Bottom - 1);
            canvas.LineTo(r.Right, r.Bottom - 1);
        }
    }
    // The rectangle shrinks on every listed side even where a colour was left out.
    return Rect(r.Left + (sides.Contains(sdLeft) ? 1 : 0), r.Top + (sides.Contains(sdTop) ? 1 : 0),
                r.Right - (sides.Contains(sdRight) ? 1 : 0),
                r.Bottom - (sides.Contains(sdBottom) ? 1 : 0));
}

TRect PaintBevelRings(TCanvas& canvas, const TRect& bounds, TColor ulColor, TColor lrColor,
                      TSides sides, int rings) {
    canvas.Pen()->SetWidth(1);
    TRect r = bounds;
    for (int i = 0; i < rings; ++i) r = PaintSideLines(canvas, r, ulColor, lrColor, sides);
    return r;
}

TRect PaintDoubleEdge3D(TCanvas& canvas, const TRect& bounds, bool lowered, TSides sides) {
    return PaintPair(canvas, bounds, lowered ? kLowered : kRaised, sides);
}

TRect PaintDoubleEdgeButton(TCanvas& canvas, const TRect& bounds, bool down, TSides sides) {
    return PaintPair(canvas, bounds, down ? kButtonDown : kButtonUp, sides);
}

TRect PaintTintedButtonEdge(TCanvas& canvas, const TRect& bounds, TColor face, bool down,
                            TSides sides) {
    const TColor d100 = RzColor::DarkenColor(face, 100), d50 = RzColor::DarkenColor(face, 50);
    if (down) return PaintTwoRings(canvas, bounds, {d100, d100}, {d50, d50}, sides);
    return PaintTwoRings(canvas, bounds, {RzColor::LightenColor(face, 100), d100},
                         {RzColor::LightenColor(face, 40), d50}, sides);
}

TRect PaintFrameStyleSides(TCanvas& canvas, const TRect& bounds, TFrameStyle style, TSides sides) {
    switch (style) {
        case fsNone:
            return bounds;
        case fsGroove:
        case fsBump: {
            const TRing c = kStyleColors[style];
            return PaintEtched(canvas, bounds, c.UpperLeft, c.LowerRight, sides);
        }
        case fsLowered:
            return PaintPair(canvas, bounds, kLowered, sides);
        case fsButtonDown:
            return PaintPair(canvas, bounds, kButtonDown, sides);
        case fsRaised:
            return PaintPair(canvas, bounds, kRaised, sides);
        case fsButtonUp:
            return PaintPair(canvas, bounds, kButtonUp, sides);
        case fsFlatBold:
            return PaintBevelRings(canvas, bounds, clBtnShadow, clBtnShadow, sides, 2);
        // The rounded flat frame has no colours of its own: it takes the flat frame's dark line.
        case fsFlatRounded:
            return PaintRoundedFlatEdge(canvas, bounds, cl3DDkShadow, sides);
        default: {
            const TRing c = kStyleColors[style];
            return PaintSideLines(canvas, bounds, c.UpperLeft, c.LowerRight, sides);
        }
    }
}

TRect PaintFrameStyle(TCanvas& canvas, const TRect& bounds, TFrameStyle style) {
    return PaintFrameStyleSides(canvas, bounds, style, sdAllSides);
}

TRect PaintTintedFrameStyleSides(TCanvas& canvas, const TRect& bounds, TColor face,
                                 TFrameStyle style, TSides sides) {
    const TColor d50 = RzColor::DarkenColor(face, 50), d100 = RzColor::DarkenColor(face, 100);
    const TColor l50 = RzColor::LightenColor(face, 50), l100 = RzColor::LightenColor(face, 100);
    switch (style) {
        case fsNone:
            return bounds;
        case fsFlat:
            return PaintSideLines(canvas, bounds, d50, d50, sides);
        case fsGroove:
            return PaintEtched(canvas, bounds, d50, l100, sides);
        case fsBump:
        case fsFlatRounded:
            return PaintEtched(canvas, bounds, l100, d50, sides);
        case fsLowered:
            return PaintTwoRings(canvas, bounds, {d50, l100}, {d100, l50}, sides);
        case fsButtonDown:
            return PaintTintedButtonEdge(canvas, bounds, face, true, sides);
        case fsRaised:
            return PaintTwoRings(canvas, bounds, {l50, d100}, {l100, d50}, sides);
        case fsButtonUp:
            return PaintTintedButtonEdge(canvas, bounds, face, false, sides);
        case fsStatus:
            return PaintSideLines(canvas, bounds, d50, l100, sides);
        case fsPopup:
            return PaintSideLines(canvas, bounds, l100, d50, sides);
        case fsFlatBold:
            return PaintBevelRings(canvas, bounds, d50, d50, sides, 2);
    }
    return bounds;
}

TRect PaintTintedFrameStyle(TCanvas& canvas, const TRect& bounds, TColor face, TFrameStyle style) {
    return PaintTintedFrameStyleSides(canvas, bounds, face, style, sdAllSides);
}

TRect PaintOutlineBox(TCanvas& canvas, const TRect& bounds, TColor color) {
    return PaintSideLines(canvas, bounds, color, color, sdAllSides);
}

TRect PaintRoundedFlatEdge(TCanvas& canvas, const TRect& bounds, TColor color, TSides sides) {
    const TRect& r = bounds;
    const bool left = sides.Contains(sdLeft), top = sides.Contains(sdTop);
    const bool right = sides.Contains(sdRight), bottom = sides.Contains(sdBottom);
    const int x0 = left ? r.Left + 2 : r.Left, x1 = right ? r.Right - 2 : r.Right;
    const int y0 = top ? r.Top + 2 : r.Top, y1 = bottom ? r.Bottom - 2 : r.Bottom;
    canvas.Pen()->SetColor(color);
    auto line = [&](int ax, int ay, int bx, int by) {
        canvas.MoveTo(ax, ay);
        canvas.LineTo(bx, by);
    };
    if (left) line(r.Left, y0, r.Left, y1);
    if (top) line(x0, r.Top, x1, r.Top);
    if (right) line(r.Right - 1, y0, r.Right - 1, y1);
    if (bottom) line(x0, r.Bottom - 1, x1, r.Bottom - 1);
    if (left && top) canvas.SetPixel(r.Left + 1, r.Top + 1, color);
    if (top && right) canvas.SetPixel(r.Right - 2, r.Top + 1, color);
    if (right && bottom) canvas.SetPixel(r.Right - 2, r.Bottom - 2, color);
    if (left && bottom) canvas.SetPixel(r.Left + 1, r.Bottom - 2, color);
    return Rect(x0, y0, x1, y1);
}

TRect PaintEditFrame(TCanvas& canvas, int width, int height, TFrameStyle style, TColor background,
                     TColor frameColor, TSides sides) {
    // The two background rings only cover the platform's border; the frame goes on top of them,
    // from the outer edge.
    const TRect r = Rect(0, 0, width, height);
    PaintBevelRings(canvas, r, background, background, sdAllSides, 2);
    switch (style) {
        case fsFlat:
            return PaintSideLines(canvas, r, frameColor, frameColor, sides);
        case fsFlatBold:
            return PaintBevelRings(canvas, r, frameColor, frameColor, sides, 2);
        default:
            if (background == clWindow) return PaintFrameStyleSides(canvas, r, style, sides);
            return PaintTintedFrameStyleSides(canvas, r, background, style, sides);
    }
}
