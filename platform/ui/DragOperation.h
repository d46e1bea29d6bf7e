#pragma once
// The drag under way between controls (one at a time), for the window layer's .cpp files: the
// source holds the mouse capture, so every move and the release come to it and are passed here.
#include <memory>

#include "platform/ui/ControlTypes.h"

class QEvent;
class QObject;
class QWidget;
class TControl;

class TDragOperation {
public:
    static TDragOperation* Current();
    // start: where the mouse was, on the screen; the threshold counts from there.
    static void Begin(TControl* source, bool immediate, int threshold, TPoint start);
    // A control going away ends the drag it is the source of, and leaves one it is the target of.
    static void SourceGone(TControl* control);

    TControl* Source() const { return FSource; }
    // An event of the source while the drag lasts; true when the drag took it.
    bool SourceEvent(QEvent* event);
    void End(bool drop, TPoint screen);

    ~TDragOperation();

private:
    TDragOperation(TControl* source, int threshold);
    void Start();
    void Move(TPoint screen);
    bool Ask(TControl* target, TPoint screen, TDragState state);

    TControl* FSource;
    int FThreshold;
    TPoint FStart;
    bool FStarted = false;
    TControl* FTarget = nullptr;
    bool FAccepted = false;
    TCursor FFormerCursor = crDefault;
    std::unique_ptr<QObject> FEscape;  // cancels on Esc while the drag is on
};

// The control whose widget is w or holds w, or null.
TControl* ControlOfToolkitWidget(QWidget* w);
