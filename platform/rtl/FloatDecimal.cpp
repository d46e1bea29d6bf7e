#include "platform/rtl/FloatDecimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// An unsigned integer big enough for m * 5^k or m * 2^k with the scales of any 80-bit value
// (m < 2^64). It lives on the stack: formatting never allocates for its digits. Words at FSize and
// above are never read, so the array is left uninitialised.
class TBigUInt {
public:
    explicit TBigUInt(uint64_t v) {
        FWords[0] = static_cast<uint32_t>(v);
        FWords[1] = static_cast<uint32_t>(v >> 32);
        FSize = FWords[1] ? 2 : 1;
    }

    // The value when it is below 2^128 (the callers make sure it is).
    unsigned __int128 Low128() const {
        unsigned __int128 v = 0;
        for (int i = std::min(FSize, 4) - 1; i >= 0; --i) v = (v << 32) | FWords[i];
        return v;
    }

    void MulPow5(int k) {
        for (; k >= 13; k -= 13) MulSmall(kFivePow13);
        MulSmall(SmallPow5(k));
    }

    // Floor division by 5^k (floor of floors is the floor of the whole quotient).
    void DivPow5(int k) {
        for (; k >= 13; k -= 13) DivSmall(kFivePow13);
        DivSmall(SmallPow5(k));
    }

    // Multiplies by 2^bits, or floor-divides by 2^-bits when bits is negative.
    void Shift(int bits) {
        if (bits > 0) ShiftLeft(bits);
        if (bits < 0) ShiftRight(-bits);
    }

private:
    static constexpr uint32_t kFivePow13 = 1220703125u;

    static uint32_t SmallPow5(int k) {
        uint32_t p = 1;
        while (k-- > 0) p *= 5;
        return p;
    }

    void MulSmall(uint32_t factor) {
        uint64_t carry = 0;
        for (int i = 0; i < FSize; ++i) {
            uint64_t p = uint64_t(FWords[i]) * factor + carry;
            FWords[i] = static_cast<uint32_t>(p);
            carry = p >> 32;
        }
        if (carry) FWords[FSize++] = static_cast<uint32_t>(carry);
    }

    void DivSmall(uint32_t divisor) {
        uint64_t rem = 0;
        for (int i = FSize - 1; i >= 0; --i) {
            uint64_t cur = (rem << 32) | FWords[i];
            FWords[i] = static_cast<uint32_t>(cur / divisor);
            rem = cur % divisor;
        }
        Trim();
    }

    void ShiftLeft(int bits) {
        const int words = bits / 32, rest = bits % 32;
        if (rest) {
            uint32_t carry = 0;
            for (int i = 0; i < FSize; ++i) {
                uint32_t w = FWords[i];
                FWords[i] = (w << rest) | carry;
                carry = w >> (32 - rest);
            }
            if (carry) FWords[FSize++] = carry;
        }
        if (words) {
            std::copy_backward(FWords.begin(), FWords.begin() + FSize,
                               FWords.begin() + FSize + words);
            std::fill(FWords.begin(), FWords.begin() + words, 0u);
            FSize += words;
        }
    }

    void ShiftRight(int bits) {
        const int words = bits / 32, rest = bits % 32;
        if (words >= FSize) {
            FWords[0] = 0;
            FSize = 1;
            return;
        }
        std::copy(FWords.begin() + words, FWords.begin() + FSize, FWords.begin());
        FSize -= words;
        if (rest) {
            for (int i = 0; i < FSize; ++i) {
                uint32_t next = i + 1 < FSize ? FWords[i + 1] : 0;
                FWords[i] = (FWords[i] >> rest) | (next << (32 - rest));
            }
        }
        Trim();
    }

    void Trim() {
        while (FSize > 1 && FWords[FSize - 1] == 0) --FSize;
    }

    // The largest value held: 2^64 * 5^4971 (about 11,610 bits) for the smallest subnormal, or
    // the 16,384 bits of the largest finite value.
    std::array<uint32_t, 560> FWords;
    int FSize = 1;
};

}  // namespace

TFloatDecimal FloatToDecimal(long double value) {
    TFloatDecimal rec;
    rec.Negative = std::signbit(value);
    if (value == 0 || !std::isfinite(value)) return rec;

    // |value| = m * 2^e with a 64-bit integer m, and 2^(e2-1) <= |value| < 2^e2.
    int e2 = 0;
    long double frac = std::frexp(std::fabs(value), &e2);
    uint64_t m = static_cast<uint64_t>(std::ldexp(frac, 64));
    int e = e2 - 64;
    const int tz = std::countr_zero(m);
    m >>= tz;
    e += tz;

    // 10^(hi-2) <= |value| < 10^hi, so d = floor(|value| * 10^(20-hi)) has 19 or 20 digits. Only
    // those leading digits are computed exactly; the rest of the expansion is never needed,
    // since rounding half away from zero looks at one guard digit alone.
    const int hi = static_cast<int>(std::floor(e2 * 0.30102999566398119521L)) + 1;
    const int p = 20 - hi;
    TBigUInt n(m);
    if (p >= 0) {
        n.MulPow5(p);
        n.Shift(e + p);
    } else if (e + p >= 0) {
        n.Shift(e + p);
        n.DivPow5(-p);
    } else {
        n.DivPow5(-p);
        n.Shift(e + p);
    }
    unsigned __int128 d = n.Low128();
    constexpr uint64_t kE18 = 1000000000000000000ull;
    const unsigned __int128 kE19 = (unsigned __int128)kE18 * 10;
    rec.Exponent = hi;
    if (d >= kE19)
        d /= 10;
    else
        --rec.Exponent;

    // d holds 19 digits: 18 kept and the guard digit.
    uint64_t kept = static_cast<uint64_t>(d / 10);
    if (d % 10 >= 5 && ++kept == kE18) {
        kept /= 10;
        ++rec.Exponent;
    }
    for (int i = MaxFloatDigits - 1; i >= 0; --i, kept /= 10) rec.Digits[i] = char('0' + kept % 10);
    rec.Count = MaxFloatDigits;
    while (rec.Count > 0 && rec.Digits[rec.Count - 1] == '0') --rec.Count;
    return rec;
}

void RoundDecimal(TFloatDecimal& rec, int significant, int decimals) {
    if (rec.IsZero()) return;
    // Digits kept: no more than `significant`, and none below 10^-decimals.
    long long keep = std::min<long long>(significant, (long long)rec.Exponent + decimals);
    if (keep >= rec.Count) return;
    if (keep < 0) {
        rec.Count = 0;
        rec.Exponent = 0;
        return;
    }
    const bool up = rec.Digits[keep] >= '5';
    rec.Count = static_cast<int>(keep);
    if (up) {
        int i = rec.Count - 1;
        while (i >= 0 && rec.Digits[i] == '9') --i;
        if (i < 0) {
            // 0.999.. (or nothing kept) carries into a new leading digit.
            rec.Digits[0] = '1';
            rec.Count = 1;
            ++rec.Exponent;
            return;
        }
        ++rec.Digits[i];
        rec.Count = i + 1;
    }
    while (rec.Count > 0 && rec.Digits[rec.Count - 1] == '0') --rec.Count;
    if (rec.Count == 0) rec.Exponent = 0;
}

void AppendExponentText(std::string& out, char letter, int exponent, bool forceSign,
                        int minDigits) {
    out += letter;
    if (exponent < 0)
        out += '-';
    else if (forceSign)
        out += '+';
    const std::string digits = std::to_string(std::abs(exponent));
    if ((int)digits.size() < minDigits) out.append(minDigits - digits.size(), '0');
    out += digits;
}
