// The framed edit's drop-down button: a strip of the scroll-bar width inside the edit's right
// edge that descendants show to open a pop-up. The strip takes the mouse for itself; the text
// keeps the rest.
#include "controls/RzCustomEdit.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/EditCaret.h"
#include "platform/ui/OverlayPainter.h"
#include "platform/ui/Screen.h"

namespace {
constexpr int kVkF4 = VK_F1 + 3;
// The edit's border the button stays inside.
constexpr int kBorder = 2;
}  // namespace

TRect TRzCustomEdit::DropButtonRect() const {
    const int w = GetSystemMetrics(SM_CXVSCROLL);
    return Rect(Width() - kBorder - w, kBorder, Width() - kBorder, Height() - kBorder);
}

void TRzCustomEdit::SetDropButtonEnabled(bool value) {
    if (value == FDropButtonEnabled) return;
    FDropButtonEnabled = value;
    SetDropButtonShown(value);
}

// The text keeps clear of the button, which takes the mouse over it.
void TRzCustomEdit::SetDropButtonShown(bool value) {
    if (value == FDropButtonShown) return;
    FDropButtonShown = value;
    SetEditMargins(*this, EditLeftMargin(*this), value ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    if (value)
        SetMouseFilter(*this, [this](const TMouseMessage& m) { return DropButtonMouse(m); });
    else
        SetMouseFilter(*this, nullptr);
    FMouseOverButton = false;
    ShowCursorOver(*this, crDefault);
    RepaintFrame();
}

void TRzCustomEdit::HideDropButton() {
    if (FDropButtonEnabled) SetDropButtonShown(false);
}

void TRzCustomEdit::RestoreDropButton() {
    if (FDropButtonEnabled) SetDropButtonShown(true);
}

void TRzCustomEdit::SetButtonState(TRzDropButtonState value) {
    if (value == FButtonState || !FDropButtonShown) return;
    FButtonState = value;
    RepaintFrame();
}

bool TRzCustomEdit::DropButtonMouse(const TMouseMessage& m) {
    FMouseOverButton = DropButtonRect().Contains(m.Pos.X, m.Pos.Y);
    switch (m.Kind) {
        case mmMove:
            ShowCursorOver(*this, FMouseOverButton ? crArrow : crDefault);
            return false;
        case mmPress:
        case mmDoubleClick:
            if (!FMouseOverButton) return false;
            if (m.Button == mbLeft) {
                if (!Focused() && CanFocus()) SetFocus();
                ShowDropDown();
            }
            return true;  // the text sees no press on the button
        case mmRelease:
            if (m.Button == mbLeft) ReleaseDropButton();
            return false;
    }
    return false;
}

void TRzCustomEdit::ShowDropDown() {
    TValueGuard<bool> dropped(FDroppedDown, true);
    SetMouseCapture(true);
    SetButtonState(dbsPressed);
    DoDropDown();
    DoCloseUp();
    SetButtonState(dbsNormal);
}

void TRzCustomEdit::ReleaseDropButton() {
    if (!FDroppedDown) SetButtonState(dbsNormal);
    if (MouseCapture()) SetMouseCapture(false);
}

void TRzCustomEdit::DoDropDown() {
    if (OnDropDown) OnDropDown(this);
}

void TRzCustomEdit::DoCloseUp() {
    if (OnCloseUp) OnCloseUp(this);
}

void TRzCustomEdit::KeyDown(int& key, TShiftState shift) {
    TEdit::KeyDown(key, shift);
    if (!FDropButtonShown) return;
    const bool altDown = key == VK_DOWN && shift == TShiftState{ssAlt};
    const bool f4 = key == kVkF4 && shift.Empty();
    if (altDown || f4) {
        ShowDropDown();
        key = 0;
    }
}

// Classic look: a raised button, or flat in the edit's state colour until the edit is focused
// or under the mouse.
void TRzCustomEdit::DrawDropButton(TCanvas& canvas, const TRect& bounds) {
    const bool pressed = FButtonState == dbsPressed;
    TRect r = bounds;
    TColor face = clBtnFace;
    if (!FFlatButtons) {
        r = pressed ? PaintOutlineBox(canvas, r, clBtnShadow)
                    : PaintFrameStyle(canvas, r, fsButtonUp);
    } else if (FFocused || FMouseOver) {
        face = FFlatButtonColor;
        if (face == clBtnFace)
            r = PaintSideLines(canvas, r, pressed ? clBtnShadow : clBtnHighlight,
                               pressed ? clBtnHighlight : clBtnShadow, sdAllSides);
        else
            r = PaintTintedFrameStyle(canvas, r, face, pressed ? fsStatus : fsPopup);
    } else {
        face = !Enabled() ? FDisabledColor : ReadOnly() ? FReadOnlyColor : FNormalColor;
    }
    canvas.Brush()->SetColor(face);
    canvas.FillRect(r);
    PaintDropArrow(canvas, r, afClassic, Enabled());
}
