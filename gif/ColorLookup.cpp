#include "gif/ColorLookup.h"

#include <algorithm>
#include <cstdlib>

TColorLookup::~TColorLookup() = default;

namespace {
TGIFPalette FirstEntries(const TGIFPalette& palette) {
    return TGIFPalette(palette.begin(),
                       palette.begin() + long(std::min<size_t>(palette.size(), 256)));
}
}  // namespace

TFastColorLookup::TFastColorLookup(const TGIFPalette& palette)
    : TColorLookup(0), FEntries(FirstEntries(palette)), FInverse(new int16_t[32768]) {
    FColors = int(FEntries.size());
    std::fill_n(FInverse.get(), 32768, int16_t(-1));
    for (int i = 0; i < FColors; ++i) {
        const TGIFPaletteEntry& e = FEntries[size_t(i)];
        int16_t& cell = FInverse[size_t(Cell(e.Red, e.Green, e.Blue))];
        if (cell == -1) cell = int16_t(i);
    }
}

uint8_t TFastColorLookup::Lookup(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r, uint8_t& g,
                                 uint8_t& b) {
    int16_t& cell = FInverse[size_t(Cell(red, green, blue))];
    if (cell == -1) {
        int best = 0, bestDistance = 0x30000;
        for (int i = 0; i < FColors; ++i) {
            const TGIFPaletteEntry& e = FEntries[size_t(i)];
            const int distance =
                std::abs(e.Red - red) + std::abs(e.Green - green) + std::abs(e.Blue - blue);
            if (distance < bestDistance) {
                best = i;
                bestDistance = distance;
            }
        }
        cell = int16_t(best);
    }
    const TGIFPaletteEntry& e = FEntries[size_t(cell)];
    r = e.Red;
    g = e.Green;
    b = e.Blue;
    return uint8_t(cell);
}

TSlowColorLookup::TSlowColorLookup(const TGIFPalette& palette)
    : TColorLookup(0), FEntries(FirstEntries(palette)) {
    FColors = int(FEntries.size());
}

uint8_t TSlowColorLookup::Lookup(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r, uint8_t& g,
                                 uint8_t& b) {
    const int index = NearestPaletteIndex(FEntries, red, green, blue);
    if (index < 0) return 0;
    const TGIFPaletteEntry& e = FEntries[size_t(index)];
    r = e.Red;
    g = e.Green;
    b = e.Blue;
    return uint8_t(index);
}

uint8_t TNetscapeColorLookup::Lookup(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r,
                                     uint8_t& g, uint8_t& b) {
    const int ri = (red + 3) / 51, gi = (green + 3) / 51, bi = (blue + 3) / 51;
    r = uint8_t(ri * 51);
    g = uint8_t(gi * 51);
    b = uint8_t(bi * 51);
    return uint8_t(ri * 36 + gi * 6 + bi);
}

uint8_t TGrayScaleLookup::Lookup(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r, uint8_t& g,
                                 uint8_t& b) {
    const auto grey = uint8_t((red * 77 + green * 150 + blue * 29) >> 8);
    r = g = b = grey;
    return grey;
}

uint8_t TMonochromeLookup::Lookup(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r, uint8_t& g,
                                  uint8_t& b) {
    const int sum = red * 77 + green * 150 + blue * 29;
    const bool white = sum > 32512;
    r = g = b = white ? 255 : 0;
    return white ? 1 : 0;
}
