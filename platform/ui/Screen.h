#pragma once
// The screen: its size, desktop and work area, monitors, installed fonts and metrics, the
// program-wide cursor, and the cursor table. Every standard cursor number (crArrow...) has a
// cursor; other numbers have one once the program registers it (from an image, a resource, a
// cursor file, or as another number's). A number without a cursor gives the control its
// default one (its parent's), never a stand-in.
#include <string>
#include <vector>

#include "platform/graphics/Geometry.h"
#include "platform/ui/ControlTypes.h"

class QWidget;
class TBitmap;

struct TMonitor {
    int MonitorNum = 0;
    TRect BoundsRect;
    TRect WorkareaRect;
    bool Primary = false;
};

class TScreen {
public:
    // The program-wide cursor (the screen cursor service of platform/classes/Cursors.h).
    TCursor Cursor() const { return ScreenCursorShape(); }
    void SetCursor(TCursor value) { ShowScreenCursor(value); }

    // Whether the number has a cursor: every standard one, and those registered.
    bool HasCursor(TCursor id) const;
    // Registers the image as cursor id; the image's transparent colour is see-through.
    void SetCursorImage(TCursor id, const TBitmap& image, TPoint hotSpot);
    // Registers cursor id as a copy of an existing one's (false, nothing changed, when that one
    // has none).
    bool SetCursorLike(TCursor id, TCursor existing);
    // From the program's resources or a cursor file (.cur); false when it is not there or not a
    // cursor.
    bool LoadCursorResource(TCursor id, const std::string& name);
    bool LoadCursorFromFile(TCursor id, const std::string& fileName);
    // Forgets a registered cursor; the standard ones stay.
    void RemoveCursor(TCursor id);
    // Draws the cursor's picture into bitmap, which becomes the system cursor size (32 x 32), white
    // where the cursor is see-through; the hot spot is returned. False for a number without one.
    bool DrawCursor(TCursor id, TBitmap& bitmap, TPoint* hotSpot = nullptr) const;

    int Width() const;
    int Height() const;
    // The virtual desktop (every monitor) and the primary monitor's area less the panels.
    TRect DesktopRect() const;
    TRect WorkAreaRect() const;
    int MonitorCount() const;
    TMonitor Monitors(int index) const;
    // The monitor that holds the point, or the nearest.
    TMonitor MonitorFromPoint(TPoint point) const;
    // The installed font families, sorted.
    std::vector<std::string> Fonts() const;
    // Fixed, so that layouts and text sizes are the same on every machine.
    int PixelsPerInch() const { return 96; }
};

TScreen* Screen();

// Indexes of GetSystemMetrics.
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CXVSCROLL = 2;
inline constexpr int SM_CYHSCROLL = 3;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CXBORDER = 5;
inline constexpr int SM_CYBORDER = 6;
inline constexpr int SM_CXDLGFRAME = 7;
inline constexpr int SM_CYDLGFRAME = 8;
inline constexpr int SM_CYVTHUMB = 9;
inline constexpr int SM_CXHTHUMB = 10;
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CXCURSOR = 13;
inline constexpr int SM_CYCURSOR = 14;
inline constexpr int SM_CYMENU = 15;
inline constexpr int SM_CXFULLSCREEN = 16;
inline constexpr int SM_CYFULLSCREEN = 17;
inline constexpr int SM_CYVSCROLL = 20;
inline constexpr int SM_CXHSCROLL = 21;
inline constexpr int SM_CXFRAME = 32;
inline constexpr int SM_CYFRAME = 33;
inline constexpr int SM_CXDOUBLECLK = 36;
inline constexpr int SM_CYDOUBLECLK = 37;
inline constexpr int SM_CXEDGE = 45;
inline constexpr int SM_CYEDGE = 46;
inline constexpr int SM_CXSMICON = 49;
inline constexpr int SM_CYSMICON = 50;
inline constexpr int SM_CYSMCAPTION = 51;
inline constexpr int SM_CXSIZE = 30;
inline constexpr int SM_CYSIZE = 31;
inline constexpr int SM_CXDRAG = 68;
inline constexpr int SM_CYDRAG = 69;
inline constexpr int SM_CMONITORS = 80;
// The system metric of that index: fixed values of the classic look for the sizes of window
// parts (so that layouts do not depend on the desktop's theme), the screen's for its sizes; 0 for
// an index not listed above.
int GetSystemMetrics(int index);

// Gives the widget the cursor of that number (the window layer's .cpp files use it).
void SetWidgetCursor(QWidget* widget, TCursor cursor);
