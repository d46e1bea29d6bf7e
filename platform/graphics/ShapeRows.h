#pragma once
// The rows of the shapes the canvas and the regions are made of: for each row y, the span
// [lo, hi) of pixel centres x + 0.5 that lie inside the shape. A pixel belongs to a shape when its
// centre does. Also the pixels of one-pixel lines.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/graphics/Geometry.h"

// Rows are looked at only within +-RowLimit: no surface is that tall, and coordinates far out
// (a chart zoomed deep in) must not cost a loop over millions of rows.
inline constexpr int RowLimit = 1 << 16;

inline int ClampRow(double y) { return int(std::clamp(y, double(-RowLimit), double(RowLimit))); }

// The rows of the ellipse in box, within rows [top, bottom): centres on the ellipse belong to it.
template <class F>
void EllipseRows(const TRect& box, int top, int bottom, F&& f) {
    // In doubles: a box from a file may reach the ends of the integers.
    const double cx = (double(box.Left) + box.Right) / 2, cy = (double(box.Top) + box.Bottom) / 2;
    const double a = (double(box.Right) - box.Left) / 2, b = (double(box.Bottom) - box.Top) / 2;
    if (a <= 0 || b <= 0) return;
    for (int y = std::max(box.Top, top); y < std::min(box.Bottom, bottom); ++y) {
        const double dy = (y + 0.5 - cy) / b;
        if (dy * dy > 1) continue;
        const double half = a * std::sqrt(1 - dy * dy);
        f(y, cx - half, std::nextafter(cx + half, INFINITY));
    }
}

// The rows of a rectangle with corners rounded by ellipses of ellipseWidth x ellipseHeight.
template <class F>
void RoundRectRows(const TRect& box, int ellipseWidth, int ellipseHeight, int top, int bottom,
                   F&& f) {
    const double rx = std::min(std::abs(double(ellipseWidth)), double(box.Right) - box.Left) / 2;
    const double ry = std::min(std::abs(double(ellipseHeight)), double(box.Bottom) - box.Top) / 2;
    for (int y = std::max(box.Top, top); y < std::min(box.Bottom, bottom); ++y) {
        const double yc = y + 0.5;
        double dy = 0;
        if (yc < box.Top + ry)
            dy = (box.Top + ry - yc) / ry;
        else if (yc > box.Bottom - ry)
            dy = (yc - (box.Bottom - ry)) / ry;
        double inset = 0;
        if (dy > 0) {
            if (dy > 1) continue;
            inset = rx - rx * std::sqrt(1 - dy * dy);
        }
        f(y, box.Left + inset, std::nextafter(box.Right - inset, INFINITY));
    }
}

// The rows of a polygon by alternate (even-odd) fill or by winding, within rows [top, bottom);
// a row may have several spans. crossings is scratch space kept by the caller.
template <class F>
void PolygonRows(std::span<const TPoint> points, bool winding, int top, int bottom,
                 std::vector<std::pair<double, int>>& crossings, F&& f) {
    const size_t n = points.size();
    if (n < 3) return;
    int lowest = points[0].Y, highest = points[0].Y;
    for (const TPoint& p : points) {
        lowest = std::min(lowest, p.Y);
        highest = std::max(highest, p.Y);
    }
    for (int y = std::max(top, lowest); y < std::min(bottom, highest); ++y) {
        const double yc = y + 0.5;
        crossings.clear();
        // Where the edges cross the row through the pixel centres, with their direction.
        for (size_t i = 0; i < n; ++i) {
            const TPoint& p = points[i];
            const TPoint& q = points[(i + 1) % n];
            if (p.Y == q.Y) continue;
            const bool down = q.Y > p.Y;
            const double y0 = down ? p.Y : q.Y, y1 = down ? q.Y : p.Y;
            if (yc < y0 || yc >= y1) continue;
            crossings.emplace_back(p.X + (yc - p.Y) * (double(q.X) - p.X) / (double(q.Y) - p.Y),
                                   down ? 1 : -1);
        }
        if (crossings.empty()) continue;
        std::sort(crossings.begin(), crossings.end());
        int count = 0;
        for (size_t i = 0; i + 1 < crossings.size(); ++i) {
            count += winding ? crossings[i].second : 1;
            const bool inside = winding ? count != 0 : (count & 1) != 0;
            if (inside) f(y, crossings[i].first, crossings[i + 1].first);
        }
    }
}

