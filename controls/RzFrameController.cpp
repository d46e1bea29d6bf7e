#include "controls/RzFrameController.h"

#include <algorithm>

#include "controls/RzOldPropReader.h"
#include "controls/RzRegIniFile.h"
#include "platform/classes/PropAccess.h"
#include "platform/classes/Publisher.h"
#include "platform/ui/Control.h"

namespace {
const char* const kSettingNames[] = {"Color",
                                     "FocusColor",
                                     "DisabledColor",
                                     "ReadOnlyColor",
                                     "ReadOnlyColorOnFocus",
                                     "ParentColor",
                                     "FlatButtonColor",
                                     "FlatButtons",
                                     "FrameColor",
                                     "FrameHotColor",
                                     "FrameHotTrack",
                                     "FrameHotStyle",
                                     "FrameSides",
                                     "FrameStyle",
                                     "FrameVisible",
                                     "FramingPreference"};

// The order in which every setting is pushed at once.
constexpr TRzFrameControllerPropertyConnection kPushOrder[] = {
    fcpParentColor,          fcpColor,         fcpDisabledColor,   fcpReadOnlyColor,
    fcpReadOnlyColorOnFocus, fcpFocusColor,    fcpFlatButtonColor, fcpFlatButtons,
    fcpFrameColor,           fcpFrameHotColor, fcpFrameHotTrack,   fcpFrameHotStyle,
    fcpFrameSides,           fcpFrameStyle,    fcpFrameVisible,    fcpFramingPreference};
}  // namespace

TRzFrameController::TRzFrameController(TComponent* owner) : TComponent(owner) {}

// Linked edits forget the controller through its free notification.
TRzFrameController::~TRzFrameController() = default;

void TRzFrameController::Publish(TPublisher<TRzFrameController>& p) {
    using C = TRzFrameController;
    p.Color("Color", &C::Color, &C::SetColor).Default(clWindow).Stored([](const C& c) {
        return !c.ParentColor();
    });
    p.Color("FocusColor", &C::FocusColor, &C::SetFocusColor).Default(clWindow);
    p.Color("DisabledColor", &C::DisabledColor, &C::SetDisabledColor).Default(clBtnFace);
    p.Color("ReadOnlyColor", &C::ReadOnlyColor, &C::SetReadOnlyColor).Default(clInfoBk);
    p.Boolean("ReadOnlyColorOnFocus", &C::ReadOnlyColorOnFocus, &C::SetReadOnlyColorOnFocus)
        .Default(false);
    p.Boolean("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    p.Color("FlatButtonColor", &C::FlatButtonColor, &C::SetFlatButtonColor).Default(clBtnFace);
    p.Boolean("FlatButtons", &C::FlatButtons, &C::SetFlatButtons).Default(true);
    p.Color("FrameColor", &C::FrameColor, &C::SetFrameColor).Default(clBtnShadow);
    p.Color("FrameHotColor", &C::FrameHotColor, &C::SetFrameHotColor).Default(clBtnShadow);
    p.Boolean("FrameHotTrack", &C::FrameHotTrack, &C::SetFrameHotTrack).Default(false);
    p.Enumeration("FrameHotStyle", FrameStyleNames(), &C::FrameHotStyle, &C::SetFrameHotStyle)
        .Default(fsFlatBold);
    p.Set("FrameSides", SideNames(), &C::FrameSides, &C::SetFrameSides)
        .Default(int64_t(sdAllSides.Mask()));
    p.Enumeration("FrameStyle", FrameStyleNames(), &C::FrameStyle, &C::SetFrameStyle)
        .Default(fsFlat);
    p.Boolean("FrameVisible", &C::FrameVisible, &C::SetFrameVisible).Default(false);
    p.Enumeration("FramingPreference", FramingPreferenceNames(), &C::FramingPreference,
                  &C::SetFramingPreference)
        .Default(fpXPThemes);
    p.Component("RegIniFile", &C::RegIniFile, &C::SetRegIniFile);
}

// Old forms stored a flat frame as "FrameFlat": it hot-tracked with a sunken look. The two
// styles are stored without a push, as the one after loading gives the controls everything.
void TRzFrameController::DefineProperties(TFiler& filer) {
    TComponent::DefineProperties(filer);
    DefineOldFrameProperties(
        filer,
        [this](bool flat) {
            SetFrameHotTrack(flat);
            if (!flat) return;
            FFrameStyle = fsStatus;
            FFrameHotStyle = fsLowered;
        },
        [this](TFrameStyle style) { SetFrameHotStyle(style); });
}

void TRzFrameController::Loaded() {
    TComponent::Loaded();
    ApplyToAll(fcpAll);
}

void TRzFrameController::SetRegIniFile(TRzRegIniFile* value) {
    if (value == FRegIniFile) return;
    if (FRegIniFile) FRegIniFile->RemoveFreeNotification(this);
    FRegIniFile = value;
    if (value) value->FreeNotification(this);
}

void TRzFrameController::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FRegIniFile) FRegIniFile = nullptr;
}

