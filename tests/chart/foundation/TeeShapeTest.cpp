#include <gtest/gtest.h>

#include <vector>

#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/TeePanel.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/TeeShape.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

struct TPixel {
    int x, y;
    TColor colour;
};

// A shape on a panel whose surface draws straight into a white 60 x 50 bitmap.
struct TShapeBench {
    TCustomTeePanel panel{nullptr};
    TTeeCustomShape shape{&panel};
    TBitmap image;
    TShapeBench() {
        image.SetSize(60, 50);
        panel.Canvas3D()->BindCanvas(image.Canvas());
        shape.SetColor(clYellow);
        shape.Shadow()->SetVisible(true);
        shape.Shadow()->SetSmooth(false);
        shape.SetShapeBounds(TRect{10, 10, 50, 30});
    }
    void Expect(const std::vector<TPixel>& pixels) {
        for (const TPixel& p : pixels)
            EXPECT_EQ(image.Canvas()->Pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
    }
};

TEST(TeeShape, ShadowFillFrameAndBevelFollowTheSettings) {
    const TColor light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow);
    struct TCase {
        const char* name;
        bool transparent;
        TBrushStyle brush;
        int angle;
        std::vector<TPixel> pixels;
    };
    const TCase cases[] = {
        {"plain",
         false,
         bsSolid,
         0,
         {{10, 10, light}, {25, 20, clYellow}, {51, 25, clBlack}, {49, 29, dark}}},
        {"transparent",
         true,
         bsSolid,
         0,
         {{10, 10, clWhite}, {25, 20, clWhite}, {51, 25, clWhite}}},
        {"clear brush casts no shadow",
         false,
         bsClear,
         0,
         {{10, 10, light}, {51, 25, clWhite}, {25, 20, clWhite}}},
        // Turned a quarter: the frame is the polygon 20..40 by 0..40, and there is no bevel.
        {"rotated",
         false,
         bsSolid,
         90,
         {{10, 10, clWhite}, {30, 0, clBlack}, {30, 20, clYellow}, {12, 20, clWhite}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TShapeBench bench;
        bench.shape.SetTransparent(c.transparent);
        bench.shape.Brush()->SetStyle(c.brush);
        bench.shape.SetBevel(bvRaised);
        bench.shape.SetBevelWidth(1);
        bench.shape.DrawRectRotated(bench.shape.ShapeBounds(), c.angle, 0);
        bench.Expect(c.pixels);
    }
}

TEST(TeeShape, SizesAreInclusive) {
    TTeeCustomShape shape(nullptr);
    shape.SetShapeBounds(TRect{5, 7, 5, 7});
    shape.SetWidth(10);
    shape.SetHeight(3);
    EXPECT_EQ(shape.ShapeBounds().Right, 14);
    EXPECT_EQ(shape.ShapeBounds().Bottom, 9);
    EXPECT_EQ(shape.Width(), 10);
    EXPECT_EQ(shape.Height(), 3);
}

TEST(TeeShape, RotatedCornersTurnAboutTheCentre) {
    const auto corners = RectCornersRotated(TRect{10, 10, 50, 30}, 90);
    const std::array<TPoint, 4> expected{TPoint{20, 40}, TPoint{20, 0}, TPoint{40, 0},
                                         TPoint{40, 40}};
    EXPECT_EQ(corners, expected);
}

}  // namespace
