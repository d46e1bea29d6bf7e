// The gauge base: its palettes, its band of the chart, the frame's rings, the face inside them,
// the value that announces only a change, and the frame's round default after Assign.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "chart/engine/ColorPalettes.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/foundation/TeeShape.h"
#include "chart/series/gauge/CustomGauge.h"
#include "chart/series/gauge/FramedBorder.h"
#include "chart/series/gauge/GaugePalettes.h"
#include "chart/series/gauge/NumericGaugeEditor.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/SpeedButton.h"
#include "tests/chart/series/GalleryRoundTrip.h"
#include "tests/chart/series/gauge/GaugeChartFixture.h"

namespace {

std::string PaletteText(const TGaugePalette& palette) {
    std::string text;
    char entry[16];
    for (TColor c : palette) {
        std::snprintf(entry, sizeof entry, "%s%06X", text.empty() ? "" : " ", unsigned(c));
        text += entry;
    }
    return text;
}

TEST(GaugePalettesTest, BuiltInPalettesEntryByEntry) {
    EXPECT_EQ(PaletteText(GaugeLCDPalette),
              "282828 323232 646464 82AAAA C8DBDB 82AAAA 282864 000000 646464 646464 000000 "
              "1EC81E 3C73C8 3C73C8 3C73C8 0A3296 828282 828282 000000 1E1E1E 282828 646464 "
              "646464 646464");
    EXPECT_EQ(PaletteText(GaugeLEDPalette),
              "7D3705 C8780A A05A05 0A0A0A 0A0A0A 0A0A0A 282864 000000 646464 646464 000000 "
              "1EC81E 3C73C8 3C73C8 3C73C8 0A3296 828282 828282 000000 1E1E1E 1E1EFF 646464 "
              "646464 646464");
    EXPECT_EQ(PaletteText(GaugeScalePalette),
              "282828 323232 646464 0F0F0F 484848 0F0F0F 282864 1FFFFFFF 646464 646464 1FFFFFFF "
              "1EC81E 3C73C8 0000FF 3C73C8 0A3296 828282 828282 1FFFFFFF 1E1E1E 646464 646464 "
              "646464 646464");
}

class CustomGaugeTest : public GaugeChartFixture {};

TEST_F(CustomGaugeTest, PaletteColorsAndWhatApplyingAPaletteRecolours) {
    TCustomGauge loose(nullptr);
    EXPECT_EQ(loose.PaletteColor(3), clBlack);
    auto* gauge = Add<TCustomGauge>();
    Chart->ColorPalette = {clRed, clGreen, clBlue};
    EXPECT_EQ(gauge->PaletteColor(1), clGreen);
    const TColor shortPalette[] = {0x010101, 0x020202, 0x030303, 0x040404};
    gauge->ApplyPalette(shortPalette);
    EXPECT_EQ(gauge->PaletteColor(2), 0x030303);
    EXPECT_EQ(gauge->PaletteColor(23), 0x040404);
    gauge->ApplyPalette(GaugeLEDPalette);
    EXPECT_EQ(gauge->Palette().size(), 24u);
    const TTeeGradient& face = *gauge->Face()->Gradient();
    EXPECT_EQ(face.StartColor(), 0x0A0A0A);
    EXPECT_EQ(face.MidColor(), 0x0A0A0A);
    EXPECT_EQ(gauge->Frame()->OuterBrush()->BackColor(), 0x7D3705);
    EXPECT_EQ(gauge->Frame()->MiddleBrush()->Gradient()->EndColor(), 0xC8780A);
    EXPECT_EQ(gauge->Frame()->InnerBrush()->BackColor(), 0xA05A05);
}

TEST_F(CustomGaugeTest, ActiveGaugesShareTheChartHeightInBands) {
    auto* first = Add<TCustomGauge>();
    auto* hidden = Add<TCustomGauge>();
    auto* second = Add<TCustomGauge>();
    hidden->SetActive(false);
    first->CalcGaugeRect();
    second->CalcGaugeRect();
    // 300 pixels for two gauges: 150 each, 3 pixels short.
    EXPECT_EQ(first->GaugeRect(), (TRect{20, 10, 420, 157}));
    EXPECT_EQ(second->GaugeRect(), (TRect{20, 160, 420, 307}));
    second->SetActive(false);
    first->CalcGaugeRect();
    EXPECT_EQ(first->GaugeRect(), (TRect{20, 10, 420, 307}));
    // A click inside the band hits point 0.
    EXPECT_EQ(first->ValueIndexAt(30, 300), 0);
    EXPECT_EQ(first->ValueIndexAt(30, 308), -1);
}

TEST_F(CustomGaugeTest, RingsAreTenSeventyAndTwentyPercentOfTheFrame) {
    struct Case {
        int width;
        TRect rect;
        TRect middle, inner, inside;
    };
    const Case cases[] = {
        // Frame 10 % of 100 = 10 pixels: rings of 1, 7 and 2.
        {10, {0, 0, 200, 100}, {1, 1, 199, 99}, {8, 8, 192, 92}, {10, 10, 190, 90}},
        // 25 % of 80 = 20: 2, 14, 4.
        {25, {10, 20, 90, 120}, {12, 22, 88, 118}, {26, 36, 74, 104}, {30, 40, 70, 100}},
        // No frame width: every rectangle is the outer one.
        {0, {0, 0, 50, 40}, {0, 0, 50, 40}, {0, 0, 50, 40}, {0, 0, 50, 40}},
    };
    for (const Case& c : cases) {
        TFramedBorder frame;
        frame.SetWidth(c.width);
        const auto rings = frame.RingRects(c.rect);
        EXPECT_EQ(rings[0], c.rect) << c.width;
        EXPECT_EQ(rings[1], c.middle) << c.width;
        EXPECT_EQ(rings[2], c.inner) << c.width;
        EXPECT_EQ(rings[3], c.inside) << c.width;
    }
}

TEST_F(CustomGaugeTest, DrawingFillsTheRingsInPaletteColoursAroundTheFace) {
    auto* gauge = Add<TCustomGauge>();
    gauge->ApplyPalette(GaugeScalePalette);
    Draw();
    // The band 400 x 297; the frame 10 % of 297 = 30 pixels: rings of 3, 21 and 6.
    EXPECT_EQ(gauge->GaugeRect(), (TRect{20, 10, 420, 307}));
    EXPECT_EQ(gauge->FaceRect(), (TRect{50, 40, 390, 277}));
    // The rings follow each other, from the band inwards.
    const auto rects = CallsOf("Rectangle");
    const auto outer = std::find_if(rects.begin(), rects.end(), [](const TCanvas3DCall& c) {
        return c.Args == std::vector<int>{20, 10, 420, 307};
    });
    ASSERT_GE(std::distance(outer, rects.end()), 3);
    EXPECT_EQ(outer[0].BrushColor, 0x282828);
    EXPECT_EQ(outer[1].Args, (std::vector<int>{23, 13, 417, 304}));
    EXPECT_EQ(outer[1].BrushColor, 0x323232);
    EXPECT_EQ(outer[2].Args, (std::vector<int>{44, 34, 396, 283}));
    EXPECT_EQ(outer[2].BrushColor, 0x646464);

    // Round: ellipses instead; without the frame the face fills the whole band.
    gauge->Frame()->SetCircled(true);
    Draw();
    EXPECT_EQ(CallsOf("Ellipse").size(), 3u);
    gauge->Frame()->SetVisible(false);
    Draw();
    EXPECT_TRUE(CallsOf("Ellipse").empty());
    EXPECT_EQ(gauge->FaceRect(), gauge->GaugeRect());
}

TEST_F(CustomGaugeTest, SettingTheSameValueAnnouncesNothing) {
    auto* gauge = Add<TCustomGauge>();
    int changes = 0;
    gauge->OnChange = [&](TObject*) { ++changes; };
    gauge->SetValue(42);
    EXPECT_EQ(changes, 1);
    const int repaints = Chart->Invalidations;
    gauge->SetValue(42);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Chart->Invalidations, repaints);
    gauge->SetValue(43);
    EXPECT_EQ(changes, 2);
    EXPECT_GT(Chart->Invalidations, repaints);
    // With its points deleted the gauge reads 0, and the next value is added as the point.
    gauge->Clear();
    EXPECT_EQ(gauge->Value(), 0);
    gauge->SetValue(7);
    EXPECT_EQ(gauge->Count(), 1);
    EXPECT_EQ(gauge->Value(), 7);
    EXPECT_EQ(changes, 3);
}

