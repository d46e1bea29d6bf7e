#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QListWidget>
#include <QMouseEvent>

#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Form.h"
#include "platform/ui/ListBox.h"
#include "tests/support/OffscreenApplication.h"

namespace {

// A list box of ten items "a0".."a9" on a form, 121 by 97.
struct TListFixture {
    TForm form{nullptr};
    TListBox* list;
    int clicks = 0;

    TListFixture() {
        list = new TListBox(&form);
        list->SetParent(&form);
        for (int i = 0; i < 10; ++i) list->Items()->Add("a" + std::to_string(i));
        list->OnClick = [this](TObject*) { ++clicks; };
    }
    QWidget* Viewport() const { return static_cast<QListWidget*>(list->Widget())->viewport(); }
    void Mouse(QEvent::Type type, int index, Qt::KeyboardModifiers mods) {
        TRect r = list->ItemRect(index);
        QPointF at((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, at, Viewport()->mapToGlobal(at), Qt::LeftButton, held, mods);
        QCoreApplication::sendEvent(Viewport(), &e);
    }
    void Click(int index, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        Mouse(QEvent::MouseButtonPress, index, mods);
        Mouse(QEvent::MouseButtonRelease, index, mods);
    }
    std::vector<int> SelectedItems() const {
        std::vector<int> selected;
        for (int i = 0; i < list->Count(); ++i)
            if (list->Selected(i)) selected.push_back(i);
        return selected;
    }
    TColor PixelOnScreen(int x, int y) const {
        QColor c = Viewport()->grab().toImage().pixelColor(x, y);
        return TColor(c.red() | c.green() << 8 | c.blue() << 16);
    }
};

TEST(ListBox, MultiSelectFollowsShiftAndCtrlClicks) {
    const struct {
        bool extended;
        std::vector<std::pair<int, Qt::KeyboardModifiers>> clicks;
        std::vector<int> selected;
    } cases[] = {
        {true, {{1, Qt::NoModifier}, {3, Qt::ControlModifier}}, {1, 3}},
        {true, {{1, Qt::NoModifier}, {3, Qt::NoModifier}, {5, Qt::ShiftModifier}}, {3, 4, 5}},
        {true, {{2, Qt::NoModifier}, {6, Qt::ControlModifier}, {2, Qt::ControlModifier}}, {6}},
        {false, {{1, Qt::NoModifier}, {3, Qt::NoModifier}, {1, Qt::NoModifier}}, {3}},
    };
    for (const auto& c : cases) {
        TListFixture f;
        f.list->SetMultiSelect(true);
        f.list->SetExtendedSelect(c.extended);
        for (auto [index, mods] : c.clicks) f.Click(index, mods);
        EXPECT_EQ(f.SelectedItems(), c.selected) << c.extended << " " << c.clicks.size();
        EXPECT_EQ(f.list->SelCount(), int(c.selected.size()));
        EXPECT_EQ(f.list->ItemIndex(), c.clicks.back().first);
        EXPECT_GE(f.clicks, 1);
    }

    // From code: no OnClick, and the marks stay when an item is added.
    TListFixture f;
    f.list->SetMultiSelect(true);
    f.list->SetSelected(2, true);
    f.list->SetSelected(7, true);
    f.list->SetItemIndex(7);
    f.list->Items()->Add("a10");
    EXPECT_EQ(f.SelectedItems(), (std::vector<int>{2, 7}));
    EXPECT_EQ(f.clicks, 0);
    EXPECT_THROW(f.list->SetSelected(11, true), EListError);
}

TEST(ListBox, OwnerDrawnItemsAreMeasuredDrawnAndFoundByPosition) {
    TListFixture f;
    TListBox* list = f.list;
    list->SetStyle(lbOwnerDrawFixed);
    list->SetItemHeight(20);
    std::vector<TOwnerDrawState> states(10);
    list->OnDrawItem = [&](TWinControl* control, int index, const TRect& r, TOwnerDrawState s) {
        EXPECT_EQ(control, list);
        states[size_t(index)] = s;
        TCanvas* canvas = list->Canvas();
        if (index == 2) canvas->Brush()->SetColor(clRed);  // others keep the prepared colour
        canvas->FillRect(r);
    };
    list->SetItemIndex(1);
    EXPECT_EQ(list->ItemRect(1).Top, 20);
    EXPECT_EQ(list->ItemRect(1).Height(), 20);
    EXPECT_EQ(f.PixelOnScreen(10, 50), ColorToRGB(clRed));
    EXPECT_EQ(f.PixelOnScreen(10, 30), ColorToRGB(clHighlight));  // the selected item
    EXPECT_EQ(f.PixelOnScreen(10, 10), ColorToRGB(clWindow));
    EXPECT_TRUE(states[1].Contains(odSelected));
    EXPECT_FALSE(states[2].Contains(odSelected));

    const struct {
        TPoint at;
        bool existing;
        int index;
    } positions[] = {{Point(5, 45), true, 2}, {Point(5, 0), false, 0}, {Point(5, 500), false, -1}};
    for (const auto& p : positions) EXPECT_EQ(list->ItemAtPos(p.at, p.existing), p.index) << p.at.Y;
    list->SetTopIndex(4);
    EXPECT_EQ(list->TopIndex(), 4);
    EXPECT_EQ(list->ItemAtPos(Point(5, 5), true), 4);
    // Below the last item: Count, or -1 for an existing one.
    list->Items()->Clear();
    list->Items()->Add("only");
    EXPECT_EQ(list->ItemAtPos(Point(5, 50), false), 1);
    EXPECT_EQ(list->ItemAtPos(Point(5, 50), true), -1);

    // Variable heights come from OnMeasureItem; without OnDrawItem the text is written.
    list->SetStyle(lbOwnerDrawVariable);
    list->OnMeasureItem = [](TWinControl*, int index, int& height) {
        EXPECT_EQ(height, 20);
        height = 10 + 5 * index;
    };
    for (const char* item : {"b1", "b2"}) list->Items()->Add(item);
    EXPECT_EQ(list->ItemRect(2), Rect(0, 25, list->ClientWidth(), 45));
}

TEST(ListBox, SortedItemsAndDoubleClicks) {
    TListFixture f;
    int doubles = 0;
    f.list->OnDblClick = [&](TObject*) { ++doubles; };
    f.list->Items()->Add("A5");
    f.list->SetSorted(true);
    EXPECT_EQ(f.list->Items()->Get(0), "a0");
    EXPECT_EQ(f.list->Items()->Get(6), "A5");  // after "a5", case aside, in the order added
    EXPECT_EQ(static_cast<QListWidget*>(f.list->Widget())->item(6)->text(), "A5");
    f.Mouse(QEvent::MouseButtonDblClick, 3, Qt::NoModifier);
    EXPECT_EQ(doubles, 1);
}

}  // namespace
