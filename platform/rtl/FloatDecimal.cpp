#include "platform/rtl/FloatDecimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace {

// An unsigned integer big enough for m * 2^e or m * 5^-e of any 80-bit value (m < 2^64). It lives
// on the stack: formatting never allocates for its digits.
class TBigUInt {
public:
    explicit TBigUInt(uint64_t v) {
        FWords[0] = static_cast<uint32_t>(v);
        FWords[1] = static_cast<uint32_t>(v >> 32);
        FSize = FWords[1] ? 2 : 1;
    }

    bool FitsIn64() const { return FSize <= 2; }
    uint64_t Low64() const { return FWords[0] | (FSize > 1 ? uint64_t(FWords[1]) << 32 : 0); }
    bool IsZero() const { return FSize == 1 && FWords[0] == 0; }

    void MulSmall(uint32_t factor) {
        uint64_t carry = 0;
        for (int i = 0; i < FSize; ++i) {
            uint64_t p = uint64_t(FWords[i]) * factor + carry;
            FWords[i] = static_cast<uint32_t>(p);
            carry = p >> 32;
        }
        if (carry) FWords[FSize++] = static_cast<uint32_t>(carry);
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

    // Divides in place and returns the remainder.
    uint32_t DivSmall(uint32_t divisor) {
        uint64_t rem = 0;
        for (int i = FSize - 1; i >= 0; --i) {
            uint64_t cur = (rem << 32) | FWords[i];
            FWords[i] = static_cast<uint32_t>(cur / divisor);
            rem = cur % divisor;
        }
        while (FSize > 1 && FWords[FSize - 1] == 0) --FSize;
        return static_cast<uint32_t>(rem);
    }

private:
    // 5^16510 (the smallest subnormal's scale) times 2^64 needs about 38,400 bits.
    std::array<uint32_t, 1240> FWords{};
    int FSize = 1;
};

// Writes the decimal digits of n (no leading zeros) into out; returns how many.
int WriteDigits(uint64_t n, char* out) {
    char tmp[20];
    int len = 0;
    do {
        tmp[len++] = char('0' + n % 10);
        n /= 10;
    } while (n);
    for (int i = 0; i < len; ++i) out[i] = tmp[len - 1 - i];
    return len;
}

// The leading digits of a big integer: up to `want` of them into lead, and the total count.
int LeadingDigits(TBigUInt& n, char* lead, int want) {
    if (n.FitsIn64()) {
        char all[20];
        int len = WriteDigits(n.Low64(), all);
        std::copy_n(all, std::min(len, want), lead);
        return len;
    }
    // Split into base-10^9 chunks, lowest first, then read the top ones.
    static constexpr uint32_t kChunk = 1000000000u;
    static thread_local std::array<uint32_t, 1400> chunks;
    int count = 0;
    while (!n.FitsIn64()) chunks[count++] = n.DivSmall(kChunk);
    char top[20];
    int topLen = WriteDigits(n.Low64(), top);
    int total = topLen + 9 * count;
    int got = std::min(topLen, want);
    std::copy_n(top, got, lead);
    for (int c = count - 1; c >= 0 && got < want; --c) {
        uint32_t v = chunks[c];
        char nine[9];
        for (int k = 8; k >= 0; --k, v /= 10) nine[k] = char('0' + v % 10);
        int take = std::min(9, want - got);
        std::copy_n(nine, take, lead + got);
        got += take;
    }
    return total;
}

}  // namespace

TFloatDecimal FloatToDecimal(long double value) {
    TFloatDecimal rec;
    rec.Negative = std::signbit(value);
    if (value == 0 || !std::isfinite(value)) return rec;

    // |value| = m * 2^e with a 64-bit integer m.
    int e2 = 0;
    long double frac = std::frexp(std::fabs(value), &e2);
    uint64_t m = static_cast<uint64_t>(std::ldexp(frac, 64));
    int e = e2 - 64;
    int tz = std::countr_zero(m);
    m >>= tz;
    e += tz;

    // |value| = n * 10^scale, n an integer.
    TBigUInt n(m);
    int scale = 0;
    if (e >= 0) {
        n.ShiftLeft(e);
    } else {
        static constexpr uint32_t kFivePow13 = 1220703125u;
        int k = -e;
        for (; k >= 13; k -= 13) n.MulSmall(kFivePow13);
        uint32_t rest = 1;
        for (; k > 0; --k) rest *= 5;
        n.MulSmall(rest);
        scale = e;
    }

    // One guard digit past the kept ones decides the rounding, half away from zero.
    char lead[MaxFloatDigits + 1];
    int total = LeadingDigits(n, lead, MaxFloatDigits + 1);
    int have = std::min(total, MaxFloatDigits + 1);
    rec.Exponent = total + scale;
    rec.Count = std::min(have, MaxFloatDigits);
    std::copy_n(lead, rec.Count, rec.Digits);
    if (have > MaxFloatDigits && lead[MaxFloatDigits] >= '5') {
        // Round up with a carry; all nines become 1 with a higher exponent.
        int i = MaxFloatDigits - 1;
        while (i >= 0 && rec.Digits[i] == '9') rec.Digits[i--] = '0';
        if (i < 0) {
            rec.Digits[0] = '1';
            ++rec.Exponent;
        } else {
            ++rec.Digits[i];
        }
    }
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
