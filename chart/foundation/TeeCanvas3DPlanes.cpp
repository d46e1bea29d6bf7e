// The flat shapes of the 3-D box: planes, quads, triangles, polygons, pixels and ellipses at a
// depth, each projected corner by corner and drawn with the flat primitives.
#include <array>
#include <cmath>
#include <numbers>

#include "chart/foundation/TeeCanvas3D.h"

// The planes and quads fill QuadPoints with their projected corners and hand them to
// DrawQuadBuffer, which a descendant surface may paint its own way.
void TTeeCanvas3D::FillPlaneAtX(int X, int Top, int Bottom, int Z0, int Z1) {
    QuadPoints = {ProjectPoint(X, Top, Z0), ProjectPoint(X, Top, Z1), ProjectPoint(X, Bottom, Z1),
                  ProjectPoint(X, Bottom, Z0)};
    DrawQuadBuffer();
}

void TTeeCanvas3D::FillPlaneAtY(int Left, int Y, int Right, int Z0, int Z1) {
    QuadPoints = {ProjectPoint(Left, Y, Z0), ProjectPoint(Right, Y, Z0), ProjectPoint(Right, Y, Z1),
                  ProjectPoint(Left, Y, Z1)};
    DrawQuadBuffer();
}

void TTeeCanvas3D::FillPlaneAlongDepth(TPoint P0, TPoint P1, int Z0, int Z1) {
    QuadPoints = {ProjectPointAtZ(P0, Z0), ProjectPointAtZ(P1, Z0), ProjectPointAtZ(P1, Z1),
                  ProjectPointAtZ(P0, Z1)};
    DrawQuadBuffer();
}

void TTeeCanvas3D::FillQuadAtZ(TPoint P1, TPoint P2, TPoint P3, TPoint P4, int Z) {
    QuadPoints = {ProjectPointAtZ(P1, Z), ProjectPointAtZ(P2, Z), ProjectPointAtZ(P3, Z),
                  ProjectPointAtZ(P4, Z)};
    DrawQuadBuffer();
}

void TTeeCanvas3D::FillQuadBetweenDepths(std::span<const TPoint, 4> Points, int Z0, int Z1) {
    QuadPoints = {ProjectRealPoint(Points[0].X, Points[0].Y, Z0),
                  ProjectRealPoint(Points[1].X, Points[1].Y, Z0),
                  ProjectRealPoint(Points[2].X, Points[2].Y, Z1),
                  ProjectRealPoint(Points[3].X, Points[3].Y, Z1)};
    DrawQuadBuffer();
}

void TTeeCanvas3D::DrawRectangleAtZ(const TRect& Rect, int Z) {
    FillQuadAtZ(TPoint{Rect.Left, Rect.Top}, TPoint{Rect.Right, Rect.Top},
                TPoint{Rect.Right, Rect.Bottom}, TPoint{Rect.Left, Rect.Bottom}, Z);
}

void TTeeCanvas3D::DrawPolygon3D(std::span<const TPointXYZ> Points, int LastIndex) {
    FScratch.resize(LastIndex + 1);
    for (int i = 0; i <= LastIndex; ++i) FScratch[i] = ProjectPoint3D(Points[i]);
    DrawPolygon(FScratch, LastIndex);
}

void TTeeCanvas3D::FillTriangleAtZ(TPoint P0, TPoint P1, TPoint P2, int Z) {
    const std::array<TPoint, 3> t = {ProjectPointAtZ(P0, Z), ProjectPointAtZ(P1, Z),
                                     ProjectPointAtZ(P2, Z)};
    DrawPolygon(t, 2);
}

void TTeeCanvas3D::FillTriangle3D(std::span<const TPointXYZ, 3> Points,
                                  std::span<const TColor, 3> Colours) {
    const std::array<TPoint, 3> t = {ProjectPoint3D(Points[0]), ProjectPoint3D(Points[1]),
                                     ProjectPoint3D(Points[2])};
    if (Brush()->Style() != bsClear) Brush()->SetColor(Colours[0]);
    DrawPolygon(t, 2);
}

void TTeeCanvas3D::SetPixelColorAtZ(int X, int Y, int Z, TColor Colour) {
    const TPoint p = ProjectPoint(X, Y, Z);
    if (Pen()->Width() == 1) {
        SetPixelColor(p.X, p.Y, Colour);
    } else {
        // A dot of the pen's width.
        MovePenTo(p.X, p.Y);
        DrawLineTo(p.X, p.Y);
    }
}

void TTeeCanvas3D::DrawEllipseAtZ(int Left, int Top, int Right, int Bottom, int Z) {
    if (OrthoProjection()) {
        const TPoint a = ProjectPoint(Left, Top, Z);
        const TPoint b = ProjectPoint(Right, Bottom, Z);
        DrawEllipse(a.X, a.Y, b.X, b.Y);
        return;
    }
    if (!FProjected3D) {
        DrawEllipse(Left, Top, Right + 1, Bottom + 1);  // the box's last row and column too
        return;
    }
    // Turned: a ring of 64 points, filled as a fan of triangles about the centre.
    const int cx = (Left + Right) / 2;
    const int cy = (Top + Bottom) / 2;
    const int rx = (Right - Left) / 2;
    const int ry = (Bottom - Top) / 2;
    const double u = 2 * std::numbers::pi / 63;
    std::array<TPoint, 64> ring;
    ring[0] = ProjectPoint(cx, Bottom, Z);
    for (int i = 1; i < 64; ++i)
        ring[i] = ProjectRealPoint(std::sin(i * u) * rx + cx, std::cos(i * u) * ry + cy, Z);
    if (Brush()->Style() != bsClear) {
        const TPoint centre = ProjectPoint(cx, cy, Z);
        const TPenStyle style = Pen()->Style();
        Pen()->SetStyle(psClear);
        for (int i = 0; i < 63; ++i) {
            const std::array<TPoint, 3> t = {centre, ring[i], ring[i + 1]};
            DrawPolygon(t, 2);
        }
        Pen()->SetStyle(style);
    }
    if (Pen()->Style() != psClear) DrawPolyline(ring, 63);
}

void TTeeCanvas3D::DrawSphere(int X, int Y, int Z, int Radius) {
    DrawEllipseAtZ(X - Radius, Y - Radius, X + Radius, Y + Radius, Z);
}
