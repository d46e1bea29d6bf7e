#include "platform/classes/ObjectText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
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

template <class F>
bool ParseAs(const std::string& text, F& out) {
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && p == text.data() + text.size();
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

std::string CurrencyText(int64_t tenThousandths) {
    uint64_t magnitude =
        tenThousandths < 0 ? 0 - uint64_t(tenThousandths) : uint64_t(tenThousandths);
    std::string text = (tenThousandths < 0 ? "-" : "") + std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(10000 + magnitude % 10000).substr(1);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) text += "." + fraction;
    return text;
}

// ---- UTF-8 code points ----

std::vector<uint32_t> CodePoints(const std::string& s) {
    std::vector<uint32_t> cps;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        uint32_t cp = extra == 0   ? c
                      : extra == 1 ? (c & 0x1F)
                      : extra == 2 ? (c & 0x0F)
                                   : (c & 0x07);
        size_t j = 1;
        for (; j <= size_t(extra) && i + j < s.size(); ++j)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + j]) & 0x3F);
        cps.push_back(cp);
        i += j;
    }
    return cps;
}

bool IsValidUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        size_t extra;
        if (c < 0x80)
            extra = 0;
        else if (c >= 0xC2 && c < 0xE0)
            extra = 1;
        else if (c >= 0xE0 && c < 0xF0)
            extra = 2;
        else if (c >= 0xF0 && c < 0xF5)
            extra = 3;
        else
            return false;
        if (i + extra >= s.size() && extra > 0) return false;
        for (size_t j = 1; j <= extra; ++j)
            if ((static_cast<unsigned char>(s[i + j]) & 0xC0) != 0x80) return false;
        i += extra + 1;
    }
    return true;
}

// ---- Binary to text ----

class TBinaryToText {
public:
    TBinaryToText(TStream& input, TStream& output) : FReader(input), FIn(input), FOut(output) {}

    void Run() {
        FReader.ReadSignature();
        ConvertObject();
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
        std::string className = FReader.ReadStr();
        std::string name = FReader.ReadStr();
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

    void ConvertProperty() {
        WriteIndent();
        Write(FReader.ReadStr() + " = ");
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
                Write(ShortestText(FReader.ReadFloat()));
                break;
            case vaSingle:
                Write(ShortestText(float(FReader.ReadFloat())) + "s");
                break;
            case vaDate:
                Write(ShortestText(double(FReader.ReadFloat())) + "d");
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
            case vaIdent:
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
                    Write(s);
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
        std::vector<uint32_t> s = CodePoints(text);
        size_t n = s.size();
        if (n == 0) {
            Write("''");
            return;
        }
        auto plain = [](uint32_t c) { return c >= ' ' && c < 0x7F && c != '\''; };
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
                Write("#" + std::to_string(s[i]));
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
    [[noreturn]] void Error(const std::string& what) const {
        throw EParserError(what + " on line " + std::to_string(FToken.line));
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
        std::string name, className = ExpectSymbol();
        if (IsChar(':')) {
            Next();
            name = className;
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
                FWriter.WriteInteger(IntegerValue());
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
                if (ec != std::errc() || cp > 0x10FFFF) Error("Invalid character code");
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
