#pragma once
// exp(x) - 1 in double precision by our own arithmetic: no library call and no branch, so that
// a loop over it vectorises and every x86-64 processor gives the same bits. Accurate to about
// one ulp for x from -708 to 709 (beyond that the power of two it scales by is not a double).
#include <bit>
#include <cstdint>

inline double Expm1Kernel(double x) {
    constexpr double kInvLn2 = 1.44269504088896338700e+00;
    // ln 2 split so that k * kLn2Hi is exact for every k of the domain (kLn2Hi has 32 bits).
    constexpr double kLn2Hi = 6.93147180369123816490e-01;
    constexpr double kLn2Lo = 1.90821492927058770002e-10;
    // Adding 1.5 * 2^52 rounds to an integer and leaves it in the low bits of the sum.
    constexpr double kShifter = 0x1.8p52;
    const double t = x * kInvLn2 + kShifter;
    const double k = t - kShifter;
    // x = k ln 2 + r with |r| <= ln 2 / 2; r = x exactly when k = 0, which keeps small x exact.
    const double r = (x - k * kLn2Hi) - k * kLn2Lo;
    // expm1(r) = r + r^2 (1/2! + r/3! + ... + r^11/13!); the next term is below 0.1 ulp.
    double p = 1.0 / 6227020800.0;
    p = p * r + 1.0 / 479001600.0;
    p = p * r + 1.0 / 39916800.0;
    p = p * r + 1.0 / 3628800.0;
    p = p * r + 1.0 / 362880.0;
    p = p * r + 1.0 / 40320.0;
    p = p * r + 1.0 / 5040.0;
    p = p * r + 1.0 / 720.0;
    p = p * r + 1.0 / 120.0;
    p = p * r + 1.0 / 24.0;
    p = p * r + 1.0 / 6.0;
    p = p * r + 0.5;
    const double q = r + r * r * p;
    // 2^k from k's bits in the shifted sum: exponent field k + 1023.
    const double scale = std::bit_cast<double>((std::bit_cast<uint64_t>(t) + 1023u) << 52);
    // e^x - 1 = 2^k (q + 1) - 1 = 2^k q + (2^k - 1), the last exact while it matters.
    return scale * q + (scale - 1);
}

// out[j] = e[j] / expm1(c2 / (lambdaM[j] * T)) for j = 0..n-1: the radiance ratios of the
// wavelengths whose exponents stay in the kernel's domain. Compiled so that it vectorises.
void FastRadianceRatios(const double* lambdaM, const double* e, double c2, double T, int n,
                        double* out);
