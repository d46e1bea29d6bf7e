#include <gtest/gtest.h>

#include "chart/foundation/TeeShadow.h"
#include "tests/support/StoredProperty.h"

namespace {

TEST(TeeShadowTest, DefaultsFollowTheOwnersKind) {
    TTeeShadow shadow;
    EXPECT_EQ(shadow.Color(), clSilver);
    EXPECT_TRUE(shadow.Visible());
    EXPECT_TRUE(shadow.Smooth());
    for (const char* name : {"Clip", "Color", "HorizSize", "VertSize", "Smooth", "SmoothBlur",
                             "Transparency", "Visible"})
        EXPECT_FALSE(Writes(shadow, name)) << name;

    shadow.SetDefaults(clBlack, 3);
    EXPECT_EQ(shadow.Color(), clBlack);
    EXPECT_EQ(shadow.HorizSize(), 3);
    EXPECT_EQ(shadow.VertSize(), 3);
    EXPECT_FALSE(Writes(shadow, "Color"));
    EXPECT_FALSE(Writes(shadow, "HorizSize"));
    shadow.SetVertSize(0);  // the ordinary default is no longer this shadow's default
    EXPECT_TRUE(Writes(shadow, "VertSize"));
    shadow.SetVisible(false);
    EXPECT_TRUE(Writes(shadow, "Visible"));
}

TEST(TeeShadowTest, CommonSizeAndTransparency) {
    int changes = 0;
    TTeeShadow shadow([&](TObject* sender) {
        EXPECT_NE(sender, nullptr);
        ++changes;
    });
    shadow.SetHorizSize(-6);
    shadow.SetVertSize(2);
    EXPECT_EQ(shadow.GetCommonSize(), 6);
    changes = 0;
    shadow.SetCommonSize(4);
    EXPECT_EQ(shadow.HorizSize(), 4);
    EXPECT_EQ(shadow.VertSize(), 4);
    EXPECT_EQ(changes, 2);
    shadow.SetCommonSize(4);
    EXPECT_EQ(changes, 2);

    // Transparency is a percentage: blending with more than 100 % would make a negative opacity.
    struct Case {
        int set, read;
    } cases[] = {{40, 40}, {100, 100}, {150, 100}, {-5, 0}};
    for (const Case& c : cases) {
        shadow.SetTransparency(c.set);
        EXPECT_EQ(shadow.Transparency(), c.read) << c.set;
    }
}

TEST(TeeShadowTest, AssignLeavesClip) {
    TTeeShadow source;
    source.SetClip(true);
    source.SetColor(clRed);
    source.SetHorizSize(5);
    source.SetVertSize(-2);
    source.SetSmooth(false);
    source.SetSmoothBlur(7);
    source.SetTransparency(30);
    source.SetVisible(false);
    int changes = 0;
    TTeeShadow dest([&](TObject*) { ++changes; });
    dest.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(dest.Clip());
    EXPECT_EQ(dest.Color(), clRed);
    EXPECT_EQ(dest.HorizSize(), 5);
    EXPECT_EQ(dest.VertSize(), -2);
    EXPECT_FALSE(dest.Smooth());
    EXPECT_EQ(dest.SmoothBlur(), 7);
    EXPECT_EQ(dest.Transparency(), 30);
    EXPECT_FALSE(dest.Visible());
    dest.Assign(&source);
    EXPECT_EQ(changes, 1);  // nothing changed, no notice
}

}  // namespace
