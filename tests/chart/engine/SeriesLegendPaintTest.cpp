// A series' legend symbol painted into a canvas of the caller's: the series is drawn in its
// colour, and neither the series nor the chart's surface keeps anything of the borrowing.
#include <gtest/gtest.h>

#include "chart/engine/Chart.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/SeriesLegendPaint.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

struct SeriesLegendPaintTest : ::testing::Test {
    SeriesLegendPaintTest() { target.SetSize(30, 30); }
    int PixelsOf(TColor color) {
        int n = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x) n += target.Canvas()->Pixel(x, y) == color;
        return n;
    }
    TBitmap target;
    static constexpr TColor Colour = TColor(0x2040C0);
};

TEST_F(SeriesLegendPaintTest, ASeriesWithoutChartBorrowsOneForTheDrawingOnly) {
    TPointSeries series(nullptr);
    series.SetSeriesColor(Colour);
    PaintSeriesLegend(series, *target.Canvas(), Rect(5, 5, 25, 25));
    EXPECT_EQ(series.ParentChart(), nullptr);
    EXPECT_GT(PixelsOf(Colour), 0);
    // Nothing is drawn outside the rectangle.
    for (int i = 0; i < 30; ++i) {
        EXPECT_NE(target.Canvas()->Pixel(i, 2), Colour);
        EXPECT_NE(target.Canvas()->Pixel(2, i), Colour);
    }
}

TEST_F(SeriesLegendPaintTest, TheChartSurfaceGetsItsCanvasAndBufferBack) {
    TCustomChart chart(nullptr);
    chart.SetBounds(0, 0, 200, 150);
    auto* series = new TPointSeries(&chart);
    chart.AddSeries(series);
    series->SetSeriesColor(Colour);
    auto* surface = dynamic_cast<TTeeCanvas3D*>(chart.Canvas3D());
    ASSERT_NE(surface, nullptr);
    TCanvas* bound = surface->BoundCanvas();
    TBitmap* buffer = surface->BufferBitmap();
    PaintSeriesLegend(*series, *target.Canvas(), Rect(5, 5, 25, 25), nullptr);
    EXPECT_GT(PixelsOf(Colour), 0);
    EXPECT_EQ(series->ParentChart(), &chart);
    EXPECT_EQ(surface->BoundCanvas(), bound);
    EXPECT_EQ(surface->BufferBitmap(), buffer);
}

}  // namespace
