// The surface and the water fall: the order in which cells are visited, the cells that missing
// or null points hide, the depth-sorted cells, the frames, and the polygon hit test.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/grid3d/GridSeriesRegistration.h"
#include "chart/engine/grid3d/SurfaceSeries.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Streams.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"

namespace {

// Writes down the cells it is asked to draw, then draws them.
template <class Base>
class TCellRecorder : public Base {
public:
    using Base::Base;
    void DrawCell(int row, int column) override {
        Cells.emplace_back(row, column);
        Base::DrawCell(row, column);
    }
    std::vector<std::pair<int, int>> Cells;
};
using TRecordedSurface = TCellRecorder<TSurfaceSeries>;
using TRecordedWaterFall = TCellRecorder<TWaterFallSeries>;
using TCells = std::vector<std::pair<int, int>>;

class SurfaceSeriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        auto canvas = std::make_unique<TRecordingCanvas3D>();
        Canvas = canvas.get();
        Chart->ReplaceCanvas(std::move(canvas));
        Chart->SetBounds(0, 0, 400, 300);
        Chart->SetView3D(false);
    }
    template <class S>
    S* Add() {
        auto* s = new S(&Form);
        Chart->AddSeries(s);
        return s;
    }
    // numX by numZ points at x, z from 1, height 10 z + x: in 2-D each column of cells lies in a
    // band of its own.
    static void Fill(TCustom3DGridSeries& s, int numX, int numZ) {
        for (int z = 1; z <= numZ; ++z)
            for (int x = 1; x <= numX; ++x) s.AddXYZValues(x, 10 * z + x, z);
    }
    // Draws the chart, then the series' cells alone; answers the polygons drawn.
    template <class S>
    int PolygonsOf(S& s) {
        TBitmap target(400, 300);
        target.SetPixelFormat(pf24bit);
        Chart->Draw(target.Canvas(), TRect{0, 0, 400, 300});
        Canvas->ClearCalls();
        if constexpr (requires { s.Cells; }) s.Cells.clear();
        s.DrawAllValues();
        int n = 0;
        for (const TCanvas3DCall& c : Canvas->Calls()) n += c.Op == "Polygon";
        return n;
    }

    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TRecordingCanvas3D* Canvas = nullptr;
};

TEST_F(SurfaceSeriesTest, CellDrawOrderFollowsTheAxesAndTheWaterFall) {
    struct Case {
        const char* Name;
        bool DepthInverted, HorizInverted, WaterFall;
        std::vector<int> Rows, Columns;
        int RowStep, ColumnStep;
    } cases[] = {
        {"plain", false, false, false, {2, 3}, {3, 2}, -1, -1},
        {"depth inverted", true, false, false, {2, 3}, {1, 2}, -1, 1},
        {"values backwards", false, true, false, {2, 1}, {3, 2}, 1, -1},
        {"water fall", false, false, true, {2, 3}, {3, 2, 1}, -1, -1},
        {"water fall, depth inverted", true, true, true, {2, 1}, {1, 2, 3}, 1, 1},
    };
    auto* s = Add<TSurfaceSeries>();
    Fill(*s, 3, 3);
    s->FillGridIndex();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Chart->DepthAxis()->SetInverted(c.DepthInverted);
        Chart->BottomAxis()->SetInverted(c.HorizInverted);
        s->ResolveAxes();
        s->SetWaterFall(c.WaterFall);
        s->CalcCellDrawOrder();
        EXPECT_EQ(s->RowOrder(), c.Rows);
        EXPECT_EQ(s->ColumnOrder(), c.Columns);
        EXPECT_EQ(s->CellRowStep, c.RowStep);
        EXPECT_EQ(s->CellColumnStep, c.ColumnStep);
    }
}

