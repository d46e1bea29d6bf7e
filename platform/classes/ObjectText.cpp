#include "platform/classes/ObjectText.h"

#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/classes/ClassErrors.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Cp1252.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

namespace {

constexpr int kLineLength = 64;    // characters of a string per line
constexpr int kBytesPerLine = 32;  // bytes of a binary value per line

// ---- Float text: the shortest form that reads back to the same value ----
//
// Infinities and NaN are spelled INF, -INF and NAN (with the suffix of a single or a date, INFs,
// NANd...): the text reader takes these words as floats, so they are not identifiers of the text
// form. A value whose bits no text gives back (a NaN with a payload or a sign, an 80-bit encoding
// the processor does not produce itself) is refused by the binary-to-text conversion.

inline constexpr const char* SFloatNotText = "Floating point value cannot be written as text";
inline constexpr const char* SNotAnIdentifier = "'%s' is not a valid identifier";

// The decimal text as a float, correctly rounded, in the C locale whatever the program's. False
// for text that is not a number or out of the range of F; 80-bit subnormals read, although
// std::from_chars refuses them.
template <class F>
bool ParseAs(const std::string& text, F& out) {
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    if (p != text.data() + text.size()) return false;
    if (ec == std::errc()) return true;
    if constexpr (std::is_same_v<F, long double>) {
        if (ec != std::errc::result_out_of_range) return false;
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
        char* end = nullptr;
        const long double v = strtold_l(text.c_str(), &end, cLocale);
        if (end != text.c_str() + text.size() || v == 0 || !std::isfinite(v)) return false;
        out = v;
        return true;
    }
    return false;
}

template <class F>
std::string ShortestText(F v) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);  // shortest that reads back the same
    std::string s(buf, ec == std::errc() ? end : buf);
    // The runtime's exponent form: "1E-5", "1.5E20".
    std::string out;
    size_t e = s.find('e');
    if (e == std::string::npos) {
        out = s;
        if (out.find('.') == std::string::npos) out += ".0";  // stays a float when read back
    } else {
        out = s.substr(0, e) + "E" + std::to_string(std::atoi(s.c_str() + e + 1));
    }
    return out;
}

// The text of v, checked to read back to the very same bits (10 of a long double).
template <class F>
std::string FloatText(F v) {
    std::string text = ShortestText(v);
    constexpr size_t bits = std::is_same_v<F, long double> ? 10 : sizeof(F);
    F back{};
    if (!ParseAs(text, back) || std::memcmp(&back, &v, bits) != 0) throw EReadError(SFloatNotText);
    return text;
}

// INF or NAN with an optional suffix s or d: a float in the text form, not an identifier.
bool IsNonFiniteWord(std::string_view s) {
    if (s.size() < 3 || (s.substr(0, 3) != "INF" && s.substr(0, 3) != "NAN")) return false;
    return s.size() == 3 || (s.size() == 4 && (s[3] == 's' || s[3] == 'd'));
}

// What the text form reads as one symbol: a letter or underscore, then letters, digits,
// underscores and dots.
bool IsTextSymbol(std::string_view s) {
    auto letter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; };
    if (s.empty() || !letter(s[0])) return false;
    for (char c : s.substr(1))
        if (!letter(c) && !std::isdigit(static_cast<unsigned char>(c)) && c != '.') return false;
    return true;
}

std::string CurrencyText(int64_t tenThousandths) {
    uint64_t magnitude =
        tenThousandths < 0 ? 0 - uint64_t(tenThousandths) : uint64_t(tenThousandths);
    std::string text = (tenThousandths < 0 ? "-" : "") + std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(10000 + magnitude % 10000).substr(1);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) text += "." + fraction;
    return text;
}

