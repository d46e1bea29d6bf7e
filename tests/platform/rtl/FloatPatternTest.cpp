#include <gtest/gtest.h>

#include <limits>

#include "platform/rtl/FloatFormat.h"

namespace {

struct PatternCase {
    const char* format;
    long double value;
    const char* text;
};

void ExpectPatterns(std::initializer_list<PatternCase> cases) {
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(c.format, c.value), c.text)
            << "FormatFloat(\"" << c.format << "\", " << double(c.value) << ")";
}

}  // namespace

TEST(FormatFloat, DigitPlaceholdersGroupingAndRounding) {
    ExpectPatterns({
        {"###,###,###", 1234567, "1,234,567"},
        {"###,###,###", 1234567890, "1,234,567,890"},  // more digits than placeholders
        {"###,###,###", 999.5, "1,000"},
        {"###,###,###", -1234.4, "-1,234"},
        {"###,###,###", 0, ""},  // '#' writes no insignificant digit
        {"###0.#########", 3.141592653589793, "3.141592654"},
        {"###0.#########", 2.5, "2.5"},
        {"###0.#########", -0.0000000004, "0"},
        {"   ###0.#########", 12.5, "   12.5"},
        {"   ###0.#########", -12.5, "-   12.5"},  // the minus leads the whole text
        {"#,##0.###", 1234.5678, "1,234.568"},
        {"#,##0.###", 0.0005, "0.001"},
        {"#,##0.###", 999.9996, "1,000"},
        {"#,##0.###", 0.1 + 0.2, "0.3"},
        {"0", 2.5, "3"},  // halves away from zero, unlike Round
        {"0", -2.5, "-3"},
        {"0.00", 2.675, "2.67"},  // the double lies below the half
        {"0.000", 9.9996, "10.000"},
        {"0000.000000", 3.5, "0003.500000"},
        {"0000.000000", 12345.6789, "12345.678900"},
        {"0000.000000", -1.25, "-0001.250000"},
        {"0000.000000", 9999.9999996, "10000.000000"},
        {"#.##", 0.5, ".5"},
        {"#.##", 0, ""},
        {".00", 12.5, "12.50"},
        {".00", 0.5, ".50"},
        {"0.00 %", 12.345, "12.35 %"},  // '%' is text, the value is not scaled
        {"0.00 %", 99.999, "100.00 %"},
        {"0.00 %", 0, "0.00 %"},
    });
}

TEST(FormatFloat, Exponents) {
    ExpectPatterns({
        {"0.####e-0", 1234.5, "1.2345e3"},
        {"0.####e-0", 0.00012345, "1.2345e-4"},
        {"0.####e-0", -1234.5, "-1.2345e3"},
        {"0.####e-0", 9.99996, "1e1"},
        {"0.####e-0", 0, "0e0"},
        {"00e-0", 1234, "12e2"},
        {"00e-0", 0.5, "50e-2"},
        {"00e-0", 995, "10e2"},
        {"00e-0", 0, "00e0"},
        {"0.00E+00", 1234, "1.23E+03"},
        {"0.00E+00", 0.5, "5.00E-01"},
        {"#.###E-0", 0.5, "5E-1"},
        {"0E+0000", 1e300, "1E+0300"},
        {"0Ex", 5, "5Ex"},  // an E without a sign is text
    });
}

TEST(FormatFloat, SectionsQuotesAndLiterals) {
    ExpectPatterns({
        {"#,##0.00;(#,##0.00);Zero", 1234.567, "1,234.57"},
        {"#,##0.00;(#,##0.00);Zero", -1234.567, "(1,234.57)"},
        {"#,##0.00;(#,##0.00);Zero", 0, "Zero"},
        {"#,##0.00;(#,##0.00);Zero", 0.004, "Zero"},  // rounds to zero
        {"#,##0.00;(#,##0.00);Zero", -0.004, "Zero"},
        {"#,##0.00;(#,##0.00);Zero", 0.005, "0.01"},
        {"0.00;;Zero", -1, "-1.00"},  // an empty negative section falls back to the first
        {"0.0;(0.0)", 0, "0.0"},
        {"0.0;(0.0)", -0.01, "0.0"},  // a zero is never dressed as negative
        {"'Value: '0.0\" units\"", 2.25, "Value: 2.3 units"},
        {"\"x;y\"0", 5, "x;y5"},
        {"'#0.'0", 7, "#0.7"},
        {"[0]", 7, "[7]"},
        {"", 0.1 + 0.2, "0.3"},
        {"0.00", 1e20, "1E20"},  // beyond 18 integer digits the general form takes over
        {"0.00", std::numeric_limits<double>::quiet_NaN(), "NAN"},
    });
}

TEST(FormatFloat, UsesTheSeparatorsOfTheSettings) {
    TFormatSettings comma;
    comma.DecimalSeparator = ',';
    comma.ThousandSeparator = '.';
    TFormatSettingsGuard guard(comma);
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), "1.234,50");
    EXPECT_EQ(FormatFloat("0.0", 0.25, TFormatSettings{}), "0.3");
}
