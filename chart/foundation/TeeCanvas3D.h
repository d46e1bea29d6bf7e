#pragma once
// The drawing surface of every chart panel. A pass draws into an off-screen buffer bitmap that
// is then copied to the window, so a repaint without changes costs one copy; the projection
// turns the panel's view options into screen points once per pass.
#include <array>
#include <memory>

#include "chart/foundation/Canvas3D.h"

class TBitmap;

class TTeeCanvas3D : public TCanvas3D {
public:
    TTeeCanvas3D();
    ~TTeeCanvas3D() override;

    // --- Device state.
    TColor GetBackgroundColor() override;
    int GetBackgroundMode() override;
    TCanvas* GetDeviceHandle() override { return BoundCanvas(); }
    bool GetMonochrome() override { return FMonochromeOn; }
    TColor GetPixelColor(int X, int Y) override;
    bool SupportsFreeRotation() override { return false; }
    bool IsVectorSurface() override { return false; }
    unsigned GetTextAlignment() override;
    bool GetBufferedDisplay() override { return FBufferedDisplayOn; }
    void SetBackgroundColor(TColor Colour) override;
    void SetBackgroundMode(int Mode) override;
    void SetMonochrome(bool Value) override;
    void SetPixelColor(int X, int Y, TColor Colour) override;
    void SetTextAlignment(unsigned Flags) override;
    void SetBufferedDisplay(bool Value) override;

    // --- Flat primitives.
    void DrawArc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) override;
    void DrawDonutSlice(int XCenter, int YCenter, int XRadius, int YRadius, double StartAngle,
                        double EndAngle, double HolePercent) override;
    void DrawGraphic(int X, int Y, TGraphic* Graphic) override;
    void DrawEllipse(int X1, int Y1, int X2, int Y2) override;
    void FillRectangle(const TRect& Rect) override;
    void DrawLineTo(int X, int Y) override;
    void MovePenTo(int X, int Y) override;
    void DrawPie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) override;
    void DrawRectangle(int X0, int Y0, int X1, int Y1) override;
    void DrawRoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth, int CornerHeight) override;
    void StretchDrawGraphic(const TRect& Rect, TGraphic* Graphic) override;
    void DrawTextAt(int X, int Y, std::string_view Text) override;
    // The plain extent, plus the selected font's character spacing and shadow.
    int MeasureTextWidth(std::string_view Text) override;
    int MeasureTextHeight(std::string_view Text) override;
    void ClipToRectangle(const TRect& Rect) override;
    void FillBackground(const TRect& Rect) override { FillRectangle(Rect); }
    void FillGradient(const TRect& Rect, TColor StartColour, TColor EndColour,
                      TGradientDirection Direction, int Balance, int RadialX, int RadialY) override;
    void MarkDirty() override { FBufferDirty = true; }
    void DrawPolyline(std::span<const TPoint> Points, int LastIndex) override;
    void DrawPolygon(std::span<const TPoint> Points, int LastIndex) override;
    void DrawRotatedText(int X, int Y, std::string_view Text, double Angle) override;
    void RemoveClipping() override;

    // --- Passes, buffer and projection.
    TColor GetPixelColorAtZ(int X, int Y, int Z) override;
    bool DrawsTextIn3D() override { return false; }
    void SetPixelColorAtZ(int X, int Y, int Z, TColor Colour) override;
    void UnprojectPoint(int& X, int& Y, int Z) override;
    TPoint ProjectPoint(int X, int Y, int Z) override;
    TPoint ProjectRealPoint(double X, double Y, int Z);
    TRect PrepareDrawing(TCanvas* Canvas, TView3DOptions* ViewOptions, TColor BackColour, bool Is3D,
                         const TRect& Bounds) override;
    void PrepareProjection(int MaxDepth, const TRect& Rect) override;
    void ShowBuffer(TCanvas* DestCanvas, TCanvas* NextCanvas, const TRect& Rect) override;
    bool RepaintFromBuffer() override;
    void ClipToCube(const TRect& Rect, int Z0, int Z1) override;
    void EnterFlatMode() override;
    void LeaveFlatMode() override;

    // --- 3-D primitives and solids.
    void DrawArrow(bool Filled, TPoint FromPoint, TPoint ToPoint, int HeadWidth, int HeadHeight,
                   int Z, int ShaftPercent) override;
    void DrawCone(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                  bool DarkCover, int ConePercent) override;
    void DrawCuboid(int Left, int Right, int Top, int Bottom, int Z0, int Z1,
                    bool DarkSides) override;
    void DrawCylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                      bool DarkCover) override;
    void DrawEllipseAtZ(int Left, int Top, int Right, int Bottom, int Z) override;
    void DrawPieSlice3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1,
                        double StartAngle, double EndAngle, bool DarkSides, bool WithSides,
                        int DonutPercent, const TCustomTeeGradient* Gradient) override;
    void FillPlaneAlongDepth(TPoint P0, TPoint P1, int Z0, int Z1) override;
    void FillQuadAtZ(TPoint P1, TPoint P2, TPoint P3, TPoint P4, int Z) override;
    void FillQuadBetweenDepths(std::span<const TPoint, 4> Points, int Z0, int Z1) override;
    void DrawPolygon3D(std::span<const TPointXYZ> Points, int LastIndex) override;
    void DrawPyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                     bool DarkSides) override;
    void DrawTruncatedPyramid(const TRect& Rect, int FrontDepth, int BackDepth, int TruncX,
                              int TruncZ) override;
    void DrawRectangleAtZ(const TRect& Rect, int Z) override;
    void FillPlaneAtY(int Left, int Y, int Right, int Z0, int Z1) override;
    void FillPlaneAtX(int X, int Top, int Bottom, int Z0, int Z1) override;
    void DrawRotatedTextAtZ(int X, int Y, int Z, std::string_view Text, double Angle) override;
    void DrawSphere(int X, int Y, int Z, int Radius) override;
    void DrawSurfaceGrid(int Style, bool Flag, int NumX, int NumZ, TObject* Series,
                         const std::function<void(int X, int Z)>& CellCallback) override;
    void DrawTextAtZ(int X, int Y, int Z, std::string_view Text) override;
    void FillTriangle3D(std::span<const TPointXYZ, 3> Points,
                        std::span<const TColor, 3> Colours) override;
    void FillTriangleAtZ(TPoint P0, TPoint P1, TPoint P2, int Z) override;

    // --- Buffer.
    // The four screen corners the solids fill before each DrawQuadBuffer.
    std::array<TPoint, 4> QuadPoints{};
    virtual void DrawQuadBuffer();
    // The surface takes Bitmap over; the previous bitmap is handed back to the caller, who got
    // it from BufferBitmap() and now frees it.
    virtual void SetBufferBitmap(TBitmap* Bitmap);
    virtual void ReleaseBufferBitmap();
    // The whole buffer copied to DestCanvas at (X, Y).
    virtual void CopyBufferTo(int X, int Y, TCanvas* DestCanvas);

    // The projection worked out again for the view's present angles, between two passes (a
    // figure drawn over the last picture at new angles), in perspective when the view has it.
    void ProjectAgain(int MaxDepth, const TRect& Rect);
    // The pass's rotation turned further by extra angles in degrees (rotation, elevation, tilt)
    // over the view's own, for a figure drawn in an orientation of its own; the view and the
    // pass's perspective stay as they are, and extra angles of 0 turn the rotation back.
    void TurnRotation(double ExtraRotation, double ExtraElevation, int ExtraTilt);

    TBitmap* BufferBitmap() const { return FBufferBitmap.get(); }
    bool BufferDirty() const { return FBufferDirty; }
    bool KeepBufferBitmap() const { return FKeepBufferBitmap; }
    void SetKeepBufferBitmap(bool value) { FKeepBufferBitmap = value; }

    // --- Projection state of the pass.
    bool Projected3D() const { return FProjected3D; }
    int OriginX() const { return FOriginX; }
    int OriginY() const { return FOriginY; }
    double ZoomScale() const { return FZoomScale; }
    bool ScaleText() const { return FScaleText; }
    double OrthoDepthX() const { return FOrthoDepthX; }
    double OrthoDepthY() const { return FOrthoDepthY; }
    bool UsesPerspective() const { return FUsesPerspective; }
    double PerspectiveScale() const { return FPerspectiveScale; }
    bool UsesTilt() const { return FUsesTilt; }

