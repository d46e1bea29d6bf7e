// The solids of the surface: boxes, cones, cylinders, pyramids, pie slices and arrows. Each
// projects its corners and paints only the faces turned to the viewer, in a fixed order; shaded
// faces darken the colour the brush had on entry, never a colour already darkened.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "chart/foundation/ColorRoutines.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/rtl/RtlMath.h"

namespace {

// (Q3 - Q0) x (Q1 - Q0) of a projected quad: negative when its corners run clockwise on screen.
long long QuadTurn(const std::array<TPoint, 4>& q) {
    return static_cast<long long>(q[3].X - q[0].X) * (q[1].Y - q[0].Y) -
           static_cast<long long>(q[1].X - q[0].X) * (q[3].Y - q[0].Y);
}

// The most points an arc of a pie slice has (a full turn).
constexpr int MaxArcPoints = 96;

}  // namespace

void TTeeCanvas3D::DrawQuadBuffer() { DrawPolygon(QuadPoints, 3); }

namespace {

// The colour shaded faces start from: the solid brush's colour, else the hatch background.
TColor EntryColour(TTeeCanvas3D& s) {
    return s.Brush()->Style() == bsSolid ? s.Brush()->Color() : s.GetBackgroundColor();
}

}  // namespace

void TTeeCanvas3D::DrawCuboid(int Left, int Right, int Top, int Bottom, int Z0, int Z1,
                              bool DarkSides) {
    const TColor entry = EntryColour(*this);
    const bool clear = Brush()->Style() == bsClear;
    auto face = [&](int x0, int y0, int z0, int x1, int y1, int z1, int x2, int y2, int z2, int x3,
                    int y3, int z3) {
        QuadPoints = {ProjectPoint(x0, y0, z0), ProjectPoint(x1, y1, z1), ProjectPoint(x2, y2, z2),
                      ProjectPoint(x3, y3, z3)};
        return QuadTurn(QuadPoints);
    };
    auto shade = [&](int amount) {
        if (DarkSides) DarkenBrushColor(entry, amount);
    };
    // Each test projects the face first: a clear brush draws it whatever way it turns.
    // Front or, when it is turned away, back. Both are listed in the same order, so the front
    // faces the viewer when its corners run clockwise on screen.
    if (face(Left, Top, Z0, Right, Top, Z0, Right, Bottom, Z0, Left, Bottom, Z0) < 0 || clear) {
        DrawQuadBuffer();
    } else {
        face(Left, Top, Z1, Right, Top, Z1, Right, Bottom, Z1, Left, Bottom, Z1);
        DrawQuadBuffer();
    }
    // The two sides are listed in the same order but face opposite ways.
    if (face(Right, Top, Z0, Right, Top, Z1, Right, Bottom, Z1, Right, Bottom, Z0) < 0 || clear) {
        shade(128);
        DrawQuadBuffer();
    }
    if (face(Left, Top, Z0, Left, Top, Z1, Left, Bottom, Z1, Left, Bottom, Z0) > 0 || clear) {
        shade(128);
        DrawQuadBuffer();
    }
    // Top and bottom are listed in opposite orders and face opposite ways: one sign serves both.
    if (face(Left, Top, Z0, Right, Top, Z0, Right, Top, Z1, Left, Top, Z1) > 0 || clear) {
        shade(64);
        DrawQuadBuffer();
    }
    if (face(Left, Bottom, Z0, Left, Bottom, Z1, Right, Bottom, Z1, Right, Bottom, Z0) > 0 ||
        clear) {
        shade(64);
        DrawQuadBuffer();
    }
}

void TTeeCanvas3D::DrawCylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0,
                                int Z1, bool DarkCover) {
    DrawCone(Vertical, Left, Top, Right, Bottom, Z0, Z1, DarkCover, 100);
}

