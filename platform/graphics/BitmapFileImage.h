#pragma once
// The pixels of a picture file, apart from any drawing surface: what the file readers produce and
// the file writers take. Rows run top-down; a pixel is 0xAARRGGBB, which in memory is the bytes
// blue, green, red, alpha of a 32-bit scan line. BitCount is the depth the file had or is to have
// (1, 4, 8, 15, 16, 24 or 32); pixels of every depth but 32 are opaque.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/graphics/GraphicsLimits.h"

struct TBitmapFileImage {
    int Width = 0;
    int Height = 0;
    int BitCount = 24;
    // 0x00RRGGBB entries for the depths 1, 4 and 8. Empty: the writer chooses the palette.
    std::vector<uint32_t> Palette;
    std::vector<uint32_t> Pixels;

    TBitmapFileImage() = default;
    TBitmapFileImage(int width, int height, int bitCount)
        : Width(width),
          Height(height),
          BitCount(bitCount),
          Pixels(size_t(width) * size_t(height), 0xFFFFFFFFu) {}

    uint32_t* ScanLine(int y) { return Pixels.data() + size_t(y) * size_t(Width); }
    const uint32_t* ScanLine(int y) const { return Pixels.data() + size_t(y) * size_t(Width); }
    uint32_t Pixel(int x, int y) const { return ScanLine(y)[x]; }
};
