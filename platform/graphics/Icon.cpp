#include "platform/graphics/Icon.h"

#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Streams.h"

namespace {

uint32_t Read32(const std::vector<uint8_t>& d, size_t at) {
    return uint32_t(d[at]) | uint32_t(d[at + 1]) << 8 | uint32_t(d[at + 2]) << 16 |
           uint32_t(d[at + 3]) << 24;
}

// The AND mask of the file's first image (the one the picture reader reads) when that image is
// a bitmap of fewer than 32 bits: true for the pixels that leave the background showing. The
// reader applies no mask to 24-bit images, so it is read here for all of them. Empty when the
// image is compressed, has an alpha channel, or its mask does not lie within the file.
std::vector<bool> AndMask(const std::vector<uint8_t>& d, int width, int height) {
    constexpr size_t directoryEntry = 6;
    if (d.size() < directoryEntry + 16) return {};
    const uint64_t offset = Read32(d, directoryEntry + 12);
    if (offset + 40 > d.size()) return {};
    const auto at = size_t(offset);
    const uint32_t headerSize = Read32(d, at);
    const int bitWidth = int(Read32(d, at + 4));
    const uint32_t bits = uint32_t(d[at + 14]) | uint32_t(d[at + 15]) << 8;
    const uint32_t colorsUsed = Read32(d, at + 32);
    // A PNG image starts with its own signature, not with a header of 40 bytes.
    if (headerSize < 40 || bitWidth != width || bits == 0 || bits >= 32) return {};
    const uint64_t palette = bits <= 8 ? (colorsUsed != 0 ? colorsUsed : 1u << bits) : 0;
    const uint64_t colourStride = (uint64_t(width) * bits + 31) / 32 * 4;
    const uint64_t maskStride = (uint64_t(width) + 31) / 32 * 4;
    const uint64_t maskStart = offset + headerSize + palette * 4 + colourStride * uint64_t(height);
    if (maskStart + maskStride * uint64_t(height) > d.size()) return {};
    std::vector<bool> mask(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        // Rows are kept bottom-up.
        const uint8_t* row = d.data() + maskStart + maskStride * uint64_t(height - 1 - y);
        for (int x = 0; x < width; ++x)
            mask[size_t(y) * size_t(width) + size_t(x)] = (row[x / 8] & (0x80 >> (x % 8))) != 0;
    }
    return mask;
}

}  // namespace

TIcon::TIcon() = default;
TIcon::~TIcon() = default;

bool TIcon::Empty() const { return !FColor; }
int TIcon::Width() const { return FColor ? FColor->Width() : 0; }
int TIcon::Height() const { return FColor ? FColor->Height() : 0; }

void TIcon::SetWidth(int) { throw EInvalidGraphicOperation(SChangeIconSize); }
void TIcon::SetHeight(int) { throw EInvalidGraphicOperation(SChangeIconSize); }

void TIcon::LoadFromStream(TStream& stream) {
    const int64_t size = std::max<int64_t>(stream.Size() - stream.Position(), 0);
    std::vector<uint8_t> data(static_cast<size_t>(size));
    stream.ReadBuffer(data.data(), size);
    QImage image;
    const QByteArray bytes(reinterpret_cast<const char*>(data.data()), qsizetype(data.size()));
    if (!image.loadFromData(bytes, "ICO") || image.isNull()) throw EInvalidGraphic(SInvalidIcon);
    // An image with alpha says by it what shows through (mostly see-through counts as such);
    // one without says it by its AND mask.
    image = image.convertToFormat(QImage::Format_ARGB32);
    const std::vector<bool> andMask = AndMask(data, image.width(), image.height());
    auto color = std::make_unique<TBitmap>(image.width(), image.height());
    auto mask = std::make_unique<TBitmap>(image.width(), image.height());
    color->SetPixelFormat(pf24bit);
    mask->SetPixelFormat(pf24bit);
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uint8_t* c = color->ScanLine(y);
        uint8_t* m = mask->ScanLine(y);
        for (int x = 0; x < image.width(); ++x, c += 3, m += 3) {
            const bool clear =
                qAlpha(in[x]) < 128 || (!andMask.empty() && andMask[size_t(y) * image.width() + x]);
            c[0] = clear ? 0 : uint8_t(qBlue(in[x]));
            c[1] = clear ? 0 : uint8_t(qGreen(in[x]));
            c[2] = clear ? 0 : uint8_t(qRed(in[x]));
            std::fill_n(m, 3, clear ? 0xFF : 0);
        }
    }
    FData = std::move(data);
    FColor = std::move(color);
    FMask = std::move(mask);
    Changed();
}

void TIcon::SaveToStream(TStream& stream) {
    if (!FData.empty()) stream.WriteBuffer(FData.data(), int64_t(FData.size()));
}

void TIcon::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TIcon*>(source);
    if (!other) return TGraphic::Assign(source);
    if (other == this) return;
    FData = other->FData;
    FColor.reset();
    FMask.reset();
    if (other->FColor) {
        FColor = std::make_unique<TBitmap>();
        FColor->Assign(other->FColor.get());
        FMask = std::make_unique<TBitmap>();
        FMask->Assign(other->FMask.get());
    }
    Changed();
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
    if (Empty()) return;
    // The canvas' own copy mode comes back also when drawing fails.
    struct TCopyModeRestore {
        TCanvas& Canvas;
        TCopyMode Saved;
        ~TCopyModeRestore() { Canvas.SetCopyMode(Saved); }
    } restore{canvas, canvas.CopyMode()};
    canvas.SetCopyMode(cmSrcAnd);
    canvas.StretchDraw(rect, FMask.get());
    canvas.SetCopyMode(cmSrcInvert);
    canvas.StretchDraw(rect, FColor.get());
}
