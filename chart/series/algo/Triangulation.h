#pragma once
// Triangulation of scattered points in a plane (the X-Z ground plane of the tri-surface).
//
// The closest pair of points and the point that is nearest to their midpoint without lying on
// their line make the first triangle; every further point, in order of its distance from that
// midpoint, lies outside the triangulated region and is joined to the hull edges it sees. The
// edges opposite a new point are then flipped while the flip test asks for it, and sweeps over
// all edges (at most 100) finish the job. The flip test is a max-min angle rule: of the two
// diagonals of a convex quadrilateral it keeps the one whose adjacent angles have the larger
// smallest sine.
//
// Coinciding points take part once (the earliest); fewer than three distinct points, or points
// all on one line, give no triangle. The input is only read.
#include <array>
#include <span>
#include <vector>

struct TPlanePoint {
    double X = 0;
    double Z = 0;
};

// One edge of the convex hull, from Start to End (point indices), and the triangle on its inner
// side.
struct THullEdge {
    int Start = 0;
    int End = 0;
    int Triangle = 0;
};

struct TTriangulation {
    // Three point indices a triangle, all anticlockwise in (X, Z).
    std::vector<std::array<int, 3>> Triangles;
    // The hull, anticlockwise, each edge ending where the next starts.
    std::vector<THullEdge> Hull;
};

// True when the two triangles (e, f, opp) and (e, f, added) that share the edge e-f should
// rather share the diagonal added-opp: e and f lie strictly on both sides of that diagonal, and
// the smallest sine of the angles at its ends beats the smallest sine of the angles at e and f.
bool FlipImprovesDiagonal(const TPlanePoint& e, const TPlanePoint& f, const TPlanePoint& opp,
                          const TPlanePoint& added);

// flipEdges false leaves the fan triangles as inserted (no flips at all).
TTriangulation TriangulatePoints(std::span<const double> x, std::span<const double> z,
                                 bool flipEdges = true);
