// The select-list panel and the list moves it is built on.
#include <gtest/gtest.h>

#include "chart/editors/EditorRoutines.h"
#include "chart/editors/SelectListForm.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Button.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/SpeedButton.h"
#include "tests/platform/ui/UserInput.h"

namespace {

std::string Lines(const TListBox* list) { return list->Items()->CommaText(); }

TEST(ListMoves, SelectedItemsMoveWithTheirObjectsInOrder) {
    TForm form(nullptr);
    TListBox* source = new TListBox(&form);
    TListBox* target = new TListBox(&form);
    source->SetParent(&form);
    target->SetParent(&form);
    source->SetMultiSelect(true);
    TObject objects[5];
    for (int i = 0; i < 5; ++i) source->Items()->AddObject(std::to_string(i), &objects[i]);
    target->Items()->Add("x");
    for (int i : {1, 3, 4}) source->SetSelected(i, true);
    MoveSelectedItems(*source, *target);
    EXPECT_EQ(Lines(source), "0,2");
    EXPECT_EQ(Lines(target), "x,1,3,4");
    EXPECT_EQ(target->Items()->Objects(1), &objects[1]);
    EXPECT_EQ(target->Items()->Objects(3), &objects[4]);
    EXPECT_EQ(source->Items()->Objects(1), &objects[2]);

    MoveAllItems(*source->Items(), *target->Items());
    EXPECT_EQ(source->Count(), 0);
    EXPECT_EQ(Lines(target), "x,1,3,4,0,2");
    EXPECT_EQ(target->Items()->Objects(5), &objects[2]);
}

struct SelectListTest : ::testing::Test {
    TForm host{nullptr};
    TSelectListForm* panel = nullptr;
    int changes = 0;

    SelectListTest() {
        host.SetBounds(0, 0, 400, 260);
        panel = new TSelectListForm(&host);
        panel->SetParent(&host);
        panel->OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, panel);
            ++changes;
        };
        for (const char* item : {"a", "b", "c"}) panel->FromList->Items()->Add(item);
        panel->ToList->Items()->Add("z");
        host.Show();
        panel->Show();
    }
    static void Click(TControl* c) {
        TUserInput().Click(c, QPoint(c->Width() / 2, c->Height() / 2));
    }
    void ClickLine(TListBox* list, int line) {
        const TRect r = list->ItemRect(line);
        TUserInput().Click(list, QPoint(r.Left + 5, (r.Top + r.Bottom) / 2));
    }
};

TEST_F(SelectListTest, ButtonsFollowTheLists) {
    EXPECT_TRUE(panel->BRightOne->Enabled());
    EXPECT_TRUE(panel->BLeftAll->Enabled());
    EXPECT_FALSE(panel->BMoveUP->Enabled());
    EXPECT_FALSE(panel->BMoveDown->Enabled());
    EXPECT_TRUE(panel->FromList->Focused());
    Click(panel->BRightAll);
    EXPECT_EQ(Lines(panel->ToList), "z,a,b,c");
    EXPECT_EQ(panel->FromList->Count(), 0);
    EXPECT_FALSE(panel->BRightOne->Enabled());
    EXPECT_FALSE(panel->BRightAll->Enabled());
    EXPECT_EQ(changes, 1);
    ClickLine(panel->ToList, 3);
    EXPECT_TRUE(panel->BMoveUP->Enabled());
    EXPECT_FALSE(panel->BMoveDown->Enabled());
    EXPECT_EQ(changes, 1);  // a click in a list is no change
    Click(panel->BLeftAll);
    EXPECT_EQ(Lines(panel->FromList), "z,a,b,c");
    EXPECT_FALSE(panel->BLeftOne->Enabled());
    EXPECT_EQ(changes, 2);
}

TEST_F(SelectListTest, MovingTheLastAvailableItemFocusesTheSelectedList) {
    ClickLine(panel->FromList, 1);
    Click(panel->BRightOne);
    EXPECT_EQ(Lines(panel->FromList), "a,c");
    EXPECT_EQ(Lines(panel->ToList), "z,b");
    EXPECT_FALSE(panel->ToList->Focused());
    panel->FromList->SetSelected(0, true);
    panel->FromList->SetSelected(1, true);
    Click(panel->BRightOne);
    EXPECT_EQ(Lines(panel->ToList), "z,b,a,c");
    EXPECT_TRUE(panel->ToList->Focused());
    EXPECT_EQ(changes, 2);
}

TEST_F(SelectListTest, DoubleClicksMoveAndMoveButtonsReorder) {
    const TRect r = panel->FromList->ItemRect(0);
    TUserInput().DoubleClick(panel->FromList, QPoint(r.Left + 5, (r.Top + r.Bottom) / 2));
    EXPECT_EQ(Lines(panel->FromList), "b,c");
    EXPECT_EQ(Lines(panel->ToList), "z,a");
    EXPECT_EQ(panel->ToList->ItemIndex(), 1);
    Click(panel->BMoveUP);
    EXPECT_EQ(Lines(panel->ToList), "a,z");
    EXPECT_EQ(panel->ToList->ItemIndex(), 0);
    EXPECT_TRUE(panel->ToList->Focused());
    EXPECT_FALSE(panel->BMoveUP->Enabled());
    Click(panel->BMoveDown);
    EXPECT_EQ(Lines(panel->ToList), "z,a");
    EXPECT_FALSE(panel->BMoveDown->Enabled());
    const TRect t = panel->ToList->ItemRect(0);
    TUserInput().DoubleClick(panel->ToList, QPoint(t.Left + 5, (t.Top + t.Bottom) / 2));
    EXPECT_EQ(Lines(panel->ToList), "a");
    EXPECT_EQ(Lines(panel->FromList), "b,c,z");
}

}  // namespace
