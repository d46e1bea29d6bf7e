#include "platform/ui/Screen.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace {

TRect RectOf(const QRect& r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }

// Without a toolkit (or a screen) the program sees one 1024 x 768 monitor.
const TRect NoScreen = Rect(0, 0, 1024, 768);

QList<QScreen*> Screens() { return qGuiApp ? QGuiApplication::screens() : QList<QScreen*>(); }

}  // namespace

TScreen* Screen() {
    static TScreen screen;
    return &screen;
}

int TScreen::Width() const { return Monitors(0).BoundsRect.Width(); }

int TScreen::Height() const { return Monitors(0).BoundsRect.Height(); }

TRect TScreen::DesktopRect() const {
    QScreen* s = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    return s ? RectOf(s->virtualGeometry()) : NoScreen;
}

TRect TScreen::WorkAreaRect() const { return Monitors(0).WorkareaRect; }

int TScreen::MonitorCount() const { return std::max<int>(1, int(Screens().size())); }

TMonitor TScreen::Monitors(int index) const {
    // The primary monitor is the first, as the platform lists them.
    QList<QScreen*> screens = Screens();
    if (QScreen* primary = qGuiApp ? QGuiApplication::primaryScreen() : nullptr) {
        screens.removeAll(primary);
        screens.prepend(primary);
    }
    TMonitor m;
    m.MonitorNum = index;
    m.Primary = index == 0;
    if (index < 0 || index >= int(screens.size())) {
        m.BoundsRect = m.WorkareaRect = index == 0 ? NoScreen : TRect{};
        return m;
    }
    m.BoundsRect = RectOf(screens[index]->geometry());
    m.WorkareaRect = RectOf(screens[index]->availableGeometry());
    return m;
}

TMonitor TScreen::MonitorFromPoint(TPoint point) const {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < MonitorCount(); ++i) {
        const TRect r = Monitors(i).BoundsRect;
        const long dx = point.X < r.Left     ? r.Left - point.X
                        : point.X >= r.Right ? point.X - r.Right + 1
                                             : 0;
        const long dy = point.Y < r.Top       ? r.Top - point.Y
                        : point.Y >= r.Bottom ? point.Y - r.Bottom + 1
                                              : 0;
        const long distance = dx * dx + dy * dy;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return Monitors(best);
}

std::vector<std::string> TScreen::Fonts() const {
    std::vector<std::string> names;
    if (!qGuiApp) return names;
    for (const QString& family : QFontDatabase::families()) names.push_back(family.toStdString());
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

int GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN:
        case SM_CXFULLSCREEN:
            return Screen()->Width();
        case SM_CYSCREEN:
            return Screen()->Height();
        case SM_CYFULLSCREEN:
            return Screen()->WorkAreaRect().Height() - 18;
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
        case SM_CYVSCROLL:
        case SM_CXHSCROLL:
        case SM_CYVTHUMB:
        case SM_CXHTHUMB:
            return 16;
        case SM_CYCAPTION:
            return 19;
        case SM_CXBORDER:
        case SM_CYBORDER:
            return 1;
        case SM_CXDLGFRAME:
        case SM_CYDLGFRAME:
            return 3;
        case SM_CXFRAME:
        case SM_CYFRAME:
            return 4;
        case SM_CXEDGE:
        case SM_CYEDGE:
            return 2;
        case SM_CXICON:
        case SM_CYICON:
        case SM_CXCURSOR:
        case SM_CYCURSOR:
            return 32;
        case SM_CXSMICON:
        case SM_CYSMICON:
            return 16;
        case SM_CYMENU:
            return 19;
        case SM_CXSIZE:
        case SM_CYSIZE:
            return 18;
        case SM_CYSMCAPTION:
            return 15;
        case SM_CXDOUBLECLK:
        case SM_CYDOUBLECLK:
            return 4;
        case SM_CXDRAG:
        case SM_CYDRAG:
            return 4;
        case SM_CMONITORS:
            return Screen()->MonitorCount();
        default:
            return 0;
    }
}
