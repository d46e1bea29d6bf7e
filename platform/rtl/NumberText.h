#pragma once
// Integers as text and text as numbers. The readers are strict: blanks around the text are
// ignored, everything else must be a number (no thousands separators, no trailing text).
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/rtl/FormatSettings.h"

std::string IntToStr(int64_t value);
// Upper-case hexadecimal with at least `digits` digits (zeros in front); a negative value is
// written as its 64-bit two's complement.
std::string IntToHex(int64_t value, int digits);

// Optional sign and decimal digits, in the range of a 32-bit integer. StrToInt raises
// EConvertError "'x' is not a valid integer value" (x as given).
int StrToInt(std::string_view s);
int StrToIntDef(std::string_view s, int defaultValue);
bool TryStrToInt(std::string_view s, int& value);

// Optional sign, digits with the decimal separator, optional exponent (e or E, optional sign,
// digits). StrToFloat raises EConvertError "'x' is not a valid floating point value".
long double StrToFloat(std::string_view s);
long double StrToFloat(std::string_view s, const TFormatSettings& settings);
long double StrToFloatDef(std::string_view s, long double defaultValue);
bool TryStrToFloat(std::string_view s, long double& value);
bool TryStrToFloat(std::string_view s, long double& value, const TFormatSettings& settings);
bool TryStrToFloat(std::string_view s, double& value);
