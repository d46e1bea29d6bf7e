#include <gtest/gtest.h>

#include "chart/foundation/TeePanel.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "platform/ui/Mouse.h"
#include "platform/ui/Panel.h"

namespace {

TEST(TeePanelWindow, BorderRoundShapesTheWindowInsideAParentOnly) {
    TCustomTeePanel panel(nullptr);
    panel.SetBounds(0, 0, 100, 80);
    panel.SetBorderRound(20);
    EXPECT_TRUE(panel.InWindowRegion(0, 0));  // no parent window: left square

    TPanel parent(nullptr);
    panel.SetParent(&parent);
    panel.ApplyRoundRegion();
    EXPECT_FALSE(panel.InWindowRegion(0, 0));
    EXPECT_TRUE(panel.InWindowRegion(50, 40));
    EXPECT_TRUE(panel.InWindowRegion(10, 10));

    panel.SetBounds(0, 0, 200, 100);  // a resize shapes the new size
    EXPECT_TRUE(panel.InWindowRegion(150, 50));
    EXPECT_FALSE(panel.InWindowRegion(199, 0));

    panel.SetBorderRound(0);
    EXPECT_TRUE(panel.InWindowRegion(0, 0));
    panel.SetParent(nullptr);
}

TEST(TeePanelWindow, MouseClientPosIsThePointerInsideThePanel) {
    TPanel parent(nullptr);
    parent.SetBounds(100, 100, 300, 200);
    TCustomTeePanel panel(nullptr);
    panel.SetParent(&parent);
    panel.SetBounds(30, 40, 100, 80);
    parent.SetVisible(true);
    const TPoint origin = panel.ClientToScreen(Point(0, 0));
    Mouse()->SetCursorPos(Point(origin.X + 7, origin.Y + 9));
    EXPECT_EQ(panel.GetMouseClientPos(), Point(7, 9));
    Mouse()->SetCursorPos(Point(origin.X - 5, origin.Y + 100));
    EXPECT_EQ(panel.GetMouseClientPos(), Point(-5, 100));  // outside: not clipped
    panel.SetParent(nullptr);
}

TEST(TeePanelWindow, PicturesAndBitmapsTakeThePanelDrawn) {
    TCustomTeePanel panel(nullptr);
    panel.SetBounds(0, 0, 30, 20);
    panel.SetColor(clYellow);
    panel.SetBevelOuter(bvNone);
    TBitmap bitmap;
    bitmap.Assign(&panel);
    EXPECT_EQ(bitmap.Width(), 30);
    EXPECT_EQ(bitmap.Height(), 20);
    EXPECT_EQ(bitmap.Canvas()->Pixel(15, 10), clYellow);
    TPicture picture;
    picture.Assign(&panel);
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Width(), 30);
}

}  // namespace