protected:
    virtual void ComputeRotationTerms();
    // The box Text covers at (X, Y) under the text alignment, shadow included.
    TRect TextBox(int X, int Y, std::string_view Text);
    // Text written once in the device's text colour, spaced by the character spacing.
    void OutputText(int X, int Y, std::string_view Text);
    // Softens a shadow just written at (SX, SY) on the buffer.
    void BlurShadow(int SX, int SY, std::string_view Text, int Steps);
    virtual void ComputePerspectiveFactor(const TRect& Rect);

private:
    // The sines, cosines and inverse terms of the angles, in degrees; no perspective.
    void SetRotationTerms(double Elevation, double Rotation, double Tilt);
    std::unique_ptr<TBitmap> FBufferBitmap;
    std::vector<TPoint> FScratch;  // reused for projected polygons
    bool FBufferedDisplayOn = true;
    bool FBufferDirty = true;
    bool FKeepBufferBitmap = false;
    bool FMonochromeOn = false;

    bool FProjected3D = false;
    bool FSavedProjected3D = false;
    int FOriginX = 0;
    int FOriginY = 0;
    double FZoomScale = 1;
    bool FScaleText = true;
    double FOrthoDepthX = 1;
    double FOrthoDepthY = 1;
    bool FUsesPerspective = false;
    double FPerspectiveScale = 0;
    bool FUsesTilt = false;
    // Sines and cosines of -Elevation, -Rotation and Tilt, and the terms of the inverse.
    double s1 = 0, c1 = 1, s2 = 0, c2 = 1, s3 = 0, c3 = 1;
    double K1 = 0, K2 = 1, K3 = 1, K4 = 0, K5 = 0, K6 = 0;
};
