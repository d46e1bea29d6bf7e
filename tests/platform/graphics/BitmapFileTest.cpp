#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/BitmapFilePalette.h"
#include "platform/rtl/Streams.h"

namespace {

// Little-endian bytes for hand-made files.
struct TBytes {
    std::vector<uint8_t> B;
    TBytes& U8(uint32_t v) {
        B.push_back(uint8_t(v));
        return *this;
    }
    TBytes& U16(uint32_t v) { return U8(v).U8(v >> 8); }
    TBytes& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    TBytes& Raw(std::initializer_list<uint8_t> bytes) {
        B.insert(B.end(), bytes);
        return *this;
    }
    TBytes& Zeros(size_t n) {
        B.insert(B.end(), n, 0);
        return *this;
    }
};

// A file header and a 40-byte (or larger, zero-padded) info header.
TBytes Headers(int32_t width, int32_t height, int bitCount, uint32_t compression,
               uint32_t pixelOffset, uint32_t infoSize = 40, uint32_t coloursUsed = 0,
               uint32_t imageSize = 0) {
    TBytes b;
    b.Raw({'B', 'M'}).U32(0).U32(0).U32(pixelOffset);
    b.U32(infoSize).U32(uint32_t(width)).U32(uint32_t(height)).U16(1).U16(bitCount);
    b.U32(compression).U32(imageSize).U32(0).U32(0).U32(coloursUsed).U32(0);
    b.Zeros(infoSize - 40);
    return b;
}

TBitmapFileImage ReadBytes(const std::vector<uint8_t>& bytes) {
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    s.SetPosition(0);
    return ReadBitmapFile(s);
}

std::vector<uint8_t> WriteBytes(const TBitmapFileImage& image) {
    TMemoryStream s;
    WriteBitmapFile(s, image);
    return std::vector<uint8_t>(s.Memory(), s.Memory() + s.Size());
}

std::string ReadError(const std::vector<uint8_t>& bytes) {
    try {
        ReadBytes(bytes);
    } catch (const EInvalidGraphic& e) {
        return e.Message();
    }
    return "no error";
}

// A picture whose colours each depth keeps exactly: at most 2^n colours for the palette depths,
// channels on the 5- or 6-bit grid for 15 and 16 bits, any alpha for 32.
TBitmapFileImage Sample(int width, int height, int bitCount) {
    TBitmapFileImage image(width, height, bitCount);
    const uint32_t colours1[] = {0x123456, 0xFEDCBA};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint32_t i = uint32_t(x + width * y);
            uint32_t c;
            switch (bitCount) {
                case 1:
                    c = colours1[(x + y) % 2];
                    break;
                case 4:
                    c = (i % 16) * 0x0F0D0B;
                    break;
                case 8:
                    c = (i * 37 % 256) * 0x010203 & 0xFFFFFF;
                    break;
                case 15:
                    c = (i * 8 % 256) << 16 | (248 - i * 8 % 256) << 8 | 0x80;
                    break;
                case 16:
                    c = (i * 8 % 256) << 16 | (i * 4 % 256) << 8 | 0xF8;
                    break;
                default:
                    c = (i * 0x9E3779B1u) & 0xFFFFFF;
                    break;
            }
            // 5 and 6 bits widen by repeating their top bits.
            if (bitCount == 15 || bitCount == 16) {
                uint32_t r = c >> 16 & 0xF8, g = c >> 8 & (bitCount == 16 ? 0xFC : 0xF8),
                         b = c & 0xF8;
                r |= r >> 5;
                g |= bitCount == 16 ? g >> 6 : g >> 5;
                b |= b >> 5;
                c = r << 16 | g << 8 | b;
            }
            const uint32_t alpha = bitCount == 32 ? (i * 53 + 1) % 256 : 0xFF;
            image.ScanLine(y)[x] = alpha << 24 | c;
        }
    return image;
}

