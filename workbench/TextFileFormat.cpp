#include "workbench/TextFileFormat.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "platform/rtl/Cp1252.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"

namespace {

// Text files use a point and no grouping whatever the user's settings.
const TFormatSettings& FileSettings() {
    static const TFormatSettings settings;
    return settings;
}

}  // namespace

std::string TextReal(long double value) {
    const std::string digits = FloatToStrF(value, ffExponent, 15, 4, FileSettings());
    return digits[0] == '-' ? digits : " " + digits;
}

std::string PadLeft(const std::string& text, size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string FormatBlankZeros(const std::string& format, long double value) {
    std::string text = FormatFloat(format, value);
    const char point = FormatSettings().DecimalSeparator;
    for (size_t i = 0; i + 1 < text.size() && text[i] == '0' && text[i + 1] != point; ++i)
        text[i] = ' ';
    return text;
}

std::string PadInt(int width, long value) {
    return PadLeft(std::to_string(value), size_t(std::max(width, 0)));
}

std::string TextFileBytes(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    // Characters outside the code page were refused when they were entered; one that got in
    // anyway raises (naming it) rather than being written wrongly.
    return Utf8ToCp1252(text);
}

bool TTextReader::ReadReal(long double& value) {
    auto control = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!Eof() && control(FBytes[FPos])) ++FPos;
    value = 0;
    if (Eof()) return true;
    const size_t start = FPos;
    while (!Eof() && !control(FBytes[FPos]) && FPos - start < 64) ++FPos;
    return TryStrToFloat(std::string_view(FBytes).substr(start, FPos - start), value,
                         FileSettings());
}

bool TTextReader::ReadDouble(double& value) {
    long double v = 0;
    if (!ReadReal(v) || !(std::fabs(v) <= MaxTextReal)) return false;
    value = double(v);
    return true;
}

bool TTextReader::ReadInt(long& value, long min, long max) {
    long double v = 0;
    if (!ReadReal(v) || v != std::trunc(v) || v < min || v > max) return false;
    value = static_cast<long>(v);
    return true;
}

void TTextReader::SkipLine() { ReadLine(); }

std::string TTextReader::ReadLine() {
    const size_t start = FPos;
    while (!Eof() && FBytes[FPos] != '\r' && FBytes[FPos] != '\n') ++FPos;
    std::string line = Cp1252ToUtf8(std::string_view(FBytes).substr(start, FPos - start));
    if (!Eof() && FBytes[FPos] == '\r') ++FPos;
    if (!Eof() && FBytes[FPos] == '\n') ++FPos;
    return line;
}

bool ReadFileBytes(const std::string& fileName, std::string& bytes) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

TWriteResult WriteFileBytes(const std::string& fileName, const std::string& bytes) {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out) return TWriteResult::CannotCreate;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return out.fail() ? TWriteResult::WriteFailed : TWriteResult::Written;
}
