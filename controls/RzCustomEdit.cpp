#include "controls/RzCustomEdit.h"

#include <algorithm>
#include <vector>

#include "controls/RzFrameController.h"
#include "platform/classes/Publisher.h"
#include "platform/ui/EditCaret.h"
#include "platform/ui/OverlayPainter.h"

const TEnumInfo& FrameStyleNames() {
    static const TEnumInfo names{"fsNone",    "fsFlat",       "fsGroove",   "fsBump",
                                 "fsLowered", "fsButtonDown", "fsRaised",   "fsButtonUp",
                                 "fsStatus",  "fsPopup",      "fsFlatBold", "fsFlatRounded"};
    return names;
}
const TEnumInfo& SideNames() {
    static const TEnumInfo names{"sdLeft", "sdTop", "sdRight", "sdBottom"};
    return names;
}
const TEnumInfo& NotificationNames() {
    static const TEnumInfo names{"fcpColor",
                                 "fcpFocusColor",
                                 "fcpDisabledColor",
                                 "fcpReadOnlyColor",
                                 "fcpReadOnlyColorOnFocus",
                                 "fcpParentColor",
                                 "fcpFlatButtonColor",
                                 "fcpFlatButtons",
                                 "fcpFrameColor",
                                 "fcpFrameHotColor",
                                 "fcpFrameHotTrack",
                                 "fcpFrameHotStyle",
                                 "fcpFrameSides",
                                 "fcpFrameStyle",
                                 "fcpFrameVisible",
                                 "fcpFramingPreference"};
    return names;
}
const TEnumInfo& FramingPreferenceNames() {
    static const TEnumInfo names{"fpCustomFraming", "fpXPThemes"};
    return names;
}

TRzCustomEdit::TRzCustomEdit(TComponent* owner) : TEdit(owner) {
    SetColor(clWindow);
    // The toolkit's edit has no border of its own to paint in; the frame is drawn over it.
    SetOverlayPainter(*this, [this](TCanvas& canvas) { PaintFrame(canvas); });
}

TRzCustomEdit::~TRzCustomEdit() { SetFrameController(nullptr); }

void TRzCustomEdit::SetFrameController(TRzFrameController* value) {
    if (value == FFrameController) return;
    if (FFrameController) {
        FFrameController->UnlinkControl(this);
        FFrameController->RemoveFreeNotification(this);
    }
    FFrameController = value;
    if (value) {
        value->FreeNotification(this);
        value->LinkControl(this);
    }
}

void TRzCustomEdit::Notification(TComponent* component, TOperation operation) {
    TEdit::Notification(component, operation);
    if (operation == opRemove && component == FFrameController) FFrameController = nullptr;
}

