#pragma once
// Small geometric routines shared by the whole chart library: building and measuring points and
// rectangles, bounds of point lists, the back-face test of the 3-D primitives, an even-odd
// point-in-polygon test, a convex hull for clipping and the point an arrow head ends at.
// Divisions by 2 truncate toward zero. (NormalizedRect and BoundsOfPoints live with TRect itself.)
#include <span>
#include <utility>
#include <vector>

#include "platform/graphics/Geometry.h"

class TBitmap;

constexpr TPoint MakePoint(int X, int Y) { return TPoint{X, Y}; }
constexpr TRect MakeRect(int Left, int Top, int Right, int Bottom) {
    return TRect{Left, Top, Right, Bottom};
}

void RectSize(const TRect& R, int& Width, int& Height);
void RectCenter(const TRect& R, int& X, int& Y);

// Every edge belongs to the rectangle, right and bottom too.
bool PointInRectXY(const TRect& R, int X, int Y);
bool PointInRect(const TRect& R, const TPoint& P);

// The bounds of the first Count points (BoundsOfPoints lives with TRect) with right and bottom one
// past the largest coordinates, ready for a fill that excludes its right and bottom edges.
TRect OuterBoundsOfPoints(std::span<const TPoint> Points, int Count);
TRect OuterBoundsOfTriangle(std::span<const TPoint, 3> Points);

// True when the projected points P0, P1, P2 turn so that the face is seen from behind.
bool IsCulledFace(const TPoint& P0, const TPoint& P1, const TPoint& P2);
bool IsCulledTriangle(std::span<const TPoint> Points);

// Even-odd crossing test in extended precision; a point on a right edge or the top row counts as
// inside, one on a left edge or the bottom row outside. False for an empty polygon.
bool PointInPolygon(const TPoint& P, std::span<const TPoint> Polygon);
// True when every point of Inner lies in Outer (true for an empty Inner).
bool PolygonInsidePolygon(std::span<const TPoint> Inner, std::span<const TPoint> Outer);

// Reduces Points to their convex hull, each turn the way IsCulledFace calls culled, with the
// lowest point (the rightmost among equals) last.
// Three points are kept as they are; fewer than three give false.
bool ConvexHull(std::vector<TPoint>& Points);

// The point Distance before End on the line from Start (where an arrow's head begins).
TPoint PointBeforeEnd(const TPoint& Start, const TPoint& End, int Distance);

double Hypotenuse(double A, double B);
inline void ExchangeIntegers(int& A, int& B) { std::swap(A, B); }
inline void ExchangeDoubles(double& A, double& B) { std::swap(A, B); }

// Width first, then height.
void SetBitmapSize(TBitmap& Bitmap, int Width, int Height);
