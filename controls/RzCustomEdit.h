#pragma once
// The framed edit the spin edit is built on: a single-line edit whose background follows its
// state (disabled, focused, read-only), whose frame can be hot-tracked under the mouse and the
// focus, which can turn Enter into Tab and which signals refused keys with a beep. Descendants
// that open a pop-up can show a drop-down button inside its right edge.
#include <functional>
#include <string>

#include "controls/RzCommon.h"
#include "controls/RzFrameControllerLink.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/MouseMessage.h"

enum TFramingPreference { fpCustomFraming, fpXPThemes };

// The names of the frame enumerations and sets, as forms store them.
const TEnumInfo& FrameStyleNames();
const TEnumInfo& SideNames();
const TEnumInfo& FramingPreferenceNames();
const TEnumInfo& FrameControllerNotificationNames();

enum TRzDropButtonState { dbsNormal, dbsPressed };

// Called on a refused value with an empty message; a message put there is raised instead of
// the edit's own validation error.
using TRzValidateErrorEvent = std::function<void(TObject* sender, std::string& message)>;

class TRzCustomEdit : public TEdit, public TRzFrameControllerLink {
    KV_DECLARE_CLASS(TRzCustomEdit, TEdit)
public:
    explicit TRzCustomEdit(TComponent* owner);
    ~TRzCustomEdit() override;

