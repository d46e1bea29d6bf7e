#include "platform/rtl/Format.h"

#include <cctype>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"

namespace {

// Reads a format string one conversion at a time; every fault of the format or its arguments
// ends in the one conversion error, never in a read past the arguments.
class TFormatter {
public:
    TFormatter(std::string_view format, std::initializer_list<TVarRec> args,
               const TFormatSettings& settings)
        : FFormat(format), FArgs(args), FSettings(settings) {}

    std::string Run() {
        std::string out;
        out.reserve(FFormat.size() + 16);
        while (FPos < FFormat.size()) {
            const char c = FFormat[FPos++];
            if (c != '%') {
                out += c;
                continue;
            }
            if (Peek() == '%') {
                ++FPos;
                out += '%';
                continue;
            }
            Conversion(out);
        }
        return out;
    }

private:
    [[noreturn]] void Fail() const {
        throw EConvertError("Format '" + std::string(FFormat) +
                            "' invalid or incompatible with argument");
    }

    char Peek() const { return FPos < FFormat.size() ? FFormat[FPos] : '\0'; }

    const TVarRec& NextArg() {
        if (FArgIndex >= FArgs.size()) Fail();
        return FArgs.begin()[FArgIndex++];
    }

    // A count written as digits or taken from an integer argument with '*'; -1 when absent.
    long Count() {
        if (Peek() == '*') {
            ++FPos;
            const TVarRec& a = NextArg();
            if (a.VType == TVarRec::vtInt64)
                return a.VInt64 < 0 ? 0 : long(std::min<int64_t>(a.VInt64, 1 << 20));
            if (a.VType == TVarRec::vtUInt64) return long(std::min<uint64_t>(a.VUInt64, 1 << 20));
            Fail();
        }
        if (!std::isdigit(static_cast<unsigned char>(Peek()))) return -1;
        long v = 0;
        while (std::isdigit(static_cast<unsigned char>(Peek()))) {
            if (v < (1 << 20)) v = v * 10 + (FFormat[FPos] - '0');
            ++FPos;
        }
        return v;
    }

    void Conversion(std::string& out) {
        long width = Count();
        if (Peek() == ':') {  // that number was an argument index
            ++FPos;
            FArgIndex = width < 0 ? 0 : size_t(width);
            width = -1;
        }
        bool left = false;
        if (width < 0 && Peek() == '-') {
            left = true;
            ++FPos;
        }
        if (width < 0) width = Count();
        long precision = -1;
        if (Peek() == '.') {
            ++FPos;
            precision = Count();
            if (precision < 0) precision = 0;
        }
        if (FPos >= FFormat.size()) Fail();
        const char type =
            static_cast<char>(std::tolower(static_cast<unsigned char>(FFormat[FPos++])));
        std::string text = Convert(type, NextArg(), precision);
        if (width > long(text.size())) {
            std::string pad(width - text.size(), ' ');
            text = left ? text + pad : pad + text;
        }
        out += text;
    }

    std::string Convert(char type, const TVarRec& a, long precision) {
        const bool isInt = a.VType == TVarRec::vtInt64 || a.VType == TVarRec::vtUInt64;
        switch (type) {
            case 'd':
            case 'u':
            case 'x': {
                if (!isInt) Fail();
                const bool negative = type == 'd' && a.VType == TVarRec::vtInt64 && a.VInt64 < 0;
                const uint64_t bits = a.VType == TVarRec::vtInt64 ? uint64_t(a.VInt64) : a.VUInt64;
                const uint64_t magnitude = negative ? 0 - bits : bits;
                std::string digits =
                    type == 'x' ? IntToHex(int64_t(magnitude), 0) : std::to_string(magnitude);
                if (precision > long(digits.size()))
                    digits.insert(0, precision - digits.size(), '0');
                return negative ? "-" + digits : digits;
            }
            case 's':
                if (a.VType == TVarRec::vtChar) return std::string(1, a.VChar);
                if (a.VType != TVarRec::vtString) Fail();
                return std::string(precision >= 0 && size_t(precision) < a.VString.size()
                                       ? a.VString.substr(0, precision)
                                       : a.VString);
            case 'e':
            case 'f':
            case 'g':
            case 'n':
            case 'm': {
                if (a.VType != TVarRec::vtExtended) Fail();
                const int p = int(precision);
                switch (type) {
                    case 'e':
                        return FloatToStrF(a.VExtended, ffExponent, p < 0 ? 15 : p, 3, FSettings);
                    case 'g':
                        return FloatToStrF(a.VExtended, ffGeneral, p < 0 ? 15 : p, 0, FSettings);
                    case 'f':
                        return FloatToStrF(a.VExtended, ffFixed, 18, p < 0 ? 2 : p, FSettings);
                    default:
                        return FloatToStrF(a.VExtended, ffNumber, 18, p < 0 ? 2 : p, FSettings);
                }
            }
            default:
                Fail();
        }
    }

    std::string_view FFormat;
    std::initializer_list<TVarRec> FArgs;
    const TFormatSettings& FSettings;
    size_t FPos = 0;
    size_t FArgIndex = 0;
};

}  // namespace

std::string Format(std::string_view format, std::initializer_list<TVarRec> args,
                   const TFormatSettings& settings) {
    return TFormatter(format, args, settings).Run();
}

std::string Format(std::string_view format, std::initializer_list<TVarRec> args) {
    return Format(format, args, FormatSettings());
}
