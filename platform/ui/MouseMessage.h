#pragma once
// Mouse messages as values, for controls that take part of another control's mouse input for
// themselves (a button drawn inside an edit) or pass input on to another control (a hint window
// that lets the clicks through to the control under it). A filter sees a control's messages
// before the control and its widget do; a message can be given to a control as though the mouse
// had made it.
#include <functional>

#include "platform/classes/Cursors.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/ControlTypes.h"

class TControl;

enum TMouseMessageKind { mmPress, mmDoubleClick, mmMove, mmRelease };

struct TMouseMessage {
    TMouseMessageKind Kind = mmMove;
    TMouseButton Button = mbLeft;  // of a press, a double-click or a release
    TShiftState Shift;             // keys and the buttons held
    TPoint Pos{};                  // in the client coordinates of the control concerned
};

// True keeps the message from the control and its widget.
using TMouseFilter = std::function<bool(const TMouseMessage& message)>;

// Installs filter before every other handling of control's mouse messages, replacing any
// before; an empty filter removes it.
void SetMouseFilter(TControl& control, TMouseFilter filter);
// Gives control the message, in its client coordinates, as the mouse would.
void SendMouseMessage(TControl& control, const TMouseMessage& message);
// The pointer's shape over control from now on, without changing its Cursor property;
// crDefault gives back the shape the control had before the first call.
void ShowCursorOver(TControl& control, TCursor cursor);
