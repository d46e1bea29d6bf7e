#pragma once
// Row access to bitmaps of a known pixel format: a reader over an existing bitmap, and a writer
// that builds a device-independent bitmap in memory row by row and hands it to the bitmap at the
// end (much faster than drawing pixel by pixel). Also the small routines the codec shares.
#include <cstdint>
#include <string>
#include <vector>

#include "gif/GIFPalette.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Exceptions.h"

KV_EXCEPTION_CLASS(EOutOfResources, EOutOfMemory)

inline constexpr const char* sUnsupportedPixelFormat = "Unsupported PixelFormat";
inline constexpr const char* sInvalidDimensions = "Invalid image dimensions";
inline constexpr const char* sNoDIB = "Image has no DIB";
inline constexpr const char* sDIBMemory = "Failed to allocate memory for GIF DIB";
inline constexpr const char* sOutOfResources = "Out of system resources";

// Bytes of a row of bits pixels of bitsPerPixel, padded to alignment bits (a power of two).
constexpr int AlignBit(int bits, int bitsPerPixel, int alignment) {
    return ((bits * bitsPerPixel + alignment - 1) & ~(alignment - 1)) / 8;
}
// 0 for no colours, else the smallest n >= 1 with 2^n >= count.
constexpr int ColorsToBits(int count) {
    if (count <= 0) return 0;
    int n = 1;
    while ((1 << n) < count) ++n;
    return n;
}
[[noreturn]] void RaiseGIFError(const std::string& message);
// value when it is not 0; else EOutOfResources with the system's text for the last error.
intptr_t GDICheck(intptr_t value);

class TDIB {
public:
    TDIB(TBitmap& bitmap, TPixelFormat format) : FBitmap(bitmap), FPixelFormat(format) {}
    virtual ~TDIB() = default;
    TDIB(const TDIB&) = delete;
    TDIB& operator=(const TDIB&) = delete;

    virtual uint8_t* Scanline(int row) = 0;
    TBitmap& Bitmap() const { return FBitmap; }
    TPixelFormat PixelFormat() const { return FPixelFormat; }

protected:
    TBitmap& FBitmap;
    TPixelFormat FPixelFormat;
};

// Converts the bitmap to format at once (the caller's bitmap changes), then gives its rows.
class TDIBReader : public TDIB {
public:
    TDIBReader(TBitmap& bitmap, TPixelFormat format);
    uint8_t* Scanline(int row) override { return FBitmap.ScanLine(row); }
};

// Builds an 8- or 24-bit device-independent bitmap (rows bottom-up, each AlignBit(width, bits,
// 32) bytes; 8 bits with 256 colour quads from palette) and hands it to the bitmap on Finish,
// or when released, as loading its bitmap file would. Nothing is allocated before the first
// row is asked for.
class TDIBWriter : public TDIB {
public:
    TDIBWriter(TBitmap& bitmap, const TGIFPalette* palette, int width, int height,
               TPixelFormat format);
    // Finishes unless that was done; a failure then is lost, so callers that care call Finish.
    ~TDIBWriter() override;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Row row counted from the top; outside the bitmap "Scan line index out of range".
    uint8_t* Scanline(int row) override;
    // Hands the pixels to the bitmap and frees them; nothing when no row was asked for.
    void Finish();

    const std::vector<uint8_t>& Info() const { return FInfo; }
    const std::vector<uint8_t>& Pixels() const { return FPixels; }
    int Stride() const { return AlignBit(FWidth, Bits(), 32); }

private:
    int Bits() const { return FPixelFormat == pf8bit ? 8 : 24; }
    void CreateDIB();
    void FreeDIB();

    const TGIFPalette* FPalette;
    int FWidth;
    int FHeight;
    std::vector<uint8_t> FInfo;
    std::vector<uint8_t> FPixels;
};
