#pragma once
// Hit tests that find which chart part lies under the mouse. Points and coordinates are pixels.
#include <span>

#include "platform/graphics/Geometry.h"

// True when P is one of the end points or lies within Tolerance + 1 pixels of the segment.
bool IsPointNearLine(const TPoint& P, int X0, int Y0, int X1, int Y1, int Tolerance);
bool IsPointNearLinePoints(const TPoint& P, const TPoint& P0, const TPoint& P1, int Tolerance);
bool IsPointOnLine(const TPoint& P, int X0, int Y0, int X1, int Y1);
bool IsPointOnLinePoints(const TPoint& P, const TPoint& P0, const TPoint& P1);

// Even-odd test over Points[0..HighIndex]. Unlike the test of the point routines, a point on a
// left edge is inside and one on a right edge outside.
// False when HighIndex < 0.
bool PointInPolygon(const TPoint& P, std::span<const TPoint> Points, int HighIndex);
bool PointInTriangle(const TPoint& P, const TPoint& A, const TPoint& B, const TPoint& C);
// The triangle (X0, YBase), ((X0 + X1) div 2, YApex), (X1, YBase).
bool PointInTriangleVertical(const TPoint& P, int X0, int X1, int YBase, int YApex);
// The triangle (XBase, Y0), (XApex, (Y0 + Y1) div 2), (XBase, Y1).
bool PointInTriangleHorizontal(const TPoint& P, int Y0, int Y1, int XBase, int XApex);

// Inside or on the ellipse inscribed in the box; false when the box has no width or height.
bool PointInEllipse(const TPoint& P, int Left, int Top, int Right, int Bottom);
bool PointInEllipseRect(const TPoint& P, const TRect& R);

// The crossing point of the lines through the segments (X1, Y1)-(X2, Y2) and (X3, Y3)-(X4, Y4),
// and whether the segments themselves cross.
bool IntersectSegments(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                       double Y4, double& X, double& Y);
