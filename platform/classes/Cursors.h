#pragma once
// Cursors as the program names them: numbers (negative for the platform's standard shapes, 0 for
// "the control's default", positive for cursors the program registers, such as 2020), their
// names ("crHourGlass") and the program-wide screen cursor. The screen cursor is a service: the
// window layer installs the real one (the toolkit's override cursor); without it, in the engine's
// tests and any program without a display, a silent one stands in, so code below the windows can
// show the hourglass through the same guard.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

struct TIdentConverter;

using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crMultiDrag = -16;
inline constexpr TCursor crSQLWait = -17;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;
inline constexpr TCursor crSize = crSizeAll;  // the older name, read but never written

// The standard cursors, crDefault down to crSizeAll, each once.
inline constexpr TCursor FirstStandardCursor = crDefault;
inline constexpr TCursor LastStandardCursor = crSizeAll;

// Names of the standard cursors. The lookups ignore letter case.
bool CursorToIdent(int64_t cursor, std::string& ident);
bool IdentToCursor(std::string_view ident, int64_t& cursor);
// The name, or the number as text for a cursor without one.
std::string CursorToString(TCursor cursor);
// A name or a number; EConvertError for anything else.
TCursor StringToCursor(const std::string& text);
// Calls proc with each standard cursor's name, crDefault first.
void GetCursorValues(const std::function<void(const std::string&)>& proc);
// For cursor properties: written by name, read from a name or a number.
const TIdentConverter& CursorIdentConverter();

// The program-wide cursor, shown over every window while it is not crDefault.
class IScreenCursor {
public:
    virtual ~IScreenCursor();
    virtual void SetCursor(TCursor cursor) = 0;
};

// The service in use: the one installed last, or the silent one.
IScreenCursor& ScreenCursor();
// Installs cursor (not owned; nullptr: the silent one) and returns the former service, for
// whoever installs one for a while to put back.
IScreenCursor* SetScreenCursor(IScreenCursor* cursor);
// The cursor shown now, as set through ShowScreenCursor.
TCursor ScreenCursorShape();
// Shows cursor through the service in use and remembers it.
void ShowScreenCursor(TCursor cursor);

// Shows a cursor (the hourglass unless told otherwise) for a scope and, on every path out of it,
// the one that was shown before, so that a guarded routine inside another keeps the outer
// hourglass up.
class TCursorGuard {
public:
    explicit TCursorGuard(TCursor cursor = crHourGlass);
    ~TCursorGuard();
    TCursorGuard(const TCursorGuard&) = delete;
    TCursorGuard& operator=(const TCursorGuard&) = delete;

private:
    TCursor FFormer;
};
