#include <gtest/gtest.h>

#include <QListWidget>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/CheckListBox.h"
#include "platform/ui/Form.h"
#include "platform/ui/Panel.h"
#include "platform/ui/TabControl.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/OffscreenApplication.h"

namespace {

struct TabForm {
    TForm form{nullptr};
    TTabControl* tabs;
    std::vector<std::string> seen;
    bool allow = true;
    TabForm() {
        form.SetBounds(0, 0, 400, 300);
        tabs = new TTabControl(&form);
        tabs->SetParent(&form);
        tabs->SetBounds(10, 10, 300, 200);
        for (const char* t : {"Left", "Right", "Top", "Bottom"}) tabs->Tabs()->Add(t);
        tabs->OnChanging = [this](TObject*, bool& a) {
            seen.push_back("changing from " + std::to_string(tabs->TabIndex()));
            a = allow;
        };
        tabs->OnChange = [this](TObject*) {
            seen.push_back("change to " + std::to_string(tabs->TabIndex()));
        };
        form.Show();
    }
    QTabBar* Bar() const { return tabs->Widget()->findChild<QTabBar*>(); }
    void ClickTab(int index) {
        QPoint at = Bar()->mapTo(tabs->Widget(), Bar()->tabRect(index).center());
        TUserInput input;
        input.Click(tabs, at);
    }
};

TEST(TabControl, TheUserChangesTabsAndOnChangingMayRefuse) {
    TabForm f;
    EXPECT_EQ(f.tabs->TabIndex(), 0);
    f.ClickTab(2);
    EXPECT_EQ(f.tabs->TabIndex(), 2);
    f.allow = false;
    f.ClickTab(3);
    EXPECT_EQ(f.tabs->TabIndex(), 2);
    EXPECT_EQ(f.Bar()->currentIndex(), 2);
    f.allow = true;
    f.tabs->SetTabIndex(1);  // from code: no events
    EXPECT_EQ(f.Bar()->currentIndex(), 1);
    EXPECT_EQ(f.seen,
              (std::vector<std::string>{"changing from 0", "change to 2", "changing from 2"}));
    f.tabs->SetTabIndex(9);
    EXPECT_EQ(f.tabs->TabIndex(), 3);
    f.tabs->Tabs()->Delete(3);  // the selected tab goes: the last one left is selected
    EXPECT_EQ(f.tabs->TabIndex(), 2);
    EXPECT_EQ(f.Bar()->count(), 3);
    f.tabs->Tabs()->Clear();
    EXPECT_EQ(f.tabs->TabIndex(), -1);
}

TEST(TabControl, AlignedChildrenFillTheDisplayArea) {
    TabForm f;
    auto* panel = new TPanel(&f.form);
    panel->SetParent(f.tabs);
    panel->SetAlign(alClient);
    const TRect display = f.tabs->DisplayRect();
    EXPECT_GE(display.Top, f.Bar()->height());
    EXPECT_EQ(display.Bottom, f.tabs->Height() - 4);
    EXPECT_EQ(panel->BoundsRect(), display);
    f.tabs->SetBounds(10, 10, 250, 150);
    EXPECT_EQ(panel->BoundsRect(), f.tabs->DisplayRect());
    EXPECT_EQ(panel->Width(), 250 - 8);
}

struct CheckList {
    TForm form{nullptr};
    TCheckListBox* list;
    int clickChecks = 0;
    int clicks = 0;
    CheckList() {
        form.SetBounds(0, 0, 300, 300);
        list = new TCheckListBox(&form);
        list->SetParent(&form);
        list->SetBounds(10, 10, 200, 200);
        for (const char* item : {"Series", "Tools", "Axes"}) list->Items()->Add(item);
        list->OnClickCheck = [this](TObject*) { ++clickChecks; };
        list->OnClick = [this](TObject*) { ++clicks; };
        form.Show();
    }
    QListWidget* Widget() const { return static_cast<QListWidget*>(list->Widget()); }
    // The middle of item index's box, or of its text, in the control's coordinates.
    QPoint BoxOf(int index) const {
        QListWidget* w = Widget();
        QStyleOptionViewItem option;
        option.initFrom(w);
        option.rect = w->visualItemRect(w->item(index));
        option.features = QStyleOptionViewItem::HasCheckIndicator;
        QRect box = w->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, w);
        return w->viewport()->mapTo(w, box.center());
    }
    QPoint TextOf(int index) const {
        QRect r = Widget()->visualItemRect(Widget()->item(index));
        return Widget()->viewport()->mapTo(Widget(), QPoint(r.right() - 10, r.center().y()));
    }
    std::string States() const {
        std::string s;
        for (int i = 0; i < list->Count(); ++i) s += "-XG"[list->State(i)];
        return s;
    }
};

