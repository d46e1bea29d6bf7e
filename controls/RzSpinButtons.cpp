#include "controls/RzSpinButtons.h"

#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"

const TEnumInfo& OrientationNames() {
    static const TEnumInfo names{"orHorizontal", "orVertical"};
    return names;
}
const TEnumInfo& SpinDirectionNames() {
    static const TEnumInfo names{"sdUpDown", "sdLeftRight"};
    return names;
}

TRzSpinButtons::TRzSpinButtons(TComponent* owner) : TCustomControl(owner) {
    SetTabStop(false);
    FUpRight = CreateButton();
    FDownLeft = CreateButton();
    ApplyArrowStyles();
    SetBounds(Left(), Top(), 16, 25);
}

TRzSpinButtons::~TRzSpinButtons() = default;

void TRzSpinButtons::Publish(TPublisher<TRzSpinButtons>& p) {
    using S = TRzSpinButtons;
    p.Integer("Delay", &S::Delay, &S::SetDelay).Default(100);
    p.Enumeration("Direction", SpinDirectionNames(), &S::Direction, &S::SetDirection)
        .Default(sdUpDown);
    p.Boolean("Flat", &S::Flat, &S::SetFlat).Default(false);
    p.Integer("InitialDelay", &S::InitialDelay, &S::SetInitialDelay).Default(400);
    p.Enumeration("Orientation", OrientationNames(), &S::Orientation, &S::SetOrientation)
        .Default(orVertical);
    p.Color("Color", &TControl::Color, &S::SetButtonsColor)
        .Default(clBtnFace)
        .Stored([](const S& s) { return !s.ParentColor(); });
    p.Component("FocusControl", &S::FocusControl, &S::SetFocusControl);
    p.Object("GlyphUpRight", &S::GlyphUpRight, &S::SetGlyphUpRight).Stored(&S::CustomUpRight);
    p.Object("GlyphDownLeft", &S::GlyphDownLeft, &S::SetGlyphDownLeft).Stored(&S::CustomDownLeft);
    p.Integer("NumGlyphsUpRight", &S::NumGlyphsUpRight, &S::SetNumGlyphsUpRight)
        .Default(2)
        .Stored(&S::CustomUpRight);
    p.Integer("NumGlyphsDownLeft", &S::NumGlyphsDownLeft, &S::SetNumGlyphsDownLeft)
        .Default(2)
        .Stored(&S::CustomDownLeft);
}

TRzControlButton* TRzSpinButtons::CreateButton() {
    auto* button = new TRzControlButton(this);
    button->SetParent(this);
    button->SetRepeatClicks(true);
    button->SetNumGlyphs(2);
    button->OnClick = [this](TObject* sender) {
        if (sender == FUpRight) {
            if (OnUpRightClick) OnUpRightClick(this);
        } else if (OnDownLeftClick) {
            OnDownLeftClick(this);
        }
    };
    button->OnMouseDown = [this, button](TObject*, TMouseButton mouse, TShiftState, int, int) {
        if (!ButtonMouseDown(mouse)) button->AbortPress();
    };
    button->OnGlyphChange = [this, button](TObject*) { GlyphChanged(button); };
    return button;
}

int TRzSpinButtons::Delay() const { return FUpRight->Delay(); }
void TRzSpinButtons::SetDelay(int value) {
    FUpRight->SetDelay(value);
    FDownLeft->SetDelay(value);
}
int TRzSpinButtons::InitialDelay() const { return FUpRight->InitialDelay(); }
void TRzSpinButtons::SetInitialDelay(int value) {
    FUpRight->SetInitialDelay(value);
    FDownLeft->SetInitialDelay(value);
}

// A press focuses the control the buttons step, so that its exit handling runs first; when it
// does not take the focus, the press is dropped.
bool TRzSpinButtons::ButtonMouseDown(TMouseButton button) {
    if (button != mbLeft) return true;
    TWinControl* target = FFocusControl;
    if (!(target && target->TabStop() && target->CanFocus()))
        target = TabStop() && CanFocus() ? this : nullptr;
    if (!target || target->Focused()) return true;
    target->SetFocus();
    return target->Focused();
}

