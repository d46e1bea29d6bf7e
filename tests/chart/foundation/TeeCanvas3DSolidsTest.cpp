#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "chart/foundation/ColorRoutines.h"
#include "chart/foundation/View3DOptions.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"
#include "tests/chart/foundation/SurfaceFixture.h"

namespace {

using TArgs = std::vector<int>;

// A recording surface in the default orthogonal view centred at the origin, where a depth of 10
// moves a point by (10, -10): the viewer sees the front, the right side and the top.
struct TSolids : TSurfaceOnBitmap<TRecordingCanvas3D> {
    TView3DOptions Options;
    TSolids() : TSurfaceOnBitmap(10, 10) {
        Surface.PrepareDrawing(Target.Canvas(), &Options, clWhite, true, TRect{0, 0, 400, 300});
        Surface.PrepareProjection(0, TRect{0, 0, 0, 0});
        Surface.Brush()->SetColor(RGB(200, 200, 200));
    }
    const std::vector<TCanvas3DCall>& Calls() { return Surface.Calls(); }
};

const TColor Entry = RGB(200, 200, 200);

TEST(TeeCanvas3DSolidsTest, CuboidPaintsTheFacesTurnedToTheViewerEachShadedFromTheEntryColour) {
    TSolids f;
    f.Surface.DrawCuboid(0, 20, 0, 10, 0, 10, true);
    ASSERT_EQ(f.Calls().size(), 3u);
    EXPECT_EQ(f.Calls()[0].Args, (TArgs{0, 0, 20, 0, 20, 10, 0, 10}));  // front
    EXPECT_EQ(f.Calls()[0].BrushColor, Entry);
    EXPECT_EQ(f.Calls()[1].Args, (TArgs{20, 0, 30, -10, 30, 0, 20, 10}));  // right side
    EXPECT_EQ(f.Calls()[1].BrushColor, DarkenColor(Entry, 128));
    EXPECT_EQ(f.Calls()[2].Args, (TArgs{0, 0, 20, 0, 30, -10, 10, -10}));  // top
    EXPECT_EQ(f.Calls()[2].BrushColor, DarkenColor(Entry, 64));
}

TEST(TeeCanvas3DSolidsTest, CuboidWithAClearBrushOutlinesAllFiveFaces) {
    TSolids f;
    f.Surface.Brush()->SetStyle(bsClear);
    f.Surface.DrawCuboid(0, 20, 0, 10, 0, 10, false);
    ASSERT_EQ(f.Calls().size(), 5u);
    EXPECT_EQ(f.Calls()[0].Args, (TArgs{0, 0, 20, 0, 20, 10, 0, 10}));   // front
    EXPECT_EQ(f.Calls()[2].Args, (TArgs{0, 0, 10, -10, 10, 0, 0, 10}));  // left side
    EXPECT_EQ(f.Calls()[4].Args, (TArgs{0, 10, 10, 0, 30, 0, 20, 10}));  // bottom
}

TEST(TeeCanvas3DSolidsTest, ConeFacetsDarkenByEightPerFacetAndCapTheNarrowEnd) {
    struct TCase {
        const char* Name;
        int Percent;
        bool CapDegenerate;
    };
    const TCase cases[] = {{"cylinder", 100, false}, {"pointed cone", 0, true}};
    for (const TCase& c : cases) {
        TSolids f;
        f.Surface.DrawCone(true, 0, 0, 40, 40, 0, 40, true, c.Percent);
        const auto& calls = f.Calls();
        ASSERT_GE(calls.size(), 2u) << c.Name;
        // Every facet drawn is a quad in a colour of the 8-step ramp; the cap is darkened by 64.
        for (size_t i = 0; i + 1 < calls.size(); ++i) {
            ASSERT_EQ(calls[i].Args.size(), 8u) << c.Name;
            const int r = GetRValue(calls[i].BrushColor);
            EXPECT_EQ((200 - r) % 8, 0) << c.Name << " facet " << i;
        }
        const TCanvas3DCall& cap = calls.back();
        EXPECT_EQ(cap.Args.size(), 32u) << c.Name;
        EXPECT_EQ(cap.BrushColor, DarkenColor(Entry, 64)) << c.Name;
        bool allSame = true;
        for (size_t i = 2; i < cap.Args.size(); i += 2)
            allSame = allSame && cap.Args[i] == cap.Args[0] && cap.Args[i + 1] == cap.Args[1];
        EXPECT_EQ(allSame, c.CapDegenerate) << c.Name;
        // The narrow end lies at Top (y 0 before the depth shift).
        for (size_t i = 1; i < cap.Args.size(); i += 2) EXPECT_LE(cap.Args[i], 0) << c.Name;
    }
}

TEST(TeeCanvas3DSolidsTest, HorizontalCylinderCapsTheEndTurnedToTheViewer) {
    TSolids f;
    f.Surface.DrawCylinder(false, 0, 0, 100, 40, 0, 40, false);
    const TCanvas3DCall& cap = f.Calls().back();
    ASSERT_EQ(cap.Args.size(), 32u);
    // The right end, seen where the depth runs to the right.
    for (size_t i = 0; i < cap.Args.size(); i += 2) EXPECT_GE(cap.Args[i], 100);
}

TEST(TeeCanvas3DSolidsTest, PyramidsDrawTheirTrianglesAndBase) {
    struct TCase {
        const char* Name;
        bool Vertical;
        int Left, Top, Right, Bottom;
        size_t Triangles;
        bool Base;
    };
    const TCase cases[] = {
        {"vertical", true, 0, 0, 20, 20, 2, false},
        {"horizontal", false, 0, 0, 20, 20, 2, false},
        {"horizontal without length", false, 10, 0, 10, 20, 0, true},
    };
    for (const TCase& c : cases) {
        TSolids f;
        f.Surface.DrawPyramid(c.Vertical, c.Left, c.Top, c.Right, c.Bottom, 0, 10, true);
        size_t triangles = 0, quads = 0;
        for (const TCanvas3DCall& call : f.Calls()) {
            triangles += call.Args.size() == 6;
            quads += call.Args.size() == 8;
        }
        EXPECT_EQ(triangles, c.Triangles) << c.Name;
        EXPECT_EQ(quads > 0, c.Base) << c.Name;
        if (c.Triangles > 0) {
            // The front in the entry colour, then a shaded side.
            EXPECT_EQ(f.Calls()[0].BrushColor, Entry) << c.Name;
            EXPECT_NE(f.Calls()[1].BrushColor, Entry) << c.Name;
        }
    }
}

TEST(TeeCanvas3DSolidsTest, TruncatedPyramidDrawsBaseSidesAndTop) {
    TSolids f;
    f.Surface.DrawTruncatedPyramid(TRect{0, 0, 40, 40}, 0, 20, 5, 5);
    const auto& calls = f.Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls.front().Args, (TArgs{0, 40, 40, 40, 60, 20, 20, 20}));    // base
    EXPECT_EQ(calls.back().Args, (TArgs{20, -5, 30, -5, 40, -15, 30, -15}));  // top
}

