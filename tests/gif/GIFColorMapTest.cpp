// Colour tables: sizes, search order, errors, and sorting by use with the frames renumbered.
#include <gtest/gtest.h>

#include "GifFixtures.h"
#include "gif/GIFExtension.h"

namespace {

TEST(GIFColorMap, BitsPerPixelCapacityAndPadding) {
    struct TCase {
        int Count, Bits, Capacity;
    };
    for (const TCase c :
         {TCase{1, 1, 16}, TCase{2, 1, 16}, TCase{3, 2, 16}, TCase{5, 3, 16}, TCase{17, 5, 32},
          TCase{33, 6, 64}, TCase{129, 8, 160}, TCase{256, 8, 256}}) {
        SCOPED_TRACE(c.Count);
        TGIFLocalColorMap map(nullptr);
        for (int i = 0; i < c.Count; ++i) map.Add(uint32_t(0x010203 * (i + 1)) & 0xFFFFFF);
        EXPECT_EQ(map.BitsPerPixel(), c.Bits);
        EXPECT_EQ(map.Capacity(), c.Capacity);
        TMemoryStream stream;
        map.SaveToStream(stream);
        ASSERT_EQ(stream.Size(), 3 * (1 << c.Bits));
        // Entries as red, green, blue; the padding is black.
        const auto* p = reinterpret_cast<const uint8_t*>(stream.Memory());
        EXPECT_EQ(p[0], 3);
        EXPECT_EQ(p[2], 1);
        for (int64_t i = 3 * c.Count; i < stream.Size(); ++i) EXPECT_EQ(p[i], 0);
    }
}

TEST(GIFColorMap, IndexOfSearchesByTheSortFlag) {
    TGIFLocalColorMap map(nullptr);
    map.Add(0x112233);
    map.Add(0x445566);
    map.Add(0x112233);
    EXPECT_EQ(map.IndexOf(0x112233), 2);
    map.SetOptimized(true);
    EXPECT_EQ(map.IndexOf(0x112233), 0);
    EXPECT_EQ(map.IndexOf(0x999999), -1);
    EXPECT_EQ(map.AddUnique(0x445566), 1);
    EXPECT_EQ(map.AddUnique(0x010101), 3);
    EXPECT_FALSE(map.Optimized());  // adding clears it
}

TEST(GIFColorMap, Errors) {
    auto image = MakeImage(1, 1, {0}, 1);
    std::vector<std::string> warnings;
    image->OnWarning = [&](TObject*, int, const std::string& m) { warnings.push_back(m); };
    TGIFColorMap& map = image->Images().SubImages(0)->ColorMap();
    for (int i = 0; i < 256; ++i) map.Add(uint32_t(i));
    EXPECT_THROW(map.Add(1), GIFException);
    EXPECT_THROW(map.Delete(256), GIFException);
    map.Delete(0);
    EXPECT_EQ(map.Count(), 255);
    EXPECT_EQ(map.Colors(0), 1u);
    EXPECT_EQ(map.Colors(300), 1u);  // entry 0, with a warning
    EXPECT_EQ(warnings, std::vector<std::string>{sBadColorIndex});
    map.Clear();
    try {
        map.Colors(0);
        ADD_FAILURE() << "no exception";
    } catch (const GIFException& e) {
        EXPECT_EQ(e.Message(), sEmptyColorTable);
    }
}

TEST(GIFColorMap, SortByUseRenumbersTheFrame) {
    // Entry 2 is used most, entry 1 once, entry 0 never; 2 is also the transparent index.
    auto image = MakeImage(2, 2, {2, 2, 1, 2}, 1);
    TGIFSubImage& frame = *image->Images().SubImages(0);
    frame.ColorMap().Add(0x0000FF);
    frame.ColorMap().Add(0x00FF00);
    frame.ColorMap().Add(0xFF0000);
    auto gce = std::make_unique<TGIFGraphicControlExtension>(&frame);
    gce->SetTransparentColorIndex(2);
    gce->SetTransparent(true);
    frame.Extensions().Add(std::move(gce));

    EXPECT_TRUE(frame.ColorMap().Optimize());
    EXPECT_EQ(FramePixels(frame), (TBytes{0, 0, 1, 0}));
    EXPECT_EQ(frame.GraphicControlExtension()->TransparentColorIndex(), 0);
    ASSERT_EQ(frame.ColorMap().Count(), 2);
    EXPECT_EQ(frame.ColorMap().Colors(0), 0xFF0000u);
    EXPECT_EQ(frame.ColorMap().Colors(1), 0x00FF00u);
    EXPECT_TRUE(frame.ColorMap().Optimized());
}

TEST(GIFColorMap, SortingATableAlreadyInUseOrderKeepsItsEntries) {
    auto image = MakeImage(3, 1, {0, 0, 1}, 1);  // global entry 1 used once, 0 twice
    image->GlobalColorMap().Add(0x123456);       // a third entry nobody uses
    EXPECT_TRUE(image->GlobalColorMap().Optimize());
    EXPECT_EQ(image->GlobalColorMap().Count(), 3);
    EXPECT_TRUE(image->GlobalColorMap().Optimized());
    EXPECT_EQ(FramePixels(*image->Images().SubImages(0)), (TBytes{0, 0, 1}));
}

TEST(GIFColorMap, SortingTheGlobalTableKeepsTheBackgroundColour) {
    // Background index 0 points at an entry no pixel uses; pixels above the table stay.
    auto image = MakeImage(4, 1, {1, 1, 5, 2}, 2);
    image->GlobalColorMap().Delete(3);
    image->Header().SetBackgroundColorIndex(0);
    const uint32_t background = image->BackgroundColor();
    EXPECT_TRUE(image->GlobalColorMap().Optimize());
    EXPECT_EQ(image->BackgroundColor(), background);
    EXPECT_EQ(FramePixels(*image->Images().SubImages(0)), (TBytes{0, 0, 5, 1}));
    EXPECT_EQ(image->GlobalColorMap().Count(), 3);
}

TEST(GIFColorMap, SortFlagSurvivesARoundTrip) {
    auto image = MakeImage(2, 1, {1, 1}, 1);
    image->GlobalColorMap().Optimize();
    TLoadedGif loaded;
    loaded.Load(SaveBytes(*image));
    EXPECT_TRUE(loaded.Image.GlobalColorMap().Optimized());
    EXPECT_EQ(FramePixels(*loaded.Image.Images().SubImages(0)), (TBytes{0, 0}));
}

}  // namespace

