#pragma once
// The pixels of a shape, worked out on a grid of cells over the shape's bounds before anything
// is painted, so that each pixel is painted once (raster operations such as XOR need that) and
// the canvas and the regions agree on which pixels a shape covers. A pixel belongs to a shape
// when its centre lies inside it.
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "platform/graphics/Geometry.h"
#include "platform/graphics/ShapeRows.h"

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
