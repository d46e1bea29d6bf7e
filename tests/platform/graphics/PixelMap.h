#pragma once
// Pictures of small bitmaps as text, one line per row, so a failing pixel test shows the whole
// shape: '.' for white, '#' for black, '?' for any other colour.
#include <ostream>
#include <string>

#include "platform/graphics/Bitmap.h"

inline std::string PixelMap(TBitmap& bitmap) {
    // Read through a copy, whose canvas has no clip.
    TBitmap copy;
    copy.Assign(&bitmap);
    std::string map;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor c = copy.Canvas()->Pixel(x, y);
            map += c == clWhite ? '.' : c == clBlack ? '#' : '?';
        }
        map += '\n';
    }
    return map;
}

// The same picture given as rows.
inline std::string Rows(std::initializer_list<const char*> rows) {
    std::string map;
    for (const char* r : rows) map += std::string(r) + '\n';
    return map;
}

inline void PrintTo(const TRect& r, std::ostream* os) {
    *os << "Rect(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
inline void PrintTo(const TPoint& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ")"; }
inline void PrintTo(const TSize& s, std::ostream* os) { *os << s.cx << " x " << s.cy; }
