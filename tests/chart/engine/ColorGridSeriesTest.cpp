// The colour grid series: cell edges and extremes, the cells painted through the bitmap (holes
// where points are missing, white cells kept), rectangles for irregular grids, grid lines,
// pictures turned into points, and clicks on cells.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Chart3DDrawFixture.h"
#include "chart/engine/grid3d/ColorGridSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/View3DOptions.h"

namespace {

constexpr TColor Gray = TColor(0x808080);

class ColorGridSeriesTest : public TChart3DDrawFixture<> {
protected:
    void SetUp() override {
        TChart3DDrawFixture::SetUp();
        Chart->AddSeries(Series);
    }
    // The calls of one operation in the series' own pass.
    std::vector<TCanvas3DCall> CallsOf(const std::string& op) {
        DrawSeries(*Series);
        std::vector<TCanvas3DCall> out;
        for (const TCanvas3DCall& c : Canvas->Calls())
            if (c.Op == op) out.push_back(c);
        return out;
    }
    // The screen centre of the cell of point i.
    TPoint CellCentre(int i) {
        const double shift = Series->CenteredPoints() ? 0 : 0.5;
        return TPoint{Series->XValueToPixel(Series->XValues()[i] + shift),
                      Series->YValueToPixel(Series->ZValues()[i] + shift)};
    }

