#include <gtest/gtest.h>

#include <cmath>

#include "chart/foundation/TeeGradient.h"
#include "tests/support/StoredProperty.h"

namespace {

TEST(TeeGradientTest, Defaults) {
    TTeeGradient g;
    EXPECT_FALSE(g.Visible());
    EXPECT_EQ(g.Direction(), gdTopBottom);
    EXPECT_EQ(g.StartColor(), clWhite);
    EXPECT_EQ(g.EndColor(), clYellow);
    EXPECT_EQ(g.MidColor(), clNone);
    EXPECT_EQ(g.Balance(), 50);
    for (const char* name : {"Angle", "Balance", "Direction", "EndColor", "MidColor", "RadialX",
                             "RadialY", "StartColor", "SubGradient", "Visible"})
        EXPECT_FALSE(Writes(g, name)) << name;
    EXPECT_EQ(g.SubGradient()->Transparency(), 50);
    EXPECT_TRUE(Writes(g, "SubGradient"));
    EXPECT_EQ(GradientDirectionNames().Name(gdDiagonalDown), "gdDiagonalDown");
}

TEST(TeeGradientTest, MiddleColourSwitch) {
    int changes = 0;
    TTeeGradient g([&](TObject*) { ++changes; });
    g.SetMidColor(clNone);  // off and staying off
    EXPECT_EQ(changes, 0);
    g.SetMidColor(clRed);
    EXPECT_TRUE(g.HasMidColor());
    EXPECT_EQ(g.MidColor(), clRed);
    g.SetMidColor(clRed);
    EXPECT_EQ(changes, 1);
    g.SetMidColor(clNone);
    EXPECT_FALSE(g.HasMidColor());
    EXPECT_EQ(g.MidColor(), clNone);
    EXPECT_EQ(changes, 2);
    g.UseMidColor();  // back on with the colour it had
    EXPECT_EQ(g.MidColor(), clRed);
    g.UseMidColor();
    EXPECT_EQ(changes, 3);
}

TEST(TeeGradientTest, AssignCopiesOrFreesTheSubGradient) {
    TTeeGradient source;
    source.SetAngle(30);
    source.SetBalance(70);
    source.SetDirection(gdRadial);
    source.SetStartColor(clNavy);
    source.SetEndColor(clAqua);
    source.SetMidColor(clLime);
    source.SetRadialX(4);
    source.SetRadialY(-4);
    source.SetVisible(true);
    source.SubGradient()->SetTransparency(20);
    source.SubGradient()->SetStartColor(clRed);

    int changes = 0;
    TTeeFontGradient dest([&](TObject*) { ++changes; });
    dest.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(dest.Angle(), 30);
    EXPECT_EQ(dest.Balance(), 70);
    EXPECT_EQ(dest.Direction(), gdRadial);
    EXPECT_EQ(dest.StartColor(), clNavy);
    EXPECT_EQ(dest.EndColor(), clAqua);
    EXPECT_EQ(dest.MidColor(), clLime);
    EXPECT_EQ(dest.RadialX(), 4);
    EXPECT_EQ(dest.RadialY(), -4);
    EXPECT_TRUE(dest.Visible());
    ASSERT_NE(dest.SubGradientIfAny(), nullptr);
    EXPECT_EQ(dest.SubGradientIfAny()->Transparency(), 20);
    EXPECT_EQ(dest.SubGradientIfAny()->StartColor(), clRed);

    // The sub-gradient reports through the gradient's handler.
    dest.SubGradient()->SetEndColor(clPurple);
    EXPECT_EQ(changes, 2);

    TTeeGradient plain;
    dest.Assign(&plain);
    EXPECT_EQ(dest.SubGradientIfAny(), nullptr);
    EXPECT_EQ(plain.SubGradientIfAny(), nullptr);
    EXPECT_EQ(dest.MidColor(), clNone);

    TTeeFontGradient outlined;
    outlined.SetOutline(true);
    changes = 0;
    dest.Assign(&outlined);
    EXPECT_TRUE(dest.Outline());
    EXPECT_EQ(changes, 1);
}

TEST(TeeGradientTest, BalanceCurve) {
    struct Case {
        int steps, balance, index;
        double value;
    } cases[] = {
        {9, 50, 4, std::pow(0.5, 1.25)},
        {9, 50, 9, 1.0},            // the last band reaches the end colour
        {3, 100, 1, 0.5 * 0.5},     // exponent 2
        {3, 0, 1, std::sqrt(0.5)},  // exponent 0.5
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(GradientBalanceCurve(c.steps, c.balance, c.index), c.value)
            << c.steps << " " << c.balance << " " << c.index;
}

}  // namespace
