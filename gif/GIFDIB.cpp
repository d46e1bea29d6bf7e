#include "gif/GIFDIB.h"

#include <cerrno>
#include <cstring>
#include <new>

#include "gif/GIFTypes.h"
#include "platform/graphics/BitmapFileStream.h"
#include "platform/rtl/Streams.h"

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
constexpr size_t kFileHeader = 14;

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
            const TPaletteEntry& e = (*FPalette)[i];
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
    TMemoryStream file;
    const uint32_t offset = uint32_t(kFileHeader + FInfo.size());
    std::vector<uint8_t> header(kFileHeader, 0);
    header[0] = 'B';
    header[1] = 'M';
    PutU32(header, 2, offset + uint32_t(FPixels.size()));
    PutU32(header, 10, offset);
    file.WriteBuffer(header.data(), int64_t(header.size()));
    file.WriteBuffer(FInfo.data(), int64_t(FInfo.size()));
    file.WriteBuffer(FPixels.data(), int64_t(FPixels.size()));
    file.SetPosition(0);
    // The blocks go whatever the loading gives.
    struct TFree {
        TDIBWriter& Writer;
        ~TFree() { Writer.FreeDIB(); }
    } freeBlocks{*this};
    LoadBitmapFile(FBitmap, file);
}
