#include <gtest/gtest.h>

#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"

TEST(NumberText, IntegersAsText) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-1234567890123LL), "-1234567890123");
    EXPECT_EQ(IntToStr(INT64_MIN), "-9223372036854775808");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0xABCDEF, 2), "ABCDEF");
    EXPECT_EQ(IntToHex(0, 0), "0");
    EXPECT_EQ(IntToHex(-1, 8), "FFFFFFFFFFFFFFFF");
}

TEST(NumberText, StrToIntIsStrict) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"8", true, 8},
        {" -42 ", true, -42},
        {"+7", true, 7},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0},
        {"99999999999999999999", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"1,000", false, 0},
        {"12a", false, 0},
        {"1.0", false, 0},
        {"- 1", false, 0},
    };
    for (const auto& c : cases) {
        int v = 0;
        EXPECT_EQ(TryStrToInt(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.text;
        }
        EXPECT_EQ(StrToIntDef(c.text, -7), c.ok ? c.value : -7) << c.text;
    }
    try {
        StrToInt("12a");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'12a' is not a valid integer value");
    }
}

TEST(NumberText, StrToFloatIsStrict) {
    struct Case {
        const char* text;
        bool ok;
        long double value;
    } cases[] = {
        {" 2.5 ", true, 2.5L}, {"-0.125", true, -0.125L},
        {"+3", true, 3},       {".5", true, 0.5L},
        {"5.", true, 5},       {"1.5E+3", true, 1500},
        {"25e-1", true, 2.5L}, {"0.1", true, 0.1L},  // read to 80 bits, not through a double
        {"1e-5000", true, 0},  {"1e5000", false, 0},
        {"1,000", false, 0},   {"1.5x", false, 0},
        {"", false, 0},        {"   ", false, 0},
        {".", false, 0},       {"1e", false, 0},
        {"1.2.3", false, 0},   {"INF", false, 0},
        {"0x10", false, 0},
    };
    for (const auto& c : cases) {
        long double v = -1;
        EXPECT_EQ(TryStrToFloat(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.text;
        }
        EXPECT_EQ(StrToFloatDef(c.text, -7), c.ok ? c.value : -7) << c.text;
    }
    for (const char* bad : {"1,000", "1.5x", ""}) {
        try {
            StrToFloat(bad);
            FAIL() << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(),
                      std::string("'") + bad + "' is not a valid floating point value");
        }
    }
}

TEST(NumberText, StrToFloatReadsTheSettingsSeparator) {
    TFormatSettings comma;
    comma.DecimalSeparator = ',';
    TFormatSettingsGuard guard(comma);
    EXPECT_EQ(StrToFloat("-1,25"), -1.25L);
    EXPECT_THROW(StrToFloat("1.25"), EConvertError);
    EXPECT_EQ(StrToFloat("1.25", TFormatSettings{}), 1.25L);  // text files always use a point
    double d = 0;
    EXPECT_TRUE(TryStrToFloat("0,1", d));
    EXPECT_EQ(d, 0.1);
}
