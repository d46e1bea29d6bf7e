// Colouring by value: the colour range blend, the palette of each style, the palette legend and
// the "CustomPalette" stream, byte for byte and against corrupt counts.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/grid3d/Custom3DPaletteSeries.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Streams.h"

namespace {

// The base publishes nothing; a grid-like series publishes the style.
class TTestPaletteSeries : public TCustom3DPaletteSeries {
    KV_DECLARE_CLASS(TTestPaletteSeries, TCustom3DPaletteSeries)
public:
    using TCustom3DPaletteSeries::TCustom3DPaletteSeries;
    static void Publish(TPublisher<TTestPaletteSeries>& p) {
        using S = TTestPaletteSeries;
        p.Enumeration("PaletteStyle", TeePaletteStyleNames(), &S::PaletteStyle, &S::SetPaletteStyle)
            .Default(psPale);
    }
};

class PaletteSeriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        RegisterClass(&TTestPaletteSeries::StaticClass());
        Chart->AddSeries(Series);
    }
    // Y from 0 to 10 in steps of 1.
    void AddTenSteps() {
        for (int i = 0; i <= 10; ++i) Series->AddXYZValues(i, i, 0);
    }

    TFormatSettingsGuard PinnedFormats{TFormatSettings{}};
    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TTestPaletteSeries* Series = new TTestPaletteSeries(&Form);
};

TEST_F(PaletteSeriesTest, RangePercentColorWithAndWithoutAMiddle) {
    Series->SetStartColor(TColor(0x0000FF));  // red
    Series->SetEndColor(TColor(0xFF0000));    // blue
    EXPECT_EQ(Series->RangePercentColor(0), TColor(0xFF0000));
    EXPECT_EQ(Series->RangePercentColor(1), TColor(0x0000FF));
    // 0.25 of the way from 255 to 0 is 191.25 -> 191; from 0 to 255 is 63.75 -> 64.
    EXPECT_EQ(Series->RangePercentColor(0.25), TColor(0xBF0040));
    Series->SetMidColor(TColor(0x00FF00));
    // Halfway: 255 - 127.5 and 0 + 127.5, rounded to even (127 and 128).
    EXPECT_EQ(Series->RangePercentColor(0.25), TColor(0x7F8000));
    EXPECT_EQ(Series->RangePercentColor(0.5), TColor(0x00FF00));
    EXPECT_EQ(Series->RangePercentColor(0.75), TColor(0x007F80));
}

TEST_F(PaletteSeriesTest, ColorForValueAtAndBeyondBothEnds) {
    AddTenSteps();
    EXPECT_EQ(Series->ColorForValue(0), Series->EndColor());
    EXPECT_EQ(Series->ColorForValue(10), Series->StartColor());
    EXPECT_EQ(Series->ColorForValue(-1), Series->EndColor());
    EXPECT_EQ(Series->ColorForValue(11), Series->StartColor());
    EXPECT_EQ(Series->ValueColor(5), Series->RangePercentColor(0.5));
    // Without the range, the palette: the first bound above the value, else the last entry.
    Series->SetUseColorRange(false);
    Series->SetPalette(std::vector<TPaletteEntry>{{2, clRed}, {5, clGreen}, {8, clBlue}});
    Series->SetUsePalette(true);
    EXPECT_EQ(Series->ColorForValue(2), clGreen);
    EXPECT_EQ(Series->ColorForValue(1.9), clRed);
    EXPECT_EQ(Series->ColorForValue(99), clBlue);
    Series->OnGetColor = [](TChartSeries&, int index, TColor& c) {
        if (index == 0) c = clYellow;
    };
    EXPECT_EQ(Series->ValueColor(0), clYellow);
}

TEST_F(PaletteSeriesTest, AllValuesEqualGiveTheEndColorAndOneBound) {
    for (int i = 0; i < 3; ++i) Series->AddXYZValues(i, 4, 0);
    EXPECT_EQ(Series->ValueColor(1), Series->EndColor());
    Series->SetPaletteStyle(psGrayScale);
    Series->BuildPalette(3);
    for (const TPaletteEntry& e : Series->Palette()) EXPECT_EQ(e.UpToValue, 4);
}

TEST_F(PaletteSeriesTest, BuildPaletteForEveryStyle) {
    AddTenSteps();
    auto rgb = [](int r, int g, int b) { return TColor(r | g << 8 | b << 16); };
    // Pale and strong: sine waves over half or all of a turn; entry i at i * A / N.
    auto wave = [&](int i, double turn) {
        const double d = i * turn / 4;
        return rgb(int((std::sin(d / 2) + 1) * 127), int((std::sin(d) + 1) * 127),
                   int((std::cos(d) + 1) * 127));
    };
    struct {
        TTeePaletteStyle style;
        std::vector<TColor> colors;
    } cases[] = {
        {psGrayScale, {rgb(0, 0, 0), rgb(64, 64, 64), rgb(128, 128, 128), rgb(191, 191, 191)}},
        {psInvGray, {rgb(255, 255, 255), rgb(191, 191, 191), rgb(127, 127, 127), rgb(64, 64, 64)}},
        {psPale,
         {wave(0, std::numbers::pi), wave(1, std::numbers::pi), wave(2, std::numbers::pi),
          wave(3, std::numbers::pi)}},
        {psStrong,
         {wave(0, 2 * std::numbers::pi), wave(1, 2 * std::numbers::pi),
          wave(2, 2 * std::numbers::pi), wave(3, 2 * std::numbers::pi)}},
        {psRainbow, {TColor(0x000099), TColor(0x0000C3), TColor(0x0000EE), TColor(0x001AFF)}},
    };
    for (const auto& c : cases) {
        Series->SetPaletteStyle(c.style);
        Series->BuildPalette(4);
        std::vector<TColor> colors;
        std::vector<double> bounds;
        for (const TPaletteEntry& e : Series->Palette()) {
            colors.push_back(e.Color);
            bounds.push_back(e.UpToValue);
        }
        EXPECT_EQ(colors, c.colors) << int(c.style);
        // Ten units over three steps from the minimum.
        ASSERT_EQ(bounds.size(), 4u);
        EXPECT_DOUBLE_EQ(bounds[3], 10) << int(c.style);
    }
    // Custom: bounds anew, colours beyond the old length repeat the old ones.
    Series->SetPaletteStyle(psCustom);
    Series->SetPalette(std::vector<TPaletteEntry>{{0, clRed}, {1, clGreen}});
    Series->SetPaletteStep(1);
    Series->BuildPalette(5);
    std::vector<TPaletteEntry> expected{
        {0, clRed}, {1, clGreen}, {2, clRed}, {3, clGreen}, {4, clRed}};
    EXPECT_EQ(Series->Palette(), expected);
}

