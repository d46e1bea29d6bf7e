#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <vector>

#include "engine/Expm1Kernel.h"

namespace {

// Relative error of the kernel against the extended library value, in double ulps.
double UlpError(double x) {
    const long double exact = expm1l(static_cast<long double>(x));
    return static_cast<double>(std::fabs((Expm1Kernel(x) - exact) / exact) / DBL_EPSILON);
}

TEST(Expm1Kernel, WithinTwoUlpsOverItsDomain) {
    std::vector<double> xs;
    // Magnitudes from the smallest normal up, both signs, and every reduction interval's ends.
    for (double m = 1e-300; m < 709; m *= 1.013) {
        xs.push_back(m);
        if (m <= 708) xs.push_back(-m);
    }
    for (int k = -1021; k <= 1023; ++k) {
        const double edge = (k + 0.5) * 0.69314718055994530942;
        for (double x : {std::nextafter(edge, -1e9), edge, std::nextafter(edge, 1e9)})
            if (x >= -708 && x <= 709) xs.push_back(x);
    }
    double worst = 0, worstX = 0;
    for (double x : xs) {
        const double e = UlpError(x);
        if (e > worst) worst = e, worstX = x;
    }
    EXPECT_LE(worst, 2.0) << "at x = " << worstX;
}

TEST(Expm1Kernel, ExactWhereTheResultIsTheArgument) {
    EXPECT_EQ(Expm1Kernel(0), 0);
    EXPECT_EQ(Expm1Kernel(1e-300), 1e-300);
    EXPECT_EQ(Expm1Kernel(-1e-300), -1e-300);
    EXPECT_EQ(Expm1Kernel(-708), -1);
}

// The vectorised loop computes what the scalar kernel does, lane by lane.
TEST(Expm1Kernel, RatioLoopMatchesTheKernel) {
    const double lambdaM[] = {1e-8, 5e-7, 1e-5, 1e-3, 2e-6, 3e-6, 7e-7};
    double e[7], out[7];
    for (int j = 0; j < 7; ++j) e[j] = Expm1Kernel(0.014387752 / (lambdaM[j] * 3000));
    FastRadianceRatios(lambdaM, e, 0.014387752, 2500, 7, out);
    for (int j = 0; j < 7; ++j)
        EXPECT_EQ(out[j], e[j] / Expm1Kernel(0.014387752 / (lambdaM[j] * 2500))) << j;
    FastRadianceRatios(lambdaM, e, 0.014387752, 3000, 7, out);
    for (int j = 0; j < 7; ++j) EXPECT_EQ(out[j], 1) << j;
}

}  // namespace
