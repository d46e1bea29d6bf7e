#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "platform/ui/Form.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Panel.h"
#include "tests/support/OffscreenApplication.h"

namespace {

// A popup menu of a form: Copy (Ctrl+K), a line, a hidden and a disabled item, two radio items
// that check themselves, and a submenu; every click is logged by caption.
struct TMenuFixture {
    TForm form{nullptr};
    TPopupMenu* menu = new TPopupMenu(&form);
    std::vector<std::string> clicks;

    TMenuItem* Add(TMenuItem* parent, const std::string& caption) {
        auto* item = new TMenuItem(&form);
        item->SetCaption(caption);
        item->OnClick = [this, item](TObject*) { clicks.push_back(item->Caption()); };
        parent->Add(item);
        return item;
    }
    TMenuFixture() {
        Add(menu->Items(), "&Copy")->SetShortCut(ShortCut('K', {ssCtrl}));
        Add(menu->Items(), "-");
        Add(menu->Items(), "Hidden")->SetVisible(false);
        Add(menu->Items(), "Disabled")->SetEnabled(false);
        for (const char* caption : {"Small", "Large"}) {
            TMenuItem* item = Add(menu->Items(), caption);
            item->SetRadioItem(true);
            item->SetAutoCheck(true);
            item->SetGroupIndex(1);
        }
        Add(Add(menu->Items(), "More"), "Inner");
    }
    QMenu* Shown() const { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
    // A click on the shown menu's entry captioned caption.
    void Choose(const QString& caption) {
        QMenu* shown = Shown();
        ASSERT_NE(shown, nullptr);
        for (QAction* action : shown->actions()) {
            if (action->text() != caption) continue;
            QPointF at = shown->actionGeometry(action).center();
            for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent e(type, at, shown->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
                QCoreApplication::sendEvent(shown, &e);
            }
            return;
        }
        FAIL() << "no entry " << caption.toStdString();
    }
};

TEST(PopupMenu, ShowsTheVisibleItemsAtThePointAndClicksTheChosenOne) {
    TMenuFixture f;
    int popups = 0;
    f.menu->OnPopup = [&](TObject*) { ++popups; };
    f.menu->Popup(120, 90);
    ASSERT_TRUE(f.menu->Showing());
    QMenu* shown = f.Shown();
    EXPECT_EQ(shown->pos(), QPoint(120, 90));
    QStringList captions;
    for (QAction* a : shown->actions()) captions << (a->isSeparator() ? "|" : a->text());
    EXPECT_EQ(captions, (QStringList{"&Copy", "|", "Disabled", "Small", "Large", "More"}));
    EXPECT_FALSE(shown->actions()[2]->isEnabled());
    EXPECT_EQ(shown->actions()[0]->shortcut().toString(), "Ctrl+K");
    f.Choose("&Copy");
    EXPECT_FALSE(f.menu->Showing());

    // Radio items check one of their group; the next popup shows it.
    f.menu->Popup(10, 10);
    f.Choose("Large");
    f.menu->Popup(10, 10);
    f.Choose("Small");
    EXPECT_EQ(f.clicks, (std::vector<std::string>{"&Copy", "Large", "Small"}));
    TMenuItem* small = f.menu->Items()->Items(4);
    TMenuItem* large = f.menu->Items()->Items(5);
    EXPECT_TRUE(small->Checked());
    EXPECT_FALSE(large->Checked());
    f.menu->Popup(10, 10);
    EXPECT_TRUE(f.Shown()->actions()[3]->isChecked());
    f.Shown()->hide();
    EXPECT_EQ(popups, 4);

    // Items move and leave; a freed item leaves its menu.
    large->SetMenuIndex(0);
    EXPECT_EQ(f.menu->Items()->Items(0), large);
    TObject::Free(large);
    EXPECT_EQ(f.menu->Items()->Count(), 6);
}

TEST(PopupMenu, RightClickOpensTheMenuOfTheControlOrOfItsParent) {
    TMenuFixture f;
    auto* outer = new TPanel(&f.form);
    outer->SetParent(&f.form);
    auto* inner = new TPanel(&f.form);
    inner->SetParent(outer);
    outer->SetPopupMenu(f.menu);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(300, 200));
    QCoreApplication::sendEvent(inner->Widget(), &click);
    ASSERT_TRUE(f.menu->Showing());
    EXPECT_EQ(f.Shown()->pos(), QPoint(300, 200));
    EXPECT_EQ(f.menu->PopupComponent(), outer);
    f.Shown()->hide();

    // Its short cuts work from the control inside; an item with one in a hidden menu does not.
    QKeyEvent key(QEvent::KeyPress, Qt::Key_K, Qt::ControlModifier, "\x0b");
    QCoreApplication::sendEvent(inner->Widget(), &key);
    EXPECT_EQ(f.clicks, (std::vector<std::string>{"&Copy"}));

    TObject::Free(f.menu);  // the control lets go of a freed menu
    EXPECT_EQ(outer->PopupMenu(), nullptr);
}

TEST(PopupMenu, ItemsAndMenusFreedWhileTheMenuShowsAreNotClicked) {
    TMenuFixture f;
    f.menu->Popup(10, 10);
    TObject::Free(f.menu->Items()->Items(0));  // Copy goes while its entry shows
    f.Choose("&Copy");
    EXPECT_TRUE(f.clicks.empty());

    // An item whose click frees the whole menu.
    TMenuItem* small = f.menu->Items()->Items(3);
    small->OnClick = [&](TObject*) {
        f.clicks.push_back("free");
        TObject::Free(f.menu);
    };
    f.menu->Popup(10, 10);
    f.Choose("Small");
    EXPECT_EQ(f.clicks, (std::vector<std::string>{"free"}));

    // A menu freed while it shows is taken off the screen at once.
    TMenuFixture g;
    g.menu->Popup(10, 10);
    TObject::Free(g.menu);
    EXPECT_EQ(g.Shown(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(ShortCut, KeysAndModifiersAsText) {
    const struct {
        int key;
        TShiftState shift;
        const char* text;
    } cases[] = {{'K', {ssCtrl}, "Ctrl+K"},
                 {VK_F1 + 1, {}, "F2"},
                 {VK_DELETE, {ssShift}, "Shift+Del"},
                 {'1', {ssCtrl, ssAlt}, "Ctrl+Alt+1"},
                 {0, {}, ""}};
    for (const auto& c : cases) EXPECT_EQ(ShortCutToText(ShortCut(c.key, c.shift)), c.text);
}

}  // namespace
