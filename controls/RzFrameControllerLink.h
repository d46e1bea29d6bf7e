#pragma once
// A control's link to the frame controller whose settings it takes: which controller, and which
// of its settings the control lets through. The control is linked to the controller it names,
// and forgets it when the controller is freed.
#include "platform/classes/Component.h"
#include "platform/classes/Set.h"

class TControl;
class TRzFrameController;

// The settings a frame controller pushes, one bit each in this order.
enum TRzFrameControllerPropertyConnection {
    fcpColor,
    fcpFocusColor,
    fcpDisabledColor,
    fcpReadOnlyColor,
    fcpReadOnlyColorOnFocus,
    fcpParentColor,
    fcpFlatButtonColor,
    fcpFlatButtons,
    fcpFrameColor,
    fcpFrameHotColor,
    fcpFrameHotTrack,
    fcpFrameHotStyle,
    fcpFrameSides,
    fcpFrameStyle,
    fcpFrameVisible,
    fcpFramingPreference,
    fcpAll
};
using TRzFrameControllerNotifications = TSet<TRzFrameControllerPropertyConnection>;
// Every setting (fcpAll itself is not held in the set).
inline constexpr TRzFrameControllerNotifications fcpAllSettings =
    TRzFrameControllerNotifications::FromMask(0xFFFF);

// A second base of the controls that take a frame controller's settings.
class TRzFrameControllerLink {
public:
    // The controller whose settings the control takes; cleared when it is freed.
    TRzFrameController* FrameController() const { return FFrameController; }
    void SetFrameController(TRzFrameController* value);
    TRzFrameControllerNotifications FrameControllerNotifications() const {
        return FFrameControllerNotifications;
    }
    void SetFrameControllerNotifications(TRzFrameControllerNotifications value) {
        FFrameControllerNotifications = value;
    }

protected:
    // self is the control itself, not yet used while it is being made.
    explicit TRzFrameControllerLink(TControl* self) : FSelf(*self) {}
    ~TRzFrameControllerLink() = default;
    // The control's Notification passes on here: the controller being freed is forgotten.
    void FrameControllerNotification(TComponent* component, TOperation operation);

private:
    TControl& FSelf;
    TRzFrameController* FFrameController = nullptr;
    TRzFrameControllerNotifications FFrameControllerNotifications = fcpAllSettings;
};
