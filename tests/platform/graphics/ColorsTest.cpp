#include <gtest/gtest.h>

#include "platform/classes/PropAccess.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsInit.h"
#include "platform/graphics/Pen.h"
#include "platform/rtl/Exceptions.h"

TEST(Colors, NamesAndTextRoundTrip) {
    const std::pair<TColor, const char*> cases[] = {
        {clRed, "clRed"},
        {clNavy, "clNavy"},
        {clMoneyGreen, "clMoneyGreen"},
        {clMedGray, "clMedGray"},
        {clBtnFace, "clBtnFace"},
        {clInfoBk, "clInfoBk"},
        {clNone, "clNone"},
        {clDefault, "clDefault"},
        {RGB(1, 2, 3), "$00030201"},
        {TColor(0x80000040), "$80000040"},
    };
    for (const auto& [color, text] : cases) {
        EXPECT_EQ(ColorToString(color), text);
        EXPECT_EQ(StringToColor(text), color) << text;
    }
    EXPECT_EQ(StringToColor("CLRED"), clRed);  // names in any letter case
    EXPECT_EQ(StringToColor("255"), clRed);    // decimal
    EXPECT_EQ(StringToColor("$ff"), clRed);
    for (const char* bad : {"clPink", "", "$", "$1G", "12a"}) {
        try {
            StringToColor(bad);
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

TEST(Colors, ChannelsAndSystemColours) {
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x563412);
    EXPECT_EQ(GetRValue(0x563412), 0x12);
    EXPECT_EQ(GetGValue(0x563412), 0x34);
    EXPECT_EQ(GetBValue(0x563412), 0x56);

    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clBtnFace), clSilver);
    EXPECT_EQ(ColorToRGB(clBtnShadow), clGray);
    EXPECT_EQ(ColorToRGB(clBtnHighlight), clWhite);
    for (TColor passes : {clNone, clDefault, clRed}) EXPECT_EQ(ColorToRGB(passes), passes);

    // The table can change while the program runs.
    TSystemColorTable table = SystemColors();
    table[15] = clCream;
    SetSystemColors(table);
    EXPECT_EQ(ColorToRGB(clBtnFace), clCream);
    SetSystemColors(DefaultSystemColors());
    EXPECT_EQ(ColorToRGB(clBtnFace), clSilver);
}

TEST(Colors, ColourPropertiesUseTheNamesOnceRegistered) {
    RegisterGraphicsClasses();
    TPen pen;
    SetPropValue(&pen, "Color", Variant(std::string("clTeal")));
    EXPECT_EQ(pen.Color(), clTeal);
    // The names the streams write colour properties with.
    std::string ident;
    ASSERT_TRUE(ColorIdentConverter().ToIdent(clBtnFace, ident));
    EXPECT_EQ(ident, "clBtnFace");
}
