#include "gif/GIFDIB.h"

#include <cerrno>
#include <cstring>
#include <new>

#include "gif/GIFTypes.h"

namespace {

void PutU16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    out[at] = uint8_t(v);
    out[at + 1] = uint8_t(v >> 8);
}
void PutU32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    PutU16(out, at, v & 0xFFFF);
    PutU16(out, at + 2, v >> 16);
}

constexpr size_t kInfoHeader = 40;

}  // namespace

void RaiseGIFError(const std::string& message) { throw GIFException(message); }

intptr_t GDICheck(intptr_t value) {
    if (value != 0) return value;
    const int code = errno;
    std::string text = code ? std::strerror(code) : "";
    if (text.empty()) text = sOutOfResources;
    if (text.size() > 256) text.resize(256);
    throw EOutOfResources(text);
}

TDIBReader::TDIBReader(TBitmap& bitmap, TPixelFormat format) : TDIB(bitmap, format) {
    bitmap.SetPixelFormat(format);
}

TDIBWriter::TDIBWriter(TBitmap& bitmap, const TGIFPalette* palette, int width, int height,
                       TPixelFormat format)
    : TDIB(bitmap, format), FPalette(palette), FWidth(width), FHeight(height) {
    if (format != pf8bit && format != pf24bit) RaiseGIFError(sUnsupportedPixelFormat);
    if (width <= 0 || height <= 0) RaiseGIFError(sInvalidDimensions);
}

TDIBWriter::~TDIBWriter() {
    try {
        Finish();
    } catch (...) {
        // Destructors must not throw; Finish reports to callers who ask.
    }
}

void TDIBWriter::FreeDIB() {
    FInfo = {};
    FPixels = {};
}

void TDIBWriter::CreateDIB() {
    FreeDIB();
    const bool indexed = FPixelFormat == pf8bit;
    FInfo.assign(indexed ? kInfoHeader + 256 * 4 : kInfoHeader, 0);
    PutU32(FInfo, 0, kInfoHeader);
    PutU32(FInfo, 4, uint32_t(FWidth));
    PutU32(FInfo, 8, uint32_t(FHeight));  // positive: rows bottom-up
    PutU16(FInfo, 12, 1);
    PutU16(FInfo, 14, uint32_t(Bits()));
    if (indexed) {
        const size_t entries = FPalette ? std::min<size_t>(FPalette->size(), 256) : 0;
        for (size_t i = 0; i < entries; ++i) {
            const TGIFPaletteEntry& e = (*FPalette)[i];
            uint8_t* quad = FInfo.data() + kInfoHeader + i * 4;
            quad[0] = e.Blue;
            quad[1] = e.Green;
            quad[2] = e.Red;
        }
        PutU32(FInfo, 32, 256);
        PutU32(FInfo, 36, uint32_t(entries));
    }
    try {
        FPixels.assign(size_t(Stride()) * size_t(FHeight), 0);
    } catch (const std::bad_alloc&) {
        FreeDIB();
        throw EOutOfMemory(sDIBMemory);
    }
}

uint8_t* TDIBWriter::Scanline(int row) {
    if (FPixels.empty()) CreateDIB();
    if (FPixels.empty()) RaiseGIFError(sNoDIB);
    if (row < 0 || row >= FHeight) throw EInvalidGraphicOperation(SScanLine);
    return FPixels.data() + size_t(FHeight - 1 - row) * size_t(Stride());
}

void TDIBWriter::Finish() {
    if (FPixels.empty()) return;
    // The blocks go whatever the hand-over gives.
    struct TFree {
        TDIBWriter& Writer;
        ~TFree() { Writer.FreeDIB(); }
    } freeBlocks{*this};
    // The rows go into the bitmap as loading the equivalent bitmap file would put them (the
    // colour table's 256 entries, rows turned top-down), without writing that file and
    // parsing it again: a frame renders several times faster so.
    FBitmap.Assign(nullptr);
    FBitmap.SetPixelFormat(FPixelFormat);
    FBitmap.SetSize(FWidth, FHeight);
    const size_t stride = size_t(Stride());
    if (FPixelFormat == pf24bit) {
        for (int y = 0; y < FHeight; ++y)
            std::memcpy(FBitmap.ScanLine(y), FPixels.data() + size_t(FHeight - 1 - y) * stride,
                        size_t(FWidth) * 3);
        return;
    }
    std::vector<uint32_t> table(256);
    for (size_t i = 0; i < table.size(); ++i) {
        const uint8_t* quad = FInfo.data() + kInfoHeader + i * 4;
        table[i] = uint32_t(quad[2]) << 16 | uint32_t(quad[1]) << 8 | quad[0];
    }
    for (int y = 0; y < FHeight; ++y) {
        const uint8_t* in = FPixels.data() + size_t(FHeight - 1 - y) * stride;
        auto* out = reinterpret_cast<uint32_t*>(FBitmap.ScanLine(y));
        for (int x = 0; x < FWidth; ++x) out[x] = 0xFF000000u | table[in[x]];
    }
    FBitmap.SetColorTable(std::move(table));
}
