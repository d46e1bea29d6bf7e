// The Fibonacci tool made from the tools page's gallery and edited through its form: style,
// trend points, the level list (add, remove, reset, a level's value and pen) and the labels.
#include <gtest/gtest.h>

#include "chart/editors/PenDialog.h"
#include "chart/foundation/ChartPen.h"
#include "chart/tools/financial/FibonacciEditor.h"
#include "chart/tools/financial/FibonacciTool.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolsPageDriver.h"

namespace {

TEST(FibonacciEditing, TheFormEditsTheTrendTheLevelsAndTheLabels) {
    TToolBench bench;
    TToolsPageDriver page{bench};
    auto* tool = dynamic_cast<TFibonacciTool*>(page.AddFromGallery(&TFibonacciTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    auto* editor = page.Editor<TFibonacciEditor>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->RGStyle->ItemIndex(), int(fsArc));
    EXPECT_EQ(editor->UDAngle->Position(), 90);
    EXPECT_EQ(editor->ELevelValue->Text(), "38.2");
    RunSteps({
        {"fans", [&] { editor->RGStyle->SetItemIndex(1); },
         [&] { return tool->DrawStyle() == fsFan; }},
        {"an end X", [&] { editor->EXEnd->SetText("12.5"); }, [&] { return tool->EndX() == 12.5; }},
        {"not a number keeps it", [&] { editor->EXEnd->SetText("x"); },
         [&] { return tool->EndX() == 12.5; }},
        {"the second level", [&] { editor->UDLevel->SetPosition(1); },
         [&] { return editor->ELevelValue->Text() == "50"; }},
        {"its value", [&] { editor->ELevelValue->SetText("23.6"); },
         [&] { return tool->Levels()->Level(1)->Value() == 23.6; }},
        {"a new level", [&] { editor->Button1->Click(); },
         [&] { return tool->Levels()->Count() == 4 && editor->UDLevel->Position() == 3; }},
        {"removed", [&] { editor->BRemoveLevel->Click(); },
         [&] { return tool->Levels()->Count() == 3; }},
        {"no labels", [&] { editor->CBLabels->SetChecked(false); },
         [&] { return !tool->ShowLabels(); }},
        {"an angle", [&] { editor->EAngle->SetText("45"); },
         [&] { return tool->LabelsAngle() == 45; }},
    });
    EXPECT_EQ(editor->BLevelPen->Pen(), tool->Levels()->Level(2)->Pen());
    EXPECT_EQ(editor->BTrendPen->Pen(), tool->TrendPen());
    // Emptied, the level group and "Remove" go grey; "Reset" brings the defaults back.
    for (int i = 0; i < 3; ++i) editor->BRemoveLevel->Click();
    EXPECT_EQ(tool->Levels()->Count(), 0);
    EXPECT_FALSE(editor->GBLevels->Enabled());
    EXPECT_FALSE(editor->BRemoveLevel->Enabled());
    editor->Button3->Click();
    ASSERT_EQ(tool->Levels()->Count(), 3);
    EXPECT_EQ(tool->Levels()->Level(0)->Value(), 38.2);
    EXPECT_TRUE(editor->GBLevels->Enabled());
}

}  // namespace
