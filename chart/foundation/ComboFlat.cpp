#include "chart/foundation/ComboFlat.h"

#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Pen.h"
#include "platform/ui/OverlayPainter.h"
#include "platform/ui/Screen.h"

TComboFlat::TComboFlat(TComponent* owner) : TComboBox(owner) {
    SetHeight(21);
    SetItemHeight(13);
    SetStyle(csDropDownList);
    SetOverlayPainter(*this, [this](TCanvas& canvas) { PaintFlatFrame(canvas); });
}

TComboFlat::~TComboFlat() = default;

std::string TComboFlat::GetSelectedText() const {
    const int i = ItemIndex();
    return i < 0 ? std::string() : Items()->Get(i);
}

TObject* TComboFlat::GetSelectedObject() const {
    const int i = ItemIndex();
    return i < 0 ? nullptr : Items()->GetObject(i);
}

void TComboFlat::PaintFlatFrame(TCanvas& canvas) const {
    if (FMouseInside || Focused()) return;
    TRect r = ClientRect();
    canvas.Brush()->SetStyle(bsClear);
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetColor(clBtnFace);
    canvas.Rectangle(r);
    canvas.Rectangle(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
    canvas.Pen()->SetColor(clWindow);
    const int buttonLeft = r.Right - GetSystemMetrics(SM_CXSIZE) - 2;
    canvas.Rectangle(Rect(buttonLeft, r.Top + 1, r.Right, r.Bottom - 1));
    canvas.MoveTo(r.Right - 2, r.Top);
    canvas.LineTo(r.Right - 2, r.Bottom);
}

void TComboFlat::SetMouseInside(bool value) {
    FMouseInside = value;
    InvalidateOverlay(*this);
}

void TComboFlat::MouseEnter() {
    TComboBox::MouseEnter();
    SetMouseInside(true);
}

void TComboFlat::MouseLeave() {
    TComboBox::MouseLeave();
    SetMouseInside(false);
}

void TComboFlat::DoEnter() {
    TComboBox::DoEnter();
    SetMouseInside(false);
}

void TComboFlat::DoExit() {
    TComboBox::DoExit();
    SetMouseInside(false);
}
