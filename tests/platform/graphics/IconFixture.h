#pragma once
// The bytes of a small icon file, built here so that tests depend on no file of the machine: one
// image of 24 bits with its AND mask (a set bit leaves the background showing), or of 32 bits
// whose alpha says the same, rows bottom-up as icon files keep them.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/graphics/Colors.h"

namespace icon_fixture {

inline void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
inline void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// size x size pixels of 24 or 32 bits; colourOf(x, y) gives each pixel's colour, clNone for a
// see-through one.
inline std::vector<uint8_t> IconFile(int size, const std::function<TColor(int, int)>& colourOf,
                                     int bits = 24) {
    const int bytes = bits / 8;
    const int colourRow = (size * bytes + 3) / 4 * 4;
    const int maskRow = ((size + 31) / 32) * 4;
    const uint32_t imageBytes = uint32_t(40 + size * (colourRow + maskRow));
    std::vector<uint8_t> out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // an icon
    Put16(out, 1);  // one image
    out.push_back(uint8_t(size));
    out.push_back(uint8_t(size));
    out.push_back(0);  // no palette
    out.push_back(0);
    Put16(out, 1);  // planes
    Put16(out, uint32_t(bits));
    Put32(out, imageBytes);
    Put32(out, 6 + 16);  // the image follows the directory
    Put32(out, 40);      // the image's header: its height counts the mask's rows too
    Put32(out, uint32_t(size));
    Put32(out, uint32_t(size * 2));
    Put16(out, 1);
    Put16(out, uint32_t(bits));
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const TColor c = colourOf(x, y);
            const uint32_t rgb = c == clNone ? 0 : uint32_t(c);  // black under the mask
            out.push_back(uint8_t(rgb >> 16));                   // blue
            out.push_back(uint8_t(rgb >> 8));
            out.push_back(uint8_t(rgb));
            if (bits == 32) out.push_back(c == clNone ? 0 : 0xFF);  // alpha
        }
        out.resize(out.size() + size_t(colourRow - size * bytes), 0);
    }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<uint8_t> row(size_t(maskRow), 0);
        for (int x = 0; x < size; ++x)
            if (bits == 24 && colourOf(x, y) == clNone)
                row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

// 32 x 32: a see-through border 4 pixels wide around red (left), blue (right) and a white
// square that is opaque, so that only the mask tells it from the background.
inline TColor SampleColour(int x, int y) {
    if (x < 4 || y < 4 || x >= 28 || y >= 28) return clNone;
    if (x >= 12 && x < 20 && y >= 12 && y < 20) return clWhite;
    return x < 16 ? clRed : clBlue;
}

}  // namespace icon_fixture
