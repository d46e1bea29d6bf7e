#pragma once
// Integer rounding and scaling with the runtime's rules.
#include <cstdint>

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4). Raises EInvalidOp when the value is not
// finite or does not fit in 64 bits.
int64_t Round(long double x);
// Toward zero. Same failures as Round.
int64_t Trunc(long double x);

// The limit at which RoundToInt saturates: 2^30, far beyond any surface, and low enough that a
// saturated coordinate plus an offset within a surface still fits an int.
inline constexpr int RoundToIntLimit = 1 << 30;

// Nearest integer, halves to even, for drawing: coordinates and sizes computed from a chart's
// values may be NaN or huge, and drawing must never fail or stop the program over them, so the
// result saturates at +-RoundToIntLimit and NaN gives 0 (the shape is then drawn wrongly or off
// the surface, and nothing else happens).
int RoundToInt(double x);

// Integer division and remainder, truncating toward zero (the remainder takes the dividend's
// sign). Raise EDivByZero when the divisor is 0.
int64_t IntDiv(int64_t a, int64_t b);
int64_t IntMod(int64_t a, int64_t b);

// a * b / c in 64 bits, rounded to nearest with halves away from zero; -1 when c is 0 or the
// result does not fit in 32 bits.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

// -1, 0 or 1.
template <typename T>
constexpr int Sign(T x) {
    return (x > T(0)) - (x < T(0));
}