TEST_F(PaletteSeriesTest, RainbowLeavesTheChartPaletteAsItWas) {
    AddTenSteps();
    Chart->ColorPalette = {clRed, clGreen};
    Series->SetPaletteStyle(psRainbow);
    Series->BuildPalette(30);
    EXPECT_EQ(Chart->ColorPalette, (std::vector<TColor>{clRed, clGreen}));
    EXPECT_EQ(Series->Palette()[25].Color, TColor(0x000099));  // the rainbow wraps at 25
}

TEST_F(PaletteSeriesTest, StepsNeverNegativeAndStyleChangesEmptyThePalette) {
    AddTenSteps();
    Series->SetPaletteStyle(psCustom);
    Series->SetPaletteSteps(-5);
    EXPECT_EQ(Series->PaletteSteps(), 0);
    EXPECT_TRUE(Series->Palette().empty());
    Series->SetPaletteSteps(3);
    EXPECT_EQ(Series->Palette().size(), 3u);
    Series->SetPaletteStyle(psPale);
    EXPECT_TRUE(Series->Palette().empty());
    Series->PrepareForChartDraw();
    EXPECT_EQ(Series->Palette().size(), 3u);
}

TEST_F(PaletteSeriesTest, LegendRowsEveryFewEntriesHighestFirst) {
    AddTenSteps();
    Series->SetPaletteSteps(32);
    struct {
        int every;
        int count;
        int secondEntry;
    } cases[] = {{1, 32, 30}, {2, 16, 29}, {3, 11, 28}};
    for (const auto& c : cases) {
        Series->SetLegendEvery(c.every);
        EXPECT_EQ(Series->CountLegendItems(), c.count) << c.every;
        const TPaletteEntry& second = Series->Palette()[size_t(c.secondEntry)];
        EXPECT_EQ(Series->LegendItemColor(1), Series->ColorForValue(second.UpToValue));
    }
    EXPECT_EQ(Series->LegendItemText(11, ltsPlain), "");
    EXPECT_EQ(Series->LegendItemText(0, ltsPlain), "10");
}

std::string Bytes(TMemoryStream& s) { return std::string(s.Memory(), size_t(s.Size())); }

TEST_F(PaletteSeriesTest, CustomPaletteStreamsByteForByte) {
    TMemoryStream plain;
    WriteComponentToStream(plain, Series);
    EXPECT_EQ(Bytes(plain).find("CustomPalette"), std::string::npos);

    Series->SetPaletteStyle(psCustom);
    Series->SetPalette(std::vector<TPaletteEntry>{{1.5, TColor(0x112233)}, {-2, clBlack}});
    TMemoryStream stream;
    WriteComponentToStream(stream, Series);
    const std::string expected = std::string("CustomPalette") + char(vaBinary) +
                                 std::string("\x1C\0\0\0", 4) + std::string("\x02\0\0\0", 4) +
                                 std::string("\0\0\0\0\0\0\xF8\x3F", 8) +
                                 std::string("\x33\x22\x11\0", 4) +
                                 std::string("\0\0\0\0\0\0\0\xC0", 8) + std::string("\0\0\0\0", 4);
    EXPECT_NE(Bytes(stream).find(expected), std::string::npos);

    stream.SetPosition(0);
    TTestPaletteSeries copy(nullptr);
    ReadComponentFromStream(stream, &copy);
    EXPECT_EQ(copy.PaletteStyle(), psCustom);
    EXPECT_EQ(copy.Palette(), Series->Palette());
}

TEST_F(PaletteSeriesTest, CorruptPaletteCountsAreRefused) {
    Series->SetPaletteStyle(psCustom);
    Series->SetPalette(std::vector<TPaletteEntry>{{1, clRed}});
    TMemoryStream stream;
    WriteComponentToStream(stream, Series);
    std::string bytes = Bytes(stream);
    const size_t count = bytes.find("CustomPalette") + 13 + 1 + 4;
    for (int32_t bad : {-1, 2, 0x7FFFFFFF}) {
        std::string corrupt = bytes;
        corrupt.replace(count, 4, std::string(reinterpret_cast<const char*>(&bad), 4));
        TMemoryStream in;
        in.WriteBuffer(corrupt.data(), int64_t(corrupt.size()));
        in.SetPosition(0);
        TTestPaletteSeries copy(nullptr);
        EXPECT_THROW(ReadComponentFromStream(in, &copy), EReadError) << bad;
        EXPECT_TRUE(copy.Palette().empty()) << bad;
    }
}

}  // namespace