TRzFrameControllerNotifications TRzFrameController::NotificationFilterOf(const TControl* control) {
    if (!IsPublishedProp(control, "FrameControllerNotifications")) return fcpAllSettings;
    return TRzFrameControllerNotifications::FromMask(
        uint64_t(GetOrdProp(control, "FrameControllerNotifications")) & 0xFFFF);
}

void TRzFrameController::WriteSetting(TControl* control,
                                      TRzFrameControllerPropertyConnection setting) {
    const char* name = kSettingNames[setting];
    if (!IsPublishedProp(control, name)) return;
    int64_t value = 0;
    switch (setting) {
        case fcpColor:
            value = FColor;
            break;
        case fcpFocusColor:
            value = FFocusColor;
            break;
        case fcpDisabledColor:
            value = FDisabledColor;
            break;
        case fcpReadOnlyColor:
            value = FReadOnlyColor;
            break;
        case fcpReadOnlyColorOnFocus:
            value = FReadOnlyColorOnFocus;
            break;
        case fcpParentColor:
            value = FParentColor;
            break;
        case fcpFlatButtonColor:
            value = FFlatButtonColor;
            break;
        case fcpFlatButtons:
            value = FFlatButtons;
            break;
        case fcpFrameColor:
            value = FFrameColor;
            break;
        case fcpFrameHotColor:
            value = FFrameHotColor;
            break;
        case fcpFrameHotTrack:
            value = FFrameHotTrack;
            break;
        case fcpFrameHotStyle:
            value = FFrameHotStyle;
            break;
        case fcpFrameSides:
            value = int64_t(FFrameSides.Mask());
            break;
        case fcpFrameStyle:
            value = FFrameStyle;
            break;
        case fcpFrameVisible:
            value = FFrameVisible;
            break;
        case fcpFramingPreference:
            value = FFramingPreference;
            break;
        case fcpAll:
            return;
    }
    SetOrdProp(control, name, value);
}

void TRzFrameController::ApplyToControl(TControl* control,
                                        TRzFrameControllerPropertyConnection setting) {
    if (!control) return;
    if (auto* client = dynamic_cast<IFrameControllerClient*>(control)) {
        client->ApplyFrameController(this);
        return;
    }
    const TRzFrameControllerNotifications filter = NotificationFilterOf(control);
    if (setting != fcpAll) {
        if (filter.Contains(setting)) WriteSetting(control, setting);
        return;
    }
    for (TRzFrameControllerPropertyConnection s : kPushOrder) {
        if (s == fcpColor && FParentColor) continue;
        if (filter.Contains(s)) WriteSetting(control, s);
    }
}

void TRzFrameController::ApplyToAll(TRzFrameControllerPropertyConnection setting) {
    if (FUpdateCount > 0) return;
    for (TControl* c : FControls) ApplyToControl(c, setting);
}

void TRzFrameController::LinkControl(TControl* control) {
    if (!control || std::find(FControls.begin(), FControls.end(), control) != FControls.end())
        return;
    FControls.push_back(control);
    ApplyToControl(control, fcpAll);
}