// The plain decimal form of a currency ("-12.5", as CurrencyText writes it, up to four decimals)
// as ten-thousandths, exactly, over the whole range of the 64-bit count. False for any other form.
bool ParseCurrency(const std::string& text, int64_t& tenThousandths) {
    const bool negative = !text.empty() && text[0] == '-';
    const size_t dot = text.find('.');
    const std::string whole = text.substr(negative ? 1 : 0, dot - (negative ? 1 : 0));
    std::string fraction = dot == std::string::npos ? "" : text.substr(dot + 1);
    auto digits = [](const std::string& s) {
        return s.find_first_not_of("0123456789") == std::string::npos;
    };
    if (whole.empty() || !digits(whole) || !digits(fraction) || fraction.size() > 4) return false;
    fraction.resize(4, '0');
    uint64_t magnitude = 0;
    auto [p, ec] = std::from_chars(whole.data(), whole.data() + whole.size(), magnitude);
    if (ec != std::errc() || magnitude > (uint64_t(INT64_MAX) + 1) / 10000) return false;
    magnitude = magnitude * 10000 + uint64_t(std::stoi(fraction));
    if (magnitude > uint64_t(INT64_MAX) + (negative ? 1 : 0)) return false;
    tenThousandths = negative ? int64_t(0 - magnitude) : int64_t(magnitude);
    return true;
}

// ---- UTF-8 code points ----

// The code points of a string; text that is not valid UTF-8 cannot be written as #n codes.
std::vector<char32_t> CodePoints(const std::string& s) {
    std::vector<char32_t> cps;
    for (size_t i = 0; i < s.size();) {
        const char32_t cp = DecodeUtf8(s, i);
        if (cp >= kMalformedUtf8) throw EReadError("String is not valid UTF-8");
        cps.push_back(cp);
    }
    return cps;
}

bool IsValidUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();)
        if (DecodeUtf8(s, i) >= kMalformedUtf8) return false;
    return true;
}

// ---- Binary to text ----

class TBinaryToText {
public:
    TBinaryToText(TStream& input, TStream& output) : FReader(input), FIn(input), FOut(output) {}

    void Run() {
        try {
            FReader.ReadSignature();
            ConvertObject();
        } catch (Exception& e) {
            FReader.MarkFailure(e);
            throw;
        }
    }

private:
    void Write(const std::string& s) { FOut.WriteBuffer(s.data(), int64_t(s.size())); }
    void WriteIndent() { Write(std::string(size_t(FNesting) * 2, ' ')); }
    void NewLine() {
        Write("\r\n");
        WriteIndent();
    }

    void ConvertObject() {
        TNestingGuard nesting(FDepth);
        uint8_t flags = 0;
        int64_t position = 0;
        if ((uint8_t(FReader.NextValue()) & 0xF0) == 0xF0) {
            flags = uint8_t(FReader.ReadValue()) & 0x0F;
            if (flags & ffChildPos) position = FReader.ReadInteger();
        }
        std::string className = TextName(FReader.ReadStr());
        std::string name = FReader.ReadStr();
        if (!name.empty()) TextName(name);
        WriteIndent();
        Write((flags & ffInherited) ? "inherited " : (flags & ffInline) ? "inline " : "object ");
        if (!name.empty()) Write(name + ": ");
        Write(className);
        if (flags & ffChildPos) Write(" [" + std::to_string(position) + "]");
        Write("\r\n");
        ++FNesting;
        while (!FReader.EndOfList()) ConvertProperty();
        FReader.ReadListEnd();
        while (!FReader.EndOfList()) ConvertObject();
        FReader.ReadListEnd();
        --FNesting;
        WriteIndent();
        Write("end\r\n");
    }

    // A name as the text form reads it back: one symbol.
    static const std::string& TextName(const std::string& name) {
        if (!IsTextSymbol(name)) throw EReadError(FormatClassMessage(SNotAnIdentifier, {name}));
        return name;
    }