    TColorGridSeries* Series = new TColorGridSeries(&Form);
};

TEST_F(ColorGridSeriesTest, CellEdgesMakeTheExtremes) {
    Series->AddXYZValues(2, 7, 5);
    // A point at (2, 5) covers 2 .. 3 by 5 .. 6; Z is on the vertical axis.
    EXPECT_EQ(Series->GetMinXValue(), 2);
    EXPECT_EQ(Series->GetMaxXValue(), 3);
    EXPECT_EQ(Series->GetMinZValue(), 5);
    EXPECT_EQ(Series->GetMaxZValue(), 6);
    EXPECT_EQ(Series->GetMinYValue(), 5);
    EXPECT_EQ(Series->GetMaxYValue(), 6);
    Series->SetCenteredPoints(true);
    EXPECT_EQ(Series->GetMinXValue(), 1.5);
    EXPECT_EQ(Series->GetMaxXValue(), 2.5);
    // An irregular grid of equal spacing ends one spacing beyond its last value.
    Series->Clear();
    Series->SetCenteredPoints(false);
    Series->SetIrregularGrid(true);
    for (double x : {0.5, 1.0, 1.5}) Series->AddXYZValues(x, 1, 0);
    EXPECT_EQ(Series->GetMaxXValue(), 2.0);
    Series->AddXYZValues(4, 1, 0);  // no longer equally spaced
    EXPECT_EQ(Series->GetMaxXValue(), 4.0);
}

TEST_F(ColorGridSeriesTest, OneCellOnePixelStretchedOverOneUnit) {
    Series->AddXYZPoint(0, 1, 0, {}, clRed);
    DrawSeries(*Series);
    ASSERT_EQ(Series->Bitmap()->Width(), 1);
    ASSERT_EQ(Series->Bitmap()->Height(), 1);
    EXPECT_EQ(Series->Bitmap()->Canvas()->Pixel(0, 0), clRed);
    EXPECT_FALSE(Series->Bitmap()->Transparent());
}

// A zoomed axis: only the cells within it go into the bitmap.
TEST_F(ColorGridSeriesTest, OnlyTheVisibleCellsArePainted) {
    for (int x = 0; x < 10; ++x) Series->AddXYZValues(x, x, 0);
    Chart->BottomAxis()->SetLimits(2.5, 5.5);
    Chart->BottomAxis()->SetAutomatic(false);
    DrawSeries(*Series);
    // Cells 2 .. 5 (from 2 to 6) cover 2.5 .. 5.5.
    EXPECT_EQ(Series->Bitmap()->Width(), 4);
    EXPECT_EQ(Series->Bitmap()->Height(), 1);
    EXPECT_EQ(Series->Bitmap()->Canvas()->Pixel(0, 0), Series->ValueColor(2));
}

// On real pixels: a grey panel behind a 3 x 2 map whose white cell must stay white while the
// cells of a missing point and of a clNone point show the panel.
TEST_F(ColorGridSeriesTest, WhiteCellsStayVisibleWhereMissingPointsLeaveHoles) {
    auto* chart = new TChart(&Form);
    chart->SetBounds(0, 0, 300, 200);
    chart->SetView3D(false);
    chart->SetColor(Gray);
    chart->Legend()->SetVisible(false);
    auto* grid = new TColorGridSeries(&Form);
    chart->AddSeries(grid);
    grid->Pen()->SetVisible(false);
    grid->AddXYZPoint(0, 1, 0, {}, clWhite);
    grid->AddXYZPoint(1, 2, 0, {}, clRed);
    grid->AddXYZPoint(2, 3, 0, {}, clNone);
    grid->AddXYZPoint(0, 4, 1, {}, clBlue);
    grid->AddXYZPoint(2, 5, 1, {}, clWhite);  // (1, 1) has no point
    for (bool smooth : {false, true}) {
        grid->SetSmoothBitmap(smooth);
        TBitmap target(300, 200);
        target.SetPixelFormat(pf24bit);
        chart->Draw(target.Canvas(), TRect{0, 0, 300, 200});
        auto at = [&](double x, double z) {
            return target.Canvas()->Pixel(grid->XValueToPixel(x), grid->YValueToPixel(z));
        };
        SCOPED_TRACE(smooth ? "smoothed" : "stretched");
        const std::pair<TPoint, TColor> cells[] = {
            {{0, 0}, clWhite}, {{1, 0}, clRed}, {{0, 1}, clBlue}, {{2, 1}, clWhite}};
        for (auto [cell, color] : cells) {
            const TColor seen = at(cell.X + 0.5, cell.Y + 0.5);
            // Smoothing blends neighbouring cells; the holes stay sharp either way.
            if (smooth)
                EXPECT_NE(seen, Gray) << cell.X << "," << cell.Y;
            else
                EXPECT_EQ(seen, color) << cell.X << "," << cell.Y;
        }
        EXPECT_EQ(at(2.5, 0.5), Gray);  // clNone
        EXPECT_EQ(at(1.5, 1.5), Gray);  // missing
    }
}

// On a plane of the 3-D box the cells are drawn one by one, and the holes are left out there too.
TEST_F(ColorGridSeriesTest, CellsOnAPlaneLeaveTheHolesOut) {
    Chart->SetView3D(true);
    Chart->View3DOptions()->SetOrthogonal(false);
    Series->SetDrawPlane3D(cpY);
    Series->Pen()->SetVisible(false);
    Series->AddXYZPoint(0, 1, 0, {}, clWhite);
    Series->AddXYZPoint(1, 2, 0, {}, clRed);
    Series->AddXYZPoint(0, 3, 1, {}, clBlue);  // (1, 1) has no point
    std::vector<TColor> colors;
    for (const TCanvas3DCall& c : CallsOf("Polygon")) colors.push_back(c.BrushColor);
    std::sort(colors.begin(), colors.end());
    EXPECT_EQ(colors, (std::vector<TColor>{clRed, clBlue, clWhite}));
}

TEST_F(ColorGridSeriesTest, IrregularGridsFillOneRectanglePerCell) {
    Series->SetIrregularGrid(true);
    Series->Pen()->SetVisible(false);
    Series->AddXYZPoint(0, 1, 0, {}, clRed);
    Series->AddXYZPoint(0.5, 1, 0, {}, clGreen);
    Series->AddXYZPoint(2, 1, 0, {}, clNone);
    Series->AddXYZPoint(0, 1, 3, {}, clBlue);
    const std::vector<TCanvas3DCall> cells = CallsOf("Polygon");
    std::vector<TColor> colors;
    for (const TCanvas3DCall& c : cells) colors.push_back(c.BrushColor);
    EXPECT_EQ(colors, (std::vector<TColor>{clRed, clBlue, clGreen}));
    // The green cell runs from 0.5 to the next value, 2.
    const TCanvas3DCall& green = cells[2];
    const TPoint left = Chart->Canvas3D()->ProjectPoint(Series->XValueToPixel(0.5), 0, 0);
    const TPoint right = Chart->Canvas3D()->ProjectPoint(Series->XValueToPixel(2), 0, 0);
    EXPECT_EQ(std::min(green.Args[0], green.Args[2]), left.X);
    EXPECT_EQ(std::max(green.Args[0], green.Args[2]), right.X);
}

TEST_F(ColorGridSeriesTest, GridLinesBetweenEveryNthRowAndColumn) {
    for (int z = 0; z < 3; ++z)
        for (int x = 0; x < 5; ++x) Series->AddXYZValues(x, x + z, z);
    EXPECT_EQ(CallsOf("LineTo").size(), 4u + 2u);
    Series->SetXGridEvery(2);
    Series->SetZGridEvery(2);
    EXPECT_EQ(CallsOf("LineTo").size(), 2u + 1u);
    Series->Pen()->SetVisible(false);
    EXPECT_TRUE(CallsOf("LineTo").empty());
    // The frame outlines the whole map.
    Series->Frame()->SetVisible(true);
    EXPECT_EQ(CallsOf("Polygon").size(), 1u);
}

TEST_F(ColorGridSeriesTest, PicturesBecomeOnePointPerPixel) {
    TBitmap picture(3, 2);
    picture.SetPixelFormat(pf24bit);
    picture.Canvas()->SetPixel(2, 1, clRed);
    Series->LoadBitmap(&picture);
    ASSERT_EQ(Series->Count(), 6);
    EXPECT_TRUE(Series->CenteredPoints());
    EXPECT_EQ(Series->NumXValues(), 3);
    EXPECT_EQ(Series->NumZValues(), 2);
    EXPECT_EQ(Series->XValues()[5], 3);
    EXPECT_EQ(Series->ZValues()[5], 2);
    EXPECT_EQ(Series->YValues()[5], double(clRed));
    EXPECT_EQ(Series->ValueColor(5), clRed);
    EXPECT_EQ(Series->ValueColor(0), clWhite);
}

TEST_F(ColorGridSeriesTest, ClicksFindTheCellUnderTheMouse) {
    for (bool irregular : {false, true}) {
        for (bool centered : {false, true}) {
            SCOPED_TRACE(std::string(irregular ? "irregular" : "regular") +
                         (centered ? ", centred" : ""));
            Series->Clear();
            Series->SetIrregularGrid(irregular);
            Series->SetCenteredPoints(centered);
            for (int z = 0; z < 2; ++z)
                for (int x = 0; x < 3; ++x)
                    if (x != 1 || z != 1) Series->AddXYZValues(x * 2, x + z, z * 2);
            DrawSeries(*Series);
            for (int i = 0; i < Series->Count(); ++i) {
                const TPoint p = CellCentre(i);
                EXPECT_EQ(Series->ValueIndexAt(p.X, p.Y), i) << "point " << i;
            }
            // The missing cell, and a place outside the map.
            const TPoint hole{Series->XValueToPixel(centered ? 2 : 2.5),
                              Series->YValueToPixel(centered ? 2 : 2.5)};
            EXPECT_EQ(Series->ValueIndexAt(hole.X, hole.Y), -1);
            EXPECT_EQ(Series->ValueIndexAt(1, 1), -1);
        }
    }
}

}  // namespace
