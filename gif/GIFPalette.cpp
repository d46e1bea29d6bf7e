#include "gif/GIFPalette.h"

#include <cstddef>

using std::size_t;

TGIFPalette WebPalette() {
    TGIFPalette palette;
    palette.reserve(216);
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back({uint8_t(r * 51), uint8_t(g * 51), uint8_t(b * 51), 0});
    return palette;
}

TGIFPalette GrayScalePalette() {
    TGIFPalette palette(256);
    for (int i = 0; i < 256; ++i)
        palette[size_t(i)] = {uint8_t(i), uint8_t(i), uint8_t(i), pcNoCollapse};
    return palette;
}

TGIFPalette MonochromePalette() { return {{0, 0, 0, pcNoCollapse}, {255, 255, 255, pcNoCollapse}}; }

TGIFPalette WindowsGrayScalePalette() {
    TGIFPalette palette;
    for (int g : {0, 128, 192, 255})
        palette.push_back({uint8_t(g), uint8_t(g), uint8_t(g), pcNoCollapse});
    return palette;
}

TGIFPalette StockDefaultPalette() {
    return {{0, 0, 0, 0},       {128, 0, 0, 0},     {0, 128, 0, 0},     {128, 128, 0, 0},
            {0, 0, 128, 0},     {128, 0, 128, 0},   {0, 128, 128, 0},   {192, 192, 192, 0},
            {192, 220, 192, 0}, {166, 202, 240, 0}, {255, 251, 240, 0}, {160, 160, 164, 0},
            {128, 128, 128, 0}, {255, 0, 0, 0},     {0, 255, 0, 0},     {255, 255, 0, 0},
            {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0},   {255, 255, 255, 0}};
}

TGIFPalette WindowsHalftonePalette() {
    TGIFPalette palette = WebPalette();
    for (const TGIFPaletteEntry& e : StockDefaultPalette()) palette.push_back(e);
    // Greys between the web palette's steps of 51.
    for (int i = 1; i <= 20; ++i) {
        const auto g = uint8_t(i * 255 / 21);
        palette.push_back({g, g, g, 0});
    }
    return palette;
}

int NearestPaletteIndex(const TGIFPalette& palette, uint8_t red, uint8_t green, uint8_t blue) {
    int best = -1;
    int bestDistance = 0;
    for (size_t i = 0; i < palette.size(); ++i) {
        const int dr = palette[i].Red - red, dg = palette[i].Green - green,
                  db = palette[i].Blue - blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (best < 0 || distance < bestDistance) {
            best = int(i);
            bestDistance = distance;
        }
    }
    return best;
}
