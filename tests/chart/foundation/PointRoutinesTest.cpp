#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "chart/foundation/PointRoutines.h"
#include "tests/chart/foundation/GeometryPrinters.h"

namespace {

TEST(PointRoutinesTest, RectanglesAreOrderedMeasuredAndCentred) {
    EXPECT_EQ(NormalizedRect(MakeRect(10, 20, 0, 5)), MakeRect(0, 5, 10, 20));
    int w, h;
    RectSize(MakeRect(3, 4, 10, 1), w, h);
    EXPECT_EQ(w, 7);
    EXPECT_EQ(h, -3);
    struct Case {
        TRect r;
        int x, y;
    } cases[] = {
        {{-3, -3, 0, 0}, -1, -1},  // halves truncate toward zero
        {{0, 0, 3, 5}, 1, 2},
        {{2147483000, 0, 2147483600, 0}, 2147483300, 0},  // no overflow near the end
    };
    for (const Case& c : cases) {
        int x, y;
        RectCenter(c.r, x, y);
        EXPECT_EQ(x, c.x) << Show(c.r);
        EXPECT_EQ(y, c.y) << Show(c.r);
    }
}

TEST(PointRoutinesTest, PointInRectIncludesEveryEdge) {
    const TRect r = MakeRect(0, 0, 10, 20);
    for (TPoint p : {TPoint{0, 5}, TPoint{10, 5}, TPoint{5, 0}, TPoint{5, 20}, TPoint{10, 20}})
        EXPECT_TRUE(PointInRect(r, p)) << p.X << "," << p.Y;
    for (TPoint p : {TPoint{-1, 5}, TPoint{11, 5}, TPoint{5, -1}, TPoint{5, 21}})
        EXPECT_FALSE(PointInRectXY(r, p.X, p.Y)) << p.X << "," << p.Y;
}

TEST(PointRoutinesTest, BoundsAreInclusiveOuterBoundsOnePast) {
    const TPoint one[] = {{4, 7}};
    EXPECT_EQ(BoundsOfPoints(one), MakeRect(4, 7, 4, 7));
    EXPECT_EQ(OuterBoundsOfPoints(one, 1), MakeRect(4, 7, 5, 8));
    EXPECT_EQ(BoundsOfPoints({}), MakeRect(0, 0, 0, 0));
    const TPoint tri[] = {{5, -2}, {-3, 9}, {1, 1}, {100, 100}};
    EXPECT_EQ(BoundsOfPoints(tri), MakeRect(-3, -2, 100, 100));
    // Only the first Count points count.
    EXPECT_EQ(OuterBoundsOfPoints(tri, 3), MakeRect(-3, -2, 6, 10));
    EXPECT_EQ(OuterBoundsOfTriangle(std::span<const TPoint, 3>(tri, 3)), MakeRect(-3, -2, 6, 10));
}

TEST(PointRoutinesTest, CulledFaceDependsOnTheTurn) {
    EXPECT_TRUE(IsCulledFace({0, 0}, {10, 0}, {10, 10}));
    EXPECT_FALSE(IsCulledFace({10, 10}, {10, 0}, {0, 0}));
    EXPECT_FALSE(IsCulledFace({0, 0}, {5, 5}, {10, 10}));  // a line is not culled
    // Far projected points must not overflow the products.
    EXPECT_TRUE(IsCulledFace({-2000000000, 0}, {2000000000, 0}, {2000000000, 2000000000}));
    const TPoint pts[] = {{0, 0}, {10, 0}, {10, 10}, {99, 99}};
    EXPECT_TRUE(IsCulledTriangle(pts));
}

TEST(PointRoutinesTest, PointInPolygonCountsRightAndUpperEdges) {
    const TPoint square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    struct Case {
        TPoint p;
        bool inside;
    } cases[] = {
        {{5, 5}, true},   {{10, 5}, true},  {{0, 5}, false},  // X <= edge: the right edge counts
        {{5, 0}, true},   {{5, 10}, false},  // the top row counts, the bottom row does not
        {{11, 5}, false}, {{-1, 5}, false}, {{5, -1}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PointInPolygon(c.p, square), c.inside) << c.p.X << "," << c.p.Y;
    EXPECT_FALSE(PointInPolygon({0, 0}, std::span<const TPoint>{}));

    const TPoint inner[] = {{1, 1}, {9, 9}};
    const TPoint across[] = {{1, 1}, {19, 9}};
    EXPECT_TRUE(PolygonInsidePolygon(inner, square));
    EXPECT_FALSE(PolygonInsidePolygon(across, square));
    EXPECT_TRUE(PolygonInsidePolygon({}, square));
}

TEST(PointRoutinesTest, ConvexHullKeepsTheCornersWithThePivotLast) {
    std::vector<TPoint> pts = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 5}};
    ASSERT_TRUE(ConvexHull(pts));
    ASSERT_EQ(pts.size(), 4u);
    EXPECT_EQ(pts.back(), (TPoint{10, 0}));  // least Y, greatest X among equals
    for (TPoint corner : {TPoint{0, 0}, TPoint{10, 10}, TPoint{0, 10}})
        EXPECT_NE(std::find(pts.begin(), pts.end(), corner), pts.end());

