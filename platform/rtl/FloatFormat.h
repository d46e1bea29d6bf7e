#pragma once
// Floating-point values as text: the general, exponent, fixed and number forms and the pattern
// formats ("#,##0.00;(#,##0.00);Zero") that value labels, reports and dialogs use. Every routine
// reads the separators from FormatSettings() unless it is given settings of its own (text files
// pass settings with a point whatever the user's locale).
#include <string>

#include "platform/rtl/FormatSettings.h"

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// value in the given form. precision is the number of significant digits (1..18);
// digits is the minimum number of exponent digits (0..4) for ffGeneral and ffExponent, or the
// number of decimals (0..18) for ffFixed, ffNumber and ffCurrency.
//  ffGeneral: the shortest text with at most `precision` significant digits; scientific when the
//             value needs more than `precision` integer digits or is below 0.0001 (1E-5, 1.5E20).
//  ffExponent: d.dddE+dddd with `precision` digits in all.
//  ffFixed: `digits` decimals; a value with more than `precision` integer digits is written in
//           the general form instead.
//  ffNumber: ffFixed with thousands separators. ffCurrency: as ffNumber (no currency symbol).
// NaN, +infinity and -infinity are written "NAN", "INF" and "-INF".
std::string FloatToStrF(long double value, TFloatFormat format, int precision, int digits);
std::string FloatToStrF(long double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings);

// FloatToStrF(value, ffGeneral, 15, 0).
std::string FloatToStr(long double value);
std::string FloatToStr(long double value, const TFormatSettings& settings);

// value under a pattern: '0' a digit always written, '#' a digit written when significant,
// '.' the decimal separator, ',' anywhere in the integer part asks for thousands separators,
// 'E+0' / 'E-0' / 'e+00' a scientific exponent (sign always / only when negative, at least as
// many digits as zeros), '...' and "..." literal text, any other character literal. Up to three
// sections separated by ';' serve positive, negative (written without a minus) and zero values;
// a value that rounds to zero under its section takes the zero section where there is one.
// Digits round half away from zero. An empty pattern gives FloatToStr(value).
std::string FormatFloat(const std::string& format, long double value);
std::string FormatFloat(const std::string& format, long double value,
                        const TFormatSettings& settings);
