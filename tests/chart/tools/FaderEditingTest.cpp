// The fader made from the tools page's gallery and edited through its form: the speed bar in
// tenths, the delay, the style, and the Fade button greyed while a fade runs; the form's stop
// handler stands in for the tool's own until the form goes.
#include <gtest/gtest.h>

#include "chart/tools/view/FaderEditor.h"
#include "chart/tools/view/FaderTool.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/ScrollBar.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolsPageDriver.h"

namespace {

TEST(FaderEditing, TheFormSetsTheFadeAndRunsIt) {
    TToolBench bench;
    int ownStops = 0;
    TFaderTool* tool = nullptr;
    {
        TToolsPageDriver page{bench};
        tool = dynamic_cast<TFaderTool*>(page.AddFromGallery(&TFaderTool::StaticClass()));
        ASSERT_NE(tool, nullptr);
        auto* editor = page.Editor<TFaderEditor>();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->SBSpeed->Position(), 30);
        EXPECT_EQ(editor->Label2->Caption(), "3.0");
        RunSteps({
            {"a speed of 2.5", [&] { editor->SBSpeed->SetPosition(25); },
             [&] { return tool->Speed() == 2.5 && editor->Label2->Caption() == "2.5"; }},
            {"a delay", [&] { editor->Edit1->SetText("40"); },
             [&] { return tool->InitialDelay() == 40; }},
            {"fading out", [&] { editor->RGStyle->SetItemIndex(1); },
             [&] { return tool->Style() == fsFadeOut; }},
        });
        bench.Render();
        editor->BStart->Click();
        EXPECT_FALSE(editor->BStart->Enabled());
        EXPECT_FALSE(editor->BReset->Enabled());
        EXPECT_TRUE(tool->Fading());
        bench.Clock.Advance(10000);
        EXPECT_FALSE(tool->Fading());
        EXPECT_TRUE(editor->BStart->Enabled());
        EXPECT_TRUE(editor->BReset->Enabled());
        const int64_t before = bench.Chart().Invalidations;
        editor->BReset->Click();
        EXPECT_GT(bench.Chart().Invalidations, before);
        EXPECT_TRUE(tool->OnStop);
    }
    // The form is gone: the tool's stop handler is its own again (none here).
    EXPECT_FALSE(tool->OnStop);
    tool->OnStop = [&](TObject*) { ++ownStops; };
    tool->Start();
    bench.Clock.Advance(10000);
    EXPECT_EQ(ownStops, 1);
}

}  // namespace
