#pragma once
// Comparing a drawing with a reference image checked in under a test layer's data folder
// (KV_REFERENCE_IMAGE_DATA; the engine's tests/chart/engine/data unless the layer names its own).
//
// Outside the text bands the images must match exactly. Inside them the glyphs' edges may be
// rasterised differently from one machine to the next (font engine, hinting), so there each pixel
// must find its colour within one pixel of the same place in the other image, both ways round:
// a missing, moved or different text still fails.
//
// A reference is written only on request: run the test with KV_WRITE_REFERENCE_IMAGES=1 in the
// environment to (re)write it, look at the picture, and commit it. A normal run never writes it
// and fails when it is missing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicFormats.h"

#ifndef KV_REFERENCE_IMAGE_DATA
#define KV_REFERENCE_IMAGE_DATA KV_CHART_ENGINE_DATA
#endif

namespace reference_image {

inline uint32_t PixelAt(const TBitmap& b, int x, int y) {
    const uint8_t* p = b.ScanLine(y) + 3 * x;
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
}

inline bool Near(uint32_t a, uint32_t b) {
    constexpr int tolerance = 48;  // per channel: a glyph edge's shade, not another colour
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance) return false;
    return true;
}

// Whether `other` has a colour near a's pixel at (x, y) within one pixel of it.
inline bool FoundNearby(const TBitmap& a, const TBitmap& other, int x, int y) {
    const uint32_t colour = PixelAt(a, x, y);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int ox = x + dx;
            const int oy = y + dy;
            if (ox >= 0 && oy >= 0 && ox < other.Width() && oy < other.Height() &&
                Near(colour, PixelAt(other, ox, oy)))
                return true;
        }
    return false;
}

}  // namespace reference_image

// Compares the 24-bit drawing with the reference file (name within the data folder); inText
// tells the pixels of the text bands. Skips the test when asked to write the reference instead.
inline void ExpectMatchesReference(TBitmap& actual, const std::string& name,
                                   const std::function<bool(int x, int y)>& inText) {
    using namespace reference_image;
    std::string file = KV_REFERENCE_IMAGE_DATA;  // appended: GCC 12 warns falsely on + here
    file.append("/").append(name);
    RegisterStandardGraphicFormats();  // the bitmap's file form
    if (const char* write = std::getenv("KV_WRITE_REFERENCE_IMAGES"); write && *write == '1') {
        std::filesystem::create_directories(KV_REFERENCE_IMAGE_DATA);
        actual.SaveToFile(file);
        GTEST_SKIP() << "wrote " << file;
    }
    ASSERT_TRUE(std::filesystem::exists(file))
        << file << " is missing; KV_WRITE_REFERENCE_IMAGES=1 writes it";
    TBitmap expected;
    expected.LoadFromFile(file);
    expected.SetPixelFormat(pf24bit);
    ASSERT_EQ(expected.Width(), actual.Width());
    ASSERT_EQ(expected.Height(), actual.Height());

    int exactMisses = 0;
    int textMisses = 0;
    std::string first;  // where the first difference lies, for the message
    for (int y = 0; y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x) {
            bool same;
            if (inText(x, y)) {
                same = FoundNearby(expected, actual, x, y) && FoundNearby(actual, expected, x, y);
                textMisses += same ? 0 : 1;
            } else {
                same = PixelAt(expected, x, y) == PixelAt(actual, x, y);
                exactMisses += same ? 0 : 1;
            }
            if (!same && first.empty()) first = std::to_string(x) + "," + std::to_string(y);
        }
    EXPECT_EQ(exactMisses, 0) << "pixels differ outside the text bands, first at " << first;
    EXPECT_EQ(textMisses, 0) << "texts differ beyond the rasterisation tolerance, first at "
                             << first;
}
