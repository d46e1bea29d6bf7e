#pragma once
// The flat part of the chart drawing surface: every series, axis, legend and tool draws through
// it. It wraps a bound canvas (whose own Pen, Brush and Font it changes), turns chart pens,
// brushes and fonts into what the canvas draws with, and offers measuring, clipping and
// blending. The 3-D part is TCanvas3D; the one concrete surface is TTeeCanvas3D.
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chart/foundation/TeeGradient.h"
#include "platform/graphics/Canvas.h"

class TTeeBlend;
class TTeeFont;
class TChartBrush;
class TGraphic;
class TBitmap;

// Makes Pen a one-pixel dotted pen in Color: Space 0 or less lights every other pixel, a larger
// Space leaves Space pixels between dots.
void CreateDottedPenHandle(TPen& Pen, TColor Color, int Space);

class TTeeCanvas {
public:
    TTeeCanvas();
    virtual ~TTeeCanvas();
    TTeeCanvas(const TTeeCanvas&) = delete;
    TTeeCanvas& operator=(const TTeeCanvas&) = delete;

    // --- Device state.
    virtual TColor GetBackgroundColor() = 0;
    virtual int GetBackgroundMode() = 0;
    virtual TCanvas* GetDeviceHandle() = 0;
    virtual bool GetMonochrome() = 0;
    virtual TColor GetPixelColor(int X, int Y) = 0;
    virtual bool SupportsFreeRotation() = 0;
    virtual bool IsVectorSurface() = 0;
    virtual unsigned GetTextAlignment() = 0;
    virtual bool GetBufferedDisplay() = 0;
    virtual void SetBackgroundColor(TColor Colour) = 0;
    virtual void SetBackgroundMode(int Mode) = 0;
    virtual void SetMonochrome(bool Value) = 0;
    virtual void SetPixelColor(int X, int Y, TColor Colour) = 0;
    virtual void SetTextAlignment(unsigned Flags) = 0;
    virtual void SetBufferedDisplay(bool Value) = 0;

    // --- Selection and blending.
    virtual void UsePenWithColor(const TPen* Pen, TColor Colour);
    // Captures the pixels under Rect; EndBlending mixes them back over what was drawn since,
    // Transparency percent of them, and frees the blend.
    virtual TTeeBlend* BeginBlending(const TRect& Rect, int Transparency);
    virtual void EndBlending(TTeeBlend* Blend);

