// Colour model, edges, frames and arrows of the enhanced controls, checked on small bitmaps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/RzCommon.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Pen.h"

namespace {

struct THsl {
    int H, S, L;
    bool operator==(const THsl&) const = default;
};
std::ostream& operator<<(std::ostream& os, const THsl& v) {
    return os << "(" << v.H << "," << v.S << "," << v.L << ")";
}
THsl Hsl(TColor c) {
    THsl v;
    ColorToHueSatLum(c, v.H, v.S, v.L);
    return v;
}

struct TInk {
    TColor Color;
    char Mark;
};
// Rows of a bitmap, each pixel marked by the first ink of its colour, '?' when none matches.
std::string Map(TBitmap& bitmap, std::initializer_list<TInk> inks) {
    std::string map;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor c = bitmap.Canvas()->Pixel(x, y);
            char mark = '?';
            for (const TInk& ink : inks)
                if (c == ColorToRGB(ink.Color)) {
                    mark = ink.Mark;
                    break;
                }
            map += mark;
        }
        map += '\n';
    }
    return map;
}
// '#' for black, '.' for white.
std::string Map(TBitmap& bitmap) { return Map(bitmap, {{clBlack, '#'}, {clWhite, '.'}}); }
std::string Rows(std::initializer_list<const char*> rows) {
    std::string map;
    for (const char* r : rows) map += std::string(r) + '\n';
    return map;
}

}  // namespace

TEST(RzColorModel, HueSatLumConversions) {
    struct TCase {
        TColor Color;
        THsl Expected;
    } cases[] = {
        {RGB(255, 0, 0), {0, 240, 120}},
        {RGB(128, 128, 128), {0, 0, 120}},
        {RGB(0, 255, 0), {80, 240, 120}},
        {clBtnFace, Hsl(ColorToRGB(clBtnFace))},  // system colours resolve first
    };
    for (const TCase& c : cases) EXPECT_EQ(Hsl(c.Color), c.Expected) << std::hex << c.Color;

    // The back conversion divides the hue by 239, so pure colours come back slightly off.
    struct TBack {
        THsl In;
        TColor Expected;
    } back[] = {
        {{0, 0, 240}, RGB(255, 255, 255)},     {{80, 240, 120}, RGB(0, 255, 2)},
        {Hsl(RGB(0, 0, 255)), RGB(4, 0, 255)}, {{0, 0, 0}, RGB(0, 0, 0)},
        {{239, 240, 120}, RGB(255, 0, 0)},  // the seventh sector reads like the first
    };
    for (const TBack& b : back)
        EXPECT_EQ(HueSatLumToColor(b.In.H, b.In.S, b.In.L), b.Expected) << b.In;
}

TEST(RzColorModel, DarkerLighterAndNearlyEqual) {
    EXPECT_EQ(RzColor::DarkenColor(clSilver, 50), RGB(139, 139, 139));
    EXPECT_EQ(RzColor::DarkenColor(clBlack, 100), clBlack);
    EXPECT_EQ(RzColor::LightenColor(clSilver, 100), clWhite);
    EXPECT_EQ(RzColor::LightenColor(RGB(0, 0, 128), 255), clWhite);
    EXPECT_EQ(ShiftColorLightness(clSilver, -50), RzColor::DarkenColor(clSilver, 50));
    EXPECT_EQ(ShiftColorLightness(clSilver, 30), RzColor::LightenColor(clSilver, 30));
    EXPECT_EQ(ShiftColorLightness(clBtnFace, 0), clBtnFace);

    EXPECT_TRUE(ColorsNearlyEqual(RGB(50, 50, 50), clBlack));
    EXPECT_FALSE(ColorsNearlyEqual(RGB(64, 64, 64), clBlack));
    EXPECT_FALSE(ColorsNearlyEqual(clRed, clLime));
}

