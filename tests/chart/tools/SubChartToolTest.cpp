// The sub-chart tool on the bench: a new entry's inner chart, inner charts drawn onto the outer
// chart (later ones on top, none while inactive), the mouse going to the topmost chart under it,
// copies owning their inner charts, and inner charts through the text and binary chart stream.
#include <gtest/gtest.h>

#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/PointSeries.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeZoom.h"
#include "chart/tools/parts/InnerChart.h"
#include "chart/tools/parts/SubChartTool.h"
#include "platform/ui/Panel.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"

namespace {

struct SubChartToolTest : ::testing::Test {
    TToolBench bench;
    TSubChartTool* tool = bench.AddTool<TSubChartTool>();

    // An entry named name at the bounds, with a back colour and one series of two points.
    TInnerChart* AddChart(const std::string& name, TRect r, TColor color) {
        TInnerChart* chart = tool->Charts()->AddChart()->Chart();
        chart->SetName(name);
        chart->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
        chart->SetColor(color);
        auto* series = new TPointSeries(chart);
        series->SetName(name + "Points");
        chart->AddSeries(series);
        series->AddXYPoint(1, 2);
        series->AddXYPoint(3, 4);
        return chart;
    }
};

TEST_F(SubChartToolTest, ANewEntryIsABareTransparentChartAt50By50) {
    TInnerChart* chart = tool->Charts()->AddChart()->Chart();
    EXPECT_EQ(chart->BoundsRect(), (TRect{50, 50, 200, 150}));
    EXPECT_FALSE(chart->Legend()->Visible());
    EXPECT_FALSE(chart->Title()->Visible());
    EXPECT_FALSE(chart->Foot()->Visible());
    EXPECT_FALSE(chart->SubTitle()->Visible());
    EXPECT_FALSE(chart->SubFoot()->Visible());
    EXPECT_EQ(
        chart->MarginLeft() + chart->MarginTop() + chart->MarginRight() + chart->MarginBottom(), 0);
    EXPECT_EQ(chart->BevelOuter(), bvNone);
    EXPECT_EQ(chart->Color(), clNone);
    EXPECT_EQ(chart->GetParentComponent(), tool);
    EXPECT_EQ(tool->Charts()->Item(0)->DisplayName(), "Chart1");
    // Moving it repaints the outer chart.
    const int64_t before = bench.Chart().Invalidations;
    tool->Charts()->Item(0)->SetLeft(60);
    EXPECT_GT(bench.Chart().Invalidations, before);
}

TEST_F(SubChartToolTest, InnerChartsDrawInOrderOntoTheOuterChartOnlyWhileActive) {
    AddChart("Lower", {20, 20, 220, 170}, clRed);
    AddChart("Upper", {100, 80, 300, 230}, clBlue);
    bench.Render();
    // Along the top edges, where each chart shows its own colour.
    EXPECT_EQ(bench.FrontPixel(30, 22), clRed);
    EXPECT_EQ(bench.FrontPixel(250, 82), clBlue);
    EXPECT_EQ(bench.FrontPixel(110, 82), clBlue);  // both: the later one on top
    // Drawing them asks for no further drawing of the outer chart.
    const int64_t before = bench.Chart().Invalidations;
    bench.Render();
    EXPECT_EQ(bench.Chart().Invalidations, before);
    tool->SetActive(false);
    bench.Render();
    EXPECT_NE(bench.FrontPixel(30, 22), clRed);
    EXPECT_NE(bench.FrontPixel(110, 82), clBlue);
}

TEST_F(SubChartToolTest, TheMouseGoesToTheTopmostChartUnderIt) {
    TInnerChart* lower = AddChart("Lower", {20, 20, 220, 170}, clRed);
    TInnerChart* upper = AddChart("Upper", {100, 80, 300, 230}, clBlue);
    auto* lowerProbe = new TPhaseProbe(lower);
    lowerProbe->SetParentChart(lower);
    auto* upperProbe = new TPhaseProbe(upper);
    upperProbe->SetParentChart(upper);
    bench.Render();
    // Where they overlap, inside the upper chart's plot, the upper chart takes the press (its
    // zoom starts) and keeps it.
    ASSERT_TRUE(PointInRectXY(upper->ChartRect(), 160, 125));
    bench.Press(160, 125);
    EXPECT_TRUE(upper->Zoom()->Active);
    EXPECT_EQ(upperProbe->Mouse, (std::vector<TChartMouseEvent>{cmeDown}));
    EXPECT_TRUE(lowerProbe->Mouse.empty());
    bench.Release(160, 125);
    lowerProbe->Mouse.clear();
    // Where only the lower one lies, it has it.
    bench.Press(30, 30);
    EXPECT_EQ(lowerProbe->Mouse, (std::vector<TChartMouseEvent>{cmeDown}));
    bench.Release(30, 30);
    // An inactive tool forwards nothing.
    tool->SetActive(false);
    lowerProbe->Mouse.clear();
    bench.Press(30, 30);
    bench.Release(30, 30);
    EXPECT_TRUE(lowerProbe->Mouse.empty());
}

TEST_F(SubChartToolTest, ACopyHasInnerChartsOfItsOwnWithTheSameContent) {
    AddChart("Lower", {20, 20, 180, 140}, clRed);
    TSubChartTool copy(nullptr);
    copy.Assign(tool);
    ASSERT_EQ(copy.Charts()->Count(), 1);
    TInnerChart* mine = copy.Charts()->Item(0)->Chart();
    TInnerChart* theirs = tool->Charts()->Item(0)->Chart();
    EXPECT_NE(mine, theirs);
    EXPECT_EQ(mine->Name(), "Lower");
    EXPECT_EQ(mine->BoundsRect(), theirs->BoundsRect());
    ASSERT_EQ(mine->SeriesList().Count(), 1);
    EXPECT_NE(mine->SeriesList()[0], theirs->SeriesList()[0]);
    EXPECT_EQ(mine->SeriesList()[0]->Count(), 2);
    mine->SeriesList()[0]->Clear();
    EXPECT_EQ(theirs->SeriesList()[0]->Count(), 2);
}

TEST_F(SubChartToolTest, InnerChartsComeBackFromTheStreamInOrder) {
    AddChart("Lower", {20, 20, 180, 140}, clRed)->SeriesList()[0]->AlwaysStoreData = true;
    // Shown again, the legend is a published default the stream leaves out: it still comes back.
    AddChart("Upper", {100, 80, 260, 200}, clBlue)->Legend()->SetVisible(true);
    ExpectToolRoundTrips(bench, *tool);
    for (const bool asText : {true, false}) {
        SCOPED_TRACE(asText ? "text" : "binary");
        TComponent owner(nullptr);
        auto* read = dynamic_cast<TSubChartTool*>(ReadBackTool(bench, *tool, asText, owner));
        ASSERT_NE(read, nullptr);
        ASSERT_EQ(read->Charts()->Count(), 2);
        const char* names[] = {"Lower", "Upper"};
        for (int i = 0; i < 2; ++i) {
            TInnerChart* chart = read->Charts()->Item(i)->Chart();
            EXPECT_EQ(chart->Name(), names[i]);
            EXPECT_EQ(chart->Item(), read->Charts()->Item(i));
            EXPECT_EQ(chart->GetParentComponent(), read);
            ASSERT_EQ(chart->SeriesList().Count(), 1);
            EXPECT_EQ(chart->SeriesList()[0]->Name(), std::string(names[i]) + "Points");
        }
        EXPECT_EQ(read->Charts()->Item(0)->Chart()->SeriesList()[0]->Count(), 2);
        EXPECT_EQ(read->Charts()->Item(1)->Chart()->BoundsRect(), (TRect{100, 80, 260, 200}));
        EXPECT_TRUE(read->Charts()->Item(1)->Chart()->Legend()->Visible());
        EXPECT_FALSE(read->Charts()->Item(0)->Chart()->Legend()->Visible());
        EXPECT_EQ(read->Charts()->Item(0)->Chart()->Color(), clRed);
    }
}

TEST_F(SubChartToolTest, AStreamedChartThatIsNoInnerChartIsRefused) {
    AddChart("Lower", {20, 20, 180, 140}, clRed);
    TMemoryStream stream;
    WriteChartStream(bench.Chart(), stream, false, true);
    std::string text(stream.Memory(), size_t(stream.Size()));
    // The inner chart's own stream, damaged: its class name changed to a plain chart.
    const size_t at = text.find("InnerChart = {");
    ASSERT_NE(at, std::string::npos);
    TChart plain(nullptr);
    TMemoryStream bytes;
    WriteComponentToStream(bytes, &plain);
    std::string hex;
    for (int64_t i = 0; i < bytes.Size(); ++i) {
        static const char digits[] = "0123456789ABCDEF";
        const auto b = static_cast<uint8_t>(bytes.Memory()[i]);
        hex.push_back(digits[b >> 4]);
        hex.push_back(digits[b & 15]);
    }
    const size_t end = text.find('}', at);
    text.replace(at, end - at + 1, "InnerChart = {" + hex + "}");
    TMemoryStream damaged;
    damaged.WriteBuffer(text.data(), int64_t(text.size()));
    damaged.SetPosition(0);
    // The stream's chart property is skipped: the entry keeps a fresh inner chart.
    TChart target(nullptr);
    ReadChartStream(target, damaged);
    ASSERT_EQ(target.Tools().Count(), 1);
    auto* read = dynamic_cast<TSubChartTool*>(target.Tools()[0]);
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->Charts()->Count(), 1);
    TInnerChart* chart = read->Charts()->Item(0)->Chart();
    EXPECT_EQ(chart->Item(), read->Charts()->Item(0));
    EXPECT_EQ(chart->SeriesList().Count(), 0);
}

}  // namespace
