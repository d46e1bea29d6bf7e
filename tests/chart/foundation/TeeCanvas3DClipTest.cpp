#include <gtest/gtest.h>

#include "chart/foundation/TeeCanvas3D.h"
#include "tests/chart/foundation/SurfaceFixture.h"

namespace {

using TFixture = TSurfaceOnBitmap<TTeeCanvas3D>;

struct TPixel {
    int X, Y;
    bool Painted;
};

void ExpectPainted(TFixture& f, std::initializer_list<TPixel> pixels, const char* what) {
    for (const TPixel& p : pixels)
        EXPECT_EQ(f.At(p.X, p.Y), p.Painted ? clBlack : clWhite)
            << what << " at (" << p.X << ", " << p.Y << ")";
}

TEST(TeeCanvas3DClipTest, FlatCubeInsetsLeftTopAndBottom) {
    TFixture f(20, 20);
    f.Surface.ClipToCube(TRect{2, 2, 10, 10}, 0, 5);
    f.FillAll(clBlack);
    ExpectPainted(f,
                  {{2, 5, false},
                   {3, 5, true},
                   {9, 5, true},
                   {10, 5, false},
                   {5, 2, false},
                   {5, 3, true},
                   {5, 8, true},
                   {5, 9, false}},
                  "cube");
}

TEST(TeeCanvas3DClipTest, EachRemoveGivesBackTheClipBeforeIt) {
    TFixture f(20, 20);
    f.Surface.ClipToRectangle(TRect{0, 0, 10, 10});
    f.Surface.ClipToRectangle(TRect{5, 5, 20, 20});
    f.FillAll(clBlack);
    ExpectPainted(f, {{2, 2, false}, {7, 7, true}, {12, 12, false}}, "both");
    f.Surface.RemoveClipping();
    f.FillAll(clBlack);
    ExpectPainted(f, {{2, 2, true}, {12, 12, false}}, "first kept");
    f.Surface.RemoveClipping();
    f.FillAll(clBlack);
    ExpectPainted(f, {{12, 12, true}, {19, 19, true}}, "none left");
}

TEST(TeeCanvas3DClipTest, NestedClipsEndWithTheOuterClipInForce) {
    // An outer clip made on the device (as printing does), then an ellipse clip whose fill
    // clips again: when both are removed the outer clip must still hold.
    TFixture f(20, 20);
    f.Target.Canvas()->IntersectClipRect(TRect{0, 0, 15, 15});
    f.Surface.ClipToEllipse(TRect{0, 0, 14, 14}, false);
    f.Surface.ClipToRectangle(TRect{0, 0, 7, 7});
    f.Surface.RemoveClipping();
    f.Surface.RemoveClipping();
    f.FillAll(clBlack);
    ExpectPainted(f, {{0, 0, true}, {14, 14, true}, {15, 15, false}, {19, 0, false}}, "outer");
}

TEST(TeeCanvas3DClipTest, InvertedShapesCutHoles) {
    TFixture f(20, 20);
    f.Surface.ClipToEllipse(TRect{0, 0, 20, 20}, true);
    f.FillAll(clBlack);
    ExpectPainted(f, {{10, 10, false}, {0, 0, true}, {19, 19, true}}, "ellipse");
    f.Surface.RemoveClipping();
    f.FillAll(clWhite);

    const TPoint square[] = {{5, 5}, {15, 5}, {15, 15}, {5, 15}};
    f.Surface.ClipToPolygon(square, 3, true);
    f.FillAll(clBlack);
    ExpectPainted(f, {{10, 10, false}, {2, 2, true}, {17, 10, true}}, "polygon");
    f.Surface.RemoveClipping();
    EXPECT_EQ(SavedClipCount(), 0);
}

TEST(TeeCanvas3DClipTest, DegenerateClipHidesEverythingUntilRemoved) {
    TFixture f(10, 10);
    f.Surface.ClipToRectangle(TRect{5, 5, 5, 5});
    f.FillAll(clBlack);
    ExpectPainted(f, {{5, 5, false}, {0, 0, false}}, "degenerate");
    f.Surface.RemoveClipping();
    f.FillAll(clBlack);
    ExpectPainted(f, {{5, 5, true}}, "removed");
}

}  // namespace