// Ends and corners of wide lines: round ends reach half the width past the end points, square
// ends as far but square, flat ends stop at them.
enum TLineCap { lcRound, lcSquare, lcFlat };
enum TLineJoin { ljRound, ljBevel, ljMiter };

// The rows of a convex polygon with corners at xs, ys (pixel units): calls f(y, lo, hi) with
// the span [lo, hi) of the row through the pixel centres y + 0.5, for rows with
// top <= y + 0.5 < bottom, looking only at rows [firstRow, endRow): a shape far taller than
// the grid it is drawn on costs no more than the grid.
template <class F>
void ConvexRows(const double* xs, const double* ys, int n, int firstRow, int endRow, F&& f) {
    double top = ys[0], bottom = ys[0];
    for (int i = 1; i < n; ++i) {
        top = std::min(top, ys[i]);
        bottom = std::max(bottom, ys[i]);
    }
    const int last = std::min(ClampRow(std::ceil(bottom)), endRow - 1);
    for (int y = std::max(ClampRow(std::floor(top - 0.5)), firstRow); y <= last; ++y) {
        const double yc = y + 0.5;
        if (yc < top || yc >= bottom) continue;
        double lo = INFINITY, hi = -INFINITY;
        for (int i = 0; i < n; ++i) {
            const double x0 = xs[i], y0 = ys[i], x1 = xs[(i + 1) % n], y1 = ys[(i + 1) % n];
            if (y0 == y1 || yc < std::min(y0, y1) || yc > std::max(y0, y1)) continue;
            const double x = x0 + (yc - y0) * (x1 - x0) / (y1 - y0);
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
        if (lo < hi) f(y, lo, hi);
    }
}

// The rows of a disc about (cx, cy), as ConvexRows.
template <class F>
void DiscRows(double cx, double cy, double r, int firstRow, int endRow, F&& f) {
    const int last = std::min(ClampRow(std::ceil(cy + r)), endRow - 1);
    for (int y = std::max(ClampRow(std::floor(cy - r - 0.5)), firstRow); y <= last; ++y) {
        const double yc = y + 0.5;
        if (yc < cy - r || yc >= cy + r) continue;
        const double h = std::sqrt(std::max(0.0, r * r - (yc - cy) * (yc - cy)));
        if (h > 0) f(y, cx - h, cx + h);
    }
}

// The rows of a line of the given width between the centres of pixels a and b, with the end
// capA at a and capB at b, within rows [firstRow, endRow); the line is convex, so each row has
// one span.
template <class F>
void ThickLineRows(TPoint a, TPoint b, int width, TLineCap capA, TLineCap capB, int firstRow,
                   int endRow, F&& f) {
    const double r = std::max(width, 1) / 2.0;
    const double ax = a.X + 0.5, ay = a.Y + 0.5, bx = b.X + 0.5, by = b.Y + 0.5;
    const double len = std::hypot(bx - ax, by - ay);
    if (len == 0) {
        if (capA == lcRound) DiscRows(ax, ay, r, firstRow, endRow, f);
        if (capA == lcSquare) {
            const double xs[4] = {ax - r, ax + r, ax + r, ax - r};
            const double ys[4] = {ay - r, ay - r, ay + r, ay + r};
            ConvexRows(xs, ys, 4, firstRow, endRow, f);
        }
        return;
    }
    const double ux = (bx - ax) / len, uy = (by - ay) / len;  // along the line
    const double nx = -uy * r, ny = ux * r;                   // across it, half the width
    const double extA = capA == lcSquare ? r : 0, extB = capB == lcSquare ? r : 0;
    const double x0 = ax - ux * extA, y0 = ay - uy * extA, x1 = bx + ux * extB, y1 = by + uy * extB;
    const double xs[4] = {x0 + nx, x1 + nx, x1 - nx, x0 - nx};
    const double ys[4] = {y0 + ny, y1 + ny, y1 - ny, y0 - ny};
    if (capA != lcRound && capB != lcRound) return ConvexRows(xs, ys, 4, firstRow, endRow, f);
    // Round ends: the band and the discs overlap, so each row's span is the hull of theirs.
    const int top = std::max(ClampRow(std::floor(std::min(ay, by) - r - 0.5)), firstRow);
    const int bottom = std::min(ClampRow(std::ceil(std::max(ay, by) + r)), endRow - 1);
    auto emitRow = [&](int y) {
        const double yc = y + 0.5;
        double lo = INFINITY, hi = -INFINITY;
        for (auto [px, py, round] :
             {std::tuple{ax, ay, capA == lcRound}, std::tuple{bx, by, capB == lcRound}}) {
            if (!round || yc < py - r || yc >= py + r) continue;
            const double h = std::sqrt(std::max(0.0, r * r - (yc - py) * (yc - py)));
            lo = std::min(lo, px - h);
            hi = std::max(hi, px + h);
        }
        for (int i = 0; i < 4; ++i) {
            const double ex0 = xs[i], ey0 = ys[i], ex1 = xs[(i + 1) % 4], ey1 = ys[(i + 1) % 4];
            if (ey0 == ey1 || yc < std::min(ey0, ey1) || yc > std::max(ey0, ey1)) continue;
            const double x = ex0 + (yc - ey0) * (ex1 - ex0) / (ey1 - ey0);
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
        if (lo < hi) f(y, lo, hi);
    };
    for (int y = top; y <= bottom; ++y) emitRow(y);
}

// Cells whose centres x + 0.5 lie in [lo, hi).
inline void CentreCells(double lo, double hi, int& x0, int& x1) {
    constexpr double limit = 1 << 30;  // far outside any surface, and safe to convert
    x0 = int(std::ceil(std::clamp(lo, -limit, limit) - 0.5));
    x1 = int(std::ceil(std::clamp(hi, -limit, limit) - 0.5));
}

// The pixels of a one-pixel line from a towards b, b itself left out: calls f(x, y, i) for the
// i-th pixel from a. Only the steps whose leading coordinate lies inside window are visited, so
// a line far longer than the surface costs no more than one across it; the pixels are the same
// as those of the whole line.
template <class F>
void LinePixels(TPoint a, TPoint b, const TRect& window, F&& f) {
    const int64_t dx = int64_t(b.X) - a.X, dy = int64_t(b.Y) - a.Y;
    const bool xLeads = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const int64_t major = xLeads ? (dx < 0 ? -dx : dx) : (dy < 0 ? -dy : dy);
    const int64_t minor = xLeads ? (dy < 0 ? -dy : dy) : (dx < 0 ? -dx : dx);
    if (major == 0) return;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    // Steps whose leading coordinate, start + sign * i, lies in [lo, hi).
    const int64_t start = xLeads ? a.X : a.Y;
    const int sign = xLeads ? sx : sy;
    const int64_t lo = xLeads ? window.Left : window.Top,
                  hi = xLeads ? window.Right : window.Bottom;
    int64_t i0 = 0, i1 = major;
    if (sign > 0) {
        i0 = std::max(i0, lo - start);
        i1 = std::min(i1, hi - start);
    } else {
        i0 = std::max(i0, start - (hi - 1));
        i1 = std::min(i1, start - lo + 1);
    }
    for (int64_t i = i0; i < i1; ++i) {
        // The minor coordinate in closed form, as the incremental midpoint rule gives it.
        const int64_t m = (2 * i * minor + major - 1) / (2 * major);
        const int64_t x = xLeads ? a.X + sx * i : a.X + sx * m;
        const int64_t y = xLeads ? a.Y + sy * m : a.Y + sy * i;
        f(int(x), int(y), i);
    }
}