void TTeeCanvas3D::DrawCone(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                            bool DarkCover, int ConePercent) {
    const int N = CylinderSides();
    const double step = 2 * std::numbers::pi / N;
    const TColor entry = EntryColour(*this);
    const int rz = (Z1 - Z0) / 2;
    const int cz = (Z0 + Z1) / 2;
    const int r = Vertical ? (Right - Left) / 2 : (Bottom - Top) / 2;
    const int c = Vertical ? (Left + Right) / 2 : (Top + Bottom) / 2;
    const int narrowR = RoundToInt(r * ConePercent * 0.01);
    const int narrowRZ = RoundToInt(rz * ConePercent * 0.01);
    const int phase = Vertical ? 4 : 5;
    std::array<TPoint, 65> wide, narrow;  // up to 64 sides and the closing point
    for (int k = 1; k <= N; ++k) {
        const double a = (k - phase) * step;
        const double s = std::sin(a), co = std::cos(a);
        const int across = RoundToInt(s * r) + c;
        const int z = cz - RoundToInt(co * rz);
        const int nAcross = RoundToInt(s * narrowR) + c;
        const int nz = cz - RoundToInt(co * narrowRZ);
        wide[k - 1] = Vertical ? ProjectPoint(across, Bottom, z) : ProjectPoint(Left, across, z);
        narrow[k - 1] =
            Vertical ? ProjectPoint(nAcross, Top, nz) : ProjectPoint(Right, nAcross, nz);
    }
    wide[N] = wide[0];
    narrow[N] = narrow[0];
    for (int k = 0; k < N; ++k) {
        // The closing facet keeps the colour the brush received last.
        if (DarkCover && k < N - 1) DarkenBrushColor(entry, 8 * k);
        if (IsCulledFace(narrow[k], wide[k], wide[k + 1])) continue;
        QuadPoints = {narrow[k], wide[k], wide[k + 1], narrow[k + 1]};
        DrawQuadBuffer();
    }
    if (DarkCover) DarkenBrushColor(entry, 64);
    bool capNarrow = true;
    if (!Vertical) {
        capNarrow =
            !IsCulledFace(ProjectPoint(0, 0, 0), ProjectPoint(0, 10, 0), ProjectPoint(0, 10, 10));
    }
    DrawPolygon(std::span<const TPoint>(capNarrow ? narrow : wide).first(size_t(N)), N - 1);
}

void TTeeCanvas3D::DrawPyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0,
                               int Z1, bool DarkSides) {
    const TColor entry = EntryColour(*this);
    const int cz = (Z0 + Z1) / 2;
    auto triangle = [&](TPoint a, TPoint b, TPoint c) {
        const std::array<TPoint, 3> t = {a, b, c};
        DrawPolygon(t, 2);
    };
    auto shade = [&](int amount) {
        if (DarkSides) DarkenBrushColor(entry, amount);
    };
    if (Vertical) {
        const bool up = Top < Bottom;
        const TPoint apex = ProjectPoint((Left + Right) / 2, Top, cz);
        const TPoint lb0 = ProjectPoint(Left, Bottom, Z0), rb0 = ProjectPoint(Right, Bottom, Z0);
        const TPoint lb1 = ProjectPoint(Left, Bottom, Z1), rb1 = ProjectPoint(Right, Bottom, Z1);
        if (Top != Bottom) {
            triangle(lb0, rb0, apex);
            if (IsCulledFace(lb0, apex, lb1) != up) triangle(lb0, apex, lb1);
            shade(128);
            if (IsCulledFace(rb0, apex, rb1) == up) triangle(rb0, apex, rb1);
            if (up && IsCulledFace(apex, lb1, rb1)) triangle(apex, lb1, rb1);
        }
        if (IsCulledFace(lb0, rb0, lb1) == up) {
            shade(64);
            FillPlaneAtY(Left, Bottom, Right, Z0, Z1);
        }
        return;
    }
    const bool out = Left < Right;
    const TPoint apex = ProjectPoint(Right, (Top + Bottom) / 2, cz);
    const TPoint lt0 = ProjectPoint(Left, Top, Z0), lb0 = ProjectPoint(Left, Bottom, Z0);
    const TPoint lt1 = ProjectPoint(Left, Top, Z1), lb1 = ProjectPoint(Left, Bottom, Z1);
    if (Left != Right) {
        triangle(lt0, lb0, apex);
        if (IsCulledFace(lt1, apex, lb1) != out) triangle(lt1, apex, lb1);
        shade(64);
        if (IsCulledFace(lt0, apex, lt1) != out) triangle(lt0, apex, lt1);
        if (IsCulledFace(lb1, apex, lb0) != out) triangle(lb1, apex, lb0);
    }
    if (IsCulledFace(lt0, lb0, lt1) == out) {
        shade(128);
        FillPlaneAtX(Left, Top, Bottom, Z0, Z1);
    }
}

