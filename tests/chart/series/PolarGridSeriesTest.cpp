// The polar grid: cell polygons with and without centred sectors, cells reaching the centre, a
// sector count below 1, the colours and legend from the palette, and the series from the
// gallery through its form and the stream. The chart is that of PriceChartFixture: centre
// (400, 150), radii 300 across and 130 down.
#include <gtest/gtest.h>

#include <array>

#include "chart/editors/Grid3DSeriesEditor.h"
#include "chart/engine/ChartAxis.h"
#include "chart/series/polar/PolarGridEditor.h"
#include "chart/series/polar/PolarGridSeries.h"
#include "platform/ui/CheckBox.h"
#include "tests/chart/series/GalleryRoundTrip.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

class PolarGridTest : public PriceChartFixture {
protected:
    TPolarGridSeries* MakeGrid(int sectors) {
        auto* grid = Add<TPolarGridSeries>();
        grid->SetNumSectors(sectors);
        grid->SetNumTracks(2);
        Chart->LeftAxis()->SetLimits(0, 2);
        return grid;
    }
};

TEST_F(PolarGridTest, CellCornersWithAndWithoutCentredSectors) {
    struct Case {
        bool centered;
        double track;
        std::array<TPoint, 4> corners;
    };
    // Four sectors of 90 degrees, sector 0 at the top (rotation 90).
    const Case cases[] = {
        {true, 2, {TPoint{612, 58}, TPoint{188, 58}, TPoint{294, 104}, TPoint{506, 104}}},
        {false, 2, {TPoint{400, 20}, TPoint{100, 150}, TPoint{250, 150}, TPoint{400, 85}}},
        {false, 0, {TPoint{400, 150}, TPoint{400, 150}, TPoint{400, 150}, TPoint{400, 150}}},
    };
    auto* grid = MakeGrid(4);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.centered << " " << c.track);
        grid->Clear();
        grid->AddCell(0, int(c.track), 1);
        grid->SetCentered(c.centered);
        Draw();
        const std::array<TPoint, 4> cell = grid->CellPolygon(0);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(cell[k].X, c.corners[k].X) << k;
            EXPECT_EQ(cell[k].Y, c.corners[k].Y) << k;
        }
    }
    EXPECT_DOUBLE_EQ(grid->AngleIncrement(), 90);
}

TEST_F(PolarGridTest, SectorCountBelowOneCountsAsOne) {
    for (int sectors : {0, -3}) {
        auto* grid = MakeGrid(sectors);
        grid->AddCell(0, 1, 5);
        Draw();
        EXPECT_DOUBLE_EQ(grid->AngleIncrement(), 360);
        EXPECT_EQ(grid->AngleLabelText(0, 0), "0");
        TObject::Free(grid);
    }
}

TEST_F(PolarGridTest, ColoursAndLegendComeFromThePalette) {
    auto* grid = MakeGrid(4);
    grid->FillSampleValues(6);
    EXPECT_EQ(grid->NumSectors(), 6);
    EXPECT_EQ(grid->Count(), 36);
    Draw();
    const TPolarGridPaletteSeries& palette = *grid->PaletteSeries();
    EXPECT_EQ(grid->CountLegendItems(), palette.CountLegendItems());
    EXPECT_NE(grid->CountLegendItems(), grid->Count());
    const double low = grid->CellValues().Minimum(), high = grid->CellValues().Maximum();
    EXPECT_EQ(grid->CellValueColor(low), palette.ColorForValue(low));
    EXPECT_NE(grid->CellValueColor(low), grid->CellValueColor(high));
    // A cell is hit inside its polygon.
    const std::array<TPoint, 4> cell = grid->CellPolygon(5);
    const int x = (cell[0].X + cell[1].X + cell[2].X + cell[3].X) / 4;
    const int y = (cell[0].Y + cell[1].Y + cell[2].Y + cell[3].Y) / 4;
    EXPECT_EQ(grid->ValueIndexAt(x, y), 5);
    // A palette change repaints through the private chart.
    grid->Palette()->Series().SetStartColor(clRed);
    EXPECT_EQ(grid->PaletteSeries()->StartColor(), clRed);
}

TEST(PolarGridGalleryTest, PolarGridThroughItsForm) {
    TSeriesLibraryStartup library;
    TTeeSeriesType* entry = FindGalleryEntry("Polar Grid");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(*entry->PageText, "3D");
    TGalleryRoundTrip trip(*entry);
    auto* grid = static_cast<TPolarGridSeries*>(trip.Series);
    EXPECT_GT(grid->Count(), 0);
    trip.Draw();
    auto* form = dynamic_cast<TPolarGridEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->CBClose->Visible());
    EXPECT_TRUE(form->CBCentered->Checked());
    form->CBCentered->SetChecked(false);
    EXPECT_FALSE(grid->Centered());
    ASSERT_NE(form->PaletteEditor(), nullptr);
    EXPECT_EQ(form->PaletteEditor()->Series(), grid->PaletteSeries());
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

}  // namespace
