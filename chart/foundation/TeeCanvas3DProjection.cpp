// The projection of chart points (X, Y, depth Z) to screen points, set up once per pass.
#include <algorithm>
#include <cmath>

#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/rtl/RtlMath.h"

namespace {

constexpr double DegToRad = M_PI / 180;

}  // namespace

void TTeeCanvas3D::ComputeRotationTerms() {
    if (FViewOptions)
        SetRotationTerms(-FViewOptions->Elevation(), -FViewOptions->Rotation(),
                         FViewOptions->Tilt());
    else
        SetRotationTerms(0, 0, 0);
}

void TTeeCanvas3D::TurnRotation(double ExtraRotation, double ExtraElevation, int ExtraTilt) {
    if (!FViewOptions) return;
    // The perspective depends on the zoom and the chart's width only, not on the angles.
    const bool usesPerspective = FUsesPerspective;
    const double perspectiveScale = FPerspectiveScale;
    SetRotationTerms(-(FViewOptions->Elevation() + ExtraElevation),
                     -(FViewOptions->Rotation() + ExtraRotation), FViewOptions->Tilt() + ExtraTilt);
    FUsesPerspective = usesPerspective;
    FPerspectiveScale = perspectiveScale;
}

void TTeeCanvas3D::SetRotationTerms(double elevation, double rotation, double tilt) {
    s1 = std::sin(elevation * DegToRad);
    c1 = std::cos(elevation * DegToRad);
    s2 = std::sin(rotation * DegToRad);
    c2 = std::cos(rotation * DegToRad);
    s3 = std::sin(tilt * DegToRad);
    c3 = std::cos(tilt * DegToRad);
    FUsesTilt = tilt != 0;
    FUsesPerspective = false;
    FPerspectiveScale = 0;
    K1 = c2 * s3;
    K2 = std::max(1e-5, c2 * c3);
    K3 = std::max(1e-5, s1 * s2 * s3 + c1 * c3);
    K4 = c3 * s1 * s2 - c1 * s3;
    K5 = c1 * s2 * s3 - c3 * s1;
    K6 = c1 * c3 * s2 + s1 * s3;
}

void TTeeCanvas3D::ComputePerspectiveFactor(const TRect& Rect) {
    FPerspectiveScale =
        FViewOptions->Perspective() * FZoomScale / 150 / std::max(1, Rect.Right - Rect.Left);
}

void TTeeCanvas3D::ProjectAgain(int MaxDepth, const TRect& Rect) {
    FOrthoProjection = false;
    ComputeRotationTerms();
    PrepareProjection(MaxDepth, Rect);
}

void TTeeCanvas3D::PrepareProjection(int MaxDepth, const TRect& Rect) {
    FCenterX = (Rect.Left + Rect.Right) / 2;
    FCenterY = (Rect.Top + Rect.Bottom) / 2;
    FCenterZ = RoundToInt(MaxDepth * 0.5);
    FOriginX = FCenterX;
    FOriginY = FCenterY;
    if (!FViewOptions) return;
    FOriginX += FViewOptions->HorizOffset();
    FOriginY += FViewOptions->VertOffset();
    if (FProjected3D) {
        FZoomScale = FViewOptions->Zoom() * 0.01;
        FScaleText = FViewOptions->ZoomText();
    }
    FUsesPerspective = FViewOptions->Perspective() > 0;
    if (FUsesPerspective) ComputePerspectiveFactor(Rect);
}

TPoint TTeeCanvas3D::ProjectPoint(int X, int Y, int Z) {
    if (FOrthoProjection) {
        return TPoint{RoundToInt(((X - FCenterX) + Z * FOrthoDepthX) * FZoomScale) + FOriginX,
                      RoundToInt(((Y - FCenterY) - Z * FOrthoDepthY) * FZoomScale) + FOriginY};
    }
    if (!FProjected3D) return TPoint{X, Y};
    return ProjectRealPoint(X, Y, Z);
}

TPoint TTeeCanvas3D::ProjectRealPoint(double X, double Y, int Z) {
    if (FOrthoProjection) {
        return TPoint{RoundToInt(((X - FCenterX) + Z * FOrthoDepthX) * FZoomScale) + FOriginX,
                      RoundToInt(((Y - FCenterY) - Z * FOrthoDepthY) * FZoomScale) + FOriginY};
    }
    if (!FProjected3D) return TPoint{RoundToInt(X), RoundToInt(Y)};
    const double x = X - FCenterX;
    const double y = Y - FCenterY;
    const double z = Z - FCenterZ;
    const double t = z * c2 - x * s2;
    const double f =
        FUsesPerspective ? FZoomScale / ((c1 * t + y * s1) * FPerspectiveScale + 1) : FZoomScale;
    const double a = x * c2 + z * s2;
    const double b = y * c1 - s1 * t;
    // Without tilt c3 is 1 and s3 is 0, so this is also the untilted form.
    return TPoint{RoundToInt((c3 * a - s3 * b) * f) + FOriginX,
                  RoundToInt((c3 * b + s3 * a) * f) + FOriginY};
}

void TTeeCanvas3D::UnprojectPoint(int& X, int& Y, int Z) {
    if (FZoomScale == 0) return;
    const double i = 1 / FZoomScale;
    if (FOrthoProjection) {
        X = RoundToInt(i * (X - FOriginX) - Z * FOrthoDepthX) + FCenterX;
        Y = RoundToInt(i * (Y - FOriginY) + Z * FOrthoDepthY) + FCenterY;
        return;
    }
    if (!FProjected3D) return;
    // Perspective is not undone: hit tests in rotated views are approximate.
    const double z = Z - FCenterZ;
    const int x0 = X;
    const int y0 = Y;
    X = RoundToInt((i * (x0 - FOriginX) - z * K5 - (y0 - FCenterY) * K1) / K3) + FCenterX;
    Y = RoundToInt((i * (y0 - FOriginY) - z * K6 - (x0 - FCenterX) * K4) / K2) + FCenterY;
}

void TTeeCanvas3D::EnterFlatMode() {
    FSavedProjected3D = FProjected3D;
    FProjected3D = false;
}

void TTeeCanvas3D::LeaveFlatMode() { FProjected3D = FSavedProjected3D; }
