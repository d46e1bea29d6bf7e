#include "platform/rtl/Strings.h"

#include <algorithm>
#include <cstdio>

#include "platform/rtl/Cp1252.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"

namespace {

inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Brackets a bulk change so that listeners hear of it once, also when it fails half-way.
class TUpdateScope {
public:
    explicit TUpdateScope(TStrings& list) : FList(list) { FList.BeginUpdate(); }
    ~TUpdateScope() { FList.EndUpdate(); }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
    TStrings& FList;
};

}  // namespace

TStrings::~TStrings() = default;

void TStrings::Error(const char* messageFormat, int index) {
    char msg[128];
    std::snprintf(msg, sizeof msg, messageFormat, index);
    throw EListError(msg);
}

int TStrings::AddObject(const std::string& s, TObject* object) {
    const int index = Count();
    InsertObject(index, s, object);
    return index;
}

void TStrings::AddStrings(const TStrings& source) {
    TUpdateScope update(*this);
    for (int i = 0, n = source.Count(); i < n; ++i) AddObject(source.Get(i), source.GetObject(i));
}

void TStrings::Assign(const TStrings& source) {
    if (&source == this) return;
    TUpdateScope update(*this);
    Clear();
    FDelimiter = source.FDelimiter;
    FQuoteChar = source.FQuoteChar;
    FNameValueSeparator = source.FNameValueSeparator;
    FStrictDelimiter = source.FStrictDelimiter;
    AddStrings(source);
}

int TStrings::CompareStrings(const std::string& a, const std::string& b) const {
    return AnsiCompareText(a, b);
}

int TStrings::IndexOf(const std::string& s) const {
    for (int i = 0, n = Count(); i < n; ++i)
        if (CompareStrings(Get(i), s) == 0) return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
    for (int i = 0, n = Count(); i < n; ++i)
        if (Objects(i) == object) return i;
    return -1;
}

int TStrings::IndexOfName(const std::string& name) const {
    for (int i = 0, n = Count(); i < n; ++i) {
        const std::string line = Get(i);
        const auto sep = line.find(FNameValueSeparator);
        if (sep != std::string::npos && CompareStrings(line.substr(0, sep), name) == 0) return i;
    }
    return -1;
}

std::string TStrings::Text() const {
    std::string out;
    for (int i = 0, n = Count(); i < n; ++i) {
        out += Get(i);
        out += "\r\n";
    }
    return out;
}

void TStrings::SetText(const std::string& text) {
    TUpdateScope update(*this);
    Clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        Add(text.substr(start, end - start));
        // CR LF, CR or LF ends the line.
        if (end < text.size() && text[end++] == '\r' && end < text.size() && text[end] == '\n')
            ++end;
        start = end;
    }
}

std::string TStrings::JoinDelimited(char delimiter, char quote, bool strict) const {
    const int n = Count();
    // A single empty line must not read back as no line at all.
    if (n == 1 && Get(0).empty()) return std::string(2, quote);
    std::string out;
    for (int i = 0; i < n; ++i) {
        if (i > 0) out += delimiter;
        const std::string s = Get(i);
        bool quoted = false;
        for (char c : s)
            if (c == delimiter || c == quote || (!strict && IsBlank(c))) quoted = true;
        out += quoted ? AnsiQuotedStr(s, quote) : s;
    }
    return out;
}

void TStrings::ParseDelimited(const std::string& text, char delimiter, char quote, bool strict) {
    TUpdateScope update(*this);
    Clear();
    size_t p = 0;
    auto skipBlanks = [&] {
        if (!strict)
            while (p < text.size() && IsBlank(text[p])) ++p;
    };
    skipBlanks();
    while (p < text.size()) {
        if (text[p] == quote) {
            Add(AnsiExtractQuotedStr(text, p, quote));
        } else {
            const size_t start = p;
            while (p < text.size() && (strict || !IsBlank(text[p])) && text[p] != delimiter) ++p;
            Add(text.substr(start, p - start));
        }
        skipBlanks();
        if (p < text.size() && text[p] == delimiter) {
            ++p;
            if (p == text.size()) Add("");  // a final delimiter ends with an empty line
            skipBlanks();
        }
    }
}

std::string TStrings::CommaText() const { return JoinDelimited(',', '"', false); }
void TStrings::SetCommaText(const std::string& text) { ParseDelimited(text, ',', '"', false); }
std::string TStrings::DelimitedText() const {
    return JoinDelimited(FDelimiter, FQuoteChar, FStrictDelimiter);
}
void TStrings::SetDelimitedText(const std::string& text) {
    ParseDelimited(text, FDelimiter, FQuoteChar, FStrictDelimiter);
}

std::string TStrings::Names(int index) const {
    const std::string line = Get(index);
    const auto sep = line.find(FNameValueSeparator);
    return sep == std::string::npos ? std::string() : line.substr(0, sep);
}

std::string TStrings::ValueFromIndex(int index) const {
    const std::string line = Get(index);
    const auto sep = line.find(FNameValueSeparator);
    return sep == std::string::npos ? std::string() : line.substr(sep + 1);
}

std::string TStrings::Values(const std::string& name) const {
    const int i = IndexOfName(name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStrings::SetValues(const std::string& name, const std::string& value) {
    const int i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0) Delete(i);
    } else if (i < 0) {
        Add(name + FNameValueSeparator + value);
    } else {
        Put(i, name + FNameValueSeparator + value);
    }
}

void TStrings::LoadFromStream(TStream& stream) {
    const int64_t size = stream.Size() - stream.Position();
    std::string bytes(size_t(std::max<int64_t>(size, 0)), '\0');
    stream.ReadBuffer(bytes.data(), int64_t(bytes.size()));
    SetText(Cp1252ToUtf8(bytes));
}

void TStrings::SaveToStream(TStream& stream) const {
    const std::string bytes = Utf8ToCp1252(Text());
    stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
}

void TStrings::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TStrings::SaveToFile(const std::string& fileName) const {
    const std::string bytes = Utf8ToCp1252(Text());
    TFileStream file(fileName, fmCreate);
    file.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    file.Flush();
}

void TStrings::BeginUpdate() {
    if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}
