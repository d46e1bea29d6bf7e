// The video tools made from the tools page's gallery and edited through their forms: the
// recorder's duration, compressor, quality and file with Start and Stop counting frames; the
// player's file, delay, loop, Play / Stop and the picture the frames go to.
#include <gtest/gtest.h>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartWalls.h"
#include "chart/foundation/BackImage.h"
#include "chart/tools/media/VideoPlayerEditor.h"
#include "chart/tools/media/VideoPlayerTool.h"
#include "chart/tools/media/VideoTool.h"
#include "chart/tools/media/VideoToolEditor.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolsPageDriver.h"
#include "tests/support/TempDir.h"

namespace {

TEST(VideoEditing, TheRecorderFormRecordsAndCountsFrames) {
    TToolBench bench;
    TTempDir dir;
    TToolsPageDriver page{bench};
    auto* tool = dynamic_cast<TVideoTool*>(page.AddFromGallery(&TVideoTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    auto* editor = page.Editor<TVideoToolEditor>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->SBMsec->Position(), 50);
    EXPECT_EQ(editor->CBCompress->ItemIndex(), 0);
    EXPECT_EQ(editor->CBQuality->ItemIndex(), 2);  // 8000: "High"
    EXPECT_FALSE(editor->BStart->Enabled());
    EXPECT_FALSE(editor->BStop->Enabled());
    RunSteps({
        {"40 ms", [&] { editor->SBMsec->SetPosition(40); },
         [&] { return tool->FrameDuration() == 40 && editor->Label2->Caption() == "40"; }},
        {"Motion-JPEG", [&] { Choose(editor->CBCompress, 1); },
         [&] { return tool->Compression() == "MJPG"; }},
        {"no compression", [&] { Choose(editor->CBCompress, 0); },
         [&] { return tool->Compression().empty(); }},
        {"low quality", [&] { Choose(editor->CBQuality, 4); },
         [&] { return tool->CompressionQuality() == 4000; }},
        {"a file", [&] { editor->EFile->SetText(dir.File("v.avi")); },
         [&] { return editor->BStart->Enabled(); }},
    });
    int ownFrames = 0;
    tool->OnNewFrame = [&](TObject*) { ++ownFrames; };
    editor->BStart->Click();
    EXPECT_TRUE(tool->IsRecording());
    EXPECT_FALSE(editor->BStart->Enabled());
    EXPECT_TRUE(editor->BStop->Enabled());
    bench.Render();
    bench.Render();
    EXPECT_EQ(editor->LFrame->Caption(), "2");
    EXPECT_EQ(ownFrames, 2);  // the tool's own handler still called first
    editor->BStop->Click();
    EXPECT_FALSE(tool->IsRecording());
    EXPECT_EQ(tool->FileName(), dir.File("v.avi"));
    bench.Render();
    EXPECT_EQ(ownFrames, 2);
}

TEST(VideoEditing, ThePlayerFormPlaysIntoTheChosenPicture) {
    TToolBench bench;
    TTempDir dir;
    const std::string file = dir.File("v.avi");
    {
        auto* recorder = bench.AddTool<TVideoTool>();
        recorder->StartRecording(file);
        bench.Render();
        bench.Render();
        recorder->StopRecording();
        recorder->SetActive(false);
    }
    TToolsPageDriver page{bench};
    auto* tool =
        dynamic_cast<TVideoPlayerTool*>(page.AddFromGallery(&TVideoPlayerTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    auto* editor = page.Editor<TVideoPlayerEditor>();
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->BPlay->Enabled());
    EXPECT_TRUE(editor->RBBack->Checked());
    RunSteps({
        {"the file", [&] { editor->EName->SetText(file); },
         [&] { return tool->FileName() == file && editor->BPlay->Enabled(); }},
        {"a delay", [&] { editor->EDelay->SetText("20"); }, [&] { return tool->Delay() == 20; }},
        {"looping", [&] { editor->CBLoop->SetChecked(true); }, [&] { return tool->Loop(); }},
    });
    // Into the back wall's picture.
    editor->RBOther->SetChecked(true);
    editor->RBOther->Click();
    Choose(editor->CBDisplay, 4);
    ASSERT_EQ(editor->CBItem->Items()->Count(), 4);
    Choose(editor->CBItem, 0);
    auto& chart = dynamic_cast<TCustomChart&>(bench.Chart());
    EXPECT_EQ(tool->Target(), chart.Walls()->Back()->Picture());
    editor->BPlay->Click();
    EXPECT_TRUE(tool->Playing());
    EXPECT_EQ(editor->BPlay->Caption(), "Stop");
    bench.Clock.Advance(20);
    EXPECT_EQ(editor->LFrame->Caption(), "0 / 1");
    EXPECT_EQ(chart.Walls()->Back()->Picture()->Width(), 400);
    editor->BPlay->Click();
    EXPECT_FALSE(tool->Playing());
    EXPECT_EQ(editor->BPlay->Caption(), "&Play");
    // The legend: its picture, and the item list is off.
    Choose(editor->CBDisplay, 2);
    EXPECT_EQ(tool->Target(), chart.Legend()->Picture());
    EXPECT_FALSE(editor->CBItem->Enabled());
    EXPECT_EQ(chart.Walls()->Back()->Picture()->Graphic(), nullptr);
}

}  // namespace
