#pragma once
// Turning a frame's colour indices into platform pixels: the colours a frame renders with, its
// transparency mask, the 8-bit bitmap built row by row through a device-independent bitmap, and
// where a frame lands when its picture is stretched or tiled over a rectangle.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "gif/GIFPalette.h"
#include "platform/graphics/Geometry.h"

class TBitmap;
class TGIFSubImage;

// One bit per pixel, 1 where the pixel is transparent; rows padded to 16 bits, the most
// significant bit first.
struct TGIFFrameMask {
    int Width = 0;
    int Height = 0;
    int RowBytes = 0;
    std::vector<uint8_t> Bits;

    bool Empty() const { return Bits.empty(); }
    bool IsSet(int x, int y) const {
        return ((Bits[size_t(y) * size_t(RowBytes) + size_t(x / 8)] >> (7 - x % 8)) & 1) != 0;
    }
};

// The renderers read width × height indices whose rows begin stride bytes apart: a whole
// frame (stride = width) or the part of it that is drawn.

// The mask of the pixels equal to transparentIndex; empty when no pixel is.
TGIFFrameMask BuildFrameMask(const uint8_t* pixels, int width, int height, size_t stride,
                             uint8_t transparentIndex);

// Colour values (red in the lowest byte) of all 256 indices: the frame's active table padded
// with black. A frame without any table renders index i as grey i rather than failing.
using TGIFFrameColors = std::array<uint32_t, 256>;
TGIFFrameColors FrameColors(TGIFSubImage& frame);

// A colour value that none of the indices has: transparent pixels are keyed with it.
uint32_t UnusedFrameColor(const TGIFFrameColors& colors);

// The colours of a frame's rendering as a palette: colours' first count entries (all 256
// for count 0).
TGIFPalette RenderPalette(const TGIFFrameColors& colors, int count);

// bitmap becomes the indices as an 8-bit device-independent bitmap whose colour table is
// palette, so that the indices survive; progress(row) is called every 32 rows.
void RenderFrameBitmap(const uint8_t* pixels, int width, int height, size_t stride,
                       const TGIFPalette& palette, TBitmap& bitmap,
                       const std::function<void(int row)>& progress);
// The same in the 216 web colours (WebPalette), Floyd-Steinberg dithered in serpentine order;
// pixels under the mask (if any) take fillIndex and leave the dithering alone.
void RenderDitheredFrameBitmap(const uint8_t* pixels, int width, int height, size_t stride,
                               const TGIFFrameColors& colors, const TGIFFrameMask* mask,
                               uint8_t fillIndex, TBitmap& bitmap,
                               const std::function<void(int row)>& progress);
// The web entry a transparent colour is shown as in a dithered rendering: each channel to its
// nearest step of 51.
uint8_t WebFillIndex(uint32_t color);
// bitmap's pixels under the mask become keyColor (red in the lowest byte), at 24 bits.
void KeyOutMask(TBitmap& bitmap, const TGIFFrameMask& mask, uint32_t keyColor);

// The place of a frame (bounds within a picture of imageWidth × imageHeight) when the whole
// picture is stretched into r.
TRect ScaleFrameRect(const TRect& r, const TRect& frame, int imageWidth, int imageHeight);
// The frame's copies when the picture is repeated at its own size from r's top-left corner
// until r is covered, column by column.
std::vector<TRect> FrameTiles(const TRect& r, const TRect& frame, int imageWidth, int imageHeight);