    void ConvertProperty() {
        // The words that end or start an object cannot name a property.
        std::string name = TextName(FReader.ReadStr());
        for (const char* word : {"end", "object", "inherited", "inline"})
            if (SameText(name, word))
                throw EReadError(FormatClassMessage(SNotAnIdentifier, {name}));
        WriteIndent();
        Write(name + " = ");
        ConvertValue();
        Write("\r\n");
    }

    void ConvertValue() {
        TNestingGuard nesting(FDepth);
        switch (FReader.NextValue()) {
            case vaList:
                FReader.ReadValue();
                Write("(");
                ++FNesting;
                while (!FReader.EndOfList()) {
                    NewLine();
                    ConvertValue();
                }
                FReader.ReadListEnd();
                --FNesting;
                Write(")");
                break;
            case vaInt8:
            case vaInt16:
            case vaInt32:
            case vaInt64:
                Write(std::to_string(FReader.ReadInteger()));
                break;
            case vaExtended:
                Write(FloatText(FReader.ReadFloat()));
                break;
            case vaSingle:
                Write(FloatText(float(FReader.ReadFloat())) + "s");
                break;
            case vaDate:
                Write(FloatText(double(FReader.ReadFloat())) + "d");
                break;
            case vaCurrency: {
                FReader.ReadValue();
                int64_t v;
                FIn.ReadBuffer(&v, 8);
                Write(CurrencyText(v) + "c");
                break;
            }
            case vaString:
            case vaLString:
            case vaWString:
            case vaUTF8String:
                WriteQuoted(FReader.ReadString());
                break;
            case vaIdent: {
                // An identifier the text form would read as something else has no text.
                std::string ident = TextName(FReader.ReadIdent());
                for (const char* word : {"False", "True", "nil", "Null"})
                    if (ident == word || IsNonFiniteWord(ident))
                        throw EReadError(FormatClassMessage(SNotAnIdentifier, {ident}));
                Write(ident);
                break;
            }
            case vaFalse:
            case vaTrue:
            case vaNil:
            case vaNull:
                Write(FReader.ReadIdent());
                break;
            case vaBinary:
                WriteBinary(FReader.ReadBinary());
                break;
            case vaSet: {
                FReader.ReadValue();
                Write("[");
                bool first = true;
                for (std::string s = FReader.ReadStr(); !s.empty(); s = FReader.ReadStr()) {
                    if (!first) Write(", ");
                    Write(TextName(s));
                    first = false;
                }
                Write("]");
                break;
            }
            case vaCollection:
                ConvertCollection();
                break;
            default:
                FReader.SkipValue();  // raises for an unknown tag
        }
    }

    void ConvertCollection() {
        FReader.ReadValue();
        Write("<");
        ++FNesting;
        while (!FReader.EndOfList()) {
            NewLine();
            Write("item");
            TValueType next = FReader.NextValue();
            if (next == vaInt8 || next == vaInt16 || next == vaInt32) {
                Write(" [");
                ConvertValue();
                Write("]");
            }
            Write("\r\n");
            FReader.ReadListBegin();
            ++FNesting;
            while (!FReader.EndOfList()) ConvertProperty();
            FReader.ReadListEnd();
            --FNesting;
            WriteIndent();
            Write("end");
        }
        FReader.ReadListEnd();
        --FNesting;
        Write(">");
    }

    void WriteBinary(const std::vector<uint8_t>& data) {
        static const char* hex = "0123456789ABCDEF";
        Write("{");
        ++FNesting;
        for (size_t i = 0; i < data.size(); i += kBytesPerLine) {
            NewLine();
            std::string line;
            for (size_t j = i; j < data.size() && j < i + kBytesPerLine; ++j) {
                line += hex[data[j] >> 4];
                line += hex[data[j] & 15];
            }
            Write(line);
        }
        --FNesting;
        Write("}");
    }

