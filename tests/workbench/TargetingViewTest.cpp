// The targeting view's ranges for each kind of viewing condition and its chart titles.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/rtl/FormatSettings.h"
#include "workbench/TargetingView.h"

namespace {

// A cavity 4 long and 2 across (radius 1), whose last node lies at Z 4.
const TProfileBounds Cavity{0, 4, -1, 1, 4, 2};

TEST(TargetingView, RangesPerKind) {
    struct TCase {
        int kind;
        std::array<double, 4> params;
        TTargetingRanges want;
    } cases[] = {
        // Normal and Local Hemispherical: 10 % of the length beyond the end.
        {0, {0, 0.5}, {0, 4.4, -1, 1, -1, 1}},
        {4, {0.5, 2, 1, 2}, {0, 4.4, -1, 1, -1, 1}},
        // Directional ZB 5, RB 2, b 60 degrees: the beam's disk is cos(60°) x 2 = 1 high and
        // reaches Z 3..7.
        {1, {5, 2, 60}, {0, 7, -1, 1, -1, 1}},
        {1, {5, 3, 0}, {0, 8, -3, 3, -1, 1}},
        // Right Conical: the cavity.
        {2, {0, 5, 30}, {0, 4, -1, 1, -1, 1}},
        // Integrated YD 0.5, RD 2, H 3: the detector at Z 4 + 3, from -1.5 to 2.5.
        {3, {0.5, 2, 3}, {0, 7, -1.5, 2.5, -1, 1}},
    };
    for (const TCase& c : cases) {
        const TTargetingRanges r = TargetingRanges(c.kind, c.params, Cavity, 4);
        SCOPED_TRACE(c.kind);
        EXPECT_NEAR(r.ZMin, c.want.ZMin, 1e-12);
        EXPECT_NEAR(r.ZMax, c.want.ZMax, 1e-12);
        EXPECT_NEAR(r.YZMin, c.want.YZMin, 1e-12);
        EXPECT_NEAR(r.YZMax, c.want.YZMax, 1e-12);
        EXPECT_EQ(r.XZMin, -1);
        EXPECT_EQ(r.XZMax, 1);
    }
    // A flat profile (a disk) reaches 10 % of its height beyond it.
    const TTargetingRanges flat = TargetingRanges(0, {}, {2, 2, -1, 1, 0, 2}, 2);
    EXPECT_NEAR(flat.ZMax, 2.2, 1e-12);
    // The bounds each projection is scaled by.
    const TProfileBounds yz = TargetingRanges(3, {0.5, 2, 3}, Cavity, 4).YZBounds();
    EXPECT_DOUBLE_EQ(yz.YRange, 4);
    EXPECT_DOUBLE_EQ(yz.ZRange, 7);
}

TEST(TargetingView, Titles) {
    const TFormatSettingsGuard pinned{TFormatSettings{}};
    EXPECT_EQ(TargetingTitle("Tube", 1, {1, 0.25, 30}),
              (std::array<std::string, 2>{"Tube: Directional Effective Emissivity",
                                          "ZB = 1.0; RB = 0.25; b (\u00B0) = 30.0"}));
    EXPECT_EQ(TargetingTitle("Tube", 4, {0.5, 2.5, 1.125, 3}),
              (std::array<std::string, 2>{"Tube: Local Hemispherical Effective Emissivity",
                                          "Xi = 0.5;  X = 0.0; Y = 1.125; Z = 2.5; Surface # 3"}));
}

}  // namespace
