#include "chart/series/gauge/FramedBorder.h"

#include <algorithm>

#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/AssignIfChanged.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

// --- TFrameBrush.

TFrameBrush::TFrameBrush(TNotifyEvent onChange)
    : TChartBrush(onChange), FGradient(std::make_unique<TTeeGradient>(onChange)) {}

TFrameBrush::~TFrameBrush() = default;

void TFrameBrush::SetGradient(const TTeeGradient* value) { FGradient->Assign(value); }

void TFrameBrush::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TFrameBrush*>(source))
        FGradient->Assign(other->FGradient.get());
    TChartBrush::Assign(source);
}

void TFrameBrush::Publish(TPublisher<TFrameBrush>& p) {
    p.Object("Gradient", &TFrameBrush::Gradient, &TFrameBrush::SetGradient);
}

// --- TFramedBorder.

TFramedBorder::TFramedBorder(TNotifyEvent onChange)
    : FOnChange(std::move(onChange)),
      FBrush(std::make_unique<TFrameBrush>(FOnChange)),
      FInnerBrush(std::make_unique<TFrameBrush>(FOnChange)),
      FMiddleBrush(std::make_unique<TFrameBrush>(FOnChange)),
      FOuterBrush(std::make_unique<TFrameBrush>(FOnChange)),
      FShadow(std::make_unique<TTeeShadow>(FOnChange)) {}

TFramedBorder::~TFramedBorder() = default;

void TFramedBorder::Changed() {
    if (FOnChange) FOnChange(nullptr);
}

void TFramedBorder::SetCircled(bool value) {
    if (AssignIfChanged(FCircled, value)) Changed();
}

void TFramedBorder::SetShadow(const TTeeShadow* value) { FShadow->Assign(value); }

void TFramedBorder::SetVisible(bool value) {
    if (AssignIfChanged(FVisible, value)) Changed();
}

void TFramedBorder::SetWidth(int value) {
    if (AssignIfChanged(FWidth, value)) Changed();
}

int TFramedBorder::PixelWidth(const TRect& rect) const {
    return RoundToInt(std::min(rect.Width(), rect.Height()) * FWidth * 0.01);
}

std::array<TRect, 4> TFramedBorder::RingRects(const TRect& rect) const {
    // The rings take 10 %, 70 % and 20 % of the frame, outer to inner.
    const double step = PixelWidth(rect) * 0.1;
    std::array<TRect, 4> rects{rect, rect, rect, rect};
    const int insets[3] = {RoundToInt(step), RoundToInt(7 * step), RoundToInt(2 * step)};
    for (int i = 1; i < 4; ++i) {
        const int d = insets[i - 1];
        rects[i] = TRect{rects[i - 1].Left + d, rects[i - 1].Top + d, rects[i - 1].Right - d,
                         rects[i - 1].Bottom - d};
    }
    return rects;
}

void TFramedBorder::FillRing(TCanvas3D& canvas, const TFrameBrush& brush, const TRect& rect) const {
    if (brush.Gradient()->Visible()) {
        if (FCircled) canvas.ClipToEllipse(rect, false);
        brush.Gradient()->DrawInRect(canvas, rect);
        if (FCircled) canvas.RemoveClipping();
        return;
    }
    if (brush.Style() == bsClear) return;
    // A brush left at the automatic colour fills with the palette colour the gauge gave it.
    const TColor color = brush.Color() == clDefault ? brush.BackColor() : brush.Color();
    if (color == clNone) return;
    canvas.UseBrushColors(&brush, color, brush.BackColor());
    if (FCircled)
        canvas.DrawEllipseFromRect(rect);
    else
        canvas.DrawRectangleFromRect(rect);
}

void TFramedBorder::Draw(TCanvas3D& canvas, const TRect& rect) const {
    if (FShadow->Visible() && (FShadow->HorizSize() != 0 || FShadow->VertSize() != 0)) {
        if (FCircled)
            FShadow->DrawEllipseShadow(canvas, rect, 0);
        else
            FShadow->DrawRectShadow(canvas, rect);
    }
    canvas.Pen()->SetStyle(psClear);
    const std::array<TRect, 4> rings = RingRects(rect);
    FillRing(canvas, *FOuterBrush, rings[0]);
    FillRing(canvas, *FMiddleBrush, rings[1]);
    FillRing(canvas, *FInnerBrush, rings[2]);
    FillRing(canvas, *FBrush, rings[3]);
}

void TFramedBorder::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TFramedBorder*>(source);
    if (!other) return TPersistent::Assign(source);
    FCircled = other->FCircled;
    FBrush->Assign(other->FBrush.get());
    FInnerBrush->Assign(other->FInnerBrush.get());
    FMiddleBrush->Assign(other->FMiddleBrush.get());
    FOuterBrush->Assign(other->FOuterBrush.get());
    FShadow->Assign(other->FShadow.get());
    FVisible = other->FVisible;
    FWidth = other->FWidth;
    Changed();
}

void TFramedBorder::Publish(TPublisher<TFramedBorder>& p) {
    using F = TFramedBorder;
    p.Object("Brush", &F::Brush, &F::SetBrush);
    p.Boolean("Circled", &F::Circled, &F::SetCircled)
        .Stored([](const F& f) { return f.FCircled != f.FDefaultCircled; })
        .NoDefault();
    p.Object("InnerBrush", &F::InnerBrush, &F::SetInnerBrush);
    p.Object("MiddleBrush", &F::MiddleBrush, &F::SetMiddleBrush);
    p.Object("OuterBrush", &F::OuterBrush, &F::SetOuterBrush);
    p.Object("Shadow", &F::Shadow, &F::SetShadow);
    p.Boolean("Visible", &F::Visible, &F::SetVisible).Default(true);
    p.Integer("Width", &F::Width, &F::SetWidth).Default(10);
}