    // Quoted runs of printable ASCII, #n for any other character, " +" and a new line after
    // every 64 characters of a long string.
    void WriteQuoted(const std::string& text) {
        std::vector<char32_t> s = CodePoints(text);
        size_t n = s.size();
        if (n == 0) {
            Write("''");
            return;
        }
        auto plain = [](char32_t c) { return c >= ' ' && c < 0x7F && c != '\''; };
        ++FNesting;
        if (n > size_t(kLineLength)) NewLine();
        size_t i = 0, lineStart = 0;
        do {
            bool lineBreak = false;
            if (plain(s[i])) {
                size_t j = i;
                do ++i;
                while (i < n && plain(s[i]) && i - lineStart < size_t(kLineLength));
                if (i - lineStart >= size_t(kLineLength)) lineBreak = true;
                std::string run = "'";
                for (size_t k = j; k < i; ++k) run += char(s[k]);
                Write(run + "'");
            } else {
                Write("#" + std::to_string(uint32_t(s[i])));
                ++i;
                if (i - lineStart >= size_t(kLineLength)) lineBreak = true;
            }
            if (lineBreak && i < n) {
                Write(" +");
                NewLine();
                lineStart = i;
            }
        } while (i < n);
        --FNesting;
    }

    TReader FReader;
    TStream& FIn;
    TStream& FOut;
    int FNesting = 0;
    int FDepth = 0;
};

// ---- Text to binary ----

enum TTokenKind { tkEof, tkSymbol, tkString, tkInteger, tkFloat, tkChar };

struct TToken {
    TTokenKind kind = tkEof;
    std::string text;  // symbol, string value (UTF-8), number text, or the character
    char suffix = 0;   // of a float: 's', 'c', 'd' or none
    int line = 1;
};

class TTextToBinary {
public:
    TTextToBinary(std::string text, TStream& output) : FText(std::move(text)), FWriter(output) {}

    void Run() {
        FWriter.WriteSignature();
        Next();
        ConvertObject();
    }

private:
    [[noreturn]] void Error(const std::string& what) const { Error(what, FToken.line); }
    [[noreturn]] static void Error(const std::string& what, int line) {
        throw EParserError(what + " on line " + std::to_string(line));
    }
    bool IsSymbol(const char* s) const {
        return FToken.kind == tkSymbol && SameText(FToken.text, s);
    }
    bool IsChar(char c) const { return FToken.kind == tkChar && FToken.text[0] == c; }
    void ExpectChar(char c) {
        if (!IsChar(c)) Error(std::string("'") + c + "' expected");
        Next();
    }
    std::string ExpectSymbol() {
        if (FToken.kind != tkSymbol) Error("Identifier expected");
        std::string s = FToken.text;
        Next();
        return s;
    }

    void ConvertObject() {
        TNestingGuard nesting(FDepth);
        uint8_t flags = 0;
        if (IsSymbol("inherited"))
            flags = ffInherited;
        else if (IsSymbol("inline"))
            flags = ffInline;
        else if (!IsSymbol("object"))
            Error("Identifier expected");
        Next();
        int classLine = FToken.line;
        std::string name, className = ExpectSymbol();
        if (IsChar(':')) {
            Next();
            name = className;
            classLine = FToken.line;
            className = ExpectSymbol();
        }
        int64_t position = 0;
        if (IsChar('[')) {
            Next();
            if (FToken.kind != tkInteger) Error("Number expected");
            position = IntegerValue();
            Next();
            ExpectChar(']');
            flags |= ffChildPos;
        }
        if (flags) {
            FWriter.WriteValue(TValueType(0xF0 | flags));
            if (flags & ffChildPos) FWriter.WriteInteger(position);
        } else if (className.size() >= 0xF0) {
            // Without flags the class name's length byte comes first, and F0..FF there is the
            // mark of the flags: the binary form cannot hold such a name.
            Error("Class name too long", classLine);
        }
        FWriter.WriteStr(className);
        FWriter.WriteStr(name);
        while (!IsSymbol("end") && !IsSymbol("object") && !IsSymbol("inherited") &&
               !IsSymbol("inline")) {
            if (FToken.kind == tkEof) Error("Identifier expected");
            ConvertProperty();
        }
        FWriter.WriteListEnd();
        while (!IsSymbol("end")) {
            if (FToken.kind == tkEof) Error("Identifier expected");
            ConvertObject();
        }
        FWriter.WriteListEnd();
        Next();
    }