TEST_F(SurfaceSeriesTest, MissingAndNullPointsHideTheirCells) {
    auto* s = Add<TSurfaceSeries>();
    Fill(*s, 4, 4);
    EXPECT_EQ(PolygonsOf(*s), 9);
    // The point at (3, 3) is gone: the four cells around it are not drawn.
    s->Delete(2 * 4 + 2);
    EXPECT_EQ(PolygonsOf(*s), 5);
    // A null point hides only the cell whose colour corner it is (smaller row, larger column).
    s->Clear();
    Fill(*s, 4, 4);
    s->SetPointColor(2 * 4 + 1, clNone);  // grid (2, 3)
    EXPECT_EQ(PolygonsOf(*s), 8);
    // One row of points has no cell.
    s->Clear();
    Fill(*s, 4, 1);
    EXPECT_EQ(PolygonsOf(*s), 0);
}

TEST_F(SurfaceSeriesTest, CellsTakeTheColourOfTheirColourCorner) {
    auto* s = Add<TSurfaceSeries>();
    Fill(*s, 2, 2);
    s->SetPointColor(2, clRed);  // grid (1, 2): the smaller row and the larger column
    s->SetPointColor(1, clBlue);
    PolygonsOf(*s);
    ASSERT_FALSE(Canvas->Calls().empty());
    for (const TCanvas3DCall& c : Canvas->Calls()) {
        if (c.Op == "Polygon") {
            EXPECT_EQ(c.BrushColor, clRed);
        }
    }
}

TEST_F(SurfaceSeriesTest, SmoothPaletteAndTransparency) {
    auto* s = Add<TSurfaceSeries>();
    Fill(*s, 2, 2);  // heights 11, 12, 21, 22
    s->SetSmoothPalette(true);
    PolygonsOf(*s);
    for (const TCanvas3DCall& c : Canvas->Calls()) {
        if (c.Op == "Polygon") {
            EXPECT_EQ(c.BrushColor, s->ColorForValue(16.5));
        }
    }
    // A transparent cell is still one polygon, drawn flat inside its blend.
    s->Clear();
    Fill(*s, 4, 4);
    s->SetTransparency(50);
    EXPECT_EQ(PolygonsOf(*s), 9);
}

TEST_F(SurfaceSeriesTest, WireFrameAndDotFrameExcludeEachOther) {
    auto* s = Add<TSurfaceSeries>();
    s->Pen()->SetVisible(false);
    s->SetWireFrame(true);
    EXPECT_TRUE(s->Pen()->Visible());
    s->Pen()->SetVisible(false);
    s->SetDotFrame(true);
    EXPECT_TRUE(s->Pen()->Visible());
    EXPECT_FALSE(s->WireFrame());
    s->SetWireFrame(true);
    EXPECT_FALSE(s->DotFrame());
    // The dot frame sets the four corners of every cell as pixels, and fills nothing.
    s->SetDotFrame(true);
    Fill(*s, 3, 2);
    EXPECT_EQ(PolygonsOf(*s), 0);
    int pixels = 0;
    for (const TCanvas3DCall& c : Canvas->Calls()) pixels += c.Op == "Pixel";
    EXPECT_EQ(pixels, 2 * 4);
}

TEST_F(SurfaceSeriesTest, RowsAlternateFromBothEndsAtRotationZeroWithPerspective) {
    Chart->SetView3D(true);
    Chart->View3DOptions()->SetOrthogonal(false);
    Chart->View3DOptions()->SetRotation(0);
    Chart->View3DOptions()->SetPerspective(15);
    auto* s = Add<TRecordedSurface>();
    Fill(*s, 6, 2);
    PolygonsOf(*s);
    const std::vector<int>& r = s->RowOrder();
    ASSERT_EQ(r.size(), 5u);
    TCells expected{{r[0], 2}, {r[4], 2}, {r[1], 2}, {r[3], 2}, {r[2], 2}};
    EXPECT_EQ(s->Cells, expected);
    // Turned a little, the rows go in order.
    Chart->View3DOptions()->SetRotation(20);
    PolygonsOf(*s);
    EXPECT_EQ(s->Cells.front().first, s->RowOrder().front());
    EXPECT_EQ(s->Cells.back().first, s->RowOrder().back());
}

