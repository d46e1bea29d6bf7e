#include "chart/foundation/FieldLists.h"

#include "platform/rtl/FormatSettings.h"

std::string FieldSeparator = ";";

void LoadFieldSeparator() { FieldSeparator.assign(1, ';'); }
void FreeFieldSeparator() { FieldSeparator.clear(); }

int CountFields(std::string_view Text) {
    if (Text.empty()) return 0;
    // With no separator set (after shutdown) the whole text is one field.
    if (FieldSeparator.empty()) return 1;
    int count = 1;
    for (size_t at = Text.find(FieldSeparator); at != std::string_view::npos;
         at = Text.find(FieldSeparator, at + FieldSeparator.size()))
        ++count;
    return count;
}

std::string ExtractField(std::string_view Text, int N) {
    if (Text.empty() || N < 1) return {};
    if (FieldSeparator.empty()) return std::string(Text);
    size_t start = 0;
    for (int field = 1;; ++field) {
        const size_t at = Text.find(FieldSeparator, start);
        if (at == std::string_view::npos) return std::string(Text.substr(start));
        if (field == N) return std::string(Text.substr(start, at - start));
        start = at + FieldSeparator.size();
    }
}

namespace {

// Puts a separator in FieldSeparator for its lifetime, the previous one back on every path.
class TFieldSeparatorGuard {
public:
    explicit TFieldSeparatorGuard(std::string_view separator) : FSaved(FieldSeparator) {
        FieldSeparator = separator;
    }
    ~TFieldSeparatorGuard() { FieldSeparator = std::move(FSaved); }
    TFieldSeparatorGuard(const TFieldSeparatorGuard&) = delete;
    TFieldSeparatorGuard& operator=(const TFieldSeparatorGuard&) = delete;

private:
    std::string FSaved;
};

}  // namespace

int CountFieldsSep(std::string_view Text, std::string_view Separator) {
    TFieldSeparatorGuard guard(Separator);
    return CountFields(Text);
}

std::string ExtractFieldSep(std::string_view Text, int N, std::string_view Separator) {
    TFieldSeparatorGuard guard(Separator);
    return ExtractField(Text, N);
}

std::string SubstituteChar(std::string_view Text, char Old, char New) {
    std::string result;
    result.reserve(Text.size());
    for (char c : Text) {
        if (c != Old)
            result += c;
        else if (New != '\0')
            result += New;
    }
    return result;
}

namespace {

// Exchanges the two separators in one pass, so that a ',' made from a '.' is not turned back.
std::string MapSeparators(std::string_view text, char thousandFrom, char thousandTo,
                          char decimalFrom, char decimalTo) {
    std::string result(text);
    for (char& c : result) {
        if (c == thousandFrom)
            c = thousandTo;
        else if (c == decimalFrom)
            c = decimalTo;
    }
    return result;
}

}  // namespace

std::string ToLocalSeparators(std::string_view Format) {
    const TFormatSettings& s = FormatSettings();
    if (s.ThousandSeparator == s.DecimalSeparator) return std::string(Format);
    return MapSeparators(Format, ',', s.ThousandSeparator, '.', s.DecimalSeparator);
}

std::string ToInvariantSeparators(std::string_view Format) {
    const TFormatSettings& s = FormatSettings();
    if (s.ThousandSeparator == s.DecimalSeparator) return std::string(Format);
    return MapSeparators(Format, s.ThousandSeparator, ',', s.DecimalSeparator, '.');
}

std::string IntToText(int64_t Value) { return std::to_string(Value); }
