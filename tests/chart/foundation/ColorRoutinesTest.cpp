#include <gtest/gtest.h>

#include "chart/foundation/ColorRoutines.h"

namespace {

TEST(ColorRoutinesTest, ShadesClampPerChannel) {
    struct Case {
        TColor color;
        int amount;
        TColor darker, lighter;
    } cases[] = {
        {clWhite, 128, 0x7F7F7F, clWhite},
        {0xF0F0F0, 32, 0xD0D0D0, clWhite},  // lighter clamps, none wraps
        {RGB(10, 200, 100), 50, RGB(0, 150, 50), RGB(60, 250, 150)},
        {clBlack, 0, clBlack, clBlack},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DarkenColor(c.color, c.amount), c.darker) << std::hex << c.color;
        EXPECT_EQ(LightenColor(c.color, c.amount), c.lighter) << std::hex << c.color;
    }
    // A system colour is turned into its value first.
    EXPECT_EQ(DarkenColor(clBtnFace, 0), ColorToRGB(clBtnFace));
}

TEST(ColorRoutinesTest, TripleIsBlueGreenRed) {
    const TRGBTriple t = ColorToRGBTriple(RGB(1, 2, 3));
    EXPECT_EQ(t.rgbtBlue, 3);
    EXPECT_EQ(t.rgbtGreen, 2);
    EXPECT_EQ(t.rgbtRed, 1);
}

}  // namespace
