// The triangulation of scattered points: small cases by hand, degenerate inputs, and on random
// point sets (seeds printed on failure) the properties of a proper triangulation: every triangle
// anticlockwise, each edge shared by at most two triangles, the triangles' area equal to the
// convex hull's (an independent monotone chain), every sample point of the hull inside exactly
// one triangle, and no interior edge that the flip test would still flip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <utility>
#include <vector>

#include "chart/series/algo/Triangulation.h"

namespace {

struct TriPoints {
    std::vector<double> X, Z;
    TPlanePoint At(int i) const { return {X[size_t(i)], Z[size_t(i)]}; }
};

double TriCross(const TPlanePoint& o, const TPlanePoint& a, const TPlanePoint& b) {
    return (a.X - o.X) * (b.Z - o.Z) - (a.Z - o.Z) * (b.X - o.X);
}

// Twice the area of the convex hull (monotone chain over the distinct points).
double HullArea2(const TriPoints& pts) {
    std::vector<TPlanePoint> p;
    for (size_t i = 0; i < pts.X.size(); ++i) p.push_back({pts.X[i], pts.Z[i]});
    std::sort(p.begin(), p.end(), [](const TPlanePoint& a, const TPlanePoint& b) {
        return a.X < b.X || (a.X == b.X && a.Z < b.Z);
    });
    std::vector<TPlanePoint> h(2 * p.size());
    size_t k = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        while (k >= 2 && TriCross(h[k - 2], h[k - 1], p[i]) <= 0) --k;
        h[k++] = p[i];
    }
    for (size_t i = p.size() - 1, t = k + 1; i-- > 0;) {
        while (k >= t && TriCross(h[k - 2], h[k - 1], p[i]) <= 0) --k;
        h[k++] = p[i];
    }
    double area = 0;
    for (size_t i = 0; i + 1 < k; ++i) area += h[i].X * h[i + 1].Z - h[i + 1].X * h[i].Z;
    return area;
}

void ExpectProperTriangulation(const TriPoints& pts, const TTriangulation& t, unsigned seed) {
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    double area = 0;
    std::map<std::pair<int, int>, int> edges;  // directed edge -> triangle
    for (size_t i = 0; i < t.Triangles.size(); ++i) {
        const auto& v = t.Triangles[i];
        const double a2 = TriCross(pts.At(v[0]), pts.At(v[1]), pts.At(v[2]));
        ASSERT_GT(a2, 0) << "triangle " << i;
        area += a2;
        for (int k = 0; k < 3; ++k)
            ASSERT_TRUE(edges.emplace(std::pair{v[k], v[(k + 1) % 3]}, int(i)).second)
                << "edge used twice in one direction";
    }
    const double hull = HullArea2(pts);
    EXPECT_NEAR(area, hull, 1e-9 * hull);
    // Hull edges have no twin; interior edges pass the flip test.
    int single = 0;
    for (const auto& [e, tri] : edges) {
        auto twin = edges.find({e.second, e.first});
        if (twin == edges.end()) {
            ++single;
            continue;
        }
        const auto& a = t.Triangles[size_t(tri)];
        const auto& b = t.Triangles[size_t(twin->second)];
        int opp = 0, added = 0;
        for (int k : a)
            if (k != e.first && k != e.second) added = k;
        for (int k : b)
            if (k != e.first && k != e.second) opp = k;
        EXPECT_FALSE(
            FlipImprovesDiagonal(pts.At(e.first), pts.At(e.second), pts.At(opp), pts.At(added)))
            << "edge " << e.first << "-" << e.second;
    }
    EXPECT_EQ(single, int(t.Hull.size()));
    for (size_t i = 0; i < t.Hull.size(); ++i) {
        EXPECT_EQ(t.Hull[i].End, t.Hull[(i + 1) % t.Hull.size()].Start);
        EXPECT_EQ(edges.at({t.Hull[i].Start, t.Hull[i].End}), t.Hull[i].Triangle);
    }
}

// Each sample point strictly inside some triangle is inside no other one.
void ExpectNoOverlap(const TriPoints& pts, const TTriangulation& t, std::mt19937& random) {
    std::uniform_real_distribution<double> unit(0, 1);
    for (int s = 0; s < 200; ++s) {
        const TPlanePoint q{unit(random), unit(random)};
        int inside = 0;
        for (const auto& v : t.Triangles)
            if (TriCross(pts.At(v[0]), pts.At(v[1]), q) > 0 &&
                TriCross(pts.At(v[1]), pts.At(v[2]), q) > 0 &&
                TriCross(pts.At(v[2]), pts.At(v[0]), q) > 0)
                ++inside;
        EXPECT_LE(inside, 1);
    }
}

