#pragma once
// The mouse: where it is on the screen, which control holds its capture, the distance a press
// must move before it becomes a drag, and whether a drag between controls is under way.
#include "platform/graphics/Geometry.h"

class TControl;

class TMouse {
public:
    // In screen coordinates; setting it moves the pointer.
    TPoint CursorPos() const;
    void SetCursorPos(TPoint value);
    // The control that holds the mouse capture, or null.
    TControl* Capture() const;
    // Pixels the mouse moves, in x or y, from a press before a drag begins.
    int DragThreshold() const { return FDragThreshold; }
    void SetDragThreshold(int value) { FDragThreshold = value; }
    bool IsDragging() const;

private:
    int FDragThreshold = 5;
};

TMouse* Mouse();
