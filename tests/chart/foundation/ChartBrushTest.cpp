#include <gtest/gtest.h>

#include "chart/foundation/ChartBrush.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "tests/support/StoredProperty.h"

namespace {

TEST(ChartBrushTest, DefaultsAndStoredValues) {
    TChartBrush brush;
    EXPECT_EQ(brush.Color(), clDefault);
    EXPECT_EQ(brush.BackColor(), clNone);
    EXPECT_EQ(brush.Style(), bsSolid);
    EXPECT_EQ(brush.ImageIfAny(), nullptr);
    for (const char* name : {"Color", "BackColor", "Image", "Style"})
        EXPECT_FALSE(Writes(brush, name)) << name;
    brush.SetBackColor(clYellow);
    EXPECT_TRUE(Writes(brush, "BackColor"));
    brush.Image();  // an empty picture is not worth storing
    EXPECT_FALSE(Writes(brush, "Image"));
    TBitmap bitmap(2, 2);
    brush.Image()->SetBitmap(&bitmap);
    EXPECT_TRUE(Writes(brush, "Image"));
}

TEST(ChartBrushTest, ImageTellsTheOwnerAndNullFreesIt) {
    int changes = 0;
    TChartBrush brush([&](TObject*) { ++changes; });
    TPicture* image = brush.Image();
    EXPECT_EQ(changes, 0);
    TBitmap bitmap(3, 1);
    image->SetBitmap(&bitmap);
    EXPECT_GE(changes, 1);  // loading a picture repaints the owner

    changes = 0;
    brush.SetImage(nullptr);
    EXPECT_EQ(brush.ImageIfAny(), nullptr);
    EXPECT_EQ(changes, 1);

    TPicture picture;
    picture.SetBitmap(&bitmap);
    brush.SetImage(&picture);
    ASSERT_NE(brush.ImageIfAny(), nullptr);
    EXPECT_NE(brush.ImageIfAny(), &picture);  // a copy, owned by the brush
    EXPECT_EQ(brush.ImageIfAny()->Width(), 3);
}

TEST(ChartBrushTest, AssignCopiesEverythingWithOneNotice) {
    TBitmap bitmap(2, 2);
    TChartBrush withImage;
    withImage.Image()->SetBitmap(&bitmap);
    withImage.SetBackColor(clNavy);
    withImage.SetColor(clRed);
    withImage.SetStyle(bsCross);

    int changes = 0;
    TChartBrush dest([&](TObject*) { ++changes; });
    dest.Assign(&withImage);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(dest.BackColor(), clNavy);
    EXPECT_EQ(dest.Color(), clRed);
    EXPECT_EQ(dest.Style(), bsCross);
    ASSERT_NE(dest.ImageIfAny(), nullptr);
    EXPECT_EQ(dest.ImageIfAny()->Width(), 2);

    // A source that never used its picture frees the destination's, and stays without one.
    TChartBrush plain;
    dest.Assign(&plain);
    EXPECT_EQ(dest.ImageIfAny(), nullptr);
    EXPECT_EQ(plain.ImageIfAny(), nullptr);
    EXPECT_EQ(dest.Color(), clDefault);
}

}  // namespace
