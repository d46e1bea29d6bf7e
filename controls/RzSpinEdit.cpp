#include "controls/RzSpinEdit.h"

#include <algorithm>
#include <limits>

#include "controls/RzOldPropReader.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/TextMeasurer.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/EditCaret.h"

TRzSpinEdit::TRzSpinEdit(TComponent* owner) : TRzCustomEdit(owner) {
    SetAlignment(taRightJustify);
    FButtons = new TRzSpinButtons(this);
    FButtons->SetParent(this);
    FButtons->SetBounds(0, 0, FButtonWidth, FButtonWidth);
    FButtons->SetFocusControl(this);
    FButtons->OnUpRightClick = [this](TObject*) { StepUp(); };
    FButtons->OnDownLeftClick = [this](TObject*) { StepDown(); };
    SetText("0");
    SetBounds(Left(), Top(), 47, Height());
}

TRzSpinEdit::~TRzSpinEdit() = default;

namespace {
// No value equals it, so a property with it as its default is always written.
constexpr long double kAlwaysStored = std::numeric_limits<long double>::quiet_NaN();
}  // namespace

void TRzSpinEdit::Publish(TPublisher<TRzSpinEdit>& p) {
    using E = TRzSpinEdit;
    p.Boolean("AllowBlank", &E::AllowBlank, &E::SetAllowBlank).Default(false);
    p.Boolean("AllowKeyEdit", &E::AllowKeyEdit, &E::SetAllowKeyEdit).Default(false);
    p.Enumeration("Alignment", AlignmentNames(), &E::Alignment, &E::SetAlignment)
        .Default(taRightJustify);
    p.Float("BlankValue", &E::BlankValue, &E::SetBlankValue).Default(kAlwaysStored);
    // Before the glyphs: a new direction drops them.
    p.Enumeration("Direction", SpinDirectionNames(), &E::Direction, &E::SetDirection)
        .Default(sdUpDown);
    p.Object("ButtonDownGlyph", &E::ButtonDownGlyph, &E::SetButtonDownGlyph).Stored([](const E& e) {
        return e.FButtons->CustomDownLeft();
    });
    p.Integer("ButtonDownNumGlyphs", &E::ButtonDownNumGlyphs, &E::SetButtonDownNumGlyphs)
        .Default(2)
        .Stored([](const E& e) { return e.FButtons->CustomDownLeft(); });
    p.Object("ButtonUpGlyph", &E::ButtonUpGlyph, &E::SetButtonUpGlyph).Stored([](const E& e) {
        return e.FButtons->CustomUpRight();
    });
    p.Integer("ButtonUpNumGlyphs", &E::ButtonUpNumGlyphs, &E::SetButtonUpNumGlyphs)
        .Default(2)
        .Stored([](const E& e) { return e.FButtons->CustomUpRight(); });
    p.Integer("ButtonWidth", &E::ButtonWidth, &E::SetButtonWidth).Default(17);
    p.Boolean("CheckRange", &E::CheckRange, &E::SetCheckRange).Default(false);
    p.Integer("Decimals", &E::Decimals, &E::SetDecimals).Default(0);
    p.Float("Increment", &E::Increment, &E::SetIncrement).Default(1.0L);
    p.Boolean("IntegersOnly", &E::IntegersOnly, &E::SetIntegersOnly).Default(true);
    // Min, Max and Value in this order: each step clamps against the bounds known so far.
    p.Float("Max", &E::Max, &E::SetMax).Default(kAlwaysStored);
    p.Float("Min", &E::Min, &E::SetMin).Default(kAlwaysStored);
    p.Enumeration("Orientation", OrientationNames(), &E::Orientation, &E::SetOrientation)
        .Default(orVertical);
    p.Float("PageSize", &E::PageSize, &E::SetPageSize).Default(10.0L);
    p.Float(
         "Value", [](const E& e) { return const_cast<E&>(e).Value(); }, &E::SetValue)
        .Default(kAlwaysStored);
}

// Old forms stored whether flat buttons took the parent's colour; they no longer do.
void TRzSpinEdit::DefineProperties(TFiler& filer) {
    TRzCustomEdit::DefineProperties(filer);
    DefineDroppedProperty(filer, "FlatButtonParentColor", &TRzOldPropReader::SkipBoolean);
}

void TRzSpinEdit::Loaded() {
    TRzCustomEdit::Loaded();
    PositionButtons();
}

// --- Value and text.

long double TRzSpinEdit::Value() {
    if (Text().empty()) {
        if (FAllowBlank) return FBlankValue;
        SetText(FloatToStr(FMin));
    }
    long double value;
    return TryStrToFloat(Text(), value) ? value : FMin;
}

// Equal bounds switch the range off unless CheckRange asks for it.
long double TRzSpinEdit::ClampValue(long double value) const {
    if (FMax != FMin || FCheckRange) return std::clamp(value, FMin, std::max(FMin, FMax));
    return value;
}