TEST_F(SurfaceSeriesTest, HiddenCellsAreSortedByDepthAndReversedAtRotation180) {
    Chart->SetView3D(true);
    Chart->View3DOptions()->SetOrthogonal(false);
    Chart->View3DOptions()->SetPerspective(0);
    Chart->View3DOptions()->SetRotation(10);
    auto* s = Add<TRecordedSurface>();
    s->SetHideCells(true);
    Fill(*s, 3, 3);
    s->Delete(0);  // grid (1, 1): cell (2, 2) has a missing corner and is not listed
    PolygonsOf(*s);
    // Farthest first (the Z of each cell's first corner), drawing order among equals.
    ASSERT_EQ(s->CellRowStep, 1);
    EXPECT_EQ(s->Cells, (TCells{{2, 3}, {1, 3}, {2, 2}}));
    Chart->View3DOptions()->SetRotation(180);
    PolygonsOf(*s);
    std::vector<int> columns;
    for (auto [row, column] : s->Cells) columns.push_back(column);
    EXPECT_EQ(columns, (std::vector<int>{1, 2, 2}));
    // The water fall visits one more column per row; every cell it visits has its place.
    auto* w = Add<TRecordedWaterFall>();
    w->SetHideCells(true);
    Fill(*w, 3, 3);
    Chart->View3DOptions()->SetRotation(10);
    PolygonsOf(*w);
    EXPECT_EQ(w->Cells.size(), 6u);
    EXPECT_EQ(w->Cells.back().second, 1);
}

TEST_F(SurfaceSeriesTest, WaterFallBandsRunDownToTheAxisBottom) {
    auto* w = Add<TWaterFallSeries>();
    Fill(*w, 3, 2);
    EXPECT_EQ(PolygonsOf(*w), 2 * 2);
    const int bottom = Chart->LeftAxis()->EndPos();
    for (const TCanvas3DCall& c : Canvas->Calls()) {
        if (c.Op == "Polygon") {
            ASSERT_EQ(c.Args.size(), 8u);
            EXPECT_EQ(c.Args[5], bottom);
            EXPECT_EQ(c.Args[7], bottom);
        }
    }
    w->WaterLines()->SetVisible(false);
    w->SetWireFrame(true);
    EXPECT_EQ(PolygonsOf(*w), 0);
}

TEST_F(SurfaceSeriesTest, SideWallsRunOnceRoundTheEdges) {
    auto* s = Add<TSurfaceSeries>();
    Fill(*s, 3, 3);
    EXPECT_FALSE(s->HasSides());
    s->SideBrush()->SetStyle(bsSolid);
    EXPECT_TRUE(s->HasSides());
    // Four cells, and two panels along each of the four edges, each in one of the two passes.
    EXPECT_EQ(PolygonsOf(*s), 4 + 4 * 2);
    // A panel reaches down to the lowest value.
    const int base = s->YValueToPixel(s->YValues().Minimum());
    int atBase = 0;
    for (const TCanvas3DCall& c : Canvas->Calls()) {
        if (c.Op == "Polygon" && c.BrushColor == s->SideBrush()->Color())
            atBase += c.Args[3] == base && c.Args[5] == base;
    }
    EXPECT_EQ(atBase, 8);
}