TEST(TriangulationTest, SmallAndDegenerateInputs) {
    struct Case {
        const char* name;
        TriPoints points;
        size_t triangles;
        size_t hullEdges;
    };
    const Case cases[] = {
        {"three points", {{0, 1, 0}, {0, 0, 1}}, 1, 3},
        {"two points", {{0, 1}, {0, 0}}, 0, 0},
        {"collinear", {{0, 1, 2, 3, 5}, {0, 2, 4, 6, 10}}, 0, 0},
        {"all X equal", {{1, 1, 1, 1}, {0, 3, 1, 2}}, 0, 0},
        {"duplicates of three", {{0, 1, 0, 1, 0}, {0, 0, 1, 0, 1}}, 1, 3},
        {"only duplicates", {{2, 2, 2}, {3, 3, 3}}, 0, 0},
        {"square with centre", {{0, 2, 2, 0, 1}, {0, 0, 2, 2, 1}}, 4, 4},
        {"collinear then one off the line", {{0, 1, 2, 3, 1.5}, {0, 0, 0, 0, 2}}, 3, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TTriangulation t = TriangulatePoints(c.points.X, c.points.Z);
        EXPECT_EQ(t.Triangles.size(), c.triangles);
        EXPECT_EQ(t.Hull.size(), c.hullEdges);
        if (c.triangles > 0) ExpectProperTriangulation(c.points, t, 0);
    }
}

TEST(TriangulationTest, FourConvexPointsTakeThePreferredDiagonal) {
    // A flat rhombus: the short diagonal keeps the angles large, whatever the input order.
    struct Case {
        TriPoints points;
        int shortEnds[2];
    };
    const Case cases[] = {
        {{{0, 10, 20, 10}, {0, 1, 0, -1}}, {1, 3}},
        {{{10, 0, 10, 20}, {1, 0, -1, 0}}, {0, 2}},
    };
    for (const Case& c : cases) {
        const TTriangulation t = TriangulatePoints(c.points.X, c.points.Z);
        ASSERT_EQ(t.Triangles.size(), 2u);
        for (const auto& v : t.Triangles)
            for (int k : c.shortEnds) EXPECT_NE(std::find(v.begin(), v.end(), k), v.end());
        ExpectProperTriangulation(c.points, t, 0);
    }
    EXPECT_TRUE(FlipImprovesDiagonal({0, 0}, {20, 0}, {10, 1}, {10, -1}));
    EXPECT_FALSE(FlipImprovesDiagonal({10, 1}, {10, -1}, {0, 0}, {20, 0}));
    // A concave quadrilateral never flips.
    EXPECT_FALSE(FlipImprovesDiagonal({0, 0}, {4, 0}, {5, 2}, {5, -2}));
}

TEST(TriangulationTest, RandomPointSetsAreProperTriangulations) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 random(seed);
        std::uniform_real_distribution<double> unit(0, 1);
        std::uniform_int_distribution<int> grid(0, 30);
        TriPoints pts;
        const int n = 10 + int(seed) * 40;
        for (int i = 0; i < n; ++i) {
            // Odd seeds: points on a coarse grid (many duplicates, collinear and cocircular runs).
            if (seed % 2) {
                pts.X.push_back(grid(random) / 30.0);
                pts.Z.push_back(grid(random) / 30.0);
            } else {
                pts.X.push_back(unit(random));
                pts.Z.push_back(unit(random));
            }
        }
        const TTriangulation t = TriangulatePoints(pts.X, pts.Z);
        ASSERT_FALSE(t.Triangles.empty());
        ExpectProperTriangulation(pts, t, seed);
        ExpectNoOverlap(pts, t, random);
    }
}

TEST(TriangulationTest, ResultDoesNotDependOnFlipsForValidity) {
    std::mt19937 random(99);
    std::uniform_real_distribution<double> unit(0, 1);
    TriPoints pts;
    for (int i = 0; i < 300; ++i) {
        pts.X.push_back(unit(random));
        pts.Z.push_back(unit(random));
    }
    const TTriangulation fan = TriangulatePoints(pts.X, pts.Z, false);
    const TTriangulation flipped = TriangulatePoints(pts.X, pts.Z, true);
    // Same number of triangles (2n - 2 - hull) either way.
    EXPECT_EQ(fan.Triangles.size(), flipped.Triangles.size());
    EXPECT_EQ(flipped.Triangles.size(), 2 * pts.X.size() - 2 - flipped.Hull.size());
}

}  // namespace
