#include "platform/rtl/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/rtl/Exceptions.h"

namespace {

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

[[noreturn]] void RaiseNotFloat(std::string_view s) {
    throw EConvertError("'" + std::string(s) + "' is not a valid floating point value");
}

}  // namespace

std::string IntToStr(int64_t value) { return std::to_string(value); }

std::string IntToHex(int64_t value, int digits) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    char buf[16];
    int len = 0;
    uint64_t v = static_cast<uint64_t>(value);
    do {
        buf[len++] = kHex[v & 15];
        v >>= 4;
    } while (v);
    std::string out;
    if (digits > len) out.append(digits - len, '0');
    while (len > 0) out += buf[--len];
    return out;
}

bool TryStrToInt(std::string_view s, int& value) {
    std::string_view t = TrimBlanks(s);
    bool negative = false;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        negative = t[0] == '-';
        t.remove_prefix(1);
    }
    if (t.empty()) return false;
    int64_t magnitude = 0;
    for (char c : t) {
        if (!IsDigit(c)) return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > int64_t(std::numeric_limits<int>::max()) + 1) return false;
    }
    int64_t v = negative ? -magnitude : magnitude;
    if (v > std::numeric_limits<int>::max()) return false;
    value = static_cast<int>(v);
    return true;
}

int StrToInt(std::string_view s) {
    int value = 0;
    if (!TryStrToInt(s, value))
        throw EConvertError("'" + std::string(s) + "' is not a valid integer value");
    return value;
}

int StrToIntDef(std::string_view s, int defaultValue) {
    int value = 0;
    return TryStrToInt(s, value) ? value : defaultValue;
}

bool TryStrToFloat(std::string_view s, long double& value, const TFormatSettings& settings) {
    std::string_view t = TrimBlanks(s);
    // Check the shape first: sign, digits with at most one separator, optional exponent.
    size_t i = 0;
    const bool negative = i < t.size() && t[i] == '-';
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    const size_t numberStart = i;
    int digits = 0;
    long magnitude = 0;  // decimal place of the leading significant digit, units = 1
    bool significant = false, inFraction = false;
    size_t separatorAt = std::string_view::npos;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (IsDigit(c)) {
            ++digits;
            if (!inFraction && (significant || c != '0')) ++magnitude;
            if (inFraction && !significant && c == '0') --magnitude;
            significant = significant || c != '0';
        } else if (c == settings.DecimalSeparator && !inFraction) {
            inFraction = true;
            separatorAt = i;
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    long exponent = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        bool negExp = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) negExp = t[i++] == '-';
        const size_t expStart = i;
        for (; i < t.size() && IsDigit(t[i]); ++i)
            if (exponent < 1000000) exponent = exponent * 10 + (t[i] - '0');
        if (i == expStart) return false;
        if (negExp) exponent = -exponent;
    }
    if (i != t.size()) return false;

    // Convert with a point as the separator, whatever the settings say.
    std::string_view number = t.substr(numberStart);
    char local[64];
    std::string heap;
    if (separatorAt != std::string_view::npos && settings.DecimalSeparator != '.') {
        char* copy = local;
        if (number.size() > sizeof local) {
            heap.assign(number);
            copy = heap.data();
        } else {
            number.copy(local, number.size());
        }
        copy[separatorAt - numberStart] = '.';
        number = std::string_view(copy, number.size());
    }
    long double result = 0;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), result);
    if (ec == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large is not a value.
        if (significant && magnitude + exponent > 0) return false;
        result = 0;
    } else if (ec != std::errc() || ptr != number.data() + number.size()) {
        return false;
    }
    value = negative ? -result : result;
    return true;
}

bool TryStrToFloat(std::string_view s, long double& value) {
    return TryStrToFloat(s, value, FormatSettings());
}

bool TryStrToFloat(std::string_view s, double& value) {
    long double v = 0;
    if (!TryStrToFloat(s, v) || std::fabs(v) > std::numeric_limits<double>::max()) return false;
    value = static_cast<double>(v);
    return true;
}

long double StrToFloat(std::string_view s, const TFormatSettings& settings) {
    long double value = 0;
    if (!TryStrToFloat(s, value, settings)) RaiseNotFloat(s);
    return value;
}

long double StrToFloat(std::string_view s) { return StrToFloat(s, FormatSettings()); }

long double StrToFloatDef(std::string_view s, long double defaultValue) {
    long double value = 0;
    return TryStrToFloat(s, value) ? value : defaultValue;
}
