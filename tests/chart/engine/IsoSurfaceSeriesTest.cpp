// The isosurface: cells cut into bands at the palette bounds, each band in its entry's colour,
// the bands together covering the cell, band lines, and cells coloured by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/grid3d/IsoSurfaceSeries.h"
#include "chart/foundation/ChartPen.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Streams.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"

namespace {

// Also writes down the heights of the 3-D polygons' points.
class THeightRecorder : public TRecordingCanvas3D {
public:
    void DrawPolygon3D(std::span<const TPointXYZ> points, int lastIndex) override {
        for (int i = 0; i <= lastIndex; ++i) Heights.push_back(points[size_t(i)].Y);
        TRecordingCanvas3D::DrawPolygon3D(points, lastIndex);
    }
    std::vector<int> Heights;
};

class IsoSurfaceSeriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        auto canvas = std::make_unique<THeightRecorder>();
        Canvas = canvas.get();
        Chart->ReplaceCanvas(std::move(canvas));
        Chart->SetBounds(0, 0, 400, 300);
        Chart->SetView3D(false);
        Chart->AddSeries(Series);
        Series->SetPaletteStyle(psCustom);
        Series->SetIrregularGrid(true);
    }
    // One cell: corners (x 0..10, z 0..10) with the four heights given.
    void OneCell(double h00, double h10, double h01, double h11) {
        Series->AddXYZValues(0, h00, 0);
        Series->AddXYZValues(10, h10, 0);
        Series->AddXYZValues(0, h01, 10);
        Series->AddXYZValues(10, h11, 10);
    }
    std::vector<TCanvas3DCall> Polygons() {
        TBitmap target(400, 300);
        target.SetPixelFormat(pf24bit);
        Chart->Draw(target.Canvas(), TRect{0, 0, 400, 300});
        Canvas->ClearCalls();
        Series->DrawAllValues();
        std::vector<TCanvas3DCall> out;
        for (const TCanvas3DCall& c : Canvas->Calls())
            if (c.Op == "Polygon") out.push_back(c);
        return out;
    }
    static double Area(const std::vector<int>& xy) {
        double twice = 0;
        const size_t n = xy.size() / 2;
        for (size_t i = 0; i < n; ++i) {
            const size_t j = (i + 1) % n;
            twice += double(xy[2 * i]) * xy[2 * j + 1] - double(xy[2 * j]) * xy[2 * i + 1];
        }
        return std::abs(twice) / 2;
    }

    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    THeightRecorder* Canvas = nullptr;
    TIsoSurfaceSeries* Series = new TIsoSurfaceSeries(&Form);
};

TEST_F(IsoSurfaceSeriesTest, DefaultsOfTheBandedSurface) {
    EXPECT_FALSE(Series->UseColorRange());
    EXPECT_TRUE(Series->UsePalette());
    EXPECT_FALSE(Series->Pen()->Visible());
    EXPECT_TRUE(Series->Sides()->Levels());
}

TEST_F(IsoSurfaceSeriesTest, AShownPenReadsBackShown) {
    // The constructor hides the pen, whose class shows it: a shown pen must be written.
    TIsoSurfaceSeries series(nullptr);
    series.Pen()->SetVisible(true);
    TMemoryStream stream;
    WriteComponentToStream(stream, &series);
    stream.SetPosition(0);
    TIsoSurfaceSeries copy(nullptr);
    ReadComponentFromStream(stream, &copy);
    EXPECT_TRUE(copy.Pen()->Visible());

    series.Pen()->SetVisible(false);
    TMemoryStream hidden;
    WriteComponentToStream(hidden, &series);
    EXPECT_EQ(std::string(hidden.Memory(), size_t(hidden.Size())).find("Pen.Visible"),
              std::string::npos)
        << "a hidden pen is the series' own default";
}

// The gallery's sample draws fast: the chart's axes map values to pixels without clamping them to
// the 16-bit range, the cells fill with the fast brush, and no band lines are drawn.
TEST_F(IsoSurfaceSeriesTest, TheGallerySampleSwitchesTheChartToFastPixels) {
    TChartAxis* axis = Chart->BottomAxis();
    auto farPixel = [&] {
        axis->SetLimits(0, 10);
        Polygons();
        return axis->PixelOfValue(10000);  // some 35,000 pixels to the right
    };
    Series->BandPen()->SetVisible(true);
    EXPECT_FALSE(Chart->Axes().FastPixelMode());
    EXPECT_EQ(farPixel(), 32767);
    Series->PrepareForGallery(true);
    EXPECT_TRUE(Chart->Axes().FastPixelMode());
    EXPECT_GT(farPixel(), 32767);
    EXPECT_TRUE(Series->FastBrush());
    EXPECT_FALSE(Series->BandPen()->Visible());
}