void TTeeCanvas3D::DrawTruncatedPyramid(const TRect& Rect, int FrontDepth, int BackDepth,
                                        int TruncX, int TruncZ) {
    const int top = Rect.Top, bottom = Rect.Bottom, left = Rect.Left, right = Rect.Right;
    const int cx = (left + right) / 2;
    const int cz = (FrontDepth + BackDepth) / 2;
    const bool upright = top < bottom;
    auto base = [&] { FillPlaneAtY(left, bottom, right, FrontDepth, BackDepth); };
    auto cap = [&] {
        if (TruncX != 0) FillPlaneAtY(cx - TruncX, top, cx + TruncX, cz - TruncZ, cz + TruncZ);
    };
    // A side between the top edge at depth d1 and the base edge at depth d2.
    auto depthSide = [&](int d1, int d2) {
        const std::array<TPoint, 4> q = {TPoint{cx - TruncX, top}, TPoint{cx + TruncX, top},
                                         TPoint{right, bottom}, TPoint{left, bottom}};
        bool culled =
            IsCulledFace(ProjectPoint(q[1].X, q[1].Y, d1), ProjectPoint(q[2].X, q[2].Y, d2),
                         ProjectPoint(q[3].X, q[3].Y, d2));
        if (!((d1 < d2 && d1 >= 1 && upright) || (d2 < d1 && bottom < top))) culled = !culled;
        if (!culled) FillQuadBetweenDepths(q, d1, d2);
    };
    // A side between the top edge at x1 and the base edge at x2.
    auto lateralSide = [&](int x1, int x2) {
        QuadPoints = {ProjectPoint(x1, top, cz - TruncZ), ProjectPoint(x1, top, cz + TruncZ),
                      ProjectPoint(x2, bottom, BackDepth), ProjectPoint(x2, bottom, FrontDepth)};
        bool culled = IsCulledFace(QuadPoints[3], QuadPoints[2], QuadPoints[1]);
        if (!((x1 < x2 && upright) || (x2 < x1 && bottom < top))) culled = !culled;
        if (!culled) DrawQuadBuffer();
    };
    if (upright)
        base();
    else
        cap();
    depthSide(cz + TruncZ, BackDepth);
    if (TruncX != 0 || FrontDepth != BackDepth) {
        lateralSide(cx - TruncX, left);
        depthSide(cz - TruncZ, FrontDepth);
        lateralSide(cx + TruncX, right);
    }
    if (upright)
        cap();
    else
        base();
}

