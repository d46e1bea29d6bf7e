#pragma once
// The application object: owns the toolkit's application, holds the program title, the main form
// and the hint settings, runs the message loop (the program's only main loop) and is the one
// place where an exception that leaves an event handler ends up: it is shown as the default error
// report through the message service, and the program goes on.
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "platform/graphics/Colors.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/HintWindow.h"

class TControl;
class TForm;
class TObject;

using TExceptionEvent = std::function<void(TObject* sender, const Exception& e)>;

class TApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& title) { FTitle = title; }

    // The form whose closing ends the program. Run shows it.
    TForm* MainForm() const { return FMainForm; }
    void SetMainForm(TForm* form) { FMainForm = form; }

    // Hints: shown at all, delay before showing and time shown (milliseconds), colour.
    // Switching hints on makes a new hint window of the installed class at once; switching them
    // off frees it.
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    int HintPause() const { return FHintPause; }
    void SetHintPause(int ms) { FHintPause = ms; }
    // The pause before the next hint when the mouse moves on from a hint that showed.
    int HintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(int ms) { FHintShortPause = ms; }
    int HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int ms) { FHintHidePause = ms; }
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor value) { FHintColor = value; }
    // The class of the hint window; an empty one means the toolkit's tooltip. Takes effect when
    // hints are next switched on.
    const THintWindowClass& HintWindowClass() const { return FHintWindowClass; }
    void SetHintWindowClass(THintWindowClass value) { FHintWindowClass = std::move(value); }
    // The hint window in use (null while hints are off).
    THintWindow* HintWindow() const { return FHintWindow.get(); }
    // A control's hint is due: the cursor at cursorPos in its client area, which lies at
    // controlScreen on the screen. OnShowHint may change the text and record or refuse; then
    // the hint window shows it until the mouse leaves the control or HideTimeout passes.
    void ActivateHint(TControl* control, const std::string& hint, TPoint cursorPos,
                      const TRect& controlScreen);
    void CancelHint();
    // The control whose hint shows (null when none, or when it has gone).
    TControl* HintControl() const;

    // Shows an empty top-level window captioned with the title; the loop ends when it closes.
    // Without a display (the off-screen platform) nobody can close it, so it closes itself after
    // autoCloseMs milliseconds when that is positive.
    void ShowMainWindow(int autoCloseMs);
    // Shows the main form, if any, and runs the message loop until Terminate; returns the exit
    // code.
    int Run();
    // Ends the message loop (closing the main form calls it). Called before Run, it keeps Run
    // from starting; Terminated stays true after Run has returned, until a new Run starts.
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Lets the toolkit handle every pending event (long loops call this to keep windows alive).
    static void ProcessMessages();
    // Waits for at least one event and handles it (the modal loops).
    static void HandleMessage();
    // True when the toolkit draws off screen (tests, machines without a display).
    static bool IsOffscreen();

    // The default exception report: OnException when set, otherwise the message in an error box
    // through the message service. EAbort is silent. Never throws.
    void HandleException(std::exception_ptr error);
    // Calls an event handler; an exception that leaves it is reported and swallowed.
    template <class F>
    void Dispatch(F&& handler) noexcept {
        try {
            handler();
        } catch (...) {
            HandleException(std::current_exception());
        }
    }

    TExceptionEvent OnException;
    TShowHintEvent OnShowHint;

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
    std::string FTitle;
    TForm* FMainForm = nullptr;
    THintWindowClass FHintWindowClass;
    std::unique_ptr<THintWindow> FHintWindow;
    TControl* FHintControl = nullptr;
    bool FTerminated = false;
    bool FTerminateDone = false;  // a loop has ended on FTerminated
    bool FShowHint = true;
    int FHintPause = 500;
    int FHintShortPause = 50;
    int FHintHidePause = 2500;
    TColor FHintColor = clInfoBk;
};

// The text of the default error report: the message with a full stop added when it ends in a
// character after '.' (a letter, a digit, a quote), as the platform's report does.
std::string ExceptionReportText(const std::string& message);

// The one application of the process; null before it is made and after it is gone.
extern TApplication* Application;

// Runs an event handler under the default exception report (directly when there is no
// application, so that plain code paths keep their exceptions).
template <class F>
void DispatchEvent(F&& handler) {
    if (Application)
        Application->Dispatch(std::forward<F>(handler));
    else
        handler();
}