    TAlignment Alignment() const { return FAlignment; }
    virtual void SetAlignment(TAlignment value);
    bool BeepOnInvalidKey() const { return FBeepOnInvalidKey; }
    void SetBeepOnInvalidKey(bool value) { FBeepOnInvalidKey = value; }
    TColor DisabledColor() const { return FDisabledColor; }
    virtual void SetDisabledColor(TColor value);
    TColor FocusColor() const { return FFocusColor; }
    virtual void SetFocusColor(TColor value);
    TColor ReadOnlyColor() const { return FReadOnlyColor; }
    virtual void SetReadOnlyColor(TColor value);
    bool ReadOnlyColorOnFocus() const { return FReadOnlyColorOnFocus; }
    void SetReadOnlyColorOnFocus(bool value);
    TColor FlatButtonColor() const { return FFlatButtonColor; }
    void SetFlatButtonColor(TColor value) { FFlatButtonColor = value; }
    bool FlatButtons() const { return FFlatButtons; }
    virtual void SetFlatButtons(bool value);
    TColor FrameColor() const { return FFrameColor; }
    virtual void SetFrameColor(TColor value);
    TColor FrameHotColor() const { return FFrameHotColor; }
    virtual void SetFrameHotColor(TColor value);
    TFrameStyle FrameHotStyle() const { return FFrameHotStyle; }
    virtual void SetFrameHotStyle(TFrameStyle value);
    bool FrameHotTrack() const { return FFrameHotTrack; }
    virtual void SetFrameHotTrack(bool value);
    TSides FrameSides() const { return FFrameSides; }
    virtual void SetFrameSides(TSides value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    virtual void SetFrameStyle(TFrameStyle value);
    bool FrameVisible() const { return FFrameVisible; }
    virtual void SetFrameVisible(bool value);
    TFramingPreference FramingPreference() const { return FFramingPreference; }
    virtual void SetFramingPreference(TFramingPreference value);
    bool TabOnEnter() const { return FTabOnEnter; }
    void SetTabOnEnter(bool value) { FTabOnEnter = value; }
    // The grey cue shown in an empty edit; only the themed edit shows it.
    const std::string& TextHint() const { return FTextHint; }
    void SetTextHint(const std::string& value);
    bool TextHintVisibleOnFocus() const { return FTextHintVisibleOnFocus; }
    void SetTextHintVisibleOnFocus(bool value);
    // Whether the frame controller sets this setting (it is then not stored with the edit).
    bool ControllerFeeds(TRzFrameControllerPropertyConnection setting) const;
    // Setting ReadOnly also updates the colours and what depends on it (ReadOnlyChanged).
    bool ReadOnly() const { return TEdit::ReadOnly(); }
    void SetReadOnly(bool value);
    void SetEnabled(bool value) override;

    // The background shown while neither disabled, focused nor read-only.
    TColor NormalColor() const { return FNormalColor; }
    bool FocusState() const { return FFocused; }
    bool MouseOverState() const { return FMouseOver; }
    // The themed frame applies only under active themes, which this system never has.
    virtual bool UseThemedFrame() const { return false; }
    // The frame as it is drawn now: the hot style and colour while hot-tracked and focused or
    // under the mouse, else the plain ones.
    TFrameStyle CurrentFrameStyle() const;
    TColor CurrentFrameColor() const;
    // Paints the frame over (0, 0, Width, Height) of canvas; nothing when not visible.
    void PaintFrame(TCanvas& canvas);
    // The refused-key signal: a beep when BeepOnInvalidKey.
    void RejectKey();
    // A refused value: OnValidateError may name the error, else the edit's own is raised.
    virtual void ValidateError();

    // --- The drop-down button, for descendants that open a pop-up.
    bool DropButtonEnabled() const { return FDropButtonEnabled; }
    virtual void SetDropButtonEnabled(bool value);
    bool DropButtonShown() const { return FDropButtonShown; }
    virtual void SetDropButtonShown(bool value);
    virtual void HideDropButton();
    virtual void RestoreDropButton();
    TRzDropButtonState ButtonState() const { return FButtonState; }
    virtual void SetButtonState(TRzDropButtonState value);
    bool DroppedDown() const { return FDroppedDown; }
    bool MouseOverButton() const { return FMouseOverButton; }
    // Where the button is drawn, in the edit's coordinates: the scroll-bar width inside the
    // right edge, within the two-pixel border.
    TRect DropButtonRect() const;
    // Opens the pop-up: the button is drawn pressed while OnDropDown and OnCloseUp run.
    void ShowDropDown();
    // The button back to normal (unless dropped down) and the mouse capture released.
    void ReleaseDropButton();

    TRzValidateErrorEvent OnValidateError;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

    static void Publish(TPublisher<TRzCustomEdit>& p);

protected:
    virtual void ApplyTextHint();
    virtual void UpdateColors();
    // which: true for the focus state, false for the mouse-over state.
    virtual void UpdateFrameState(bool focusState, bool value);
    virtual void RepaintFrame();
    virtual void ReadOnlyChanged();
    virtual TRect GetInteriorRect() const { return ClientRect(); }

    virtual void DrawDropButton(TCanvas& canvas, const TRect& bounds);
    virtual void DoDropDown();
    virtual void DoCloseUp();

    void DefineProperties(TFiler& filer) override;
    void Loaded() override;
    void ColorChanged() override;
    void Notification(TComponent* component, TOperation operation) override;
    void DoEnter() override;
    void DoExit() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyPress(char& key) override;
    void KeyDown(int& key, TShiftState shift) override;
    // Moves the focus on as the Tab key does.
    void FocusNextControl();

private:
    // The drop-down button's share of the mouse: presses over it open the pop-up.
    bool DropButtonMouse(const TMouseMessage& message);
    bool Loading() const { return ComponentState().Contains(csLoading); }

    std::string FTextHint;
    TAlignment FAlignment = taLeftJustify;
    TColor FDisabledColor = clBtnFace;
    TColor FFocusColor = clWindow;
    TColor FReadOnlyColor = clInfoBk;
    TColor FNormalColor = clWindow;
    TColor FFlatButtonColor = clBtnFace;
    TColor FFrameColor = clBtnShadow;
    TColor FFrameHotColor = clBtnShadow;
    TFrameStyle FFrameHotStyle = fsFlatBold;
    TFrameStyle FFrameStyle = fsFlat;
    TSides FFrameSides = sdAllSides;
    TFramingPreference FFramingPreference = fpXPThemes;
    bool FBeepOnInvalidKey = true;
    bool FReadOnlyColorOnFocus = false;
    bool FFlatButtons = false;
    bool FFrameHotTrack = false;
    bool FFrameVisible = false;
    bool FTabOnEnter = false;
    bool FUpdatingColor = false;
    bool FFocused = false;
    bool FMouseOver = false;
    bool FTextHintVisibleOnFocus = false;
    bool FDropButtonEnabled = false;
    bool FDropButtonShown = false;
    bool FDroppedDown = false;
    bool FMouseOverButton = false;
    TRzDropButtonState FButtonState = dbsNormal;
};
