// Pixel rules of lines and shapes, on small bitmaps.
#include <gtest/gtest.h>

#include <functional>

#include "platform/graphics/Bitmap.h"
#include "tests/platform/graphics/PixelMap.h"

namespace {

// A white bitmap whose canvas draws with a black one-pixel pen and no brush.
struct TSheet {
    TBitmap Bitmap;
    TCanvas& C;
    TSheet(int w, int h) : Bitmap(w, h), C(*Bitmap.Canvas()) { C.Brush()->SetStyle(bsClear); }
    std::string Map() { return PixelMap(Bitmap); }
};

}  // namespace

TEST(CanvasLines, LineToLeavesOutItsLastPixel) {
    TSheet s(5, 3);
    s.C.MoveTo(0, 0);
    s.C.LineTo(4, 0);
    s.C.MoveTo(4, 2);
    s.C.LineTo(1, 2);  // leftwards: pixel 1 is the end and stays white
    EXPECT_EQ(s.Map(), Rows({"####.", ".....", "..###"}));
    EXPECT_EQ(s.C.PenPos(), Point(1, 2));
}

TEST(CanvasLines, PolylineLeavesOutOnlyTheFinalPoint) {
    TSheet s(4, 4);
    const TPoint points[] = {{0, 0}, {3, 0}, {3, 3}};
    s.C.Polyline(points);
    EXPECT_EQ(s.Map(), Rows({"####", "...#", "...#", "...."}));
}

TEST(CanvasLines, DashedPenGapsTakeTheBackgroundWhenOpaque) {
    struct TCase {
        int Mode;
        const char* Row;
    } cases[] = {{TRANSPARENT, "###...###..."}, {OPAQUE, "###???###???"}};
    for (const TCase& c : cases) {
        TSheet s(12, 1);
        s.C.Pen()->SetStyle(psDot);
        s.C.SetBkColor(clRed);
        s.C.SetBkMode(c.Mode);
        s.C.MoveTo(0, 0);
        s.C.LineTo(12, 0);
        EXPECT_EQ(s.Map(), Rows({c.Row})) << "mode " << c.Mode;
    }
}

TEST(CanvasLines, WidePenCoversItsWidth) {
    TSheet s(8, 5);
    s.C.Pen()->SetWidth(3);
    s.C.MoveTo(2, 2);
    s.C.LineTo(5, 2);
    // Three rows thick, with round ends one pixel past the end points.
    EXPECT_EQ(s.Map(), Rows({"........", ".######.", ".######.", ".######.", "........"}));
}

TEST(CanvasShapes, RectangleKeepsItsOutlineInsideTheBox) {
    TSheet s(6, 6);
    s.C.Rectangle(0, 0, 4, 4);
    EXPECT_EQ(s.Map(), Rows({"####..", "#..#..", "#..#..", "####..", "......", "......"}));
}

TEST(CanvasShapes, RectangleWithoutPenFillsOnePixelLessRightAndBottom) {
    TSheet s(5, 5);
    s.C.Pen()->SetStyle(psClear);
    s.C.Brush()->SetColor(clBlack);
    s.C.Rectangle(1, 1, 4, 4);
    EXPECT_EQ(s.Map(), Rows({".....", ".##..", ".##..", ".....", "....."}));
}

TEST(CanvasShapes, WidePensStayInsideTheBox) {
    for (TPenStyle style : {psSolid, psInsideFrame}) {
        TSheet s(7, 6);
        s.C.Brush()->SetColor(clRed);
        s.C.Pen()->SetStyle(style);
        s.C.Pen()->SetWidth(2);
        s.C.Rectangle(0, 0, 7, 6);
        EXPECT_EQ(s.Map(),
                  Rows({"#######", "#######", "##???##", "##???##", "#######", "#######"}));
        TSheet e(7, 7);
        e.C.Pen()->SetWidth(2);
        e.C.Ellipse(0, 0, 7, 7);
        EXPECT_EQ(e.Map(), Rows({"..###..", ".#####.", "##...##", "##...##", "##...##", ".#####.",
                                 "..###.."}));
    }
}

TEST(CanvasShapes, FillRectLeavesOutRightAndBottomAndIgnoresThePenMode) {
    TSheet s(5, 4);
    s.C.Brush()->SetColor(clBlack);
    s.C.Pen()->SetMode(pmXor);
    s.C.FillRect(Rect(1, 1, 4, 3));
    s.C.FillRect(Rect(1, 1, 2, 2));  // painted again: still black
    EXPECT_EQ(s.Map(), Rows({".....", ".###.", ".###.", "....."}));
    s.C.FrameRect(Rect(0, 0, 5, 4));
    EXPECT_EQ(s.Map(), Rows({"#####", "#####", "#####", "#####"}));
}

