#include "chart/foundation/PointRoutines.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>

#include "platform/graphics/Bitmap.h"
#include "platform/rtl/RtlMath.h"

void RectSize(const TRect& R, int& Width, int& Height) {
    Width = R.Right - R.Left;
    Height = R.Bottom - R.Top;
}

void RectCenter(const TRect& R, int& X, int& Y) {
    // Summed in 64 bits so that rectangles near the ends of the integers keep their centre.
    X = int((int64_t(R.Left) + R.Right) / 2);
    Y = int((int64_t(R.Top) + R.Bottom) / 2);
}

bool PointInRectXY(const TRect& R, int X, int Y) {
    return X >= R.Left && X <= R.Right && Y >= R.Top && Y <= R.Bottom;
}

bool PointInRect(const TRect& R, const TPoint& P) { return PointInRectXY(R, P.X, P.Y); }

TRect OuterBoundsOfPoints(std::span<const TPoint> Points, int Count) {
    assert(Count >= 0 && size_t(Count) <= Points.size() && "OuterBoundsOfPoints: Count");
    TRect r = BoundsOfPoints(Points.first(size_t(Count)));
    ++r.Right;
    ++r.Bottom;
    return r;
}

TRect OuterBoundsOfTriangle(std::span<const TPoint, 3> Points) {
    return OuterBoundsOfPoints(Points, 3);
}

namespace {

// The turn of a -> b -> c around b, in 64 bits so that far projected points cannot overflow.
int64_t Turn(const TPoint& a, const TPoint& b, const TPoint& c) {
    return (int64_t(a.X) - b.X) * (int64_t(c.Y) - b.Y) -
           (int64_t(c.X) - b.X) * (int64_t(a.Y) - b.Y);
}

}  // namespace

bool IsCulledFace(const TPoint& P0, const TPoint& P1, const TPoint& P2) {
    return Turn(P0, P1, P2) < 0;
}

bool IsCulledTriangle(std::span<const TPoint> Points) {
    assert(Points.size() >= 3 && "IsCulledTriangle needs three points");
    return IsCulledFace(Points[0], Points[1], Points[2]);
}

bool PointInPolygon(const TPoint& P, std::span<const TPoint> Polygon) {
    bool inside = false;
    size_t j = Polygon.size() - 1;
    for (size_t i = 0; i < Polygon.size(); j = i++) {
        const TPoint& a = Polygon[i];
        const TPoint& b = Polygon[j];
        if ((P.Y >= a.Y && P.Y < b.Y) || (P.Y >= b.Y && P.Y < a.Y)) {
            const long double x = (static_cast<long double>(b.X) - a.X) *
                                      (P.Y - static_cast<long double>(a.Y)) /
                                      (static_cast<long double>(b.Y) - a.Y) +
                                  a.X;
            if (P.X <= x) inside = !inside;
        }
    }
    return inside;
}

bool PolygonInsidePolygon(std::span<const TPoint> Inner, std::span<const TPoint> Outer) {
    return std::all_of(Inner.begin(), Inner.end(),
                       [&](const TPoint& p) { return PointInPolygon(p, Outer); });
}

namespace {

// Sorts the points by ascending key; the partition value is the middle element's key, so points
// of equal keys end in the order this partitioning leaves them.
void SortByKey(std::vector<TPoint>& points, std::vector<float>& keys, int l, int r) {
    int i = l;
    int j = r;
    const float mid = keys[size_t((l + r) / 2)];
    do {
        while (keys[size_t(i)] < mid) ++i;
        while (mid < keys[size_t(j)]) --j;
        if (i <= j) {
            std::swap(points[size_t(i)], points[size_t(j)]);
            std::swap(keys[size_t(i)], keys[size_t(j)]);
            ++i;
            --j;
        }
    } while (i <= j);
    if (l < j) SortByKey(points, keys, l, j);
    if (i < r) SortByKey(points, keys, i, r);
}

}  // namespace

bool ConvexHull(std::vector<TPoint>& Points) {
    if (Points.size() < 3) return false;
    if (Points.size() == 3) return true;

    // Pivot: the lowest Y, the largest X among equals. Starting from the first point (rather
    // than from fixed large start values) finds it for any coordinates.
    size_t pivotIndex = 0;
    for (size_t t = 1; t < Points.size(); ++t) {
        const TPoint& p = Points[t];
        const TPoint& best = Points[pivotIndex];
        if (p.Y < best.Y || (p.Y == best.Y && p.X > best.X)) pivotIndex = t;
    }
    const TPoint pivot = Points[pivotIndex];
    Points[pivotIndex] = Points.back();
    Points.pop_back();

    // Key: the cosine of the angle from the pivot, worked out in extended precision and kept in
    // single precision, so that nearly equal angles tie as the hull expects.
    std::vector<float> keys(Points.size());
    for (size_t t = 0; t < Points.size(); ++t) {
        const long double dx = static_cast<long double>(pivot.X) - Points[t].X;
        const long double dy = static_cast<long double>(pivot.Y) - Points[t].Y;
        const long double h = std::sqrt(dx * dx + dy * dy);
        keys[t] = h == 0 ? 0.0f : float(dx / h);
    }
    SortByKey(Points, keys, 0, int(Points.size()) - 1);

    // Keep the points that turn the right way; a rejected point makes its predecessor be checked
    // again against its new neighbour, and the last point is checked against the pivot. Index 0
    // is always kept. The kept points are packed in place as a stack (Points[0..kept)), which
    // visits the same triples as removing each rejected point from the list, in linear time.
    const size_t count = Points.size();
    size_t kept = 2;
    for (size_t k = 2; k <= count; ++k) {
        const TPoint next = k < count ? Points[k] : pivot;
        while (kept >= 2 && Turn(Points[kept - 2], Points[kept - 1], next) >= 0) --kept;
        if (k < count) Points[kept++] = next;
    }
    Points.resize(kept);
    Points.push_back(pivot);
    return true;
}

TPoint PointBeforeEnd(const TPoint& Start, const TPoint& End, int Distance) {
    if (End.X != Start.X) {
        const double a = std::atan2(double(End.Y) - Start.Y, double(End.X) - Start.X);
        return TPoint{int(End.X - Round(std::cos(a) * Distance)),
                      int(End.Y - Round(std::sin(a) * Distance))};
    }
    if (End.Y < Start.Y) return TPoint{End.X, End.Y + Distance};
    return TPoint{End.X, End.Y - Distance};
}

double Hypotenuse(double A, double B) { return std::sqrt(A * A + B * B); }

void SetBitmapSize(TBitmap& Bitmap, int Width, int Height) {
    Bitmap.SetWidth(Width);
    Bitmap.SetHeight(Height);
}
