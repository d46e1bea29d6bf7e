#include "platform/graphics/Mapping.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// value * num / den rounded half away from zero, in 64 bits so that large extents do not
// overflow on the way. A zero extent maps everything to the origin instead of dividing by 0.
int Scale(int value, int num, int den) {
    if (den == 0) return 0;
    const int64_t p = int64_t(value) * num, q = den;
    const int64_t r = (std::llabs(p) + std::llabs(q) / 2) / std::llabs(q);
    return int((p < 0) != (q < 0) ? -r : r);
}

}  // namespace

bool TMapping::IsIdentity() const {
    if (WindowOrg != TPoint{} || ViewportOrg != TPoint{}) return false;
    return Mode == MM_TEXT || (WindowExt == ViewportExt);
}

TPoint TMapping::LPtoDP(TPoint p) const {
    if (Mode == MM_TEXT)
        return Point(p.X - WindowOrg.X + ViewportOrg.X, p.Y - WindowOrg.Y + ViewportOrg.Y);
    return Point(Scale(p.X - WindowOrg.X, ViewportExt.cx, WindowExt.cx) + ViewportOrg.X,
                 Scale(p.Y - WindowOrg.Y, ViewportExt.cy, WindowExt.cy) + ViewportOrg.Y);
}

TPoint TMapping::DPtoLP(TPoint p) const {
    if (Mode == MM_TEXT)
        return Point(p.X - ViewportOrg.X + WindowOrg.X, p.Y - ViewportOrg.Y + WindowOrg.Y);
    return Point(Scale(p.X - ViewportOrg.X, WindowExt.cx, ViewportExt.cx) + WindowOrg.X,
                 Scale(p.Y - ViewportOrg.Y, WindowExt.cy, ViewportExt.cy) + WindowOrg.Y);
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
    return std::max(1, std::abs(Scale(len, ViewportExt.cx, WindowExt.cx)));
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
