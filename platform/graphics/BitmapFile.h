#pragma once
// The bitmap file (.bmp): a 14-byte file header, an info header, an optional palette or colour
// masks and the pixel rows, each padded to a multiple of 4 bytes.
//
// The reader takes every common form: info headers of 12, 40, 52, 56, 108 and 124 bytes; 1, 4 and
// 8 bits with a palette, uncompressed or run-length coded (8 and 4 bits); 16 and 32 bits plain or
// with colour masks; 24 bits; rows bottom-up or top-down. It checks every size and count against
// the file before it allocates and refuses a corrupt file with EInvalidGraphic naming the offset
// of the faulty field, relative to the start of the file.
//
// The writer writes a 40-byte info header and bottom-up rows for every depth: 1, 4 and 8 bits with
// a palette, 15 bits as plain 16-bit pixels, 16 bits with 5-6-5 colour masks, 24 and 32 bits.
#include "platform/graphics/BitmapFileImage.h"
#include "platform/graphics/Graphic.h"

class TStream;

// Reads a bitmap file from the stream's position and leaves the position after its pixels.
TBitmapFileImage ReadBitmapFile(TStream& stream);
// The width and height the headers at the stream's position declare, the stream left where it
// was; null for headers ReadBitmapFile refuses.
std::optional<TSize> ReadBitmapFileSize(TStream& stream);
// Writes the image as a bitmap file of its BitCount at the stream's position.
void WriteBitmapFile(TStream& stream, const TBitmapFileImage& image);

// Bytes in a row of the file: width pixels of bitCount bits, padded to a multiple of 4.
inline int64_t BitmapFileRowBytes(int64_t width, int bitCount) {
    return (width * (bitCount == 15 ? 16 : bitCount) + 31) / 32 * 4;
}
