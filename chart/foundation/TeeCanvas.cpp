#include "chart/foundation/TeeCanvas.h"

#include <array>
#include <cmath>
#include <numbers>

#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ColorRoutines.h"
#include "chart/foundation/DefaultChartFont.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/SavedClipRegion.h"
#include "chart/foundation/TeeBlend.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeHtml.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/RasterCopy.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/Utf8.h"

namespace {

void EndStyleToCaps(TPenEndStyle style, TPen& pen) {
    switch (style) {
        case esRound:
            pen.SetEndCap(pecRound);
            pen.SetJoin(pjRound);
            break;
        case esSquare:
            pen.SetEndCap(pecSquare);
            pen.SetJoin(pjBevel);
            break;
        case esFlat:
            pen.SetEndCap(pecFlat);
            pen.SetJoin(pjMiter);
            break;
    }
}

}  // namespace

void CreateDottedPenHandle(TPen& Pen, TColor Color, int Space) {
    Pen.SetStyle(psSolid);
    Pen.SetWidth(1);
    Pen.SetColor(ColorToRGB(Color));
    Pen.SetDotted(true, Space);
}

TTeeCanvas::TTeeCanvas() = default;
TTeeCanvas::~TTeeCanvas() = default;  // out of line: TBitmap is complete here

// --- Binding and selection -------------------------------------------------------------------

void TTeeCanvas::BindCanvas(TCanvas* Canvas) {
    FBoundCanvas = Canvas;
    FPen = Canvas ? Canvas->Pen() : nullptr;
    FBrush = Canvas ? Canvas->Brush() : nullptr;
    FFont = Canvas ? Canvas->Font() : nullptr;
}

void TTeeCanvas::ResetDrawingState() {
    FPen->SetColor(clBlack);
    FPen->SetStyle(psSolid);
    FPen->SetWidth(1);
    FBrush->SetColor(clWhite);
    FBrush->SetStyle(bsSolid);
    FFont->SetColor(clBlack);
    FFont->SetStyle({});
    FFont->SetCharset(1);
    FFont->SetName(DefaultChartFontName);
    FFont->SetSize(DefaultChartFontSize);
    FBlendPercent = 0;
    FSelectedFont = nullptr;
    // After the brush: selecting a brush sets the background on its own.
    SetBackgroundColor(clWhite);
    SetBackgroundMode(TRANSPARENT);
    SetTextAlignment(TA_LEFT | TA_TOP);
}

void TTeeCanvas::UsePenWithColor(const TPen* Pen, TColor Colour) {
    if (GetMonochrome()) Colour = clBlack;
    const auto* chartPen = dynamic_cast<const TChartPen*>(Pen);
    if (chartPen && !chartPen->Visible()) {
        FPen->SetStyle(psClear);
        return;
    }
    if (chartPen && !SupportsFreeRotation()) {
        if (chartPen->SmallDots()) {
            CreateDottedPenHandle(*FPen, Colour, chartPen->SmallSpace());
            FPen->SetMode(chartPen->Mode());
            return;
        }
        FPen->Assign(Pen);
        FPen->SetColor(Colour);
        if (chartPen->Width() >= 2) EndStyleToCaps(chartPen->EndStyle(), *FPen);
        return;
    }
    FPen->Assign(Pen);
    FPen->SetColor(Colour);
}

