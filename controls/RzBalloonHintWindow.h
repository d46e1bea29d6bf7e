#pragma once
// The application's hint window while a TRzBalloonHints is installed: a TRzCustomHintWindow
// places and paints the balloon, a shaped window shows it on the screen cut to the balloon's
// region. It links itself to the most recent balloon-hints component still alive. The mouse
// over the balloon belongs to the control whose hint it shows: its messages go on to that
// control, and once the mouse has moved more than 2 pixels from where the hint came up the hint
// is cancelled.
#include <memory>

#include "controls/RzHintWindow.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/ShapedWindow.h"

class TRzBalloonHints;

class TRzBalloonHintWindow : public THintWindow {
public:
    TRzBalloonHintWindow();
    ~TRzBalloonHintWindow() override;

    void ActivateHint(const THintInfo& info) override;
    void HideHint() override;

    TRzCustomHintWindow& Window() { return FWindow; }
    const TShapedWindow& Shaped() const { return FShaped; }
    // The application's show-hint step while this window is in use: the linked component's
    // colour and caption width go into the hint record, its OnShowHint may change it, and the
    // window takes the record's colour.
    void ApplicationShowHint(std::string& hintStr, bool& canShow, THintInfo& info);

private:
    void WindowMouse(const TMouseMessage& message);

    TRzCustomHintWindow FWindow{nullptr};
    THintInfo FInfo;         // of the hint on show
    bool FTracking = false;  // the mouse is watched for leaving the spot of the hint
    TShapedWindow FShaped;
    TRzBalloonHints* FHints = nullptr;
    // Lets the application's show-hint handler outlive this window harmlessly.
    std::shared_ptr<TRzBalloonHintWindow*> FSelf;
};

// The balloon-hints components alive, oldest first (they register themselves).
void RegisterBalloonHints(TRzBalloonHints* hints);
void UnregisterBalloonHints(TRzBalloonHints* hints);
TRzBalloonHints* LatestBalloonHints();
