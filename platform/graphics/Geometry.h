#pragma once
// Integer points, sizes and rectangles in device pixels. A rectangle's right and bottom edges lie
// outside it: Rect(0, 0, 4, 4) holds the pixels 0..3 in each direction.
#include <algorithm>
#include <cstdint>
#include <span>

struct TPoint {
    int X = 0;
    int Y = 0;
    constexpr bool operator==(const TPoint&) const = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    constexpr bool operator==(const TSize&) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(int x, int y) const {
        return x >= Left && x < Right && y >= Top && y < Bottom;
    }
    constexpr bool operator==(const TRect&) const = default;
};

constexpr TPoint Point(int x, int y) { return TPoint{x, y}; }
constexpr TRect Rect(int left, int top, int right, int bottom) {
    return TRect{left, top, right, bottom};
}
constexpr TRect Bounds(int left, int top, int width, int height) {
    return TRect{left, top, left + width, top + height};
}
// A rectangle's extents kept within an int: the edges of one from a file may lie at the ends of
// the integers, where Width() and Height() would overflow.
constexpr int ClampedWidth(const TRect& r) {
    return int(
        std::clamp<long long>(static_cast<long long>(r.Right) - r.Left, INT32_MIN, INT32_MAX));
}
constexpr int ClampedHeight(const TRect& r) {
    return int(
        std::clamp<long long>(static_cast<long long>(r.Bottom) - r.Top, INT32_MIN, INT32_MAX));
}
// The common part of two rectangles; an empty rectangle (all zero) when they do not meet.
constexpr TRect IntersectRect(const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    return r.IsEmpty() ? TRect{} : r;
}
// The smallest and largest coordinates of the points: unlike a rectangle of pixels, right and
// bottom are the largest coordinates themselves. All zero when there are no points.
constexpr TRect BoundsOfPoints(std::span<const TPoint> points) {
    if (points.empty()) return TRect{};
    TRect r{points[0].X, points[0].Y, points[0].X, points[0].Y};
    for (const TPoint& p : points.subspan(1)) {
        r.Left = std::min(r.Left, p.X);
        r.Top = std::min(r.Top, p.Y);
        r.Right = std::max(r.Right, p.X);
        r.Bottom = std::max(r.Bottom, p.Y);
    }
    return r;
}
// The same rectangle with left <= right and top <= bottom.
constexpr TRect NormalizedRect(const TRect& r) {
    return TRect{std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
                 std::max(r.Top, r.Bottom)};
}
