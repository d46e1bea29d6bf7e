#include "chart/tools/sources/Workbook.h"

#include <cctype>

#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"

const TWorksheet* TWorkbook::SheetNamed(const std::string& name) const {
    for (const TWorksheet& sheet : Sheets)
        if (UpperCase(sheet.Name) == UpperCase(name)) return &sheet;
    return nullptr;
}

std::unique_ptr<TWorkbook> OpenWorkbook(const std::string& fileName) {
    std::string bytes;
    {
        TFileStream file(fileName, fmOpenRead);
        bytes.resize(size_t(file.Size()));
        if (!bytes.empty()) file.Read(bytes.data(), int64_t(bytes.size()));
    }
    if (bytes.starts_with("PK\x03\x04")) return ReadXlsxWorkbook(std::move(bytes));
    if (bytes.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) return ReadXlsWorkbook(fileName);
    throw EWorkbookError("Not a workbook file: " + fileName);
}

bool ParseCellReference(const std::string& text, int& row, int& column) {
    const std::string s = UpperCase(Trim(text));
    size_t i = 0;
    if (i < s.size() && s[i] == '$') ++i;
    column = 0;
    const size_t letters = i;
    while (i < s.size() && std::isupper(static_cast<unsigned char>(s[i])) && column < 100000)
        column = column * 26 + (s[i++] - 'A' + 1);
    if (i == letters || i - letters > 3) return false;
    if (i < s.size() && s[i] == '$') ++i;
    row = 0;
    const size_t digits = i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) && row < 10000000)
        row = row * 10 + (s[i++] - '0');
    return i == s.size() && i > digits && row > 0;
}
