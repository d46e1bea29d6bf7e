#include "platform/ui/BitBtn.h"

#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Font.h"
#include "platform/ui/Form.h"

void TBitBtn::Publish(TPublisher<TBitBtn>& p) {
    p.Enumeration("Kind", BitBtnKindNames(), &TBitBtn::Kind, &TBitBtn::SetKind).Default(bkCustom);
    p.Object("Glyph", &TBitBtn::Glyph);
    p.Integer("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs).Default(1);
    p.Enumeration("Layout", ButtonLayoutNames(), &TBitBtn::Layout, &TBitBtn::SetLayout)
        .Default(blGlyphLeft);
    p.Integer("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin).Default(-1);
    p.Integer("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing).Default(4);
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), FGlyph(std::make_unique<TBitmap>()) {
    FGlyph->SetSize(0, 0);
    // Our painting covers the whole widget, and a press must repaint it sunken.
    Widget()->setAttribute(Qt::WA_OpaquePaintEvent);
    Widget()->setAttribute(Qt::WA_Hover);
}

TBitBtn::~TBitBtn() = default;

void TBitBtn::SetKind(TBitBtnKind value) {
    if (value == FKind) return;
    FKind = value;
    if (value != bkCustom) {
        const TBitBtnKindInfo& info = BitBtnKindInfo(value);
        SetCaption(info.Caption);
        SetModalResult(info.ModalResult);
        SetDefault(info.Default);
        SetCancel(info.Cancel);
        DrawBitBtnKindGlyph(value, *FGlyph);
        FNumGlyphs = 2;
    }
    Invalidate();
}

void TBitBtn::SetGlyph(const TBitmap* value) {
    if (value)
        FGlyph->Assign(value);
    else
        FGlyph->SetSize(0, 0);
    FKind = bkCustom;
    Invalidate();
}

void TBitBtn::SetNumGlyphs(int value) {
    value = std::clamp(value, 1, 4);
    if (value == FNumGlyphs) return;
    FNumGlyphs = value;
    Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout value) {
    if (value == FLayout) return;
    FLayout = value;
    Invalidate();
}

void TBitBtn::SetMargin(int value) {
    if (value == FMargin) return;
    FMargin = std::max(value, -1);
    Invalidate();
}

void TBitBtn::SetSpacing(int value) {
    if (value == FSpacing) return;
    FSpacing = std::max(value, -1);
    Invalidate();
}

void TBitBtn::Click() {
    if (FKind == bkClose) {
        if (TForm* form = ParentForm()) form->Close();
        return;
    }
    TButton::Click();
}

bool TBitBtn::ToolkitEvent(QEvent* event) {
    if (event->type() == QEvent::Paint) {
        PaintButton();
        return true;
    }
    return TButton::ToolkitEvent(event);
}

void TBitBtn::PaintButton() {
    auto* button = static_cast<QPushButton*>(Widget());
    TBitmap surface(button->width(), button->height());
    TCanvas& canvas = *surface.Canvas();
    canvas.Font()->Assign(Font());
    TButtonLook look;
    look.Caption = Caption();
    look.Glyph = FGlyph.get();
    look.NumGlyphs = FNumGlyphs;
    look.Layout = FLayout;
    look.Margin = FMargin;
    look.Spacing = FSpacing;
    look.State = !Enabled() ? bsDisabled : button->isDown() ? bsDown : bsUp;
    look.Default = Default() || button->hasFocus();
    DrawButton(canvas, Rect(0, 0, surface.Width(), surface.Height()), look);
    QPainter painter(button);
    painter.drawImage(0, 0, surface.Image());
}
