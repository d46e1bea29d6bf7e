#include <gtest/gtest.h>

#include "chart/foundation/HitTests.h"
#include "chart/foundation/PointRoutines.h"
#include "tests/chart/foundation/GeometryPrinters.h"

namespace {

TEST(HitTestsTest, NearLineAllowsToleranceAndOnePixel) {
    struct Case {
        TPoint p;
        int tolerance;
        bool near;
    } cases[] = {
        {{5, 1}, 0, true},  // distance 1 passes with tolerance 0
        {{5, 2}, 0, false},  {{5, 3}, 2, true},
        {{-1, 1}, 0, false},  // beyond the start: distance to the end point, sqrt 2
        {{11, 0}, 0, true},  {{0, 0}, -5, true},  // an end point always hits
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsPointNearLine(c.p, 0, 0, 10, 0, c.tolerance), c.near)
            << c.p.X << "," << c.p.Y << " tol " << c.tolerance;
    EXPECT_TRUE(IsPointOnLinePoints({3, 4}, {3, 3}, {3, 3}));  // a segment that is a point
    EXPECT_FALSE(IsPointOnLine({3, 6}, 3, 3, 3, 3));
    EXPECT_TRUE(IsPointNearLinePoints({5, 5}, {0, 0}, {10, 10}, 0));
}

// The two even-odd tests differ only on vertical edges: this one counts the left edge, the
// point routines' test counts the right edge.
TEST(HitTestsTest, BothPolygonTestsAgreeInsideAndDifferOnEdges) {
    const TPoint square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    struct Case {
        TPoint p;
        bool hit, pointRoutines;
    } cases[] = {
        {{5, 5}, true, true}, {{0, 5}, true, false},   {{10, 5}, false, true},
        {{5, 0}, true, true}, {{5, 10}, false, false}, {{20, 5}, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PointInPolygon(c.p, square, 3), c.hit) << c.p.X << "," << c.p.Y;
        EXPECT_EQ(PointInPolygon(c.p, std::span<const TPoint>(square)), c.pointRoutines)
            << c.p.X << "," << c.p.Y;
    }
    EXPECT_FALSE(PointInPolygon({5, 5}, square, -1));
    // Only the points up to HighIndex make the polygon: the first three are a triangle.
    EXPECT_FALSE(PointInPolygon({2, 8}, square, 2));
}

TEST(HitTestsTest, Triangles) {
    EXPECT_TRUE(PointInTriangle({5, 2}, {0, 0}, {10, 0}, {5, 10}));
    EXPECT_FALSE(PointInTriangle({1, 8}, {0, 0}, {10, 0}, {5, 10}));
    // Apex at ((0 + 9) div 2, 0) = (4, 0) above a base at y 10.
    EXPECT_TRUE(PointInTriangleVertical({4, 1}, 0, 9, 10, 0));
    EXPECT_FALSE(PointInTriangleVertical({8, 2}, 0, 9, 10, 0));
    EXPECT_TRUE(PointInTriangleHorizontal({1, 4}, 0, 9, 0, 10));
    EXPECT_FALSE(PointInTriangleHorizontal({8, 1}, 0, 9, 0, 10));
}

TEST(HitTestsTest, Ellipse) {
    struct Case {
        TPoint p;
        TRect box;
        bool inside;
    } cases[] = {
        {{10, 5}, {0, 0, 20, 10}, true},  {{20, 5}, {0, 0, 20, 10}, true},   // on the ellipse
        {{10, 0}, {0, 0, 20, 10}, true},  {{19, 1}, {0, 0, 20, 10}, false},  // in the box's corner
        {{21, 5}, {0, 0, 20, 10}, false}, {{5, 5}, {5, 0, 5, 10}, false},    // no width
        {{5, 5}, {0, 5, 10, 6}, false},  // height 1: cy - Top is 0
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PointInEllipseRect(c.p, c.box), c.inside) << c.p.X << "," << c.p.Y << Show(c.box);
        EXPECT_EQ(PointInEllipse(c.p, c.box.Left, c.box.Top, c.box.Right, c.box.Bottom), c.inside);
    }
}

TEST(HitTestsTest, IntersectSegments) {
    struct Case {
        int x1, y1, x2, y2, x3, y3, x4, y4;
        bool cross;
        double x, y;
    } cases[] = {
        {0, 0, 10, 10, 0, 10, 10, 0, true, 5, 5},
        {0, 0, 4, 4, 0, 10, 10, 0, false, 5, 5},      // lines meet beyond the first segment
        {0, 0, 10, 0, 0, 5, 10, 5, false, 10, 0},     // parallel: the first segment's end
        {0, 0, 10, 10, 10, 10, 20, 0, true, 10, 10},  // touching ends, positive sides
        {10, 10, 0, 0, 20, 0, 10, 10, true, 10, 10},  // touching ends, only zero sides
        {0, 0, 10, 0, 5, 0, 20, 0, false, 10, 0},     // overlapping on one line
        {5, -5, 5, 5, 0, 0, 10, 0, true, 5, 0},       // first segment vertical
        {0, 0, 10, 0, 5, -5, 5, 5, true, 5, 0},       // second segment vertical
        {0, 0, 0, 10, 5, 0, 5, 10, false, 0, 10},     // both vertical
    };
    for (const Case& c : cases) {
        double x = -1, y = -1;
        EXPECT_EQ(IntersectSegments(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4, x, y), c.cross)
            << c.x1 << "," << c.y1 << "-" << c.x2 << "," << c.y2;
        EXPECT_DOUBLE_EQ(x, c.x);
        EXPECT_DOUBLE_EQ(y, c.y);
    }
}

}  // namespace