void TRzFrameController::UnlinkControl(TControl* control) { std::erase(FControls, control); }

void TRzFrameController::ReleaseUpdates() {
    if (--FUpdateCount > 0) return;
    FUpdateCount = 0;
    ApplyToAll(fcpAll);
}

void TRzFrameController::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TRzFrameController*>(source);
    if (!other) return TComponent::Assign(source);
    HoldUpdates();
    SetColor(other->FColor);
    SetFocusColor(other->FFocusColor);
    SetDisabledColor(other->FDisabledColor);
    SetReadOnlyColor(other->FReadOnlyColor);
    SetReadOnlyColorOnFocus(other->FReadOnlyColorOnFocus);
    SetParentColor(other->FParentColor);
    SetFlatButtonColor(other->FFlatButtonColor);
    SetFlatButtons(other->FFlatButtons);
    SetFrameColor(other->FFrameColor);
    SetFrameHotColor(other->FFrameHotColor);
    SetFrameHotTrack(other->FFrameHotTrack);
    SetFrameHotStyle(other->FFrameHotStyle);
    SetFrameSides(other->FFrameSides);
    SetFrameStyle(other->FFrameStyle);
    SetFrameVisible(other->FFrameVisible);
    SetFramingPreference(other->FFramingPreference);
    ReleaseUpdates();
}

// --- Setters: store a change and push it.

#define KV_FRAME_SETTER(Name, Type, Field, Code)     \
    void TRzFrameController::Set##Name(Type value) { \
        if (value == Field) return;                  \
        Field = value;                               \
        ApplyToAll(Code);                            \
    }
KV_FRAME_SETTER(FocusColor, TColor, FFocusColor, fcpFocusColor)
KV_FRAME_SETTER(DisabledColor, TColor, FDisabledColor, fcpDisabledColor)
KV_FRAME_SETTER(ReadOnlyColor, TColor, FReadOnlyColor, fcpReadOnlyColor)
KV_FRAME_SETTER(ReadOnlyColorOnFocus, bool, FReadOnlyColorOnFocus, fcpReadOnlyColorOnFocus)
KV_FRAME_SETTER(FlatButtonColor, TColor, FFlatButtonColor, fcpFlatButtonColor)
KV_FRAME_SETTER(FlatButtons, bool, FFlatButtons, fcpFlatButtons)
KV_FRAME_SETTER(FrameColor, TColor, FFrameColor, fcpFrameColor)
KV_FRAME_SETTER(FrameHotColor, TColor, FFrameHotColor, fcpFrameHotColor)
KV_FRAME_SETTER(FrameHotStyle, TFrameStyle, FFrameHotStyle, fcpFrameHotStyle)
KV_FRAME_SETTER(FrameSides, TSides, FFrameSides, fcpFrameSides)
KV_FRAME_SETTER(FrameStyle, TFrameStyle, FFrameStyle, fcpFrameStyle)
KV_FRAME_SETTER(FrameVisible, bool, FFrameVisible, fcpFrameVisible)
KV_FRAME_SETTER(FramingPreference, TFramingPreference, FFramingPreference, fcpFramingPreference)
#undef KV_FRAME_SETTER

// The focus colour follows while it matched the old colour (stored, not pushed).
void TRzFrameController::SetColor(TColor value) {
    if (value == FColor) return;
    if (FColor == FFocusColor) FFocusColor = value;
    FColor = value;
    FParentColor = false;
    ApplyToAll(fcpColor);
}

void TRzFrameController::SetParentColor(bool value) {
    if (value == FParentColor) return;
    FParentColor = value;
    ApplyToAll(fcpParentColor);
    if (!value) ApplyToAll(fcpColor);
}

// Hot tracking needs a visible frame on every side.
void TRzFrameController::SetFrameHotTrack(bool value) {
    if (value == FFrameHotTrack) return;
    FFrameHotTrack = value;
    if (value) {
        SetFrameVisible(true);
        // A form read keeps the sides it stores.
        if (!ComponentState().Contains(csLoading)) FFrameSides = sdAllSides;
    }
    ApplyToAll(fcpFrameHotTrack);
}
