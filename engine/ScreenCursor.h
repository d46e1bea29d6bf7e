#pragma once
// The screen's cursor as the engine asks for it: the hourglass while results are stored. The
// window layer installs the real service; until then, and in tests that do not care, a silent one
// stands in.
enum TCursor { crDefault = 0, crHourGlass = -11 };

class IScreenCursor {
public:
    virtual ~IScreenCursor();
    virtual void SetCursor(TCursor cursor) = 0;
};

// The service in use: the one set last, or a silent one.
IScreenCursor& ScreenCursor();
// Installs `cursor` (not owned); nullptr restores the silent service.
void SetScreenCursor(IScreenCursor* cursor);

// The cursor shown now, as set through ShowScreenCursor.
TCursor ScreenCursorShape();
// Shows `cursor` through the service in use and remembers it.
void ShowScreenCursor(TCursor cursor);

// Shows the hourglass for a scope and, on every path out of it, the cursor that was shown before,
// so that a guarded routine called inside another keeps the outer hourglass up.
class TCursorGuard {
public:
    TCursorGuard() : FPrevious(ScreenCursorShape()) { ShowScreenCursor(crHourGlass); }
    ~TCursorGuard() { ShowScreenCursor(FPrevious); }
    TCursorGuard(const TCursorGuard&) = delete;
    TCursorGuard& operator=(const TCursorGuard&) = delete;

private:
    TCursor FPrevious;
};
