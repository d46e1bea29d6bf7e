#pragma once
// Windows-1252, the single-byte encoding of every file the program reads and writes. Text in
// memory is UTF-8; these routines convert at the file boundary.
#include <string>
#include <string_view>

// Every byte maps to a character. The five bytes without a character in the code page (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same number, so that any byte
// string survives a round trip through UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);

// Converts UTF-8 text; false (with out holding the bytes converted so far) when the text holds a
// character the code page lacks or is not valid UTF-8.
bool Utf8ToCp1252(std::string_view text, std::string& out);
// The same, raising EConvertError that names the first character that cannot be written.
std::string Utf8ToCp1252(std::string_view text);

bool CanEncodeCp1252(std::string_view text);
