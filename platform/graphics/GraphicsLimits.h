#pragma once
// What a picture or a chart read from a file may ask of memory. A few bytes can declare any size:
// a bitmap of 30000 x 20000 pixels, a metafile bounded as widely, a grid series of a billion
// cells. These bounds are checked before the memory is taken; past them a reader or an import
// refuses the file, or, where a smaller result serves as well, scales it down. They are kept here
// together, for the picture readers and for the chart's readers and imports alike.
#include <cstdint>

#include "platform/graphics/Geometry.h"

// Pixels of a picture file (bitmap, JPEG) a reader accepts: 8192 x 8192, 256 MB of 32-bit
// pixels. A side may be longer, up to 65536 pixels, as long as the picture stays within the count.
inline constexpr int64_t MaxPictureFilePixels = int64_t(1) << 26;
inline constexpr int32_t MaxPictureFileSide = 1 << 16;

// Pixels of a bitmap made at a picture's declared size (a metafile turned into a brush pattern or
// into the filtered copy of a back image) or at a control's (the image a chart window keeps of
// itself): 32 M pixels (8192 x 4096), 128 MB of 32-bit pixels.
inline constexpr int64_t MaxRasterPixels = int64_t(1) << 25;

// Positions of a 3-D grid series' index, (NumXValues + 1) x (NumZValues + 1): 64 MB of indices.
// A larger grid keeps an empty index and draws no cell; no larger grid is generated.
inline constexpr int64_t MaxGridPositions = int64_t(1) << 24;

// Points a picture may give a colour grid series, one per pixel: 1 M (1024 x 1024), some 100 MB
// of point values, colours and indices.
inline constexpr int64_t MaxPicturePoints = int64_t(1) << 20;

// True when a width x height area (each side at most 2^31) holds at most limit pixels; a
// negative side holds none.
constexpr bool FitsPixels(int64_t width, int64_t height, int64_t limit) {
    return width <= 0 || height <= 0 || width * height <= limit;
}

// Raises EInvalidGraphic when a picture of width x height pixels exceeds limit:
// "The picture is too large: 30000 x 20000 pixels, more than 33554432".
void CheckPictureSize(int64_t width, int64_t height, int64_t limit);

// A width x height area within MaxRasterPixels: the area itself when it fits, else the largest
// one in its proportions (each side at least one pixel, never longer than the area's).
TSize BoundedRasterSize(int width, int height);
