// The page number tool on a paged bench chart: its text and custom formats (a bad one refused
// while editing, never met by a paint), the box grown for the buttons on the proper side, the
// buttons' fills and clicks, the hand cursor over an enabled button, its stream and its editor;
// and the paging page's "Show Page Number" and "Edit..." controls.
#include <gtest/gtest.h>

#include "chart/editors/PagingPage.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartPage.h"
#include "chart/engine/PointSeries.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/tools/annotation/PageNumTool.h"
#include "chart/tools/annotation/PageNumToolEditor.h"
#include "platform/classes/Cursors.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolEditorLoad.h"
#include "tests/chart/tools/ToolRoundTrip.h"

namespace {

// A page number tool a test can put in the loading state, as a stream reader does.
class TLoadedPageNumTool : public TPageNumTool {
public:
    using TComponent::SetState;
    using TPageNumTool::TPageNumTool;
};

struct PageNumToolTest : ::testing::Test {
    TToolBench bench;
    TPageNumTool* tool = bench.AddTool<TPageNumTool>();
    // Nine points three to a page: three pages.
    PageNumToolTest() {
        bench.AddSeries({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}});
        bench.Chart().Pages()->SetMaxPointsPerPage(3);
        bench.Render();
    }
    std::string Text() {
        bench.Render();
        return tool->Shape()->Text();
    }
};

TEST_F(PageNumToolTest, TextsAndFormats) {
    EXPECT_EQ(Text(), "Page 1 of 3");
    bench.Chart().Pages()->SetCurrent(3);
    EXPECT_EQ(Text(), "Page 3 of 3");
    tool->SetFormat("%d/%d");
    EXPECT_EQ(Text(), "3/3");
    tool->SetFormat("[%1:d] of pages, on %0:d");
    EXPECT_EQ(Text(), "[3] of pages, on 3");
    // Not a chart of pages: the default format with 1 and 1.
    tool->SetFormat("Page %d of %d");
    bench.Chart().Pages()->SetMaxPointsPerPage(0);
    EXPECT_EQ(Text(), "Page 1 of 1");
}

TEST_F(PageNumToolTest, ABadFormatIsRefusedWhenSetAndNeverRaisesInAPaint) {
    for (const char* bad : {"Page %s of %d", "%d %d %d", "%f"}) {
        EXPECT_THROW(tool->SetFormat(bad), EConvertError) << bad;
        EXPECT_EQ(tool->Format(), "Page %d of %d");
    }
    // A stream may still bring one; the paint shows it as it is.
    tool->SetParentChart(nullptr);
    auto* read = bench.AddTool<TLoadedPageNumTool>();
    read->SetState(csLoading, true);
    read->SetFormat("%d %d %d");
    read->SetState(csLoading, false);
    EXPECT_NO_THROW(bench.Render());
    EXPECT_EQ(read->Shape()->Text(), "%d %d %d");
}

TEST_F(PageNumToolTest, TheBoxGrowsForTheButtonsOnTheSideAwayFromItsCorner) {
    const int grow = 2 * 12 + 8;
    tool->SetShowButtons(false);
    bench.Render();
    const TRect plain = tool->ShapeBounds();
    tool->SetShowButtons(true);
    bench.Render();
    EXPECT_EQ(tool->ShapeBounds(),
              (TRect{plain.Left, plain.Top, plain.Right + grow, plain.Bottom}));
    tool->SetPosition(ppRightTop);
    tool->SetShowButtons(false);
    bench.Render();
    const TRect right = tool->ShapeBounds();
    tool->SetShowButtons(true);
    bench.Render();
    EXPECT_EQ(tool->ShapeBounds(),
              (TRect{right.Left - grow, right.Top, right.Right, right.Bottom}));
    // A box of its own size keeps it; the buttons go inside.
    tool->SetWidth(150);
    tool->SetHeight(30);
    bench.Render();
    const TRect own = tool->ShapeBounds();
    EXPECT_EQ(own.Right - own.Left + 1, 150);
}

