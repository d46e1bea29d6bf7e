#pragma once
// Pictures of small bitmaps as text, one line per row, so a failing pixel test shows the whole
// shape: '.' for white, '#' for black, '?' for any other colour.
#include <string>

#include "platform/graphics/Bitmap.h"

inline std::string PixelMap(TBitmap& bitmap) {
    std::string map;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor c = bitmap.Canvas()->Pixel(x, y);
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