TEST(CanvasShapes, EllipseStaysInsideItsBox) {
    TSheet s(8, 8);
    s.C.Brush()->SetColor(clRed);
    s.C.Ellipse(1, 1, 7, 7);
    EXPECT_EQ(s.Map(), Rows({"........", "..####..", ".#????#.", ".#????#.", ".#????#.", ".#????#.",
                             "..####..", "........"}));
}

TEST(CanvasShapes, PolygonFillsAlternately) {
    // A square drawn twice round: the second winding cancels the first under alternate fill,
    // so only the frame of the outline remains.
    TSheet s(6, 6);
    s.C.Pen()->SetStyle(psClear);
    s.C.Brush()->SetColor(clBlack);
    const TPoint square[] = {{0, 0}, {6, 0}, {6, 6}, {0, 6}};
    s.C.Polygon(square);
    EXPECT_EQ(s.Map(), Rows({"######", "######", "######", "######", "######", "######"}));
    TSheet t(6, 6);
    t.C.Pen()->SetStyle(psClear);
    t.C.Brush()->SetColor(clBlack);
    // Outer square with an inner one the same way round: the inside is filled twice.
    const TPoint nested[] = {{0, 0}, {6, 0}, {6, 6}, {0, 6}, {0, 0},
                             {2, 2}, {4, 2}, {4, 4}, {2, 4}, {2, 2}};
    t.C.Polygon(nested);
    EXPECT_EQ(t.Map(), Rows({"######", "######", "##..##", "##..##", "######", "######"}));
}

TEST(CanvasShapes, PieAndArcRunCounterClockwiseUnlessTurned) {
    // From the radial to the right to the radial upwards: the upper-right quarter.
    struct TCase {
        int Direction;
        const char* Expected;
    } cases[] = {
        {AD_COUNTERCLOCKWISE,
         "....##..|....###.|....####|....####|........|........|........|........|"},
        {AD_CLOCKWISE, "..##....|.###....|####....|####....|########|########|.######.|..####..|"},
    };
    for (const TCase& c : cases) {
        TSheet s(8, 8);
        s.C.Brush()->SetColor(clBlack);
        s.C.Brush()->SetStyle(bsSolid);
        s.C.Pen()->SetStyle(psClear);
        s.C.SetArcDirection(c.Direction);
        s.C.Pie(0, 0, 9, 9, 8, 4, 4, 0);
        std::string map = s.Map();
        for (char& ch : map)
            if (ch == '\n') ch = '|';
        EXPECT_EQ(map, c.Expected) << "direction " << c.Direction;
    }
}

// Every primitive drawn twice with pmXor or pmNotXor gives back the picture it was drawn on.
TEST(CanvasShapes, XorAndNotXorDrawnTwiceRestoreEveryPixel) {
    const std::pair<const char*, std::function<void(TCanvas&)>> primitives[] = {
        {"line",
         [](TCanvas& c) {
             c.MoveTo(1, 1);
             c.LineTo(13, 9);
         }},
        {"wide line",
         [](TCanvas& c) {
             c.Pen()->SetWidth(3);
             c.MoveTo(2, 8);
             c.LineTo(12, 3);
         }},
        {"dotted polyline",
         [](TCanvas& c) {
             c.Pen()->SetStyle(psDashDot);
             const TPoint p[] = {{0, 0}, {13, 2}, {3, 9}, {14, 10}};
             c.Polyline(p);
         }},
        {"rectangle", [](TCanvas& c) { c.Rectangle(2, 2, 12, 10); }},
        {"ellipse", [](TCanvas& c) { c.Ellipse(1, 1, 14, 11); }},
        {"round rect", [](TCanvas& c) { c.RoundRect(0, 0, 15, 12, 6, 6); }},
        {"star",
         [](TCanvas& c) {
             const TPoint p[] = {{7, 0}, {11, 11}, {1, 4}, {14, 4}, {3, 11}};
             c.Polygon(p);
         }},
        {"pie", [](TCanvas& c) { c.Pie(0, 0, 15, 12, 15, 6, 0, 0); }},
        {"chord", [](TCanvas& c) { c.Chord(0, 0, 15, 12, 0, 12, 15, 0); }},
        {"arc",
         [](TCanvas& c) {
             c.Pen()->SetWidth(2);
             c.Arc(0, 0, 15, 12, 15, 6, 7, 12);
         }},
        {"hatch",
         [](TCanvas& c) {
             c.Brush()->SetStyle(bsDiagCross);
             c.SetBkMode(OPAQUE);
             c.Rectangle(0, 0, 15, 12);
         }},
    };
    for (TPenMode mode : {pmXor, pmNotXor}) {
        for (const auto& [name, draw] : primitives) {
            TBitmap bitmap(15, 12);
            TCanvas& c = *bitmap.Canvas();
            // A background of several colours so no pixel is trivially fixed.
            for (int y = 0; y < 12; ++y)
                for (int x = 0; x < 15; ++x) c.SetPixel(x, y, RGB(x * 17, y * 21, (x * y) & 0xFF));
            TBitmap before;
            before.Assign(&bitmap);
            c.Brush()->SetColor(RGB(0x12, 0x34, 0x56));
            c.Pen()->SetColor(RGB(0xA0, 0x0F, 0x33));
            c.Pen()->SetMode(mode);
            draw(c);
            bool changed = false;
            for (int y = 0; y < 12 && !changed; ++y)
                for (int x = 0; x < 15 && !changed; ++x)
                    changed = c.Pixel(x, y) != before.Canvas()->Pixel(x, y);
            EXPECT_TRUE(changed) << name;
            draw(c);
            for (int y = 0; y < 12; ++y)
                for (int x = 0; x < 15; ++x)
                    ASSERT_EQ(c.Pixel(x, y), before.Canvas()->Pixel(x, y))
                        << name << " mode " << mode << " at " << x << "," << y;
        }
    }
}

