#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "platform/graphics/JpegCodec.h"
#include "tests/platform/graphics/PictureFixture.h"

namespace {

// Writes a picture with libjpeg directly, for the kinds the encoder does not make: progressive
// and CMYK. fill gets each row to fill with `components` samples per pixel.
std::vector<uint8_t> WriteWithLibjpeg(int width, int height, int components, J_COLOR_SPACE space,
                                      bool progressive,
                                      const std::function<void(int, JSAMPLE*)>& fill) {
    jpeg_compress_struct ci;
    jpeg_error_mgr err;
    ci.err = jpeg_std_error(&err);
    jpeg_create_compress(&ci);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&ci, &buffer, &size);
    ci.image_width = JDIMENSION(width);
    ci.image_height = JDIMENSION(height);
    ci.input_components = components;
    ci.in_color_space = space;
    jpeg_set_defaults(&ci);
    jpeg_set_quality(&ci, 95, TRUE);
    if (progressive) jpeg_simple_progression(&ci);
    jpeg_start_compress(&ci, TRUE);
    std::vector<JSAMPLE> row(size_t(width * components));
    JSAMPROW rowPointer = row.data();
    for (int y = 0; y < height; ++y) {
        fill(y, row.data());
        jpeg_write_scanlines(&ci, &rowPointer, 1);
    }
    jpeg_finish_compress(&ci);
    jpeg_destroy_compress(&ci);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

TEST(JpegCodec, ColourAndGreyRoundTrips) {
    const TBitmapFileImage image = SmoothPicture(24, 16);
    const std::vector<uint8_t> jpeg = EncodeJpeg(image, 90, false);
    const TJpegInfo info = ReadJpegInfo(jpeg.data(), jpeg.size());
    EXPECT_EQ(info.Width, 24);
    EXPECT_EQ(info.Height, 16);
    EXPECT_FALSE(info.Grayscale);
    EXPECT_FALSE(info.Progressive);
    const TBitmapFileImage back = DecodeJpeg(jpeg.data(), jpeg.size());
    EXPECT_EQ(back.Width, 24);
    EXPECT_EQ(back.Height, 16);
    EXPECT_EQ(back.BitCount, 24);
    EXPECT_LE(MaxChannelDifference(back, image), 8);

    // Grey, whether the file is grey or the decoder is asked for grey.
    const std::vector<uint8_t> grey = EncodeJpeg(image, 90, true);
    EXPECT_TRUE(ReadJpegInfo(grey.data(), grey.size()).Grayscale);
    for (const TBitmapFileImage& g :
         {DecodeJpeg(grey.data(), grey.size()), DecodeJpeg(jpeg.data(), jpeg.size(), true)}) {
        for (size_t i = 0; i < g.Pixels.size(); ++i) {
            const uint32_t p = g.Pixels[i], q = image.Pixels[i];
            ASSERT_EQ(p, 0xFF000000u | (p & 0xFF) * 0x010101u) << i;
            const int luma =
                int(((q >> 16 & 0xFF) * 299 + (q >> 8 & 0xFF) * 587 + (q & 0xFF) * 114) / 1000);
            EXPECT_NEAR(int(p & 0xFF), luma, 6) << i;
        }
    }
}

TEST(JpegCodec, QualityTradesSizeForFidelity) {
    TBitmapFileImage noisy(32, 32, 24);
    for (size_t i = 0; i < noisy.Pixels.size(); ++i)
        noisy.Pixels[i] = 0xFF000000u | (uint32_t(i) * 0x9E3779B1u & 0xFFFFFF);
    const std::vector<uint8_t> low = EncodeJpeg(noisy, 10, false);
    const std::vector<uint8_t> high = EncodeJpeg(noisy, 100, false);
    EXPECT_LT(low.size() * 2, high.size());
    EXPECT_LT(MaxChannelDifference(DecodeJpeg(high.data(), high.size()), noisy),
              MaxChannelDifference(DecodeJpeg(low.data(), low.size()), noisy));
    // Out-of-range qualities are clamped, not refused.
    EXPECT_EQ(EncodeJpeg(noisy, 0, false), EncodeJpeg(noisy, 1, false));
    EXPECT_EQ(EncodeJpeg(noisy, 500, false), high);
}

TEST(JpegCodec, ProgressiveAndCmykPicturesDecode) {
    const TBitmapFileImage image = SmoothPicture(16, 8);
    const std::vector<uint8_t> progressive =
        WriteWithLibjpeg(16, 8, 3, JCS_RGB, true, [&](int y, JSAMPLE* row) {
            for (int x = 0; x < 16; ++x)
                for (int c = 0; c < 3; ++c)
                    row[3 * x + c] = JSAMPLE(image.Pixel(x, y) >> (16 - 8 * c));
        });
    EXPECT_TRUE(ReadJpegInfo(progressive.data(), progressive.size()).Progressive);
    EXPECT_LE(MaxChannelDifference(DecodeJpeg(progressive.data(), progressive.size()), image), 8);

    // libjpeg writes CMYK with Adobe's marker, whose inks are stored inverted (255 = no ink).
    struct Case {
        uint8_t c, m, y, k;
        uint32_t rgb;
    } cases[] = {{255, 0, 0, 255, 0xFF0000},
                 {0, 0, 0, 255, 0x000000},
                 {255, 255, 255, 0, 0x000000},
                 {255, 255, 255, 255, 0xFFFFFF},
                 {255, 0, 255, 255, 0xFF00FF}};
    for (const Case& c : cases) {
        const std::vector<uint8_t> cmyk =
            WriteWithLibjpeg(8, 8, 4, JCS_CMYK, false, [&](int, JSAMPLE* row) {
                for (int x = 0; x < 8; ++x) {
                    row[4 * x] = c.c;
                    row[4 * x + 1] = c.m;
                    row[4 * x + 2] = c.y;
                    row[4 * x + 3] = c.k;
                }
            });
        TBitmapFileImage expected(8, 8, 24);
        expected.Pixels.assign(64, 0xFF000000u | c.rgb);
        EXPECT_LE(MaxChannelDifference(DecodeJpeg(cmyk.data(), cmyk.size()), expected), 3) << c.rgb;
    }
}

TEST(JpegCodec, DamagedDataRaisesEJPEG) {
    const std::vector<uint8_t> good = EncodeJpeg(SmoothPicture(24, 16), 90, false);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* message;  // empty: any text
    } cases[] = {
        {"empty", {}, "Empty input file"},
        {"garbage",
         {'G', 'I', 'F', '8', '9', 'a', 1, 2, 3},
         "Not a JPEG file: starts with 0x47 0x49"},
        {"headers only", {good.begin(), good.begin() + 200}, "Premature end of JPEG file"},
        {"half",
         {good.begin(), good.begin() + ptrdiff_t(good.size() / 2)},
         "Premature end of JPEG file"},
        {"marker soup", {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x02, 0xFF, 0xD9}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            DecodeJpeg(c.bytes.data(), c.bytes.size());
            ADD_FAILURE() << "no error";
        } catch (const EJPEG& e) {
            if (*c.message) {
                EXPECT_EQ(e.Message(), c.message);
            }
        }
    }
    // Every cut of the file fails cleanly, up to the one that drops only the end marker.
    for (size_t size = 0; size + 2 <= good.size(); size += size + 9 < good.size() ? 7 : 1) {
        SCOPED_TRACE(size);
        EXPECT_THROW(DecodeJpeg(good.data(), size), EJPEG);
    }
    // Encoding nothing is refused too.
    EXPECT_THROW(EncodeJpeg(TBitmapFileImage(0, 0, 24), 90, false), EJPEG);
}

}  // namespace