    // An octagon with points inside and on its edges keeps the eight vertices only.
    std::vector<TPoint> oct = {{30, 0},   {70, 0}, {100, 30}, {100, 70}, {70, 100},
                               {30, 100}, {0, 70}, {0, 30},   {50, 50},  {20, 50},
                               {60, 80},  {50, 0}, {100, 50}};
    ASSERT_TRUE(ConvexHull(oct));
    EXPECT_EQ(oct.size(), 8u);
    EXPECT_EQ(oct.back(), (TPoint{70, 0}));
    for (size_t i = 0; i < oct.size(); ++i)  // every turn the same way round
        EXPECT_TRUE(IsCulledFace(oct[i], oct[(i + 1) % 8], oct[(i + 2) % 8])) << i;

    std::vector<TPoint> two = {{0, 0}, {1, 1}};
    EXPECT_FALSE(ConvexHull(two));
    EXPECT_EQ(two.size(), 2u);
    std::vector<TPoint> three = {{5, 5}, {0, 0}, {9, 1}};
    EXPECT_TRUE(ConvexHull(three));
    EXPECT_EQ(three, (std::vector<TPoint>{{5, 5}, {0, 0}, {9, 1}}));

    // Coordinates beyond any fixed start value still find their pivot.
    std::vector<TPoint> far = {{0, 20000000}, {10, 20000000}, {10, 20000010}, {0, 20000010}};
    ASSERT_TRUE(ConvexHull(far));
    EXPECT_EQ(far.back(), (TPoint{10, 20000000}));
}

// On random clouds the hull turns one way throughout and leaves every point of the cloud on
// the inner side of each of its edges (or on the edge).
TEST(PointRoutinesTest, ConvexHullEnclosesRandomClouds) {
    for (unsigned seed : {1u, 5u, 9u, 2024u}) {
        std::mt19937 random(seed);
        std::vector<TPoint> cloud(300);
        for (TPoint& p : cloud) p = TPoint{int(random() % 800), int(random() % 600)};
        std::vector<TPoint> hull = cloud;
        ASSERT_TRUE(ConvexHull(hull));
        ASSERT_GE(hull.size(), 3u) << "seed " << seed;
        const size_t n = hull.size();
        for (size_t i = 0; i < n; ++i) {
            const TPoint& a = hull[i];
            const TPoint& b = hull[(i + 1) % n];
            EXPECT_TRUE(IsCulledFace(a, b, hull[(i + 2) % n])) << "seed " << seed << " at " << i;
            for (const TPoint& q : cloud)
                EXPECT_FALSE(IsCulledFace(b, a, q) && !(q == a || q == b))
                    << "seed " << seed << " edge " << i << " leaves out " << q.X << "," << q.Y;
        }
    }
}

TEST(PointRoutinesTest, PointBeforeEnd) {
    struct Case {
        TPoint start, end;
        int d;
        TPoint expected;
    } cases[] = {
        {{0, 0}, {10, 0}, 3, {7, 0}},   {{10, 0}, {0, 0}, 3, {3, 0}},
        {{0, 0}, {0, -10}, 4, {0, -6}},                                 // vertical, going up
        {{0, 0}, {0, 10}, 4, {0, 6}},                                   // vertical, going down
        {{0, 0}, {6, 8}, 5, {3, 4}},    {{0, 0}, {10, 10}, 1, {9, 9}},  // 0.707 rounds to 1
    };
    for (const Case& c : cases)
        EXPECT_EQ(PointBeforeEnd(c.start, c.end, c.d), c.expected)
            << c.start.X << "," << c.start.Y << " -> " << c.end.X << "," << c.end.Y;
    EXPECT_DOUBLE_EQ(Hypotenuse(3, 4), 5);
}

}  // namespace
