#include <gtest/gtest.h>

#include "ChartStubs.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ColorPalettes.h"
#include "platform/rtl/StringList.h"

namespace {

// A chart that keeps its palette number and counts a silver back wall as background.
class TPaletteChart : public TTestChart, public TColorPaletteHolder {
public:
    using TTestChart::TTestChart;
    bool IsFreeSeriesColor(TColor color, bool checkBackground,
                           const TChartSeries* series) override {
        return SeriesColorIsFree(*this, color, checkBackground, series, clSilver);
    }
    void StoreColorPaletteIndex(int number) override { Index = number; }
    int Index = -1;
};

class ColorPalettesTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestChartClasses(); }
    TComponent Form{nullptr};
    TPaletteChart* Chart = new TPaletteChart(&Form);
    TTestSeries* NewSeries() {
        auto* s = new TTestSeries(&Form);
        Chart->AddSeries(s);
        return s;
    }
};

TEST(ColorPaletteTablesTest, EveryTableHasItsCountAndEnds) {
    struct Case {
        int count;
        TColor first, last;
    };
    const Case cases[] = {
        {22, 0xFF9999, 0xCC99FF}, {11, 0xA1A55D, 0x846401}, {14, 0xFFFFCC, 0xCCFFCC},
        {8, 0xFF0000, 0xFFFFFF},  {12, 0xFF0000, 0x008080}, {9, 0x00A5FF, 0x408080},
        {14, 0x6699FF, 0xFFCCCC}, {25, 0x000099, 0xFF00CC}, {13, 0xFE9B82, 0x7B715F},
        {16, 0xFFFFFF, 0x000000}, {15, 0xD21F00, 0xD99596}, {15, 0xF0F0F0, 0x101010},
        {12, 0xA36644, 0xB4B4B4}, {8, 0x8DEAF3, 0x0E08B3},  {8, 0x6B402B, 0x637B1D}};
    for (int n = 1; n <= 15; ++n) {
        const auto colors = PaletteColors(n);
        const Case& c = cases[n - 1];
        ASSERT_EQ(int(colors.size()), c.count) << n;
        EXPECT_EQ(colors.front(), c.first) << n;
        EXPECT_EQ(colors.back(), c.last) << n;
    }
    EXPECT_TRUE(PaletteColors(0).empty());
    EXPECT_TRUE(PaletteColors(16).empty());
    EXPECT_EQ(PaletteColors(5)[3], TColor(0x0000FF));  // the classic red, blue in the high byte
}

TEST_F(ColorPalettesTest, ApplyingRecoloursAutomaticSeriesAndStoresTheNumber) {
    auto* a = NewSeries();
    auto* b = NewSeries();
    b->SetSeriesColor(clOlive);  // explicit: kept by every palette
    auto* c = NewSeries();
    TColorPalettes::ApplyPalette(Chart, 8);
    ASSERT_EQ(Chart->ColorPalette.size(), 25u);
    EXPECT_EQ(Chart->ColorPalette.front(), TColor(0x000099));
    EXPECT_EQ(Chart->ColorPalette.back(), TColor(0xFF00CC));
    EXPECT_EQ(Chart->Index, 8);
    EXPECT_EQ(a->SeriesColor(), TColor(0x000099));
    EXPECT_EQ(a->Color(), clDefault);  // still automatic
    EXPECT_EQ(b->SeriesColor(), clOlive);
    EXPECT_EQ(c->SeriesColor(), TColor(0x0000C3));  // the first one a does not show

    for (int number : {0, 16}) {
        TColorPalettes::ApplyPalette(Chart, number);
        EXPECT_TRUE(Chart->ColorPalette.empty()) << number;
        EXPECT_EQ(Chart->Index, number);
        EXPECT_EQ(a->SeriesColor(), DefaultColorAt(0)) << number;
        EXPECT_EQ(b->SeriesColor(), clOlive);
    }
}

TEST_F(ColorPalettesTest, AFreeColourIsShownByNoOtherSeriesNorTheBackground) {
    auto* a = NewSeries();
    auto* b = NewSeries();
    a->SetSeriesColor(clRed);
    b->SetSeriesColor(clBlue);
    Chart->SetColor(clYellow);
    struct Case {
        TColor color;
        bool checkBackground;
        bool free;
    };
    const Case cases[] = {{clRed, false, true},    // a's own colour, asked for a
                          {clBlue, false, false},  // b shows it
                          {clYellow, false, true}, {clYellow, true, false}, {clSilver, false, true},
                          {clSilver, true, false}, {clGreen, true, true}};
    for (const Case& c : cases)
        EXPECT_EQ(Chart->IsFreeSeriesColor(c.color, c.checkBackground, a), c.free)
            << std::hex << c.color << " " << c.checkBackground;
}

TEST(ColorPaletteNamesTest, AddNamesToListsDefaultThenTheNumberedNames) {
    LoadCoreTexts();
    ChartEngineUnitStartup();
    TStringList withDefault, without;
    TColorPalettes::AddNamesTo(withDefault, true);
    TColorPalettes::AddNamesTo(without, false);
    ChartEngineUnitShutdown();
    ASSERT_EQ(withDefault.Count(), 17);
    EXPECT_EQ(withDefault[0], "Default");
    EXPECT_EQ(withDefault.Objects(0), nullptr);
    EXPECT_EQ(withDefault[16], "Cool");
    EXPECT_EQ(reinterpret_cast<intptr_t>(withDefault.Objects(16)), 15);
    ASSERT_EQ(without.Count(), 16);
    const char* names[] = {"DarEzaro",   "Excel",  "Victorian", "Pastels", "Solid",  "Classic",
                           "Web",        "Modern", "Rainbow",   "Win. XP", "Mac OS", "Win. Vista",
                           "Gray scale", "Opera",  "Warm",      "Cool"};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(without[i], names[i]);
        EXPECT_EQ(reinterpret_cast<intptr_t>(without.Objects(i)), i);
    }
}

}  // namespace
