#include "platform/rtl/FloatFormat.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/rtl/FloatDecimal.h"

namespace {

// "NAN", "INF", "-INF", or nullptr for a finite value.
const char* NonFiniteText(long double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    return nullptr;
}

// The integer part of rec (its digits above the decimal point), grouped when sep is not 0.
void AppendIntegerPart(std::string& out, const TFloatDecimal& rec, char sep) {
    if (rec.Exponent <= 0) {
        out += '0';
        return;
    }
    for (int i = 0; i < rec.Exponent; ++i) {
        out += rec.DigitAt(i);
        int placesLeft = rec.Exponent - 1 - i;
        if (sep && placesLeft > 0 && placesLeft % 3 == 0) out += sep;
    }
}

// The general form of digits already rounded to `precision`.
std::string GeneralText(const TFloatDecimal& rec, int precision, int expDigits,
                        const TFormatSettings& settings) {
    if (rec.IsZero()) return "0";
    std::string out;
    if (rec.Negative) out += '-';
    if (rec.Exponent > precision || rec.Exponent < -3) {
        out += rec.Digits[0];
        if (rec.Count > 1) {
            out += settings.DecimalSeparator;
            out.append(rec.Digits + 1, rec.Count - 1);
        }
        AppendExponentText(out, 'E', rec.Exponent - 1, false, expDigits);
        return out;
    }
    AppendIntegerPart(out, rec, 0);
    if (rec.Count > rec.Exponent) {
        out += settings.DecimalSeparator;
        for (int i = rec.Exponent; i < rec.Count; ++i) out += rec.DigitAt(i);
    }
    return out;
}

}  // namespace

std::string FloatToStrF(long double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings) {
    if (const char* text = NonFiniteText(value)) return text;
    precision = std::clamp(precision, 1, MaxFloatDigits);
    TFloatDecimal rec = FloatToDecimal(value);
    switch (format) {
        case ffGeneral:
            RoundDecimal(rec, precision, INT_MAX / 2);
            return GeneralText(rec, precision, std::clamp(digits, 0, 4), settings);
        case ffExponent: {
            RoundDecimal(rec, precision, INT_MAX / 2);
            std::string out;
            if (rec.Negative && !rec.IsZero()) out += '-';
            out += rec.DigitAt(0);
            if (precision > 1) {
                out += settings.DecimalSeparator;
                for (int i = 1; i < precision; ++i) out += rec.DigitAt(i);
            }
            AppendExponentText(out, 'E', rec.IsZero() ? 0 : rec.Exponent - 1, true,
                               std::clamp(digits, 0, 4));
            return out;
        }
        case ffFixed:
        case ffNumber:
        case ffCurrency: {
            digits = std::clamp(digits, 0, MaxFloatDigits);
            RoundDecimal(rec, precision, digits);
            // Too many integer digits for the precision: the general form says it better.
            if (rec.Exponent > precision) return GeneralText(rec, precision, 0, settings);
            std::string out;
            if (rec.Negative && !rec.IsZero()) out += '-';
            AppendIntegerPart(out, rec, format == ffFixed ? 0 : settings.ThousandSeparator);
            if (digits > 0) {
                out += settings.DecimalSeparator;
                for (int i = 0; i < digits; ++i) out += rec.DigitAt(rec.Exponent + i);
            }
            return out;
        }
    }
    return {};
}

std::string FloatToStrF(long double value, TFloatFormat format, int precision, int digits) {
    return FloatToStrF(value, format, precision, digits, FormatSettings());
}

std::string FloatToStr(long double value, const TFormatSettings& settings) {
    return FloatToStrF(value, ffGeneral, 15, 0, settings);
}

std::string FloatToStr(long double value) { return FloatToStr(value, FormatSettings()); }
