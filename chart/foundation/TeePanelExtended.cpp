#include "chart/foundation/TeePanelExtended.h"

#include <cstdlib>

#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/TeeZoom.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Publisher.h"
#include "platform/classes/Reader.h"
#include "platform/graphics/Canvas.h"

TCustomTeePanelExtended::TCustomTeePanelExtended(TComponent* owner)
    : TCustomTeePanel(owner), FZoom(std::make_unique<TTeeZoom>()) {}

TCustomTeePanelExtended::~TCustomTeePanelExtended() = default;

const TEnumInfo& PanningModeNames() {
    static const TEnumInfo names{"pmNone", "pmHorizontal", "pmVertical", "pmBoth"};
    return names;
}

void TCustomTeePanelExtended::Publish(TPublisher<TCustomTeePanelExtended>& p) {
    using T = TCustomTeePanelExtended;
    p.Enumeration("AllowPanning", PanningModeNames(), &T::AllowPanning, &T::SetAllowPanning)
        .Default(pmBoth);
    p.Object("BackImage", &T::BackImage, &T::SetBackImage).Stored([](const T& t) {
        return t.FBackImage != nullptr;
    });
    p.Boolean("BackImageInside", &T::BackImageInside, &T::SetBackImageInside).Default(false);
    p.Enumeration("BackImageMode", BackImageModeNames(), &T::BackImageMode, &T::SetBackImageMode)
        .Default(pbmStretch);
    p.Boolean("BackImageTransp", &T::BackImageTransp, &T::SetBackImageTransp).Default(false);
    p.Object("Gradient", &T::Gradient, &T::SetGradient).Stored([](const T& t) {
        return t.FGradient != nullptr;
    });
    p.Object("Zoom", &T::Zoom, &T::SetZoom);
}

TTeeGradient* TCustomTeePanelExtended::Gradient() const {
    if (!FGradient)
        FGradient = std::make_unique<TTeeGradient>([this](TObject* sender) {
            const_cast<TCustomTeePanelExtended*>(this)->SettingChanged(sender);
        });
    return FGradient.get();
}

TBackImage* TCustomTeePanelExtended::BackImage() const {
    if (!FBackImage) {
        FBackImage = std::make_unique<TBackImage>();
        FBackImage->OnChange = [this](TObject* sender) {
            const_cast<TCustomTeePanelExtended*>(this)->SettingChanged(sender);
        };
    }
    return FBackImage.get();
}

void TCustomTeePanelExtended::SetBackImage(const TBackImage* value) {
    if (!value) {
        FBackImage.reset();
        Invalidate();
        return;
    }
    BackImage()->Assign(value);
}

bool TCustomTeePanelExtended::BackImageAssigned() const {
    return FBackImage && FBackImage->Graphic();
}

bool TCustomTeePanelExtended::BackImageInside() const {
    return BackImageAssigned() && FBackImage->Inside();
}

bool TCustomTeePanelExtended::BackImageTransp() const {
    return BackImageAssigned() && FBackImage->Graphic()->Transparent();
}

void TCustomTeePanelExtended::SetBackImageTransp(bool value) {
    if (BackImageAssigned()) FBackImage->Graphic()->SetTransparent(value);
}

void TCustomTeePanelExtended::PaintBackImage(const TRect& Rect, int Z) {
    if (BackImageAssigned()) DrawPictureInRect(*FBackImage, *this, Rect, Z);
}

void TCustomTeePanelExtended::SetGradient(const TTeeGradient* value) {
    if (!value) {
        FGradient.reset();
        Invalidate();
        return;
    }
    Gradient()->Assign(value);
}

void TCustomTeePanelExtended::SetZoom(const TTeeZoom* value) { FZoom->Assign(value); }

void TCustomTeePanelExtended::UndoZoom() {
    if (OnUndoZoom) OnUndoZoom(this);
    Invalidate();
    FZoomed = false;
}

