// The chart font editor: loading changes nothing, each control writes the font, the dialog's
// Cancel puts the font back byte for byte, the embedded page has no buttons.
#include <gtest/gtest.h>

#include "chart/editors/FontEditor.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartTitle.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RecordingDialogService.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"

namespace {

constexpr const char* OwnFont = "Kavri Own Face";

struct FontEditorTest : ::testing::Test {
    TRecordingDialogService dialogs;
    TForm window{nullptr};
    TChart* chart = nullptr;

    FontEditorTest() {
        FontListHook = [](TStrings& names) { names.Add(OwnFont); };
        window.SetBounds(0, 0, 400, 300);
        chart = new TChart(&window);
        chart->SetParent(&window);
        Font().SetName("No Such Face Installed");
        Font().SetSize(9);
    }
    ~FontEditorTest() override { FontListHook = nullptr; }
    TTeeFont& Font() { return *chart->Title()->Font(); }
    std::string Bytes() {
        TMemoryStream s;
        WriteComponentToStream(s, chart);
        return std::string(s.Memory(), size_t(s.Size()));
    }
    static void Click(TControl* c) { TUserInput().Click(c, QPoint(6, c->Height() / 2)); }
    // Every change the editor offers, each with the font it then has.
    void ChangeEverything(TTeeFontEditor& e) {
        e.CBName->SetItemIndex(e.CBName->Items()->IndexOf(OwnFont));
        e.CBName->OnChange(e.CBName);
        EXPECT_EQ(Font().Name(), OwnFont);
        e.ESize->SetText("14");
        EXPECT_EQ(Font().Size(), 14);
        Click(e.CBBold);
        Click(e.CBStrike);
        EXPECT_EQ(Font().Style(), TFontStyles({fsBold, fsStrikeOut}));
        Click(e.CBBold);
        EXPECT_EQ(Font().Style(), TFontStyles({fsStrikeOut}));
        dialogs.ColorAnswers.push_back(clTeal);
        Click(e.BColor);
        EXPECT_EQ(Font().Color(), clTeal);
        e.PageControl1->SetActivePage(e.TabOptions);
        e.EInter->SetText("-7");
        EXPECT_EQ(Font().InterCharSize(), -7);
        Click(e.CBOutGrad);
        EXPECT_TRUE(Font().Gradient()->Outline());
    }
};

TEST_F(FontEditorTest, EmbeddedPageLoadsWithoutChangingAndWritesAtOnce) {
    TPageControl* pages = new TPageControl(&window);
    pages->SetParent(&window);
    pages->SetBounds(0, 0, 380, 280);
    TTabSheet* sheet = new TTabSheet(&window);
    sheet->SetPageControl(pages);
    window.Show();
    TTeeFontEditor* editor = EmbedFontEditor(sheet);
    const std::string before = Bytes();
    editor->LoadFont(&Font());
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(editor->CBName->ItemIndex(), -1);  // the face is not installed
    EXPECT_GE(editor->CBName->Items()->IndexOf(OwnFont), 0);
    EXPECT_EQ(editor->ESize->Text(), "9");
    EXPECT_FALSE(editor->PanelButtons->Visible());
    EXPECT_EQ(editor->Owner(), nullptr);
    EXPECT_TRUE(editor->TabGradient->TabVisible());
    EXPECT_FALSE(editor->TabPicture->TabVisible());  // waits for the back-image editor
    ChangeEverything(*editor);
    TObject::Free(editor);
}

TEST_F(FontEditorTest, DialogCancelRestoresTheFontByteForByte) {
    const std::string before = Bytes();
    TModalRunner<TTeeFontEditor> runner(&window, [&](TTeeFontEditor& e) {
        EXPECT_TRUE(e.PanelButtons->Visible());
        EXPECT_EQ(Bytes(), before);
        ChangeEverything(e);
        Click(e.Button2);
    });
    EXPECT_FALSE(ShowFontEditor(&window, &Font()));
    EXPECT_TRUE(runner.Ran());
    EXPECT_EQ(Bytes(), before);
}

TEST_F(FontEditorTest, DialogOkKeepsTheChanges) {
    TModalRunner<TTeeFontEditor> runner(&window, [&](TTeeFontEditor& e) {
        ChangeEverything(e);
        Click(e.Button1);
    });
    EXPECT_TRUE(ShowFontEditor(&window, &Font()));
    EXPECT_EQ(Font().Name(), OwnFont);
    EXPECT_EQ(Font().Size(), 14);
    EXPECT_EQ(Font().Color(), clTeal);
}

TEST_F(FontEditorTest, PlatformDialogReloadsFaceSizeAndStyle) {
    dialogs.FontAnswers.push_back([](TFont& f) {
        f.SetName(OwnFont);
        f.SetSize(20);
        f.SetStyle({fsItalic, fsUnderline});
        return true;
    });
    TModalRunner<TTeeFontEditor> runner(&window, [&](TTeeFontEditor& e) {
        Click(e.Button3);
        EXPECT_EQ(e.CBName->Text(), OwnFont);
        EXPECT_EQ(e.ESize->Text(), "20");
        EXPECT_TRUE(e.CBItalic->Checked());
        EXPECT_TRUE(e.CBUnder->Checked());
        EXPECT_FALSE(e.CBBold->Checked());
        Click(e.Button1);
    });
    EXPECT_TRUE(ShowFontEditor(&window, &Font()));
    EXPECT_EQ(Font().Size(), 20);
}

}  // namespace