void TRzCustomEdit::Publish(TPublisher<TRzCustomEdit>& p) {
    using E = TRzCustomEdit;
    p.Boolean("BeepOnInvalidKey", &E::BeepOnInvalidKey, &E::SetBeepOnInvalidKey).Default(true);
    p.Color("DisabledColor", &E::DisabledColor, &E::SetDisabledColor).Default(clBtnFace);
    p.Color("FlatButtonColor", &E::FlatButtonColor, &E::SetFlatButtonColor).Default(clBtnFace);
    p.Boolean("FlatButtons", &E::FlatButtons, &E::SetFlatButtons).Default(false);
    p.Color("FocusColor", &E::FocusColor, &E::SetFocusColor).Default(clWindow);
    p.Set("FrameControllerNotifications", NotificationNames(), &E::FrameControllerNotifications,
          &E::SetFrameControllerNotifications)
        .Default(int64_t(fcpAllSettings.Mask()));
    p.Color("FrameColor", &E::FrameColor, &E::SetFrameColor).Default(clBtnShadow);
    p.Color("FrameHotColor", &E::FrameHotColor, &E::SetFrameHotColor).Default(clBtnShadow);
    p.Enumeration("FrameHotStyle", FrameStyleNames(), &E::FrameHotStyle, &E::SetFrameHotStyle)
        .Default(fsFlatBold);
    p.Boolean("FrameHotTrack", &E::FrameHotTrack, &E::SetFrameHotTrack).Default(false);
    p.Set("FrameSides", SideNames(), &E::FrameSides, &E::SetFrameSides)
        .Default(int64_t(sdAllSides.Mask()));
    p.Enumeration("FrameStyle", FrameStyleNames(), &E::FrameStyle, &E::SetFrameStyle)
        .Default(fsFlat);
    p.Boolean("FrameVisible", &E::FrameVisible, &E::SetFrameVisible).Default(false);
    p.Enumeration("FramingPreference", FramingPreferenceNames(), &E::FramingPreference,
                  &E::SetFramingPreference)
        .Default(fpXPThemes);
    p.Boolean("ReadOnly", &E::ReadOnly, &E::SetReadOnly).Default(false);
    p.Color("ReadOnlyColor", &E::ReadOnlyColor, &E::SetReadOnlyColor).Default(clInfoBk);
    p.Boolean("ReadOnlyColorOnFocus", &E::ReadOnlyColorOnFocus, &E::SetReadOnlyColorOnFocus)
        .Default(false);
    p.Boolean("TabOnEnter", &E::TabOnEnter, &E::SetTabOnEnter).Default(false);
}

void TRzCustomEdit::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    SetEditAlignment(*this, value);
}

// --- Colours.

void TRzCustomEdit::UpdateColors() {
    FUpdatingColor = true;
    if (!Enabled())
        SetColor(FDisabledColor);
    else if (FFocused)
        SetColor(ReadOnly() && FReadOnlyColorOnFocus ? FReadOnlyColor : FFocusColor);
    else if (ReadOnly())
        SetColor(FReadOnlyColor);
    else
        SetColor(FNormalColor);
    FUpdatingColor = false;
}

// A colour set from outside becomes the normal colour; the focus colour moves along while the
// two were the same.
void TRzCustomEdit::ColorChanged() {
    TEdit::ColorChanged();
    if (FUpdatingColor) return;
    if (FFocusColor == FNormalColor) FFocusColor = Color();
    FNormalColor = Color();
    if (FFrameVisible && !UseThemedFrame()) RepaintFrame();
}

void TRzCustomEdit::SetDisabledColor(TColor value) {
    FDisabledColor = value;
    if (!Enabled()) UpdateColors();
}

void TRzCustomEdit::SetFocusColor(TColor value) {
    FFocusColor = value;
    if (FFocused) UpdateColors();
}

void TRzCustomEdit::SetReadOnlyColor(TColor value) {
    FReadOnlyColor = value;
    if (ReadOnly()) UpdateColors();
}

void TRzCustomEdit::SetReadOnlyColorOnFocus(bool value) {
    if (value == FReadOnlyColorOnFocus) return;
    FReadOnlyColorOnFocus = value;
    UpdateColors();
}

void TRzCustomEdit::SetEnabled(bool value) {
    TEdit::SetEnabled(value);
    UpdateColors();
    RepaintFrame();
}

void TRzCustomEdit::SetReadOnly(bool value) {
    if (value == ReadOnly()) return;
    TEdit::SetReadOnly(value);
    ReadOnlyChanged();
}

void TRzCustomEdit::ReadOnlyChanged() {
    UpdateColors();
    RepaintFrame();
}

void TRzCustomEdit::SetFlatButtons(bool value) { FFlatButtons = value; }

// --- Frame.

void TRzCustomEdit::SetFrameColor(TColor value) {
    if (value == FFrameColor) return;
    FFrameColor = value;
    RepaintFrame();
}

void TRzCustomEdit::SetFrameHotColor(TColor value) {
    if (value == FFrameHotColor) return;
    FFrameHotColor = value;
    RepaintFrame();
}