    void ConvertProperty() {
        // The words that start an object name none of its properties (in a collection item they
        // would read): the binary form's text could not give them back.
        for (const char* word : {"object", "inherited", "inline"})
            if (IsSymbol(word)) Error(FormatClassMessage(SNotAnIdentifier, {FToken.text}));
        FWriter.WriteStr(ExpectSymbol());
        ExpectChar('=');
        ConvertValue();
    }

    void ConvertValue() {
        TNestingGuard nesting(FDepth);
        switch (FToken.kind) {
            case tkString: {
                std::string s = FToken.text;
                Next();
                while (IsChar('+')) {
                    Next();
                    if (FToken.kind != tkString) Error("String expected");
                    s += FToken.text;
                    Next();
                }
                FWriter.WriteString(s);
                return;
            }
            case tkInteger:
                FWriter.WriteInteger(IntegerValue());
                Next();
                return;
            case tkFloat:
                WriteFloatToken();
                Next();
                return;
            case tkSymbol:
                FWriter.WriteIdent(FToken.text);
                Next();
                return;
            case tkChar:
                break;
            case tkEof:
                Error("Invalid property value");
        }
        switch (FToken.text[0]) {
            case '[': {
                Next();
                FWriter.WriteValue(vaSet);
                while (!IsChar(']')) {
                    FWriter.WriteStr(ExpectSymbol());
                    if (IsChar(','))
                        Next();
                    else if (!IsChar(']'))
                        Error("']' expected");
                }
                FWriter.WriteStr("");
                Next();
                return;
            }
            case '(':
                Next();
                FWriter.WriteListBegin();
                while (!IsChar(')')) {
                    if (FToken.kind == tkEof) Error("')' expected");
                    // Null is the end of a list in the binary form.
                    if (FToken.kind == tkSymbol && FToken.text == "Null")
                        Error("Null cannot be an element of a list");
                    ConvertValue();
                }
                FWriter.WriteListEnd();
                Next();
                return;
            case '{':
                ConvertBinary();
                return;
            case '<':
                ConvertCollection();
                return;
            default:
                Error("Invalid property value");
        }
    }

    void ConvertCollection() {
        Next();
        FWriter.WriteValue(vaCollection);
        while (!IsChar('>')) {
            if (!IsSymbol("item")) Error("'item' expected");
            Next();
            if (IsChar('[')) {
                Next();
                if (FToken.kind != tkInteger) Error("Number expected");
                // The binary form keeps an item's index in at most 32 bits.
                const int64_t index = IntegerValue();
                if (index < INT32_MIN || index > INT32_MAX) Error("Invalid collection index");
                FWriter.WriteInteger(index);
                Next();
                ExpectChar(']');
            }
            FWriter.WriteListBegin();
            while (!IsSymbol("end")) {
                if (FToken.kind == tkEof) Error("'end' expected");
                ConvertProperty();
            }
            FWriter.WriteListEnd();
            Next();
        }
        FWriter.WriteListEnd();
        Next();
    }

    // The hex digits up to '}', read straight from the text.
    void ConvertBinary() {
        std::vector<uint8_t> data;
        int high = -1;
        for (;; ++FPos) {
            if (FPos >= FText.size()) Error("'}' expected");
            char c = FText[FPos];
            if (c == '}') break;
            if (c == '\n') ++FLine;
            if (c == ' ' || c == '\r' || c == '\n' || c == '\t') continue;
            int v = (c >= '0' && c <= '9')   ? c - '0'
                    : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                    : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                             : -1;
            if (v < 0) Error("Invalid binary value");
            if (high < 0) {
                high = v;
            } else {
                data.push_back(uint8_t(high * 16 + v));
                high = -1;
            }
        }
        if (high >= 0) Error("Invalid binary value");
        ++FPos;
        FWriter.WriteBinary(data.data(), uint32_t(data.size()));
        Next();
    }

