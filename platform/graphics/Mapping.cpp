#include "platform/graphics/Mapping.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// Results kept within an int: coordinates from a file may lie anywhere, and a point mapped past
// the ends of the integers is as far off the surface at the end.
int Saturate(__int128 v) { return int(std::clamp<__int128>(v, INT32_MIN, INT32_MAX)); }

// value * num / den rounded half away from zero, in 128 bits so that large extents do not
// overflow on the way. A zero extent maps everything to the origin instead of dividing by 0.
__int128 ScaleWide(int64_t value, int num, int den) {
    if (den == 0) return 0;
    const __int128 p = __int128(value) * num, q = den;
    const __int128 ap = p < 0 ? -p : p, aq = q < 0 ? -q : q;
    const __int128 r = (ap + aq / 2) / aq;
    return (p < 0) != (q < 0) ? -r : r;
}

// One axis: (v - from) scaled, plus to.
int MapAxis(int v, int from, int num, int den, int to) {
    return Saturate(ScaleWide(int64_t(v) - from, num, den) + to);
}

}  // namespace

bool TMapping::IsIdentity() const {
    if (WindowOrg != TPoint{} || ViewportOrg != TPoint{}) return false;
    return Mode == MM_TEXT || (WindowExt == ViewportExt);
}

TPoint TMapping::LPtoDP(TPoint p) const {
    if (Mode == MM_TEXT)
        return Point(MapAxis(p.X, WindowOrg.X, 1, 1, ViewportOrg.X),
                     MapAxis(p.Y, WindowOrg.Y, 1, 1, ViewportOrg.Y));
    return Point(MapAxis(p.X, WindowOrg.X, ViewportExt.cx, WindowExt.cx, ViewportOrg.X),
                 MapAxis(p.Y, WindowOrg.Y, ViewportExt.cy, WindowExt.cy, ViewportOrg.Y));
}

TPoint TMapping::DPtoLP(TPoint p) const {
    if (Mode == MM_TEXT)
        return Point(MapAxis(p.X, ViewportOrg.X, 1, 1, WindowOrg.X),
                     MapAxis(p.Y, ViewportOrg.Y, 1, 1, WindowOrg.Y));
    return Point(MapAxis(p.X, ViewportOrg.X, WindowExt.cx, ViewportExt.cx, WindowOrg.X),
                 MapAxis(p.Y, ViewportOrg.Y, WindowExt.cy, ViewportExt.cy, WindowOrg.Y));
}

TRect TMapping::LPtoDP(const TRect& r) const {
    const TPoint a = LPtoDP(Point(r.Left, r.Top)), b = LPtoDP(Point(r.Right, r.Bottom));
    return Rect(a.X, a.Y, b.X, b.Y);
}

TRect TMapping::DPtoLP(const TRect& r) const {
    const TPoint a = DPtoLP(Point(r.Left, r.Top)), b = DPtoLP(Point(r.Right, r.Bottom));
    return Rect(a.X, a.Y, b.X, b.Y);
}

int TMapping::LengthToDP(int len) const {
    if (Mode == MM_TEXT || len <= 0) return len;
    const __int128 scaled = ScaleWide(len, ViewportExt.cx, WindowExt.cx);
    return std::max(1, Saturate(scaled < 0 ? -scaled : scaled));
}

int DeviceCapsOf(int index, int widthPixels, int heightPixels, int pixelsPerInchX,
                 int pixelsPerInchY) {
    switch (index) {
        case HORZRES:
            return widthPixels;
        case VERTRES:
            return heightPixels;
        case LOGPIXELSX:
            return pixelsPerInchX;
        case LOGPIXELSY:
            return pixelsPerInchY;
        case HORZSIZE:
            return pixelsPerInchX > 0 ? int(std::lround(widthPixels * 25.4 / pixelsPerInchX)) : 0;
        case VERTSIZE:
            return pixelsPerInchY > 0 ? int(std::lround(heightPixels * 25.4 / pixelsPerInchY)) : 0;
        default:
            return 0;
    }
}
