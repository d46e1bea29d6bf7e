#include "chart/foundation/TeeShape.h"

#include <algorithm>
#include <cmath>

#include "chart/foundation/BackImage.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeePanel.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/AssignIfChanged.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Publisher.h"
#include "platform/classes/Reader.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/RtlMath.h"

// --- Brush, pen and visibility.

TTeeCustomShapeBrushPen::TTeeCustomShapeBrushPen()
    : FPen(std::make_unique<TChartPen>([this](TObject*) { Repaint(); })) {}
TTeeCustomShapeBrushPen::~TTeeCustomShapeBrushPen() = default;

TClass TTeeCustomShapeBrushPen::BrushClassToCreate() const { return &TChartBrush::StaticClass(); }

TChartBrush* TTeeCustomShapeBrushPen::Brush() const {
    if (!FBrush) {
        std::unique_ptr<TObject> made(BrushClassToCreate()->Create());
        FBrush.reset(As<TChartBrush>(made.get()));
        made.release();
        FBrush->OnChange = [this](TObject*) {
            const_cast<TTeeCustomShapeBrushPen*>(this)->Repaint();
        };
    }
    return FBrush.get();
}

void TTeeCustomShapeBrushPen::Repaint() {
    if (FParentChart) FParentChart->Invalidate();
}

void TTeeCustomShapeBrushPen::SetBrush(const TChartBrush* value) { Brush()->Assign(value); }
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

const TEnumInfo& BevelCutNames() {
    static const TEnumInfo names{"bvNone", "bvLowered", "bvRaised", "bvSpace"};
    return names;
}

const TEnumInfo& TextFormatNames() {
    static const TEnumInfo names{"ttfNormal", "ttfHtml"};
    return names;
}

const TEnumInfo& ShapeStyleNames() {
    static const TEnumInfo names{"fosRectangle", "fosRoundRectangle", "fosEllipse"};
    return names;
}

TTeeCustomShape::TTeeCustomShape(TCustomTeePanel* Panel) {
    SetParentChart(Panel);
    FFont = std::make_unique<TTeeFont>([this](TObject*) { Repaint(); });
}
TTeeCustomShape::~TTeeCustomShape() = default;

TClass TTeeCustomShape::GradientClassToCreate() const { return &TTeeGradient::StaticClass(); }

void TTeeCustomShape::InitShadow(TTeeShadow& Shadow) const { Shadow.SetDefaults(clBlack, 3); }

TTeeShadow* TTeeCustomShape::Shadow() const {
    if (!FShadow && !FShadowNone) {
        FShadow = std::make_unique<TTeeShadow>(
            [this](TObject*) { const_cast<TTeeCustomShape*>(this)->Repaint(); });
        InitShadow(*FShadow);
    }
    return FShadow.get();
}

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
    FShadowNone = value == nullptr;
    if (FShadowNone)
        FShadow.reset();
    else
        Shadow()->Assign(value);
}

TTeeGradient* TTeeCustomShape::Gradient() const {
    if (!FGradient) {
        std::unique_ptr<TObject> made(GradientClassToCreate()->Create());
        FGradient.reset(As<TTeeGradient>(made.get()));
        made.release();
        FGradient->OnChange = [this](TObject*) { const_cast<TTeeCustomShape*>(this)->Repaint(); };
    }
    return FGradient.get();
}

TBackImage* TTeeCustomShape::Picture() const {
    if (!FPicture) {
        FPicture = std::make_unique<TBackImage>();
        FPicture->OnChange = [this](TObject*) { const_cast<TTeeCustomShape*>(this)->Repaint(); };
    }
    return FPicture.get();
}

void TTeeCustomShape::SetPicture(const TBackImage* value) {
    if (!value)
        FPicture.reset();
    else
        Picture()->Assign(value);
    Repaint();
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
        SetPicture(other->PictureIfAny());
        FRoundSize = other->FRoundSize;
        SetShadow(other->Shadow());
        FTextFormat = other->FTextFormat;
        FTransparent = other->FTransparent;
        FTransparency = other->FTransparency;
    }
    TTeeCustomShapeBrushPen::Assign(source);
}

void TTeeCustomShape::DefineProperties(TFiler& filer) {
    TTeeCustomShapeBrushPen::DefineProperties(filer);
    filer.DefineProperty(
        "ShadowColor",
        [this](TReader& r) {
            const TColor colour =
                r.NextValue() == vaIdent ? StringToColor(r.ReadIdent()) : TColor(r.ReadInteger());
            if (TTeeShadow* shadow = Shadow()) shadow->SetColor(colour);
        },
        nullptr, false);
    filer.DefineProperty(
        "ShadowSize",
        [this](TReader& r) {
            const int size = static_cast<int>(r.ReadInteger());
            if (TTeeShadow* shadow = Shadow()) shadow->SetCommonSize(size);
        },
        nullptr, false);
}

void TTeeShape::Publish(TPublisher<TTeeShape>& p) {
    using T = TTeeShape;
    p.Enumeration("Bevel", BevelCutNames(), &T::Bevel, &T::SetBevel).Default(bvNone);
    p.Integer("BevelWidth", &T::BevelWidth, &T::SetBevelWidth).Default(2);
    p.Color("Color", &T::Color, &T::SetColor).Default(clWhite);
    p.Object("Font", &T::Font, &T::SetFont);
    p.Object("Gradient", &T::Gradient, &T::SetGradient).Stored([](const T& t) {
        return t.GradientIfAny() != nullptr;
    });
    p.Object("Picture", &T::Picture, &T::SetPicture).Stored([](const T& t) {
        return t.PictureIfAny() != nullptr;
    });
    p.Integer("RoundSize", &T::RoundSize, &T::SetRoundSize).Default(16);
    p.Object("Shadow", &T::Shadow, &T::SetShadow);
    p.Enumeration("ShapeStyle", ShapeStyleNames(), &T::ShapeStyle, &T::SetShapeStyle)
        .Default(fosRectangle);
    p.Boolean("Transparent", &T::Transparent, &T::SetTransparent).Stored([](const T& t) {
        return t.IsTransparentStored();
    });
    p.Boolean("Visible", &T::Visible, &T::SetVisible).Default(true);
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
