#include <gtest/gtest.h>

#include "chart/foundation/FieldLists.h"
#include "platform/rtl/FormatSettings.h"

namespace {

TEST(FieldListsTest, ExtractAndCountFields) {
    struct Case {
        const char* text;
        int n;
        const char* field;
    } cases[] =
        {
            {"a;b;c", 1, "a"}, {"a;b;c", 2, "b"}, {"a;b;c", 3, "c"},
            {"a;b;c", 5, "c"},  // past the last field: the last field
            {"", 1, ""},       {"a", 0, ""},      {"a", -1, ""},
            {"a;;c", 2, ""},   {";x", 1, ""},     {"a;b;;", 4, ""},
            {"a;b;;", 9, ""},
        };
    for (const Case& c : cases)
        EXPECT_EQ(ExtractField(c.text, c.n), c.field) << c.text << " #" << c.n;

    struct Count {
        const char* text;
        int count;
    } counts[] = {{"", 0}, {"a", 1}, {"a;b;;", 4}, {";", 2}};
    for (const Count& c : counts) EXPECT_EQ(CountFields(c.text), c.count) << c.text;
}

TEST(FieldListsTest, OtherSeparatorsForOneCallOnly) {
    EXPECT_EQ(CountFieldsSep("x, y, z", ", "), 3);
    EXPECT_EQ(ExtractFieldSep("x, y, z", 2, ", "), "y");
    EXPECT_EQ(ExtractFieldSep("a;b|c", 2, "|"), "c");
    EXPECT_EQ(FieldSeparator, ";");
    EXPECT_EQ(ExtractField("a;b|c", 2), "b|c");
}

TEST(FieldListsTest, WithoutSeparatorTheTextIsOneField) {
    FreeFieldSeparator();
    EXPECT_EQ(CountFields("a;b"), 1);
    EXPECT_EQ(ExtractField("a;b", 2), "a;b");
    LoadFieldSeparator();
    EXPECT_EQ(CountFields("a;b"), 2);
}

TEST(FieldListsTest, SubstituteChar) {
    EXPECT_EQ(SubstituteChar("a.b.c", '.', ','), "a,b,c");
    EXPECT_EQ(SubstituteChar("a\rb\r", '\r', '\0'), "ab");
    EXPECT_EQ(SubstituteChar("", 'x', 'y'), "");
}

TEST(FieldListsTest, SeparatorConversions) {
    TFormatSettingsGuard guard;
    FormatSettings().ThousandSeparator = '.';
    FormatSettings().DecimalSeparator = ',';
    EXPECT_EQ(ToLocalSeparators("#,##0.00"), "#.##0,00");
    EXPECT_EQ(ToInvariantSeparators("#.##0,00"), "#,##0.00");
    FormatSettings().ThousandSeparator = ' ';
    EXPECT_EQ(ToLocalSeparators("#,##0.00"), "# ##0,00");
    FormatSettings().ThousandSeparator = ',';  // equal separators: no conversion
    EXPECT_EQ(ToLocalSeparators("#,##0.00"), "#,##0.00");
    EXPECT_EQ(ToInvariantSeparators("1,5"), "1,5");
}

TEST(FieldListsTest, IntToText) {
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(IntToText(-1234567), "-1234567");
    EXPECT_EQ(IntToText(2147483647), "2147483647");
}

}  // namespace
