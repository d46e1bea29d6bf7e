#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "chart/foundation/TeeBlend.h"
#include "tests/chart/foundation/GeometryPrinters.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"
#include "tests/chart/foundation/SurfaceFixture.h"

namespace {

// A 2 x 1 picture that is not a bitmap: it paints itself lime.
class TLimeGraphic : public TGraphic {
public:
    bool Empty() const override { return false; }
    int Width() const override { return 2; }
    void SetWidth(int) override {}
    int Height() const override { return 1; }
    void SetHeight(int) override {}
    void LoadFromStream(TStream&) override {}
    void SaveToStream(TStream&) override {}

protected:
    void Draw(TCanvas& canvas, const TRect& rect) override {
        canvas.Brush()->SetColor(clLime);
        canvas.FillRect(rect);
    }
};

using TDrawn = TSurfaceOnBitmap<TTeeCanvas3D>;
using TRecorded = TSurfaceOnBitmap<TRecordingCanvas3D>;

TEST(TeeCanvasDrawTest, ArcByAnglesGivesTheRadialsOnTheInscribedEllipse) {
    struct TCase {
        TRect Box;
        double Start, End;
        std::vector<int> Args;
    };
    const TCase cases[] = {
        {{0, 0, 100, 100}, 0, 90, {0, 0, 100, 100, 100, 50, 50, 0}},
        {{0, 0, 101, 51}, 180, 270, {0, 0, 101, 51, 0, 25, 50, 50}},  // half sizes truncated
        {{-10, -10, 10, 10}, 45, -45, {-10, -10, 10, 10, 7, -7, 7, 7}},
    };
    for (const TCase& c : cases) {
        TRecorded f(10, 10);
        f.Surface.DrawArcByAngles(c.Box.Left, c.Box.Top, c.Box.Right, c.Box.Bottom, c.Start, c.End);
        ASSERT_EQ(f.Surface.Calls().size(), 1u);
        EXPECT_EQ(f.Surface.Calls()[0].Op, "Arc");
        EXPECT_EQ(f.Surface.Calls()[0].Args, c.Args) << Show(c.Box) << " " << c.Start;
    }
}

TEST(TeeCanvasDrawTest, BevelFrameWalksInwardAndInsetsTheRect) {
    TRecorded none(10, 10);
    TRect same{1, 1, 9, 9};
    none.Surface.DrawBevelFrame(same, clRed, clBlue, 0);
    EXPECT_EQ(same, (TRect{1, 1, 9, 9}));
    EXPECT_TRUE(none.Surface.Calls().empty());

    TDrawn f(10, 10);
    TRect r{1, 1, 9, 9};
    f.Surface.DrawBevelFrame(r, clRed, clBlue, 2);
    EXPECT_EQ(r, (TRect{3, 3, 7, 7}));
    struct TPixel {
        int X, Y;
        TColor Color;
    };
    const TPixel pixels[] = {
        {1, 1, clRed},   {7, 1, clRed},   {1, 7, clRed},   {8, 1, clBlue}, {8, 8, clBlue},
        {1, 8, clBlue},  {2, 2, clRed},   {7, 7, clBlue},  {6, 2, clRed},  {7, 2, clBlue},
        {0, 8, clWhite}, {9, 9, clWhite}, {4, 4, clWhite},
    };
    for (const TPixel& p : pixels)
        EXPECT_EQ(f.At(p.X, p.Y), p.Color) << "at (" << p.X << ", " << p.Y << ")";
}

TEST(TeeCanvasDrawTest, DonutSliceFillsTheRingBetweenTheRadii) {
    struct TSample {
        double Radius;
        double Degrees;
        bool Filled;
    };
    struct TCase {
        double Hole;
        std::vector<TSample> Samples;
    };
    const TCase cases[] = {
        {50,
         {{40, 45, false},
          {75, 45, true},
          {75, 10, true},
          {75, 80, true},
          {110, 45, false},
          {75, 135, false},
          {75, -20, false}}},
        // Without a hole the outer arc is closed by its chord.
        {0, {{40, 45, false}, {90, 45, true}}},
    };
    for (const TCase& c : cases) {
        TDrawn f(250, 250);
        f.Surface.Pen()->SetStyle(psClear);
        f.Surface.Brush()->SetColor(clRed);
        f.Surface.DrawDonutSlice(120, 120, 100, 100, 0, std::numbers::pi / 2, c.Hole);
        for (const TSample& s : c.Samples) {
            const double t = s.Degrees * std::numbers::pi / 180;
            const int x = 120 + static_cast<int>(std::lround(std::cos(t) * s.Radius));
            const int y = 120 - static_cast<int>(std::lround(std::sin(t) * s.Radius));
            EXPECT_EQ(f.At(x, y), s.Filled ? clRed : clWhite)
                << "hole " << c.Hole << " radius " << s.Radius << " at " << s.Degrees;
        }
    }
}

TEST(TeeCanvasDrawTest, PictureOnPlaneFillsOneCellPerPixelAndLeavesThePictureAlone) {
    TRecorded f(20, 20);
    TBitmap picture(2, 1);
    picture.SetPixelFormat(pf32bit);
    picture.Canvas()->SetPixel(0, 0, clRed);
    picture.Canvas()->SetPixel(1, 0, clBlue);
    f.Surface.DrawPictureOnPlane(TRect{0, 0, 9, 4}, &picture, cpZ, 0);
    EXPECT_EQ(f.Surface.Pen()->Style(), psClear);
    const auto& calls = f.Surface.Calls();
    ASSERT_EQ(calls.size(), 2u);
    // 9 / 2 = 4.5 rounds to even: the first cell ends at 4.
    EXPECT_EQ(calls[0].Args, (std::vector<int>{0, 0, 4, 0, 4, 4, 0, 4}));
    EXPECT_EQ(calls[0].BrushColor, clRed);
    EXPECT_EQ(calls[1].Args, (std::vector<int>{4, 0, 9, 0, 9, 4, 4, 4}));
    EXPECT_EQ(calls[1].BrushColor, clBlue);
    EXPECT_EQ(picture.PixelFormat(), pf32bit);

    f.Surface.ClearCalls();
    TLimeGraphic lime;
    f.Surface.DrawPictureOnPlane(TRect{0, 0, 9, 4}, &lime, cpZ, 0);
    ASSERT_EQ(f.Surface.Calls().size(), 2u);
    EXPECT_EQ(f.Surface.Calls()[1].BrushColor, clLime);

    f.Surface.ClearCalls();
    TBitmap empty;
    f.Surface.DrawPictureOnPlane(TRect{0, 0, 9, 4}, &empty, cpX, 3);
    EXPECT_TRUE(f.Surface.Calls().empty());

    // A transparent picture leaves the cells of its transparent colour undrawn.
    picture.SetTransparentMode(tmFixed);
    picture.SetTransparentColor(clBlue);
    picture.SetTransparent(true);
    f.Surface.DrawPictureOnPlane(TRect{0, 0, 9, 4}, &picture, cpZ, 0);
    ASSERT_EQ(f.Surface.Calls().size(), 1u);
    EXPECT_EQ(f.Surface.Calls()[0].BrushColor, clRed);
}

TEST(TeeCanvasDrawTest, BlendShowsTheCapturedPixelsByTransparency) {
    struct TCase {
        int Transparency;
        TColor Result;
    };
    // At 50 the alpha is 255 - round(50 * 2.55) = 128: 2.55 is a shade below itself in binary.
    for (const TCase& c : {TCase{100, clRed}, TCase{0, clBlue}, TCase{50, RGB(128, 0, 127)}}) {
        TDrawn f(10, 10);
        f.FillAll(clRed);
        TTeeBlend* blend = f.Surface.BeginBlending(TRect{2, 2, 6, 6}, c.Transparency);
        EXPECT_EQ(f.Surface.BlendPercent(), c.Transparency);
        f.FillAll(clBlue);
        f.Surface.EndBlending(blend);
        EXPECT_EQ(f.At(3, 3), c.Result) << "transparency " << c.Transparency;
        EXPECT_EQ(f.At(7, 7), clBlue) << "outside the blend";
    }
}

TEST(TeeCanvasDrawTest, BlendRectangleIsClampedToTheBoundsAndAtLeastOnePixel) {
    struct TCase {
        TRect In, Out;
    };
    const TCase cases[] = {
        {{-20, -20, -5, -5}, {0, 0, 1, 1}},
        {{8, 6, 3, 2}, {3, 2, 8, 6}},
        {{5, 5, 50, 50}, {5, 5, 10, 10}},
    };
    for (const TCase& c : cases) {
        TDrawn f(10, 10);
        TTeeBlend blend(f.Surface, c.In);
        EXPECT_EQ(blend.CapturedRect(), c.Out) << Show(c.In);
        EXPECT_TRUE(blend.Valid());
    }
}

}  // namespace