    int64_t IntegerValue() const {
        const std::string& t = FToken.text;
        bool negative = !t.empty() && t[0] == '-';
        size_t start = negative ? 1 : 0;
        int base = 10;
        if (start < t.size() && t[start] == '$') {
            base = 16;
            ++start;
        }
        uint64_t magnitude = 0;
        auto [p, ec] = std::from_chars(t.data() + start, t.data() + t.size(), magnitude, base);
        if (ec != std::errc() || p != t.data() + t.size() ||
            magnitude > uint64_t(INT64_MAX) + (negative ? 1 : 0))
            Error("Number expected");
        return negative ? int64_t(0 - magnitude) : int64_t(magnitude);
    }

    void WriteFloatToken() {
        const std::string& t = FToken.text;
        switch (FToken.suffix) {
            case 's': {
                float v;
                if (!ParseAs(t, v)) Error("Number expected");
                FWriter.WriteSingle(v);
                break;
            }
            case 'd': {
                double v;
                if (!ParseAs(t, v)) Error("Number expected");
                FWriter.WriteDate(v);
                break;
            }
            case 'c': {
                int64_t tenThousandths;
                if (ParseCurrency(t, tenThousandths)) {
                    FWriter.WriteCurrency(tenThousandths);
                    break;
                }
                long double v;
                if (!ParseAs(t, v) || std::fabs(v) > 9e14L) Error("Number expected");
                FWriter.WriteCurrency(Round(v * 10000));
                break;
            }
            default: {
                long double v;
                if (!ParseAs(t, v)) Error("Number expected");
                FWriter.WriteFloat(v);
            }
        }
    }

    // ---- Tokens ----