TEST_F(SurfaceSeriesTest, SideWallsOfARealChartTurnedEitherWay) {
    TChart chart(&Form);
    auto canvas = std::make_unique<TRecordingCanvas3D>();
    TRecordingCanvas3D* recorder = canvas.get();
    chart.ReplaceCanvas(std::move(canvas));
    chart.SetBounds(0, 0, 400, 300);
    chart.SetView3D(true);
    auto* s = new TSurfaceSeries(&Form);
    chart.AddSeries(s);
    Fill(*s, 3, 3);
    s->SideBrush()->SetStyle(bsSolid);
    for (int rotation : {20, 160, 200, 340}) {
        SCOPED_TRACE(rotation);
        chart.View3DOptions()->SetOrthogonal(false);
        chart.View3DOptions()->SetRotation(rotation);
        TBitmap target(400, 300);
        target.SetPixelFormat(pf24bit);
        chart.Draw(target.Canvas(), TRect{0, 0, 400, 300});
        recorder->ClearCalls();
        s->DrawAllValues();
        int polygons = 0;
        for (const TCanvas3DCall& c : recorder->Calls()) polygons += c.Op == "Polygon";
        EXPECT_EQ(polygons, 4 + 4 * 2);
    }
}

TEST_F(SurfaceSeriesTest, ClickFindsTheCellUnderThePoint) {
    auto* s = Add<TSurfaceSeries>();
    Fill(*s, 3, 3);
    PolygonsOf(*s);
    // Between x 1 and 2, z 2 and 3: the cell of first corner (2, 3), point index 7.
    const int x = s->XValueToPixel(1.5), y = s->YValueToPixel(10 * 2.5 + 1.5);
    EXPECT_EQ(s->ValueIndexAt(x, y), 7);
    EXPECT_EQ(s->ValueIndexAt(s->XValueToPixel(2.5), s->YValueToPixel(10 * 1.5 + 2.5)), 5);
    EXPECT_EQ(s->ValueIndexAt(0, 0), -1);
    s->Clear();
    EXPECT_EQ(s->ValueIndexAt(x, y), -1);
}

TEST_F(SurfaceSeriesTest, StreamRoundTripKeepsTheGridAndItsLook) {
    auto* s = Add<TSurfaceSeries>();
    Fill(*s, 3, 4);
    s->DataEnteredByHand = true;  // as the data editor leaves it: the points are stored
    s->PrepareForChartDraw();
    s->SetWireFrame(true);
    s->SetIrregularGrid(true);
    s->SideBrush()->SetStyle(bsSolid);
    s->SetPaletteStyle(psGrayScale);
    TMemoryStream stream;
    WriteComponentToStream(stream, s);
    stream.SetPosition(0);
    TSurfaceSeries copy(nullptr);
    ReadComponentFromStream(stream, &copy);
    EXPECT_EQ(copy.Count(), 12);
    EXPECT_EQ(copy.NumXValues(), 3);
    EXPECT_EQ(copy.NumZValues(), 4);
    EXPECT_TRUE(copy.WireFrame());
    EXPECT_TRUE(copy.IrregularGrid());
    EXPECT_EQ(copy.SideBrush()->Style(), bsSolid);
    EXPECT_EQ(copy.PaletteStyle(), psGrayScale);
    EXPECT_EQ(copy.ZValues()[11], 4);
    // The side brush starts clear: clear is not stored, and a solid one is.
    TSurfaceSeries plain(nullptr);
    TMemoryStream clear;
    WriteComponentToStream(clear, &plain);
    const std::string bytes(clear.Memory(), size_t(clear.Size()));
    EXPECT_EQ(bytes.find("SideBrush"), std::string::npos);
}

TEST_F(SurfaceSeriesTest, RegisteredOnThe3DPage) {
    LoadExtendedTexts();
    GridSeriesUnitStartup();
    const TTeeSeriesType* surface =
        SeriesTypeList().FindBySeriesClass(&TSurfaceSeries::StaticClass());
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(*surface->DescriptionText, "Surface");
    EXPECT_EQ(*surface->PageText, "3D");
    const TTeeSeriesType* water =
        SeriesTypeList().FindBySeriesClass(&TWaterFallSeries::StaticClass());
    ASSERT_NE(water, nullptr);
    EXPECT_EQ(*water->DescriptionText, "Water Fall");
    GridSeriesUnitShutdown();
    EXPECT_EQ(SeriesTypeList().FindBySeriesClass(&TSurfaceSeries::StaticClass()), nullptr);
}

}  // namespace
