#include "gif/GIFFrameRenderer.h"

#include <algorithm>

#include "gif/ColorLookup.h"
#include "gif/DitherEngine.h"
#include "gif/GIFDIB.h"
#include "gif/GIFSubImage.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/RtlMath.h"

TGIFFrameMask BuildFrameMask(const uint8_t* pixels, int width, int height, size_t stride,
                             uint8_t transparentIndex) {
    TGIFFrameMask mask;
    if (!pixels || width <= 0 || height <= 0) return mask;
    mask.Width = width;
    mask.Height = height;
    mask.RowBytes = (width + 15) / 16 * 2;
    mask.Bits.assign(size_t(mask.RowBytes) * size_t(height), 0);
    bool any = false;
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = pixels + size_t(y) * stride;
        uint8_t* bits = mask.Bits.data() + size_t(y) * size_t(mask.RowBytes);
        for (int x = 0; x < width; ++x) {
            if (row[x] != transparentIndex) continue;
            bits[x / 8] = uint8_t(bits[x / 8] | (0x80 >> (x % 8)));
            any = true;
        }
    }
    if (!any) mask = TGIFFrameMask();
    return mask;
}

TGIFFrameColors FrameColors(TGIFSubImage& frame) {
    TGIFFrameColors colors{};
    if (!frame.GivenPalette().empty()) {
        const TGIFPalette& palette = frame.GivenPalette();
        for (size_t i = 0; i < palette.size() && i < 256; ++i)
            colors[i] = GIFColorValue({palette[i].Red, palette[i].Green, palette[i].Blue});
        return colors;
    }
    TGIFColorMap& map = frame.ActiveColorMap();
    if (map.Count() == 0) {
        for (uint32_t i = 0; i < 256; ++i) colors[i] = i | (i << 8) | (i << 16);
        return colors;
    }
    for (int i = 0; i < map.Count(); ++i) colors[size_t(i)] = GIFColorValue(map.Entry(i));
    return colors;
}

uint32_t UnusedFrameColor(const TGIFFrameColors& colors) {
    // At most 256 colours are taken, so one of the first 257 candidates is free.
    std::array<uint32_t, 256> sorted = colors;
    std::sort(sorted.begin(), sorted.end());
    uint32_t candidate = 0xFF00FF;  // an unlikely colour first, then counting down
    for (;;) {
        if (!std::binary_search(sorted.begin(), sorted.end(), candidate)) return candidate;
        --candidate;
    }
}

TGIFPalette RenderPalette(const TGIFFrameColors& colors, int count) {
    if (count <= 0 || count > 256) count = 256;
    TGIFPalette palette(static_cast<size_t>(count));
    for (size_t i = 0; i < palette.size(); ++i)
        palette[i] = {uint8_t(colors[i]), uint8_t(colors[i] >> 8), uint8_t(colors[i] >> 16), 0};
    return palette;
}

namespace {

// Loads the written rows into the bitmap, whose colour table is then the palette's entries
// only: an index's colour is the first entry of it, as in the frame's table.
void FinishIndexedBitmap(TDIBWriter& writer, const TGIFPalette& palette, TBitmap& bitmap) {
    writer.Finish();
    std::vector<uint32_t> table(palette.size());
    for (size_t i = 0; i < palette.size(); ++i)
        table[i] =
            uint32_t(palette[i].Red) << 16 | uint32_t(palette[i].Green) << 8 | palette[i].Blue;
    bitmap.SetColorTable(std::move(table));
}

}  // namespace

void RenderFrameBitmap(const uint8_t* pixels, int width, int height, size_t stride,
                       const TGIFPalette& palette, TBitmap& bitmap,
                       const std::function<void(int row)>& progress) {
    TDIBWriter writer(bitmap, &palette, width, height, pf8bit);
    for (int y = 0; y < height; ++y) {
        if (progress && y % 32 == 0) progress(y);
        std::copy_n(pixels + size_t(y) * stride, size_t(width), writer.Scanline(y));
    }
    FinishIndexedBitmap(writer, palette, bitmap);
}

void RenderDitheredFrameBitmap(const uint8_t* pixels, int width, int height, size_t stride,
                               const TGIFFrameColors& colors, const TGIFFrameMask* mask,
                               uint8_t fillIndex, TBitmap& bitmap,
                               const std::function<void(int row)>& progress) {
    const TGIFPalette web = WebPalette();
    TDIBWriter writer(bitmap, &web, width, height, pf8bit);
    TNetscapeColorLookup lookup;
    TFloydSteinbergDitherer ditherer(width, lookup);
    const bool masked = mask && !mask->Empty();
    for (int y = 0; y < height; ++y) {
        if (progress && y % 32 == 0) progress(y);
        const uint8_t* row = pixels + size_t(y) * stride;
        uint8_t* out = writer.Scanline(y);
        if (masked) std::fill_n(out, size_t(width), fillIndex);
        while (ditherer.Column() >= 0 && ditherer.Column() < width) {
            const int x = ditherer.Column();
            if (masked && mask->IsSet(x, y)) {
                ditherer.SkipColumn();
                continue;
            }
            const uint32_t c = colors[row[x]];
            uint8_t r, g, b;
            out[x] = ditherer.Dither(uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16), r, g, b);
        }
        ditherer.NextLine();
    }
    FinishIndexedBitmap(writer, web, bitmap);
}

uint8_t WebFillIndex(uint32_t color) {
    uint8_t r, g, b;
    return TNetscapeColorLookup().Lookup(uint8_t(color), uint8_t(color >> 8), uint8_t(color >> 16),
                                         r, g, b);
}

void KeyOutMask(TBitmap& bitmap, const TGIFFrameMask& mask, uint32_t keyColor) {
    bitmap.SetPixelFormat(pf24bit);
    const int w = std::min(bitmap.Width(), mask.Width), h = std::min(bitmap.Height(), mask.Height);
    for (int y = 0; y < h; ++y) {
        uint8_t* p = bitmap.ScanLine(y);
        for (int x = 0; x < w; ++x, p += 3) {
            if (!mask.IsSet(x, y)) continue;
            p[0] = uint8_t(keyColor >> 16);  // blue
            p[1] = uint8_t(keyColor >> 8);
            p[2] = uint8_t(keyColor);
        }
    }
}

TRect ScaleFrameRect(const TRect& r, const TRect& frame, int imageWidth, int imageHeight) {
    if (imageWidth <= 0 || imageHeight <= 0) return r;
    return TRect{r.Left + MulDiv(frame.Left, r.Width(), imageWidth),
                 r.Top + MulDiv(frame.Top, r.Height(), imageHeight),
                 r.Left + MulDiv(frame.Right, r.Width(), imageWidth),
                 r.Top + MulDiv(frame.Bottom, r.Height(), imageHeight)};
}

std::vector<TRect> FrameTiles(const TRect& r, const TRect& frame, int imageWidth, int imageHeight) {
    std::vector<TRect> tiles;
    if (imageWidth <= 0 || imageHeight <= 0 || frame.IsEmpty()) return tiles;
    for (int x = r.Left + frame.Left; x < r.Right; x += imageWidth)
        for (int y = r.Top + frame.Top; y < r.Bottom; y += imageHeight)
            tiles.push_back(TRect{x, y, x + frame.Width(), y + frame.Height()});
    return tiles;
}
