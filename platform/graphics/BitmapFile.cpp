// The bitmap file reader. Every field is checked where it is read; a fault names the offset of
// the field (from the start of the file) in its message.
#include "platform/graphics/BitmapFile.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Streams.h"

namespace {

constexpr int64_t kFileHeaderSize = 14;
constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiAlphaBitfields = 6;

[[noreturn]] void Fail(int64_t offset, const std::string& what) {
    throw EInvalidGraphic(std::string(SInvalidBitmap) + ": " + what + " at offset " +
                          std::to_string(offset));
}

uint32_t Get16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t Get32(const uint8_t* p) { return Get16(p) | Get16(p + 2) << 16; }

// One colour mask of a 16- or 32-bit file: where its bits are, and a table that widens the
// masked value to 8 bits by repeating its bits (5 bits abcde become abcdeabc), so that full scale
// stays full scale and the writer's truncation to 5 or 6 bits gives the value back.
struct TChannel {
    uint32_t Mask = 0;
    int Shift = 0;
    int Drop = 0;  // low bits dropped from a mask wider than 8
    std::vector<uint8_t> Scale;

    uint32_t From(uint32_t pixel) const { return Scale[(pixel & Mask) >> Shift >> Drop]; }
};

TChannel MakeChannel(uint32_t mask, int64_t offset) {
    TChannel c;
    c.Mask = mask;
    if (mask == 0) {
        c.Scale.assign(1, 0);
        return c;
    }
    c.Shift = std::countr_zero(mask);
    const uint32_t bits = mask >> c.Shift;
    if ((bits & (bits + 1)) != 0) Fail(offset, "colour mask with gaps");
    const int width = std::popcount(bits);
    c.Drop = std::max(0, width - 8);
    const int kept = width - c.Drop;
    c.Scale.resize(size_t(1) << kept);
    for (uint32_t v = 0; v < c.Scale.size(); ++v) {
        uint32_t repeated = 0;
        int filled = 0;
        for (; filled < 8; filled += kept) repeated = repeated << kept | v;
        c.Scale[v] = uint8_t(repeated >> (filled - 8));
    }
    return c;
}

// What the headers say.
struct TLayout {
    int64_t Start = 0;  // stream position of the file's first byte
    int64_t StreamEnd = 0;
    uint32_t PixelOffset = 0;
    uint32_t InfoSize = 0;
    int32_t Width = 0;
    int32_t Height = 0;  // rows, always positive here
    bool TopDown = false;
    int BitCount = 0;
    uint32_t Compression = kBiRgb;
    uint32_t ImageSize = 0;
    uint32_t ColoursUsed = 0;
    uint32_t Masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
    bool HasAlphaMask = false;
};

class TBitmapFileReader {
public:
    explicit TBitmapFileReader(TStream& stream) : FStream(stream) {}

    TBitmapFileImage Read();
    // The headers only; the stream is left where it was.
    TSize ReadSize();

private:
    // Reads count bytes at file offset into FBytes, or fails naming the offset where they end.
    const uint8_t* Fetch(int64_t offset, int64_t count, const char* what);
    void ReadHeaders();
    void ReadPalette(TBitmapFileImage& image);
    void ReadPlainRows(TBitmapFileImage& image);
    void ReadRunLengthRows(TBitmapFileImage& image);
    void DecodeRow(const uint8_t* src, uint32_t* dst, const TBitmapFileImage& image,
                   const TChannel* channels) const;