void TTeeCanvas::UseBrushColors(const TChartBrush* Brush, TColor FillColor, TColor BackColor) {
    if (GetMonochrome()) FillColor = clWhite;
    TBitmap* pattern = nullptr;
    if (TPicture* image = Brush->ImageIfAny(); image && image->Graphic()) {
        pattern = dynamic_cast<TBitmap*>(image->Graphic());
        if (!pattern) {
            // Another kind of picture paints through a bitmap copy; the brush keeps its own.
            if (!FPatternCopy) FPatternCopy = std::make_unique<TBitmap>();
            TGraphic* graphic = image->Graphic();
            DrawRasterCopy(*FPatternCopy, graphic);
            pattern = FPatternCopy.get();
        }
    } else {
        pattern = Brush->Bitmap();
    }
    if (pattern) {
        // A pattern brush paints in the text colour on the background colour.
        FBrush->SetStyle(bsClear);
        FBrush->SetBitmap(pattern);
        FBoundCanvas->SetTextColor(ColorToRGB(FillColor));
        SetBackgroundMode(OPAQUE);
        SetBackgroundColor(BackColor);
        return;
    }
    FBrush->SetBitmap(nullptr);
    if (FBrush->Color() != FillColor) FBrush->SetColor(FillColor);
    if (FBrush->Style() != Brush->Style()) FBrush->SetStyle(Brush->Style());
    if (BackColor == clNone) {
        SetBackgroundMode(TRANSPARENT);  // hatch gaps stay see-through
    } else {
        SetBackgroundMode(OPAQUE);
        SetBackgroundColor(BackColor);
    }
}

void TTeeCanvas::UseBrush(const TChartBrush* Brush) {
    UseBrushColors(Brush, Brush->Color(), Brush->BackColor());
}

void TTeeCanvas::UseBrushColored(const TChartBrush* Brush, TColor Color) {
    UseBrushColors(Brush, Color, Brush->Color());
}

void TTeeCanvas::DarkenBrushColor(TColor Color, int Amount) {
    if (FBrush->Style() == bsSolid) {
        FBrush->SetColor(DarkenColor(Color, Amount));
    } else {
        SetBackgroundColor(DarkenColor(Color, Amount));
    }
}

void TTeeCanvas::UseFont(TTeeFont* Font) {
    Font->SetPixelsPerInch(FFont->PixelsPerInch());
    FFont->Assign(Font);
    if (FFontZoomPercent != 100)
        FFont->SetSize(RoundToInt(FFont->Size() * FFontZoomPercent * 0.01));
    if (GetMonochrome()) FFont->SetColor(clBlack);
    if (FCharacterExtra != Font->InterCharSize()) FCharacterExtra = Font->InterCharSize();
    FSelectedFont = Font;
    Font->FontOwnerSurface = this;
}

// --- Measuring -------------------------------------------------------------------------------

int TTeeCanvas::MeasureTextWidth(std::string_view Text) { return FBoundCanvas->TextWidth(Text); }
int TTeeCanvas::MeasureTextHeight(std::string_view Text) { return FBoundCanvas->TextHeight(Text); }
int TTeeCanvas::MeasureWideTextWidth(std::u16string_view Text) {
    return MeasureTextWidth(Utf16ToUtf8(Text));
}
int TTeeCanvas::MeasureWideTextHeight(std::u16string_view Text) {
    return MeasureTextHeight(Utf16ToUtf8(Text));
}

// --- Drawing built on the primitives ---------------------------------------------------------

void TTeeCanvas::DrawArcByAngles(int Left, int Top, int Right, int Bottom, double StartAngle,
                                 double EndAngle) {
    const int a = (Right - Left) / 2;
    const int b = (Bottom - Top) / 2;
    const int cx = Left + a;
    const int cy = Top + b;
    auto at = [&](double degrees) {
        const double t = degrees * std::numbers::pi / 180;
        return TPoint{RoundToInt(std::cos(t) * a) + cx, cy - RoundToInt(std::sin(t) * b)};
    };
    const TPoint p0 = at(StartAngle);
    const TPoint p1 = at(EndAngle);
    DrawArc(Left, Top, Right, Bottom, p0.X, p0.Y, p1.X, p1.Y);
}

void TTeeCanvas::DrawBevelFrame(TRect& Rect, TColor TopLeftColour, TColor BottomRightColour,
                                int Width) {
    FPen->SetWidth(1);
    FPen->SetStyle(psSolid);
    --Rect.Bottom;
    --Rect.Right;
    std::array<TPoint, 3> corner;
    for (int i = 0; i < Width; ++i) {
        FPen->SetColor(TopLeftColour);
        corner = {TPoint{Rect.Left, Rect.Bottom}, TPoint{Rect.Left, Rect.Top},
                  TPoint{Rect.Right, Rect.Top}};
        DrawPolyline(corner, 2);
        FPen->SetColor(BottomRightColour);
        corner = {TPoint{Rect.Right, Rect.Top}, TPoint{Rect.Right, Rect.Bottom},
                  TPoint{Rect.Left - 1, Rect.Bottom}};
        DrawPolyline(corner, 2);
        ++Rect.Left;
        ++Rect.Top;
        --Rect.Right;
        --Rect.Bottom;
    }
    ++Rect.Bottom;
    ++Rect.Right;
}

