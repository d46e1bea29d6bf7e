// The format dialog's patterns taken apart and built again, under two locales.
#include <gtest/gtest.h>

#include "chart/editors/FormatPattern.h"
#include "platform/rtl/FormatSettings.h"

namespace {

TFormatSettings Locale(char decimal, char thousands) {
    TFormatSettings s;
    s.DecimalSeparator = decimal;
    s.ThousandSeparator = thousands;
    return s;
}

TEST(FormatPattern, NumberPatternsComeApartAndBackTogether) {
    TFormatSettingsGuard pin(Locale('.', ','));
    const struct {
        const char* pattern;
        bool percent, currency, thousands;
        int decimals;
        bool fixedDecimals;
        int fixedDigits;
    } cases[] = {
        {"#,##0.###", false, false, true, 3, false, 1}, {"0.0%", true, false, false, 1, true, 1},
        {"$#,##0.00", false, true, true, 2, true, 1},   {"000", false, false, false, 0, false, 3},
        {"#", false, false, false, 0, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        TFormatChoices f = DecomposeFormat(c.pattern);
        EXPECT_EQ(f.Kind, fkNumber);
        EXPECT_EQ(f.Percent, c.percent);
        EXPECT_EQ(f.Currency, c.currency);
        EXPECT_EQ(f.Thousands, c.thousands);
        EXPECT_EQ(f.Decimals, c.decimals);
        EXPECT_EQ(f.FixedDecimals, c.fixedDecimals);
        EXPECT_EQ(f.FixedDigits, c.fixedDigits);
        EXPECT_EQ(BuildFormat(f), c.pattern);
    }
}

TEST(FormatPattern, IntegerPartFollowsFixedDigitsAndThousands) {
    TFormatSettingsGuard pin(Locale('.', ','));
    const struct {
        int fixed;
        bool thousands;
        int decimals;
        bool fixedDecimals;
        const char* expected;
    } cases[] = {
        {5, true, 0, false, "00,000"}, {2, true, 0, false, "#,#00"},   {0, true, 0, false, "#,###"},
        {3, true, 0, false, "#,000"},  {4, false, 2, true, "0000.00"}, {0, false, 2, false, "#.##"},
    };
    for (const auto& c : cases) {
        TFormatChoices f;
        f.FixedDigits = c.fixed;
        f.Thousands = c.thousands;
        f.Decimals = c.decimals;
        f.FixedDecimals = c.fixedDecimals;
        EXPECT_EQ(BuildFormat(f), c.expected) << c.fixed << " " << c.thousands;
    }
}

TEST(FormatPattern, LocaleSeparatorsAreTheOnesTakenApart) {
    TFormatSettingsGuard pin(Locale(',', '.'));
    TFormatChoices f = DecomposeFormat("#.##0,00");
    EXPECT_EQ(f.Kind, fkNumber);
    EXPECT_TRUE(f.Thousands);
    EXPECT_EQ(f.Decimals, 2);
    EXPECT_TRUE(f.FixedDecimals);
    EXPECT_EQ(BuildFormat(f), "#.##0,00");
    f.FixedDigits = 5;
    EXPECT_EQ(BuildFormat(f), "00.000,00");
}

TEST(FormatPattern, OtherPatternsKeepTheirText) {
    TFormatSettingsGuard pin(Locale('.', ','));
    const struct {
        const char* pattern;
        TFormatKind kind;
    } cases[] = {
        {"00e-0", fkCustom}, {"#.# x10E-#", fkCustom},    {"mmm", fkDateTime},
        {"MM", fkDateTime},  {"ddd mm ss", fkGeographic}, {"ddd\u00B0", fkGeographic},
    };
    for (const auto& c : cases) {
        TFormatChoices f = DecomposeFormat(c.pattern);
        EXPECT_EQ(f.Kind, c.kind) << c.pattern;
        EXPECT_EQ(f.Text, c.pattern);
        EXPECT_EQ(BuildFormat(f), c.pattern);
    }
}

TEST(FormatPattern, DateListEndsWithTheLocaleFormatsOnce) {
    TFormatSettings s = Locale('.', ',');
    s.ShortDateFormat = "dd-mm-yyyy";  // already listed
    s.ShortTimeFormat = "hh:nn";
    TFormatSettingsGuard pin(s);
    EXPECT_EQ(DateFormatPresets(), (std::vector<std::string>{"mm-yyyy", "mm-dd-yy", "dd-mm-yyyy",
                                                             "mmm", "ddd", "MM", "hh:nn"}));
    EXPECT_EQ(GeographicFormatPresets().size(), 8u);
}

}  // namespace
