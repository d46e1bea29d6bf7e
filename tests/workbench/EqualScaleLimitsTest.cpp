// Equal scales on both axes: the profile's own extent in one direction, widened in the other so
// that a unit spans as many pixels horizontally as vertically (apart from the 2 % margins).
#include <gtest/gtest.h>

#include "workbench/EqualScaleLimits.h"

namespace {

TProfileBounds Profile(double zMin, double zMax, double yMax) {
    return {zMin, zMax, -yMax, yMax, zMax - zMin, 2 * yMax};
}

TEST(EqualScaleLimits, WideAndNarrowProfiles) {
    const struct {
        const char* what;
        TProfileBounds bounds;
        int width, height;
        TAxisLimits z, y;
    } cases[] = {
        // 10 long, radius 1 in 400 x 200: Z fills the width, Y is widened by k = 2.5.
        {"wide", Profile(0, 10, 1), 400, 200, {-0.2, 10.2}, {-2.54, 2.54}},
        // 1 long, radius 10: Y fills the height, Z runs on from its start for 400 pixels.
        {"narrow", Profile(5, 6, 10), 400, 200, {4.98, 45}, {-10.4, 10.4}},
        // Exactly as wide as the plot at the vertical scale: the wide rule, k = 1.
        {"square", Profile(0, 4, 1), 400, 200, {-0.08, 4.08}, {-1.04, 1.04}},
    };
    for (const auto& c : cases) {
        const auto limits = EqualScaleLimits(c.bounds, c.width, c.height);
        ASSERT_TRUE(limits) << c.what;
        EXPECT_NEAR(limits->Horizontal.Min, c.z.Min, 1e-12) << c.what;
        EXPECT_NEAR(limits->Horizontal.Max, c.z.Max, 1e-12) << c.what;
        EXPECT_NEAR(limits->Vertical.Min, c.y.Min, 1e-12) << c.what;
        EXPECT_NEAR(limits->Vertical.Max, c.y.Max, 1e-12) << c.what;
        // Without the margins a unit spans the same pixels on both axes.
        const double mZ = 0.02 * c.bounds.ZRange, mY = 0.02 * c.bounds.YRange;
        const double zSpan = limits->Horizontal.Max - limits->Horizontal.Min;
        const double ySpan = limits->Vertical.Max - limits->Vertical.Min;
        if (c.bounds.ZRange / (c.bounds.YRange / c.height) < c.width)
            EXPECT_NEAR((zSpan - mZ) / c.width, (ySpan - 2 * mY) / c.height, 1e-12) << c.what;
        else
            EXPECT_NEAR((zSpan - 2 * mZ) / c.width, (ySpan - 2 * mY) / c.height, 1e-12) << c.what;
    }
}

TEST(EqualScaleLimits, NoAreaOrNoHeightGivesNone) {
    EXPECT_FALSE(EqualScaleLimits(Profile(0, 10, 1), 0, 200));
    EXPECT_FALSE(EqualScaleLimits(Profile(0, 10, 1), 400, 0));
    EXPECT_FALSE(EqualScaleLimits(Profile(0, 10, 0), 400, 200));
}

}  // namespace
