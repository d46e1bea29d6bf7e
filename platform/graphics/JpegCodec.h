#pragma once
// JPEG pictures through libjpeg: the size and kind of a compressed picture, decoding it into
// pixels and encoding pixels at a quality. Every libjpeg error arrives as EJPEG with libjpeg's
// text; a picture that ends before its last scan is refused the same way ("Premature end of JPEG
// file") rather than shown half grey. No error leaks libjpeg's memory.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/graphics/BitmapFileImage.h"
#include "platform/graphics/Graphic.h"

KV_EXCEPTION_CLASS(EJPEG, EInvalidGraphic)

struct TJpegInfo {
    int Width = 0;
    int Height = 0;
    bool Grayscale = false;  // one component
    bool Progressive = false;
};

// Reads the headers only.
TJpegInfo ReadJpegInfo(const uint8_t* data, size_t size);

// Decodes a baseline or progressive picture of one, three or four components (CMYK and YCCK are
// turned into RGB) into opaque 24-bit pixels; grayscale asks for greys whatever the file holds.
TBitmapFileImage DecodeJpeg(const uint8_t* data, size_t size, bool grayscale = false);

// Encodes the pixels (alpha dropped) at quality 1..100 (values outside are clamped), in colour
// or, with grayscale, as one grey component.
std::vector<uint8_t> EncodeJpeg(const TBitmapFileImage& image, int quality, bool grayscale);