TEST_F(CustomGaugeTest, AssignCopiesFaceFrameAndValueButNotTheRoundFrame) {
    TCustomGauge source(nullptr);
    source.SetValue(12.5);
    source.Frame()->SetWidth(20);
    source.Frame()->SetCircled(true);
    source.Face()->SetShapeStyle(fosEllipse);
    TCustomGauge target(nullptr);
    target.Assign(&source);
    EXPECT_EQ(target.Value(), 12.5);
    EXPECT_EQ(target.Frame()->Width(), 20);
    EXPECT_EQ(target.Face()->ShapeStyle(), fosEllipse);
    EXPECT_FALSE(target.Frame()->Circled());
}

TEST_F(CustomGaugeTest, EditorLoadsQuietlyThenSetsValueAndPalette) {
    auto* gauge = Add<TCustomGauge>();
    gauge->SetValue(10);
    const std::string before = ChartSnapshot(*Chart);
    TForm window(nullptr);
    window.SetBounds(0, 0, 500, 320);
    auto* form = new TNumericGaugeEditor(&window);
    form->SetBorderStyle(bsNone);
    form->SetTagObject(gauge);
    form->SetParent(&window);
    window.Show();
    form->Show();
    EXPECT_EQ(ChartSnapshot(*Chart), before);
    EXPECT_EQ(form->EValue->Text(), "10");
    EXPECT_FALSE(form->TabMarkers->TabVisible());

    // A text that is no number keeps the value; "+" steps it.
    form->EValue->SetText("12.5");
    form->EValue->SetText("twelve");
    EXPECT_EQ(gauge->Value(), 12.5);
    form->SBPlus->Click();
    EXPECT_EQ(gauge->Value(), 13.5);
    EXPECT_EQ(form->EValue->Text(), "13.5");

    // Palette choices: LED, a library palette, then the chart's colours.
    form->ApplyPaletteChoice(2);
    EXPECT_EQ(gauge->PaletteColor(0), 0x7D3705);
    form->ApplyPaletteChoice(3 + 1);
    const std::span<const TColor> library = PaletteColors(1);
    ASSERT_FALSE(library.empty());
    EXPECT_TRUE(std::equal(gauge->Palette().begin(), gauge->Palette().end(), library.begin(),
                           library.end()));
    form->ApplyPaletteChoice(0);
    EXPECT_TRUE(gauge->Palette().empty());
    EXPECT_EQ(gauge->PaletteColor(0), Chart->PaletteColor(0));
}

}  // namespace