TEST(RzEdges, SideLinesSkipAMissingColourButStillShrink) {
    TBitmap bitmap(6, 5);
    const TRect inner =
        PaintSideLines(*bitmap.Canvas(), Rect(0, 0, 6, 5), clNone, clBlack, sdAllSides);
    EXPECT_EQ(inner, Rect(1, 1, 5, 4));
    EXPECT_EQ(Map(bitmap), Rows({".....#", ".....#", ".....#", ".....#", "######"}));

    TBitmap partial(6, 5);
    EXPECT_EQ(PaintSideLines(*partial.Canvas(), Rect(0, 0, 6, 5), clBlack, clBlack,
                             TSides{sdLeft, sdBottom}),
              Rect(1, 0, 6, 4));
    EXPECT_EQ(Map(partial), Rows({"#.....", "#.....", "#.....", "#.....", "######"}));
}

// Each style on a 10 x 10 bitmap: the outer ring at (0,5) and (9,5), the next ring at (1,5) and
// (8,5), and the rectangle left inside.
TEST(RzEdges, FrameStylesPaintTheirRings) {
    const TColor face = clSilver;
    const TColor d50 = RzColor::DarkenColor(face, 50), d100 = RzColor::DarkenColor(face, 100);
    const TColor l50 = RzColor::LightenColor(face, 50), l100 = RzColor::LightenColor(face, 100);
    struct TCase {
        TFrameStyle Style;
        bool Tinted;
        TColor OuterL, OuterR, InnerL, InnerR;
        int Inset;
    } cases[] = {
        {fsFlat, false, cl3DDkShadow, cl3DDkShadow, clWhite, clWhite, 1},
        {fsStatus, false, clBtnShadow, clBtnHighlight, clWhite, clWhite, 1},
        {fsPopup, false, clBtnHighlight, clBtnShadow, clWhite, clWhite, 1},
        {fsFlatBold, false, clBtnShadow, clBtnShadow, clBtnShadow, clBtnShadow, 2},
        {fsLowered, false, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight, 2},
        {fsRaised, false, cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow, 2},
        {fsButtonUp, false, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow, 2},
        {fsButtonDown, false, clBtnText, clBtnText, clBtnShadow, clBtnShadow, 2},
        {fsGroove, false, clBtnShadow, clBtnHighlight, clBtnHighlight, clBtnShadow, 2},
        {fsBump, false, clBtnHighlight, clBtnShadow, clBtnShadow, clBtnHighlight, 2},
        {fsNone, false, clWhite, clWhite, clWhite, clWhite, 0},
        {fsFlat, true, d50, d50, clWhite, clWhite, 1},
        {fsStatus, true, d50, l100, clWhite, clWhite, 1},
        {fsLowered, true, d50, l100, d100, l50, 2},
        {fsRaised, true, l50, d100, l100, d50, 2},
        {fsButtonUp, true, l100, d100, RzColor::LightenColor(face, 40), d50, 2},
        {fsButtonDown, true, d100, d100, d50, d50, 2},
        {fsGroove, true, d50, l100, l100, d50, 2},
        {fsFlatRounded, true, l100, d50, d50, l100, 2},
    };
    for (const TCase& c : cases) {
        TBitmap bitmap(10, 10);
        TCanvas& canvas = *bitmap.Canvas();
        const TRect r = c.Tinted ? PaintTintedFrameStyle(canvas, Rect(0, 0, 10, 10), face, c.Style)
                                 : PaintFrameStyle(canvas, Rect(0, 0, 10, 10), c.Style);
        SCOPED_TRACE(testing::Message() << "style " << c.Style << (c.Tinted ? " tinted" : ""));
        EXPECT_EQ(r, Rect(c.Inset, c.Inset, 10 - c.Inset, 10 - c.Inset));
        EXPECT_EQ(canvas.Pixel(0, 5), ColorToRGB(c.OuterL));
        EXPECT_EQ(canvas.Pixel(9, 5), ColorToRGB(c.OuterR));
        EXPECT_EQ(canvas.Pixel(1, 5), ColorToRGB(c.InnerL));
        EXPECT_EQ(canvas.Pixel(8, 5), ColorToRGB(c.InnerR));
    }
}

