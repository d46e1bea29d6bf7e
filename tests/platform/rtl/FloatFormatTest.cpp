#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "platform/rtl/FloatDecimal.h"
#include "platform/rtl/FloatFormat.h"

namespace {

std::string DigitsOf(const TFloatDecimal& rec) { return std::string(rec.Digits, rec.Count); }

constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

}  // namespace

// The digits come from the exact binary value, not from a rounded approximation of it.
TEST(FloatDecimal, DigitsAreExactToEighteenPlacesRoundedHalfAwayFromZero) {
    struct Case {
        long double value;
        const char* digits;
        int exponent;
    } cases[] = {
        {0.1, "100000000000000006", 0},    // the double nearest 0.1 shows its error
        {0.1L, "1", 0},                    // the 80-bit one rounds back to 0.1
        {2.675, "267499999999999982", 1},  // just below the half: 2.67 at 2 decimals
        {1234567890123456785.0L, "123456789012345679", 19},  // an exact tie goes away from 0
        {-1024, "1024", 4},
        {LDBL_MAX, "118973149535723177", 4933},
        {LDBL_TRUE_MIN, "36451995318824746", -4950},  // the smallest subnormal
        {DBL_MIN, "222507385850720138", -307},
    };
    for (const auto& c : cases) {
        TFloatDecimal rec = FloatToDecimal(c.value);
        EXPECT_EQ(DigitsOf(rec), c.digits) << double(c.value);
        EXPECT_EQ(rec.Exponent, c.exponent) << double(c.value);
        EXPECT_EQ(rec.Negative, c.value < 0);
    }
    EXPECT_TRUE(FloatToDecimal(0.0L).IsZero());
    EXPECT_TRUE(FloatToDecimal(-0.0L).Negative);
}

// Cross-check over the whole 80-bit range against the C library's exact long expansion: its first
// 19 digits, rounded half away from zero to 18, are what FloatToDecimal must give.
TEST(FloatDecimal, AgreesWithALongExactExpansionAcrossTheRange) {
    const unsigned seed = 20261210;
    std::mt19937_64 rng(seed);
    for (int k = 0; k < 4000; ++k) {
        long double v = std::ldexp(static_cast<long double>(rng() | (1ull << 63)) / 0x1p64L,
                                   int(rng() % 32760) - 16380 - (k % 50 == 0 ? 60 : 0));
        char text[64];
        std::snprintf(text, sizeof text, "%.40Le", v);  // d.ddd...e+x
        std::string digits(1, text[0]);
        digits.append(text + 2, 40);
        if (digits.compare(19, 22, std::string(22, '9')) == 0) continue;  // rounding may carry
        int exponent = std::atoi(std::strchr(text, 'e') + 1) + 1;
        std::string kept = digits.substr(0, 18);
        if (digits[18] >= '5') {
            int i = 17;
            while (i >= 0 && kept[i] == '9') kept[i--] = '0';
            if (i < 0) {
                kept = "1" + kept.substr(0, 17);
                ++exponent;
            } else {
                ++kept[i];
            }
        }
        kept.erase(kept.find_last_not_of('0') + 1);
        TFloatDecimal rec = FloatToDecimal(v);
        ASSERT_EQ(DigitsOf(rec), kept) << text << " seed " << seed << " case " << k;
        ASSERT_EQ(rec.Exponent, exponent) << text << " seed " << seed << " case " << k;
    }
}

TEST(FloatToStr, FifteenSignificantDigitsAndTheSwitchToScientific) {
    struct Case {
        long double value;
        const char* text;
    } cases[] = {
        {1e15, "1E15"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.9, "1E15"},  // rounding to 15 digits carries into a 16th
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {0.000012345, "1.2345E-5"},
        {1.0 / 3, "0.333333333333333"},
        {2.0L / 3, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {1.5e20, "1.5E20"},
        {-2.5, "-2.5"},
        {100, "100"},
        {0, "0"},
        {-0.0, "0"},
        {1e-300, "1E-300"},
        {DBL_MAX, "1.79769313486232E308"},
        {kNaN, "NAN"},
        {kInf, "INF"},
        {-kInf, "-INF"},
    };
    for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.value), c.text) << double(c.value);
}

TEST(FloatToStrF, FixedNumberAndExponentForms) {
    struct Case {
        long double value;
        TFloatFormat format;
        int precision, digits;
        const char* text;
    } cases[] = {
        {3.14159265, ffFixed, 9, 4, "3.1416"},
        {123456.789012, ffFixed, 9, 4, "123456.7890"},  // digits past the precision are zeros
        {99999.99999, ffFixed, 9, 4, "100000.0000"},
        {0.00005, ffFixed, 9, 4, "0.0001"},
        {-2.5, ffFixed, 9, 4, "-2.5000"},
        {-0.00004, ffFixed, 9, 4, "0.0000"},            // what shows as zero carries no minus
        {1234567890.5, ffFixed, 9, 4, "1.23456789E9"},  // too many integer digits
        {2.5, ffFixed, 15, 0, "3"},
        {1234567.891, ffNumber, 15, 2, "1,234,567.89"},
        {-999.999, ffNumber, 15, 2, "-1,000.00"},
        {123, ffNumber, 15, 0, "123"},
        {0.25, ffExponent, 15, 4, "2.50000000000000E-0001"},
        {-1234.5, ffExponent, 5, 2, "-1.2345E+03"},
        {9.99996, ffExponent, 5, 0, "1.0000E+1"},
        {0, ffExponent, 3, 0, "0.00E+0"},
        {1e-5, ffGeneral, 15, 0, "1E-5"},
        {kNaN, ffFixed, 15, 2, "NAN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), c.text)
            << double(c.value) << " form " << c.format << " " << c.precision << "," << c.digits;
}

TEST(FloatToStrF, UsesTheSeparatorsOfTheSettings) {
    TFormatSettings comma;
    comma.DecimalSeparator = ',';
    comma.ThousandSeparator = '.';
    TFormatSettingsGuard guard(comma);
    EXPECT_EQ(FloatToStr(-1.5e-7), "-1,5E-7");
    EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2), "1.234.567,89");
    TFormatSettings point;
    EXPECT_EQ(FloatToStr(0.5, point), "0.5");
}
