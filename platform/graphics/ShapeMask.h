#pragma once
// The pixels of a shape, worked out on a grid of cells over the shape's bounds before anything
// is painted, so that each pixel is painted once (raster operations such as XOR need that) and
// the canvas and the regions agree on which pixels a shape covers. A pixel belongs to a shape
// when its centre lies inside it.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "platform/graphics/Geometry.h"

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
    // A line of the given width between two pixel centres, with round ends.
    void AddThickLine(TPoint a, TPoint b, int width);
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

// The rows of a line of the given width between two pixel centres, with round ends: calls
// f(y, lo, hi) with the span of pixel centres [lo, hi) in row y. One span per row, as the shape
// is convex.
template <class F>
void ThickLineRows(TPoint a, TPoint b, int width, F&& f);

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

template <class F>
void ThickLineRows(TPoint a, TPoint b, int width, F&& f) {
    const double r = std::max(width, 1) / 2.0;
    const double ax = a.X + 0.5, ay = a.Y + 0.5, bx = b.X + 0.5, by = b.Y + 0.5;
    const double len = std::hypot(bx - ax, by - ay);
    // The band's corners: the segment moved by r either way along its normal.
    double nx = 0, ny = 0;
    if (len > 0) {
        nx = -(by - ay) / len * r;
        ny = (bx - ax) / len * r;
    }
    const double cx[4] = {ax + nx, bx + nx, bx - nx, ax - nx};
    const double cy[4] = {ay + ny, by + ny, by - ny, ay - ny};
    const int top = int(std::floor(std::min(ay, by) - r));
    const int bottom = int(std::ceil(std::max(ay, by) + r));
    for (int y = top; y <= bottom; ++y) {
        const double yc = y + 0.5;
        double lo = INFINITY, hi = -INFINITY;
        // Half-open in y as in x, so a line of width w covers w rows or columns.
        for (auto [px, py] : {std::pair{ax, ay}, std::pair{bx, by}}) {
            if (yc < py - r || yc >= py + r) continue;
            const double h = std::sqrt(std::max(0.0, r * r - (yc - py) * (yc - py)));
            lo = std::min(lo, px - h);
            hi = std::max(hi, px + h);
        }
        if (len > 0)
            for (int i = 0; i < 4; ++i) {
                const double x0 = cx[i], y0 = cy[i], x1 = cx[(i + 1) % 4], y1 = cy[(i + 1) % 4];
                if (y0 == y1) {
                    if (yc == y0) {
                        lo = std::min({lo, x0, x1});
                        hi = std::max({hi, x0, x1});
                    }
                    continue;
                }
                if (yc < std::min(y0, y1) || yc > std::max(y0, y1)) continue;
                const double x = x0 + (yc - y0) * (x1 - x0) / (y1 - y0);
                lo = std::min(lo, x);
                hi = std::max(hi, x);
            }
        if (lo < hi) f(y, lo, hi);
    }
}
