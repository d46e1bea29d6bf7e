#pragma once
// The centroid of a polygon's screen points by the shoelace sums: the midpoint of the first two
// for fewer than three points, the single point for one; clockwise and anticlockwise outlines
// give the same answer. A polygon of no area divides by 6 in place of 6 A.
#include <span>

struct TCentroid {
    double X = 0;
    double Y = 0;
};

struct TIntPoint {
    int X = 0;
    int Y = 0;
};

TCentroid PolygonCentroid(std::span<const TIntPoint> points);
