#include "gif/ReduceColors.h"

#include <algorithm>
#include <memory>

#include "gif/ColorLookup.h"
#include "gif/DitherEngine.h"
#include "gif/GIFTypes.h"

namespace {

std::unique_ptr<TDitherEngine> MakeDitherer(uint8_t mode, int width, TColorLookup& lookup) {
    switch (mode) {
        case ditherNearest:
            return std::make_unique<TDitherEngine>(width, lookup);
        case ditherFloydSteinberg:
            return std::make_unique<TFloydSteinbergDitherer>(width, lookup);
        case ditherStucki:
            return std::make_unique<TStuckiDitherer>(width, lookup);
        case ditherSierra:
            return std::make_unique<TSierraDitherer>(width, lookup);
        case ditherJarvisJudiceNinke:
            return std::make_unique<TJaJuNiDitherer>(width, lookup);
        case ditherStevensonArce:
            return std::make_unique<TSteveArcheDitherer>(width, lookup);
        case ditherBurkes:
            return std::make_unique<TBurkesDitherer>(width, lookup);
        default:
            return nullptr;
    }
}

}  // namespace

TReducedImage ReduceColors(const TRGBImage& source, uint8_t method, uint8_t ditherMode,
                           int reductionBits, const TGIFPalette* palette) {
    TReducedImage result;
    if (method == reduceNone) {
        result.Width = source.Width;
        result.Height = source.Height;
        result.BitsPerPixel = 24;
        result.Pixels = source.Data;
        return result;
    }
    // A palette of more than 256 entries (or none) cannot be asked for.
    const int bits = std::clamp(reductionBits, 1, 8);

    TGIFPalette chosen;
    std::unique_ptr<TColorLookup> lookup;
    switch (method) {
        case reduceWindows20:
            chosen = StockDefaultPalette();
            break;
        case reduceWindowsHalftone:
            chosen = WindowsHalftonePalette();
            break;
        case reduceWindowsGray4:
            chosen = WindowsGrayScalePalette();
            break;
        case reduceMonochrome:
            chosen = MonochromePalette();
            lookup = std::make_unique<TMonochromeLookup>();
            break;
        case reduceGray256:
            chosen = GrayScalePalette();
            lookup = std::make_unique<TGrayScaleLookup>();
            break;
        case reduceWebPalette:
            chosen = WebPalette();
            lookup = std::make_unique<TNetscapeColorLookup>();
            break;
        case reduceQuantize:
            chosen = CreateOptimizedPalette(source, 1 << bits, 8, false);
            lookup = std::make_unique<TFastColorLookup>(chosen);
            break;
        case reduceQuantizeWindows:
            chosen = CreateOptimizedPalette(source, 256, 8, true);
            break;
        case reducePalette:
            if (palette) chosen = *palette;
            break;
        default:
            return result;
    }
    if (!lookup) lookup = std::make_unique<TSlowColorLookup>(chosen);
    if (lookup->Colors() == 0) return result;
    std::unique_ptr<TDitherEngine> ditherer = MakeDitherer(ditherMode, source.Width, *lookup);
    if (!ditherer) return result;
    if (source.Width <= 0 || source.Height <= 0) throw GIFException(sBadImageDimensions);

    result.Width = source.Width;
    result.Height = source.Height;
    result.BitsPerPixel = 8;
    result.Palette = std::move(chosen);
    result.Pixels.assign(size_t(source.Width) * size_t(source.Height), 0);
    uint8_t r, g, b;
    for (int y = 0; y < source.Height; ++y) {
        const uint8_t* in = source.Row(y);
        uint8_t* out = result.Pixels.data() + size_t(y) * size_t(source.Width);
        while (ditherer->Column() >= 0 && ditherer->Column() < source.Width) {
            const int x = ditherer->Column();
            const uint8_t* p = in + size_t(x) * 3;
            out[x] = ditherer->Dither(p[2], p[1], p[0], r, g, b);
        }
        ditherer->NextLine();
    }
    return result;
}
