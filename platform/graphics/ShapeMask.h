#pragma once
// The pixels of a shape, worked out on a grid of cells over the shape's bounds before anything
// is painted, so that each pixel is painted once (raster operations such as XOR need that) and
// the canvas and the regions agree on which pixels a shape covers. A pixel belongs to a shape
// when its centre lies inside it.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/graphics/Geometry.h"

// Ends and corners of wide lines: round ends reach half the width past the end points, square
// ends as far but square, flat ends stop at them.
enum TLineCap { lcRound, lcSquare, lcFlat };
enum TLineJoin { ljRound, ljBevel, ljMiter };

// The rows of a convex polygon with corners at xs, ys (pixel units): calls f(y, lo, hi) with
// the span [lo, hi) of the row through the pixel centres y + 0.5, for rows with
// top <= y + 0.5 < bottom.
template <class F>
void ConvexRows(const double* xs, const double* ys, int n, F&& f) {
    double top = ys[0], bottom = ys[0];
    for (int i = 1; i < n; ++i) {
        top = std::min(top, ys[i]);
        bottom = std::max(bottom, ys[i]);
    }
    for (int y = int(std::floor(top - 0.5)); y <= int(std::ceil(bottom)); ++y) {
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
void DiscRows(double cx, double cy, double r, F&& f) {
    for (int y = int(std::floor(cy - r - 0.5)); y <= int(std::ceil(cy + r)); ++y) {
        const double yc = y + 0.5;
        if (yc < cy - r || yc >= cy + r) continue;
        const double h = std::sqrt(std::max(0.0, r * r - (yc - cy) * (yc - cy)));
        if (h > 0) f(y, cx - h, cx + h);
    }
}

// The rows of a line of the given width between the centres of pixels a and b, with the end
// capA at a and capB at b; the line is convex, so each row has one span.
template <class F>
void ThickLineRows(TPoint a, TPoint b, int width, TLineCap capA, TLineCap capB, F&& f) {
    const double r = std::max(width, 1) / 2.0;
    const double ax = a.X + 0.5, ay = a.Y + 0.5, bx = b.X + 0.5, by = b.Y + 0.5;
    const double len = std::hypot(bx - ax, by - ay);
    if (len == 0) {
        if (capA == lcRound) DiscRows(ax, ay, r, f);
        if (capA == lcSquare) {
            const double xs[4] = {ax - r, ax + r, ax + r, ax - r};
            const double ys[4] = {ay - r, ay - r, ay + r, ay + r};
            ConvexRows(xs, ys, 4, f);
        }
        return;
    }
    const double ux = (bx - ax) / len, uy = (by - ay) / len;  // along the line
    const double nx = -uy * r, ny = ux * r;                     // across it, half the width
    const double extA = capA == lcSquare ? r : 0, extB = capB == lcSquare ? r : 0;
    const double x0 = ax - ux * extA, y0 = ay - uy * extA, x1 = bx + ux * extB, y1 = by + uy * extB;
    const double xs[4] = {x0 + nx, x1 + nx, x1 - nx, x0 - nx};
    const double ys[4] = {y0 + ny, y1 + ny, y1 - ny, y0 - ny};
    if (capA != lcRound && capB != lcRound) return ConvexRows(xs, ys, 4, f);
    // Round ends: the band and the discs overlap, so each row's span is the hull of theirs.
    const int top = int(std::floor(std::min(ay, by) - r - 0.5));
    const int bottom = int(std::ceil(std::max(ay, by) + r));
    auto emitRow = [&](int y) {
        const double yc = y + 0.5;
        double lo = INFINITY, hi = -INFINITY;
        for (auto [px, py, round] : {std::tuple{ax, ay, capA == lcRound},
                                      std::tuple{bx, by, capB == lcRound}}) {
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

class TShapeMask {
public:
    static constexpr uint8_t Outside = 0;
    static constexpr uint8_t Edge = 1;      // inside, within the pen's width of the outside
    static constexpr uint8_t Interior = 2;  // inside, farther in (after MarkInterior)

    // Clears the grid to Outside over bounds.
    void Reset(const TRect& bounds);
    const TRect& Bounds() const { return FBounds; }
    bool Empty() const { return FBounds.IsEmpty(); }
    uint8_t At(int x, int y) const;

    // Adds the shape's cells as Edge, or as `value`: an inner shape added as Interior leaves
    // the ring between the two as the outline of a wide pen.
    void AddEllipse(const TRect& box, uint8_t value = Edge);
    void AddRoundRect(const TRect& box, int ellipseWidth, int ellipseHeight, uint8_t value = Edge);
    // Alternate (even-odd) fill, or winding.
    void AddPolygon(std::span<const TPoint> points, bool winding = false);
    // A line of the given width between two pixel centres, with its ends.
    void AddThickLine(TPoint a, TPoint b, int width, TLineCap capA, TLineCap capB);
    // The join of a wide line's two segments at `at`, from `from` and on to `to`.
    void AddJoin(TPoint from, TPoint at, TPoint to, int width, TLineJoin join);
    // Keeps the cells of the sector from the radial through `start` counter-clockwise to the
    // radial through `end` about the centre of box (the whole turn when they coincide).
    void KeepSector(const TRect& box, TPoint start, TPoint end);
    // Keeps the cells on the arc's side of the chord between where the two radials meet the
    // ellipse of box.
    void KeepChordSide(const TRect& box, TPoint start, TPoint end);
    // Cells whose neighbours up to `depth` pixels away (in x, y and, from depth 2, diagonally)
    // are all inside become Interior; the rest of the shape stays Edge.
    void MarkInterior(int depth);

    // Calls f(y, x0, x1, value) for each run of equal non-zero cells, x1 exclusive.
    template <class F>
    void ForEachRun(F&& f) const {
        const int w = FBounds.Width();
        for (int y = FBounds.Top; y < FBounds.Bottom; ++y) {
            const uint8_t* row = &FCells[size_t(y - FBounds.Top) * size_t(w)];
            int x = 0;
            while (x < w) {
                const uint8_t v = row[x];
                int e = x + 1;
                while (e < w && row[e] == v) ++e;
                if (v) f(y, FBounds.Left + x, FBounds.Left + e, v);
                x = e;
            }
        }
    }

private:
    uint8_t* Row(int y) { return &FCells[size_t(y - FBounds.Top) * size_t(FBounds.Width())]; }
    // Cells whose centres x + 0.5 lie in [lo, hi), in row y.
    void SetCentres(int y, double lo, double hi, uint8_t value = Edge);

    TRect FBounds;
    std::vector<uint8_t> FCells;
    std::vector<uint8_t> FScratch;
    std::vector<std::pair<double, int>> FCrossings;
};

// Cells whose centres x + 0.5 lie in [lo, hi).
inline void CentreCells(double lo, double hi, int& x0, int& x1) {
    x0 = int(std::ceil(lo - 0.5));
    x1 = int(std::ceil(hi - 0.5));
}

// The pixels of a one-pixel line from a towards b, b itself left out, in drawing order.
template <class F>
void LinePixels(TPoint a, TPoint b, F&& f) {
    int dx = b.X - a.X, dy = b.Y - a.Y;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    dx = dx < 0 ? -dx : dx;
    dy = dy < 0 ? -dy : dy;
    int x = a.X, y = a.Y;
    if (dx >= dy) {
        int err = 2 * dy - dx;
        for (int i = 0; i < dx; ++i) {
            f(x, y);
            if (err > 0) {
                y += sy;
                err -= 2 * dx;
            }
            err += 2 * dy;
            x += sx;
        }
    } else {
        int err = 2 * dx - dy;
        for (int i = 0; i < dy; ++i) {
            f(x, y);
            if (err > 0) {
                x += sx;
                err -= 2 * dy;
            }
            err += 2 * dx;
            y += sy;
        }
    }
}
