#include "platform/rtl/RtlMath.h"

#include <cmath>
#include <limits>

#include "platform/rtl/Exceptions.h"

namespace {
// 2^63 as a long double: the first value that no longer fits in int64.
constexpr long double kTwo63 = 9223372036854775808.0L;

int64_t ToInt64(long double r) {
    if (!(r >= -kTwo63 && r < kTwo63)) throw EInvalidOp("Invalid floating point operation");
    return static_cast<int64_t>(r);
}
}  // namespace

int64_t Round(long double x) { return ToInt64(std::nearbyintl(x)); }

int64_t Trunc(long double x) { return ToInt64(std::truncl(x)); }

int RoundToInt(double x) {
    if (std::isnan(x)) return 0;
    const double r = std::nearbyint(x);
    if (r >= RoundToIntLimit) return RoundToIntLimit;
    if (r <= -RoundToIntLimit) return -RoundToIntLimit;
    return static_cast<int>(r);
}

int64_t IntDiv(int64_t a, int64_t b) {
    if (b == 0) throw EDivByZero(SDivByZero);
    if (b == -1)
        return static_cast<int64_t>(0ULL - static_cast<uint64_t>(a));  // wraps like the CPU
    return a / b;
}

int64_t IntMod(int64_t a, int64_t b) {
    if (b == 0) throw EDivByZero(SDivByZero);
    if (b == -1) return 0;
    return a % b;
}

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0) return -1;
    const int64_t p = static_cast<int64_t>(a) * b;
    const int64_t q = p / c;
    const int64_t r = p % c;
    int64_t result = q;
    // Round the quotient half away from zero: compare twice the remainder with the divisor.
    const uint64_t twiceRem = 2 * static_cast<uint64_t>(r < 0 ? -r : r);
    const uint64_t absDiv = static_cast<uint64_t>(c < 0 ? -static_cast<int64_t>(c) : c);
    if (twiceRem >= absDiv) result += ((p < 0) != (c < 0)) ? -1 : 1;
    if (result > std::numeric_limits<int32_t>::max() ||
        result < std::numeric_limits<int32_t>::min())
        return -1;
    return static_cast<int32_t>(result);
}
