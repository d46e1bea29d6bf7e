#pragma once
// Palettes of the bitmap writer for the depths 1, 4 and 8. A picture whose colours fit the depth
// keeps them exactly (a palette of its own colours in the order they first appear, rows top-down);
// any other picture takes the nearest colour of a fixed palette: black and white; the sixteen
// basic colours; a 6x6x6 colour cube with forty greys.
#include <array>
#include <cstdint>
#include <vector>

#include "platform/graphics/BitmapFileImage.h"

// The fixed palette of a depth (1, 4 or 8 bits), 0x00RRGGBB entries.
const std::vector<uint32_t>& FixedPalette(int bitCount);

// The distinct colours (alpha dropped) of the image in the order they first appear, or an empty
// list when there are more than maxCount.
std::vector<uint32_t> DistinctColours(const TBitmapFileImage& image, size_t maxCount);

// The palette the writer uses for an image of 1, 4 or 8 bits: the image's own palette, else its
// colours when they fit, else the fixed palette.
std::vector<uint32_t> ChooseBitmapFilePalette(const TBitmapFileImage& image);

// Maps colours to the index of the nearest palette entry (squared distance in RGB, the lower index
// on a tie), remembering the answers so that a picture of few colours costs one lookup per pixel.
class TPaletteMatcher {
public:
    explicit TPaletteMatcher(const std::vector<uint32_t>& palette);

    uint8_t IndexOf(uint32_t colour);

private:
    static constexpr size_t kSlots = 4096;  // a power of 2
    static constexpr uint32_t kEmpty = 0xFFFFFFFFu;

    uint8_t Nearest(uint32_t rgb) const;
    // The same answer for the fixed 8-bit palette, found without a search.
    static uint8_t NearestInFixed8(uint32_t rgb);

    const std::vector<uint32_t>& FPalette;
    bool FFixed8;
    std::array<uint32_t, kSlots> FKeys;
    std::array<uint8_t, kSlots> FIndexes;
    size_t FUsed = 0;
};
