#pragma once
// Small 24-bit bitmaps for the filter tests, filled and read pixel by pixel.
#include <functional>

#include "platform/graphics/Bitmap.h"

struct TPx {
    int B, G, R;
    bool operator==(const TPx&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const TPx& p) {
    return os << "(b" << p.B << " g" << p.G << " r" << p.R << ")";
}

inline void Fill(TBitmap& bitmap, int width, int height, const std::function<TPx(int, int)>& at) {
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            const TPx p = at(x, y);
            row[x * 3] = uint8_t(p.B);
            row[x * 3 + 1] = uint8_t(p.G);
            row[x * 3 + 2] = uint8_t(p.R);
        }
    }
}

inline TPx Px(TBitmap& bitmap, int x, int y) {
    const uint8_t* p = bitmap.ScanLine(y) + x * 3;
    return {p[0], p[1], p[2]};
}

// A different colour for every pixel of a bitmap up to 16 pixels wide, not linear in x or y (a
// linear ramp is its own 3 x 3 mean).
inline TPx Pattern(int x, int y) {
    return {(x * 16 + y) % 256, (255 - x * x * 3) & 255, (40 + y * y * 5 + x) % 256};
}
