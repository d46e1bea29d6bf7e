#pragma once
// The stream form of TBitmap: a bitmap file of the bitmap's pixel format (a device-dependent or
// custom format is written with 24 bits). The picture formats' start-up installs LoadBitmapFile
// and SaveBitmapFile as TBitmap's stream procedures; the JPEG picture converts through the same
// pixel copies.
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapFileImage.h"

// The depth of a pixel format in a bitmap file, and back.
int BitmapFileDepth(TPixelFormat format);
TPixelFormat PixelFormatOfDepth(int bitCount);

// The bitmap's pixels (opaque) to be written with bitCount bits.
TBitmapFileImage BitmapFileImageOf(const TBitmap& bitmap, int bitCount);
// Gives the bitmap the image's pixels and the pixel format of its depth.
void AssignBitmapFileImage(TBitmap& bitmap, const TBitmapFileImage& image);

void LoadBitmapFile(TBitmap& bitmap, TStream& stream);
void SaveBitmapFile(TBitmap& bitmap, TStream& stream);
