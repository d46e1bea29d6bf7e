// Placement of text by the alignment flags, measured with fixed metrics: a text of spaces shows
// only its opaque cell, so the cell's pixels tell where the canvas put it.
#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/TextMeasurer.h"
#include "tests/platform/graphics/PixelMap.h"

namespace {

// The bounds of the non-white pixels.
TRect InkBounds(TBitmap& bitmap) {
    TRect r{bitmap.Width(), bitmap.Height(), 0, 0};
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Canvas()->Pixel(x, y) != clWhite) {
                r.Left = std::min(r.Left, x);
                r.Top = std::min(r.Top, y);
                r.Right = std::max(r.Right, x + 1);
                r.Bottom = std::max(r.Bottom, y + 1);
            }
    return r;
}

}  // namespace

TEST(CanvasText, AlignmentFlagsPlaceTheCellAroundTheReferencePoint) {
    // Three characters 4 wide: 12 by 10, ascent 7.
    TFixedTextMeasurer measurer(4, 7, 3);
    struct TCase {
        unsigned Align;
        TRect Cell;
    } cases[] = {
        {TA_LEFT | TA_TOP, Rect(20, 20, 32, 30)},
        {TA_RIGHT | TA_TOP, Rect(8, 20, 20, 30)},
        {TA_CENTER | TA_TOP, Rect(14, 20, 26, 30)},
        {TA_LEFT | TA_BOTTOM, Rect(20, 10, 32, 20)},
        {TA_CENTER | TA_BASELINE, Rect(14, 13, 26, 23)},
        {TA_RIGHT | TA_BASELINE, Rect(8, 13, 20, 23)},
    };
    for (const TCase& c : cases) {
        TBitmap bitmap(40, 40);
        TCanvas& canvas = *bitmap.Canvas();
        canvas.SetTextMeasurer(&measurer);
        canvas.Brush()->SetColor(clBlack);  // opaque, black background
        canvas.SetTextAlign(c.Align);
        canvas.TextOut(20, 20, "   ");
        EXPECT_EQ(InkBounds(bitmap), c.Cell) << "align " << c.Align;
    }
}

TEST(CanvasText, TransparentModeLeavesTheCellAlone) {
    TFixedTextMeasurer measurer(4, 7, 3);
    TBitmap bitmap(20, 20);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.SetTextMeasurer(&measurer);
    canvas.Brush()->SetColor(clBlack);
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(2, 2, "   ");
    EXPECT_EQ(PixelMap(bitmap).find('#'), std::string::npos);
    EXPECT_EQ(canvas.PenPos(), Point(14, 2));  // moved past the text
}

TEST(CanvasText, EscapementTurnsTheCellAboutTheReferencePoint) {
    // 90 degrees counter-clockwise: the text runs upwards, its cell to the right of the point.
    TFixedTextMeasurer measurer(4, 7, 3);
    TBitmap bitmap(40, 40);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.SetTextMeasurer(&measurer);
    canvas.Brush()->SetColor(clBlack);
    canvas.Font()->SetOrientation(900);
    canvas.TextOut(20, 30, "   ");
    EXPECT_EQ(InkBounds(bitmap), Rect(20, 18, 30, 30));
}

TEST(CanvasText, TextRectFillsTheRectangleAndClipsTheGlyphs) {
    TBitmap bitmap(40, 20);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetColor(clRed);
    canvas.Font()->SetColor(clBlack);
    canvas.Font()->SetHeight(-14);
    canvas.TextRect(Rect(2, 2, 12, 12), 2, 2, "WWWWW");
    EXPECT_EQ(InkBounds(bitmap), Rect(2, 2, 12, 12));
}

TEST(CanvasText, GlyphsReachEveryPixelFormat) {
    for (TPixelFormat format : {pfDevice, pf24bit, pf32bit}) {
        TBitmap bitmap(30, 20);
        bitmap.SetPixelFormat(format);
        TCanvas& canvas = *bitmap.Canvas();
        canvas.Brush()->SetStyle(bsClear);
        canvas.Font()->SetColor(clBlack);
        canvas.Font()->SetHeight(-16);
        canvas.TextOut(2, 2, "W");
        const TRect ink = InkBounds(bitmap);
        EXPECT_FALSE(ink.IsEmpty()) << "format " << format;
        EXPECT_GE(ink.Left, 2);
        EXPECT_GE(ink.Top, 2);
    }
}

TEST(CanvasText, ExtentComesFromTheMeasurer) {
    TFixedTextMeasurer measurer(6, 9, 2);
    TBitmap bitmap(1, 1);
    bitmap.Canvas()->SetTextMeasurer(&measurer);
    EXPECT_EQ(bitmap.Canvas()->TextExtent("abc"), (TSize{18, 11}));
    EXPECT_EQ(bitmap.Canvas()->TextWidth("\xC3\xA9t\xC3\xA9"), 18);  // characters, not bytes
    // The real font: wider text measures wider, a larger font taller.
    bitmap.Canvas()->SetTextMeasurer(nullptr);
    TCanvas& c = *bitmap.Canvas();
    const TSize small = c.TextExtent("Wj");
    EXPECT_GT(c.TextWidth("WjWj"), small.cx);
    c.Font()->SetSize(24);
    EXPECT_GT(c.TextHeight("Wj"), small.cy);
}