TEST(CanvasShapes, PenModesCombinePenAndDestination) {
    // Pen 0x0F0F33 on destination 0x335533, channel by channel.
    const TColor p = RGB(0x33, 0x0F, 0x0F), d = RGB(0x33, 0x55, 0x33);
    const uint32_t P = uint32_t(p), D = uint32_t(d), M = 0xFFFFFF;
    const std::pair<TPenMode, uint32_t> cases[] = {
        {pmBlack, 0},
        {pmWhite, M},
        {pmNop, D},
        {pmNot, ~D & M},
        {pmCopy, P},
        {pmNotCopy, ~P & M},
        {pmMergePenNot, (P | ~D) & M},
        {pmMaskPenNot, P & ~D & M},
        {pmMergeNotPen, (~P | D) & M},
        {pmMaskNotPen, ~P & D & M},
        {pmMerge, P | D},
        {pmNotMerge, ~(P | D) & M},
        {pmMask, P & D},
        {pmNotMask, ~(P & D) & M},
        {pmXor, P ^ D},
        {pmNotXor, ~(P ^ D) & M},
    };
    for (const auto& [mode, expected] : cases) {
        TBitmap bitmap(3, 1);
        TCanvas& c = *bitmap.Canvas();
        c.SetPixel(0, 0, d);
        c.SetPixel(1, 0, d);
        c.Pen()->SetColor(p);
        c.Pen()->SetMode(mode);
        c.MoveTo(0, 0);
        c.LineTo(2, 0);
        EXPECT_EQ(uint32_t(c.Pixel(0, 0)), expected) << PenModeNames().Name(mode);
        EXPECT_EQ(uint32_t(c.Pixel(1, 0)), expected) << PenModeNames().Name(mode);
    }
}

TEST(CanvasShapes, HatchGapsAreLeftAloneWhenTransparentAndBackgroundWhenOpaque) {
    struct TCase {
        TBrushStyle Style;
        int Mode;
        const char* Row0;
        const char* Row1;
    } cases[] = {
        {bsHorizontal, TRANSPARENT, "#########", "........."},
        {bsHorizontal, OPAQUE, "#########", "?????????"},
        {bsVertical, TRANSPARENT, "#.......#", "#.......#"},
        {bsCross, OPAQUE, "#########", "#???????#"},
        {bsFDiagonal, TRANSPARENT, "#.......#", ".#......."},
        {bsBDiagonal, TRANSPARENT, "#.......#", ".......#."},
    };
    for (const TCase& c : cases) {
        TSheet s(9, 2);
        s.C.Pen()->SetStyle(psClear);
        s.C.Brush()->SetColor(clBlack);
        s.C.Brush()->SetStyle(c.Style);  // a hatch sets the mode transparent...
        s.C.SetBkColor(clRed);
        s.C.SetBkMode(c.Mode);  // ...until it is set again
        s.C.FillRect(Rect(0, 0, 9, 2));
        EXPECT_EQ(s.Map(), Rows({c.Row0, c.Row1}))
            << BrushStyleNames().Name(c.Style) << " " << c.Mode;
    }
}

TEST(CanvasShapes, BrushSelectsTheBackground) {
    TSheet s(1, 1);
    s.C.Brush()->SetColor(clRed);
    EXPECT_EQ(s.C.BkMode(), OPAQUE);  // a colour on a clear brush makes it solid again
    EXPECT_EQ(s.C.BkColor(), clRed);
    s.C.Brush()->SetStyle(bsClear);
    EXPECT_EQ(s.C.BkMode(), TRANSPARENT);
}
