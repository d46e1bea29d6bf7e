#pragma once
// How a canvas turns logical coordinates into device pixels: a window (origin and extent in
// logical units) shown on a viewport (origin and extent in pixels). In MM_TEXT one logical unit
// is one pixel and only the origins move; MM_ANISOTROPIC scales each axis by viewport extent
// over window extent, a negative ratio turning the axis round. The device capabilities of a
// canvas live here too: what a page is in pixels and millimetres.
#include "platform/graphics/Geometry.h"

inline constexpr int MM_TEXT = 1;
inline constexpr int MM_ANISOTROPIC = 8;

// Device capability indexes.
inline constexpr int HORZSIZE = 4;     // width in millimetres
inline constexpr int VERTSIZE = 6;     // height in millimetres
inline constexpr int HORZRES = 8;      // width in pixels
inline constexpr int VERTRES = 10;     // height in pixels
inline constexpr int LOGPIXELSX = 88;  // pixels per inch across
inline constexpr int LOGPIXELSY = 90;  // pixels per inch down

struct TMapping {
    int Mode = MM_TEXT;
    TPoint WindowOrg;
    TSize WindowExt{1, 1};
    TPoint ViewportOrg;
    TSize ViewportExt{1, 1};

    // True when logical and device coordinates are the same (the usual case, kept fast).
    bool IsIdentity() const;
    TPoint LPtoDP(TPoint p) const;
    TPoint DPtoLP(TPoint p) const;
    // Both corners mapped; the result may be turned round when an axis is.
    TRect LPtoDP(const TRect& r) const;
    TRect DPtoLP(const TRect& r) const;
    // A length along x in pixels for a logical length (pen widths): at least 1 when len is.
    int LengthToDP(int len) const;
};

// The capability of a device of the given size in pixels and resolution: sizes in millimetres
// are rounded from the pixels and the resolution.
int DeviceCapsOf(int index, int widthPixels, int heightPixels, int pixelsPerInchX,
                 int pixelsPerInchY);
