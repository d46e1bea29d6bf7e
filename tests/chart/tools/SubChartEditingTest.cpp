// The sub-chart tool made from the tools page's gallery and edited through its form: entries
// added, renamed, moved, placed, made opaque and deleted, with the chart editor embedded for the
// selected one.
#include <gtest/gtest.h>

#include "chart/editors/ChartEditorPanel.h"
#include "chart/tools/parts/InnerChart.h"
#include "chart/tools/parts/SubChartEditor.h"
#include "chart/tools/parts/SubChartTool.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolsPageDriver.h"

namespace {

TEST(SubChartEditing, TheFormListsPlacesAndOrdersTheInnerCharts) {
    TToolBench bench;
    TRecordingDialogService dialogs;
    TToolsPageDriver page{bench};
    auto* tool = dynamic_cast<TSubChartTool*>(page.AddFromGallery(&TSubChartTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    auto* editor = page.Editor<TSubChartEditor>();
    ASSERT_NE(editor, nullptr);
    // Empty: no pages, nothing to delete.
    EXPECT_FALSE(editor->TabPosition->TabVisible());
    EXPECT_FALSE(editor->BDelete->Enabled());

    dialogs.InputAnswers = {std::string("Prices"), std::nullopt, std::string("Volume")};
    editor->BAdd->Click();
    ASSERT_EQ(dialogs.InputQueries.size(), 1u);
    EXPECT_EQ(dialogs.InputQueries[0].Caption, "New Chart");
    EXPECT_EQ(dialogs.InputQueries[0].Prompt, "Chart Name:");
    EXPECT_EQ(dialogs.InputQueries[0].Value, "Chart1");
    editor->BAdd->Click();  // cancelled
    ASSERT_EQ(tool->Charts()->Count(), 1);
    editor->BAdd->Click();
    ASSERT_EQ(tool->Charts()->Count(), 2);
    EXPECT_EQ(editor->LBCharts->Items()->Strings(1), "Volume");
    EXPECT_EQ(editor->LBCharts->ItemIndex(), 1);
    EXPECT_TRUE(editor->TabPosition->TabVisible());
    EXPECT_TRUE(editor->BUp->Enabled());
    EXPECT_FALSE(editor->BDown->Enabled());
    ASSERT_NE(editor->ChartEditor(), nullptr);
    EXPECT_EQ(editor->ChartEditor()->Chart(), tool->Charts()->Item(1)->Chart());
    EXPECT_TRUE(editor->CBTransp->Checked());
    EXPECT_EQ(editor->UDWidth->Position(), 150);

    // Placing and colouring the selected one.
    editor->UDLeft->SetPosition(10);
    editor->UDHeight->SetPosition(80);
    TInnerChart* volume = tool->Charts()->Item(1)->Chart();
    EXPECT_EQ(volume->BoundsRect(), (TRect{10, 50, 160, 130}));
    editor->CBTransp->SetChecked(false);
    EXPECT_EQ(volume->Color(), TColor(0xFF00000F));

    // Up: the entries and the charts change places.
    editor->BUp->Click();
    EXPECT_EQ(tool->Charts()->Item(0)->Chart(), volume);
    EXPECT_EQ(editor->LBCharts->Items()->Strings(0), "Volume");
    EXPECT_EQ(editor->LBCharts->ItemIndex(), 0);

    dialogs.InputAnswers = {std::string("Turnover")};
    editor->BRename->Click();
    EXPECT_EQ(dialogs.InputQueries.back().Caption, "Rename Chart");
    EXPECT_EQ(dialogs.InputQueries.back().Value, "Volume");
    EXPECT_EQ(volume->Name(), "Turnover");
    EXPECT_EQ(editor->LBCharts->Items()->Strings(0), "Turnover");

    dialogs.Answers = {mrYes};
    editor->BDelete->Click();
    ASSERT_EQ(tool->Charts()->Count(), 1);
    EXPECT_EQ(tool->Charts()->Item(0)->Chart()->Name(), "Prices");
    EXPECT_EQ(editor->LBCharts->Items()->Count(), 1);
}

}  // namespace
