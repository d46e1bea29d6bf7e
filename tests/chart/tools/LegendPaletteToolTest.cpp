// The legend palette tool: a bar of bands, one a palette entry of the bound series (contour
// levels, a 3-D palette, a polar grid's palette), placed in pixels or percent, turned and
// inverted; the mouse over it stops there; its stream and its editor.
#include <gtest/gtest.h>

#include <vector>

#include "chart/engine/ChartAxis.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/grid3d/ContourSeries.h"
#include "chart/engine/grid3d/GridSeriesRegistration.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/TeeZoom.h"
#include "chart/series/polar/PolarGridSeries.h"
#include "chart/tools/legend/LegendPaletteEditor.h"
#include "chart/tools/legend/LegendPaletteTool.h"
#include "chart/tools/legend/PaletteChart.h"
#include "chart/tools/legend/PaletteSeries.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolEditorLoad.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/chart/tools/ToolsPageDriver.h"

namespace {

struct TGridClasses {
    TGridClasses() { GridSeriesUnitStartup(); }
    ~TGridClasses() { GridSeriesUnitShutdown(); }
};

const std::vector<TColor> LevelColors = {TColor(0x0000FF), TColor(0x00FF00), TColor(0xFF0000),
                                         TColor(0x00FFFF), TColor(0xFF00FF)};

struct LegendPaletteToolTest : ::testing::Test {
    TGridClasses classes;
    TToolBench bench;
    TContourSeries* contour = new TContourSeries(&bench.Form());
    TLegendPaletteTool* tool = bench.AddTool<TLegendPaletteTool>();
    LegendPaletteToolTest() {
        contour->SetName("Contour1");
        bench.Chart().AddSeries(contour);
        for (int x = 0; x < 3; ++x)
            for (int z = 0; z < 3; ++z) contour->AddXYZValues(x, 10 * (x + z), z);
        for (size_t i = 0; i < LevelColors.size(); ++i) {
            auto* level = static_cast<TContourLevel*>(contour->Levels()->Add());
            level->SetUpToValue(10.0 * double(i + 1));
            level->SetColor(LevelColors[i]);
        }
        tool->SetSeries(contour);
    }
    TPaletteSeries& Bar() { return *tool->PaletteSeries(); }
    // The colour in the middle of band i, on the host chart.
    TColor BandColor(int i) {
        const TRect r = Bar().BandRect(i);
        return bench.FrontPixel((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
};

TEST_F(LegendPaletteToolTest, AContoursFiveLevelsAreFiveBandsOnTheValueAxis) {
    bench.Render();
    ASSERT_EQ(Bar().Count(), 5);
    const TRect bar = tool->BarRect();
    EXPECT_EQ(bar, (TRect{10, 10, 110, 210}));
    int previousTop = bar.Bottom;
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Bar().XValues()[i], i);
        EXPECT_EQ(Bar().YValues()[i], 10.0 * (i + 1));
        EXPECT_EQ(Bar().ValueColor(i), LevelColors[size_t(i)]);
        // Upwards, each band on the one below it, inside the bar, in its level's colour.
        const TRect band = Bar().BandRect(i);
        EXPECT_LT(band.Top, previousTop);
        EXPECT_GT(band.Top, bar.Top);
        previousTop = band.Top;
        // The first band runs up from the axis' end, where the automatic axis starts anyway.
        if (i > 0) {
            EXPECT_EQ(BandColor(i), LevelColors[size_t(i)]);
        }
    }
    // The axis beside the bands reads the levels' values.
    TChartAxis& axis = *tool->PaletteChart()->LeftAxis();
    EXPECT_LE(axis.Minimum(), 10);
    EXPECT_GE(axis.Maximum(), 50);
    EXPECT_EQ(Bar().BandRect(4).Top, axis.PixelOfValue(50) + 1);

    // Inverted, the bands run downwards.
    tool->SetInverted(true);
    bench.Render();
    EXPECT_GT(Bar().BandRect(4).Top, Bar().BandRect(0).Top);
    EXPECT_EQ(BandColor(1), LevelColors[1]);
}

TEST_F(LegendPaletteToolTest, PlacedInPercentAndTurnedOnItsSide) {
    tool->SetPositionUnits(muPercent);
    tool->SetLeft(50);
    tool->SetTop(10);
    EXPECT_EQ(tool->BarRect(), (TRect{200, 30, 300, 230}));
    tool->SetVertical(false);
    EXPECT_EQ(tool->Width(), 200);
    EXPECT_EQ(tool->Height(), 100);
    EXPECT_FALSE(tool->PaletteChart()->LeftAxis()->Visible());
    EXPECT_TRUE(tool->PaletteChart()->BottomAxis()->Visible());
    bench.Render();
    // Sideways the values run along X, the bands left to right.
    EXPECT_EQ(Bar().XValues()[2], 30);
    EXPECT_LT(Bar().BandRect(0).Left, Bar().BandRect(4).Left);
    EXPECT_EQ(BandColor(3), LevelColors[3]);
}

TEST_F(LegendPaletteToolTest, APressOnTheBarGoesNoFurther) {
    bench.Render();
    bench.Press(60, 100);
    EXPECT_FALSE(bench.Chart().Zoom()->Active);
    bench.Release(60, 100);
    bench.Press(300, 100);
    EXPECT_TRUE(bench.Chart().Zoom()->Active);
    bench.Release(300, 100);
}

TEST_F(LegendPaletteToolTest, WithoutASeriesOrWithAnotherOneTheBarIsEmpty) {
    tool->SetSeries(nullptr);
    bench.Render();
    EXPECT_EQ(Bar().Count(), 0);
    tool->SetSeries(bench.AddSeries({{1, 1}}));
    bench.Render();
    EXPECT_EQ(Bar().Count(), 0);
}

TEST_F(LegendPaletteToolTest, APolarGridShowsItsPaletteInItsCellColours) {
    auto* grid = new TPolarGridSeries(&bench.Form());
    bench.Chart().AddSeries(grid);
    for (int sector = 0; sector < 4; ++sector)
        for (int track = 1; track <= 3; ++track) grid->AddCell(sector, track, sector * track);
    grid->Palette()->Series().SetPaletteSteps(6);
    contour->SetActive(false);
    tool->SetSeries(grid);
    bench.Render();
    const auto entries = grid->Palette()->GetPalette();
    ASSERT_EQ(Bar().Count(), int(entries.size()));
    ASSERT_GT(entries.size(), 1u);
    for (int i = 0; i < Bar().Count(); ++i) {
        EXPECT_EQ(Bar().YValues()[i], entries[size_t(i)].UpToValue);
        EXPECT_EQ(Bar().ValueColor(i), grid->CellValueColor(entries[size_t(i)].UpToValue));
    }
}

TEST_F(LegendPaletteToolTest, StreamsAndItsEditorLoadsWithoutChangingTheChart) {
    tool->SetAxis(laOther);
    tool->SetVertical(false);
    tool->SetHeight(80);
    tool->SetSmooth(true);
    tool->SetInverted(true);
    tool->SetTransparent(true);
    tool->SetPositionUnits(muPercent);
    bench.Render();
    ExpectToolRoundTrips(bench, *tool);
    {
        TComponent owner(nullptr);
        TTeeCustomTool* read = ReadBackTool(bench, *tool, true, owner);
        auto* copy = dynamic_cast<TLegendPaletteTool*>(read);
        ASSERT_NE(copy, nullptr);
        // The sizes as they were for the orientation read.
        EXPECT_EQ(copy->Width(), 200);
        EXPECT_EQ(copy->Height(), 80);
        EXPECT_FALSE(copy->Vertical());
        EXPECT_EQ(copy->Axis(), laOther);
    }

    TComponent owner(nullptr);
    auto* editor = ShowToolEditor<TLegendPaletteEditor>(bench, *tool, owner);
    EXPECT_TRUE(editor->CBInverted->Checked());
    EXPECT_FALSE(editor->CBVertical->Checked());
    EXPECT_EQ(editor->UDHeight->Position(), 80);
    // Back to pixels and then to percent: a left beyond 100 comes back to 100.
    editor->CBUnits->SetItemIndex(1);
    editor->CBUnits->OnChange(editor->CBUnits);
    tool->SetLeft(150);
    editor->CBUnits->SetItemIndex(0);
    editor->CBUnits->OnChange(editor->CBUnits);
    EXPECT_EQ(tool->PositionUnits(), muPercent);
    EXPECT_EQ(tool->Left(), 100);
    // Turned upright again from the form, the size page shows the swapped size.
    editor->CBVertical->SetChecked(true);
    EXPECT_TRUE(tool->Vertical());
    EXPECT_EQ(editor->UDWidth->Position(), 80);
}

TEST_F(LegendPaletteToolTest, TheGalleryMakesOneAndItsEditorListsThePaletteSeries) {
    TToolsPageDriver page{bench};
    auto* made =
        dynamic_cast<TLegendPaletteTool*>(page.AddFromGallery(&TLegendPaletteTool::StaticClass()));
    ASSERT_NE(made, nullptr);
    auto* editor = page.Editor<TLegendPaletteEditor>();
    ASSERT_NE(editor, nullptr);
    bench.AddSeries({{1, 1}});
    editor->Show();
    EXPECT_EQ(editor->CBSeries->Items()->Count(), 1);
    EXPECT_EQ(editor->CBSeries->Items()->Strings(0), bench.Chart().SeriesTitleText(contour));
}

}  // namespace