TEST(CheckListBox, ClicksOnTheBoxAndSpaceToggle) {
    struct Case {
        bool allowGrayed;
        std::vector<const char*> presses;  // "box N", "text N", "space"
        const char* states;
        int clickChecks;
    };
    const Case cases[] = {
        {false, {"box 1"}, "-X-", 1},
        {false, {"box 1", "box 1"}, "---", 2},
        {true, {"box 1"}, "-G-", 1},
        {true, {"box 1", "box 1"}, "-X-", 2},
        {true, {"box 1", "box 1", "box 1"}, "---", 3},
        {false, {"text 2"}, "---", 0},
        {false, {"text 2", "space"}, "--X", 1},
        {false, {"box 0", "space", "space"}, "X--", 3},
    };
    for (const Case& c : cases) {
        CheckList f;
        f.list->SetAllowGrayed(c.allowGrayed);
        f.list->SetFocus();
        std::string trace;
        for (const char* p : c.presses) {
            trace += std::string(p) + "; ";
            std::string what(p);
            TUserInput input;
            if (what == "space")
                TUserInput::Key(f.list, Qt::Key_Space, " ");
            else if (what.starts_with("box"))
                input.Click(f.list, f.BoxOf(what.back() - '0'));
            else
                input.Click(f.list, f.TextOf(what.back() - '0'));
        }
        EXPECT_EQ(f.States(), c.states) << trace;
        EXPECT_EQ(f.clickChecks, c.clickChecks) << trace;
    }
}

TEST(CheckListBox, StatesFromCodeDisabledItemsAndChangingItems) {
    CheckList f;
    f.list->SetChecked(0, true);
    f.list->SetState(2, cbGrayed);
    EXPECT_EQ(f.States(), "X-G");
    EXPECT_EQ(f.Widget()->item(2)->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(f.clickChecks, 0);

    f.list->SetItemEnabled(1, false);
    TUserInput input;
    input.Click(f.list, f.BoxOf(1));
    EXPECT_EQ(f.States(), "X-G");
    EXPECT_FALSE(f.list->ItemEnabled(1));

    input.Click(f.list, f.TextOf(2));
    EXPECT_EQ(f.list->ItemIndex(), 2);
    EXPECT_EQ(f.clicks, 1);

    // Each item keeps its state when lines come and go around it.
    f.list->Items()->Insert(0, "Chart");
    EXPECT_EQ(f.States(), "-X-G");
    EXPECT_FALSE(f.list->ItemEnabled(2));
    f.list->Items()->Delete(1);
    EXPECT_EQ(f.States(), "--G");
    EXPECT_EQ(f.list->Items()->Get(2), "Axes");
    f.list->SetChecked(0, true);
    f.list->Items()->BeginUpdate();  // a line moved, seen as one change
    f.list->Items()->Delete(2);
    f.list->Items()->Insert(0, "Axes");
    f.list->Items()->EndUpdate();
    EXPECT_EQ(f.States(), "GX-");
    EXPECT_THROW(f.list->Checked(3), EListError);
    EXPECT_THROW(f.list->SetState(-1, cbChecked), EListError);
}

}  // namespace
