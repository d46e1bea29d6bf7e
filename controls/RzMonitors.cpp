// The monitors of the screen, as the controls place pop-ups on them.
#include "controls/RzCommon.h"
#include "platform/ui/Screen.h"

int MonitorAtPoint(TPoint point) {
    for (int i = 0; i < Screen()->MonitorCount(); ++i)
        if (Screen()->Monitors(i).BoundsRect.Contains(point.X, point.Y)) return i;
    return -1;
}

TRect MonitorWorkRect(int monitor) { return Screen()->Monitors(monitor).WorkareaRect; }

TRect MonitorFullRect(int monitor) { return Screen()->Monitors(monitor).BoundsRect; }
