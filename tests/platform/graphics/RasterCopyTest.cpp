// The bitmap copy of a picture: at the picture's size within MaxRasterPixels, scaled down to fit
// in its own proportions beyond, whatever sizes a file declares.
#include <gtest/gtest.h>

#include <climits>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/GraphicsLimits.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/MetafileCanvas.h"
#include "platform/graphics/RasterCopy.h"

TEST(RasterCopy, SizeIsThePicturesWithinTheLimitAndScaledDownBeyond) {
    struct TCase {
        int W, H;
    };
    const TCase kept[] = {{0, 0}, {0, 70000}, {1, 1}, {640, 480}, {8192, 4096}, {1 << 25, 1}};
    for (const TCase& c : kept) EXPECT_EQ(BoundedRasterSize(c.W, c.H), (TSize{c.W, c.H}));
    const TCase scaled[] = {{8192, 4097}, {40000, 25000}, {30000, 20000}, {INT_MAX, INT_MAX},
                            {INT_MAX, 1}, {1, INT_MAX},   {INT_MAX, 3}};
    for (const TCase& c : scaled) {
        const TSize s = BoundedRasterSize(c.W, c.H);
        SCOPED_TRACE(std::to_string(c.W) + " x " + std::to_string(c.H));
        EXPECT_GE(s.cx, 1);
        EXPECT_GE(s.cy, 1);
        EXPECT_LE(int64_t(s.cx) * s.cy, MaxRasterPixels);
        EXPECT_LE(s.cx, c.W);
        EXPECT_LE(s.cy, c.H);
        if (s.cx > 1 && s.cy > 1) {
            EXPECT_GT(int64_t(s.cx) * s.cy, MaxRasterPixels * 99 / 100);
            EXPECT_NEAR(double(s.cx) / s.cy, double(c.W) / c.H, 0.01 * double(c.W) / c.H);
        }
    }
}

// A metafile bounded 40000 x 25000 (3.8 GB as a bitmap of its size) that fills its whole
// area: the copy is scaled down and filled all over.
TEST(RasterCopy, AHugeMetafileIsDrawnScaledDownIntoTheWholeCopy) {
    TMetafile metafile;
    metafile.SetWidth(40000);
    metafile.SetHeight(25000);
    {
        TMetafileCanvas recorder(&metafile, nullptr);
        recorder.Brush()->SetColor(clRed);
        recorder.FillRect(TRect{0, 0, 40000, 25000});
    }
    TBitmap copy;
    DrawRasterCopy(copy, &metafile);
    EXPECT_EQ((TSize{copy.Width(), copy.Height()}), BoundedRasterSize(40000, 25000));
    EXPECT_EQ(copy.Canvas()->Pixel(0, 0), clRed);
    EXPECT_EQ(copy.Canvas()->Pixel(copy.Width() - 1, copy.Height() - 1), clRed);
}
