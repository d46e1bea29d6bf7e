#include "chart/foundation/TeeShape.h"

#include <algorithm>
#include <cmath>

#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeePanel.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/AssignIfChanged.h"
#include "platform/rtl/RtlMath.h"

// --- Brush, pen and visibility.

TTeeCustomShapeBrushPen::TTeeCustomShapeBrushPen() {
    auto repaint = [this](TObject*) { Repaint(); };
    FBrush = std::make_unique<TChartBrush>(repaint);
    FPen = std::make_unique<TChartPen>(repaint);
}
TTeeCustomShapeBrushPen::~TTeeCustomShapeBrushPen() = default;

void TTeeCustomShapeBrushPen::Repaint() {
    if (FParentChart) FParentChart->Invalidate();
}

void TTeeCustomShapeBrushPen::SetBrush(const TChartBrush* value) { FBrush->Assign(value); }
void TTeeCustomShapeBrushPen::SetPen(const TChartPen* value) { FPen->Assign(value); }

void TTeeCustomShapeBrushPen::SetVisible(bool value) {
    if (FParentChart)
        FParentChart->SetBooleanValue(FVisible, value);
    else
        FVisible = value;
}

void TTeeCustomShapeBrushPen::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TTeeCustomShapeBrushPen*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetBrush(other->Brush());
    SetPen(other->Pen());
    SetVisible(other->Visible());
}

// --- The box.

TTeeCustomShape::TTeeCustomShape(TCustomTeePanel* Panel) {
    SetParentChart(Panel);
    auto repaint = [this](TObject*) { Repaint(); };
    FShadow = std::make_unique<TTeeShadow>(repaint);
    InitShadow(*FShadow);
    FFont = std::make_unique<TTeeFont>(repaint);
}
TTeeCustomShape::~TTeeCustomShape() = default;

void TTeeCustomShape::InitShadow(TTeeShadow& Shadow) { Shadow.SetDefaults(clBlack, 3); }

void TTeeCustomShape::SetBevel(TBevelCut value) {
    if (AssignIfChanged(FBevel, value)) Repaint();
}
void TTeeCustomShape::SetBevelWidth(int value) {
    if (AssignIfChanged(FBevelWidth, value)) Repaint();
}
void TTeeCustomShape::SetRoundSize(int value) {
    if (AssignIfChanged(FRoundSize, value)) Repaint();
}
void TTeeCustomShape::SetShapeStyle(TChartObjectShapeStyle value) {
    if (AssignIfChanged(FShapeStyle, value)) Repaint();
}
void TTeeCustomShape::SetTextFormat(TTextFormat value) {
    if (AssignIfChanged(FTextFormat, value)) Repaint();
}
void TTeeCustomShape::SetTransparency(int value) {
    if (AssignIfChanged(FTransparency, value)) Repaint();
}

void TTeeCustomShape::SetColor(TColor value) {
    if (FParentChart)
        FParentChart->SetColorValue(FColor, value);
    else
        FColor = value;
}

void TTeeCustomShape::SetTransparent(bool value) {
    if (FParentChart)
        FParentChart->SetBooleanValue(FTransparent, value);
    else
        FTransparent = value;
}

void TTeeCustomShape::SetFont(const TTeeFont* value) { FFont->Assign(value); }

void TTeeCustomShape::SetShadow(const TTeeShadow* value) {
    if (!value) {
        FShadow.reset();
        return;
    }
    if (!FShadow) {
        FShadow = std::make_unique<TTeeShadow>([this](TObject*) { Repaint(); });
        InitShadow(*FShadow);
    }
    FShadow->Assign(value);
}

TTeeGradient* TTeeCustomShape::Gradient() {
    if (!FGradient) FGradient = std::make_unique<TTeeGradient>([this](TObject*) { Repaint(); });
    return FGradient.get();
}

void TTeeCustomShape::SetGradient(const TTeeGradient* value) {
    if (!value)
        FGradient.reset();
    else
        Gradient()->Assign(value);
    Repaint();
}

void TTeeCustomShape::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TTeeCustomShape*>(source)) {
        FBevel = other->FBevel;
        FBevelWidth = other->FBevelWidth;
        FColor = other->FColor;
        SetFont(other->Font());
        SetGradient(other->GradientIfAny());
        FShapeStyle = other->FShapeStyle;
        FRoundSize = other->FRoundSize;
        SetShadow(other->Shadow());
        FTextFormat = other->FTextFormat;
        FTransparent = other->FTransparent;
        FTransparency = other->FTransparency;
    }
    TTeeCustomShapeBrushPen::Assign(source);
}

std::array<TPoint, 4> RectCornersRotated(const TRect& Rect, double Angle) {
    const double a = Angle * M_PI / 180;
    const double s = std::sin(a), c = std::cos(a);
    const int cx = (Rect.Left + Rect.Right) / 2;
    const int cy = (Rect.Top + Rect.Bottom) / 2;
    auto turn = [&](int x, int y) {
        const double dx = x - cx, dy = y - cy;
        return TPoint{static_cast<int>(Round(dx * c + dy * s)) + cx,
                      static_cast<int>(Round(-dx * s + dy * c)) + cy};
    };
    return {turn(Rect.Left, Rect.Top), turn(Rect.Right, Rect.Top), turn(Rect.Right, Rect.Bottom),
            turn(Rect.Left, Rect.Bottom)};
}
