#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/ui/ColorDialog.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/FileFilter.h"
#include "platform/ui/RecordingDialogService.h"
#include "tests/support/OffscreenApplication.h"
#include "tests/support/TempDir.h"

namespace {

TEST(MessageService, RecordsTextsCaptionsAndAnswers) {
    TRecordingDialogService dialogs;
    ShowMessage("Line one\rLine two");
    dialogs.Answers = {mrNo, mrYes, mrCancel, mrCancel};
    EXPECT_FALSE(ConfirmYesNo("Delete?"));
    EXPECT_TRUE(ConfirmYesNo("Delete?"));
    EXPECT_FALSE(ConfirmYesNo("Delete?"));  // anything but Yes is No
    EXPECT_EQ(ConfirmYesNoCancel("Save changes?"), mrCancel);
    EXPECT_EQ(ConfirmYesNoCancel("Save changes?"), mrYes);  // no answer queued: first button

    ASSERT_EQ(dialogs.Messages.size(), 6u);
    EXPECT_EQ(dialogs.Messages[0].Text, "Line one\rLine two");
    EXPECT_EQ(dialogs.Messages[0].Caption, TestAppTitle);
    EXPECT_EQ(dialogs.Messages[0].Type, mtInformation);
    EXPECT_EQ(dialogs.Messages[1].Buttons, (TMsgDlgButtons{mbYes, mbNo}));
    EXPECT_EQ(dialogs.Messages[4].Buttons, (TMsgDlgButtons{mbYes, mbNo, mbCancel}));
}

TEST(MessageService, ReplacedServiceIsRestored) {
    TDialogService* before = &DialogService();
    {
        TRecordingDialogService dialogs;
        EXPECT_EQ(&DialogService(), &dialogs);
    }
    EXPECT_EQ(&DialogService(), before);
}

TEST(FileFilter, SplitsDescriptionsAndPatterns) {
    using V = std::vector<TFileFilterItem>;
    const struct {
        const char* filter;
        V items;
    } cases[] = {
        {"", V{}},
        {"Text files (*.txt)|*.txt|All files (*.*)|*.*",
         V{{"Text files (*.txt)", {"*.txt"}}, {"All files (*.*)", {"*.*"}}}},
        {"Data|*.dat;*.bin", V{{"Data", {"*.dat", "*.bin"}}}},
        {"Lonely", V{{"Lonely", {}}}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseFileFilter(c.filter), c.items) << c.filter;
}

TEST(FileFilter, DefaultExtensionIsAppendedOnlyWhenMissing) {
    const struct {
        const char* name;
        const char* ext;
        const char* result;
    } cases[] = {
        {"/data/cavity", "txt", "/data/cavity.txt"},
        {"/data/cavity.dat", "txt", "/data/cavity.dat"},
        {"/data.v2/cavity", "txt", "/data.v2/cavity.txt"},
        {"cavity", ".txt", "cavity.txt"},
        {"cavity", "", "cavity"},
        {"", "txt", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ApplyDefaultExt(c.name, c.ext), c.result) << c.name;
}

TEST(FileDialogs, RequestCarriesTheSettingsAndTheAnswerComesBack) {
    TRecordingDialogService dialogs;
    dialogs.FileAnswers = {{"/tmp/wave", 2}};
    TOpenDialog dialog(nullptr);
    dialog.SetTitle("Open wavelengths");
    dialog.SetFilter("Text|*.txt|All|*.*");
    dialog.SetDefaultExt("txt");
    dialog.SetInitialDir("/data/Wavelengths");
    dialog.SetFileName("w1.txt");
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/tmp/wave.txt");
    EXPECT_EQ(dialog.FilterIndex(), 2);
    const TFileDialogRequest& asked = dialogs.FileRequests.at(0);
    EXPECT_FALSE(asked.Save);
    EXPECT_EQ(asked.Title, "Open wavelengths");
    EXPECT_EQ(asked.Filter, "Text|*.txt|All|*.*");
    EXPECT_EQ(asked.FilterIndex, 1);
    EXPECT_EQ(asked.InitialDir, "/data/Wavelengths");
    EXPECT_EQ(asked.FileName, "w1.txt");

    // Cancelled: false, and nothing changes.
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/tmp/wave.txt");
    EXPECT_EQ(SaveTextFile("Save", "Text|*.txt", "/tmp", "x"), "");
}

TEST(FileDialogs, OverwritePromptAsksAgainUntilYes) {
    TTempDir dir;
    std::string existing = dir.File("existing.txt");
    std::ofstream(existing) << "old";
    TRecordingDialogService dialogs;
    dialogs.FileAnswers = {{existing}, {existing}};
    dialogs.Answers = {mrNo, mrYes};
    EXPECT_EQ(SaveTextFile("Save report", "Text|*.txt", "", "report"), existing);
    EXPECT_EQ(dialogs.FileRequests.size(), 2u);
    ASSERT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_EQ(dialogs.Messages[0].Text, existing + " already exists.\rDo you want to replace it?");
    EXPECT_TRUE(dialogs.FileRequests[0].Save);

    // A new file is not asked about.
    dialogs.FileAnswers = {{dir.File("new")}};
    EXPECT_EQ(SaveTextFile("Save", "Text|*.txt", "", ""), dir.File("new.txt"));
    EXPECT_EQ(dialogs.Messages.size(), 2u);
}

TEST(ColorDialogs, OkSetsTheColourAndCancelKeepsIt) {
    TRecordingDialogService dialogs;
    dialogs.ColorAnswers = {clMoneyGreen, clNone};
    TColorDialog dialog(nullptr);
    dialog.SetColor(clRed);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), clMoneyGreen);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), clMoneyGreen);
}

}  // namespace