TEST(BitmapFile, EveryDepthComesBackExactly) {
    for (int bitCount : {1, 4, 8, 15, 16, 24, 32})
        for (int width : {1, 5, 33}) {
            SCOPED_TRACE("bits " + std::to_string(bitCount) + " width " + std::to_string(width));
            const TBitmapFileImage image = Sample(width, 3, bitCount);
            const std::vector<uint8_t> bytes = WriteBytes(image);
            const int64_t rowBytes = (width * (bitCount == 15 ? 16 : bitCount) + 31) / 32 * 4;
            const size_t headers = 54 + (bitCount == 16 ? 12 : 0) +
                                   (bitCount <= 8 ? 4 * std::min(1 << bitCount, width * 3) : 0);
            EXPECT_EQ(bytes.size(), headers + size_t(rowBytes) * 3);

            TMemoryStream s;
            s.WriteBuffer("xyz", 3);  // the file need not start the stream
            s.WriteBuffer(bytes.data(), int64_t(bytes.size()));
            s.WriteBuffer("tail", 4);
            s.SetPosition(3);
            const TBitmapFileImage back = ReadBitmapFile(s);
            EXPECT_EQ(s.Position(), int64_t(3 + bytes.size()));
            EXPECT_EQ(back.Width, width);
            EXPECT_EQ(back.Height, 3);
            EXPECT_EQ(back.BitCount, bitCount);
            EXPECT_EQ(back.Pixels, image.Pixels);
        }
}

TEST(BitmapFile, TinyFilesByteForByte) {
    // 2x2 at 24 bits: rows bottom-up, each 6 bytes padded to 8.
    TBitmapFileImage rgb(2, 2, 24);
    rgb.Pixels = {0xFF0000FF, 0xFF00FF00,   // top: blue, green
                  0xFFFF0000, 0xFF102030};  // bottom: red, a grey-blue
    // clang-format off
    const std::vector<uint8_t> expected24 = {
        'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,              // file header
        40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,            // size, width, height...
        0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,             // BI_RGB, image bytes
        0, 0, 0, 0, 0, 0, 0, 0,                                      // colours used, important
        0, 0, 255, 0x30, 0x20, 0x10, 0, 0,                           // bottom row
        255, 0, 0, 0, 255, 0, 0, 0};                                 // top row
    // clang-format on
    EXPECT_EQ(WriteBytes(rgb), expected24);

    // 3x1 at 1 bit: a palette of the picture's colours in order of appearance (white, black),
    // the leftmost pixel in the highest bit.
    TBitmapFileImage mono(3, 1, 1);
    mono.Pixels = {0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF};
    // clang-format off
    const std::vector<uint8_t> expected1 = {
        'B', 'M', 66, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0,
        40, 0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 0,
        0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0,
        255, 255, 255, 0, 0, 0, 0, 0,                                // palette: white, black
        0b01000000, 0, 0, 0};
    // clang-format on
    EXPECT_EQ(WriteBytes(mono), expected1);
    // A palette shorter than the depth allows is counted in "colours used".
    TBitmapFileImage one(1, 1, 4);
    one.Pixels = {0xFF123456};
    const std::vector<uint8_t> bytes = WriteBytes(one);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 46, bytes.end()),
              std::vector<uint8_t>({1, 0, 0, 0, 0, 0, 0, 0, 0x56, 0x34, 0x12, 0, 0, 0, 0, 0}));
}

TEST(BitmapFile, TooManyColoursTakeTheNearestOfTheFixedPalette) {
    struct Case {
        int bitCount;
        uint32_t colour, expected;
    } cases[] = {
        {1, 0x404040, 0x000000}, {1, 0xC0C0C0, 0xFFFFFF}, {4, 0xF01010, 0xFF0000},
        {4, 0x7F7F7F, 0x808080}, {8, 0x34FF02, 0x33FF00}, {8, 0x0A0A0A, 0x0C0C0C},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bitCount);
        // Enough other colours to overflow the palette, then the colour under test.
        TBitmapFileImage image(300, 1, c.bitCount);
        for (int x = 0; x < 299; ++x)
            image.Pixels[size_t(x)] = 0xFF000000u | uint32_t(x) * 0x10101u;
        image.Pixels[299] = 0xFF000000u | c.colour;
        const TBitmapFileImage back = ReadBytes(WriteBytes(image));
        EXPECT_EQ(back.Pixels[299], 0xFF000000u | c.expected);
    }
}