void TRzSpinButtons::SetFocusControl(TWinControl* value) {
    if (value == FFocusControl) return;
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = value;
    if (value) value->FreeNotification(this);
}

void TRzSpinButtons::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl) FFocusControl = nullptr;
}

void TRzSpinButtons::SetBounds(int left, int top, int width, int height) {
    TCustomControl::SetBounds(left, top, width, height);
    LayoutButtons();
}

// Vertical: the up button takes the upper half (rounded down); horizontal: the left button
// takes the left half.
void TRzSpinButtons::LayoutButtons() {
    if (!FUpRight || !FDownLeft || Loading()) return;
    const int w = Width(), h = Height();
    if (FOrientation == orVertical) {
        FUpRight->SetBounds(0, 0, w, h / 2);
        FDownLeft->SetBounds(0, h / 2, w, h - h / 2);
    } else {
        FDownLeft->SetBounds(0, 0, w / 2, h);
        FUpRight->SetBounds(w / 2, 0, w - w / 2, h);
    }
}

void TRzSpinButtons::ApplyArrowStyles() {
    const bool upDown = FDirection == sdUpDown;
    if (!FCustomUpRight) FUpRight->SetStyle(upDown ? cbsUp : cbsRight);
    if (!FCustomDownLeft) FDownLeft->SetStyle(upDown ? cbsDown : cbsLeft);
}

void TRzSpinButtons::GlyphChanged(TRzControlButton* button) {
    const bool custom = !button->Glyph()->Empty();
    (button == FUpRight ? FCustomUpRight : FCustomDownLeft) = custom;
    if (custom)
        button->SetStyle(cbsNone);
    else
        ApplyArrowStyles();
}

namespace {
// The button's glyph becomes a copy of value, or empty.
void AssignGlyph(TRzControlButton& button, const TBitmap* value) {
    if (value) {
        button.SetGlyph(value);
    } else {
        const TBitmap empty;
        button.SetGlyph(&empty);
    }
}
}  // namespace

TBitmap* TRzSpinButtons::GlyphUpRight() const { return FUpRight->Glyph(); }
TBitmap* TRzSpinButtons::GlyphDownLeft() const { return FDownLeft->Glyph(); }
void TRzSpinButtons::SetGlyphUpRight(const TBitmap* value) { AssignGlyph(*FUpRight, value); }
void TRzSpinButtons::SetGlyphDownLeft(const TBitmap* value) { AssignGlyph(*FDownLeft, value); }

void TRzSpinButtons::Loaded() {
    TCustomControl::Loaded();
    LayoutButtons();
}

void TRzSpinButtons::SetDirection(TSpinDirection value) {
    if (value == FDirection) return;
    FDirection = value;
    SetGlyphUpRight(nullptr);
    SetGlyphDownLeft(nullptr);
    Invalidate();
}

void TRzSpinButtons::SetOrientation(TOrientation value) {
    if (value == FOrientation) return;
    FOrientation = value;
    // The pair keeps its button size: half as wide stacked, twice as wide side by side. A form
    // read stores the width that goes with it.
    if (!Loading())
        SetBounds(Left(), Top(), value == orVertical ? Width() / 2 : Width() * 2, Height());
    Invalidate();
}

void TRzSpinButtons::SetFlat(bool value) {
    FFlat = value;
    FUpRight->SetFlat(value);
    FDownLeft->SetFlat(value);
}

void TRzSpinButtons::SetEnabled(bool value) {
    TCustomControl::SetEnabled(value);
    FUpRight->SetEnabled(value);
    FDownLeft->SetEnabled(value);
}

void TRzSpinButtons::SetButtonsColor(TColor value) {
    SetColor(value);
    FUpRight->SetColor(value);
    FDownLeft->SetColor(value);
}

void TRzSpinButtons::KeyDown(int& key, TShiftState shift) {
    if (key == VK_UP)
        FUpRight->Click();
    else if (key == VK_DOWN)
        FDownLeft->Click();
    TCustomControl::KeyDown(key, shift);
}