void TRzSpinEdit::SetValue(long double value) {
    int selLength = 0, caret = 0, oldLength = 0;
    const bool placed = Parent() != nullptr;
    if (placed) {
        selLength = EditSelLength(*this);
        caret = EditSelStart(*this);
        oldLength = int(Text().size());
    }
    SetText(FloatToStrF(ClampValue(value), ffFixed, 18, FDecimals));
    if (placed && selLength == 0) {
        const int newLength = int(Text().size());
        const int moved = newLength > oldLength   ? caret + 1
                          : newLength < oldLength ? caret - 1
                                                  : caret;
        SetEditSelStart(*this, std::clamp(moved, 0, newLength));
    }
}

int64_t TRzSpinEdit::GetIntValue() { return Round(Value()); }

void TRzSpinEdit::SetIntValue(int64_t value) { SetValue(static_cast<long double>(value)); }

void TRzSpinEdit::SetMin(long double value) {
    if (value == FMin) return;
    FMin = value;
    if (value > FMax) FMax = value;
    ReapplyValue();
    Invalidate();
}

void TRzSpinEdit::SetMax(long double value) {
    if (value == FMax) return;
    FMax = value;
    if (value < FMin) FMin = value;
    ReapplyValue();
    Invalidate();
}

void TRzSpinEdit::SetDecimals(int value) {
    FDecimals = std::clamp(value, 0, 255);
    ReapplyValue();
}

void TRzSpinEdit::SetCheckRange(bool value) {
    FCheckRange = value;
    ReapplyValue();
}

void TRzSpinEdit::SetIntegersOnly(bool value) {
    FIntegersOnly = value;
    if (!value) return;
    FDecimals = 0;
    SetValue(static_cast<long double>(Round(Value())));
}

// --- Stepping.

bool TRzSpinEdit::DoChanging(long double newValue) {
    bool allow = true;
    if (OnChanging) OnChanging(this, newValue, allow);
    return allow;
}

void TRzSpinEdit::DoButtonClick(TSpinButtonType button) {
    if (OnButtonClick) OnButtonClick(this, button);
}

void TRzSpinEdit::Step(long double amount, TSpinButtonType button) {
    if (ReadOnly()) {
        RejectKey();
        return;
    }
    const long double next = Value() + amount;
    if (!DoChanging(next)) return;
    SetValue(next);
    DoButtonClick(button);
}

void TRzSpinEdit::IncValueBy(long double amount) { Step(amount, sbUp); }
void TRzSpinEdit::DecValueBy(long double amount) { Step(-amount, sbDown); }
void TRzSpinEdit::StepUp() { IncValueBy(FIncrement); }
void TRzSpinEdit::StepDown() { DecValueBy(FIncrement); }

// --- Keys, wheel and focus.

// Paste and cut by keyboard (Ctrl+V, Ctrl+X, Shift+Insert, Shift+Delete).
static bool IsPasteOrCut(int key, TShiftState shift) {
    if (shift.Contains(ssCtrl)) return key == 'V' || key == 'X';
    if (shift.Contains(ssShift)) return key == VK_INSERT || key == VK_DELETE;
    return false;
}

void TRzSpinEdit::KeyDown(int& key, TShiftState shift) {
    TRzCustomEdit::KeyDown(key, shift);
    // Pasted or cut text reaches the edit only while it may be edited by keys.
    if (IsPasteOrCut(key, shift) && (!FAllowKeyEdit || ReadOnly())) {
        key = 0;
        return;
    }
    switch (key) {
        case VK_DELETE:
            if (!FAllowKeyEdit) {
                key = 0;
                RejectKey();
            }
            break;
        case VK_PRIOR:
            IncValueBy(FPageSize);
            key = 0;
            break;
        case VK_NEXT:
            DecValueBy(FPageSize);
            key = 0;
            break;
        case VK_UP:
            StepUp();
            key = 0;
            break;
        case VK_DOWN:
            StepDown();
            key = 0;
            break;
        default:
            break;
    }
}

void TRzSpinEdit::KeyPress(char& key) {
    TRzCustomEdit::KeyPress(key);
    if (key == 0) return;
    if (!AcceptsChar(key)) {
        key = 0;
        RejectKey();
    }
}

bool TRzSpinEdit::AcceptsChar(char key) {
    const char separator = FormatSettings().DecimalSeparator;
    const unsigned char code = static_cast<unsigned char>(key);
    const bool control = code < 32 && key != '\r';
    const std::string& text = Text();
    const int selLength = EditSelLength(*this);
    bool accept = control || key == '+' || key == '-' || (key >= '0' && key <= '9') ||
                  (key == separator && !FIntegersOnly);
    if (accept && key == separator) {
        const bool none = text.find(separator) == std::string::npos;
        accept = none || (selLength > 0 && EditSelText(*this).find(separator) != std::string::npos);
    }
    if (accept && (key == '+' || key == '-')) {
        const bool noSign = text.find_first_of("+-") == std::string::npos;
        const bool allSelected = selLength > 0 && selLength == int(text.size());
        accept = (EditSelStart(*this) == 0 && noSign) || allSelected;
    }
    if (!FAllowKeyEdit && (key == '\b' || code >= 32)) accept = false;
    return accept;
}

