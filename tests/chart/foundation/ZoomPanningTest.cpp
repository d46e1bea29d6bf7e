#include <gtest/gtest.h>

#include "chart/foundation/ZoomPanning.h"
#include "tests/support/StoredProperty.h"

namespace {

TEST(ZoomPanningTest, StartAndOrderCorners) {
    TZoomPanning z;
    z.Start(30, 40);
    EXPECT_TRUE(z.Active);
    EXPECT_EQ(z.X0, 30);
    EXPECT_EQ(z.Y1, 40);
    z.X1 = 10;
    z.Y1 = 50;
    z.OrderCorners();
    EXPECT_EQ(z.X0, 10);
    EXPECT_EQ(z.X1, 30);
    EXPECT_EQ(z.Y0, 40);
    EXPECT_EQ(z.Y1, 50);
}

TEST(ZoomPanningTest, ZoomPenAndBrushDefaults) {
    TTeeZoomPen pen;
    EXPECT_EQ(pen.Color(), clWhite);
    EXPECT_FALSE(Writes(pen, "Color"));
    pen.SetColor(clBlack);  // the ordinary pen default is not this pen's default
    EXPECT_TRUE(Writes(pen, "Color"));

    TTeeZoomBrush brush;
    EXPECT_EQ(brush.Color(), clWhite);
    EXPECT_EQ(brush.Style(), bsClear);
    EXPECT_FALSE(Writes(brush, "Color"));
    EXPECT_FALSE(Writes(brush, "Style"));
    brush.SetStyle(bsSolid);
    EXPECT_TRUE(Writes(brush, "Style"));
}

}  // namespace