void TTeeCanvas3D::DrawPieSlice3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0,
                                  int Z1, double StartAngle, double EndAngle, bool DarkSides,
                                  bool WithSides, int DonutPercent,
                                  const TCustomTeeGradient* Gradient) {
    const TColor entry = EntryColour(*this);
    const double sweep = EndAngle - StartAngle;
    const int n = std::min(94, RoundToInt(std::fabs(sweep) * 180 / std::numbers::pi / 2)) + 2;
    const bool donut = DonutPercent > 0;
    const double inX = DonutPercent * XRadius * 0.01;
    const double inY = DonutPercent * YRadius * 0.01;
    std::array<TPoint, MaxArcPoints> out1, out0, in1, in0;
    for (int j = 0; j < n; ++j) {
        const double a = StartAngle + j * sweep / (n - 1);
        const double c = std::cos(a), s = std::sin(a);
        const double ox = XRadius * c + XCenter, oy = YCenter - YRadius * s;
        out1[j] = ProjectRealPoint(ox, oy, Z1);
        out0[j] = ProjectRealPoint(ox, oy, Z0);
        if (donut) {
            const double ix = inX * c + XCenter;
            const int iy = YCenter - RoundToInt(inY * s);
            in1[j] = ProjectRealPoint(ix, iy, Z1);
            in0[j] = ProjectRealPoint(ix, iy, Z0);
        } else {
            in1[j] = ProjectPoint(XCenter, YCenter, Z1);
            in0[j] = ProjectPoint(XCenter, YCenter, Z0);
        }
    }
    std::array<TPoint, 2 * MaxArcPoints> poly;
    auto shade = [&] {
        if (DarkSides) DarkenBrushColor(entry, 32);
    };
    auto fill = [&](int count) {
        const std::span<const TPoint> pts(poly.data(), count);
        if (Gradient) {
            FillPolygonGradient(pts, count - 1, *Gradient);
        } else {
            DrawPolygon(pts, count - 1);
        }
    };
    if (donut) {
        int m = 0;
        for (int j = 0; j < n; ++j) poly[m++] = in1[j];
        for (int j = n - 1; j >= 0; --j) poly[m++] = in0[j];
        shade();
        DrawPolygon(std::span<const TPoint>(poly.data(), m), m - 1);
    }
    if (WithSides) {
        auto side = [&](int j) {
            QuadPoints = {in1[j], out1[j], out0[j], in0[j]};
            shade();
            DrawQuadBuffer();
        };
        if (out1[n - 1].X < OriginX()) side(n - 1);
        if (out1[0].X > OriginX()) side(0);
    }
    if (Brush()->Style() == bsSolid) {
        Brush()->SetColor(entry);
    } else {
        SetBackgroundColor(entry);
    }
    int m = 0;
    if (donut) {
        for (int j = 0; j < n; ++j) poly[m++] = out1[j];
        for (int j = n - 1; j >= 0; --j) poly[m++] = in1[j];
    } else {
        poly[m++] = in1[0];
        for (int j = 0; j < n; ++j) poly[m++] = out1[j];
    }
    fill(m);
    // The outer wall over the part of the arc whose screen X grows: that part faces the viewer.
    auto wall = [&](int from, int to) {
        int k = 0;
        for (int j = from; j <= to; ++j) poly[k++] = out1[j];
        for (int j = to; j >= from; --j) poly[k++] = out0[j];
        shade();
        fill(k);
    };
    int first = 0;
    while (first < n - 1 && out1[first + 1].X <= out1[first].X) ++first;
    if (first >= n - 1) return;
    int last = first;
    while (last < n - 1 && out1[last + 1].X > out1[last].X) ++last;
    wall(first, last);
    if (last < n - 1 && out1[n - 1].X > out1[n - 2].X) {
        int from = n - 1;
        while (from > 0 && out1[from - 1].X < out1[from].X) --from;
        wall(from, n - 1);
    }
}

void TTeeCanvas3D::DrawArrow(bool Filled, TPoint FromPoint, TPoint ToPoint, int HeadWidth,
                             int HeadHeight, int Z, int ShaftPercent) {
    const double dx = ToPoint.X - FromPoint.X;
    const double dy = FromPoint.Y - ToPoint.Y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0) return;
    const double h = std::min(HeadHeight, RoundToInt(length));
    const double w = HeadWidth;
    const double s = w * ShaftPercent * 0.005;
    const double cosA = dx / length, sinA = dy / length;
    // Along and across the arrow, back to the screen and then to depth Z.
    auto at = [&](double u, double v) {
        return ProjectPoint(RoundToInt(u * cosA + v * sinA), RoundToInt(-u * sinA + v * cosA), Z);
    };
    const double uT = ToPoint.X * cosA - ToPoint.Y * sinA;
    const double vT = ToPoint.X * sinA + ToPoint.Y * cosA;
    const double uF = FromPoint.X * cosA - FromPoint.Y * sinA;
    const TPoint tip = ProjectPoint(ToPoint.X, ToPoint.Y, Z);
    const TPoint h1 = at(uT - h, vT - w / 2), h2 = at(uT - h, vT + w / 2);
    if (Filled) {
        const std::array<TPoint, 7> p = {
            at(uF, vT + s), at(uF, vT - s), at(uT - h, vT - s), h1, tip, h2, at(uT - h, vT + s)};
        DrawPolygon(p, 6);
        return;
    }
    const TPoint tail = ProjectPoint(FromPoint.X, FromPoint.Y, Z);
    MovePenTo(tail.X, tail.Y);
    DrawLineTo(tip.X, tip.Y);
    MovePenTo(tip.X, tip.Y);
    DrawLineTo(h2.X, h2.Y);
    MovePenTo(tip.X, tip.Y);
    DrawLineTo(h1.X, h1.Y);
}

// Surface series draw cell by cell on this surface.
void TTeeCanvas3D::DrawSurfaceGrid(int, bool, int, int, TObject*,
                                   const std::function<void(int, int)>&) {}
