// The series animation tool: the values at every step of a run (groups, start values, the
// circular loop's way back), Stop from a step handler putting the real values back and firing
// OnStop once, the refused step counts, and the editor's run button.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/engine/ChartSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/tools/view/SeriesAnimToolEditor.h"
#include "chart/tools/view/SeriesAnimationTool.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ScrollBar.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/chart/tools/ToolsPageDriver.h"

namespace {

std::vector<double> AnimYValues(TChartSeries& s) {
    std::vector<double> v;
    for (int i = 0; i < s.Count(); ++i) v.push_back(s.MandatoryValue(i));
    return v;
}

struct SeriesAnimationTest : testing::Test {
    TToolBench bench;
    TPointSeries* series =
        bench.AddSeries({{0, 10}, {1, 20}, {2, 30}, {3, 40}, {4, 50}, {5, 60}, {6, 70}});
    TSeriesAnimationTool* tool = bench.AddTool<TSeriesAnimationTool>();
    std::vector<std::vector<double>> seen;  // the values at each step
    std::vector<int> steps;
    SeriesAnimationTest() {
        tool->SetSeries(series);
        tool->OnStep = [this](TSeriesAnimationTool*, int step) {
            steps.push_back(step);
            seen.push_back(AnimYValues(*series));
        };
    }
};

TEST_F(SeriesAnimationTest, GrowsEachGroupFromTheStartValue) {
    tool->SetSteps(4);
    tool->SetDrawEvery(3);
    int started = 0, stopped = 0;
    tool->OnStart = [&](TObject*) { ++started; };
    tool->OnStop = [&](TObject*) { ++stopped; };
    const int64_t before = bench.Chart().Invalidations;
    tool->Execute();
    // Groups 0-2, 3-5 and 6, each in Steps + 1 steps from the minimum, 10.
    ASSERT_EQ(steps.size(), 15u);
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4}));
    EXPECT_EQ(seen[0], (std::vector<double>{10, 10, 10, 10, 10, 10, 10}));
    // Step 2 of the first group: half of each value plus half of 10.
    EXPECT_EQ(seen[2], (std::vector<double>{10, 15, 20, 10, 10, 10, 10}));
    EXPECT_EQ(seen[4], (std::vector<double>{10, 20, 30, 10, 10, 10, 10}));
    EXPECT_EQ(seen[7], (std::vector<double>{10, 20, 30, 25, 30, 35, 10}));
    EXPECT_EQ(seen[14], (std::vector<double>{10, 20, 30, 40, 50, 60, 70}));
    // A redraw at the start, one per step and one at the end.
    EXPECT_EQ(bench.Chart().Invalidations - before, 1 + 15 + 1);
    EXPECT_EQ(started, 1);
    EXPECT_EQ(stopped, 1);
    EXPECT_FALSE(tool->Running());

    // From a value of its own, every point at once.
    steps.clear();
    seen.clear();
    tool->SetStartAtMin(false);
    tool->SetStartValue(100);
    tool->SetDrawEvery(0);
    tool->SetSteps(100);
    tool->Execute();
    ASSERT_EQ(steps.size(), 101u);
    EXPECT_EQ(seen.front(), std::vector<double>(7, 100));
    EXPECT_EQ(seen.back(), (std::vector<double>{10, 20, 30, 40, 50, 60, 70}));
}

TEST_F(SeriesAnimationTest, CircularLoopGoesBackToZeroUntilStopped) {
    tool->SetSteps(2);
    tool->SetLoop(salCircular);
    int stopped = 0;
    tool->OnStop = [&](TObject*) { ++stopped; };
    tool->OnStep = [&](TSeriesAnimationTool* t, int step) {
        steps.push_back(step);
        seen.push_back(AnimYValues(*series));
        // Executing again during a run does nothing.
        t->Execute();
        if (seen.size() == 8) t->Stop();
    };
    tool->Execute();
    ASSERT_EQ(seen.size(), 8u);
    // Forward: 10 → real; back: real → 0; forward again from 10.
    EXPECT_EQ(seen[2], (std::vector<double>{10, 20, 30, 40, 50, 60, 70}));
    EXPECT_EQ(seen[3], (std::vector<double>{10, 20, 30, 40, 50, 60, 70}));
    EXPECT_EQ(seen[4], (std::vector<double>{5, 10, 15, 20, 25, 30, 35}));
    EXPECT_EQ(seen[5], std::vector<double>(7, 0));
    EXPECT_EQ(seen[6], std::vector<double>(7, 10));
    // Stopped halfway: the real values at once, OnStop once.
    EXPECT_EQ(AnimYValues(*series), (std::vector<double>{10, 20, 30, 40, 50, 60, 70}));
    EXPECT_EQ(stopped, 1);
    EXPECT_FALSE(tool->Running());
    tool->Stop();
    EXPECT_EQ(stopped, 1);
}

TEST_F(SeriesAnimationTest, StepsBelowOneAreRefused) {
    for (int bad : {0, -5}) {
        EXPECT_THROW(tool->SetSteps(bad), ChartException);
        EXPECT_EQ(tool->Steps(), 100);
    }
    tool->SetSteps(1);
    tool->Execute();
    EXPECT_EQ(steps, (std::vector<int>{0, 1}));
    // Nothing to animate without a series.
    steps.clear();
    tool->SetSeries(nullptr);
    tool->Execute();
    EXPECT_TRUE(steps.empty());
}

TEST(SeriesAnimationEditing, FromTheGalleryRunAndStoppedFromItsButton) {
    TToolBench bench;
    TPointSeries* series = bench.AddSeries({{0, 1}, {1, 2}, {2, 3}});
    TToolsPageDriver page{bench};
    auto* tool = dynamic_cast<TSeriesAnimationTool*>(
        page.AddFromGallery(&TSeriesAnimationTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    auto* editor = page.Editor<TSeriesAnimToolEditor>();
    ASSERT_NE(editor, nullptr);
    tool->SetSeries(series);
    editor->Show();
    EXPECT_EQ(editor->BExecute->Caption(), "&Execute !");
    EXPECT_FALSE(editor->EStartValue->Enabled());
    RunSteps({
        {"steps", [&] { editor->SBSteps->SetPosition(20); }, [&] { return tool->Steps() == 20; }},
        {"own start value", [&] { TToolsPageDriver::Click(editor->CBStartMin); },
         [&] { return !tool->StartAtMin() && editor->EStartValue->Enabled(); }},
        {"start value", [&] { editor->EStartValue->SetText("2.5"); },
         [&] { return tool->StartValue() == 2.5; }},
        {"text that is no number keeps it", [&] { editor->EStartValue->SetText("x"); },
         [&] { return tool->StartValue() == 2.5; }},
        {"circular", [&] { Choose(editor->CBLoop, 2); },
         [&] { return tool->Loop() == salCircular; }},
    });
    // The button runs the loop; pressed again during the run, it stops it.
    std::vector<std::string> captions;
    bool closable = true;
    tool->OnStep = [&](TSeriesAnimationTool*, int step) {
        if (step != 3) return;
        captions.push_back(editor->BExecute->Caption());
        closable = editor->CloseQuery();
        editor->ExecuteClick();
    };
    editor->ExecuteClick();
    EXPECT_EQ(captions, (std::vector<std::string>{"Stop"}));
    EXPECT_FALSE(closable);
    EXPECT_FALSE(tool->Running());
    EXPECT_EQ(editor->BExecute->Caption(), "&Execute !");
    EXPECT_TRUE(editor->CloseQuery());
    tool->OnStep = nullptr;
    ExpectToolRoundTrips(bench, *tool);
}

}  // namespace
