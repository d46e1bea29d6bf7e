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
    PublishGlyph(p);
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {
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
        DrawBitBtnKindGlyph(value, *Glyph());
        SetNumGlyphs(2);
    }
    Invalidate();
}

void TBitBtn::SetGlyph(const TBitmap* value) {
    FKind = bkCustom;
    TButtonGlyph::SetGlyph(value);
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
    TButtonLook look = GlyphLook(Caption());
    look.State = !Enabled() ? bsDisabled : button->isDown() ? bsDown : bsUp;
    look.Default = Default() || button->hasFocus();
    DrawButton(canvas, Rect(0, 0, surface.Width(), surface.Height()), look);
    QPainter painter(button);
    painter.drawImage(0, 0, surface.Image());
}
