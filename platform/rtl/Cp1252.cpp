#include "platform/rtl/Cp1252.h"

#include <array>
#include <cstdio>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Utf8.h"

namespace {

// Code points of the bytes 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

// The byte of a code point, or -1 when the page has none.
int ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return int(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp) return 0x80 + i;
    return -1;
}

// Converts until the first failure; returns the byte offset of the offending sequence, or npos.
// `bad` is the character the page lacks, or 0 when the text is not valid UTF-8 there.
size_t Convert(std::string_view text, std::string& out, char32_t& bad) {
    out.clear();
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 < 0x80) {
            out += char(b0);
            ++i;
            continue;
        }
        const size_t at = i;
        const char32_t cp = DecodeUtf8(text, i);
        const int byte = cp >= kMalformedUtf8 ? -1 : ByteOf(cp);
        if (byte < 0) {
            bad = cp >= kMalformedUtf8 ? 0 : cp;
            return at;
        }
        out += char(byte);
    }
    return std::string_view::npos;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {  // copy a run of ASCII at once
            const size_t start = i;
            while (i + 1 < bytes.size() && static_cast<unsigned char>(bytes[i + 1]) < 0x80) ++i;
            out.append(bytes.substr(start, i - start + 1));
            continue;
        }
        AppendUtf8(out, b < 0xA0 ? char32_t(kHigh[b - 0x80]) : char32_t(b));
    }
    return out;
}

bool Utf8ToCp1252(std::string_view text, std::string& out) {
    char32_t bad = 0;
    return Convert(text, out, bad) == std::string_view::npos;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    char32_t bad = 0;
    const size_t at = Convert(text, out, bad);
    if (at == std::string_view::npos) return out;
    char msg[96];
    if (bad)
        std::snprintf(msg, sizeof msg, "Character U+%04X cannot be written in Windows-1252",
                      unsigned(bad));
    else
        std::snprintf(msg, sizeof msg, "Invalid UTF-8 text at byte %zu", at + 1);
    throw EConvertError(msg);
}

bool CanEncodeCp1252(std::string_view text) {
    std::string out;
    return Utf8ToCp1252(text, out);
}
