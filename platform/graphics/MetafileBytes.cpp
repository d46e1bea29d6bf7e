#include "platform/graphics/MetafileBytes.h"

#include "platform/graphics/Bitmap.h"

namespace {

// The raster code of each pen mode, in the order of TPenMode.
constexpr int Rop2Codes[16] = {1, 16, 11, 6, 13, 4, 14, 5, 12, 3, 15, 2, 9, 8, 7, 10};

struct TRop3 {
    TPenMode Mode;
    uint32_t Code;
};
constexpr TRop3 Rop3Codes[] = {
    {pmCopy, 0x00CC0020},     {pmXor, 0x00660046},         {pmMask, 0x008800C6},
    {pmMerge, 0x00EE0086},    {pmMaskPenNot, 0x00440328},  {pmNotCopy, 0x00330008},
    {pmNotMerge, 0x001100A6}, {pmMergeNotPen, 0x00BB0226}, {pmNot, 0x00550009},
    {pmBlack, 0x00000042},    {pmWhite, 0x00FF0062},
};

size_t DibStride(int width) { return (size_t(width) * 3 + 3) & ~size_t(3); }

}  // namespace

int PenModeToRop2(TPenMode mode) { return Rop2Codes[std::clamp(int(mode), 0, 15)]; }

TPenMode Rop2ToPenMode(int rop2) {
    for (int i = 0; i < 16; ++i)
        if (Rop2Codes[i] == rop2) return TPenMode(i);
    return pmCopy;
}

uint32_t PenModeToRop3(TPenMode mode) {
    for (const TRop3& r : Rop3Codes)
        if (r.Mode == mode) return r.Code;
    return 0x00CC0020;
}

TPenMode Rop3ToPenMode(uint32_t rop3) {
    for (const TRop3& r : Rop3Codes)
        if (r.Code == rop3) return r.Mode;
    return pmCopy;
}

size_t DibSize(const TBitmap& picture) {
    return 40 + DibStride(picture.Width()) * size_t(picture.Height());
}

void WriteDib(TMetaWriter& w, const TBitmap& picture) {
    const int width = picture.Width(), height = picture.Height();
    const size_t stride = DibStride(width);
    w.U32(40);
    w.I32(width);
    w.I32(height);  // bottom-up
    w.U16(1);
    w.U16(24);
    w.U32(0);  // no compression
    w.U32(uint32_t(stride * size_t(height)));
    w.I32(3780);  // 96 per inch, in pixels per metre
    w.I32(3780);
    w.U32(0);
    w.U32(0);
    for (int y = height - 1; y >= 0; --y) {
        w.Raw(picture.ScanLine(y), size_t(width) * 3);
        for (size_t i = size_t(width) * 3; i < stride; ++i) w.U8(0);
    }
}

std::shared_ptr<const TBitmap> ReadDib(const TMetaReader& r, size_t header, size_t headerSize,
                                       size_t bits, size_t bitsSize) {
    if (headerSize < 40 || r.U32(header, "bitmap header") < 40)
        MetafileFault(header, "bitmap header too short");
    const int width = r.I32(header + 4, "bitmap width");
    const int rawHeight = r.I32(header + 8, "bitmap height");
    const int depth = int(r.U16(header + 14, "bitmap depth"));
    const uint32_t compression = r.U32(header + 16, "bitmap compression");
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN || width > 65535 ||
        std::abs(rawHeight) > 65535)
        MetafileFault(header + 4, "bitmap size out of range");
    if ((depth != 24 && depth != 32) || compression != 0)
        MetafileFault(header + 14, "bitmap of an unsupported kind");
    const int height = std::abs(rawHeight);
    const size_t bytes = size_t(depth / 8);
    const size_t stride = (size_t(width) * bytes + 3) & ~size_t(3);
    if (bitsSize < stride * size_t(height)) MetafileFault(bits, "bitmap bits cut short");
    const uint8_t* p = r.Need(bits, stride * size_t(height), "bitmap bits");
    auto picture = std::make_shared<TBitmap>();
    picture->SetPixelFormat(pf24bit);
    picture->SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = p + stride * size_t(rawHeight > 0 ? height - 1 - y : y);
        uint8_t* out = picture->ScanLine(y);
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) out[3 * x + c] = row[size_t(x) * bytes + size_t(c)];
    }
    return picture;
}
