// Row access to bitmaps: the writer's file layout, its checks, and the routines beside it.
#include <gtest/gtest.h>

#include <cstring>

#include "gif/GIFDIB.h"
#include "gif/GIFTypes.h"
#include "platform/graphics/Bitmap.h"

TEST(GIFDIB, ColorsToBitsAndAlignBit) {
    const int cases[][2] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 3}, {256, 8}, {257, 9}};
    for (const auto& c : cases) EXPECT_EQ(ColorsToBits(c[0]), c[1]) << c[0];
    EXPECT_EQ(AlignBit(3, 24, 32), 12);
    EXPECT_EQ(AlignBit(3, 8, 32), 4);
    EXPECT_EQ(AlignBit(17, 1, 16), 4);
    EXPECT_EQ(AlignBit(16, 1, 16), 2);
}

TEST(GIFDIB, EightBitWriterHoldsThePaletteAsQuads) {
    TBitmap bitmap;
    TGIFPalette palette;
    for (int i = 0; i < 16; ++i)
        palette.push_back({uint8_t(i * 16), uint8_t(i), uint8_t(255 - i), pcNoCollapse});
    TDIBWriter writer(bitmap, &palette, 3, 10, pf8bit);
    EXPECT_TRUE(writer.Pixels().empty());  // nothing until a row is asked for
    writer.Scanline(0)[0] = 5;
    ASSERT_EQ(writer.Info().size(), 1064u);
    EXPECT_EQ(writer.Stride(), 4);
    const uint8_t* quads = writer.Info().data() + 40;
    for (int i = 0; i < 256; ++i) {
        const uint8_t expected[4] = {i < 16 ? uint8_t(255 - i) : uint8_t(0),
                                     i < 16 ? uint8_t(i) : uint8_t(0),
                                     i < 16 ? uint8_t(i * 16) : uint8_t(0), 0};
        ASSERT_EQ(std::memcmp(quads + i * 4, expected, 4), 0) << "quad " << i;
    }
    EXPECT_EQ(writer.Info()[32], 0);  // colours used 256
    EXPECT_EQ(writer.Info()[33], 1);
    EXPECT_EQ(writer.Info()[36], 16);  // colours important
    // Row 0 is stored last (bottom-up) and shows at the top of the bitmap.
    EXPECT_EQ(writer.Pixels()[9 * 4], 5);
    writer.Finish();
    EXPECT_TRUE(writer.Pixels().empty());
    ASSERT_EQ(bitmap.Width(), 3);
    ASSERT_EQ(bitmap.Height(), 10);
    bitmap.SetPixelFormat(pf24bit);
    const uint8_t* top = bitmap.ScanLine(0);
    EXPECT_EQ((std::vector<int>{top[0], top[1], top[2]}), (std::vector<int>{250, 5, 80}));
    const uint8_t* next = bitmap.ScanLine(1);
    EXPECT_EQ((std::vector<int>{next[0], next[1], next[2]}), (std::vector<int>{255, 0, 0}));
}

TEST(GIFDIB, TwentyFourBitWriterRowsAndRelease) {
    TBitmap bitmap;
    {
        TDIBWriter writer(bitmap, nullptr, 3, 2, pf24bit);
        uint8_t* row = writer.Scanline(1);
        EXPECT_EQ(writer.Info().size(), 40u);
        EXPECT_EQ(writer.Stride(), 12);
        EXPECT_EQ(row, writer.Pixels().data());
        row[0] = 1;  // blue of the bottom-left pixel
        row[1] = 2;
        row[2] = 3;
        EXPECT_THROW(writer.Scanline(2), EInvalidGraphicOperation);
        EXPECT_THROW(writer.Scanline(-1), EInvalidGraphicOperation);
    }  // released: the bitmap gets the pixels
    ASSERT_EQ(bitmap.Height(), 2);
    bitmap.SetPixelFormat(pf24bit);
    EXPECT_EQ(bitmap.ScanLine(1)[0], 1);
    EXPECT_EQ(bitmap.ScanLine(1)[2], 3);
}

TEST(GIFDIB, WriterRefusesFormatsAndSizes) {
    TBitmap bitmap;
    struct Case {
        int Width, Height;
        TPixelFormat Format;
        const char* Message;
    };
    const Case cases[] = {{3, 3, pf4bit, "Unsupported PixelFormat"},
                          {3, 3, pf32bit, "Unsupported PixelFormat"},
                          {0, 3, pf8bit, "Invalid image dimensions"},
                          {3, 0, pf24bit, "Invalid image dimensions"}};
    for (const Case& c : cases) {
        try {
            TDIBWriter writer(bitmap, nullptr, c.Width, c.Height, c.Format);
            ADD_FAILURE() << c.Message;
        } catch (const GIFException& e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
    }
    EXPECT_TRUE(bitmap.Empty());
}

TEST(GIFDIB, ReaderConvertsTheBitmapAndChecksReport) {
    TBitmap bitmap(2, 2);
    TDIBReader reader(bitmap, pf24bit);
    EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
    EXPECT_EQ(reader.Scanline(1), bitmap.ScanLine(1));
    EXPECT_EQ(GDICheck(7), 7);
    EXPECT_THROW(GDICheck(0), EOutOfResources);
    try {
        RaiseGIFError("x");
        ADD_FAILURE();
    } catch (const GIFException& e) {
        EXPECT_EQ(e.Message(), "x");
    }
}
