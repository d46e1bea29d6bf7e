#include "chart/tools/media/AviFormat.h"

#include <cstdio>

#include "platform/rtl/Exceptions.h"

std::string FourCCText(uint32_t code) {
    std::string text(4, ' ');
    for (int i = 0; i < 4; ++i) text[size_t(i)] = char((code >> (8 * i)) & 0xFF);
    return text;
}

uint32_t FourCCOf(const std::string& text) {
    if (text.empty()) return 0;
    uint32_t code = 0;
    for (int i = 0; i < 4; ++i) {
        const char c = size_t(i) < text.size() ? text[size_t(i)] : ' ';
        code |= uint32_t(uint8_t(c)) << (8 * i);
    }
    return code;
}

void RaiseAviError(uint32_t code) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", code);
    std::string message = "AVI Error: ";
    message.append(digits);
    throw Exception(message);
}

void CheckAviResult(uint32_t code) {
    if (code != 0) RaiseAviError(code);
}