TEST(BitmapFile, ReadsTheFormsOtherProgramsWrite) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        int bitCount;
        std::vector<uint32_t> pixels;  // 2x2, top-down
    };
    const uint32_t o = 0xFF000000u;
    std::vector<Case> cases;
    {  // rows top-down (negative height), 24 bits
        TBytes b = Headers(2, -2, 24, 0, 54);
        b.Raw({1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0});
        cases.push_back(
            {"top-down", b.B, 24, {o | 0x030201, o | 0x060504, o | 0x090807, o | 0x0C0B0A}});
    }
    {  // the 12-byte header: 16-bit sizes and 3-byte palette entries
        TBytes b;
        b.Raw({'B', 'M'}).U32(0).U32(0).U32(14 + 12 + 6);
        b.U32(12).U16(2).U16(2).U16(1).U16(1);
        b.Raw({0, 0, 255, 255, 0, 0});  // red, blue
        b.Raw({0b01000000, 0, 0, 0, 0b10000000, 0, 0, 0});
        cases.push_back(
            {"core header", b.B, 1, {o | 0x0000FF, o | 0xFF0000, o | 0xFF0000, o | 0x0000FF}});
    }
    {  // 32 bits with masks after a 40-byte header, colours in an unusual order
        TBytes b = Headers(2, 2, 32, 3, 66);
        b.U32(0x000000FF).U32(0x0000FF00).U32(0x00FF0000);  // red low, blue high
        b.U32(0x00332211).U32(0x00665544).U32(0x00998877).U32(0x00CCBBAA);
        cases.push_back(
            {"32-bit masks", b.B, 32, {o | 0x778899, o | 0xAABBCC, o | 0x112233, o | 0x445566}});
    }
    {  // a 124-byte header with an alpha mask; 16 bits with 4-4-4-4 masks
        TBytes b = Headers(2, 2, 16, 3, 138, 124);
        const uint32_t masks[4] = {0x0F00, 0x00F0, 0x000F, 0xF000};
        for (int i = 0; i < 4; ++i)
            for (int k = 0; k < 4; ++k) b.B[54 + 4 * i + k] = uint8_t(masks[i] >> (8 * k));
        b.U16(0xF00F).U16(0x80F0).U16(0x0F00).U16(0x0000);
        cases.push_back({"alpha mask", b.B, 16, {0x00FF0000u, 0, 0xFF0000FFu, 0x8800FF00u}});
    }
    {  // 32 bits plain with the fourth byte zero everywhere: opaque, not invisible
        TBytes b = Headers(2, 2, 32, 0, 54);
        b.U32(0x000001).U32(0x000002).U32(0x000003).U32(0x000004);
        cases.push_back({"no alpha", b.B, 32, {o | 3, o | 4, o | 1, o | 2}});
    }
    {  // 16 bits plain: 5-5-5
        TBytes b = Headers(2, 2, 16, 0, 54);
        b.U16(0x7C00).U16(0x03E0).U16(0x001F).U16(0x7FFF);
        cases.push_back(
            {"16-bit plain", b.B, 15, {o | 0x0000FF, o | 0xFFFFFF, o | 0xFF0000, o | 0x00FF00}});
    }
    {  // run-length, 8 bits: a run, an end of row, three literal indexes (one past the palette,
        // one past the right edge), the end
        TBytes b = Headers(2, 2, 8, 1, 62, 40, 2, 12);
        b.U32(0x0000FF).U32(0x00FF00);
        b.Raw({2, 1, 0, 0, 0, 3, 0, 7, 1, 0, 0, 1});
        cases.push_back({"RLE8", b.B, 8, {o | 0xFF, o, o | 0xFF00, o | 0xFF00}});
    }
    {  // run-length, 4 bits: a skip leaves index 0, a run alternates its two indexes
        TBytes b = Headers(2, 2, 4, 2, 62, 40, 2, 8);
        b.U32(0x0000FF).U32(0x00FF00);
        b.Raw({0, 2, 1, 1, 2, 0x10, 0, 1});
        cases.push_back({"RLE4", b.B, 4, {o | 0xFF, o | 0xFF00, o | 0xFF, o | 0xFF}});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TBitmapFileImage image = ReadBytes(c.bytes);
        EXPECT_EQ(image.Width, 2);
        EXPECT_EQ(image.Height, 2);
        EXPECT_EQ(image.BitCount, c.bitCount);
        EXPECT_EQ(image.Pixels, c.pixels);
    }
}