void TRzCustomEdit::SetFrameHotStyle(TFrameStyle value) {
    if (value == FFrameHotStyle) return;
    FFrameHotStyle = value;
    RepaintFrame();
}

void TRzCustomEdit::SetFrameSides(TSides value) {
    if (value == FFrameSides) return;
    FFrameSides = value;
    RepaintFrame();
}

void TRzCustomEdit::SetFrameStyle(TFrameStyle value) {
    if (value == FFrameStyle) return;
    FFrameStyle = value;
    RepaintFrame();
}

// Hot tracking needs a visible frame on every side.
void TRzCustomEdit::SetFrameHotTrack(bool value) {
    if (value == FFrameHotTrack) return;
    FFrameHotTrack = value;
    if (value) {
        SetFrameVisible(true);
        FFrameSides = sdAllSides;
    }
    RepaintFrame();
    Invalidate();
}

void TRzCustomEdit::SetFrameVisible(bool value) {
    if (value == FFrameVisible) return;
    FFrameVisible = value;
    RepaintFrame();
}

void TRzCustomEdit::SetFramingPreference(TFramingPreference value) {
    if (value == FFramingPreference) return;
    FFramingPreference = value;
    if (value == fpCustomFraming) RepaintFrame();
}

void TRzCustomEdit::RepaintFrame() { InvalidateOverlay(*this); }

TFrameStyle TRzCustomEdit::CurrentFrameStyle() const {
    return FFrameHotTrack && (FFocused || FMouseOver) ? FFrameHotStyle : FFrameStyle;
}

TColor TRzCustomEdit::CurrentFrameColor() const {
    return FFrameHotTrack && (FFocused || FMouseOver) ? FFrameHotColor : FFrameColor;
}

void TRzCustomEdit::PaintFrame(TCanvas& canvas) {
    if (!FFrameVisible || UseThemedFrame()) return;
    PaintEditFrame(canvas, Width(), Height(), CurrentFrameStyle(), Color(), CurrentFrameColor(),
                   FFrameSides);
}

// --- Focus, mouse and keys.

void TRzCustomEdit::UpdateFrameState(bool focusState, bool value) {
    (focusState ? FFocused : FMouseOver) = value;
    if (FFrameHotTrack) RepaintFrame();
    UpdateColors();
}

void TRzCustomEdit::DoEnter() {
    UpdateFrameState(true, true);
    TEdit::DoEnter();
}

void TRzCustomEdit::DoExit() {
    TEdit::DoExit();
    UpdateFrameState(true, false);
}

void TRzCustomEdit::MouseEnter() {
    TEdit::MouseEnter();
    UpdateFrameState(false, true);
}

void TRzCustomEdit::MouseLeave() {
    TEdit::MouseLeave();
    UpdateFrameState(false, false);
}

void TRzCustomEdit::KeyPress(char& key) {
    if (FTabOnEnter && key == '\r') {
        key = 0;
        FocusNextControl();
        return;
    }
    TEdit::KeyPress(key);
}

void TRzCustomEdit::RejectKey() {
    if (FBeepOnInvalidKey) Beep();
}

// The next control of the same parent in tab order that takes the focus, wrapping round.
void TRzCustomEdit::FocusNextControl() {
    TWinControl* parent = Parent();
    if (!parent) return;
    std::vector<TWinControl*> order;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* w = dynamic_cast<TWinControl*>(parent->Controls(i))) order.push_back(w);
    std::stable_sort(order.begin(), order.end(),
                     [](TWinControl* a, TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
    const auto self = std::find(order.begin(), order.end(), this);
    if (self == order.end()) return;
    for (size_t step = 1; step < order.size(); ++step) {
        TWinControl* next = order[(size_t(self - order.begin()) + step) % order.size()];
        if (next->TabStop() && next->CanFocus()) {
            next->SetFocus();
            return;
        }
    }
}
