#include "platform/ui/BitBtnKinds.h"

#include <array>

#include "platform/classes/PropInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Pen.h"

const TEnumInfo& BitBtnKindNames() {
    static const TEnumInfo names{"bkCustom", "bkOK", "bkCancel", "bkHelp",
                                 "bkYes",    "bkNo", "bkClose"};
    return names;
}

const TBitBtnKindInfo& BitBtnKindInfo(TBitBtnKind kind) {
    static const std::array<TBitBtnKindInfo, 7> infos{{
        {"", mrNone, false, false},
        {"OK", mrOk, true, false},
        {"Cancel", mrCancel, false, true},
        {"&Help", mrNone, false, false},
        {"&Yes", mrYes, true, false},
        {"&No", mrNo, false, true},
        {"&Close", mrNone, false, false},
    }};
    return infos[size_t(kind)];
}

namespace {
constexpr TColor Ground = clFuchsia;
constexpr int S = BitBtnGlyphSize;

void ThickLine(TCanvas& c, TColor color, int width, std::initializer_list<TPoint> points) {
    c.Pen()->SetColor(color);
    c.Pen()->SetWidth(width);
    c.Polyline(std::span<const TPoint>(points.begin(), points.size()));
    c.Pen()->SetWidth(1);
}

// Each kind's picture in the 16 x 16 cell at x0.
void DrawPicture(TBitBtnKind kind, TCanvas& c, int x0) {
    auto P = [x0](int x, int y) { return Point(x0 + x, y); };
    switch (kind) {
        case bkOK:
        case bkYes:  // a green tick
            ThickLine(c, clGreen, 3, {P(2, 8), P(6, 12), P(14, 3)});
            break;
        case bkCancel:  // a red cross
            ThickLine(c, clRed, 3, {P(3, 3), P(13, 13)});
            ThickLine(c, clRed, 3, {P(13, 3), P(3, 13)});
            break;
        case bkNo: {  // a red ring with a bar across
            c.Pen()->SetColor(clRed);
            c.Pen()->SetWidth(2);
            c.Brush()->SetStyle(bsClear);
            c.Ellipse(x0 + 2, 2, x0 + 15, 15);
            c.Brush()->SetStyle(bsSolid);
            c.Pen()->SetWidth(1);
            ThickLine(c, clRed, 2, {P(4, 4), P(12, 12)});
            break;
        }
        case bkHelp: {  // a blue question mark
            ThickLine(c, clBlue, 2,
                      {P(4, 5), P(5, 3), P(8, 2), P(11, 3), P(12, 5), P(11, 7), P(8, 9), P(8, 11)});
            c.Brush()->SetColor(clBlue);
            c.FillRect(Rect(x0 + 7, 13, x0 + 10, 16));
            break;
        }
        case bkClose: {  // a door standing open in its frame
            c.Brush()->SetColor(clBlack);
            c.FrameRect(Rect(x0 + 3, 1, x0 + 13, 15));
            c.Brush()->SetColor(clOlive);
            c.FillRect(Rect(x0 + 4, 2, x0 + 12, 15));
            c.Brush()->SetColor(clTeal);
            const std::array<TPoint, 4> door{P(4, 2), P(9, 4), P(9, 16), P(4, 14)};
            c.Pen()->SetColor(clBlack);
            c.Polygon(door);
            c.SetPixel(x0 + 8, 9, clYellow);  // the knob
            break;
        }
        case bkCustom:
            break;
    }
}
}  // namespace

void DrawBitBtnKindGlyph(TBitBtnKind kind, TBitmap& glyph) {
    if (kind == bkCustom) {
        glyph.SetSize(0, 0);
        return;
    }
    glyph.SetSize(2 * S, S);
    glyph.SetTransparentColor(clDefault);  // the bottom-left pixel, which stays ground
    TCanvas& c = *glyph.Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Ground);
    c.FillRect(Rect(0, 0, 2 * S, S));
    c.Pen()->SetStyle(psSolid);
    DrawPicture(kind, c, 0);
    // The disabled image: the picture's shape in the shadow colour, lit from below right.
    for (int y = 0; y < S; ++y)
        for (int x = 0; x < S; ++x) {
            if (c.Pixel(x, y) == Ground) continue;
            if (x + 1 < S && y + 1 < S) c.SetPixel(S + x + 1, y + 1, clBtnHighlight);
        }
    for (int y = 0; y < S; ++y)
        for (int x = 0; x < S; ++x)
            if (c.Pixel(x, y) != Ground) c.SetPixel(S + x, y, clBtnShadow);
    c.SetPixel(0, S - 1, Ground);
}
