#pragma once
// UTF-8, the encoding of all text in memory: one encoder and one strict decoder for the places
// that walk text by character (case mapping, code-page conversion, the component streams).
#include <string>
#include <string_view>

// What DecodeUtf8 answers for a byte that does not start a valid sequence: the marker plus the
// byte, so that it never equals a real code point and can be copied back unchanged.
inline constexpr char32_t kMalformedUtf8 = 0x110000;

// Decodes the character at text[i] and advances i past it. Overlong forms, surrogates, code
// points above U+10FFFF and cut sequences are malformed: i advances one byte and the answer is
// kMalformedUtf8 + that byte.
char32_t DecodeUtf8(std::string_view text, size_t& i);

// Appends the character in UTF-8; a kMalformedUtf8 value appends its original byte.
void AppendUtf8(std::string& out, char32_t cp);

// UTF-16 code units as UTF-8; a surrogate without its partner becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view units);