TEST(TeeCanvas3DSolidsTest, PieSliceArcPointsFollowTheSweep) {
    struct TCase {
        double Degrees;
        size_t CapPoints;  // the centre and the arc
    };
    const TCase cases[] = {{360, 97}, {10, 8}, {0, 3}};
    for (const TCase& c : cases) {
        TSolids f;
        f.Surface.DrawPieSlice3D(100, 100, 50, 50, 0, 10, 0, c.Degrees * std::numbers::pi / 180,
                                 true, false, 0, nullptr);
        ASSERT_FALSE(f.Calls().empty()) << c.Degrees;
        EXPECT_EQ(f.Calls()[0].Args.size(), 2 * c.CapPoints) << c.Degrees;
        EXPECT_EQ(f.Calls()[0].BrushColor, Entry) << c.Degrees;
    }
}

TEST(TeeCanvas3DSolidsTest, PieSliceWallsAndSidesAreShadedAndTheCapIsNot) {
    TSolids f;
    // A quarter from 180 to 270 degrees: the arc runs left to bottom, its screen X grows.
    f.Surface.DrawPieSlice3D(100, 100, 50, 50, 0, 10, std::numbers::pi, 1.5 * std::numbers::pi,
                             true, true, 50, nullptr);
    const auto& calls = f.Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0].BrushColor, DarkenColor(Entry, 32));  // the hole's wall
    bool capSeen = false;
    for (const TCanvas3DCall& call : calls) {
        if (call.BrushColor == Entry)
            capSeen = true;
        else
            EXPECT_EQ(call.BrushColor, DarkenColor(Entry, 32));
    }
    EXPECT_TRUE(capSeen);
    EXPECT_EQ(calls.back().BrushColor, DarkenColor(Entry, 32));  // the outer wall
}

TEST(TeeCanvas3DSolidsTest, ArrowHeadAndShaft) {
    {
        TSolids f;
        f.Surface.DrawArrow(true, {5, 5}, {5, 5}, 10, 10, 0, 50);
        EXPECT_TRUE(f.Calls().empty());
    }
    {
        // Along +X: head 10 long and 10 wide, shaft 5 wide.
        TSolids f;
        f.Surface.DrawArrow(true, {0, 0}, {40, 0}, 10, 10, 0, 50);
        ASSERT_EQ(f.Calls().size(), 1u);
        EXPECT_EQ(f.Calls()[0].Args, (TArgs{0, 2, 0, -2, 30, -2, 30, -5, 40, 0, 30, 5, 30, 2}));
    }
    {
        // A head longer than the arrow is cut to its length: the head starts at the tail.
        TSolids f;
        f.Surface.DrawArrow(false, {0, 0}, {0, 20}, 10, 50, 0, 50);
        const auto& calls = f.Calls();
        ASSERT_EQ(calls.size(), 6u);
        EXPECT_EQ(calls[1].Args, (TArgs{0, 20}));  // tail to tip
        EXPECT_EQ(calls[3].Args[1], 0);            // the head's corners lie level with the tail
        EXPECT_EQ(calls[5].Args[1], 0);
    }
}

}  // namespace
