#include <gtest/gtest.h>

#include "chart/foundation/TeeShadow.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"
#include "tests/chart/foundation/SurfaceFixture.h"

namespace {

using TRecorded = TSurfaceOnBitmap<TRecordingCanvas3D>;
using TDrawn = TSurfaceOnBitmap<TTeeCanvas3D>;
using TArgs = std::vector<int>;

const TRect Box{10, 10, 50, 30};

TEST(TeeShadowDrawTest, NoColourOrNoSizeDrawsNothingAndBlendsNothing) {
    struct TCase {
        TColor Color;
        int H, V;
    };
    for (const TCase& c : {TCase{clNone, 3, 3}, TCase{clBlack, 0, 0}}) {
        TRecorded f(60, 60);
        TTeeShadow shadow;
        shadow.SetColor(c.Color);
        shadow.SetHorizSize(c.H);
        shadow.SetVertSize(c.V);
        shadow.SetTransparency(40);
        f.Surface.Pen()->SetColor(clRed);
        shadow.DrawRectShadow(f.Surface, Box);
        shadow.DrawEllipseShadow(f.Surface, Box, 0);
        const TPoint triangle[] = {{0, 0}, {9, 0}, {0, 9}};
        shadow.DrawPolygonShadow(f.Surface, triangle, 2);
        EXPECT_TRUE(f.Surface.Calls().empty());
        EXPECT_EQ(f.Surface.BlendPercent(), 0);
        EXPECT_EQ(f.Surface.Pen()->Color(), clRed);
    }
}

TEST(TeeShadowDrawTest, SolidShadowFillsOnlyTheStripsBeyondTheRectangle) {
    struct TCase {
        int H, V;
        std::vector<TArgs> Rectangles;
    };
    const TCase cases[] = {
        {3, 3, {{13, 30, 53, 34}, {50, 13, 54, 34}}},
        {-3, 3, {{7, 30, 47, 34}, {11, 13, 7, 34}}},
        {0, -2, {{10, 11, 50, 8}}},
    };
    for (const TCase& c : cases) {
        TRecorded f(60, 60);
        TTeeShadow shadow;
        shadow.SetSmooth(false);
        shadow.SetColor(clGray);
        shadow.SetHorizSize(c.H);
        shadow.SetVertSize(c.V);
        shadow.DrawRectShadow(f.Surface, Box);
        std::vector<TArgs> drawn;
        for (const TCanvas3DCall& call : f.Surface.Calls()) {
            EXPECT_EQ(call.Op, "Rectangle");
            EXPECT_EQ(call.BrushColor, clGray);
            drawn.push_back(call.Args);
        }
        EXPECT_EQ(drawn, c.Rectangles) << "H " << c.H << " V " << c.V;
        EXPECT_EQ(f.Surface.Pen()->Style(), psSolid);  // the pen is given back
    }
}

TEST(TeeShadowDrawTest, SteppedShadowFadesRowByRowWhereNothingCanBlur) {
    TRecorded f(60, 60);  // unbuffered: no blur
    TTeeShadow shadow;
    shadow.SetColor(clBlack);
    shadow.SetVertSize(3);
    shadow.DrawRectShadow(f.Surface, Box);
    const auto& calls = f.Surface.Calls();
    ASSERT_EQ(calls.size(), 6u);
    struct TLine {
        TArgs To;
        TColor Color;
    };
    // Step round(255 / 3) = 85; row i runs to Right + i - V - 1.
    const TLine lines[] = {
        {{47, 30}, clBlack}, {{48, 31}, RGB(85, 85, 85)}, {{49, 32}, RGB(170, 170, 170)}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(calls[2 * i].Op, "MoveTo");
        EXPECT_EQ(calls[2 * i].Args, (TArgs{10, 30 + i}));
        EXPECT_EQ(calls[2 * i + 1].Args, lines[i].To) << "row " << i;
        EXPECT_EQ(calls[2 * i + 1].PenColor, lines[i].Color) << "row " << i;
    }
}

TEST(TeeShadowDrawTest, BlurredRectangleDarkensOnlyTheRightAndBottomStrips) {
    TBitmap window(80, 60);
    TTeeCanvas3D s;
    s.PrepareDrawing(window.Canvas(), nullptr, clWhite, false, TRect{0, 0, 80, 60});
    s.ResetDrawingState();
    s.Brush()->SetColor(clWhite);
    s.FillRectangle(TRect{0, 0, 80, 60});
    TTeeShadow shadow;
    shadow.SetColor(clBlack);
    shadow.SetHorizSize(4);
    shadow.SetVertSize(4);
    shadow.DrawRectShadow(s, Box);
    TCanvas* buffer = s.BufferBitmap()->Canvas();
    // The mask covers 10..58 by 10..38 with the shape at 14..54 by 14..34; only its last 9
    // columns (from 50) and rows (from 30) are blurred.
    EXPECT_EQ(buffer->Pixel(20, 20), clWhite);  // under the shape, outside the strips
    EXPECT_EQ(buffer->Pixel(5, 5), clWhite);
    EXPECT_EQ(buffer->Pixel(60, 20), clWhite);
    const TColor right = buffer->Pixel(52, 20);
    const TColor below = buffer->Pixel(20, 33);
    EXPECT_LT(right & 0xFF, 128u) << std::hex << right;
    EXPECT_LT(below & 0xFF, 128u) << std::hex << below;
    EXPECT_EQ(right & 0xFF, (right >> 8) & 0xFF);  // a black shadow stays grey
    const TColor fading = buffer->Pixel(20, 38);
    EXPECT_GT(fading & 0xFF, below & 0xFF);  // lighter toward the edge
}

TEST(TeeShadowDrawTest, SeeThroughShadowBlendsOverWhatWasThere) {
    TDrawn f(60, 60);
    f.FillAll(clRed);
    TTeeShadow shadow;
    shadow.SetSmooth(false);
    shadow.SetColor(clBlue);
    shadow.SetVertSize(5);
    shadow.SetTransparency(100);
    shadow.DrawRectShadow(f.Surface, Box);
    EXPECT_EQ(f.At(20, 32), clRed);  // fully see-through
    shadow.SetTransparency(0);
    shadow.DrawRectShadow(f.Surface, Box);
    EXPECT_EQ(f.At(20, 32), clBlue);
}

}  // namespace
