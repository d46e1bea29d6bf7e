#pragma once
// Colour reduction of a 24-bit picture to at most 256 colours: a palette chosen by one of ten
// methods, every pixel mapped into it by one of seven ditherers.
#include <cstdint>
#include <vector>

#include "gif/ColorQuantizer.h"
#include "gif/GIFPalette.h"

enum TGIFColorReduction : uint8_t {
    reduceNone = 0,
    reduceWindows20 = 1,
    reduceWindowsHalftone = 2,
    reduceWindowsGray4 = 3,
    reduceMonochrome = 4,
    reduceGray256 = 5,
    reduceWebPalette = 6,
    reduceQuantize = 7,
    reduceQuantizeWindows = 8,
    reducePalette = 9
};

enum TGIFDitherMode : uint8_t {
    ditherNearest = 0,
    ditherFloydSteinberg = 1,
    ditherStucki = 2,
    ditherSierra = 3,
    ditherJarvisJudiceNinke = 4,
    ditherStevensonArce = 5,
    ditherBurkes = 6
};

// The result: 8 bits per pixel with a palette, 24 bits (a copy, for reduceNone), or empty
// (0 bits) when the method, the mode or the palette gives nothing to reduce to.
struct TReducedImage {
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 0;
    std::vector<uint8_t> Pixels;
    TGIFPalette Palette;
    bool Empty() const { return BitsPerPixel == 0; }
};

// reductionBits sets the palette size of reduceQuantize (1 << bits); values outside 1..8 are
// taken as the nearest of them. palette is the caller's, for reducePalette.
TReducedImage ReduceColors(const TRGBImage& source, uint8_t method, uint8_t ditherMode,
                           int reductionBits, const TGIFPalette* palette = nullptr);
