// The shapes of the pyramid slices, the funnel segments and the pipe segments, free of a chart.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "chart/series/algo/BezierCurves.h"
#include "chart/series/algo/FunnelSegments.h"
#include "chart/series/algo/PipeSegments.h"
#include "chart/series/algo/PyramidSlices.h"

namespace {

TEST(PyramidSlicesTest, ValuesOneOneTwoNarrowToTheApex) {
    const int w = PyramidHalfBase(600, 50);
    EXPECT_EQ(w, 150);
    const struct {
        double below, value;
        TPyramidSlice slice;
    } cases[] = {
        {0, 1, {150, 112, 0, 15}},  // 75 % of the total above its top; 112.5 rounds to even
        {1, 1, {112, 75, 5, 10}},
        {2, 2, {75, 0, 10, 0}},  // the top slice ends in the apex
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.below);
        TPyramidSlice s;
        ASSERT_TRUE(PyramidSliceShape(w, 4, c.below, c.value, 40, s));
        EXPECT_EQ(s.BottomHalfWidth, c.slice.BottomHalfWidth);
        EXPECT_EQ(s.TopHalfWidth, c.slice.TopHalfWidth);
        EXPECT_EQ(s.BottomInset, c.slice.BottomInset);
        EXPECT_EQ(s.TopDepth, c.slice.TopDepth);
    }
    TPyramidSlice none;
    EXPECT_FALSE(PyramidSliceShape(w, 0, 0, 0, 40, none));  // values that sum to 0
}

TEST(FunnelSegmentsTest, CornersColoursAndFillOfThePartsNumbers) {
    const TFunnelScale sc = MakeFunnelScale(30, 10, 3);
    EXPECT_DOUBLE_EQ(sc.Step, 10.0 / 3);
    TFunnelCorner p[4];
    FunnelSegmentCorners(sc, 1, p);
    EXPECT_DOUBLE_EQ(p[0].X, 0.5);
    EXPECT_DOUBLE_EQ(p[0].Y, 30 - 10.0 / 3);
    EXPECT_DOUBLE_EQ(p[1].Y, 30 - 20.0 / 3);
    EXPECT_DOUBLE_EQ(p[2].Y, 20.0 / 3);
    EXPECT_DOUBLE_EQ(p[3].Y, 10.0 / 3);
    EXPECT_EQ(FunnelColorKind(FunnelRatio(10, 10), 30), fcAbove);
    EXPECT_EQ(FunnelColorKind(FunnelRatio(7.5, 10), 30), fcWithin);
    EXPECT_EQ(FunnelColorKind(FunnelRatio(6.5, 10), 30), fcBelow);
    EXPECT_EQ(FunnelRatio(5, 0), 0);
    EXPECT_EQ(FunnelColorKind(0, 30), fcBelow);
    // One value unit is ten screen rows, larger rows lower.
    auto toY = [](double y) { return int(std::lround(1000 - 10 * y)); };
    EXPECT_EQ(FunnelFillPolygon(sc, 0, 1, toY).size(), 4u);    // filled to the top
    EXPECT_EQ(FunnelFillPolygon(sc, 0, 0.9, toY).size(), 5u);  // the top edge cut
    EXPECT_EQ(FunnelFillPolygon(sc, 0, 0, toY).size(), 3u);    // a sliver on the bottom edge
    EXPECT_EQ(FunnelFillPolygon(sc, 0, 0.5, toY).size(), 4u);  // level between the corners
    const auto half = FunnelFillPolygon(sc, 0, 0.5, toY);
    EXPECT_DOUBLE_EQ(half[0].Y, 15);
}

// The area of a segment, its top and bottom edges straight between its two ends.
double SegmentArea(const TPipeSegment& s) {
    const double left = s.Quad[3].Y - s.Quad[2].Y, right = s.Quad[0].Y - s.Quad[1].Y;
    return (s.Right - s.Left) * (left + right) / 2;
}

