#pragma once
// The 3-D part of the chart drawing surface: chart points (X, Y in pixels and a depth Z growing
// away from the viewer) projected to screen points, and the primitives drawn at a depth. A
// surface is handed around as a plain pointer; its owner (the panel) keeps it alive.
#include <array>
#include <functional>
#include <vector>

#include "chart/foundation/TeeCanvas.h"

class TObject;
class TView3DOptions;

struct TPointXYZ {
    int X = 0;
    int Y = 0;
    int Z = 0;
    constexpr bool operator==(const TPointXYZ&) const = default;
};

using TPointArray = std::vector<TPoint>;

enum TCanvas3DPlane { cpX, cpY, cpZ };

class TCanvas3D : public TTeeCanvas {
public:
    TCanvas3D();
    ~TCanvas3D() override;

    virtual void BeginNamedPart(const std::string& Name);
    virtual void EndNamedPart();
    virtual TColor GetPixelColorAtZ(int X, int Y, int Z) = 0;
    virtual bool DrawsTextIn3D() = 0;
    virtual void SetPixelColorAtZ(int X, int Y, int Z, TColor Colour) = 0;
    virtual void UnprojectPoint(int& X, int& Y, int Z) = 0;
    virtual TPoint ProjectPoint(int X, int Y, int Z) = 0;
    // Starts a drawing pass on Canvas within Bounds; answers the rectangle to draw in.
    virtual TRect PrepareDrawing(TCanvas* Canvas, TView3DOptions* ViewOptions, TColor BackColour,
                                 bool Is3D, const TRect& Bounds) = 0;
    virtual void CopySettingsFrom(TCanvas3D& Source);
    virtual void PrepareProjection(int MaxDepth, const TRect& Rect) = 0;
    virtual void ShowBuffer(TCanvas* DestCanvas, TCanvas* NextCanvas, const TRect& Rect) = 0;
    virtual bool RepaintFromBuffer() = 0;
    virtual void DrawArrow(bool Filled, TPoint FromPoint, TPoint ToPoint, int HeadWidth,
                           int HeadHeight, int Z, int ShaftPercent) = 0;
    virtual void ClipToCube(const TRect& Rect, int Z0, int Z1) = 0;
    virtual void DrawCone(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                          bool DarkCover, int ConePercent) = 0;
    virtual void DrawCuboid(int Left, int Right, int Top, int Bottom, int Z0, int Z1,
                            bool DarkSides) = 0;
    virtual void DrawCylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0,
                              int Z1, bool DarkCover) = 0;
    virtual void EnterFlatMode();
    virtual void DrawEllipseAtZ(int Left, int Top, int Right, int Bottom, int Z) = 0;
    virtual void LeaveFlatMode();
    virtual void DrawHorizontalLineAtZ(int Left, int Right, int Y, int Z);
    virtual void DrawVerticalLineAtZ(int X, int Top, int Bottom, int Z);
    virtual void DrawDepthLine(int X, int Y, int Z0, int Z1);
    // Pairs nest; only the outermost pair enters and leaves flat mode.
    virtual void SuspendRotation();
    virtual void ResumeRotation();
    virtual void DrawLineAtZ(int X0, int Y0, int X1, int Y1, int Z);
    virtual void MovePenTo3D(int X, int Y, int Z);
    virtual void DrawLineTo3D(int X, int Y, int Z);
    virtual void DrawPieSlice3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1,
                                double StartAngle, double EndAngle, bool DarkSides, bool WithSides,
                                int DonutPercent, const TCustomTeeGradient* Gradient) = 0;
    virtual void FillPlaneAlongDepth(TPoint P0, TPoint P1, int Z0, int Z1) = 0;
    virtual void FillQuadAtZ(TPoint P1, TPoint P2, TPoint P3, TPoint P4, int Z) = 0;
    virtual void FillQuadBetweenDepths(std::span<const TPoint, 4> Points, int Z0, int Z1) = 0;
    virtual void DrawPolygon3D(std::span<const TPointXYZ> Points, int LastIndex) = 0;
    virtual void DrawPolygonAtZ(std::span<const TPoint> Points, int LastIndex, int Z);
    virtual void DrawPolylineAtZ(std::span<const TPoint> Points, int LastIndex, int Z);
    virtual void DrawPyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0,
                             int Z1, bool DarkSides) = 0;
    virtual void DrawTruncatedPyramid(const TRect& Rect, int FrontDepth, int BackDepth, int TruncX,
                                      int TruncZ) = 0;
    virtual void DrawRectangleAtZ(const TRect& Rect, int Z) = 0;
    virtual void FillPlaneAtY(int Left, int Y, int Right, int Z0, int Z1) = 0;
    virtual void FillPlaneAtX(int X, int Top, int Bottom, int Z0, int Z1) = 0;
    virtual void DrawRotatedTextAtZ(int X, int Y, int Z, std::string_view Text, double Angle) = 0;
    virtual void DrawSphere(int X, int Y, int Z, int Radius) = 0;
    // For surfaces that render a whole grid at once; others let the series draw cell by cell.
    virtual void DrawSurfaceGrid(int Style, bool Flag, int NumX, int NumZ, TObject* Series,
                                 const std::function<void(int X, int Z)>& CellCallback) = 0;
    virtual void DrawTextAtZ(int X, int Y, int Z, std::string_view Text) = 0;
    virtual void FillTriangle3D(std::span<const TPointXYZ, 3> Points,
                                std::span<const TColor, 3> Colours) = 0;
    virtual void FillTriangleAtZ(TPoint P0, TPoint P1, TPoint P2, int Z) = 0;

    // --- Projection of records.
    TPoint ProjectPointAtZ(TPoint Point, int Z) { return ProjectPoint(Point.X, Point.Y, Z); }
    TPoint ProjectPoint3D(const TPointXYZ& P) { return ProjectPoint(P.X, P.Y, P.Z); }
    TPointArray ProjectPointArray(std::span<const TPoint> Points, int LastIndex, int Z);
    // The rectangle between the projections of Rect's top-left and bottom-right.
    TRect ProjectRect(const TRect& Rect, int Z);
    // Top-left, top-right, bottom-right, bottom-left, projected.
    std::array<TPoint, 4> ProjectRectCorners(const TRect& Rect, int Z);
    // The outer bounds (one past the largest coordinates) of the projected corners.
    TRect ProjectedRectBounds(const TRect& Rect, int Z);

    // --- Convenience forms.
    void DrawCuboidFromRect(const TRect& R, int Z0, int Z1, bool DarkSides) {
        DrawCuboid(R.Left, R.Right, R.Top, R.Bottom, Z0, Z1, DarkSides);
    }
    void DrawEllipseAtZFromRect(const TRect& R, int Z) {
        DrawEllipseAtZ(R.Left, R.Top, R.Right, R.Bottom, Z);
    }
    void DrawRectAtZ(const TRect& R, int Z) { DrawRectangleAtZ(R, Z); }
    void DrawBoundsAtZ(int Left, int Top, int Right, int Bottom, int Z) {
        DrawRectangleAtZ(TRect{Left, Top, Right, Bottom}, Z);
    }
    void DrawLineBetweenAtZ(TPoint P0, TPoint P1, int Z) { DrawLineAtZ(P0.X, P0.Y, P1.X, P1.Y, Z); }
    void MovePenToPoint3D(const TPointXYZ& P) { MovePenTo3D(P.X, P.Y, P.Z); }
    void DrawLineToPoint3D(const TPointXYZ& P) { DrawLineTo3D(P.X, P.Y, P.Z); }
    void FillQuadPointsAtZ(TPoint P1, TPoint P2, TPoint P3, TPoint P4, int Z) {
        FillQuadAtZ(P1, P2, P3, P4, Z);
    }
    void DrawArrowDefault(bool Filled, TPoint FromPoint, TPoint ToPoint, int HeadWidth,
                          int HeadHeight, int Z) {
        DrawArrow(Filled, FromPoint, ToPoint, HeadWidth, HeadHeight, Z, 50);
    }
    // Graphic mapped pixel by pixel onto the plane of the 3-D box at Position, over Rect.
    void DrawPictureOnPlane(const TRect& Rect, TGraphic* Graphic, TCanvas3DPlane Plane,
                            int Position);

    // The number of faces around the cylinders and cones this surface draws, 3 to 64.
    int CylinderSides() const { return FCylinderSides; }
    void SetCylinderSides(int value);

    TView3DOptions* ViewOptions() const { return FViewOptions; }
    bool OrthoProjection() const { return FOrthoProjection; }
    int CenterX() const { return FCenterX; }
    int CenterY() const { return FCenterY; }
    int CenterZ() const { return FCenterZ; }
    int FlatModeDepth() const { return FFlatModeDepth; }

protected:
    TView3DOptions* FViewOptions = nullptr;
    bool FOrthoProjection = false;
    int FCenterX = 0;
    int FCenterY = 0;
    int FCenterZ = 0;

private:
    int FFlatModeDepth = 0;
    int FCylinderSides = 16;
    TPointArray FProjected;  // reused by the polygons and polylines at a depth
};
