#pragma once
// Palettes as plain values (entries of red, green, blue and a flag), the fixed palettes the
// codec reduces colours to, and the nearest-entry search.
#include <cstdint>
#include <vector>

// Flag of an entry that must not be merged with a system colour when realised.
inline constexpr uint8_t pcNoCollapse = 4;

struct TGIFPaletteEntry {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
    uint8_t Flags = 0;
    bool operator==(const TGIFPaletteEntry&) const = default;
};

using TGIFPalette = std::vector<TGIFPaletteEntry>;

// 216 entries: entry r × 36 + g × 6 + b is (51r, 51g, 51b).
TGIFPalette WebPalette();
// 256 greys.
TGIFPalette GrayScalePalette();
// Black and white.
TGIFPalette MonochromePalette();
// The four greys 0, 128, 192, 255.
TGIFPalette WindowsGrayScalePalette();
// The 20 static colours of the display: 10 dark ones first, 10 bright ones last.
TGIFPalette StockDefaultPalette();
// The fixed halftone palette: the 216 web colours, the 20 static colours and 20 greys.
TGIFPalette WindowsHalftonePalette();

// The entry with the smallest squared distance to the colour; the earliest wins ties; -1 for an
// empty palette.
int NearestPaletteIndex(const TGIFPalette& palette, uint8_t red, uint8_t green, uint8_t blue);
