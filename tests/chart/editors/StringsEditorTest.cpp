// The text editor: OK replaces the lines unless read-only, Cancel and Esc leave them; copy, load
// and save.
#include <gtest/gtest.h>

#include <fstream>

#include "chart/editors/StringsEditor.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Memo.h"
#include "platform/ui/RecordingDialogService.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/TempDir.h"

namespace {

struct StringsEditorTest : ::testing::Test {
    TForm window{nullptr};
    TStringList lines;

    StringsEditorTest() {
        LoadCoreTexts();
        lines.SetText("one\ntwo");
    }
    static void Click(TControl* c) {
        TUserInput().Click(c, QPoint(c->Width() / 2, c->Height() / 2));
    }
    bool Run(bool readOnly, std::function<void(TStringsEditor&)> act) {
        TModalRunner<TStringsEditor> runner(&window, std::move(act));
        const bool ok = ShowStringsEditor(&window, lines, readOnly);
        EXPECT_TRUE(runner.Ran());
        return ok;
    }
};

TEST_F(StringsEditorTest, OkCancelEscAndReadOnly) {
    struct Case {
        const char* what;
        bool readOnly;
        std::function<void(TStringsEditor&)> close;
        bool result;
        const char* after;
    };
    const Case cases[] = {
        {"OK keeps the edit", false, [](TStringsEditor& e) { Click(e.Button1); }, true,
         "one,two,three"},
        {"Cancel leaves the lines", false, [](TStringsEditor& e) { Click(e.Button2); }, false,
         "one,two"},
        {"Esc cancels", false, [](TStringsEditor& e) { TUserInput::Key(e.Memo1, Qt::Key_Escape); },
         false, "one,two"},
        {"read-only OK leaves the lines", true, [](TStringsEditor& e) { Click(e.Button1); }, true,
         "one,two"},
    };
    for (const Case& c : cases) {
        lines.SetText("one\ntwo");
        const bool ok = Run(c.readOnly, [&](TStringsEditor& e) {
            EXPECT_EQ(e.Caption(), "Text Editor");
            EXPECT_EQ(e.Memo1->ReadOnly(), c.readOnly);
            EXPECT_EQ(e.Memo1->Lines()->CommaText(), "one,two");
            e.Memo1->Lines()->Add("three");
            c.close(e);
        });
        EXPECT_EQ(ok, c.result) << c.what;
        EXPECT_EQ(lines.CommaText(), c.after) << c.what;
    }
}

TEST_F(StringsEditorTest, CopyTakesTheSelectionOrEverything) {
    Run(false, [](TStringsEditor& e) {
        Click(e.Button3);
        EXPECT_EQ(Clipboard()->AsText(), "one\r\ntwo\r\n");
        e.Memo1->Select(1, 5);
        Click(e.Button3);
        EXPECT_EQ(Clipboard()->AsText(), "ne\r\ntw");
        Click(e.Button2);
    });
}

TEST_F(StringsEditorTest, LoadAndSaveThroughTheFileDialogs) {
    TTempDir dir;
    const std::string in = dir.File("in.txt");
    const std::string out = dir.File("out.txt");
    std::ofstream(in) << "alpha\nbeta\n";
    TRecordingDialogService dialogs;
    dialogs.FileAnswers.push_back({in});
    dialogs.FileAnswers.push_back({out});
    Run(false, [](TStringsEditor& e) {
        Click(e.Button4);
        EXPECT_EQ(e.Memo1->Lines()->CommaText(), "alpha,beta");
        Click(e.Button5);
        Click(e.Button2);
    });
    ASSERT_EQ(dialogs.FileRequests.size(), 2u);
    EXPECT_EQ(dialogs.FileRequests[0].Title, "Select text file");
    EXPECT_EQ(dialogs.FileRequests[0].Filter, "Text File|*.txt");
    EXPECT_TRUE(dialogs.FileRequests[1].Save);
    EXPECT_EQ(dialogs.FileRequests[1].Title, "Save as text file");
    TStringList saved;
    saved.LoadFromFile(out);
    EXPECT_EQ(saved.CommaText(), "alpha,beta");
    EXPECT_EQ(lines.CommaText(), "one,two");  // cancelled
}

TEST_F(StringsEditorTest, SingleTextKeepsItsLineBreaks) {
    std::string text = "first\r\nsecond";
    TModalRunner<TStringsEditor> runner(&window, [](TStringsEditor& e) {
        EXPECT_EQ(e.Memo1->Lines()->CommaText(), "first,second");
        e.Memo1->Lines()->Add("third");
        Click(e.Button1);
    });
    EXPECT_TRUE(ShowStringsEditorForText(&window, text, false));
    EXPECT_EQ(text, "first\r\nsecond\r\nthird");
}

}  // namespace
