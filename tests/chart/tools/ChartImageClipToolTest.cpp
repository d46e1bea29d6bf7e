// The image tool painting its picture over the rectangle of its series' data (nothing at all
// without a picture), the clip series tool keeping a series inside its axes, and the image
// tool's editor.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "chart/engine/ChartSeries.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/tools/view/ChartImageTool.h"
#include "chart/tools/view/ChartImageToolEditor.h"
#include "chart/tools/view/ClipSeriesTool.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Button.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/chart/tools/ToolsPageDriver.h"

namespace {

// A small picture of one colour.
std::unique_ptr<TBitmap> ImageToolPicture(TColor colour) {
    auto b = std::make_unique<TBitmap>();
    b->SetSize(4, 4);
    b->Canvas()->Brush()->SetColor(colour);
    b->Canvas()->FillRect(TRect{0, 0, 4, 4});
    return b;
}

TEST(ChartImageTool, FillsTheSeriesRectangleAndNothingWithoutAPicture) {
    TToolBench bench;
    TPointSeries* series = bench.AddSeries({{20, 30}, {80, 70}});
    bench.Render();
    const std::vector<uint8_t> plain = bench.FrontPixels();
    auto* tool = bench.AddTool<TChartImageTool>();
    tool->SetSeries(series);
    tool->Pen()->SetVisible(true);
    bench.Render();
    EXPECT_EQ(bench.FrontPixels(), plain);  // not even its border

    tool->Picture()->SetGraphic(ImageToolPicture(clRed).get());
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(bench.XPixel(45), bench.YPixel(55)), clRed);
    EXPECT_NE(bench.FrontPixel(bench.XPixel(10), bench.YPixel(55)), clRed);
    EXPECT_NE(bench.FrontPixel(bench.XPixel(45), bench.YPixel(90)), clRed);
    // Without a series, the axes' ranges: the whole plot.
    tool->SetSeries(nullptr);
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(bench.XPixel(10), bench.YPixel(90)), clRed);
}

TEST(ClipSeriesTool, KeepsTheSeriesInsideItsAxes) {
    TToolBench bench;
    // A line from inside the axes to far above them.
    auto* series = new TLineSeries(&bench.Form());
    bench.Chart().AddSeries(series);
    series->AddXYPoint(40, 50);
    series->AddXYPoint(60, 180);
    bench.Chart().SetClipPoints(false);
    bench.Render();
    const std::vector<uint8_t> unclipped = bench.FrontPixels();
    auto* tool = bench.AddTool<TClipSeriesTool>();
    tool->SetSeries(series);
    bench.Render();
    const std::vector<uint8_t> clipped = bench.FrontPixels();
    EXPECT_NE(clipped, unclipped);
    // Inside the axes, the same.
    const int x = bench.XPixel(40), y = bench.YPixel(50);
    EXPECT_EQ(clipped[size_t((y * TToolBench::Width + x) * 4)],
              unclipped[size_t((y * TToolBench::Width + x) * 4)]);
}

TEST(ChartImageToolEditing, FromTheGalleryClearedAndStreamed) {
    TToolBench bench;
    TToolsPageDriver page{bench};
    auto* tool =
        dynamic_cast<TChartImageTool*>(page.AddFromGallery(&TChartImageTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    auto* editor = page.Editor<TChartImageToolEditor>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->BBrowse->Caption(), "B&rowse...");
    EXPECT_FALSE(editor->BSave->Enabled());
    tool->Picture()->SetGraphic(ImageToolPicture(clBlue).get());
    editor->Hide();
    editor->Show();
    EXPECT_EQ(editor->BBrowse->Caption(), "Clea&r");
    EXPECT_TRUE(editor->BSave->Enabled());
    TToolsPageDriver::Click(editor->BBrowse);  // clears
    EXPECT_EQ(tool->Picture()->Graphic(), nullptr);
    EXPECT_EQ(editor->BBrowse->Caption(), "B&rowse...");
    tool->Pen()->SetVisible(true);
    ExpectToolRoundTrips(bench, *tool);

    auto* clip =
        dynamic_cast<TClipSeriesTool*>(page.AddFromGallery(&TClipSeriesTool::StaticClass()));
    ASSERT_NE(clip, nullptr);
    ExpectToolRoundTrips(bench, *clip);
}

}  // namespace
