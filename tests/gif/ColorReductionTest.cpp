// Colour lookups, ditherers, the octree quantizer and ReduceColors on plain 24-bit pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "gif/ColorLookup.h"
#include "gif/DitherEngine.h"
#include "gif/ReduceColors.h"

namespace {

struct TRGB {
    uint8_t R, G, B;
};

TRGBImage Uniform(int width, int height, TRGB c) {
    TRGBImage image{width, height, {}};
    for (int i = 0; i < width * height; ++i) image.Data.insert(image.Data.end(), {c.B, c.G, c.R});
    return image;
}

TRGBImage Row(std::initializer_list<TRGB> colors) {
    TRGBImage image{int(colors.size()), 1, {}};
    for (TRGB c : colors) image.Data.insert(image.Data.end(), {c.B, c.G, c.R});
    return image;
}

TEST(ColorLookup, TableOfCases) {
    struct TCase {
        const char* Name;
        std::function<std::unique_ptr<TColorLookup>()> Make;
        TRGB In;
        int Index;
        TRGB Out;
    };
    const TGIFPalette ties = {{10, 0, 0, 0}, {0, 10, 0, 0}};
    const TCase cases[] = {
        {"web 48",
         [] { return std::make_unique<TNetscapeColorLookup>(); },
         {48, 0, 0},
         36,
         {51, 0, 0}},
        {"web 47",
         [] { return std::make_unique<TNetscapeColorLookup>(); },
         {47, 0, 0},
         0,
         {0, 0, 0}},
        {"web mixed",
         [] { return std::make_unique<TNetscapeColorLookup>(); },
         {255, 100, 200},
         5 * 36 + 2 * 6 + 3,
         {255, 102, 153}},
        {"grey white",
         [] { return std::make_unique<TGrayScaleLookup>(); },
         {255, 255, 255},
         255,
         {255, 255, 255}},
        // (255 × 77) shr 8 is 76.
        {"grey red",
         [] { return std::make_unique<TGrayScaleLookup>(); },
         {255, 0, 0},
         76,
         {76, 76, 76}},
        {"mono 127",
         [] { return std::make_unique<TMonochromeLookup>(); },
         {127, 127, 127},
         0,
         {0, 0, 0}},
        {"mono 128",
         [] { return std::make_unique<TMonochromeLookup>(); },
         {128, 128, 128},
         1,
         {255, 255, 255}},
        {"slow tie",
         [&] { return std::make_unique<TSlowColorLookup>(ties); },
         {5, 5, 0},
         0,
         {10, 0, 0}},
        {"fast tie",
         [&] { return std::make_unique<TFastColorLookup>(ties); },
         {5, 5, 0},
         0,
         {10, 0, 0}},
        {"slow nearest",
         [&] { return std::make_unique<TSlowColorLookup>(ties); },
         {0, 200, 9},
         1,
         {0, 10, 0}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        auto lookup = c.Make();
        uint8_t r = 1, g = 1, b = 1;
        EXPECT_EQ(lookup->Lookup(c.In.R, c.In.G, c.In.B, r, g, b), c.Index);
        EXPECT_EQ(r, c.Out.R);
        EXPECT_EQ(g, c.Out.G);
        EXPECT_EQ(b, c.Out.B);
    }
}

TEST(ColorLookup, FastLookupSharesAnAnswerPerCell) {
    // (40, 40, 40) is nearest to black, (47, 47, 47) to the grey; both lie in one cell.
    const TGIFPalette palette = {{0, 0, 0, 0}, {90, 90, 90, 0}};
    uint8_t r, g, b;
    TFastColorLookup darkFirst(palette);
    EXPECT_EQ(darkFirst.Lookup(40, 40, 40, r, g, b), 0);
    EXPECT_EQ(darkFirst.Lookup(47, 47, 47, r, g, b), 0);
    TFastColorLookup lightFirst(palette);
    EXPECT_EQ(lightFirst.Lookup(47, 47, 47, r, g, b), 1);
    EXPECT_EQ(lightFirst.Lookup(40, 40, 40, r, g, b), 1);
    EXPECT_EQ(TFastColorLookup(TGIFPalette{}).Colors(), 0);
}

// Indices of an image dithered by mode through lookup, walking as the ditherer directs.
std::vector<uint8_t> DitherImage(const TRGBImage& image, TDitherEngine& ditherer) {
    std::vector<uint8_t> indices(size_t(image.Width * image.Height));
    uint8_t r, g, b;
    for (int y = 0; y < image.Height; ++y) {
        while (ditherer.Column() >= 0 && ditherer.Column() < image.Width) {
            const int x = ditherer.Column();
            const uint8_t* p = image.Row(y) + x * 3;
            indices[size_t(y * image.Width + x)] = ditherer.Dither(p[2], p[1], p[0], r, g, b);
        }
        ditherer.NextLine();
    }
    return indices;
}

std::unique_ptr<TDitherEngine> MakeDitherer(int mode, int width, TColorLookup& lookup) {
    switch (mode) {
        case 0:
            return std::make_unique<TDitherEngine>(width, lookup);
        case 1:
            return std::make_unique<TFloydSteinbergDitherer>(width, lookup);
        case 2:
            return std::make_unique<TStuckiDitherer>(width, lookup);
        case 3:
            return std::make_unique<TSierraDitherer>(width, lookup);
        case 4:
            return std::make_unique<TJaJuNiDitherer>(width, lookup);
        case 5:
            return std::make_unique<TSteveArcheDitherer>(width, lookup);
        default:
            return std::make_unique<TBurkesDitherer>(width, lookup);
    }
}

TEST(DitherEngine, ColoursOfThePaletteStayExact) {
    for (int mode = 0; mode <= 6; ++mode) {
        SCOPED_TRACE(mode);
        TNetscapeColorLookup web;
        auto ditherer = MakeDitherer(mode, 7, web);
        const auto indices = DitherImage(Uniform(7, 5, {51, 102, 153}), *ditherer);
        EXPECT_TRUE(std::all_of(indices.begin(), indices.end(), [](uint8_t i) { return i == 51; }));
        TGrayScaleLookup grey;
        auto greyDitherer = MakeDitherer(mode, 6, grey);
        const auto greys = DitherImage(Uniform(6, 4, {128, 128, 128}), *greyDitherer);
        EXPECT_TRUE(std::all_of(greys.begin(), greys.end(), [](uint8_t i) { return i == 128; }));
    }
}

TEST(DitherEngine, DiffusionKeepsTheAverageBrightness) {
    // A grey of 64 in black and white: about a quarter of the pixels white, whatever the kernel.
    for (int mode = 1; mode <= 6; ++mode) {
        SCOPED_TRACE(mode);
        TMonochromeLookup mono;
        auto ditherer = MakeDitherer(mode, 64, mono);
        const auto indices = DitherImage(Uniform(64, 64, {64, 64, 64}), *ditherer);
        const double white = double(std::count(indices.begin(), indices.end(), 1)) / indices.size();
        EXPECT_NEAR(white, 64.0 / 255.0, 0.02);
        TMonochromeLookup mono2;
        auto mid = MakeDitherer(mode, 32, mono2);
        const auto half = DitherImage(Uniform(32, 32, {128, 128, 128}), *mid);
        EXPECT_NEAR(double(std::count(half.begin(), half.end(), 0)) / half.size(), 0.5, 0.03);
    }
}

TEST(DitherEngine, FloydSteinbergByHand) {
    // Grey 100 in black and white, 3 × 2; traced by hand through both row directions.
    TMonochromeLookup mono;
    TFloydSteinbergDitherer ditherer(3, mono);
    EXPECT_EQ(DitherImage(Uniform(3, 2, {100, 100, 100}), ditherer),
              (std::vector<uint8_t>{0, 1, 0, 0, 1, 0}));
    // 127 leaves an error of 127; 255 plus its share is clamped to 255 and passes nothing on, so
    // the 120 after it stays black.
    TFloydSteinbergDitherer clamped(3, mono);
    EXPECT_EQ(DitherImage(Row({{127, 127, 127}, {255, 255, 255}, {120, 120, 120}}), clamped),
              (std::vector<uint8_t>{0, 1, 0}));
}

TEST(DitherEngine, SerpentineWalk) {
    TGrayScaleLookup grey;
    TDitherEngine ditherer(3, grey);
    std::vector<int> columns;
    uint8_t r, g, b;
    for (int row = 0; row < 2; ++row) {
        while (ditherer.Column() >= 0 && ditherer.Column() < 3) {
            columns.push_back(ditherer.Column());
            ditherer.Dither(0, 0, 0, r, g, b);
        }
        ditherer.NextLine();
    }
    EXPECT_EQ(columns, (std::vector<int>{0, 1, 2, 2, 1, 0}));
    EXPECT_EQ(ditherer.Column(), 0);
}

TEST(DitherEngine, OnePixelWideImages) {
    for (int mode = 0; mode <= 6; ++mode) {
        TMonochromeLookup mono;
        auto ditherer = MakeDitherer(mode, 1, mono);
        EXPECT_EQ(DitherImage(Uniform(1, 9, {200, 90, 30}), *ditherer).size(), 9u);
    }
}

// Colours sorted as the octree walks them: bits interleaved red, green, blue from the top.
uint32_t OctreeKey(TRGB c) {
    uint32_t key = 0;
    for (int bit = 7; bit >= 0; --bit)
        key =
            (key << 3) | (((c.R >> bit) & 1) << 2) | (((c.G >> bit) & 1) << 1) | ((c.B >> bit) & 1);
    return key;
}

TEST(ColorQuantizer, FewColoursComeBackExactly) {
    std::vector<TRGB> colors = {{255, 0, 0},   {0, 255, 0}, {0, 0, 255},     {10, 20, 30},
                                {200, 100, 0}, {1, 1, 1},   {128, 128, 128}, {90, 45, 220},
                                {250, 250, 5}, {33, 66, 99}};
    TRGBImage image{10, 3, {}};
    for (int y = 0; y < 3; ++y)
        for (TRGB c : colors) image.Data.insert(image.Data.end(), {c.B, c.G, c.R});
    const TGIFPalette palette = CreateOptimizedPalette(image, 256, 8, false);
    ASSERT_EQ(palette.size(), 256u);
    std::sort(colors.begin(), colors.end(),
              [](TRGB a, TRGB b) { return OctreeKey(a) < OctreeKey(b); });
    for (size_t i = 0; i < colors.size(); ++i)
        EXPECT_EQ(palette[i], (TGIFPaletteEntry{colors[i].R, colors[i].G, colors[i].B, 0})) << i;
    for (size_t i = colors.size(); i < 256; ++i)
        EXPECT_EQ(palette[i], (TGIFPaletteEntry{0, 0, 0, pcNoCollapse}));

    const TGIFPalette system = CreateOptimizedPalette(image, 256, 8, true);
    const TGIFPalette stock = StockDefaultPalette();
    ASSERT_EQ(system.size(), 256u);
    for (size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(system[i], stock[i]);
        EXPECT_EQ(system[246 + i], stock[10 + i]);
    }
    EXPECT_EQ(system[10], palette[0]);
}

TEST(ColorQuantizer, ManyColoursAreMergedToTheLimit) {
    TRGBImage image{64, 64, {}};
    for (int i = 0; i < 64 * 64; ++i)
        image.Data.insert(image.Data.end(), {uint8_t(i * 7), uint8_t(i / 16), uint8_t(i * 13)});
    TColorQuantizer quantizer(16, 8);
    quantizer.ProcessImage(image);
    EXPECT_LE(quantizer.ColorCount(), 16);
    EXPECT_EQ(int(quantizer.GetColorTable().size()), quantizer.ColorCount());
}

TEST(ReduceColors, MethodsAndModes) {
    TRGBImage image{20, 20, {}};
    for (int i = 0; i < 400; ++i)
        image.Data.insert(image.Data.end(), {uint8_t(i), uint8_t(i * 3), uint8_t(i * 5)});
    const TGIFPalette own = {{1, 2, 3, 0}, {200, 200, 200, 0}};
    struct TCase {
        uint8_t Method, Mode;
        int Bits;
        int Depth;
        size_t PaletteSize;
    };
    const TCase cases[] = {
        {reduceNone, 0, 8, 24, 0},
        {reduceWindows20, 1, 8, 8, 20},
        {reduceWindowsHalftone, 2, 8, 8, 256},
        {reduceWindowsGray4, 3, 8, 8, 4},
        {reduceMonochrome, 4, 8, 8, 2},
        {reduceGray256, 5, 8, 8, 256},
        {reduceWebPalette, 6, 8, 8, 216},
        {reduceQuantize, 1, 4, 8, 16},
        {reduceQuantize, 0, 12, 8, 256},
        {reduceQuantize, 0, 0, 8, 2},
        {reduceQuantizeWindows, 0, 8, 8, 256},
        {reducePalette, 1, 8, 8, 2},
        {10, 0, 8, 0, 0},
        {reduceWebPalette, 7, 8, 0, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.Method) << "/" << int(c.Mode) << "/" << c.Bits);
        const TReducedImage result = ReduceColors(image, c.Method, c.Mode, c.Bits, &own);
        EXPECT_EQ(result.BitsPerPixel, c.Depth);
        EXPECT_EQ(result.Palette.size(), c.PaletteSize);
        if (c.Depth == 8) {
            ASSERT_EQ(result.Pixels.size(), 400u);
            EXPECT_LT(*std::max_element(result.Pixels.begin(), result.Pixels.end()), c.PaletteSize);
        } else if (c.Depth == 24) {
            EXPECT_EQ(result.Pixels, image.Data);
        }
    }
    // The caller's palette is required for reducePalette.
    EXPECT_TRUE(ReduceColors(image, reducePalette, 0, 8, nullptr).Empty());
}

TEST(ReduceColors, NearestWebColours) {
    const TReducedImage result = ReduceColors(Row({{48, 0, 0}, {47, 0, 0}, {255, 255, 255}}),
                                              reduceWebPalette, ditherNearest, 8);
    EXPECT_EQ(result.Pixels, (std::vector<uint8_t>{36, 0, 215}));
}

}  // namespace
