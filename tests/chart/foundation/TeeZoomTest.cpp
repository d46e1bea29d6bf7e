#include <gtest/gtest.h>

#include "chart/foundation/TeeZoom.h"
#include "platform/classes/PropInfo.h"

namespace {

TEST(TeeZoomTest, DefaultsAreNotWritten) {
    TTeeZoom zoom;
    EXPECT_TRUE(zoom.Allow());
    EXPECT_EQ(zoom.AnimatedSteps(), 8);
    EXPECT_EQ(zoom.Direction(), tzdBoth);
    EXPECT_EQ(zoom.MinimumPixels(), 16);
    EXPECT_EQ(zoom.MouseButton(), mbLeft);
    for (const TPropInfo& prop : zoom.ClassType().Properties())
        EXPECT_FALSE(prop.ShouldWrite(&zoom)) << prop.Name;
    EXPECT_EQ(zoom.Pen()->Color(), clWhite);
    EXPECT_EQ(zoom.Brush()->Style(), bsClear);
}

TEST(TeeZoomTest, AssignLeavesMinimumPixelsAndUpLeftZooms) {
    TTeeZoom source;
    source.SetAllow(false);
    source.SetAnimated(true);
    source.SetAnimatedSteps(3);
    source.SetDirection(tzdVertical);
    source.SetKeyShift(TShiftState{ssCtrl});
    source.SetMouseButton(mbRight);
    source.SetMinimumPixels(4);
    source.SetUpLeftZooms(true);
    source.Pen()->SetColor(clRed);

    TTeeZoom dest;
    dest.Brush()->SetColor(clBlue);
    dest.Assign(&source);
    EXPECT_FALSE(dest.Allow());
    EXPECT_TRUE(dest.Animated());
    EXPECT_EQ(dest.AnimatedSteps(), 3);
    EXPECT_EQ(dest.Direction(), tzdVertical);
    EXPECT_EQ(dest.KeyShift(), TShiftState{ssCtrl});
    EXPECT_EQ(dest.MouseButton(), mbRight);
    EXPECT_EQ(dest.MinimumPixels(), 16);
    EXPECT_FALSE(dest.UpLeftZooms());
    ASSERT_NE(dest.PenIfAny(), nullptr);
    EXPECT_EQ(dest.PenIfAny()->Color(), clRed);
    EXPECT_EQ(dest.BrushIfAny(), nullptr);  // the source had none

    // Any other source is ignored.
    TZoomPanning drag;
    dest.Assign(&drag);
    EXPECT_FALSE(dest.Allow());
}

}  // namespace
