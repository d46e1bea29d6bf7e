// The anti-alias tool on the bench's chart: its canvas put in place of the chart's, smoothing
// switched with the tool, the filters run over each finished picture, the canvas's owner when
// either goes first, and the tool made from the gallery, edited and streamed.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "chart/engine/LineSeries.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeFilter.h"
#include "chart/foundation/TeeFilterTransforms.h"
#include "chart/foundation/TeeFilters.h"
#include "chart/tools/overlay/DrawLine.h"
#include "chart/tools/overlay/DrawLineTool.h"
#include "chart/tools/view/AntiAliasCanvas.h"
#include "chart/tools/view/AntiAliasEditor.h"
#include "chart/tools/view/AntiAliasTool.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Form.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/chart/tools/ToolsPageDriver.h"
#include "tests/support/ComponentText.h"

namespace {

// A bench with one diagonal line series, the smoothing's subject.
struct TAABench {
    TToolBench Bench;
    TAABench() {
        auto* line = new TLineSeries(&Bench.Form());
        Bench.Chart().AddSeries(line);
        line->SetSeriesColor(clRed);
        for (int i = 0; i <= 10; ++i) line->AddXYPoint(i * 10, i * 7 + (i % 3) * 9);
    }
};

TEST(AntiAliasTool, InstallsItsCanvasAndSmoothsWhileActive) {
    std::vector<uint8_t> plain;
    {
        // The ordinary canvas (text measured as the tool's canvas measures it). One bench at a
        // time.
        TAABench plainBench;
        plainBench.Bench.Chart().ReplaceCanvas(std::make_unique<TTeeCanvas3D>());
        plainBench.Bench.Render();
        plain = plainBench.Bench.FrontPixels();
    }

    TAABench b;
    auto* tool = b.Bench.AddTool<TAntiAliasTool>();
    ASSERT_NE(tool->Canvas(), nullptr);
    EXPECT_EQ(b.Bench.Chart().Canvas3D(), tool->Canvas());
    EXPECT_TRUE(tool->AntiAlias());
    b.Bench.Render();
    EXPECT_TRUE(tool->Canvas()->Smoothing());
    EXPECT_NE(b.Bench.FrontPixels(), plain);

    // Off: the canvas stays in place and draws as the ordinary one.
    tool->SetActive(false);
    EXPECT_FALSE(tool->AntiAlias());
    EXPECT_EQ(b.Bench.Chart().Canvas3D(), tool->Canvas());
    b.Bench.Render();
    EXPECT_FALSE(tool->Canvas()->Smoothing());
    EXPECT_EQ(b.Bench.FrontPixels(), plain);

    tool->SetActive(true);
    tool->SetAntiAlias(false);
    b.Bench.Render();
    EXPECT_EQ(b.Bench.FrontPixels(), plain);
}

TEST(AntiAliasTool, FiltersRunOverTheFinishedPicture) {
    TAABench b;
    auto* tool = b.Bench.AddTool<TAntiAliasTool>();
    b.Bench.Render();
    const TColor before = b.Bench.FrontPixel(3, 3);
    tool->Filters()->AddFilterOfClass(&TInvertFilter::StaticClass());
    b.Bench.Render();
    EXPECT_EQ(b.Bench.FrontPixel(3, 3), TColor(0xFFFFFF - (ColorToRGB(before) & 0xFFFFFF)));
}

TEST(AntiAliasTool, TheChartKeepsTheCanvasTheToolGaveIt) {
    TAABench b;
    auto* tool = b.Bench.AddTool<TAntiAliasTool>();
    TAntiAliasCanvas* canvas = tool->Canvas();
    EXPECT_EQ(canvas->Tool(), tool);
    TObject::Free(tool);
    ASSERT_EQ(b.Bench.Chart().Canvas3D(), canvas);
    EXPECT_EQ(canvas->Tool(), nullptr);
    b.Bench.Render();  // the chart still draws through it

    // A chart that gets another canvas frees this one, and a tool still on it forgets it.
    auto* second = b.Bench.AddTool<TAntiAliasTool>();
    EXPECT_NE(second->Canvas(), canvas);
    EXPECT_EQ(b.Bench.Chart().Canvas3D(), second->Canvas());
    b.Bench.Chart().ReplaceCanvas(std::make_unique<TTeeCanvas3D>());
    EXPECT_EQ(second->Canvas(), nullptr);
    EXPECT_FALSE(second->AntiAlias());
}

TEST(AntiAliasTool, FromTheGalleryEditedAndStreamed) {
    TAABench b;
    RegisterImageFilters();  // as the program does: filters are read back by class name
    TToolsPageDriver page{b.Bench};
    auto* tool = dynamic_cast<TAntiAliasTool*>(page.AddFromGallery(&TAntiAliasTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    auto* editor = page.Editor<TAntiAliasEditor>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->CBAnti->Caption(), "&Anti-alias");
    EXPECT_EQ(editor->Button1->Caption(), "&Filters...");
    EXPECT_TRUE(editor->CBAnti->Checked());
    TToolsPageDriver::Click(editor->CBAnti);
    EXPECT_FALSE(tool->AntiAlias());
    ExpectToolRoundTrips(b.Bench, *tool);

    TToolsPageDriver::Click(editor->CBAnti);
    EXPECT_TRUE(tool->AntiAlias());
    tool->Filters()->AddFilterOfClass(&TInvertFilter::StaticClass());
    EXPECT_NE(StreamText(*tool).find("FilterItems"), std::string::npos);
    ExpectToolRoundTrips(b.Bench, *tool);
    TComponent owner(nullptr);
    auto* read = dynamic_cast<TAntiAliasTool*>(ReadBackTool(b.Bench, *tool, true, owner));
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->Filters()->Count(), 1);
    EXPECT_NE(dynamic_cast<TInvertFilter*>(read->Filters()->GetFilter(0)), nullptr);
}

}  // namespace

namespace {

// A line being drawn on the smoothing canvas cannot be erased by drawing it again: the chart on
// a shown window is drawn anew at each move instead.
TEST(AntiAliasTool, ALineDrawnOverTheSmoothedChartRepaintsItAtEachMove) {
    TAABench b;
    TForm host{nullptr};
    host.SetBounds(0, 0, TToolBench::Width + 20, TToolBench::Height + 20);
    b.Bench.Chart().SetParent(&host);
    host.Show();
    auto* lines = b.Bench.AddTool<TDrawLineTool>();
    b.Bench.Render();
    const auto passesDuringDraw = [&](int y) {
        const int64_t before = b.Bench.Chart().DrawPasses;
        b.Bench.Press(100, y);
        for (int x = 110; x <= 140; x += 10) b.Bench.Move(x, y + x / 10);
        const int64_t during = b.Bench.Chart().DrawPasses - before;
        b.Bench.Release(140, y + 14);
        return during;
    };
    EXPECT_EQ(passesDuringDraw(100), 0);  // the ordinary canvas: NOT-XOR only
    b.Bench.AddTool<TAntiAliasTool>();
    b.Bench.Render();
    EXPECT_GE(passesDuringDraw(150), 4);
    EXPECT_EQ(lines->Lines()->Count(), 2);
    b.Bench.Chart().SetParent(nullptr);
}

}  // namespace
