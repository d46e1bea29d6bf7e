// The formats the drawing layer brings itself.
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/BitmapFileStream.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/graphics/JpegImage.h"

void RegisterStandardGraphicFormats() {
    SetBitmapStreamFormat(LoadBitmapFile, SaveBitmapFile, ReadBitmapFileSize);
    RegisterFileFormat("bmp", "Bitmaps", &TBitmap::StaticClass());
    RegisterFileFormat("jpeg", "JPEG Image File", &TJPEGImage::StaticClass());
    RegisterFileFormat("jpg", "JPEG Image File", &TJPEGImage::StaticClass());
}

void UnregisterStandardGraphicFormats() {
    UnregisterGraphicClass(&TJPEGImage::StaticClass());
    UnregisterGraphicClass(&TBitmap::StaticClass());
    SetBitmapStreamFormat(nullptr, nullptr, nullptr);
}