namespace {

// A table that counts its change notifications.
class TCountingMap : public TGIFColorMap {
public:
    int Changes = 0;
    void Warning(int, const char*) override {}
    void Changed() override { ++Changes; }

protected:
    void BuildHistogram(TColormapHistogram&) override {}
    void MapImages(const TColormapReverse&) override {}
};

TEST(GIFColorMap, PaletteImportAndExport) {
    TCountingMap map;
    map.ImportPalette({});
    EXPECT_EQ(map.Count(), 0);
    EXPECT_EQ(map.Changes, 0);
    EXPECT_TRUE(map.ExportPalette().empty());

    map.ImportPalette({{1, 2, 3, 0}, {4, 5, 6, 0}, {7, 8, 9, 0}});
    EXPECT_EQ(map.Changes, 1);
    EXPECT_EQ(
        map.ExportPalette(),
        (TGIFPalette{{1, 2, 3, pcNoCollapse}, {4, 5, 6, pcNoCollapse}, {7, 8, 9, pcNoCollapse}}));
    const uint8_t quads[] = {30, 20, 10, 0, 60, 50, 40, 0};
    map.ImportColorTable(quads, 2);
    EXPECT_EQ(map.Count(), 2);
    EXPECT_EQ(map.Colors(0), 0x1E140Au);  // red 10, green 20, blue 30
    EXPECT_EQ(map.Colors(1), 0x3C3228u);
}

}  // namespace
