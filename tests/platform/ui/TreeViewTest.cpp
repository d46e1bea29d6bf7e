#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "platform/classes/PropAccess.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Form.h"
#include "platform/ui/TreeView.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/OffscreenApplication.h"

namespace {

// Series (s1, s2), Chart (Axis (Left, Right), Titles), Data; every event logged.
struct Tree {
    TForm form{nullptr};
    TTreeView* view;
    TTreeNode *series, *chart, *axis, *data;
    int tag[3] = {};
    std::vector<std::string> seen;
    bool allow = true;
    Tree() {
        form.SetBounds(0, 0, 300, 400);
        view = new TTreeView(&form);
        view->SetParent(&form);
        view->SetBounds(0, 0, 250, 350);
        TTreeNodes& items = *view->Items();
        series = items.AddObject(nullptr, "Series", &tag[0]);
        items.AddChildObject(series, "s1", &tag[1]);
        items.AddChild(series, "s2");
        chart = items.Add(series, "Chart");
        axis = items.AddChild(chart, "Axis");
        items.AddChild(axis, "Left");
        items.AddChild(axis, "Right");
        items.AddChild(chart, "Titles");
        data = items.AddObject(chart, "Data", &tag[2]);
        auto log = [this](const char* what, TTreeNode* n) {
            seen.push_back(std::string(what) + " " + (n ? n->Text() : "none"));
        };
        view->OnChanging = [=, this](TObject*, TTreeNode* n, bool& a) {
            log("changing", n);
            a = allow;
        };
        view->OnChange = [=](TObject*, TTreeNode* n) { log("change", n); };
        view->OnExpanding = [=, this](TObject*, TTreeNode* n, bool& a) {
            log("expanding", n);
            a = allow;
        };
        view->OnExpanded = [=](TObject*, TTreeNode* n) { log("expanded", n); };
        view->OnCollapsing = [=, this](TObject*, TTreeNode* n, bool& a) {
            log("collapsing", n);
            a = allow;
        };
        view->OnCollapsed = [=](TObject*, TTreeNode* n) { log("collapsed", n); };
        form.Show();
        // Focused with nothing selected, the tree selects its first node; the tests start
        // after that.
        view->SetFocus();
        seen.clear();
    }
    QTreeWidget* Widget() const { return static_cast<QTreeWidget*>(view->Widget()); }
    void ClickRow(TTreeNode* node) {
        QTreeWidget* w = Widget();
        QTreeWidgetItem* item = nullptr;
        for (QTreeWidgetItemIterator it(w); *it; ++it)
            if ((*it)->text(0).toStdString() == node->Text()) item = *it;
        QRect r = w->visualItemRect(item);
        TUserInput input;
        input.Click(view, w->viewport()->mapTo(w, QPoint(r.left() + 10, r.center().y())));
    }
    std::vector<std::string> Seen() {
        auto s = seen;
        seen.clear();
        return s;
    }
};

TEST(TreeView, NodesInTreeOrder) {
    Tree t;
    TTreeNodes& items = *t.view->Items();
    std::vector<std::string> walk;
    for (int i = 0; i < items.Count(); ++i)
        walk.push_back(std::to_string(items.Item(i)->Level()) + items.Item(i)->Text());
    EXPECT_EQ(walk, (std::vector<std::string>{"0Series", "1s1", "1s2", "0Chart", "1Axis", "2Left",
                                              "2Right", "1Titles", "0Data"}));
    EXPECT_THROW(items.Item(9), EListError);
    EXPECT_THROW(t.chart->Item(2), EListError);
    EXPECT_EQ(t.chart->Count(), 2);
    EXPECT_EQ(t.chart->Item(1)->Text(), "Titles");
    EXPECT_EQ(t.axis->Parent(), t.chart);
    EXPECT_EQ(t.axis->Index(), 0);
    EXPECT_EQ(t.data->Data(), &t.tag[2]);
    EXPECT_EQ(t.series->GetFirstChild()->Data(), &t.tag[1]);
    EXPECT_EQ(t.chart->GetPrevSibling(), t.series);
    EXPECT_EQ(t.data->GetNextSibling(), nullptr);
    TTreeNode* first = items.AddFirst(t.chart, "Top");
    TTreeNode* before = items.Insert(t.data, "Tools");
    EXPECT_EQ(first->Index(), 0);
    EXPECT_EQ(before->GetNextSibling(), t.data);
    EXPECT_EQ(t.Widget()->topLevelItemCount(), 5);
    EXPECT_EQ(t.Widget()->topLevelItem(3)->text(0).toStdString(), "Tools");
    t.chart->SetText("Chart 1");
    EXPECT_EQ(t.Widget()->topLevelItem(2)->text(0).toStdString(), "Chart 1");
}

TEST(TreeView, SelectingAsksOnChangingFromCodeAndFromTheUser) {
    Tree t;
    t.chart->SetSelected(true);
    EXPECT_EQ(t.Seen(), (std::vector<std::string>{"changing Chart", "change Chart"}));
    t.ClickRow(t.data);
    EXPECT_EQ(t.view->Selected(), t.data);
    TUserInput::Key(t.view, Qt::Key_Up);
    EXPECT_EQ(t.view->Selected(), t.chart);
    EXPECT_EQ(t.Seen(), (std::vector<std::string>{"changing Data", "change Data", "changing Chart",
                                                  "change Chart"}));
    t.allow = false;
    t.ClickRow(t.series);
    TUserInput::Key(t.view, Qt::Key_Down);
    t.view->SetSelected(t.data);
    EXPECT_EQ(t.view->Selected(), t.chart);
    EXPECT_EQ(t.Widget()->currentItem()->text(0).toStdString(), "Chart");
    EXPECT_EQ(t.Seen(),
              (std::vector<std::string>{"changing Series", "changing Data", "changing Data"}));
}

TEST(TreeView, ExpandingAndCollapsingMayBeRefused) {
    Tree t;
    t.chart->Expand(false);
    EXPECT_TRUE(t.chart->Expanded());
    EXPECT_FALSE(t.axis->Expanded());
    t.data->Expand(false);  // no children: nothing to expand
    EXPECT_EQ(t.Seen(), (std::vector<std::string>{"expanding Chart", "expanded Chart"}));
    t.view->SetSelected(t.axis);
    t.Seen();
    TUserInput::Key(t.view, Qt::Key_Right);  // the user opens the selected node
    EXPECT_TRUE(t.axis->Expanded());
    t.allow = false;
    TUserInput::Key(t.view, Qt::Key_Left);
    EXPECT_TRUE(t.axis->Expanded());
    t.series->Expand(true);
    EXPECT_FALSE(t.series->Expanded());
    EXPECT_EQ(t.Seen(), (std::vector<std::string>{"expanding Axis", "expanded Axis",
                                                  "collapsing Axis", "expanding Series"}));
    t.allow = true;
    t.chart->Collapse(true);
    EXPECT_FALSE(t.chart->Expanded());
    EXPECT_FALSE(t.axis->Expanded());
}

TEST(TreeView, DeletingTheSelectedNodeLeavesNoneAndFiresNothing) {
    Tree t;
    t.chart->Expand(true);
    t.view->SetSelected(t.axis->Item(1));
    t.Seen();
    t.chart->Delete();  // the selection's grandparent
    EXPECT_EQ(t.view->Selected(), nullptr);
    EXPECT_EQ(t.Widget()->currentItem(), nullptr);
    EXPECT_EQ(t.view->Items()->Count(), 4);
    EXPECT_EQ(t.Widget()->topLevelItemCount(), 2);
    t.view->SetSelected(t.series->Item(0));
    t.series->DeleteChildren();
    EXPECT_EQ(t.view->Selected(), nullptr);
    EXPECT_EQ(t.series->Count(), 0);
    t.view->SetSelected(t.data);
    t.view->Items()->Clear();
    EXPECT_EQ(t.view->Selected(), nullptr);
    EXPECT_EQ(t.view->Items()->Count(), 0);
    EXPECT_EQ(t.Seen(), (std::vector<std::string>{"changing s1", "change s1", "changing Data",
                                                  "change Data"}));
    // The tree works on after it was emptied.
    TTreeNode* again = t.view->Items()->Add(nullptr, "Again");
    t.ClickRow(again);
    EXPECT_EQ(t.view->Selected(), again);
}

TEST(TreeView, LabelEditingAsksOnEditingAndOnEdited) {
    Tree t;
    bool allowEdit = false;
    t.view->OnEditing = [&](TObject*, TTreeNode*, bool& a) { a = allowEdit; };
    t.view->OnEdited = [](TObject*, TTreeNode*, std::string& s) { s += "!"; };
    t.view->SetSelected(t.data);
    auto editor = [&] { return t.Widget()->findChild<QLineEdit*>(); };
    TUserInput::Key(t.view, Qt::Key_F2);
    EXPECT_EQ(editor(), nullptr);
    allowEdit = true;
    SetOrdProp(t.view, "ReadOnly", 1);
    TUserInput::Key(t.view, Qt::Key_F2);
    EXPECT_EQ(editor(), nullptr);
    t.view->SetReadOnly(false);
    TUserInput::Key(t.view, Qt::Key_F2);
    QLineEdit* edit = editor();
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    for (QChar ch : QString("Export")) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(edit, &key);
    }
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    QApplication::processEvents();  // the editor hands its text over at the loop's next turn
    EXPECT_EQ(t.data->Text(), "Export!");
    EXPECT_EQ(t.Widget()->topLevelItem(2)->text(0).toStdString(), "Export!");
}

TEST(TreeView, LookProperties) {
    Tree t;
    EXPECT_TRUE(t.Widget()->rootIsDecorated());
    SetOrdProp(t.view, "ShowRoot", 0);
    EXPECT_FALSE(t.Widget()->rootIsDecorated());
    const QPalette p = t.Widget()->palette();
    EXPECT_EQ(p.color(QPalette::Inactive, QPalette::Highlight),
              p.color(QPalette::Inactive, QPalette::Base));
    t.view->SetHideSelection(false);
    EXPECT_NE(t.Widget()->palette().color(QPalette::Inactive, QPalette::Highlight),
              t.Widget()->palette().color(QPalette::Inactive, QPalette::Base));
}

}  // namespace
