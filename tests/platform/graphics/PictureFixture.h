#pragma once
// Registers the standard picture formats for a test and removes them after it, and gives each
// test scratch file names in a folder of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/graphics/BitmapFileImage.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/rtl/Streams.h"
#include "tests/support/TempDir.h"

class PictureFormatsTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterStandardGraphicFormats(); }
    void TearDown() override { UnregisterStandardGraphicFormats(); }

    std::string ScratchFile(const std::string& name) const { return FScratch.File(name); }

private:
    TTempDir FScratch;
};

// Loads the picture from the bytes of its file.
inline void Load(TGraphic& graphic, const std::vector<uint8_t>& bytes) {
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    s.SetPosition(0);
    graphic.LoadFromStream(s);
}

// A smooth 24-bit picture, which JPEG keeps within a few levels.
inline TBitmapFileImage SmoothPicture(int width, int height) {
    TBitmapFileImage image(width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.ScanLine(y)[x] = 0xFF000000u | uint32_t(40 + 8 * x) << 16 |
                                   uint32_t(200 - 6 * y) << 8 | uint32_t(100 + 2 * (x + y));
    return image;
}

// The largest difference of a colour channel between two pictures of one size.
inline int MaxChannelDifference(const TBitmapFileImage& a, const TBitmapFileImage& b) {
    EXPECT_EQ(a.Pixels.size(), b.Pixels.size());
    int worst = 0;
    for (size_t i = 0; i < std::min(a.Pixels.size(), b.Pixels.size()); ++i)
        for (int shift : {0, 8, 16})
            worst = std::max(worst, std::abs(int(a.Pixels[i] >> shift & 0xFF) -
                                             int(b.Pixels[i] >> shift & 0xFF)));
    return worst;
}