TEST(BitmapFile, CorruptFilesAreRefusedNamingTheOffset) {
    const std::vector<uint8_t> good = WriteBytes(Sample(3, 2, 8));
    struct Case {
        const char* name;
        size_t at;
        std::vector<uint8_t> bytes;  // written over the good file at `at`
        const char* message;
    } cases[] = {
        {"signature", 0, {'M', 'B'}, "no bitmap signature at offset 0"},
        {"header size", 14, {41}, "unknown info header size 41 at offset 14"},
        {"planes", 26, {2}, "plane count not 1 at offset 26"},
        {"bit count", 28, {7}, "unknown bit count 7 at offset 28"},
        {"compression", 30, {2}, "compression 2 with 8 bits per pixel at offset 30"},
        {"width", 18, {0, 0, 0, 0x80}, "negative width at offset 18"},
        {"huge",
         18,
         {0, 0x40, 0, 0, 0, 0x40, 0, 0},
         "picture of 16384 by 16384 pixels too large at offset 18"},
        {"tall", 22, {0, 0, 2, 0}, "height 131072 too large at offset 22"},
        {"pixel offset", 10, {60}, "pixels start inside the palette at offset 10"},
        {"rows", 22, {3}, "pixel data ends early at offset 86"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> bytes = good;
        std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + ptrdiff_t(c.at));
        std::string expected = SInvalidBitmap;  // appended: GCC 12 warns falsely on + here
        expected.append(": ").append(c.message);
        EXPECT_EQ(ReadError(bytes), expected);
    }
    {  // 24 bits whose pixels would start in the info header
        TBytes b = Headers(1, 1, 24, 0, 50);
        b.Zeros(4);
        EXPECT_EQ(ReadError(b.B),
                  std::string(SInvalidBitmap) + ": pixels start inside the headers at offset 10");
    }
    // Every cut of a file is refused, none crashes.
    for (size_t size = 0; size < good.size(); ++size) {
        SCOPED_TRACE(size);
        EXPECT_NE(ReadError(std::vector<uint8_t>(good.begin(), good.begin() + ptrdiff_t(size))),
                  "no error");
    }
    // Run-length data cut anywhere, its size left as it was or cleared: refused or read, never
    // read past its end.
    TBytes rle = Headers(4, 3, 8, 1, 58, 40, 1, 14);
    rle.U32(0x0000FF);
    rle.Raw({4, 0, 0, 0, 0, 2, 1, 1, 0, 4, 0, 0, 0, 0});
    for (uint8_t declared : {14, 0})
        for (size_t size = 0; size <= rle.B.size(); ++size) {
            std::vector<uint8_t> bytes(rle.B.begin(), rle.B.begin() + ptrdiff_t(size));
            if (bytes.size() > 34) bytes[34] = declared;
            const std::string error = ReadError(bytes);
            EXPECT_TRUE(error == "no error" || error.starts_with(SInvalidBitmap)) << error;
        }
}

TEST(BitmapFile, WriterRefusesWhatNoFileCanHold) {
    TBitmapFileImage image(2, 2, 12);
    EXPECT_THROW(WriteBytes(image), EInvalidGraphic);
    image.BitCount = 4;
    image.Palette.assign(17, 0);
    EXPECT_THROW(WriteBytes(image), EInvalidGraphic);
}

}  // namespace

// The 8-bit fixed palette finds its nearest colour without a search; it must agree with one.
TEST(BitmapFilePalette, FixedPaletteShortcutFindsTheNearestEntry) {
    const std::vector<uint32_t>& palette = FixedPalette(8);
    TPaletteMatcher matcher(palette);
    auto searched = [&](uint32_t rgb) {
        int best = 0, bestDistance = INT32_MAX;
        for (int i = 0; i < 256; ++i) {
            const int dr = int(palette[size_t(i)] >> 16) - int(rgb >> 16);
            const int dg = int(palette[size_t(i)] >> 8 & 0xFF) - int(rgb >> 8 & 0xFF);
            const int db = int(palette[size_t(i)] & 0xFF) - int(rgb & 0xFF);
            if (dr * dr + dg * dg + db * db < bestDistance) {
                bestDistance = dr * dr + dg * dg + db * db;
                best = i;
            }
        }
        return best;
    };
    uint32_t seed = 12345;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const uint32_t rgb = i < 256 ? uint32_t(i) * 0x010101u : seed >> 8;
        ASSERT_EQ(matcher.IndexOf(rgb), searched(rgb)) << std::hex << rgb;
    }
}
