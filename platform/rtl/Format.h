#pragma once
// Format: a format string filled with arguments, as Format("%d of %d", {page, count}).
// Conversions: %[index:][-][width][.precision]type, width and precision may be '*' (taken from
// the next argument). Types: d (signed; precision pads with zeros), u (unsigned), x (upper-case
// hex), s (text or char; precision cuts), and for floating point g (general, precision 15 by
// default, exponent as short as it can be), e (exponent form, precision 15, three exponent
// digits), f and n (fixed and grouped, 2 decimals by default) and m (as n: the program shows no
// currency symbol); %% is a percent sign. A conversion that does
// not match its argument, or a missing argument, raises EConvertError
// "Format '<format>' invalid or incompatible with argument".
#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/rtl/FormatSettings.h"

// One argument of Format. Text arguments are referred to, not copied: a TVarRec lives only as
// long as the call it is built for.
struct TVarRec {
    enum TVarType { vtInt64, vtUInt64, vtExtended, vtString, vtChar };

    template <std::signed_integral T>
    requires(!std::same_as<T, char>) TVarRec(T v) : VType(vtInt64), VInt64(v) {}
    template <std::unsigned_integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>) TVarRec(T v)
        : VType(vtUInt64), VUInt64(v) {}
    TVarRec(bool) = delete;
    TVarRec(char c) : VType(vtChar), VChar(c) {}
    TVarRec(float v) : VType(vtExtended), VExtended(v) {}
    TVarRec(double v) : VType(vtExtended), VExtended(v) {}
    TVarRec(long double v) : VType(vtExtended), VExtended(v) {}
    TVarRec(const char* s) : VType(vtString), VString(s ? s : "") {}
    TVarRec(const std::string& s) : VType(vtString), VString(s) {}
    TVarRec(std::string_view s) : VType(vtString), VString(s) {}

    TVarType VType;
    union {
        int64_t VInt64;
        uint64_t VUInt64;
        long double VExtended;
        char VChar;
    };
    std::string_view VString;
};

std::string Format(std::string_view format, std::initializer_list<TVarRec> args);
std::string Format(std::string_view format, std::initializer_list<TVarRec> args,
                   const TFormatSettings& settings);