bool TRzSpinEdit::MouseWheel(TShiftState shift, int wheelDelta, int x, int y) {
    TRzCustomEdit::MouseWheel(shift, wheelDelta, x, y);
    const long double amount = shift.Contains(ssCtrl) ? FPageSize : FIncrement;
    if (wheelDelta > 0)
        IncValueBy(amount);
    else if (wheelDelta < 0)
        DecValueBy(amount);
    return true;
}

void TRzSpinEdit::DoEnter() {
    TRzCustomEdit::DoEnter();
    UpdateEditMargins();
}

// Leaving the edit always shows the clamped, formatted value (a blank may stay blank).
void TRzSpinEdit::DoExit() {
    TRzCustomEdit::DoExit();
    UpdateEditMargins();
    if (FAllowBlank && Text().empty()) return;
    long double value;
    SetValue(TryStrToFloat(Text(), value) ? value : FMin);
}

// --- Layout and the buttons' state.

void TRzSpinEdit::SetBounds(int left, int top, int width, int height) {
    TRzCustomEdit::SetBounds(left, top, width, height);
    if (FButtons) PositionButtons();
}

// The buttons sit inside the edit's two-pixel border, on the right: (Width - W - 4, 0) of the
// area within the border, which starts at (2, 2) of the control.
void TRzSpinEdit::PositionButtons() {
    if (ComponentState().Contains(csLoading)) return;
    // Too short for its font, the edit first grows; the resize places the buttons.
    const int minimum = FontTextMeasurer().Metrics(*Font()).Height() + 2;
    if (Height() < minimum && !FRaisingHeight) {
        // Constraints may hold it lower; then the buttons take the height it got.
        TValueGuard<bool> raising(FRaisingHeight, true);
        SetBounds(Left(), Top(), Width(), minimum);
        if (Height() >= minimum) return;
    }
    const int w = FButtons->Width();
    FButtons->SetBounds(Width() - w - 2, 2, w, std::max(Height() - 4, 0));
    UpdateEditMargins();
}

void TRzSpinEdit::UpdateEditMargins() {
    if (ReadOnly())
        SetEditMargins(*this, 0, 0);
    else if (!ComponentState().Contains(csLoading))
        SetEditMargins(*this, 0, FButtons->Width() + 2);
}

TRect TRzSpinEdit::GetInteriorRect() const {
    TRect r = ClientRect();
    if (!ReadOnly()) r.Right -= FButtons->Width() + 2;
    return r;
}

void TRzSpinEdit::SetButtonWidth(int value) {
    if (value == FButtonWidth) return;
    FButtonWidth = std::max(value, 0);
    const int width = Orientation() == orVertical ? FButtonWidth : 2 * FButtonWidth;
    FButtons->SetBounds(FButtons->Left(), FButtons->Top(), width, FButtons->Height());
    PositionButtons();
    Invalidate();
}

void TRzSpinEdit::SetOrientation(TOrientation value) {
    FButtons->SetOrientation(value);
    PositionButtons();
}

TRzControlButton* TRzSpinEdit::GetButton(TSpinButtonType button) const {
    return button == sbUp ? FButtons->UpRightButton() : FButtons->DownLeftButton();
}

void TRzSpinEdit::SetFlatButtons(bool value) {
    TRzCustomEdit::SetFlatButtons(value);
    FButtons->SetFlat(value);
    PositionButtons();
}

void TRzSpinEdit::SetFrameStyle(TFrameStyle value) {
    TRzCustomEdit::SetFrameStyle(value);
    PositionButtons();
}

void TRzSpinEdit::ReadOnlyChanged() {
    TRzCustomEdit::ReadOnlyChanged();
    FButtons->SetVisible(!ReadOnly());
    PositionButtons();
}

void TRzSpinEdit::SetEnabled(bool value) {
    TRzCustomEdit::SetEnabled(value);
    if (!FButtons) return;
    FButtons->SetEnabled(value);
    if (FlatButtons()) FButtons->SetButtonsColor(Color());
    UpdateEditMargins();
}

void TRzSpinEdit::ColorChanged() {
    TRzCustomEdit::ColorChanged();
    if (FButtons) FButtons->SetButtonsColor(Color());
}

// Flat buttons light up in FlatButtonColor while the edit is focused or the state that changed
// has just turned on.
void TRzSpinEdit::UpdateFrameState(bool focusState, bool value) {
    TRzCustomEdit::UpdateFrameState(focusState, value);
    if (!FlatButtons()) return;
    const bool active = value || FocusState();
    FButtons->SetButtonsColor(active ? FlatButtonColor() : Color());
}
