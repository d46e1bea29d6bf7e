#include "chart/foundation/Canvas3D.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "chart/foundation/PointRoutines.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/RasterCopy.h"
#include "platform/rtl/RtlMath.h"

TCanvas3D::TCanvas3D() = default;
TCanvas3D::~TCanvas3D() = default;

void TCanvas3D::BeginNamedPart(const std::string&) {}
void TCanvas3D::EndNamedPart() {}
void TCanvas3D::EnterFlatMode() {}
void TCanvas3D::LeaveFlatMode() {}

void TCanvas3D::CopySettingsFrom(TCanvas3D& Source) {
    SetMonochrome(Source.GetMonochrome());
    FViewOptions = Source.FViewOptions;
}

void TCanvas3D::SuspendRotation() {
    if (FFlatModeDepth == 0) EnterFlatMode();
    ++FFlatModeDepth;
}

void TCanvas3D::ResumeRotation() {
    --FFlatModeDepth;
    if (FFlatModeDepth == 0) LeaveFlatMode();
}

void TCanvas3D::DrawHorizontalLineAtZ(int Left, int Right, int Y, int Z) {
    MovePenTo3D(Left, Y, Z);
    DrawLineTo3D(Right, Y, Z);
}

void TCanvas3D::DrawVerticalLineAtZ(int X, int Top, int Bottom, int Z) {
    MovePenTo3D(X, Top, Z);
    DrawLineTo3D(X, Bottom, Z);
}

void TCanvas3D::DrawDepthLine(int X, int Y, int Z0, int Z1) {
    MovePenTo3D(X, Y, Z0);
    DrawLineTo3D(X, Y, Z1);
}

void TCanvas3D::DrawLineAtZ(int X0, int Y0, int X1, int Y1, int Z) {
    MovePenTo3D(X0, Y0, Z);
    DrawLineTo3D(X1, Y1, Z);
}

void TCanvas3D::MovePenTo3D(int X, int Y, int Z) { MovePenToPoint(ProjectPoint(X, Y, Z)); }
void TCanvas3D::DrawLineTo3D(int X, int Y, int Z) { DrawLineToPoint(ProjectPoint(X, Y, Z)); }

void TCanvas3D::DrawPolygonAtZ(std::span<const TPoint> Points, int LastIndex, int Z) {
    FProjected.resize(LastIndex + 1);
    for (int i = 0; i <= LastIndex; ++i) FProjected[i] = ProjectPointAtZ(Points[i], Z);
    DrawPolygon(FProjected, LastIndex);
}

void TCanvas3D::DrawPolylineAtZ(std::span<const TPoint> Points, int LastIndex, int Z) {
    FProjected.resize(LastIndex + 1);
    for (int i = 0; i <= LastIndex; ++i) FProjected[i] = ProjectPointAtZ(Points[i], Z);
    DrawPolyline(FProjected, LastIndex);
}

TPointArray TCanvas3D::ProjectPointArray(std::span<const TPoint> Points, int LastIndex, int Z) {
    TPointArray result(LastIndex + 1);
    for (int i = 0; i <= LastIndex; ++i) result[i] = ProjectPointAtZ(Points[i], Z);
    return result;
}

TRect TCanvas3D::ProjectRect(const TRect& Rect, int Z) {
    const TPoint topLeft = ProjectPoint(Rect.Left, Rect.Top, Z);
    const TPoint bottomRight = ProjectPoint(Rect.Right, Rect.Bottom, Z);
    return TRect{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

std::array<TPoint, 4> TCanvas3D::ProjectRectCorners(const TRect& Rect, int Z) {
    return {ProjectPoint(Rect.Left, Rect.Top, Z), ProjectPoint(Rect.Right, Rect.Top, Z),
            ProjectPoint(Rect.Right, Rect.Bottom, Z), ProjectPoint(Rect.Left, Rect.Bottom, Z)};
}

TRect TCanvas3D::ProjectedRectBounds(const TRect& Rect, int Z) {
    const std::array<TPoint, 4> corners = ProjectRectCorners(Rect, Z);
    return OuterBoundsOfPoints(corners, 4);
}

void TCanvas3D::DrawPictureOnPlane(const TRect& Rect, TGraphic* Graphic, TCanvas3DPlane Plane,
                                   int Position) {
    Pen()->SetStyle(psClear);
    if (!Graphic) return;
    // Reads go through a 24-bit copy unless the graphic already is one: the caller's picture
    // (often the chart's stored back image) keeps its own pixel format.
    auto* bitmap = dynamic_cast<TBitmap*>(Graphic);
    std::unique_ptr<TBitmap> copy;
    if (!bitmap || bitmap->PixelFormat() != pf24bit) {
        copy = std::make_unique<TBitmap>();
        if (bitmap) {
            copy->Assign(bitmap);
        } else if (!Graphic->Empty()) {
            DrawRasterCopy(*copy, Graphic);
        }
        copy->SetPixelFormat(pf24bit);
        bitmap = copy.get();
    }
    const int w = bitmap->Width();
    const int h = bitmap->Height();
    if (w == 0 || h == 0) return;
    const double sx = double(Rect.Right - Rect.Left) / w;
    const double sy = double(Rect.Bottom - Rect.Top) / h;
    auto project = [&](int u, int v) {
        switch (Plane) {
            case cpX:
                return ProjectPoint(Position, v, u);
            case cpY:
                return ProjectPoint(u, Position, v);
            case cpZ:
                break;
        }
        return ProjectPoint(u, v, Position);
    };
    const TColor savedColor = Brush()->Color();
    // A transparent picture leaves the pixels of its transparent colour undrawn.
    const bool keyed = bitmap->Transparent();
    const TColor key = keyed ? bitmap->TransparentColor() : clNone;
    std::array<TPoint, 4> quad;
    int y0 = Rect.Top;
    for (int r = 0; r < h; ++r) {
        const int y1 = RoundToInt((r + 1) * sy) + Rect.Top;
        const uint8_t* row = bitmap->ScanLine(r);
        int x0 = Rect.Left;
        for (int c = 0; c < w; ++c) {
            const int x1 = RoundToInt((c + 1) * sx) + Rect.Left;
            const uint8_t* bgr = row + 3 * c;
            const TColor colour = RGB(bgr[2], bgr[1], bgr[0]);
            if (!keyed || colour != key) {
                Brush()->SetColor(colour);
                quad = {project(x0, y0), project(x1, y0), project(x1, y1), project(x0, y1)};
                DrawPolygon(quad, 3);
            }
            x0 = x1;
        }
        y0 = y1;
    }
    Brush()->SetColor(savedColor);
}

void TCanvas3D::SetCylinderSides(int value) { FCylinderSides = std::clamp(value, 3, 64); }
