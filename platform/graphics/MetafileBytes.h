#pragma once
// Little-endian bytes for the metafile file formats: a growing writer with patches for sizes
// known only at the end, and a reader that names the offset of anything missing.
// Internal to the drawing layer.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Metafile.h"
#include "platform/graphics/Pen.h"

class TBitmap;

class TMetaWriter {
public:
    std::vector<uint8_t> Bytes;

    size_t Size() const { return Bytes.size(); }
    void U8(uint8_t v) { Bytes.push_back(v); }
    void U16(uint32_t v) {
        U8(uint8_t(v));
        U8(uint8_t(v >> 8));
    }
    void U32(uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void I32(int v) { U32(uint32_t(v)); }
    void I16(int v) { U16(uint16_t(int16_t(v))); }
    void Raw(const void* p, size_t n) {
        const auto* b = static_cast<const uint8_t*>(p);
        Bytes.insert(Bytes.end(), b, b + n);
    }
    void Pad(size_t multiple) {
        while (Bytes.size() % multiple) U8(0);
    }
    void PatchU32(size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) Bytes[at + size_t(i)] = uint8_t(v >> (8 * i));
    }
    void PatchU16(size_t at, uint32_t v) {
        Bytes[at] = uint8_t(v);
        Bytes[at + 1] = uint8_t(v >> 8);
    }
};

class TMetaReader {
public:
    TMetaReader(const uint8_t* data, size_t size) : FData(data), FSize(size) {}
    size_t Size() const { return FSize; }
    // Bytes [at, at + count) or a fault naming at.
    const uint8_t* Need(size_t at, size_t count, const char* what) const {
        if (at > FSize || count > FSize - at) MetafileFault(at, what);
        return FData + at;
    }
    uint32_t U32(size_t at, const char* what) const {
        const uint8_t* p = Need(at, 4, what);
        return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    }
    int I32(size_t at, const char* what) const { return int(U32(at, what)); }
    uint32_t U16(size_t at, const char* what) const {
        const uint8_t* p = Need(at, 2, what);
        return uint32_t(p[0]) | uint32_t(p[1]) << 8;
    }
    int I16(size_t at, const char* what) const { return int16_t(U16(at, what)); }

private:
    const uint8_t* FData;
    size_t FSize;
};

// Pen modes and the raster codes of the file formats (1 black ... 16 white).
int PenModeToRop2(TPenMode mode);
TPenMode Rop2ToPenMode(int rop2);
// The ternary raster operation of a picture copy (SRCCOPY and its kin) and back.
uint32_t PenModeToRop3(TPenMode mode);
TPenMode Rop3ToPenMode(uint32_t rop3);
// A 24-bit bottom-up device-independent bitmap: header (40 bytes) and rows padded to 4.
void WriteDib(TMetaWriter& w, const TBitmap& picture);
size_t DibSize(const TBitmap& picture);
// The picture of a DIB of 24 or 32 bits with no compression at header offset.
std::shared_ptr<const TBitmap> ReadDib(const TMetaReader& r, size_t header, size_t headerSize,
                                       size_t bits, size_t bitsSize);