    void Next() {
        SkipBlanks();
        FToken = TToken{};
        FToken.line = FLine;
        if (FPos >= FText.size()) return;
        char c = FText[FPos];
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            size_t start = FPos;
            while (FPos < FText.size() && (std::isalnum(static_cast<unsigned char>(FText[FPos])) ||
                                           FText[FPos] == '_' || FText[FPos] == '.'))
                ++FPos;
            FToken.kind = tkSymbol;
            FToken.text = FText.substr(start, FPos - start);
            if (IsNonFiniteWord(FToken.text)) NonFiniteToken(FToken.text);
        } else if (c == '-' && IsNonFiniteAfterMinus()) {
            size_t start = ++FPos;
            while (FPos < FText.size() && std::isalpha(static_cast<unsigned char>(FText[FPos])))
                ++FPos;
            NonFiniteToken("-" + FText.substr(start, FPos - start));
        } else if (c == '\'' || c == '#') {
            ReadStringToken();
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '$' ||
                   (c == '-' && FPos + 1 < FText.size() &&
                    (std::isdigit(static_cast<unsigned char>(FText[FPos + 1])) ||
                     FText[FPos + 1] == '$'))) {
            ReadNumberToken();
        } else {
            FToken.kind = tkChar;
            FToken.text = std::string(1, c);
            ++FPos;
        }
    }

    // "-INF", "-INFs" or "-INFd" at the position (a minus sign).
    bool IsNonFiniteAfterMinus() const {
        size_t end = FPos + 1;
        while (end < FText.size() && std::isalpha(static_cast<unsigned char>(FText[end]))) ++end;
        std::string_view word(FText.data() + FPos + 1, end - FPos - 1);
        return word.substr(0, 3) == "INF" && IsNonFiniteWord(word);
    }

    // INF, -INF or NAN with its suffix, as a float token.
    void NonFiniteToken(const std::string& word) {
        FToken.kind = tkFloat;
        const char last = word.back();
        FToken.suffix = last == 's' || last == 'd' ? last : 0;
        FToken.text = FToken.suffix ? word.substr(0, word.size() - 1) : word;
    }

    void SkipBlanks() {
        while (FPos < FText.size()) {
            char c = FText[FPos];
            if (c == '\n') ++FLine;
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n') break;
            ++FPos;
        }
    }

    // Adjacent quoted runs ('' for a quote) and #n characters make one string.
    void ReadStringToken() {
        FToken.kind = tkString;
        while (FPos < FText.size()) {
            if (FText[FPos] == '\'') {
                ++FPos;
                std::string run;
                for (;;) {
                    if (FPos >= FText.size() || FText[FPos] == '\n') Error("Unterminated string");
                    if (FText[FPos] == '\'') {
                        if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
                            run += '\'';
                            FPos += 2;
                            continue;
                        }
                        ++FPos;
                        break;
                    }
                    run += FText[FPos++];
                }
                // Text in UTF-8 passes as it is; older text in the single-byte code page is
                // converted.
                FToken.text += IsValidUtf8(run) ? run : Cp1252ToUtf8(run);
            } else if (FText[FPos] == '#') {
                ++FPos;
                int base = 10;
                if (FPos < FText.size() && FText[FPos] == '$') {
                    base = 16;
                    ++FPos;
                }
                uint32_t cp = 0;
                auto [p, ec] =
                    std::from_chars(FText.data() + FPos, FText.data() + FText.size(), cp, base);
                if (ec != std::errc() || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
                    Error("Invalid character code");
                FPos = size_t(p - FText.data());
                AppendUtf8(FToken.text, cp);
            } else {
                break;
            }
        }
    }

    void ReadNumberToken() {
        size_t start = FPos;
        bool isFloat = false;
        if (FText[FPos] == '-') ++FPos;
        if (FPos < FText.size() && FText[FPos] == '$') {
            ++FPos;
            while (FPos < FText.size() && std::isxdigit(static_cast<unsigned char>(FText[FPos])))
                ++FPos;
        } else {
            while (FPos < FText.size()) {
                char c = FText[FPos];
                if (std::isdigit(static_cast<unsigned char>(c))) {
                    ++FPos;
                } else if (c == '.') {
                    isFloat = true;
                    ++FPos;
                } else if ((c == 'E' || c == 'e') && FPos + 1 < FText.size() &&
                           (std::isdigit(static_cast<unsigned char>(FText[FPos + 1])) ||
                            FText[FPos + 1] == '-' || FText[FPos + 1] == '+')) {
                    isFloat = true;
                    FPos += 2;
                } else {
                    break;
                }
            }
        }
        FToken.text = FText.substr(start, FPos - start);
        if (!FToken.text.empty() && FToken.text.back() == '+') Error("Number expected");
        FToken.kind = isFloat ? tkFloat : tkInteger;
        if (FPos < FText.size()) {
            char s = char(std::tolower(static_cast<unsigned char>(FText[FPos])));
            if (s == 's' || s == 'c' || s == 'd') {
                FToken.kind = tkFloat;
                FToken.suffix = s;
                ++FPos;
            }
        }
    }

    std::string FText;
    size_t FPos = 0;
    int FLine = 1;
    TToken FToken;
    TWriter FWriter;
    int FDepth = 0;
};

}  // namespace

void ObjectBinaryToText(TStream& input, TStream& output) { TBinaryToText(input, output).Run(); }

void ObjectTextToBinary(TStream& input, TStream& output) {
    int64_t size = input.Size() - input.Position();
    std::string text(size_t(size > 0 ? size : 0), '\0');
    if (!text.empty()) input.ReadBuffer(text.data(), int64_t(text.size()));
    TTextToBinary(std::move(text), output).Run();
}