    TStream& FStream;
    TLayout L;
    std::vector<uint8_t> FBytes;
};

const uint8_t* TBitmapFileReader::Fetch(int64_t offset, int64_t count, const char* what) {
    const int64_t available = L.StreamEnd - (L.Start + offset);
    if (count < 0 || available < count)
        Fail(offset + std::max<int64_t>(available, 0), std::string(what) + " ends early");
    FBytes.resize(size_t(count) + 1);  // never empty, so the pointer is never null
    FStream.SetPosition(L.Start + offset);
    if (count > 0) FStream.ReadBuffer(FBytes.data(), count);
    return FBytes.data();
}

void TBitmapFileReader::ReadHeaders() {
    const uint8_t* f = Fetch(0, kFileHeaderSize + 4, "file header");
    if (f[0] != 'B' || f[1] != 'M') Fail(0, "no bitmap signature");
    L.PixelOffset = Get32(f + 10);
    L.InfoSize = Get32(f + 14);
    switch (L.InfoSize) {
        case 12:
        case 40:
        case 52:
        case 56:
        case 108:
        case 124:
            break;
        default:
            Fail(14, "unknown info header size " + std::to_string(L.InfoSize));
    }
    const uint8_t* h = Fetch(kFileHeaderSize, L.InfoSize, "info header");
    int64_t height;
    if (L.InfoSize == 12) {
        L.Width = int32_t(Get16(h + 4));
        height = Get16(h + 6);
        if (Get16(h + 8) != 1) Fail(22, "plane count not 1");
        L.BitCount = int(Get16(h + 10));
    } else {
        L.Width = int32_t(Get32(h + 4));
        height = int32_t(Get32(h + 8));
        if (Get16(h + 12) != 1) Fail(26, "plane count not 1");
        L.BitCount = int(Get16(h + 14));
        L.Compression = Get32(h + 16);
        L.ImageSize = Get32(h + 20);
        L.ColoursUsed = Get32(h + 32);
        if (L.InfoSize >= 52)
            for (int i = 0; i < 3; ++i) L.Masks[i] = Get32(h + 40 + 4 * i);
        if (L.InfoSize >= 56) {
            L.Masks[3] = Get32(h + 52);
            L.HasAlphaMask = true;
        }
    }
    const int64_t heightOffset = L.InfoSize == 12 ? 20 : 22;
    const int64_t bitCountOffset = L.InfoSize == 12 ? 24 : 28;
    if (L.Width < 0) Fail(18, "negative width");
    if (height == INT32_MIN) Fail(heightOffset, "height out of range");
    L.TopDown = height < 0;
    L.Height = int32_t(height < 0 ? -height : height);
    switch (L.BitCount) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            break;
        default:
            Fail(bitCountOffset, "unknown bit count " + std::to_string(L.BitCount));
    }
    const bool compressionFits =
        L.Compression == kBiRgb || (L.Compression == kBiRle8 && L.BitCount == 8) ||
        (L.Compression == kBiRle4 && L.BitCount == 4) ||
        ((L.Compression == kBiBitfields || L.Compression == kBiAlphaBitfields) &&
         (L.BitCount == 16 || L.BitCount == 32));
    if (!compressionFits)
        Fail(30, "compression " + std::to_string(L.Compression) + " with " +
                     std::to_string(L.BitCount) + " bits per pixel");
    const bool runLength = L.Compression == kBiRle8 || L.Compression == kBiRle4;
    if (runLength && L.TopDown) Fail(22, "run-length rows top-down");
    if (L.Width > MaxPictureFileSide) Fail(18, "width " + std::to_string(L.Width) + " too large");
    if (L.Height > MaxPictureFileSide)
        Fail(heightOffset, "height " + std::to_string(L.Height) + " too large");
    if (int64_t(L.Width) * L.Height > MaxPictureFilePixels)
        Fail(18, "picture of " + std::to_string(L.Width) + " by " + std::to_string(L.Height) +
                     " pixels too large");
}

void TBitmapFileReader::ReadPalette(TBitmapFileImage& image) {
    int64_t offset = kFileHeaderSize + L.InfoSize;
    const bool fieldsAfterHeader =
        L.InfoSize == 40 && (L.Compression == kBiBitfields || L.Compression == kBiAlphaBitfields);
    if (fieldsAfterHeader) {
        const int count = L.Compression == kBiAlphaBitfields ? 4 : 3;
        const uint8_t* m = Fetch(offset, 4 * count, "colour masks");
        for (int i = 0; i < count; ++i) L.Masks[i] = Get32(m + 4 * i);
        L.HasAlphaMask = count == 4;
        offset += 4 * count;
    }
    if (L.PixelOffset < offset) Fail(10, "pixels start inside the headers");
    if (L.BitCount > 8) return;  // a palette of a deeper file is only a hint for old displays
    const int64_t fullCount = int64_t(1) << L.BitCount;
    const int64_t count =
        L.ColoursUsed == 0 ? fullCount : std::min<int64_t>(L.ColoursUsed, fullCount);
    const int entrySize = L.InfoSize == 12 ? 3 : 4;
    if (offset + count * entrySize > L.PixelOffset) Fail(10, "pixels start inside the palette");
    const uint8_t* p = Fetch(offset, count * entrySize, "palette");
    image.Palette.resize(size_t(count));
    for (int64_t i = 0; i < count; ++i) {
        const uint8_t* e = p + i * entrySize;
        image.Palette[size_t(i)] = uint32_t(e[2]) << 16 | uint32_t(e[1]) << 8 | e[0];
    }
}

