#include <gtest/gtest.h>

#include "chart/foundation/TeeFilterTransforms.h"
#include "chart/foundation/TeeFilters.h"
#include "chart/foundation/TeeGradient.h"
#include "tests/chart/foundation/TeeFilterFixture.h"

namespace {

void ExpectSame(TBitmap& a, TBitmap& b, const char* what) {
    ASSERT_EQ(a.Width(), b.Width()) << what;
    ASSERT_EQ(a.Height(), b.Height()) << what;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            EXPECT_EQ(Px(a, x, y), Px(b, x, y)) << what << " " << x << "," << y;
}

TEST(TeeFilterTransformsTest, RotateByRightAnglesMovesEveryPixel) {
    struct Case {
        double angle;
        int width, height;
        int sx, sy, dx, dy;  // source pixel (sx, sy) lands at (dx, dy)
    } cases[] = {
        {90, 2, 4, 0, 0, 1, 0},  // the top-left goes to the top-right
        {90, 2, 4, 3, 1, 0, 3},  {270, 2, 4, 0, 0, 0, 3},
        {270, 2, 4, 3, 1, 1, 0}, {450, 2, 4, 0, 0, 1, 0},  // reduced by 360
        {90, 1, 3, 2, 0, 0, 2},                            // a one-pixel-high bitmap turns too
    };
    for (const Case& c : cases) {
        TBitmap bitmap;
        const int w = c.height, h = c.width;  // the source is the turned size's transpose
        Fill(bitmap, w, h, Pattern);
        TRotateFilter rotate;
        rotate.SetAngle(c.angle);
        ApplyToBitmap(rotate, bitmap);
        ASSERT_EQ(bitmap.Width(), c.width) << c.angle;
        ASSERT_EQ(bitmap.Height(), c.height) << c.angle;
        EXPECT_EQ(Px(bitmap, c.dx, c.dy), Pattern(c.sx, c.sy)) << c.angle;
    }
}

TEST(TeeFilterTransformsTest, RotateBy540IsFlipAndReverse) {
    TBitmap turned, expected;
    Fill(turned, 5, 3, Pattern);
    Fill(expected, 5, 3, Pattern);
    TRotateFilter rotate;
    rotate.SetAngle(540);
    ApplyToBitmap(rotate, turned);
    TFlipFilter flip;
    TReverseFilter reverse;
    ApplyToBitmap(flip, expected);
    ApplyToBitmap(reverse, expected);
    ExpectSame(turned, expected, "540");
}

TEST(TeeFilterTransformsTest, RotateByOtherAnglesGrowsAndFillsTheCorners) {
    TBitmap bitmap;
    Fill(bitmap, 10, 10, [](int, int) { return TPx{0, 0, 0}; });
    TRotateFilter rotate;
    rotate.SetAngle(45);
    rotate.SetBackColor(clRed);
    ApplyToBitmap(rotate, bitmap);
    EXPECT_EQ(bitmap.Width(), 14);  // |round(10 cos 315 - 10 sin 315)|
    EXPECT_EQ(bitmap.Height(), 14);
    EXPECT_EQ(Px(bitmap, 0, 0), (TPx{0, 0, 255}));  // a corner outside the turned square
    EXPECT_EQ(Px(bitmap, 7, 7), (TPx{0, 0, 0}));

    Fill(bitmap, 10, 6, [](int, int) { return TPx{0, 0, 0}; });
    rotate.SetAutoSize(false);
    ApplyToBitmap(rotate, bitmap);
    EXPECT_EQ(bitmap.Width(), 10);
    EXPECT_EQ(bitmap.Height(), 6);
}

TEST(TeeFilterTransformsTest, MirrorDoublesTheBitmapWithItsImage) {
    struct Case {
        TMirrorDirection direction;
        int width, height;
        int x, y, sx, sy;  // the pixel at (x, y) comes from (sx, sy)
    } cases[] = {
        {mdRight, 8, 2, 0, 0, 0, 0}, {mdRight, 8, 2, 4, 1, 3, 1}, {mdRight, 8, 2, 7, 0, 0, 0},
        {mdLeft, 8, 2, 0, 0, 3, 0},  {mdLeft, 8, 2, 4, 1, 0, 1},  {mdDown, 4, 4, 1, 0, 1, 0},
        {mdDown, 4, 4, 1, 2, 1, 1},  {mdDown, 4, 4, 1, 3, 1, 0},  {mdUp, 4, 4, 2, 0, 2, 1},
        {mdUp, 4, 4, 2, 2, 2, 0},
    };
    for (const Case& c : cases) {
        TBitmap bitmap;
        Fill(bitmap, 4, 2, Pattern);
        TMirrorFilter mirror;
        mirror.SetDirection(c.direction);
        mirror.Region()->SetLeft(2);  // ignored: the mirror works on the whole bitmap
        ApplyToBitmap(mirror, bitmap);
        ASSERT_EQ(bitmap.Width(), c.width) << c.direction;
        ASSERT_EQ(bitmap.Height(), c.height) << c.direction;
        EXPECT_EQ(Px(bitmap, c.x, c.y), Pattern(c.sx, c.sy))
            << c.direction << " " << c.x << "," << c.y;
    }
}

TEST(TeeFilterTransformsTest, ResizeTileCropAndZoomKeepAConstantPicture) {
    TBitmap bitmap;
    auto fresh = [&bitmap] { Fill(bitmap, 20, 12, [](int, int) { return TPx{40, 80, 160}; }); };

    fresh();
    TResizeFilter resize;
    ApplyToBitmap(resize, bitmap);  // no size: nothing
    EXPECT_EQ(bitmap.Width(), 20);
    resize.SetWidth(9);
    resize.SetHeight(30);
    ApplyToBitmap(resize, bitmap);
    EXPECT_EQ(bitmap.Width(), 9);
    EXPECT_EQ(bitmap.Height(), 30);

    fresh();
    TTileFilter tile;
    tile.SetNumCols(0);
    ApplyToBitmap(tile, bitmap);
    EXPECT_EQ(tile.NumCols(), 1);
    EXPECT_EQ(bitmap.Width(), 20);

    for (bool smooth : {false, true}) {
        // Smooth stretching uses Lanczos weights that are not normalised: near, not equal.
        const int tolerance = smooth ? 16 : 0;
        fresh();
        TCropFilter crop;
        crop.SetLeft(3);
        crop.SetTop(2);
        crop.SetWidth(6);
        crop.SetHeight(5);
        crop.SetSmooth(smooth);
        ApplyToBitmap(crop, bitmap);
        EXPECT_EQ(bitmap.Width(), 20);
        EXPECT_NEAR(Px(bitmap, 10, 6).R, 160, tolerance) << smooth;

        fresh();
        TZoomFilter zoom;
        zoom.SetSmooth(smooth);
        zoom.Region()->SetLeft(4);  // a part: zoomed in a copy and put back
        ApplyToBitmap(zoom, bitmap);
        EXPECT_EQ(bitmap.Width(), 20);
        EXPECT_NEAR(Px(bitmap, 10, 6).G, 80, tolerance) << smooth;
    }
}

TEST(TeeFilterTransformsTest, TileRepeatsTheShrunkPicture) {
    TBitmap bitmap;
    Fill(bitmap, 9, 9, [](int x, int) { return TPx{x < 4 ? 0 : 200, 0, 0}; });
    TTileFilter tile;
    tile.SetNumCols(2);
    tile.SetNumRows(1);
    ApplyToBitmap(tile, bitmap);  // cells of 4 x 8 from the top-left
    EXPECT_LT(Px(bitmap, 0, 3).B, 40);
    EXPECT_GT(Px(bitmap, 3, 3).B, 160);
    EXPECT_LT(Px(bitmap, 4, 3).B, 40);
    EXPECT_GT(Px(bitmap, 7, 3).B, 160);
}

// Every filter on tiny bitmaps, and with a region partly or wholly outside the bitmap: nothing
// may be read or written outside the pixels that are there.
TEST(TeeFilterTransformsTest, EveryFilterCopesWithTinyBitmapsAndStrayRegions) {
    RegisterImageFilters();
    struct Case {
        int width, height, left, top, regionWidth, regionHeight;
    } cases[] = {
        {1, 1, 0, 0, 0, 0},   {2, 1, 0, 0, 0, 0}, {1, 3, 0, 0, 0, 0},  {6, 5, -3, -2, 4, 4},
        {6, 5, 4, 3, 50, 50}, {6, 5, 9, 0, 0, 0}, {6, 5, 0, -9, 3, 3},
    };
    for (TTeeFilterClass cls : FilterClassList())
        for (const Case& c : cases) {
            TBitmap bitmap;
            Fill(bitmap, c.width, c.height, Pattern);
            TFilterItems items;
            TTeeFilter* filter = items.AddFilterOfClass(cls);
            filter->Region()->SetLeft(c.left);
            filter->Region()->SetTop(c.top);
            filter->Region()->SetWidth(c.regionWidth);
            filter->Region()->SetHeight(c.regionHeight);
            EXPECT_NO_THROW(items.ApplyAll(bitmap)) << cls->ClassName() << " " << c.width;
            EXPECT_FALSE(bitmap.Empty()) << cls->ClassName() << " " << c.width;
        }
    TBitmap empty;
    ApplyFilterClass(&TInvertFilter::StaticClass(), empty);
    EXPECT_TRUE(empty.Empty());
    FreeImageFilters();
}

TEST(TeeFilterTransformsTest, StartUpRegistersInTheEditorsOrderAndInstallsTheRotation) {
    FreeImageFilters();
    RegisterImageFilters();
    RegisterImageFilters();  // repeats are skipped
    const char* names[] = {"TInvertFilter",   "TGrayScaleFilter", "TMosaicFilter",
                           "TFlipFilter",     "TReverseFilter",   "TBrightnessFilter",
                           "TContrastFilter", "TColorFilter",     "THueLumSatFilter",
                           "TBlurFilter",     "TSharpenFilter",   "TGammaCorrectionFilter",
                           "TEmbossFilter",   "TSoftenFilter",    "TCropFilter",
                           "TResizeFilter",   "TRotateFilter",    "TMirrorFilter",
                           "TTileFilter",     "TBevelFilter",     "TZoomFilter"};
    const auto& list = FilterClassList();
    ASSERT_EQ(list.size(), std::size(names));
    for (size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list[i]->ClassName(), names[i]);
    EXPECT_NE(GradientRotationHook, nullptr);
    FreeImageFilters();
    EXPECT_TRUE(FilterClassList().empty());
    EXPECT_EQ(GradientRotationHook, nullptr);
}

}  // namespace