TEST_F(PageNumToolTest, ButtonsFillByWhetherTheyCanActAndStepThePages) {
    const TRect box = tool->ShapeBounds();
    const auto inside = [](const TPageNumTool::TTriangle& t) {
        // Two thirds of the way from the tip to the base, on the middle line.
        return TPoint{t[0].X + (t[1].X - t[0].X) * 2 / 3, t[0].Y};
    };
    const TPoint previous = inside(tool->PreviousButton(box));
    const TPoint next = inside(tool->NextButton(box));
    EXPECT_EQ(tool->PreviousButton(box)[0], (TPoint{box.Left + 3, (box.Top + box.Bottom) / 2}));
    EXPECT_EQ(tool->NextButton(box)[1], (TPoint{box.Right - 4 - 12, box.Top + 4}));
    // Page 1 of 3: the previous button in the disabled white-to-silver fill, the next one in
    // the enabled black-to-silver one.
    const auto red = [&](TPoint p) { return int(bench.FrontPixel(p.X, p.Y) & 0xFF); };
    EXPECT_GE(red(previous), 0xC0);
    EXPECT_LT(red(next), 0xB0);
    bench.Press(previous.X, previous.Y);
    bench.Release(previous.X, previous.Y);
    EXPECT_EQ(bench.Chart().CurrentPage(), 1);
    bench.Press(next.X, next.Y);
    bench.Release(next.X, next.Y);
    EXPECT_EQ(bench.Chart().CurrentPage(), 2);
    bench.Render();
    EXPECT_LT(red(previous), 0xB0);
    // The hand over an enabled button only.
    bench.Chart().Pages()->SetCurrent(3);
    bench.Render();
    bench.Move(next.X, next.Y);
    EXPECT_NE(bench.Chart().Cursor(), crHandPoint);
    bench.Move(previous.X, previous.Y);
    EXPECT_EQ(bench.Chart().Cursor(), crHandPoint);
    // Without buttons a click there is the annotation's.
    tool->SetShowButtons(false);
    bench.Press(previous.X, previous.Y);
    bench.Release(previous.X, previous.Y);
    EXPECT_EQ(bench.Chart().CurrentPage(), 3);
}

TEST_F(PageNumToolTest, StreamedAndEdited) {
    tool->SetFormat("%d / %d");
    tool->SetButtonWidth(9);
    tool->SetShowButtons(false);
    tool->EnabledButton()->SetEndColor(clRed);
    tool->ButtonPen()->SetColor(clBlue);
    ExpectToolRoundTrips(bench, *tool);
    TComponent owner(nullptr);
    auto* editor = ShowToolEditor<TPageNumToolEdit>(bench, *tool, owner);
    EXPECT_EQ(editor->Tool(), tool);
    EXPECT_FALSE(editor->CBButtons->Checked());
    EXPECT_EQ(editor->EWidth->Text(), "9");
    // The "Paging" tab comes to the front a moment after the form shows.
    EXPECT_NE(editor->PageControl1->ActivePage(), editor->TabPaging);
    bench.Clock.Advance(1);
    EXPECT_EQ(editor->PageControl1->ActivePage(), editor->TabPaging);
    editor->CBButtons->SetChecked(true);
    EXPECT_TRUE(tool->ShowButtons());
    editor->EWidth->SetText("15");
    EXPECT_EQ(tool->ButtonWidth(), 15);
}

TEST_F(PageNumToolTest, ThePagingPageShowsFindsAndMakesThePageNumberTool) {
    tool->SetParentChart(nullptr);
    TComponent owner(nullptr);
    auto* page = new TFormTeePage(&owner, &bench.Chart());
    page->Show();
    EXPECT_TRUE(page->CBPageNum->Visible());
    EXPECT_FALSE(page->CBPageNum->Checked());
    EXPECT_FALSE(page->BEditTool->Enabled());
    EXPECT_EQ(page->FindPageNumTool(false), nullptr);
    page->CBPageNum->SetChecked(true);
    TTeeCustomTool* made = page->FindPageNumTool(false);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->ClassType().ClassName(), "TPageNumTool");
    EXPECT_EQ(made->Owner(), &bench.Form());
    EXPECT_EQ(made->Name().rfind("ChartTool", 0), 0u);
    EXPECT_TRUE(made->Active());
    EXPECT_TRUE(page->BEditTool->Enabled());
    page->CBPageNum->SetChecked(false);
    EXPECT_FALSE(made->Active());
    EXPECT_EQ(page->FindPageNumTool(true), made);
    // "Edit..." opens the tool's own editor on it.
    TObject* edited = nullptr;
    TModalRunner<TPageNumToolEdit> runner(page, [&](TPageNumToolEdit& form) {
        edited = form.Tool();
        form.Close();
    });
    page->BEditTool->Click();
    EXPECT_TRUE(runner.Ran());
    EXPECT_EQ(edited, made);
}

}  // namespace
