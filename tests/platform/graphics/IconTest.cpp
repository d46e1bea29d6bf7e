// Icons read through the platform's picture reader: their colours, their mask and how they draw.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/rtl/Streams.h"
#include "tests/platform/graphics/IconFixture.h"
#include "tests/platform/graphics/PictureFixture.h"

namespace {

// 24-bit icons say what shows through by their AND mask, 32-bit ones by their alpha.
class IconOfBits : public ::testing::TestWithParam<int> {};

TEST_P(IconOfBits, ReadsColoursAndMaskAndSavesItsOwnBytes) {
    const std::vector<uint8_t> file =
        icon_fixture::IconFile(32, icon_fixture::SampleColour, GetParam());
    TIcon icon;
    EXPECT_TRUE(icon.Empty());
    Load(icon, file);
    ASSERT_FALSE(icon.Empty());
    EXPECT_EQ(icon.Width(), 32);
    EXPECT_EQ(icon.Height(), 32);
    TBitmap colours, mask;
    colours.Assign(icon.ColorBitmap());
    mask.Assign(icon.MaskBitmap());
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const TColor expected = icon_fixture::SampleColour(x, y);
            const bool clear = expected == clNone;
            EXPECT_EQ(mask.Canvas()->Pixel(x, y), clear ? clWhite : clBlack) << x << ',' << y;
            EXPECT_EQ(colours.Canvas()->Pixel(x, y), clear ? clBlack : expected) << x << ',' << y;
        }
    TMemoryStream saved;
    icon.SaveToStream(saved);
    EXPECT_EQ(std::vector<uint8_t>(saved.Memory(), saved.Memory() + saved.Size()), file);

    TIcon copy;
    copy.Assign(&icon);
    EXPECT_EQ(copy.Width(), 32);
    EXPECT_THROW(copy.SetWidth(16), EInvalidGraphicOperation);
    EXPECT_EQ(copy.Width(), 32);
}

INSTANTIATE_TEST_SUITE_P(Icon, IconOfBits, ::testing::Values(24, 32));

TEST(Icon, DrawsItsColoursAndLeavesTheBackgroundUnderItsMask) {
    TIcon icon;
    Load(icon, icon_fixture::IconFile(32, icon_fixture::SampleColour));
    TBitmap target(40, 40);
    target.SetPixelFormat(pf24bit);
    target.Canvas()->Brush()->SetColor(clYellow);
    target.Canvas()->FillRect(TRect{0, 0, 40, 40});
    target.Canvas()->Draw(4, 4, &icon);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const TColor expected = icon_fixture::SampleColour(x, y);
            EXPECT_EQ(target.Canvas()->Pixel(x + 4, y + 4),
                      expected == clNone ? clYellow : expected)
                << x << ',' << y;
        }
    EXPECT_EQ(target.Canvas()->CopyMode(), cmSrcCopy);
}

TEST(Icon, WhatIsNoIconIsRefusedAndChangesNothing) {
    TIcon icon;
    Load(icon, icon_fixture::IconFile(16, icon_fixture::SampleColour));
    const std::vector<std::vector<uint8_t>> bad = {
        {}, {0, 0, 1, 0}, std::vector<uint8_t>(64, 0xAB)};
    for (const auto& bytes : bad) {
        try {
            Load(icon, bytes);
            ADD_FAILURE() << bytes.size() << " bytes were read as an icon";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(std::string(e.Message()), "Icon image is not valid");
        }
        EXPECT_EQ(icon.Width(), 16);
    }
}

}  // namespace
