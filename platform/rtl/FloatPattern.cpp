// FormatFloat: a value under a pattern of digit placeholders, separators, exponent and literals.
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "platform/rtl/FloatDecimal.h"
#include "platform/rtl/FloatFormat.h"

namespace {

// One element of a pattern section.
struct TPatternToken {
    enum TKind { Literal, Digit, Point, Comma, Exponent } Kind;
    std::string_view Text;  // Literal: the text; Digit: "0" or "#"; Exponent: the letter
    char ExpSign = 0;       // Exponent: '+' or '-'
    int ExpDigits = 0;      // Exponent: the number of zeros after the sign
};

// Walks a section and hands each token to f. Both the layout pass and the writing pass use it,
// so they can never read a pattern differently. After the exponent, digit characters are text.
template <typename F>
void ForEachToken(std::string_view section, F&& f) {
    bool seenPoint = false, seenExponent = false;
    size_t i = 0;
    while (i < section.size()) {
        char c = section[i];
        if (c == '"' || c == '\'') {
            size_t close = section.find(c, i + 1);
            size_t end = close == std::string_view::npos ? section.size() : close;
            f(TPatternToken{TPatternToken::Literal, section.substr(i + 1, end - i - 1)});
            i = end + 1;
        } else if ((c == '0' || c == '#') && !seenExponent) {
            f(TPatternToken{TPatternToken::Digit, section.substr(i, 1)});
            ++i;
        } else if (c == '.' && !seenExponent) {
            // Only the first point is the decimal point; later ones are dropped.
            if (!seenPoint) f(TPatternToken{TPatternToken::Point, {}});
            seenPoint = true;
            ++i;
        } else if (c == ',' && !seenExponent) {
            f(TPatternToken{TPatternToken::Comma, {}});
            ++i;
        } else if ((c == 'E' || c == 'e') && !seenExponent && i + 1 < section.size() &&
                   (section[i + 1] == '+' || section[i + 1] == '-')) {
            TPatternToken t{TPatternToken::Exponent, section.substr(i, 1), section[i + 1]};
            i += 2;
            while (i < section.size() && section[i] == '0') ++t.ExpDigits, ++i;
            seenExponent = true;
            f(t);
        } else {
            f(TPatternToken{TPatternToken::Literal, section.substr(i, 1)});
            ++i;
        }
    }
}

// What a section asks for, read before any digit is written.
struct TPatternLayout {
    int IntDigits = 0;   // placeholders before the decimal point
    int FracDigits = 0;  // placeholders after it
    int FirstZero = -1;  // index of the first '0' among the integer placeholders
    int ForcedFrac = 0;  // fraction digits always written (up to the last '0')
    bool HasPoint = false;
    bool Thousands = false;  // a ',' in the integer part
    bool Scientific = false;
};

TPatternLayout ReadLayout(std::string_view section) {
    TPatternLayout l;
    ForEachToken(section, [&](const TPatternToken& t) {
        switch (t.Kind) {
            case TPatternToken::Digit:
                if (!l.HasPoint) {
                    if (t.Text[0] == '0' && l.FirstZero < 0) l.FirstZero = l.IntDigits;
                    ++l.IntDigits;
                } else {
                    ++l.FracDigits;
                    if (t.Text[0] == '0') l.ForcedFrac = l.FracDigits;
                }
                break;
            case TPatternToken::Point:
                l.HasPoint = true;
                break;
            case TPatternToken::Comma:
                if (!l.HasPoint) l.Thousands = true;
                break;
            case TPatternToken::Exponent:
                l.Scientific = true;
                break;
            case TPatternToken::Literal:
                break;
        }
    });
    return l;
}

// Splits a pattern into its (up to three) sections at ';' outside quotes.
int SplitSections(std::string_view format, std::array<std::string_view, 3>& sections) {
    int count = 0;
    size_t start = 0;
    char quote = 0;
    for (size_t i = 0; i <= format.size() && count < 3; ++i) {
        char c = i < format.size() ? format[i] : ';';
        if (quote) {
            if (c == quote) quote = 0;
            if (i < format.size()) continue;
        } else if (c == '"' || c == '\'') {
            quote = c;
            continue;
        }
        if (c == ';' || i == format.size()) {
            sections[count++] = format.substr(start, std::min(i, format.size()) - start);
            start = i + 1;
        }
    }
    return count;
}

// Rounds rec as the layout asks. False when the value has too many integer digits to be written
// digit by digit (more than an 80-bit value holds).
bool RoundForLayout(TFloatDecimal& rec, const TPatternLayout& l) {
    if (l.Scientific) {
        RoundDecimal(rec, std::max(1, l.IntDigits + l.FracDigits), 1 << 20);
        return true;
    }
    RoundDecimal(rec, MaxFloatDigits, l.FracDigits);
    return rec.Exponent <= MaxFloatDigits;
}

// Writes rec under one section; minus is the sign written in front (or none).
std::string WriteSection(std::string_view section, const TPatternLayout& l,
                         const TFloatDecimal& rec, bool minus, const TFormatSettings& settings) {
    // In scientific form the integer placeholders take exactly the leading digits and the
    // exponent takes the rest of the magnitude.
    const int pointPlace = l.Scientific ? l.IntDigits : rec.Exponent;
    const int exponent = l.Scientific && !rec.IsZero() ? rec.Exponent - l.IntDigits : 0;
    const bool group = l.Thousands && !l.Scientific;
    const int fracOut =
        std::min(l.FracDigits, std::max(l.ForcedFrac, rec.IsZero() ? 0 : rec.Count - pointPlace));

    std::string out;
    if (minus) out += '-';
    auto putIntDigit = [&](int place) {  // place 1 is the units digit
        out += rec.DigitAt(pointPlace - place);
        if (group && place > 1 && (place - 1) % 3 == 0) out += settings.ThousandSeparator;
    };
    int intIndex = 0, fracIndex = 0;
    bool afterPoint = false;
    ForEachToken(section, [&](const TPatternToken& t) {
        switch (t.Kind) {
            case TPatternToken::Literal:
                out += t.Text;
                break;
            case TPatternToken::Point:
                // With no integer placeholders the integer digits still lead the point.
                if (l.IntDigits == 0)
                    for (int p = pointPlace; p > 0; --p) putIntDigit(p);
                afterPoint = true;
                if (fracOut > 0) out += settings.DecimalSeparator;
                break;
            case TPatternToken::Comma:
                break;
            case TPatternToken::Exponent:
                AppendExponentText(out, t.Text[0], exponent, t.ExpSign == '+',
                                   std::min(t.ExpDigits, 4));
                break;
            case TPatternToken::Digit:
                if (!afterPoint) {
                    const int place = l.IntDigits - intIndex;
                    // Digits the placeholders cannot hold go in front of the first one.
                    if (intIndex == 0)
                        for (int p = pointPlace; p > place; --p) putIntDigit(p);
                    if (place <= pointPlace || (l.FirstZero >= 0 && intIndex >= l.FirstZero))
                        putIntDigit(place);
                    ++intIndex;
                } else {
                    if (fracIndex < fracOut) out += rec.DigitAt(pointPlace + fracIndex);
                    ++fracIndex;
                }
                break;
        }
    });
    return out;
}

}  // namespace

std::string FormatFloat(const std::string& format, long double value,
                        const TFormatSettings& settings) {
    if (format.empty() || !std::isfinite(value)) return FloatToStr(value, settings);
    std::array<std::string_view, 3> sections;
    const int count = SplitSections(format, sections);
    auto present = [&](int i) { return i < count && !sections[i].empty(); };

    TFloatDecimal rec = FloatToDecimal(value);
    const bool negative = value < 0;
    int index = value == 0 ? (present(2) ? 2 : 0) : (negative && present(1) ? 1 : 0);
    TPatternLayout layout = ReadLayout(sections[index]);
    if (!RoundForLayout(rec, layout)) return FloatToStr(value, settings);
    if (rec.IsZero() && index != 2) {
        // Shown as zero under its own section: the zero section speaks for it, or else the
        // first one, so that no zero is dressed as a negative value.
        index = present(2) ? 2 : 0;
        layout = ReadLayout(sections[index]);
    }
    // Only the first section carries a minus; a value that shows as zero carries none.
    const bool minus = negative && index == 0 && !rec.IsZero();
    return WriteSection(sections[index], layout, rec, minus, settings);
}

std::string FormatFloat(const std::string& format, long double value) {
    return FormatFloat(format, value, FormatSettings());
}
