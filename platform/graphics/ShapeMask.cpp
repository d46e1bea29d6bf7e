#include "platform/graphics/ShapeMask.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;

struct TEllipseFrame {
    double Cx, Cy, A, B;
    explicit TEllipseFrame(const TRect& box)
        : Cx((double(box.Left) + box.Right) / 2),
          Cy((double(box.Top) + box.Bottom) / 2),
          A((double(box.Right) - box.Left) / 2),
          B((double(box.Bottom) - box.Top) / 2) {}
    // Angle of a point counter-clockwise from the positive x axis, as seen on screen (y down).
    double AngleOf(double x, double y) const { return std::atan2(-(y - Cy), x - Cx); }
};

// The counter-clockwise turn from angle a to angle b in [0, 2 pi); 2 pi when they are equal.
double Sweep(double a, double b) {
    double s = std::fmod(b - a + 2 * TwoPi, TwoPi);
    return s == 0 ? TwoPi : s;
}

}  // namespace

void TShapeMask::Reset(const TRect& bounds) {
    FBounds = bounds.IsEmpty() ? TRect{} : bounds;
    FCells.assign(size_t(FBounds.Width()) * size_t(FBounds.Height()), Outside);
}

uint8_t TShapeMask::At(int x, int y) const {
    if (!FBounds.Contains(x, y)) return Outside;
    return FCells[size_t(y - FBounds.Top) * size_t(FBounds.Width()) + size_t(x - FBounds.Left)];
}

void TShapeMask::SetCentres(int y, double lo, double hi, uint8_t value) {
    if (y < FBounds.Top || y >= FBounds.Bottom || !(lo < hi)) return;
    int x0, x1;
    CentreCells(lo, hi, x0, x1);
    x0 = std::max(FBounds.Left, x0);
    x1 = std::min(FBounds.Right, x1);
    if (x0 >= x1) return;
    uint8_t* row = Row(y);
    std::fill(row + (x0 - FBounds.Left), row + (x1 - FBounds.Left), value);
}

void TShapeMask::AddEllipse(const TRect& box, uint8_t value) {
    EllipseRows(box, FBounds.Top, FBounds.Bottom,
                [&](int y, double lo, double hi) { SetCentres(y, lo, hi, value); });
}

void TShapeMask::AddRoundRect(const TRect& box, int ellipseWidth, int ellipseHeight,
                              uint8_t value) {
    RoundRectRows(box, ellipseWidth, ellipseHeight, FBounds.Top, FBounds.Bottom,
                  [&](int y, double lo, double hi) { SetCentres(y, lo, hi, value); });
}

void TShapeMask::AddPolygon(std::span<const TPoint> points, bool winding) {
    PolygonRows(points, winding, FBounds.Top, FBounds.Bottom, FCrossings,
                [&](int y, double lo, double hi) { SetCentres(y, lo, hi); });
}

void TShapeMask::AddThickLine(TPoint a, TPoint b, int width, TLineCap capA, TLineCap capB) {
    ThickLineRows(a, b, width, capA, capB, FBounds.Top, FBounds.Bottom,
                  [this](int y, double lo, double hi) { SetCentres(y, lo, hi); });
}

void TShapeMask::AddJoin(TPoint from, TPoint at, TPoint to, int width, TLineJoin join) {
    const double r = std::max(width, 1) / 2.0;
    const double vx = at.X + 0.5, vy = at.Y + 0.5;
    auto set = [this](int y, double lo, double hi) { SetCentres(y, lo, hi); };
    if (join == ljRound) return DiscRows(vx, vy, r, FBounds.Top, FBounds.Bottom, set);
    // Differences in double: points from a file may lie at both ends of the integers.
    const double d1x = double(at.X) - from.X, d1y = double(at.Y) - from.Y;
    const double d2x = double(to.X) - at.X, d2y = double(to.Y) - at.Y;
    const double l1 = std::hypot(d1x, d1y);
    const double l2 = std::hypot(d2x, d2y);
    if (l1 == 0 || l2 == 0) return;
    // Unit directions of both segments and their normals scaled to half the width.
    const double u1x = d1x / l1, u1y = d1y / l1;
    const double u2x = d2x / l2, u2y = d2y / l2;
    const double turn = u1x * u2y - u1y * u2x;
    if (turn == 0) return;  // straight on: the two bands meet flush
    // The outer side of the corner is away from the turn.
    const double side = turn > 0 ? -1 : 1;
    const double n1x = -u1y * r * side, n1y = u1x * r * side;
    const double n2x = -u2y * r * side, n2y = u2x * r * side;
    const double px = vx + n1x, py = vy + n1y, qx = vx + n2x, qy = vy + n2y;
    // The mitre tip: where the two outer edges meet, unless it lies farther out than the
    // usual limit of ten half-widths (then the corner is bevelled).
    const double cosHalf = std::sqrt(std::max(0.0, (1 + u1x * u2x + u1y * u2y) / 2));
    if (join == ljMiter && cosHalf > 0.1) {
        const double mx = vx + (n1x + n2x) / (2 * cosHalf * cosHalf);
        const double my = vy + (n1y + n2y) / (2 * cosHalf * cosHalf);
        const double xs[4] = {vx, px, mx, qx}, ys[4] = {vy, py, my, qy};
        return ConvexRows(xs, ys, 4, FBounds.Top, FBounds.Bottom, set);
    }
    const double xs[3] = {vx, px, qx}, ys[3] = {vy, py, qy};
    ConvexRows(xs, ys, 3, FBounds.Top, FBounds.Bottom, set);
}

