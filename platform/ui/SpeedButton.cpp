#include "platform/ui/SpeedButton.h"

#include <algorithm>

#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Font.h"

void TSpeedButton::Publish(TPublisher<TSpeedButton>& p) {
    p.Boolean("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false);
    p.Integer("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
    p.Boolean("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(false);
    p.Boolean("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false);
    PublishGlyph(p);
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

TSpeedButton::~TSpeedButton() = default;

template <class F>
void TSpeedButton::ForGroup(F&& f) {
    if (FGroupIndex == 0 || !Parent()) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
        if (other && other != this && other->FGroupIndex == FGroupIndex) f(*other);
    }
}

void TSpeedButton::SetFlat(bool value) {
    if (value == FFlat) return;
    FFlat = value;
    Invalidate();
}

void TSpeedButton::SetDown(bool value) {
    if (FGroupIndex == 0) value = false;
    if (value == FDown) return;
    // In a group without AllowAllUp the last button down cannot be raised, only replaced.
    if (!value && !FAllowAllUp) return;
    FDown = value;
    if (value)
        ForGroup([](TSpeedButton& other) {
            if (!other.FDown) return;
            other.FDown = false;
            other.Invalidate();
        });
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int value) {
    if (value == FGroupIndex) return;
    FGroupIndex = value;
    if (value == 0) {
        FDown = false;
        Invalidate();
        return;
    }
    // Joining a group: take its AllowAllUp, and stay the only one down.
    bool joinedDown = FDown;
    ForGroup([&](TSpeedButton& other) {
        FAllowAllUp = other.FAllowAllUp;
        if (joinedDown && other.FDown) {
            other.FDown = false;
            other.Invalidate();
        }
    });
}

void TSpeedButton::SetAllowAllUp(bool value) {
    FAllowAllUp = value;
    ForGroup([value](TSpeedButton& other) { other.FAllowAllUp = value; });
}

void TSpeedButton::SetEnabled(bool value) {
    TGraphicControl::SetEnabled(value);
    Invalidate();
}

void TSpeedButton::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Font()->Assign(Font());
    TButtonLook look = GlyphLook(Caption());
    look.State = !Enabled()              ? bsDisabled
                 : FPressed && FDragging ? bsDown
                 : FDown                 ? bsExclusive
                                         : bsUp;
    look.Flat = FFlat;
    look.Hot = FHot;
    DrawButton(canvas, Rect(0, 0, Width(), Height()), look);
    TGraphicControl::Paint();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled()) return;
    FPressed = FDragging = true;
    Invalidate();
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (!FPressed || Inside(x, y) == FDragging) return;
    FDragging = Inside(x, y);
    Invalidate();
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const bool clicked = button == mbLeft && FPressed && Inside(x, y);
    if (button == mbLeft) {
        FPressed = FDragging = false;
        Invalidate();
    }
    if (clicked && FGroupIndex != 0) SetDown(!FDown);
    TGraphicControl::MouseUp(button, shift, x, y);
    if (clicked) Click();
}

void TSpeedButton::MouseEnter() {
    TGraphicControl::MouseEnter();
    FHot = true;
    if (FFlat) Invalidate();
}

void TSpeedButton::MouseLeave() {
    TGraphicControl::MouseLeave();
    FHot = false;
    if (FFlat) Invalidate();
}