// The etched frame patches its corners so that light and dark lines meet cleanly; '#' is the
// shadow, 'L' the highlight, '.' the red ground.
TEST(RzEdges, EtchedCornersOnOpenSides) {
    struct TCase {
        TSides Sides;
        TRect Inner;
        std::initializer_list<const char*> Rows;
    } cases[] = {
        {sdAllSides,
         Rect(2, 2, 4, 4),
         {"#####L", "#LLL#L", "#L..#L", "#L..#L", "#####L", "LLLLLL"}},
        {TSides{sdLeft, sdTop},
         Rect(2, 2, 6, 6),
         {"######", "#LLLLL", "#L....", "#L....", "#L....", "#L...."}},
        {TSides{sdRight, sdBottom},
         Rect(0, 0, 4, 4),
         {"....#L", "....#L", "....#L", "....#L", "#####L", "LLLLLL"}},
    };
    for (const TCase& c : cases) {
        TBitmap bitmap(6, 6);
        bitmap.Canvas()->Brush()->SetColor(clRed);
        bitmap.Canvas()->FillRect(Rect(0, 0, 6, 6));
        EXPECT_EQ(PaintFrameStyleSides(*bitmap.Canvas(), Rect(0, 0, 6, 6), fsGroove, c.Sides),
                  c.Inner);
        EXPECT_EQ(Map(bitmap, {{clBtnShadow, '#'}, {clBtnHighlight, 'L'}, {clRed, '.'}}),
                  Rows(c.Rows))
            << "sides " << c.Sides.Mask();
    }
}

TEST(RzEdges, RoundedFlatEdgeAndOutline) {
    TBitmap bitmap(7, 6);
    EXPECT_EQ(PaintRoundedFlatEdge(*bitmap.Canvas(), Rect(0, 0, 7, 6), clBlack, sdAllSides),
              Rect(2, 2, 5, 4));
    EXPECT_EQ(Map(bitmap),
              Rows({"..###..", ".#...#.", "#.....#", "#.....#", ".#...#.", "..###.."}));

    TBitmap open(7, 6);
    EXPECT_EQ(
        PaintRoundedFlatEdge(*open.Canvas(), Rect(0, 0, 7, 6), clBlack, TSides{sdLeft, sdTop}),
        Rect(2, 2, 7, 6));
    EXPECT_EQ(Map(open), Rows({"..#####", ".#.....", "#......", "#......", "#......", "#......"}));

    TBitmap box(4, 4);
    EXPECT_EQ(PaintOutlineBox(*box.Canvas(), Rect(0, 0, 4, 4), clBlack), Rect(1, 1, 3, 3));
    EXPECT_EQ(Map(box), Rows({"####", "#..#", "#..#", "####"}));
}

// The edit frame hides the platform's border under two background rings, then draws its own.
TEST(RzEdges, EditFrameCoversTheBorderInTheBackground) {
    struct TCase {
        TFrameStyle Style;
        TColor Background;
        TColor Ring0, Ring1;
        TRect Inner;
    } cases[] = {
        {fsFlat, clWindow, clBlue, clWindow, Rect(1, 1, 7, 7)},
        {fsFlatBold, clWindow, clBlue, clBlue, Rect(2, 2, 6, 6)},
        {fsLowered, clWindow, clBtnShadow, cl3DDkShadow, Rect(2, 2, 6, 6)},
        {fsLowered, clSilver, RzColor::DarkenColor(clSilver, 50),
         RzColor::DarkenColor(clSilver, 100), Rect(2, 2, 6, 6)},
        {fsNone, clYellow, clYellow, clYellow, Rect(0, 0, 8, 8)},
    };
    for (const TCase& c : cases) {
        TBitmap bitmap(8, 8);
        TCanvas& canvas = *bitmap.Canvas();
        canvas.Brush()->SetColor(clRed);
        canvas.FillRect(Rect(0, 0, 8, 8));
        SCOPED_TRACE(testing::Message() << "style " << c.Style);
        EXPECT_EQ(PaintEditFrame(canvas, 8, 8, c.Style, c.Background, clBlue, sdAllSides), c.Inner);
        EXPECT_EQ(canvas.Pixel(0, 4), ColorToRGB(c.Ring0));
        EXPECT_EQ(canvas.Pixel(4, 1), ColorToRGB(c.Ring1));
        EXPECT_EQ(canvas.Pixel(4, 4), clRed);  // the client is left alone
    }
}

