// The statistics tool's text for a known series (tied maxima, the functions of the series
// library found by name), for an empty one and without a series; its editor adding function
// series and switching them off, and its text page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/engine/ChartSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/TeeFunction.h"
#include "chart/series/SeriesAndEditorsStartup.h"
#include "chart/tools/data/SeriesStatsEditor.h"
#include "chart/tools/data/SeriesStatsTool.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/PageControl.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolEditorLoad.h"
#include "tests/chart/tools/ToolRoundTrip.h"

namespace {

// The series library's classes (its statistic functions among them) for the test's length.
struct TSeriesLibrary {
    TSeriesLibrary() { ChartSeriesUnitStartup(); }
    ~TSeriesLibrary() { ChartSeriesUnitShutdown(); }
};

std::vector<std::string> StatsLines(TSeriesStatsTool& tool) {
    TStringList lines;
    tool.Statistics(lines);
    std::vector<std::string> result;
    for (int i = 0; i < lines.Count(); ++i) result.push_back(lines[i]);
    return result;
}

struct SeriesStatsToolTest : ::testing::Test {
    TSeriesLibrary library;
    TToolBench bench;
    TSeriesStatsTool* tool = bench.AddTool<TSeriesStatsTool>();
};

TEST_F(SeriesStatsToolTest, TheTextOfAKnownSeries) {
    // 3, 7, 1, 7, 5 at x = 0 .. 4: the maximum is shared by points 1 and 3.
    tool->SetSeries(bench.AddSeries({{0, 3}, {1, 7}, {2, 1}, {3, 7}, {4, 5}}));
    const std::vector<std::string> expected = {
        "Number of values: 5",
        "Maximum value: 7 at position 1",
        "Minimum value: 1 at position 2",
        "",
        "Range: 6",
        "",
        "Average: 4.6",
        "Median: 5",
        "Mode: 7",
        "Std. Deviation: 2.608",
        "Variance: 5.44",
        "Root Mean Square: 5.766",
        "Correlation: 0.243",
    };
    EXPECT_EQ(StatsLines(*tool), expected);
}

TEST_F(SeriesStatsToolTest, AnEmptySeriesAndNoSeries) {
    EXPECT_TRUE(StatsLines(*tool).empty());
    tool->SetSeries(bench.AddSeries());
    const std::vector<std::string> lines = StatsLines(*tool);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "Number of values: 0");
    EXPECT_EQ(lines[1], "Maximum value: 0");
    EXPECT_EQ(lines[6], "Average: 0");
}

TEST_F(SeriesStatsToolTest, TheEditorAddsFunctionSeriesAndSwitchesThemOff) {
    TPointSeries* series = bench.AddSeries({{0, 3}, {1, 7}, {2, 1}});
    TComponent owner(nullptr);
    auto* editor = ShowToolEditor<TSeriesStatsEditor>(bench, *tool, owner);
    for (TCheckBox* box : editor->Boxes) EXPECT_FALSE(box->Enabled());
    tool->SetSeries(series);
    ExpectToolRoundTrips(bench, *tool);
    editor->Hide();
    editor->Show();
    TCheckBox* average = editor->Boxes[0];
    ASSERT_TRUE(average->Enabled());
    EXPECT_FALSE(average->Checked());
    average->SetChecked(true);
    ASSERT_EQ(bench.Chart().SeriesCount(), 2);
    TChartSeries* made = bench.Chart().GetSeries(1);
    EXPECT_EQ(made->ClassName(), "TPointSeries");
    EXPECT_EQ(made->DataSource(), series);
    ASSERT_NE(made->Function(), nullptr);
    EXPECT_EQ(made->Function()->ClassName(), "TAverageTeeFunction");
    EXPECT_FALSE(made->ShowInEditor());
    EXPECT_TRUE(editor->Buttons[0]->Enabled());
    // Unchecked, the function series is switched off, not deleted.
    average->SetChecked(false);
    EXPECT_EQ(bench.Chart().SeriesCount(), 2);
    EXPECT_FALSE(made->Active());
    // Shown again, the box finds it.
    editor->Hide();
    editor->Show();
    EXPECT_TRUE(editor->Boxes[0]->Checked());
    EXPECT_EQ(editor->BoxFunction(0), made->Function());
    // The text page.
    editor->PageControl1->SetActivePage(editor->TabInfo);
    editor->PageControl1->OnChange(editor->PageControl1);
    // The memo's header stays out of this batch (see the annotation editing test).
    TControl* memo = nullptr;
    for (TComponent* owner :
         {static_cast<TComponent*>(editor), static_cast<TComponent*>(editor->TabInfo)})
        for (int i = 0; i < owner->ComponentCount(); ++i)
            if (owner->Components(i)->ClassName() == "TMemo")
                memo = dynamic_cast<TControl*>(owner->Components(i));
    ASSERT_NE(memo, nullptr);
    EXPECT_NE(memo->Text().find("Number of values: 3"), std::string::npos);
}

}  // namespace
