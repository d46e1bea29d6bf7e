#pragma once
// The window that shows the application's hints. The application owns one of the installed
// class (by default the toolkit's tooltip) while hints are on; when a control's hint is due it
// fills a THintInfo, lets OnShowHint change it and hands it to the window, and hides the window
// when the mouse leaves the control or the hint's time is over.
#include <functional>
#include <memory>
#include <string>

#include "platform/graphics/Colors.h"
#include "platform/graphics/Geometry.h"

class TControl;

struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint CursorPos{};         // in the control's client coordinates
    TRect ControlScreenRect{};  // the control's client area on the screen
    TColor HintColor = clInfoBk;
    int HintMaxWidth = 0;  // 0: no limit
    int HideTimeout = 0;   // milliseconds; 0: the application's HintHidePause
    std::string HintStr;
    // The cursor on the screen.
    TPoint CursorScreen() const {
        return Point(ControlScreenRect.Left + CursorPos.X, ControlScreenRect.Top + CursorPos.Y);
    }
};

class THintWindow {
public:
    virtual ~THintWindow() = default;
    virtual void ActivateHint(const THintInfo& info) = 0;
    virtual void HideHint() = 0;
};

// Makes a hint window; the application's "hint window class".
using THintWindowClass = std::function<std::unique_ptr<THintWindow>()>;

// The toolkit's own tooltip, used when no other class is installed.
std::unique_ptr<THintWindow> MakeDefaultHintWindow();

using TShowHintEvent =
    std::function<void(std::string& hintStr, bool& canShow, THintInfo& hintInfo)>;
