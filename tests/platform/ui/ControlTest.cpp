#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

#include "platform/classes/PropAccess.h"
#include "platform/graphics/Font.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/Memo.h"
#include "platform/ui/Panel.h"
#include "platform/ui/StatusBar.h"
#include "tests/support/OffscreenApplication.h"

namespace {

template <class T>
T* Make(TForm& form) {
    auto* control = new T(&form);
    control->SetParent(&form);
    return control;
}

TEST(Controls, AlignedControlsShareTheClientAreaAndAnchorsFollowResizing) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* top = Make<TPanel>(form);
    top->SetHeight(30);
    top->SetAlign(alTop);
    auto* bar = Make<TStatusBar>(form);  // bottom-aligned by itself, 19 high
    auto* left = Make<TPanel>(form);
    left->SetWidth(50);
    left->SetAlign(alLeft);
    auto* client = Make<TMemo>(form);
    client->SetAlign(alClient);
    auto* corner = Make<TButton>(form);
    corner->SetBounds(300, 250, 75, 25);
    corner->SetAnchors({akRight, akBottom});
    auto* wide = Make<TEdit>(form);
    wide->SetBounds(100, 40, 200, 21);
    wide->SetAnchors({akLeft, akTop, akRight});

    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 400, 30));
    EXPECT_EQ(bar->BoundsRect(), Rect(0, 281, 400, 300));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 30, 50, 281));
    EXPECT_EQ(client->BoundsRect(), Rect(50, 30, 400, 281));

    form.SetBounds(0, 0, 500, 350);
    EXPECT_EQ(client->BoundsRect(), Rect(50, 30, 500, 331));
    EXPECT_EQ(bar->BoundsRect(), Rect(0, 331, 500, 350));
    EXPECT_EQ(corner->BoundsRect(), Rect(400, 300, 475, 325));
    EXPECT_EQ(wide->BoundsRect(), Rect(100, 40, 400, 61));

    top->SetVisible(false);  // hidden controls give their room back
    EXPECT_EQ(left->BoundsRect(), Rect(0, 0, 50, 331));
}

TEST(Controls, PropertiesAreReachableByName) {
    TForm form(nullptr);
    auto* button = Make<TButton>(form);
    SetEnumProp(button, "Align", "alBottom");
    SetStrProp(button, "Caption", "&Compute");
    SetOrdProp(button, "Visible", 0);
    EXPECT_EQ(button->Align(), alBottom);
    EXPECT_EQ(button->Caption(), "&Compute");
    EXPECT_FALSE(button->Visible());
    EXPECT_EQ(GetOrdProp(button, "Height"), 25);
    EXPECT_EQ(GetObjectProp(button, "Font"), static_cast<TObject*>(button->Font()));
}

TEST(Controls, KeyDownComesBeforeTheControlActs) {
    TForm form(nullptr);
    auto* edit = Make<TEdit>(form);
    std::vector<int> keys;
    edit->OnKeyDown = [&](TObject*, int& key, TShiftState shift) {
        keys.push_back(key);
        EXPECT_TRUE(shift.Contains(ssShift));
        if (key == 'A') key = 0;  // swallowed
    };
    for (auto [qtKey, text] : {std::pair{Qt::Key_A, "A"}, {Qt::Key_B, "B"}}) {
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::ShiftModifier, text);
        QCoreApplication::sendEvent(edit->Widget(), &press);
    }
    EXPECT_EQ(keys, (std::vector<int>{'A', 'B'}));
    EXPECT_EQ(edit->Text(), "B");
}

