#pragma once
// Bezier curves through screen points drawn as chains of short straight pieces: which points
// start, steer and end each curve of a series, and the points of one curve.
#include <span>
#include <vector>

#include "platform/graphics/Geometry.h"

enum TBezierStyle { bsWindows, bsBezier3, bsBezier4 };

// One curve: the indexes of its points, the first its start and the last its end; three for a
// quadratic curve, four for a cubic one.
struct TBezierCurve {
    int Points[4] = {0, 0, 0, 0};
    int Count = 0;
    int End() const { return Points[Count - 1]; }
};

// The curves of count points in that style: quadratic curves ending at 2, 4, 6 ...; cubic ones
// ending at 3, 6, 9 ...; the platform style (in 3-D, where the platform's own curve is not
// used) a quadratic curve ending at 2, then cubic ones ending at 5, 8, 11 ... Points after the
// last whole curve are not joined.
std::vector<TBezierCurve> BezierCurvesOf(TBezierStyle style, int count);

// The platform style in 2-D: cubic curves from the first point over (n div 3) x 3 points,
// (0; 0, 1, 2), (2; 3, 4, 5) ... (start; two control points, end).
std::vector<TBezierCurve> PlatformBezierCurvesOf(int count);

// The pieces' ends of one curve through p (3 or 4 points): steps points at t = j / steps, each
// coordinate rounded.
std::vector<TPoint> BezierPieceEnds(std::span<const TPoint> p, int steps);
