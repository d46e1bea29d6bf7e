// The label's borders: an outer and an inner frame style around rings of the border colour.
#include "controls/RzCommon.h"

namespace {

TRect Ring(TCanvas& canvas, const TRect& r, TColor color, TSides sides) {
    return PaintSideLines(canvas, r, color, color, sides);
}

TRect ShrunkOnSides(TRect r, TSides sides) {
    if (sides.Contains(sdLeft)) ++r.Left;
    if (sides.Contains(sdTop)) ++r.Top;
    if (sides.Contains(sdRight)) --r.Right;
    if (sides.Contains(sdBottom)) --r.Bottom;
    return r;
}

// One frame style of the label; outer says which of the two places it takes, as the rounded
// style fills its corners differently there.
TRect PaintLabelFrame(TCanvas& canvas, TRect r, TFrameStyle style, bool outer,
                      const TLabelBorders& b) {
    const TColor flat = ShiftColorLightness(b.FlatColor, b.FlatAdjustment);
    switch (style) {
        case fsFlat:
            return Ring(canvas, r, flat, b.Sides);
        case fsFlatBold:
            return PaintBevelRings(canvas, r, flat, flat, b.Sides, 2);
        case fsFlatRounded: {
            // The square corners the rounded edge leaves are filled first, in the colour that
            // lies around (outside) and within (inside) the edge.
            const TRect start = r;
            const bool ringWithin = b.BorderWidth > 0 || b.Inner != fsNone;
            if (outer) {
                if (!b.Transparent) {
                    r = Ring(canvas, r, b.ParentColor, b.Sides);
                    Ring(canvas, r, ringWithin ? b.BorderColor : b.Color, b.Sides);
                } else if (ringWithin) {
                    Ring(canvas, ShrunkOnSides(r, b.Sides), b.BorderColor, b.Sides);
                }
            } else {
                r = Ring(canvas, r, b.BorderColor, b.Sides);
                if (!b.Transparent) Ring(canvas, r, b.Color, b.Sides);
            }
            return PaintRoundedFlatEdge(canvas, start, flat, b.Sides);
        }
        case fsStatus:
            return PaintBevelRings(canvas, r, b.Shadow, b.Highlight, b.Sides, b.BevelWidth);
        case fsPopup:
            return PaintBevelRings(canvas, r, b.Highlight, b.Shadow, b.Sides, b.BevelWidth);
        default:
            return PaintFrameStyleSides(canvas, r, style, b.Sides);
    }
}

}  // namespace

TRect PaintLabelBorders(TCanvas& canvas, const TRect& bounds, const TLabelBorders& borders) {
    TRect r = PaintLabelFrame(canvas, bounds, borders.Outer, true, borders);
    if (borders.BorderWidth > 0)
        r = PaintBevelRings(canvas, r, borders.BorderColor, borders.BorderColor, borders.Sides,
                            borders.BorderWidth);
    return PaintLabelFrame(canvas, r, borders.Inner, false, borders);
}
