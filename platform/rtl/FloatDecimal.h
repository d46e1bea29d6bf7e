#pragma once
// The decimal digits of a floating-point value, the common ground of every float-to-text routine.
// A value is 0.d1d2...dn x 10^Exponent; digits are exact (taken from the binary value's full
// decimal expansion) and rounded half away from zero, never through a binary approximation.
#include <string>

// At most this many significant digits are ever kept: what an 80-bit value can tell apart.
inline constexpr int MaxFloatDigits = 18;

struct TFloatDecimal {
    bool Negative = false;  // the sign of the value (also for a value that rounds to zero)
    int Exponent = 0;       // value = 0.Digits x 10^Exponent; 0 when Count is 0
    int Count = 0;          // significant digits held, no trailing zeros; 0 for zero
    char Digits[MaxFloatDigits + 1] = {};  // '0'..'9'

    bool IsZero() const { return Count == 0; }
    // The digit at index i (0 = the most significant), '0' past the held digits.
    char DigitAt(int i) const { return i >= 0 && i < Count ? Digits[i] : '0'; }
};

// The digits of a finite value, rounded to MaxFloatDigits significant digits.
TFloatDecimal FloatToDecimal(long double value);

// Rounds rec half away from zero so that it keeps at most `significant` significant digits and no
// digit below 10^-decimals. A carry may raise the exponent (9.9996 -> 10.000); a value that
// rounds away entirely becomes zero (keeping its sign flag).
void RoundDecimal(TFloatDecimal& rec, int significant, int decimals);

// Appends an exponent: the letter, its sign (always with forceSign, else only when negative) and
// at least minDigits digits (always at least one).
void AppendExponentText(std::string& out, char letter, int exponent, bool forceSign, int minDigits);
