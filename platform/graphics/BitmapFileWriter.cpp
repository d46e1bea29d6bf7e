// The bitmap file writer: a 40-byte info header, then bottom-up rows.
#include <cstring>
#include <memory>
#include <string>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/BitmapFilePalette.h"
#include "platform/rtl/Streams.h"

namespace {

constexpr uint32_t kWriteFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kWriteBiRgb = 0;
constexpr uint32_t kWriteBiBitfields = 3;

void Put16(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
    Put16(p, v & 0xFFFF);
    Put16(p + 2, v >> 16);
}

bool IsFileDepth(int bitCount) {
    switch (bitCount) {
        case 1:
        case 4:
        case 8:
        case 15:
        case 16:
        case 24:
        case 32:
            return true;
        default:
            return false;
    }
}

// Packs one row of pixels into the file's form; the padding bytes stay zero.
void PackRow(const uint32_t* src, int width, int bitCount, TPaletteMatcher* matcher, uint8_t* dst) {
    switch (bitCount) {
        case 1:
        case 4:
        case 8: {
            const int perByte = 8 / bitCount;
            for (int x = 0; x < width; ++x) {
                const int shift = (perByte - 1 - x % perByte) * bitCount;  // leftmost pixel high
                dst[x / perByte] |= uint8_t(matcher->IndexOf(src[x]) << shift);
            }
            break;
        }
        case 15:
        case 16:
            for (int x = 0; x < width; ++x) {
                const uint32_t p = src[x];
                const uint32_t r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
                const uint32_t v = bitCount == 15 ? (r >> 3) << 10 | (g >> 3) << 5 | b >> 3
                                                  : (r >> 3) << 11 | (g >> 2) << 5 | b >> 3;
                Put16(dst + 2 * x, v);
            }
            break;
        case 24:
            for (int x = 0; x < width; ++x) {
                const uint32_t p = src[x];
                dst[3 * x] = uint8_t(p);
                dst[3 * x + 1] = uint8_t(p >> 8);
                dst[3 * x + 2] = uint8_t(p >> 16);
            }
            break;
        case 32:
            for (int x = 0; x < width; ++x) Put32(dst + 4 * x, src[x]);
            break;
    }
}

}  // namespace

void WriteBitmapFile(TStream& stream, const TBitmapFileImage& image) {
    if (!IsFileDepth(image.BitCount))
        throw EInvalidGraphic(std::string(SInvalidBitmap) + ": no bitmap file has " +
                              std::to_string(image.BitCount) + " bits per pixel");
    if (image.Width < 0 || image.Height < 0 ||
        image.Pixels.size() != size_t(image.Width) * size_t(image.Height))
        throw EInvalidGraphic(std::string(SInvalidBitmap) + ": pixels do not match the size");

    const bool indexed = image.BitCount <= 8;
    std::vector<uint32_t> palette;
    if (indexed) {
        palette = ChooseBitmapFilePalette(image);
        if (palette.size() > (size_t(1) << image.BitCount))
            throw EInvalidGraphic(std::string(SInvalidBitmap) + ": palette too large for " +
                                  std::to_string(image.BitCount) + " bits per pixel");
    }
    const uint32_t maskBytes = image.BitCount == 16 ? 12 : 0;
    const uint32_t paletteBytes = uint32_t(palette.size()) * 4;
    const uint32_t headerBytes = kWriteFileHeaderSize + kInfoHeaderSize + maskBytes + paletteBytes;
    const int64_t rowBytes = BitmapFileRowBytes(image.Width, image.BitCount);
    const int64_t pixelBytes = rowBytes * image.Height;
    if (headerBytes + pixelBytes > int64_t(UINT32_MAX))
        throw EInvalidGraphic(std::string(SInvalidBitmap) + ": too large for a bitmap file");

    std::vector<uint8_t> header(headerBytes, 0);
    uint8_t* h = header.data();
    h[0] = 'B';
    h[1] = 'M';
    Put32(h + 2, uint32_t(headerBytes + pixelBytes));
    Put32(h + 10, headerBytes);
    uint8_t* info = h + kWriteFileHeaderSize;
    Put32(info, kInfoHeaderSize);
    Put32(info + 4, uint32_t(image.Width));
    Put32(info + 8, uint32_t(image.Height));  // positive: rows bottom-up
    Put16(info + 12, 1);
    Put16(info + 14, image.BitCount == 15 ? 16 : uint32_t(image.BitCount));
    Put32(info + 16, image.BitCount == 16 ? kWriteBiBitfields : kWriteBiRgb);
    Put32(info + 20, uint32_t(pixelBytes));
    // A full palette is written with a colour count of 0, as readers expect of it.
    if (indexed && palette.size() < (size_t(1) << image.BitCount))
        Put32(info + 32, uint32_t(palette.size()));
    uint8_t* extra = info + kInfoHeaderSize;
    if (maskBytes) {
        Put32(extra, 0xF800);
        Put32(extra + 4, 0x07E0);
        Put32(extra + 8, 0x001F);
        extra += maskBytes;
    }
    for (uint32_t colour : palette) {
        Put32(extra, colour & 0xFFFFFFu);
        extra += 4;
    }
    stream.WriteBuffer(header.data(), int64_t(header.size()));

    std::unique_ptr<TPaletteMatcher> matcher;
    if (indexed) matcher = std::make_unique<TPaletteMatcher>(palette);
    // A picture 0 pixels wide has rows of no bytes: nothing follows the headers.
    if (rowBytes == 0) return;
    std::vector<uint8_t> row(static_cast<size_t>(rowBytes));
    for (int y = image.Height - 1; y >= 0; --y) {
        std::memset(row.data(), 0, row.size());
        PackRow(image.ScanLine(y), image.Width, image.BitCount, matcher.get(), row.data());
        stream.WriteBuffer(row.data(), rowBytes);
    }
}
