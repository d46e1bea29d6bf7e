#include <gtest/gtest.h>

#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"

TEST(Format, ConversionsWidthsAndPrecision) {
    const std::string name = "Cavity";
    struct Case {
        std::string text, expected;
    } cases[] = {
        {Format("Page %d of %d", {2, 10}), "Page 2 of 10"},
        {Format("%s\rof %s", {"5", name}), "5\rof Cavity"},
        {Format("Zoom: %d %%", {150}), "Zoom: 150 %"},
        {Format("[%5d|%-5d|%.3d|%-6.3d]", {42, 42, 7, -7}), "[   42|42   |007|-007  ]"},
        {Format("[%*d|%-*s|%.*f]", {4, 1, 3, "a", 1, 2.25}), "[   1|a  |2.3]"},
        {Format("%1:s %0:s %s", {"a", "b"}), "b a b"},
        {Format("%.2s|%.9s", {"abc", "abc"}), "ab|abc"},
        {Format("%s%s", {'x', std::string_view("yz")}), "xyz"},
        {Format("%u %x %.4x", {7u, 255, 10}), "7 FF 000A"},
        {Format("%d", {uint64_t(18446744073709551615ull)}), "18446744073709551615"},
        {Format("%d", {INT64_MIN}), "-9223372036854775808"},
        {Format("%g|%g|%.3g", {0.1 + 0.2, 1e20, 2.0 / 3}), "0.3|1E20|0.667"},
        {Format("%e", {1.0}), "1.00000000000000E+000"},
        {Format("%.3e", {-1234.5}), "-1.23E+003"},
        {Format("%f|%.0f|%8.3f", {1.005, 2.5, 3.14159}), "1.00|3|   3.142"},
        {Format("%n|%m", {1234567.891, 1234.5}), "1,234,567.89|1,234.50"},
        {Format("%D %S", {3, "up"}), "3 up"},
        {Format("plain text", {}), "plain text"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text, c.expected);
}

TEST(Format, ABadFormatRaisesTheConversionError) {
    struct Case {
        const char* format;
        std::initializer_list<TVarRec> args;
    };
    const Case cases[] = {
        {"%d", {"text"}}, {"%s", {5}},       {"%f", {5}},   {"%d", {2.5}},
        {"%d %d", {1}},   {"%*d", {"w", 1}}, {"%", {1}},    {"%5", {1}},
        {"%q", {1}},      {"%3:s", {"a"}},   {"%d", {'c'}}, {"%x", {1.0}},
    };
    for (const auto& c : cases) {
        try {
            Format(c.format, c.args);
            ADD_FAILURE() << c.format << " did not raise";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("Format '") + c.format +
                                       "' invalid or incompatible with argument");
        }
    }
}