TEST_F(IsoSurfaceSeriesTest, AnEmptyPaletteDrawsNoBand) {
    OneCell(1, 2, 3, 4);
    Series->SetPaletteSteps(0);
    EXPECT_TRUE(Polygons().empty());
}

TEST_F(IsoSurfaceSeriesTest, ACellWithinOneBandIsFilledOnceInItsColour) {
    OneCell(1, 2, 3, 4);
    Series->SetPalette(std::vector<TPaletteEntry>{{0.5, clGreen}, {10, clRed}, {100, clBlue}});
    const std::vector<TCanvas3DCall> drawn = Polygons();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].BrushColor, clRed);
    EXPECT_EQ(drawn[0].Args.size(), 8u);
    // Every corner above every bound: the lowest corner has no band, nothing is drawn.
    Series->SetPalette(std::vector<TPaletteEntry>{{0.5, clGreen}});
    EXPECT_TRUE(Polygons().empty());
    Series->SetPalette(std::vector<TPaletteEntry>{{0.5, clGreen}, {2.5, clNone}, {9, clRed}});
    EXPECT_EQ(Polygons().size(), 1u);  // the clNone band is left empty
}

TEST_F(IsoSurfaceSeriesTest, BandsTileTheCellInTheirColours) {
    OneCell(0, 10, 20, 30);
    std::vector<TPaletteEntry> palette;
    const TColor colors[] = {clRed, clGreen, clBlue, clYellow, clAqua, clFuchsia, clMaroon};
    for (int k = 0; k < 7; ++k) palette.push_back({5.0 * (k + 1), colors[k]});
    Series->SetPalette(palette);
    const std::vector<TCanvas3DCall> drawn = Polygons();
    ASSERT_EQ(drawn.size(), 7u);
    double sum = 0;
    for (size_t k = 0; k < drawn.size(); ++k) {
        EXPECT_EQ(drawn[k].BrushColor, colors[k]);
        sum += Area(drawn[k].Args);
    }
    const double width = Series->XValueToPixel(10) - Series->XValueToPixel(0);
    const double height = Series->YValueToPixel(0) - Series->YValueToPixel(10);
    // Each band's corners are rounded to pixels.
    EXPECT_NEAR(sum, std::abs(width * height), 7 * (std::abs(width) + std::abs(height)));
}

TEST_F(IsoSurfaceSeriesTest, BandLinesAndHandColouredCells) {
    OneCell(0, 10, 20, 30);
    Series->SetPalette(std::vector<TPaletteEntry>{{15, clRed}, {100, clBlue}});
    Series->BandPen()->SetVisible(true);
    Polygons();
    int lines = 0;
    for (const TCanvas3DCall& c : Canvas->Calls()) lines += c.Op == "LineTo";
    EXPECT_EQ(lines, 1);  // only the bound 15 crosses the cell
    // A cell whose first corner has a colour of its own is one polygon in that colour.
    Series->BandPen()->SetVisible(false);
    Series->SetPointColor(3, clLime);  // grid (2, 2), the first corner of the cell drawn
    const std::vector<TCanvas3DCall> drawn = Polygons();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].BrushColor, clLime);
}

TEST_F(IsoSurfaceSeriesTest, WithUseYPositionEveryBandLiesFlat) {
    Chart->SetView3D(true);
    OneCell(0, 10, 20, 30);
    Series->SetPalette(std::vector<TPaletteEntry>{{15, clRed}, {100, clBlue}});
    Polygons();
    std::vector<int> own = Canvas->Heights;
    ASSERT_FALSE(own.empty());
    EXPECT_NE(*std::min_element(own.begin(), own.end()), *std::max_element(own.begin(), own.end()));
    Canvas->Heights.clear();
    Series->SetUseYPosition(true);
    Series->SetYPosition(12);
    Polygons();
    ASSERT_FALSE(Canvas->Heights.empty());
    for (int y : Canvas->Heights) EXPECT_EQ(y, Series->YValueToPixel(12));
}

}  // namespace