TEST(PipeSegmentsTest, AreasEqualTheSharesWithinOnePixelColumn) {
    const std::vector<double> values{1, 1, 1, 1};
    const bool none[4] = {};
    for (int cone : {0, 30, 60, 100}) {
        SCOPED_TRACE(cone);
        const TPipeOutline pipe = PipeOutline(TRect{0, 0, 404, 200}, cone);
        const auto segments = PipeSegments(pipe, values, none);
        ASSERT_EQ(segments.size(), 4u);
        EXPECT_EQ(segments.back().Right, pipe.P1.X);
        for (const TPipeSegment& s : segments)
            EXPECT_NEAR(SegmentArea(s), pipe.Area() / 4.0, pipe.LeftHeight()) << s.Index;
        if (cone == 0)
            for (const TPipeSegment& s : segments) EXPECT_NEAR(s.Right - s.Left, 100, 1);
        else  // the narrower right end needs wider segments
            EXPECT_GT(segments[3].Right - segments[3].Left, segments[0].Right - segments[0].Left);
    }
    const std::vector<double> shares{5, 1, 3, 8, 2};
    const bool skipNone[5] = {};
    const TPipeOutline pipe = PipeOutline(TRect{10, 20, 510, 270}, 30);
    for (const TPipeSegment& s : PipeSegments(pipe, shares, skipNone))
        EXPECT_NEAR(SegmentArea(s), pipe.Area() * shares[size_t(s.Index)] / 19, pipe.LeftHeight());
}

TEST(PipeSegmentsTest, ClosedPipeNullsAndEmptyTotals) {
    // 150 draws like 100: the right end closes to a point half-way up.
    const TPipeOutline closed = PipeOutline(TRect{0, 0, 107, 101}, 150);
    const TPipeOutline hundred = PipeOutline(TRect{0, 0, 107, 101}, 100);
    EXPECT_EQ(closed.P1, hundred.P1);
    EXPECT_EQ(closed.P2, hundred.P2);
    EXPECT_EQ(closed.RightHeight(), 0);
    // L x H0 odd with its area rounded up: the exact root at the apex would be imaginary.
    EXPECT_EQ(closed.Length() * closed.LeftHeight() % 2, 1);
    EXPECT_GT(closed.Area() * 2, closed.Length() * closed.LeftHeight());
    EXPECT_EQ(PipeCutAt(closed, 1), closed.Length());
    for (double share = 0; share <= 1; share += 0.125) {
        const int cut = PipeCutAt(closed, share);
        EXPECT_GE(cut, 0);
        EXPECT_LE(cut, closed.Length());
    }
    const std::vector<double> values{2, 0, 2};
    const bool skipped[3] = {false, true, false};
    const auto segments = PipeSegments(closed, values, skipped);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[1].Index, 2);
    EXPECT_EQ(segments[1].Left, segments[0].Right);
    const std::vector<double> zeros{0, 0};
    const bool two[2] = {};
    EXPECT_TRUE(PipeSegments(closed, zeros, two).empty());
}

TEST(BezierCurvesTest, CurvesOfEachStyle) {
    const struct {
        TBezierStyle style;
        int count;
        std::vector<int> ends;
    } cases[] = {
        {bsBezier3, 3, {2}}, {bsBezier3, 5, {2, 4}}, {bsBezier3, 2, {}},
        {bsBezier4, 5, {3}}, {bsBezier4, 3, {}},     {bsBezier4, 7, {3, 6}},
        {bsWindows, 3, {2}}, {bsWindows, 6, {2, 5}}, {bsWindows, 2, {}},
    };
    for (const auto& c : cases) {
        std::vector<int> ends;
        for (const TBezierCurve& curve : BezierCurvesOf(c.style, c.count))
            ends.push_back(curve.End());
        EXPECT_EQ(ends, c.ends) << int(c.style) << " " << c.count;
    }
    const auto platform = PlatformBezierCurvesOf(7);
    ASSERT_EQ(platform.size(), 2u);
    EXPECT_EQ(std::vector<int>(platform[1].Points, platform[1].Points + 4),
              (std::vector<int>{2, 3, 4, 5}));
    // A quadratic curve bends towards its control point without passing through it.
    const TPoint q[3] = {{0, 0}, {50, 100}, {100, 0}};
    const auto pieces = BezierPieceEnds(q, 4);
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[1], (TPoint{50, 50}));
    EXPECT_EQ(pieces[3], (TPoint{100, 0}));
}

}  // namespace
