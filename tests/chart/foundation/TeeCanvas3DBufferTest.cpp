#include <gtest/gtest.h>

#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/graphics/Bitmap.h"

namespace {

TEST(TeeCanvas3DBufferTest, APassDrawsIntoTheBufferAndShowsItAtTheBounds) {
    TBitmap window(60, 70);
    TTeeCanvas3D s;
    EXPECT_FALSE(s.RepaintFromBuffer());  // nothing drawn yet
    EXPECT_EQ(s.BufferBitmap(), nullptr);

    const TRect bounds{10, 20, 40, 60};
    EXPECT_EQ(s.PrepareDrawing(window.Canvas(), nullptr, clWhite, false, bounds),
              (TRect{0, 0, 30, 40}));
    ASSERT_NE(s.BufferBitmap(), nullptr);
    EXPECT_EQ(s.BoundCanvas(), s.BufferBitmap()->Canvas());
    EXPECT_EQ(s.BufferBitmap()->Width(), 30);
    EXPECT_EQ(s.BufferBitmap()->Height(), 40);
    s.Brush()->SetColor(clRed);
    s.FillRectangle(TRect{0, 0, 30, 40});
    EXPECT_EQ(window.Canvas()->Pixel(10, 20), clWhite);  // not shown yet

    s.ShowBuffer(window.Canvas(), window.Canvas(), bounds);
    EXPECT_FALSE(s.BufferDirty());
    EXPECT_EQ(s.BoundCanvas(), window.Canvas());
    EXPECT_EQ(window.Canvas()->Pixel(10, 20), clRed);
    EXPECT_EQ(window.Canvas()->Pixel(39, 59), clRed);
    EXPECT_EQ(window.Canvas()->Pixel(9, 20), clWhite);
    EXPECT_EQ(window.Canvas()->Pixel(40, 59), clWhite);

    // A clean buffer repaints by copying, at the window's origin.
    window.Canvas()->Brush()->SetColor(clWhite);
    window.Canvas()->FillRect(TRect{0, 0, 60, 70});
    EXPECT_TRUE(s.RepaintFromBuffer());
    EXPECT_EQ(window.Canvas()->Pixel(0, 0), clRed);
    s.MarkDirty();
    EXPECT_FALSE(s.RepaintFromBuffer());

    // The next pass keeps the bitmap and only resizes it.
    TBitmap* kept = s.BufferBitmap();
    s.PrepareDrawing(window.Canvas(), nullptr, clWhite, false, TRect{0, 0, 50, 10});
    EXPECT_EQ(s.BufferBitmap(), kept);
    EXPECT_EQ(kept->Width(), 50);
}

TEST(TeeCanvas3DBufferTest, SwitchingBufferingOffFreesTheBitmapUnlessItIsKept) {
    TBitmap window(20, 20);
    for (bool keep : {false, true}) {
        TTeeCanvas3D s;
        s.PrepareDrawing(window.Canvas(), nullptr, clWhite, false, TRect{0, 0, 20, 20});
        s.ShowBuffer(window.Canvas(), window.Canvas(), TRect{0, 0, 20, 20});
        TBitmap* buffer = s.BufferBitmap();
        s.SetKeepBufferBitmap(keep);
        s.SetBufferedDisplay(false);
        EXPECT_EQ(s.BufferBitmap(), keep ? buffer : nullptr) << "keep " << keep;
        EXPECT_EQ(s.BufferDirty(), !keep) << "keep " << keep;

        // Freeing the bitmap the surface is drawing into unbinds it.
        TTeeCanvas3D drawing;
        drawing.PrepareDrawing(window.Canvas(), nullptr, clWhite, false, TRect{0, 0, 20, 20});
        drawing.SetKeepBufferBitmap(keep);
        drawing.SetBufferedDisplay(false);
        EXPECT_EQ(drawing.BoundCanvas(), keep ? drawing.BufferBitmap()->Canvas() : nullptr);

        // Unbuffered passes draw straight onto the target.
        EXPECT_EQ(s.PrepareDrawing(window.Canvas(), nullptr, clWhite, false, TRect{5, 5, 9, 9}),
                  (TRect{5, 5, 9, 9}));
        EXPECT_EQ(s.BoundCanvas(), window.Canvas());

        s.SetBufferedDisplay(true);
        if (keep) {
            EXPECT_EQ(s.BoundCanvas(), buffer->Canvas());
        }
    }
}

TEST(TeeCanvas3DBufferTest, MonochromeForcesARedrawAndRepaintsTheOwner) {
    int repaints = 0;
    TView3DOptions options([&] { ++repaints; });
    TBitmap window(10, 10);
    TTeeCanvas3D s;
    s.PrepareDrawing(window.Canvas(), &options, clWhite, false, TRect{0, 0, 10, 10});
    s.ShowBuffer(window.Canvas(), window.Canvas(), TRect{0, 0, 10, 10});
    s.SetMonochrome(false);
    EXPECT_FALSE(s.BufferDirty());  // unchanged: nothing happens
    EXPECT_EQ(repaints, 0);
    s.SetMonochrome(true);
    EXPECT_TRUE(s.BufferDirty());
    EXPECT_EQ(repaints, 1);
}

}  // namespace
