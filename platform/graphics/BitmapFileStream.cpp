#include "platform/graphics/BitmapFileStream.h"

#include <QImage>
#include <cstring>

#include "platform/graphics/BitmapFile.h"

int BitmapFileDepth(TPixelFormat format) {
    switch (format) {
        case pf1bit:
            return 1;
        case pf4bit:
            return 4;
        case pf8bit:
            return 8;
        case pf15bit:
            return 15;
        case pf16bit:
            return 16;
        case pf32bit:
            return 32;
        default:
            return 24;
    }
}

TPixelFormat PixelFormatOfDepth(int bitCount) {
    switch (bitCount) {
        case 1:
            return pf1bit;
        case 4:
            return pf4bit;
        case 8:
            return pf8bit;
        case 15:
            return pf15bit;
        case 16:
            return pf16bit;
        case 32:
            return pf32bit;
        default:
            return pf24bit;
    }
}

TBitmapFileImage BitmapFileImageOf(const TBitmap& bitmap, int bitCount) {
    if (bitmap.Empty()) return TBitmapFileImage(0, 0, bitCount);
    const QImage& stored = bitmap.Image();
    // 32-bit storage is 0xffRRGGBB already: the file's pixel form.
    const QImage rgb = stored.format() == QImage::Format_RGB32
                           ? stored
                           : stored.convertToFormat(QImage::Format_RGB32);
    TBitmapFileImage image(rgb.width(), rgb.height(), bitCount);
    // A table of the file's depth is written as it is, so the indices survive.
    if (bitCount <= 8 && bitmap.ColorTable().size() <= (size_t(1) << bitCount))
        image.Palette = bitmap.ColorTable();
    for (int y = 0; y < image.Height; ++y)
        std::memcpy(image.ScanLine(y), rgb.constScanLine(y), size_t(image.Width) * 4);
    return image;
}

void AssignBitmapFileImage(TBitmap& bitmap, const TBitmapFileImage& image) {
    if (image.Width == 0 || image.Height == 0) {
        bitmap.SetImage(QImage());
        bitmap.SetPixelFormat(PixelFormatOfDepth(image.BitCount));
        return;
    }
    if (image.BitCount == 24) {
        // Straight into the 24-bit storage, so that nothing is converted twice.
        QImage bgr(image.Width, image.Height, QImage::Format_BGR888);
        for (int y = 0; y < image.Height; ++y) {
            const uint32_t* src = image.ScanLine(y);
            uint8_t* dst = bgr.scanLine(y);
            for (int x = 0; x < image.Width; ++x, dst += 3) {
                dst[0] = uint8_t(src[x]);
                dst[1] = uint8_t(src[x] >> 8);
                dst[2] = uint8_t(src[x] >> 16);
            }
        }
        bitmap.SetImage(bgr);
        return;
    }
    QImage rgb(image.Width, image.Height, QImage::Format_RGB32);
    for (int y = 0; y < image.Height; ++y) {
        const uint32_t* src = image.ScanLine(y);
        auto* dst = reinterpret_cast<uint32_t*>(rgb.scanLine(y));
        for (int x = 0; x < image.Width; ++x) dst[x] = src[x] | 0xFF000000u;  // storage is opaque
    }
    bitmap.SetImage(rgb);
    bitmap.SetPixelFormat(PixelFormatOfDepth(image.BitCount));
    bitmap.SetColorTable(image.Palette);
}

void LoadBitmapFile(TBitmap& bitmap, TStream& stream) {
    AssignBitmapFileImage(bitmap, ReadBitmapFile(stream));
}

void SaveBitmapFile(TBitmap& bitmap, TStream& stream) {
    WriteBitmapFile(stream, BitmapFileImageOf(bitmap, BitmapFileDepth(bitmap.PixelFormat())));
}