void TBitmapFileReader::DecodeRow(const uint8_t* src, uint32_t* dst, const TBitmapFileImage& image,
                                  const TChannel* channels) const {
    const int width = image.Width;
    switch (L.BitCount) {
        case 1:
        case 4:
        case 8: {
            const int perByte = 8 / L.BitCount;
            const uint32_t mask = (1u << L.BitCount) - 1;
            const size_t count = image.Palette.size();
            for (int x = 0; x < width; ++x) {
                const int shift = (perByte - 1 - x % perByte) * L.BitCount;
                const uint32_t index = src[x / perByte] >> shift & mask;
                // An index past the palette is black, as the file gives it no colour.
                dst[x] = 0xFF000000u | (index < count ? image.Palette[index] : 0);
            }
            break;
        }
        case 24:
            for (int x = 0; x < width; ++x)
                dst[x] = 0xFF000000u | uint32_t(src[3 * x + 2]) << 16 |
                         uint32_t(src[3 * x + 1]) << 8 | src[3 * x];
            break;
        case 16:
        case 32:
            for (int x = 0; x < width; ++x) {
                const uint32_t v = L.BitCount == 16 ? Get16(src + 2 * x) : Get32(src + 4 * x);
                dst[x] = channels[3].From(v) << 24 | channels[0].From(v) << 16 |
                         channels[1].From(v) << 8 | channels[2].From(v);
            }
            break;
    }
}

void TBitmapFileReader::ReadPlainRows(TBitmapFileImage& image) {
    const int64_t rowBytes = BitmapFileRowBytes(L.Width, L.BitCount);
    const uint8_t* rows = Fetch(L.PixelOffset, rowBytes * L.Height, "pixel data");
    TChannel channels[4];
    if (L.BitCount == 16 || L.BitCount == 32) {
        const bool masked = L.Compression == kBiBitfields || L.Compression == kBiAlphaBitfields;
        uint32_t masks[4] = {L.Masks[0], L.Masks[1], L.Masks[2], L.HasAlphaMask ? L.Masks[3] : 0};
        if (!masked) {
            const bool wide = L.BitCount == 32;
            masks[0] = wide ? 0xFF0000 : 0x7C00;
            masks[1] = wide ? 0x00FF00 : 0x03E0;
            masks[2] = wide ? 0x0000FF : 0x001F;
            masks[3] = wide ? 0xFF000000 : 0;  // the fourth byte, alpha when any pixel sets it
        } else if ((masks[0] | masks[1] | masks[2]) == 0) {
            Fail(kFileHeaderSize + 40, "colour masks all zero");
        }
        for (int i = 0; i < 4; ++i)
            channels[i] = MakeChannel(masks[i], kFileHeaderSize + 40 + 4 * i);
        if (L.BitCount == 16)
            image.BitCount =
                masks[0] == 0x7C00 && masks[1] == 0x03E0 && masks[2] == 0x001F ? 15 : 16;
    }
    for (int y = 0; y < L.Height; ++y) {
        const int target = L.TopDown ? y : L.Height - 1 - y;
        DecodeRow(rows + rowBytes * y, image.ScanLine(target), image, channels);
    }
    // A picture whose alpha is zero everywhere was written by a program that does not keep alpha.
    if (channels[3].Mask != 0) {
        const bool anyAlpha = std::any_of(image.Pixels.begin(), image.Pixels.end(),
                                          [](uint32_t p) { return (p >> 24) != 0; });
        if (!anyAlpha)
            for (uint32_t& p : image.Pixels) p |= 0xFF000000u;
    } else {
        for (uint32_t& p : image.Pixels) p |= 0xFF000000u;
    }
}

