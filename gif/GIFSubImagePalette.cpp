// The frame's palette, its transparency mask, and the frame handed to a bitmap.
#include "gif/GIFExtension.h"
#include "gif/GIFImage.h"
#include "gif/GIFSubImage.h"
#include "platform/graphics/Bitmap.h"

TGIFPalette TGIFSubImage::Palette() {
    if (!FPalette.empty()) return FPalette;
    if (FImage && FImage->DoDither()) return WebPalette();
    if (FColorMap.Count() == 0 && FImage) return FImage->Palette();
    return FColorMap.ExportPalette();
}

void TGIFSubImage::SetPalette(const TGIFPalette& palette) {
    if (palette == FPalette) return;
    FPalette = palette;
    FreeBitmap();
}

TGIFFrameMask TGIFSubImage::Mask() {
    if (!FTransparent || !FGCE || FData.empty()) return {};
    return BuildFrameMask(FData.data(), Width(), Height(), size_t(Width()),
                          FGCE->TransparentColorIndex());
}

void TGIFSubImage::AssignTo(TBitmap& dest) {
    if (Empty()) {
        dest.Assign(nullptr);
        return;
    }
    const TGIFFrameColors colors = FrameColors(*this);
    TBitmap bitmap(Width(), Height());
    bitmap.SetPixelFormat(pf32bit);
    for (int y = 0; y < Height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(bitmap.ScanLine(y));
        const uint8_t* in = Scanline(y);
        for (int x = 0; x < Width(); ++x) {
            const uint32_t c = colors[in[x]];  // red in the lowest byte
            row[x] = 0xFF000000u | (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
        }
    }
    // The 32-bit rows stay as they are; the table of the colours rendered with (not the
    // web palette of a dithered drawing) makes them indices again.
    bitmap.SetPixelFormat(pf8bit);
    int count = FPalette.empty() ? ActiveColorMap().Count() : int(FPalette.size());
    if (count <= 0 || count > 256) count = 256;
    std::vector<uint32_t> table(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const uint32_t c = colors[size_t(i)];
        table[size_t(i)] = (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
    }
    bitmap.SetColorTable(std::move(table));
    dest.Assign(&bitmap);
}
