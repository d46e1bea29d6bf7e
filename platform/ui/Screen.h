#pragma once
// The screen: its size and resolution, and the program-wide cursor. Setting Cursor to anything
// but crDefault shows it over every window until it is set back to crDefault; TCursorGuard sets
// it for a scope and restores the former one on every path out.
#include "platform/ui/ControlTypes.h"

class TScreen {
public:
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    int Width() const;
    int Height() const;
    // Fixed, so that layouts and text sizes are the same on every machine.
    int PixelsPerInch() const { return 96; }

private:
    TCursor FCursor = crDefault;
};

TScreen* Screen();

class TCursorGuard {
public:
    explicit TCursorGuard(TCursor cursor);
    ~TCursorGuard();
    TCursorGuard(const TCursorGuard&) = delete;
    TCursorGuard& operator=(const TCursorGuard&) = delete;

private:
    TCursor FFormer;
};

// The toolkit's cursor shape for a cursor number (the window layer's .cpp files use it).
int ToolkitCursorShape(TCursor cursor);