// Run-length rows (bottom-up): pairs of count and index(es), or an escape: 0 0 ends a row, 0 1
// ends the picture, 0 2 dx dy moves, 0 n starts n literal indexes padded to an even byte count.
// Pixels the runs skip keep palette index 0; runs past the right edge are cut off.
void TBitmapFileReader::ReadRunLengthRows(TBitmapFileImage& image) {
    const int64_t available = L.StreamEnd - (L.Start + L.PixelOffset);
    // Without an image size the runs reach to the end of the file, which must lie after the
    // pixel offset: a negative count would otherwise reach the fetch.
    if (L.ImageSize == 0 && available < 0) Fail(10, "pixels start past the end of the file");
    const int64_t size = L.ImageSize != 0 ? L.ImageSize : available;
    const uint8_t* data = Fetch(L.PixelOffset, size, "pixel data");
    const bool four = L.Compression == kBiRle4;
    const uint32_t first = image.Palette.empty() ? 0 : image.Palette[0];
    for (uint32_t& p : image.Pixels) p = 0xFF000000u | first;
    auto put = [&](int x, int y, uint32_t index) {
        if (x < 0 || x >= L.Width || y < 0 || y >= L.Height) return;
        const uint32_t colour = index < image.Palette.size() ? image.Palette[index] : 0;
        image.ScanLine(L.Height - 1 - y)[x] = 0xFF000000u | colour;
    };
    auto fail = [&](int64_t at) { Fail(L.PixelOffset + at, "run-length data ends early"); };
    int x = 0, y = 0;
    int64_t i = 0;
    while (y < L.Height) {
        if (i + 2 > size) fail(i);
        const uint32_t count = data[i], value = data[i + 1];
        i += 2;
        if (count > 0) {
            for (uint32_t k = 0; k < count; ++k, ++x)
                put(x, y, four ? (k % 2 == 0 ? value >> 4 : value & 15) : value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (i + 2 > size) fail(i);
            x += data[i];
            y += data[i + 1];
            i += 2;
        } else {
            const int64_t bytes = four ? (value + 1) / 2 : value;
            if (i + bytes > size) fail(i);
            for (uint32_t k = 0; k < value; ++k, ++x) {
                const uint8_t b = data[i + (four ? k / 2 : k)];
                put(x, y, four ? (k % 2 == 0 ? b >> 4 : b & 15) : b);
            }
            i += (bytes + 1) & ~int64_t(1);
        }
    }
    L.ImageSize = uint32_t(std::min(i, size));
}

TBitmapFileImage TBitmapFileReader::Read() {
    L.Start = FStream.Position();
    L.StreamEnd = FStream.Size();
    ReadHeaders();
    TBitmapFileImage image;
    image.Width = L.Width;
    image.Height = L.Height;
    image.BitCount = L.BitCount;
    ReadPalette(image);
    image.Pixels.assign(size_t(L.Width) * size_t(L.Height), 0);
    int64_t end;
    if (L.Compression == kBiRle8 || L.Compression == kBiRle4) {
        ReadRunLengthRows(image);
        end = int64_t(L.PixelOffset) + L.ImageSize;
    } else {
        ReadPlainRows(image);
        end = int64_t(L.PixelOffset) + BitmapFileRowBytes(L.Width, L.BitCount) * L.Height;
    }
    FStream.SetPosition(L.Start + end);
    return image;
}

}  // namespace

TSize TBitmapFileReader::ReadSize() {
    L.Start = FStream.Position();
    L.StreamEnd = FStream.Size();
    ReadHeaders();
    FStream.SetPosition(L.Start);
    return TSize{L.Width, L.Height};
}

TBitmapFileImage ReadBitmapFile(TStream& stream) { return TBitmapFileReader(stream).Read(); }

std::optional<TSize> ReadBitmapFileSize(TStream& stream) {
    const int64_t start = stream.Position();
    try {
        return TBitmapFileReader(stream).ReadSize();
    } catch (const EInvalidGraphic&) {
        stream.SetPosition(start);
        return std::nullopt;
    }
}
