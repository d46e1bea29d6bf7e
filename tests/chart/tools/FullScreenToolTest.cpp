// The full screen tool on a real window: the chart moved onto a borderless window over the
// desktop, and put back exactly (parent, bounds, alignment) by the release key pressed on that
// window or by closing it, the window freed once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>

#include "chart/tools/view/FullScreenTool.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/Screen.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/chart/tools/ToolsPageDriver.h"
#include "tests/platform/ui/UserInput.h"

namespace {

struct FullScreenToolTest : testing::Test {
    TToolBench bench;
    TForm host{nullptr};
    TFullScreenTool* tool = bench.AddTool<TFullScreenTool>();
    FullScreenToolTest() {
        host.SetBounds(10, 20, 500, 400);
        bench.Chart().SetParent(&host);
        bench.Chart().SetBounds(7, 9, 300, 200);
        bench.Chart().SetAlign(alRight);
        host.Show();
    }
    ~FullScreenToolTest() override { bench.Chart().SetParent(nullptr); }
    // The window freed once the events under way are handled.
    static void Settle() {
        for (int i = 0; i < 3; ++i) {
            TApplication::ProcessMessages();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    void ExpectBackInPlace(const TRect& bounds) {
        EXPECT_FALSE(tool->Active());
        EXPECT_EQ(tool->FullScreenForm(), nullptr);
        EXPECT_EQ(bench.Chart().Parent(), &host);
        EXPECT_EQ(bench.Chart().Align(), alRight);
        EXPECT_EQ(bench.Chart().BoundsRect(), bounds);
    }
};

TEST_F(FullScreenToolTest, TheReleaseKeyPutsTheChartBack) {
    const TRect bounds = bench.Chart().BoundsRect();
    tool->SetActive(true);
    TForm* form = tool->FullScreenForm();
    ASSERT_NE(form, nullptr);
    int freed = 0;
    form->OnDestroy = [&](TObject*) { ++freed; };
    EXPECT_EQ(bench.Chart().Parent(), form);
    EXPECT_EQ(form->BorderStyle(), bsNone);
    EXPECT_TRUE(form->Visible());
    const TRect desktop = Screen()->DesktopRect();
    EXPECT_EQ(form->BoundsRect(), desktop);
    EXPECT_EQ(bench.Chart().BoundsRect(), desktop);
    EXPECT_EQ(bench.Chart().Align(), alNone);

    // Another key leaves it as it is, also when the chart has the focus.
    bench.Chart().SetFocus();
    TUserInput::Key(form, Qt::Key_A, "a");
    EXPECT_TRUE(tool->Active());
    EXPECT_EQ(bench.Chart().Parent(), form);

    TUserInput::Key(form, Qt::Key_Escape);
    ExpectBackInPlace(bounds);
    Settle();
    EXPECT_EQ(freed, 1);
}

TEST_F(FullScreenToolTest, ClosingTheWindowPutsTheChartBackAndFreesItOnce) {
    const TRect bounds = bench.Chart().BoundsRect();
    tool->SetReleaseKey(VK_F1 + 1);
    tool->SetActive(true);
    TForm* form = tool->FullScreenForm();
    ASSERT_NE(form, nullptr);
    int freed = 0;
    form->OnDestroy = [&](TObject*) { ++freed; };
    TUserInput::Key(form, Qt::Key_Escape);  // not the release key now
    EXPECT_TRUE(tool->Active());
    form->Close();
    ExpectBackInPlace(bounds);
    Settle();
    EXPECT_EQ(freed, 1);

    // A tool leaving its chart in full screen puts it back first.
    tool->SetActive(true);
    ASSERT_NE(tool->FullScreenForm(), nullptr);
    TObject::Free(tool);
    EXPECT_EQ(bench.Chart().Parent(), &host);
    EXPECT_EQ(bench.Chart().BoundsRect(), bounds);
    Settle();
}

TEST(FullScreenToolAlone, WithoutAChartOnlyTheFlagIsStored) {
    TToolBench bench;
    TFullScreenTool tool(nullptr);
    EXPECT_FALSE(tool.Active());
    tool.SetActive(true);
    EXPECT_TRUE(tool.Active());
    EXPECT_EQ(tool.FullScreenForm(), nullptr);
    tool.SetActive(false);
}

TEST(FullScreenToolEditing, FromTheGalleryAndStreamed) {
    TToolBench bench;
    TToolsPageDriver page{bench};
    auto* tool =
        dynamic_cast<TFullScreenTool*>(page.AddFromGallery(&TFullScreenTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    EXPECT_FALSE(tool->Active());
    tool->SetReleaseKey(VK_F1 + 1);
    ExpectToolRoundTrips(bench, *tool);
}

}  // namespace