    // --- Primitives.
    virtual void DrawArc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) = 0;
    virtual void DrawArcByAngles(int Left, int Top, int Right, int Bottom, double StartAngle,
                                 double EndAngle);
    // Angles in radians; HolePercent of the radii is left out in the middle.
    virtual void DrawDonutSlice(int XCenter, int YCenter, int XRadius, int YRadius,
                                double StartAngle, double EndAngle, double HolePercent) = 0;
    virtual void DrawGraphic(int X, int Y, TGraphic* Graphic) = 0;
    virtual void DrawEllipse(int X1, int Y1, int X2, int Y2) = 0;
    virtual void FillRectangle(const TRect& Rect) = 0;
    // Width nested one-pixel frames, light on the top and left, dark on the right and bottom;
    // Rect comes back inset by Width.
    virtual void DrawBevelFrame(TRect& Rect, TColor TopLeftColour, TColor BottomRightColour,
                                int Width);
    virtual void DrawLineTo(int X, int Y) = 0;
    virtual void MovePenTo(int X, int Y) = 0;
    virtual void DrawPie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) = 0;
    virtual void DrawRectangle(int X0, int Y0, int X1, int Y1) = 0;
    virtual void DrawRoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth,
                               int CornerHeight) = 0;
    virtual void StretchDrawGraphic(const TRect& Rect, TGraphic* Graphic) = 0;
    virtual void DrawTextAt(int X, int Y, std::string_view Text) = 0;
    virtual int MeasureTextWidth(std::string_view Text);
    virtual int MeasureTextHeight(std::string_view Text);
    virtual int MeasureWideTextWidth(std::u16string_view Text);
    virtual int MeasureWideTextHeight(std::u16string_view Text);

    // --- Clipping. Each clip saves the clip it replaces; RemoveClipping gives it back.
    virtual void ClipToRectangle(const TRect& Rect) = 0;
    virtual void ClipToRoundRect(const TRect& Rect, int RoundSize);
    virtual void ClipToEllipse(const TRect& Rect, bool Inverted);
    virtual void ClipToPolygon(std::span<const TPoint> Points, int LastIndex, bool Inverted);

    virtual void DrawHorizontalLine(int Left, int Right, int Y);
    virtual void DrawVerticalLine(int X, int Top, int Bottom);
    virtual void FillBackground(const TRect& Rect) = 0;
    virtual void FillGradient(const TRect& Rect, TColor StartColour, TColor EndColour,
                              TGradientDirection Direction, int Balance, int RadialX,
                              int RadialY) = 0;
    virtual void MarkDirty() = 0;
    virtual void DrawLine(int X0, int Y0, int X1, int Y1);
    virtual void DrawPolyline(std::span<const TPoint> Points, int LastIndex) = 0;
    virtual void DrawPolygon(std::span<const TPoint> Points, int LastIndex) = 0;
    virtual void FillPolygonGradient(std::span<const TPoint> Points, int LastIndex,
                                     const TCustomTeeGradient& Gradient);
    virtual void DrawRotatedText(int X, int Y, std::string_view Text, double Angle) = 0;
    virtual void RemoveClipping() = 0;

    // --- Binding and attribute selection.
    // The surface draws on Canvas with Canvas's own pen, brush and font.
    void BindCanvas(TCanvas* Canvas);
    TCanvas* BoundCanvas() const { return FBoundCanvas; }
    TPen* Pen() const { return FPen; }
    TBrush* Brush() const { return FBrush; }
    TFont* Font() const { return FFont; }
    // Black solid pen, white solid brush, the default chart font, white transparent background,
    // left-top text, no blend and no selected font.
    void ResetDrawingState();
    // Text as markup (tags for bold, colour, size...) when AsMarkup, else as plain text.
    void DrawTextOrMarkup(int X, int Y, bool AsMarkup, std::string_view Text);
    void UsePen(const TPen* Pen) { UsePenWithColor(Pen, Pen->Color()); }
    void UseBrushColors(const TChartBrush* Brush, TColor FillColor, TColor BackColor);
    void UseBrush(const TChartBrush* Brush);
    void UseBrushColored(const TChartBrush* Brush, TColor Color);
    // A solid brush takes the darkened colour; a hatch gets it as its background.
    void DarkenBrushColor(TColor Color, int Amount);
    void UseFont(TTeeFont* Font);
    int MeasureLineHeight() { return MeasureTextHeight("W"); }

    // --- Convenience forms.
    void DrawRectangleFromRect(const TRect& R) { DrawRectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void DrawEllipseFromRect(const TRect& R) { DrawEllipse(R.Left, R.Top, R.Right, R.Bottom); }
    void DrawRoundRectFromRect(const TRect& R, int CornerWidth, int CornerHeight) {
        DrawRoundRect(R.Left, R.Top, R.Right, R.Bottom, CornerWidth, CornerHeight);
    }
    void DrawLineToPoint(TPoint P) { DrawLineTo(P.X, P.Y); }
    void MovePenToPoint(TPoint P) { MovePenTo(P.X, P.Y); }
    void DrawLineBetween(TPoint P0, TPoint P1) { DrawLine(P0.X, P0.Y, P1.X, P1.Y); }

    TRect PaintBounds() const { return FPaintBounds; }
    TTeeFont* SelectedFont() const { return FSelectedFont; }
    double FontZoomPercent() const { return FFontZoomPercent; }
    void SetFontZoomPercent(double value) { FFontZoomPercent = value; }
    int BlendPercent() const { return FBlendPercent; }
    // Extra pixels between characters of the selected font, for text output.
    int CharacterExtra() const { return FCharacterExtra; }
    bool RecordingMetafile() const { return FRecordingMetafile; }
    void SetRecordingMetafile(bool value) { FRecordingMetafile = value; }

protected:
    // Saves the device clip, then combines Region with it by Mode (device pixels).
    void ApplyClipRegion(const TRegion& Region, TRegionCombineMode Mode);
    // Rect's corners in device pixels.
    TRect RectToDevice(const TRect& Rect) const;

    TRect FPaintBounds;
    double FFontZoomPercent = 100;

private:
    TCanvas* FBoundCanvas = nullptr;
    TPen* FPen = nullptr;
    TBrush* FBrush = nullptr;
    TFont* FFont = nullptr;
    TTeeFont* FSelectedFont = nullptr;
    int FBlendPercent = 0;
    int FCharacterExtra = 0;
    bool FRecordingMetafile = false;
    std::vector<TPoint> FDevicePoints;      // reused for clip polygons under a mapping
    std::unique_ptr<TBitmap> FPatternCopy;  // a brush picture that is not a bitmap
};