void TCustomTeePanelExtended::FillPanelRect(const TRect& Rect, TColor Colour, int RoundSize) {
    if (Printing() && !PrintPanelDecoration) return;
    if (Colour == clNone) return;
    TCanvas3D& c = *Canvas3D();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Colour);
    c.Pen()->SetStyle(psClear);
    if (RoundSize != 0)
        c.DrawRoundRectFromRect(Rect, RoundSize, RoundSize);
    else
        c.FillBackground(Rect);
}

void TCustomTeePanelExtended::FillPanelBackground(const TRect& Rect) {
    TCanvas3D& c = *Canvas3D();
    c.SuspendRotation();
    if (FGradient && FGradient->Visible())
        FGradient->DrawInRect(c, Rect, BorderRound());
    else
        FillPanelRect(Rect, Color(), BorderRound());
    c.ResumeRotation();
}

void TCustomTeePanelExtended::DrawPanel(const TRect& Rect) {
    TCanvas3D& c = *Canvas3D();
    c.SuspendRotation();
    TRect r = Rect;
    TTeeShadow& shadow = *Shadow();
    if (shadow.Visible() && shadow.GetCommonSize() != 0) {
        // Under the shadow's offset the parent shows through.
        const TColor behind = Parent() ? ColorToRGB(Parent()->Color()) : ColorToRGB(Color());
        FillPanelRect(r, behind, 0);
        const int h = shadow.HorizSize();
        const int v = shadow.VertSize();
        if (h <= 0)
            r.Left += 1 + 2 * std::abs(h);
        else
            r.Right -= 2 * h + 1;
        if (v <= 0)
            r.Top += 1 + 2 * std::abs(v);
        else
            r.Bottom -= 2 * v + 1;
        shadow.BlurWholeShape = BorderRound() != 0;
        shadow.DrawShapeShadow(c, r, 0, BorderRound(), 0);
        if (h <= 0)
            --r.Left;
        else
            ++r.Right;
        if (v <= 0)
            --r.Top;
        else
            ++r.Bottom;
    }
    FillPanelBackground(r);
    if (BackImageAssigned() && !FBackImage->Inside()) PaintBackImage(r, 0);
    DrawPanelBevels(r);
    c.ResumeRotation();
}

void TCustomTeePanelExtended::DrawZoomRectangle() {
    TCanvas3D& c = *Canvas3D();
    const TColor back = ColorToRGB(GetBackColor());
    const TColor invert = 0xFFFFFF - back;
    TTeeZoomBrush* brush = FZoom->BrushIfAny();
    if (brush)
        ApplyBrush(ColorToRGB(brush->Color()) ^ invert, brush, back);
    else
        c.Brush()->SetStyle(bsClear);
    TTeeZoomPen* pen = FZoom->Pen();
    pen->SetMode(pmNotXor);
    c.UsePenWithColor(pen, ColorToRGB(pen->Color()) ^ invert);
    if (!brush || brush->Style() == bsClear) c.SetBackgroundMode(TRANSPARENT);
    c.DrawRectangle(FZoom->X0, FZoom->Y0, FZoom->X1, FZoom->Y1);
}

void TCustomTeePanelExtended::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustomTeePanelExtended*>(source)) {
        SetBackImage(other->BackImageIfAny());
        SetGradient(other->GradientIfAny());
        FAllowPanning = other->FAllowPanning;
        SetZoom(other->Zoom());
    }
    TCustomTeePanel::Assign(source);
}

void TCustomTeePanelExtended::DefineProperties(TFiler& filer) {
    TCustomTeePanel::DefineProperties(filer);
    filer.DefineProperty(
        "AllowZoom", [this](TReader& r) { FZoom->SetAllow(r.ReadBoolean()); }, nullptr, false);
    filer.DefineProperty(
        "AnimatedZoom", [this](TReader& r) { FZoom->SetAnimated(r.ReadBoolean()); }, nullptr,
        false);
    filer.DefineProperty(
        "AnimatedZoomSteps",
        [this](TReader& r) { FZoom->SetAnimatedSteps(static_cast<int>(r.ReadInteger())); }, nullptr,
        false);
}
