#include "chart/foundation/HitTests.h"

#include <cassert>
#include <cmath>
#include <cstdint>

namespace {

double DistanceToSegment(const TPoint& p, const TPoint& a, const TPoint& b) {
    const double px = double(p.X) - a.X;
    const double py = double(p.Y) - a.Y;
    const double dx = double(b.X) - a.X;
    const double dy = double(b.Y) - a.Y;
    const double length2 = dx * dx + dy * dy;
    if (length2 == 0) return std::hypot(px, py);
    const double t = (px * dx + py * dy) / length2;
    if (t < 0) return std::hypot(px, py);
    if (t > 1) return std::hypot(double(p.X) - b.X, double(p.Y) - b.Y);
    return std::hypot(px - t * dx, py - t * dy);
}

}  // namespace

bool IsPointNearLine(const TPoint& P, int X0, int Y0, int X1, int Y1, int Tolerance) {
    const TPoint a{X0, Y0};
    const TPoint b{X1, Y1};
    if (P == a || P == b) return true;
    return DistanceToSegment(P, a, b) <= double(Tolerance) + 1;
}

bool IsPointNearLinePoints(const TPoint& P, const TPoint& P0, const TPoint& P1, int Tolerance) {
    return IsPointNearLine(P, P0.X, P0.Y, P1.X, P1.Y, Tolerance);
}

bool IsPointOnLine(const TPoint& P, int X0, int Y0, int X1, int Y1) {
    return IsPointNearLine(P, X0, Y0, X1, Y1, 0);
}

bool IsPointOnLinePoints(const TPoint& P, const TPoint& P0, const TPoint& P1) {
    return IsPointNearLine(P, P0.X, P0.Y, P1.X, P1.Y, 0);
}

bool PointInPolygon(const TPoint& P, std::span<const TPoint> Points, int HighIndex) {
    if (HighIndex < 0) return false;
    assert(size_t(HighIndex) < Points.size() && "PointInPolygon: HighIndex past the points");
    bool inside = false;
    int j = HighIndex;
    for (int i = 0; i <= HighIndex; j = i++) {
        const TPoint& a = Points[size_t(i)];
        const TPoint& b = Points[size_t(j)];
        if ((P.Y >= a.Y && P.Y < b.Y) || (P.Y >= b.Y && P.Y < a.Y)) {
            const double x = (double(b.X) - a.X) * (double(P.Y) - a.Y) / (double(b.Y) - a.Y) + a.X;
            if (P.X < x) inside = !inside;
        }
    }
    return inside;
}

bool PointInTriangle(const TPoint& P, const TPoint& A, const TPoint& B, const TPoint& C) {
    const TPoint points[3] = {A, B, C};
    return PointInPolygon(P, points, 2);
}

bool PointInTriangleVertical(const TPoint& P, int X0, int X1, int YBase, int YApex) {
    return PointInTriangle(P, TPoint{X0, YBase}, TPoint{int((int64_t(X0) + X1) / 2), YApex},
                           TPoint{X1, YBase});
}

bool PointInTriangleHorizontal(const TPoint& P, int Y0, int Y1, int XBase, int XApex) {
    return PointInTriangle(P, TPoint{XBase, Y0}, TPoint{XApex, int((int64_t(Y0) + Y1) / 2)},
                           TPoint{XBase, Y1});
}

bool PointInEllipse(const TPoint& P, int Left, int Top, int Right, int Bottom) {
    const int64_t cx = (int64_t(Left) + Right) / 2;
    const int64_t cy = (int64_t(Top) + Bottom) / 2;
    const double a2 = double(cx - Left) * double(cx - Left);
    const double b2 = double(cy - Top) * double(cy - Top);
    if (a2 == 0 || b2 == 0) return false;
    const double dx = double(P.X - cx);
    const double dy = double(P.Y - cy);
    return dx * dx / a2 + dy * dy / b2 <= 1;
}

bool PointInEllipseRect(const TPoint& P, const TRect& R) {
    return PointInEllipse(P, R.Left, R.Top, R.Right, R.Bottom);
}

namespace {

// Which side of the line through a and b the point (x, y) lies on (zero: on the line).
double Side(double x, double y, double xa, double ya, double xb, double yb) {
    return x * (yb - ya) - y * (xb - xa) - (yb * xa - ya * xb);
}

// One value positive and the other not.
bool Straddle(double u, double v) { return (u > 0) != (v > 0); }
// Exactly one of the two values zero.
bool OneTouches(double u, double v) { return (u == 0) != (v == 0); }

}  // namespace

bool IntersectSegments(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                       double Y4, double& X, double& Y) {
    // The crossing of the two lines. A vertical segment has no slope: the crossing then lies on
    // its X, and two vertical lines meet (as two parallel ones) at the first segment's end.
    const bool vertical1 = X1 == X2;
    const bool vertical2 = X3 == X4;
    const double m1 = vertical1 ? 0 : (Y2 - Y1) / (X2 - X1);
    const double m2 = vertical2 ? 0 : (Y4 - Y3) / (X4 - X3);
    const double b1 = Y1 - X1 * m1;
    const double b2 = Y3 - X3 * m2;
    if (vertical1 && vertical2) {
        X = X2;
        Y = Y2;
    } else if (vertical1) {
        X = X1;
        Y = b2 + m2 * X;
    } else if (vertical2) {
        X = X3;
        Y = b1 + m1 * X;
    } else {
        X = std::fabs(m2 - m1) <= 1e-15 ? X2 : (b1 - b2) / (m2 - m1);
        Y = b1 + m1 * X;
    }

    const double s3 = Side(X3, Y3, X1, Y1, X2, Y2);
    const double s4 = Side(X4, Y4, X1, Y1, X2, Y2);
    const double s1 = Side(X1, Y1, X3, Y3, X4, Y4);
    const double s2 = Side(X2, Y2, X3, Y3, X4, Y4);
    if (Straddle(s3, s4) && Straddle(s1, s2)) return true;
    return OneTouches(s3, s4) && OneTouches(s1, s2);
}