// Each arrow on (0, 0, 11, 16), whose centre is (5, 7), against the same polygon drawn by hand
// without a pen: the points are worked out from the centre shift and the offsets of each form.
TEST(RzArrows, ArrowsArePlacedAroundTheShiftedCentre) {
    struct TCase {
        TArrowForm Form;
        int Direction;  // -1: the drop arrow
        std::vector<TPoint> Points;
    } cases[] = {
        {afClassic, sdirUp, {{5, 3}, {9, 8}, {1, 8}}},
        {afClassic, sdirDown, {{5, 9}, {2, 5}, {9, 5}}},
        {afClassic, sdirLeft, {{3, 7}, {7, 3}, {7, 11}}},
        {afClassic, sdirRight, {{7, 7}, {3, 11}, {3, 3}}},
        {afVista, sdirUp, {{5, 5}, {8, 9}, {2, 9}}},
        {afXP, sdirDown, {{5, 9}, {2, 5}, {5, 5}, {5, 6}, {6, 5}, {9, 5}}},
        // The drop arrow always takes its Vista form on this system.
        {afClassic, -1, {{6, 10}, {3, 6}, {10, 6}}},
    };
    for (const TCase& c : cases) {
        TBitmap bitmap(11, 16), expected(11, 16);
        TCanvas& canvas = *bitmap.Canvas();
        canvas.Brush()->SetColor(clWhite);
        canvas.Pen()->SetStyle(psDot);
        if (c.Direction < 0)
            PaintDropArrow(canvas, Rect(0, 0, 11, 16), c.Form, true);
        else
            PaintSpinArrow(canvas, Rect(0, 0, 11, 16), c.Form, c.Direction, true);
        expected.Canvas()->Pen()->SetStyle(psClear);
        expected.Canvas()->Brush()->SetColor(clBlack);
        expected.Canvas()->Polygon(c.Points);
        SCOPED_TRACE(testing::Message() << "form " << c.Form << " direction " << c.Direction);
        EXPECT_EQ(Map(bitmap), Map(expected));
        EXPECT_EQ(canvas.Pen()->Style(), psDot);
        EXPECT_EQ(canvas.Brush()->Color(), clWhite);
    }
}

TEST(RzArrows, ArrowColourFollowsStateAndBackground) {
    struct TCase {
        TColor Brush;
        bool Enabled;
        TColor Expected;
    } cases[] = {
        {clWhite, true, clBlack},
        {RGB(30, 30, 30), true, cl3DDkShadow},  // black would vanish on a near-black brush
        {clWhite, false, clBtnShadow},
    };
    for (const TCase& c : cases) {
        TBitmap bitmap(11, 16);
        bitmap.Canvas()->Brush()->SetColor(c.Brush);
        PaintSpinArrow(*bitmap.Canvas(), Rect(0, 0, 11, 16), afClassic, sdirUp, c.Enabled);
        EXPECT_EQ(bitmap.Canvas()->Pixel(5, 5), ColorToRGB(c.Expected));
    }
}

TEST(RzGeometry, CenteredRectAndVersions) {
    EXPECT_EQ(CenteredRect(Rect(0, 0, 10, 10), 4, 6), Rect(3, 2, 7, 8));
    EXPECT_EQ(CenteredRect(Rect(10, 20, 15, 25), 2, 2), Rect(11, 21, 13, 23));
    EXPECT_EQ(CenteredRect(Rect(0, 0, 2, 2), 5, 5), Rect(-1, -1, 4, 4));  // halves truncate
    EXPECT_FALSE(WindowsVersionIs(wvWin95));
    EXPECT_FALSE(WindowsVersionIs(wvWinNT4));
    EXPECT_TRUE(WindowsVersionAtLeast(wvWinXP));
    EXPECT_TRUE(WindowsVersionAtLeast(wvWinVista));
}

TEST(RzCommon, MonitorsByPoint) {
    const TRect full = MonitorFullRect(0);
    ASSERT_GT(full.Width(), 0);
    EXPECT_EQ(MonitorAtPoint(Point(full.Left, full.Top)), 0);
    EXPECT_EQ(MonitorAtPoint(Point(full.Right - 1, full.Bottom - 1)), 0);
    EXPECT_EQ(MonitorAtPoint(Point(-1000000, -1000000)), -1);
    const TRect work = MonitorWorkRect(0);
    EXPECT_TRUE(full.Contains(work.Left, work.Top) && work.Right <= full.Right &&
                work.Bottom <= full.Bottom);
}