TEST(Controls, MouseEventsCarryButtonShiftAndPositionAndMakeClicks) {
    TForm form(nullptr);
    auto* panel = Make<TPanel>(form);
    std::vector<std::string> seen;
    panel->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState s, int x, int y) {
        seen.push_back("down " + std::to_string(b) + " " + std::to_string(s.Mask()) + " " +
                       std::to_string(x) + "," + std::to_string(y));
    };
    panel->OnMouseUp = [&](TObject*, TMouseButton b, TShiftState, int, int) {
        seen.push_back("up " + std::to_string(b));
    };
    panel->OnClick = [&](TObject*) { seen.push_back("click"); };
    auto send = [&](QEvent::Type type, Qt::MouseButton b, Qt::MouseButtons held, QPointF at) {
        QMouseEvent e(type, at, at, b, held, Qt::ControlModifier);
        QCoreApplication::sendEvent(panel->Widget(), &e);
    };
    send(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {5, 6});
    send(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, {5, 6});
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {1, 2});
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {1, 2});
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {1, 2});
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {500, 2});  // off the panel
    panel->OnMouseWheel = [&](TObject*, TShiftState, int delta, int x, int y, bool& handled) {
        seen.push_back("wheel " + std::to_string(delta) + " " + std::to_string(x) + "," +
                       std::to_string(y));
        handled = true;
    };
    QWheelEvent wheel(QPointF(7, 8), QPointF(7, 8), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(panel->Widget(), &wheel);
    TShiftState ctrlRight{ssCtrl, ssRight}, ctrlLeft{ssCtrl, ssLeft};
    EXPECT_EQ(seen,
              (std::vector<std::string>{
                  "down 1 " + std::to_string(ctrlRight.Mask()) + " 5,6", "up 1",
                  "down 0 " + std::to_string(ctrlLeft.Mask()) + " 1,2", "up 0", "click",
                  "down 0 " + std::to_string(ctrlLeft.Mask()) + " 1,2", "up 0", "wheel -120 7,8"}));
}

TEST(Controls, AccessKeyMarksLeaveTheShownText) {
    const struct {
        const char* caption;
        const char* shown;
    } cases[] = {{"Save &As...", "Save As..."},
                 {"Emissivity && Diffusity", "Emissivity & Diffusity"},
                 {"Plain", "Plain"},
                 {"End&", "End"},
                 {"&&&X", "&X"}};
    for (const auto& c : cases) EXPECT_EQ(StripAccelChars(c.caption), c.shown) << c.caption;
}

TEST(Controls, LabeledEditLabelFollowsTheEdit) {
    TForm form(nullptr);
    auto* edit = Make<TLabeledEdit>(form);
    edit->EditLabel()->SetCaption("Specify:");
    edit->SetBounds(20, 50, 100, 21);
    TLabel* label = edit->EditLabel();
    EXPECT_EQ(label->Parent(), &form);
    EXPECT_EQ(label->Left(), 20);
    EXPECT_EQ(label->Top(), 50 - 3 - label->Height());
    edit->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    std::vector<std::string> changes;
    edit->OnChange = [&](TObject*) { changes.push_back(edit->Text()); };
    edit->SetText("1.5");
    edit->SetText("1.5");
    EXPECT_EQ(changes, std::vector<std::string>{"1.5"});
}

TEST(Controls, MemoLinesAndTextAgree) {
    TForm form(nullptr);
    auto* memo = Make<TMemo>(form);
    int changes = 0;
    memo->OnChange = [&](TObject*) { ++changes; };
    memo->Lines()->Add("first");
    memo->Lines()->Add("second");
    EXPECT_EQ(memo->Text(), "first\r\nsecond\r\n");
    EXPECT_EQ(changes, 2);
    memo->SetText("a\r\nb");
    ASSERT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->Lines()->Get(1), "b");
    memo->Clear();
    EXPECT_EQ(memo->Lines()->Count(), 0);
}

TEST(StatusBar, PanelsWithWidthsAndSimpleText) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 900, 300);
    auto* bar = Make<TStatusBar>(form);
    for (int width : {400, 175, 200}) bar->Panels()->Add()->SetWidth(width);
    bar->Panels()->Items(0)->SetText("Datasets: 3");
    bar->Panels()->Items(2)->SetText("Modified");
    EXPECT_EQ(bar->TextAt(399), "Datasets: 3");
    EXPECT_EQ(bar->TextAt(400), "");
    EXPECT_EQ(bar->TextAt(880), "Modified");  // the last panel runs to the end
    EXPECT_THROW(bar->Panels()->Items(3), EListError);

    bar->SetSimpleText("Reading...");
    EXPECT_EQ(bar->TextAt(10), "Datasets: 3");
    bar->SetSimplePanel(true);
    EXPECT_EQ(bar->TextAt(10), "Reading...");
    EXPECT_EQ(bar->TextAt(880), "Reading...");
}

}  // namespace
