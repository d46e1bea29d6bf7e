#pragma once
// One set of frame and colour settings pushed into every control linked to it. A setting goes
// into the control's published property of the same name, when the control publishes it and
// its FrameControllerNotifications let it through; a control that implements
// IFrameControllerClient is asked to take the settings itself instead.
#include <vector>

#include "controls/RzCustomEdit.h"
#include "platform/classes/Component.h"

class TControl;
class TRzRegIniFile;

class TRzFrameController;

// A control that takes the controller's settings in its own way.
class IFrameControllerClient {
public:
    virtual ~IFrameControllerClient() = default;
    virtual void ApplyFrameController(TRzFrameController* controller) = 0;
};

class TRzFrameController : public TComponent {
    KV_DECLARE_CLASS(TRzFrameController, TComponent)
public:
    explicit TRzFrameController(TComponent* owner);
    ~TRzFrameController() override;

    TColor Color() const { return FColor; }
    virtual void SetColor(TColor value);
    TColor FocusColor() const { return FFocusColor; }
    virtual void SetFocusColor(TColor value);
    TColor DisabledColor() const { return FDisabledColor; }
    virtual void SetDisabledColor(TColor value);
    TColor ReadOnlyColor() const { return FReadOnlyColor; }
    virtual void SetReadOnlyColor(TColor value);
    bool ReadOnlyColorOnFocus() const { return FReadOnlyColorOnFocus; }
    virtual void SetReadOnlyColorOnFocus(bool value);
    bool ParentColor() const { return FParentColor; }
    virtual void SetParentColor(bool value);
    TColor FlatButtonColor() const { return FFlatButtonColor; }
    virtual void SetFlatButtonColor(TColor value);
    bool FlatButtons() const { return FFlatButtons; }
    virtual void SetFlatButtons(bool value);
    TColor FrameColor() const { return FFrameColor; }
    virtual void SetFrameColor(TColor value);
    TColor FrameHotColor() const { return FFrameHotColor; }
    virtual void SetFrameHotColor(TColor value);
    bool FrameHotTrack() const { return FFrameHotTrack; }
    virtual void SetFrameHotTrack(bool value);
    TFrameStyle FrameHotStyle() const { return FFrameHotStyle; }
    virtual void SetFrameHotStyle(TFrameStyle value);
    TSides FrameSides() const { return FFrameSides; }
    virtual void SetFrameSides(TSides value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    virtual void SetFrameStyle(TFrameStyle value);
    bool FrameVisible() const { return FFrameVisible; }
    virtual void SetFrameVisible(bool value);
    TFramingPreference FramingPreference() const { return FFramingPreference; }
    virtual void SetFramingPreference(TFramingPreference value);
    // Where the form keeps settings; cleared when it is freed.
    TRzRegIniFile* RegIniFile() const { return FRegIniFile; }
    virtual void SetRegIniFile(TRzRegIniFile* value);

    // A newly linked control takes every setting at once; unlinking leaves it as it is.
    void LinkControl(TControl* control);
    void UnlinkControl(TControl* control);
    int LinkedCount() const { return int(FControls.size()); }
    // Changes between Hold and Release are pushed once, all together, at the release.
    void HoldUpdates() { ++FUpdateCount; }
    void ReleaseUpdates();
    void Assign(const TPersistent* source) override;
    // The settings a control lets through: its FrameControllerNotifications, else all.
    static TRzFrameControllerNotifications NotificationFilterOf(const TControl* control);

    virtual void ApplyToControl(TControl* control, TRzFrameControllerPropertyConnection setting);
    virtual void ApplyToAll(TRzFrameControllerPropertyConnection setting);

    static void Publish(TPublisher<TRzFrameController>& p);

    void DefineProperties(TFiler& filer) override;
    // After a form is read every linked control takes every setting.
    void Loaded() override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void WriteSetting(TControl* control, TRzFrameControllerPropertyConnection setting);

    std::vector<TControl*> FControls;
    TRzRegIniFile* FRegIniFile = nullptr;
    int FUpdateCount = 0;
    TColor FColor = clWindow;
    TColor FFocusColor = clWindow;
    TColor FDisabledColor = clBtnFace;
    TColor FReadOnlyColor = clInfoBk;
    TColor FFlatButtonColor = clBtnFace;
    TColor FFrameColor = clBtnShadow;
    TColor FFrameHotColor = clBtnShadow;
    TFrameStyle FFrameHotStyle = fsFlatBold;
    TFrameStyle FFrameStyle = fsFlat;
    TSides FFrameSides = sdAllSides;
    TFramingPreference FFramingPreference = fpXPThemes;
    bool FReadOnlyColorOnFocus = false;
    bool FParentColor = false;
    bool FFlatButtons = true;
    bool FFrameHotTrack = false;
    bool FFrameVisible = false;
};
