#pragma once
// A drawing surface that smooths the edges of diagonal lines, arcs, ellipses, pie and donut
// slices, polygons and rounded rectangles in software, on its 24-bit buffer bitmap: each point
// of a walk is shared between two neighbouring pixels by intensity weights, and each of those
// pixels is blended between its colour and the drawing colour. Everything else (text,
// rectangles, horizontal and vertical lines, gradients, bitmaps) is drawn by the ordinary
// surface, and so is everything while smoothing is off: when drawing into a metafile, without
// a buffer, or when its tool switched anti-aliasing off.
#include <cstdint>

#include "chart/foundation/TeeCanvas3D.h"
#include "platform/graphics/Pen.h"

class TAntiAliasTool;

class TAntiAliasCanvas : public TTeeCanvas3D {
public:
    TAntiAliasCanvas();
    // Tells its tool that the canvas is gone.
    ~TAntiAliasCanvas() override;

    bool AntiAliasOff() const { return FAntiAliasOff; }
    // A real change asks the chart to paint itself again.
    void SetAntiAliasOff(bool value);
    bool Smoothing() const { return FSmoothing; }
    TAntiAliasTool* Tool() const { return FTool; }
    void SetTool(TAntiAliasTool* tool) { FTool = tool; }

    void SetBufferedDisplay(bool Value) override;
    void UsePenWithColor(const TPen* Pen, TColor Colour) override;
    void DrawArc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) override;
    void DrawArcByAngles(int Left, int Top, int Right, int Bottom, double StartAngle,
                         double EndAngle) override;
    void DrawDonutSlice(int XCenter, int YCenter, int XRadius, int YRadius, double StartAngle,
                        double EndAngle, double HolePercent) override;
    void DrawEllipse(int X1, int Y1, int X2, int Y2) override;
    void DrawLineTo(int X, int Y) override;
    void MovePenTo(int X, int Y) override;
    void DrawPie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) override;
    void DrawRoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth, int CornerHeight) override;
    void FillGradient(const TRect& Rect, TColor StartColour, TColor EndColour,
                      TGradientDirection Direction, int Balance, int RadialX, int RadialY) override;
    void DrawPolyline(std::span<const TPoint> Points, int LastIndex) override;
    void DrawPolygon(std::span<const TPoint> Points, int LastIndex) override;
    TRect PrepareDrawing(TCanvas* Canvas, TView3DOptions* ViewOptions, TColor BackColour, bool Is3D,
                         const TRect& Bounds) override;
    void SetBufferBitmap(TBitmap* Bitmap) override;

private:
    void UpdateSmoothing();
    void UseDrawColor(TColor colour);
    // Blends the pixel by weight w: 0 gives the drawing colour, 1 leaves the pixel as it is.
    void BlendPixel(int x, int y, float w);
    // One pixel at near weight, its neighbour at far weight.
    void BlendPair(int nx, int ny, int fx, int fy, float nearWeight);
    // A line one pixel wide from the pen position to (X, Y).
    void WalkLine(int X, int Y);
    // An arc from Start to End degrees (Start < End) walked quadrant by quadrant.
    void WalkArc(int Left, int Top, int Right, int Bottom, double Start, double End);
    void WalkArcSegment(int cx, int cy, int a, int b, double start, double end);
    // The outline of the ellipse in the box, in colour.
    void TraceEllipse(int X1, int Y1, int X2, int Y2, TColor colour);
    void PlotEllipsePoint(int x, int y, int ox, int oy, TColor colour, bool step);
    void TraceRoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth, int CornerHeight);
    const uint8_t* DashMask() const;

    bool FAntiAliasOff = false;
    int FLastX = 0;
    int FLastY = 0;
    bool FSmoothing = false;
    uint8_t FRed = 0;
    uint8_t FGreen = 0;
    uint8_t FBlue = 0;
    bool FRowAccess = false;  // the buffer is 24 bits a pixel and blended through its rows
    TAntiAliasTool* FTool = nullptr;
    TColor FDrawColor = clBlack;
    bool FSmallDots = false;
    TPenStyle FPenStyle = psSolid;
    int FPenWidth = 1;
};