void TTeeCanvas::DrawHorizontalLine(int Left, int Right, int Y) {
    MovePenTo(Left, Y);
    DrawLineTo(Right, Y);
}

void TTeeCanvas::DrawVerticalLine(int X, int Top, int Bottom) {
    MovePenTo(X, Top);
    DrawLineTo(X, Bottom);
}

void TTeeCanvas::DrawLine(int X0, int Y0, int X1, int Y1) {
    MovePenTo(X0, Y0);
    DrawLineTo(X1, Y1);
}

void TTeeCanvas::FillPolygonGradient(std::span<const TPoint> Points, int LastIndex,
                                     const TCustomTeeGradient& Gradient) {
    ClipToPolygon(Points, LastIndex, false);
    Gradient.DrawInRect(*this, OuterBoundsOfPoints(Points, LastIndex + 1));
    RemoveClipping();
    if (FPen->Style() == psClear) return;
    const TBrushStyle style = FBrush->Style();
    FBrush->SetStyle(bsClear);
    DrawPolygon(Points, LastIndex);
    FBrush->SetStyle(style);
}

// --- Blending --------------------------------------------------------------------------------

TTeeBlend* TTeeCanvas::BeginBlending(const TRect& Rect, int Transparency) {
    FBlendPercent = Transparency;
    return new TTeeBlend(*this, Rect);
}

void TTeeCanvas::EndBlending(TTeeBlend* Blend) {
    Blend->BlendBack(FBlendPercent);
    delete Blend;
}

// --- Clipping --------------------------------------------------------------------------------

TRect TTeeCanvas::RectToDevice(const TRect& Rect) const {
    const TPoint topLeft = FBoundCanvas->LPtoDP(TPoint{Rect.Left, Rect.Top});
    const TPoint bottomRight = FBoundCanvas->LPtoDP(TPoint{Rect.Right, Rect.Bottom});
    return TRect{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

void TTeeCanvas::ApplyClipRegion(const TRegion& Region, TRegionCombineMode Mode) {
    SaveDeviceClip(*FBoundCanvas);
    FBoundCanvas->ExtSelectClipRgn(Region, Mode);
}

void TTeeCanvas::ClipToRoundRect(const TRect& Rect, int RoundSize) {
    ApplyClipRegion(TRegion::FromRoundRect(RectToDevice(Rect), RoundSize, RoundSize), RGN_AND);
}

void TTeeCanvas::ClipToEllipse(const TRect& Rect, bool Inverted) {
    // The inverted ellipse is saved too, so that every clip is undone by one RemoveClipping.
    ApplyClipRegion(TRegion::FromEllipse(RectToDevice(Rect)), Inverted ? RGN_XOR : RGN_AND);
}

void TTeeCanvas::ClipToPolygon(std::span<const TPoint> Points, int LastIndex, bool Inverted) {
    std::span<const TPoint> points = Points.first(LastIndex + 1);
    if (FBoundCanvas->MapMode() != MM_TEXT) {
        FDevicePoints.assign(points.begin(), points.end());
        for (TPoint& p : FDevicePoints) p = FBoundCanvas->LPtoDP(p);
        points = FDevicePoints;
    }
    ApplyClipRegion(TRegion::FromPolygon(points), Inverted ? RGN_DIFF : RGN_AND);
}

void TTeeCanvas::DrawTextOrMarkup(int X, int Y, bool AsMarkup, std::string_view Text) {
    if (AsMarkup)
        DrawMarkupText(*this, X, Y, Text);
    else
        DrawTextAt(X, Y, Text);
}
