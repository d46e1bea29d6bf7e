#include "controls/RzCustomEdit.h"

#include <algorithm>
#include <vector>

#include "controls/RzFrameController.h"
#include "controls/RzOldPropReader.h"
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
const TEnumInfo& FrameControllerNotificationNames() {
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

TRzCustomEdit::TRzCustomEdit(TComponent* owner) : TEdit(owner), TRzFrameControllerLink(this) {
    SetColor(clWindow);
    // The toolkit's edit has no border of its own to paint in; the frame is drawn over it.
    SetOverlayPainter(*this, [this](TCanvas& canvas) { PaintFrame(canvas); });
}

TRzCustomEdit::~TRzCustomEdit() { SetFrameController(nullptr); }

void TRzCustomEdit::Notification(TComponent* component, TOperation operation) {
    TEdit::Notification(component, operation);
    FrameControllerNotification(component, operation);
}

bool TRzCustomEdit::ControllerFeeds(TRzFrameControllerPropertyConnection setting) const {
    return FrameController() && FrameControllerNotifications().Contains(setting);
}

void TRzCustomEdit::Publish(TPublisher<TRzCustomEdit>& p) {
    using E = TRzCustomEdit;
    // A setting the frame controller feeds is the controller's to store.
    auto own = [](TRzFrameControllerPropertyConnection setting) {
        return [setting](const E& e) { return !e.ControllerFeeds(setting); };
    };
    p.Boolean("BeepOnInvalidKey", &E::BeepOnInvalidKey, &E::SetBeepOnInvalidKey).Default(true);
    // A disabled edit shows DisabledColor, which is not its colour.
    p.Color("Color", &TControl::Color, &TControl::SetColor)
        .Default(clWindow)
        .Stored([](const E& e) {
            return !e.ParentColor() && !e.ControllerFeeds(fcpColor) && e.Enabled();
        });
    p.Color("DisabledColor", &E::DisabledColor, &E::SetDisabledColor)
        .Default(clBtnFace)
        .Stored(own(fcpDisabledColor));
    p.Color("FlatButtonColor", &E::FlatButtonColor, &E::SetFlatButtonColor).Default(clBtnFace);
    p.Boolean("FlatButtons", &E::FlatButtons, &E::SetFlatButtons)
        .Default(false)
        .Stored(own(fcpFlatButtons));
    p.Color("FocusColor", &E::FocusColor, &E::SetFocusColor).Stored([](const E& e) {
        return !e.ControllerFeeds(fcpFocusColor) &&
               ColorToRGB(e.FocusColor()) != ColorToRGB(e.Color());
    });
    p.Component("FrameController", &E::FrameController, &E::SetFrameController);
    p.Set("FrameControllerNotifications", FrameControllerNotificationNames(),
          &E::FrameControllerNotifications, &E::SetFrameControllerNotifications)
        .Default(int64_t(fcpAllSettings.Mask()));
    p.Color("FrameColor", &E::FrameColor, &E::SetFrameColor)
        .Default(clBtnShadow)
        .Stored(own(fcpFrameColor));
    p.Color("FrameHotColor", &E::FrameHotColor, &E::SetFrameHotColor)
        .Default(clBtnShadow)
        .Stored(own(fcpFrameHotColor));
    p.Enumeration("FrameHotStyle", FrameStyleNames(), &E::FrameHotStyle, &E::SetFrameHotStyle)
        .Default(fsFlatBold)
        .Stored(own(fcpFrameHotStyle));
    p.Boolean("FrameHotTrack", &E::FrameHotTrack, &E::SetFrameHotTrack)
        .Default(false)
        .Stored(own(fcpFrameHotTrack));
    p.Set("FrameSides", SideNames(), &E::FrameSides, &E::SetFrameSides)
        .Default(int64_t(sdAllSides.Mask()))
        .Stored(own(fcpFrameSides));
    p.Enumeration("FrameStyle", FrameStyleNames(), &E::FrameStyle, &E::SetFrameStyle)
        .Default(fsFlat)
        .Stored(own(fcpFrameStyle));
    p.Boolean("FrameVisible", &E::FrameVisible, &E::SetFrameVisible)
        .Default(false)
        .Stored(own(fcpFrameVisible));
    p.Enumeration("FramingPreference", FramingPreferenceNames(), &E::FramingPreference,
                  &E::SetFramingPreference)
        .Default(fpXPThemes)
        .Stored(own(fcpFramingPreference));
    p.Boolean("ReadOnly", &E::ReadOnly, &E::SetReadOnly).Default(false);
    p.Color("ReadOnlyColor", &E::ReadOnlyColor, &E::SetReadOnlyColor)
        .Default(clInfoBk)
        .Stored(own(fcpReadOnlyColor));
    p.Boolean("ReadOnlyColorOnFocus", &E::ReadOnlyColorOnFocus, &E::SetReadOnlyColorOnFocus)
        .Default(false)
        .Stored(own(fcpReadOnlyColorOnFocus));
    p.Boolean("TabOnEnter", &E::TabOnEnter, &E::SetTabOnEnter).Default(false);
    p.String("TextHint", &E::TextHint, &E::SetTextHint);
    p.Boolean("TextHintVisibleOnFocus", &E::TextHintVisibleOnFocus, &E::SetTextHintVisibleOnFocus)
        .Default(false);
}

// Old forms stored a flat frame as "FrameFlat": it hot-tracked with a sunken look.
void TRzCustomEdit::DefineProperties(TFiler& filer) {
    TEdit::DefineProperties(filer);
    DefineOldFrameProperties(
        filer,
        [this](bool flat) {
            SetFrameHotTrack(flat);
            if (!flat) return;
            SetFrameStyle(fsStatus);
            SetFrameHotStyle(fsLowered);
        },
        [this](TFrameStyle style) { SetFrameHotStyle(style); });
}

void TRzCustomEdit::Loaded() {
    TEdit::Loaded();
    UpdateColors();
    UpdateFrameState(true, false);
}

// The cue is the themed edit's cue banner; with the classic look, the only one here, the edit
// shows none.
void TRzCustomEdit::ApplyTextHint() {}

void TRzCustomEdit::SetTextHint(const std::string& value) {
    if (value == FTextHint) return;
    FTextHint = value;
    if (!Loading()) ApplyTextHint();
}

void TRzCustomEdit::SetTextHintVisibleOnFocus(bool value) {
    if (value == FTextHintVisibleOnFocus) return;
    FTextHintVisibleOnFocus = value;
    if (!Loading()) ApplyTextHint();
}

void TRzCustomEdit::ValidateError() {
    std::string message;
    if (OnValidateError) OnValidateError(this, message);
    if (!message.empty()) throw EDBEditError(message);
    Beep();
    throw EDBEditError(SInvalidEditValue);
}

void TRzCustomEdit::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    SetEditAlignment(*this, value);
}

// --- Colours.

void TRzCustomEdit::UpdateColors() {
    if (Loading()) return;
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
    if (ReadOnly())
        HideDropButton();
    else if (Enabled())
        RestoreDropButton();
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
        // A form read keeps the sides it stores.
        if (!Loading()) FFrameSides = sdAllSides;
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
    if (FFrameVisible && !UseThemedFrame())
        PaintEditFrame(canvas, Width(), Height(), CurrentFrameStyle(), Color(), CurrentFrameColor(),
                       FFrameSides);
    if (FDropButtonShown) DrawDropButton(canvas, DropButtonRect());
}

// --- Focus, mouse and keys.

void TRzCustomEdit::UpdateFrameState(bool focusState, bool value) {
    (focusState ? FFocused : FMouseOver) = value;
    // A flat drop-down button lights up with the edit.
    const bool button = FDropButtonShown && FFlatButtons && FButtonState == dbsNormal;
    if (FFrameHotTrack || button) RepaintFrame();
    UpdateColors();
}

void TRzCustomEdit::DoEnter() {
    UpdateFrameState(true, true);
    TEdit::DoEnter();
}

void TRzCustomEdit::DoExit() {
    TEdit::DoExit();
    ReleaseDropButton();
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
