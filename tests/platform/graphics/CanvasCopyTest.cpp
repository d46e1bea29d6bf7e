// Copies between canvases, and pattern brushes.
#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "tests/platform/graphics/PixelMap.h"

namespace {

// 4 x 2: a black left half on row 0, a red right half on row 1.
void DrawSource(TBitmap& source) {
    source.SetSize(4, 2);
    TCanvas& c = *source.Canvas();
    c.Brush()->SetColor(clBlack);
    c.FillRect(Rect(0, 0, 2, 1));
    c.Brush()->SetColor(clRed);
    c.FillRect(Rect(2, 1, 4, 2));
}

}  // namespace

TEST(CanvasCopy, CopyRectCopiesAndStretches) {
    TBitmap source;
    DrawSource(source);
    struct TCase {
        TRect Dest, Src;
        std::initializer_list<const char*> Rows;
    } cases[] = {
        {Rect(1, 1, 5, 3), Rect(0, 0, 4, 2), {"......", ".##...", "...??.", "......"}},
        {Rect(0, 0, 2, 1),
         Rect(0, 0, 4, 2),
         {".?....", "......", "......", "......"}},  // pixel centres
        {Rect(0, 0, 6, 4), Rect(0, 0, 3, 2), {"####..", "####..", "....??", "....??"}},
        // Turned around: right and left swap.
        {Rect(4, 0, 0, 2), Rect(0, 0, 4, 2), {"..##..", "??....", "......", "......"}},
    };
    for (const TCase& c : cases) {
        TBitmap target(6, 4);
        target.Canvas()->CopyRect(c.Dest, *source.Canvas(), c.Src);
        EXPECT_EQ(PixelMap(target), Rows(c.Rows));
    }
}

TEST(CanvasCopy, CopyModesCombineSourceAndDestination) {
    const TColor s = RGB(0xF0, 0x0F, 0x33), d = RGB(0x3C, 0x55, 0x0F);
    const uint32_t S = uint32_t(s), D = uint32_t(d), M = 0xFFFFFF;
    const std::pair<TCopyMode, uint32_t> cases[] = {
        {cmSrcCopy, S},
        {cmSrcInvert, S ^ D},
        {cmSrcAnd, S & D},
        {cmSrcPaint, S | D},
        {cmSrcErase, S & ~D & M},
        {cmNotSrcCopy, ~S & M},
        {cmNotSrcErase, ~(S | D) & M},
        {cmMergePaint, (~S | D) & M},
        {cmDstInvert, ~D & M},
        {cmBlackness, 0},
        {cmWhiteness, M},
    };
    TBitmap source(1, 1);
    source.Canvas()->SetPixel(0, 0, s);
    for (const auto& [mode, expected] : cases) {
        TBitmap target(1, 1);
        target.Canvas()->SetPixel(0, 0, d);
        target.Canvas()->SetCopyMode(mode);
        target.Canvas()->CopyRect(Rect(0, 0, 1, 1), *source.Canvas(), Rect(0, 0, 1, 1));
        EXPECT_EQ(uint32_t(target.Canvas()->Pixel(0, 0)), expected) << "mode " << mode;
    }
}

TEST(CanvasCopy, CopyWithinOneCanvasReadsTheOriginal) {
    TBitmap bitmap(5, 1);
    TCanvas& c = *bitmap.Canvas();
    c.SetPixel(0, 0, clBlack);
    c.SetPixel(2, 0, clBlack);
    c.CopyRect(Rect(1, 0, 5, 1), c, Rect(0, 0, 4, 1));  // overlapping, shifted right
    EXPECT_EQ(PixelMap(bitmap), Rows({"##.#."}));
}

TEST(CanvasCopy, BitmapBrushTilesFromTheOrigin) {
    TBitmap pattern(2, 2);
    pattern.Canvas()->SetPixel(0, 0, clBlack);
    pattern.Canvas()->SetPixel(1, 1, clBlack);
    TBitmap target(5, 3);
    TCanvas& c = *target.Canvas();
    c.Brush()->SetBitmap(&pattern);
    c.FillRect(Rect(1, 0, 5, 3));
    EXPECT_EQ(PixelMap(target), Rows({"..#.#", ".#.#.", "..#.#"}));

    // A two-colour pattern takes the text colour for black and the background for white.
    pattern.SetPixelFormat(pf1bit);
    c.SetTextColor(clRed);
    c.SetBkColor(clBlack);
    c.FillRect(Rect(0, 0, 5, 1));
    EXPECT_EQ(PixelMap(target), Rows({"?#?#?", ".#.#.", "..#.#"}));
}

TEST(CanvasCopy, AlphaBlendMixesByTheConstantOpacity) {
    struct TCase {
        uint8_t Alpha;
        TColor Expected;
    } cases[] = {
        {255, RGB(200, 0, 100)},
        {0, RGB(0, 100, 50)},
        {128, RGB(100, 50, 75)},  // red: (200 * 128 + 0 * 127 + 127) / 255 = 100
        {51, RGB(40, 80, 60)},
    };
    TBitmap source(2, 1);
    source.Canvas()->SetPixel(0, 0, RGB(200, 0, 100));
    for (const TCase& c : cases) {
        TBitmap target(3, 1);
        target.SetPixelFormat(pf24bit);
        for (int x = 0; x < 3; ++x) target.Canvas()->SetPixel(x, 0, RGB(0, 100, 50));
        target.Canvas()->AlphaBlend(1, 0, *source.Canvas(), Rect(0, 0, 1, 1), c.Alpha);
        EXPECT_EQ(target.Canvas()->Pixel(1, 0), c.Expected) << int(c.Alpha);
        EXPECT_EQ(target.Canvas()->Pixel(0, 0), RGB(0, 100, 50));  // outside the rectangle
        EXPECT_EQ(target.Canvas()->Pixel(2, 0), RGB(0, 100, 50));
    }
}
