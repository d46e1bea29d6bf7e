#include "platform/graphics/BitmapFilePalette.h"

#include <cassert>
#include <climits>

namespace {

std::vector<uint32_t> MakeFixedPalette8() {
    std::vector<uint32_t> palette;
    palette.reserve(256);
    for (uint32_t r = 0; r < 6; ++r)
        for (uint32_t g = 0; g < 6; ++g)
            for (uint32_t b = 0; b < 6; ++b)
                palette.push_back((r * 51) << 16 | (g * 51) << 8 | b * 51);
    // Forty greys between the cube's, which already holds black, white and four greys.
    for (uint32_t i = 1; i <= 40; ++i) {
        const uint32_t v = (i * 255 + 20) / 41;
        palette.push_back(v << 16 | v << 8 | v);
    }
    return palette;
}

size_t SlotOf(uint32_t key, size_t slots) { return (key * 2654435761u >> 12) & (slots - 1); }

}  // namespace

const std::vector<uint32_t>& FixedPalette(int bitCount) {
    static const std::vector<uint32_t> palette1{0x000000, 0xFFFFFF};
    static const std::vector<uint32_t> palette4{
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    static const std::vector<uint32_t> palette8 = MakeFixedPalette8();
    assert(bitCount == 1 || bitCount == 4 || bitCount == 8);
    return bitCount == 1 ? palette1 : bitCount == 4 ? palette4 : palette8;
}

std::vector<uint32_t> DistinctColours(const TBitmapFileImage& image, size_t maxCount) {
    // An open-addressed set twice the size of the largest palette keeps the probes short.
    constexpr size_t kSlots = 512;
    constexpr uint32_t kEmpty = 0xFFFFFFFFu;
    assert(maxCount <= kSlots / 2);
    std::array<uint32_t, kSlots> seen;
    seen.fill(kEmpty);
    std::vector<uint32_t> colours;
    uint32_t last = kEmpty;
    for (uint32_t pixel : image.Pixels) {
        const uint32_t rgb = pixel & 0xFFFFFFu;
        if (rgb == last) continue;
        last = rgb;
        size_t slot = SlotOf(rgb, kSlots);
        while (seen[slot] != kEmpty && seen[slot] != rgb) slot = (slot + 1) & (kSlots - 1);
        if (seen[slot] == rgb) continue;
        if (colours.size() == maxCount) return {};
        seen[slot] = rgb;
        colours.push_back(rgb);
    }
    return colours;
}

std::vector<uint32_t> ChooseBitmapFilePalette(const TBitmapFileImage& image) {
    if (!image.Palette.empty()) return image.Palette;
    std::vector<uint32_t> own = DistinctColours(image, size_t(1) << image.BitCount);
    if (!own.empty()) return own;
    return FixedPalette(image.BitCount);
}

TPaletteMatcher::TPaletteMatcher(const std::vector<uint32_t>& palette)
    : FPalette(palette), FFixed8(palette == FixedPalette(8)) {
    assert(!palette.empty() && palette.size() <= 256);
    FKeys.fill(kEmpty);
}

uint8_t TPaletteMatcher::IndexOf(uint32_t colour) {
    const uint32_t rgb = colour & 0xFFFFFFu;
    if (FFixed8) return NearestInFixed8(rgb);
    size_t slot = SlotOf(rgb, kSlots);
    while (FKeys[slot] != kEmpty) {
        if (FKeys[slot] == rgb) return FIndexes[slot];
        slot = (slot + 1) & (kSlots - 1);
    }
    const uint8_t index = Nearest(rgb);
    if (FUsed < kSlots / 2) {  // beyond half full the probes grow long: just compute
        FKeys[slot] = rgb;
        FIndexes[slot] = index;
        ++FUsed;
    }
    return index;
}

uint8_t TPaletteMatcher::Nearest(uint32_t rgb) const {
    const int r = int(rgb >> 16), g = int(rgb >> 8 & 0xFF), b = int(rgb & 0xFF);
    int best = 0;
    int bestDistance = 1 << 30;
    for (size_t i = 0; i < FPalette.size(); ++i) {
        const uint32_t entry = FPalette[i];
        const int dr = int(entry >> 16 & 0xFF) - r;
        const int dg = int(entry >> 8 & 0xFF) - g;
        const int db = int(entry & 0xFF) - b;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = int(i);
            if (distance == 0) break;
        }
    }
    return uint8_t(best);
}

// The nearest entry of the fixed palette is the nearer of two candidates. In the cube it is each
// channel rounded to its nearest level (levels are 51 apart, so no channel is ever half way).
// Among the greys (the cube's six and the forty others) the distance to grey v is, but for a
// constant, 3v^2 - 2v(r+g+b): a table by r+g+b gives the nearest grey.
uint8_t TPaletteMatcher::NearestInFixed8(uint32_t rgb) {
    static const std::array<uint8_t, 766> greyOfSum = [] {
        const std::vector<uint32_t>& palette = FixedPalette(8);
        std::array<uint8_t, 766> table{};
        for (int sum = 0; sum < 766; ++sum) {
            int64_t best = INT64_MAX;
            for (size_t i = 0; i < palette.size(); ++i) {
                const uint32_t e = palette[i];
                const int64_t v = e & 0xFF;
                if ((e >> 16) != uint32_t(v) || (e >> 8 & 0xFF) != uint32_t(v)) continue;
                const int64_t cost = 3 * v * v - 2 * v * sum;
                if (cost < best) {
                    best = cost;
                    table[size_t(sum)] = uint8_t(i);
                }
            }
        }
        return table;
    }();
    const int r = int(rgb >> 16), g = int(rgb >> 8 & 0xFF), b = int(rgb & 0xFF);
    auto distance = [&](uint32_t e) {
        const int dr = int(e >> 16) - r, dg = int(e >> 8 & 0xFF) - g, db = int(e & 0xFF) - b;
        return dr * dr + dg * dg + db * db;
    };
    const std::vector<uint32_t>& palette = FixedPalette(8);
    const uint8_t cube = uint8_t((r + 25) / 51 * 36 + (g + 25) / 51 * 6 + (b + 25) / 51);
    const uint8_t grey = greyOfSum[size_t(r + g + b)];
    const int dc = distance(palette[cube]), dg = distance(palette[grey]);
    return dc < dg || (dc == dg && cube < grey) ? cube : grey;
}
