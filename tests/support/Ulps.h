#pragma once
// Comparison of extended reals that went through exp, log, expm1, log1p, atan2, sin or cos. Their
// last bits differ between processors (the library uses x87 instructions whose results differ
// between makers), so such values are compared within a few units in the last place, never bit
// for bit.
//   EXPECT_TRUE(WithinUlps(actual, expected, 8));
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

// The distance between neighbouring long doubles at the magnitude of x (the smallest subnormal
// step near 0).
inline long double UlpOf(long double x) {
    const long double a = std::fabs(x);
    if (!std::isfinite(a)) return std::numeric_limits<long double>::quiet_NaN();
    return std::nextafter(a, std::numeric_limits<long double>::infinity()) - a;
}

// Succeeds when actual and expected are at most `ulps` steps apart at the larger one's
// magnitude; equal infinities match, a NaN matches nothing.
inline ::testing::AssertionResult WithinUlps(long double actual, long double expected, int ulps) {
    if (actual == expected) return ::testing::AssertionSuccess();
    const long double step = UlpOf(std::fabs(actual) > std::fabs(expected) ? actual : expected);
    const long double distance = std::fabs(actual - expected) / step;
    if (distance <= ulps) return ::testing::AssertionSuccess();
    char text[160];
    std::snprintf(text, sizeof text, "%.21Lg is %.3Lg ulps from %.21Lg (allowed: %d)", actual,
                  distance, expected, ulps);
    return ::testing::AssertionFailure() << text;
}
