#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "tests/platform/graphics/PixelMap.h"

TEST(Bitmap, NewAndGrownPixelsAreWhiteAndKeptPixelsStay) {
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetWidth(3);
    EXPECT_TRUE(bitmap.Empty());  // no height yet
    bitmap.SetHeight(2);
    ASSERT_FALSE(bitmap.Empty());
    EXPECT_EQ(PixelMap(bitmap), Rows({"...", "..."}));
    bitmap.Canvas()->SetPixel(2, 1, clBlack);
    bitmap.SetSize(4, 3);
    EXPECT_EQ(PixelMap(bitmap), Rows({"....", "..#.", "...."}));
    bitmap.SetSize(2, 2);  // the black pixel falls outside
    EXPECT_EQ(PixelMap(bitmap), Rows({"..", ".."}));
}

TEST(Bitmap, SizeBeyondMemoryIsRefusedAndTheBitmapKept) {
    TBitmap bitmap(2, 2);
    EXPECT_THROW(bitmap.SetSize(1 << 30, 1 << 30), EOutOfMemory);
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(PixelMap(bitmap), Rows({"..", ".."}));
}

TEST(Bitmap, ScanLinesFollowThePixelFormat) {
    TBitmap bitmap(3, 2);
    bitmap.Canvas()->SetPixel(1, 1, RGB(0x10, 0x20, 0x30));
    bitmap.SetPixelFormat(pf24bit);
    const auto* row = reinterpret_cast<const TRGBTriple*>(bitmap.ScanLine(1));
    EXPECT_EQ(row[1].rgbtRed, 0x10);
    EXPECT_EQ(row[1].rgbtGreen, 0x20);
    EXPECT_EQ(row[1].rgbtBlue, 0x30);
    EXPECT_EQ(row[2].rgbtRed, 0xFF);

    // Written through the scan line, read back through the canvas.
    auto* top = reinterpret_cast<TRGBTriple*>(bitmap.ScanLine(0));
    top[0] = TRGBTriple{0x01, 0x02, 0x03};
    EXPECT_EQ(bitmap.Canvas()->Pixel(0, 0), RGB(0x03, 0x02, 0x01));

    bitmap.SetPixelFormat(pf32bit);
    const uint8_t* wide = bitmap.ScanLine(1);
    EXPECT_EQ(wide[4], 0x30);  // blue, green, red, unused
    EXPECT_EQ(wide[6], 0x10);
    EXPECT_EQ(bitmap.Canvas()->Pixel(0, 0), RGB(0x03, 0x02, 0x01));

    EXPECT_THROW(bitmap.ScanLine(2), ERangeError);
    EXPECT_THROW(bitmap.ScanLine(-1), ERangeError);
}

TEST(Bitmap, OneBitFormatKeepsBlackAndWhiteOnly) {
    TBitmap bitmap(2, 1);
    bitmap.Canvas()->SetPixel(0, 0, RGB(30, 30, 30));
    bitmap.Canvas()->SetPixel(1, 0, RGB(220, 220, 220));
    bitmap.SetPixelFormat(pf1bit);
    EXPECT_EQ(PixelMap(bitmap), Rows({"#."}));
}

TEST(Bitmap, TransparentColourIsTheBottomLeftPixelUntilFixed) {
    TBitmap bitmap(2, 2);
    bitmap.Canvas()->SetPixel(0, 1, clRed);
    EXPECT_EQ(bitmap.TransparentColor(), clRed);
    bitmap.SetTransparentColor(clBlue);
    EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
    EXPECT_EQ(bitmap.TransparentColor(), clBlue);
    bitmap.SetTransparentMode(tmAuto);
    EXPECT_EQ(bitmap.TransparentColor(), clRed);
}

TEST(Bitmap, DrawStretchesAndLeavesOutTheTransparentColour) {
    TBitmap source(2, 1);
    source.Canvas()->SetPixel(0, 0, clBlack);
    source.Canvas()->SetPixel(1, 0, clRed);
    TBitmap target(6, 2);
    target.Canvas()->StretchDraw(Rect(0, 0, 4, 2), &source);
    EXPECT_EQ(PixelMap(target), Rows({"##??..", "##??.."}));

    TBitmap keyed(6, 1);
    source.SetTransparent(true);
    source.SetTransparentColor(clRed);
    keyed.Canvas()->Draw(1, 0, &source);
    EXPECT_EQ(PixelMap(keyed), Rows({".#...."}));
}

TEST(Bitmap, AssignCopiesPixelsAndNotifies) {
    TBitmap a(2, 1);
    a.Canvas()->SetPixel(1, 0, clBlack);
    TBitmap b;
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.Assign(&a);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(b.Modified());
    a.Canvas()->SetPixel(0, 0, clBlack);  // the copy is deep
    EXPECT_EQ(PixelMap(b), Rows({".#"}));
}

TEST(Bitmap, StreamsNeedAnInstalledFormat) {
    TBitmap bitmap(1, 1);
    TMemoryStream stream;
    EXPECT_THROW(bitmap.LoadFromStream(stream), EInvalidGraphic);
    EXPECT_THROW(bitmap.SaveToStream(stream), EInvalidGraphicOperation);
}