void TShapeMask::KeepSector(const TRect& box, TPoint start, TPoint end) {
    const TEllipseFrame e(box);
    const double a0 = e.AngleOf(start.X, start.Y);
    const double a1 = e.AngleOf(end.X, end.Y);
    const double sweep = Sweep(a0, a1);
    if (sweep >= TwoPi) return;
    // Side tests against the two radials instead of an angle per cell (axes with y up).
    const double su = std::cos(a0), sv = std::sin(a0), eu = std::cos(a1), ev = std::sin(a1);
    const bool narrow = sweep <= std::numbers::pi;
    for (int y = FBounds.Top; y < FBounds.Bottom; ++y) {
        uint8_t* row = Row(y);
        const double pv = -(y + 0.5 - e.Cy);
        for (int x = FBounds.Left; x < FBounds.Right; ++x) {
            uint8_t& c = row[x - FBounds.Left];
            if (c == Outside) continue;
            const double pu = x + 0.5 - e.Cx;
            if (pu == 0 && pv == 0) continue;            // the centre belongs to every sector
            const double fromStart = su * pv - sv * pu;  // > 0: counter-clockwise of start
            const double toEnd = pu * ev - pv * eu;      // > 0: clockwise of end
            const bool inside =
                narrow ? fromStart >= 0 && toEnd >= 0 : !(fromStart < 0 && toEnd < 0);
            if (!inside) c = Outside;
        }
    }
}

void TShapeMask::KeepChordSide(const TRect& box, TPoint start, TPoint end) {
    const TEllipseFrame e(box);
    if (e.A <= 0 || e.B <= 0) return;
    // Where a radial at angle t meets the ellipse, in axes with y pointing up.
    auto onEllipse = [&](double t, double& u, double& v) {
        const double c = std::cos(t), s = std::sin(t);
        const double k = 1 / std::sqrt((c / e.A) * (c / e.A) + (s / e.B) * (s / e.B));
        u = c * k;
        v = s * k;
    };
    double su, sv, eu, ev;
    onEllipse(e.AngleOf(start.X, start.Y), su, sv);
    onEllipse(e.AngleOf(end.X, end.Y), eu, ev);
    if (su == eu && sv == ev) return;
    for (int y = FBounds.Top; y < FBounds.Bottom; ++y) {
        uint8_t* row = Row(y);
        for (int x = FBounds.Left; x < FBounds.Right; ++x) {
            uint8_t& c = row[x - FBounds.Left];
            if (c == Outside) continue;
            const double pu = x + 0.5 - e.Cx, pv = -(y + 0.5 - e.Cy);
            // Going counter-clockwise from start to end, the arc lies right of start -> end.
            const double cross = (eu - su) * (pv - sv) - (ev - sv) * (pu - su);
            if (cross > 0) c = Outside;
        }
    }
}

void TShapeMask::MarkInterior(int depth) {
    const int w = FBounds.Width(), h = FBounds.Height();
    if (w == 0 || h == 0) return;
    if (depth == 1) {
        // A one-pixel pen: the cells with a neighbour outside to the left, right, top or bottom,
        // which makes a thin outline that still has no gaps.
        FScratch = FCells;
        for (int y = 1; y + 1 < h; ++y) {
            const uint8_t* up = &FScratch[size_t(y - 1) * w];
            const uint8_t* row = up + w;
            const uint8_t* down = row + w;
            uint8_t* out = &FCells[size_t(y) * w];
            for (int x = 1; x + 1 < w; ++x)
                if (row[x] && row[x - 1] && row[x + 1] && up[x] && down[x]) out[x] = Interior;
        }
        return;
    }
    // Separable: first rows (cells with `depth` inside cells either side), then columns.
    FScratch.assign(FCells.size(), 0);
    for (int y = 0; y < h; ++y) {
        const uint8_t* row = &FCells[size_t(y) * w];
        uint8_t* out = &FScratch[size_t(y) * w];
        int x = 0;
        while (x < w) {
            if (!row[x]) {
                ++x;
                continue;
            }
            int e = x;
            while (e < w && row[e]) ++e;
            for (int i = x + depth; i < e - depth; ++i) out[i] = 1;
            x = e;
        }
    }
    for (int x = 0; x < w; ++x) {
        int y = 0;
        while (y < h) {
            if (!FScratch[size_t(y) * w + x]) {
                ++y;
                continue;
            }
            int e = y;
            while (e < h && FScratch[size_t(e) * w + x]) ++e;
            for (int i = y + depth; i < e - depth; ++i) FCells[size_t(i) * w + x] = Interior;
            y = e;
        }
    }
}
