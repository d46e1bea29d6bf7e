// Mouse input through the toolkit's own path: events given to the form's window as the window
// system would, so that the toolkit finds the widget under the pointer and keeps the capture.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QListWidget>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include "platform/ui/ComboBox.h"
#include "platform/ui/Form.h"
#include "platform/ui/Mouse.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Screen.h"
#include "tests/support/OffscreenApplication.h"

namespace {

std::string Name(TObject* o) { return o ? static_cast<TComponent*>(o)->Name() : "none"; }

// A form at (100, 50) with two panels side by side.
struct TTwoPanels {
    TForm form{nullptr};
    TPanel* left = new TPanel(&form);
    TPanel* right = new TPanel(&form);
    std::vector<std::string> log;
    TTwoPanels() {
        form.SetBounds(100, 50, 300, 200);
        left->SetName("left");
        left->SetParent(&form);
        left->SetBounds(10, 20, 100, 100);
        right->SetName("right");
        right->SetParent(&form);
        right->SetBounds(150, 20, 100, 100);
        form.Show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(Window()));
    }
    ~TTwoPanels() {
        QTest::mouseMove(Window(), QPoint(290, 190));  // the pointer leaves the panels
    }
    QWindow* Window() { return form.Widget()->windowHandle(); }
    // Positions in the form's client area.
    void Press(QPoint at) { QTest::mousePress(Window(), Qt::LeftButton, {}, at); }
    void Move(QPoint at) { QTest::mouseMove(Window(), at); }
    void Release(QPoint at) { QTest::mouseRelease(Window(), Qt::LeftButton, {}, at); }
    Qt::CursorShape Shown() {
        QCursor* c = QGuiApplication::overrideCursor();
        return c ? c->shape() : Qt::CustomCursor;  // no override
    }
};

TEST(Mouse, ScreenAndClientCoordinates) {
    TTwoPanels f;
    // The client area starts inside the window's frame, if it has one.
    const TPoint client = f.form.ClientToScreen(Point(0, 0));
    EXPECT_GE(client.X, 100);
    EXPECT_LE(client.X, 110);
    EXPECT_EQ(f.left->ClientToScreen(Point(0, 0)), Point(client.X + 10, client.Y + 20));
    EXPECT_EQ(f.right->ScreenToClient(Point(client.X + 160, client.Y + 25)), Point(10, 5));
    EXPECT_EQ(f.form.ScreenToClient(f.right->ClientToScreen(Point(3, 4))), Point(153, 24));
    Mouse()->SetCursorPos(Point(client.X + 20, client.Y + 30));
    EXPECT_EQ(f.left->ScreenToClient(Mouse()->CursorPos()), Point(10, 10));
}

TEST(Mouse, CaptureSendsEveryMoveToTheCapturingControl) {
    TTwoPanels f;
    f.left->OnMouseMove = [&](TObject*, TShiftState, int x, int y) {
        f.log.push_back("left " + std::to_string(x) + "," + std::to_string(y));
    };
    f.right->OnMouseMove = [&](TObject*, TShiftState, int, int) { f.log.push_back("right"); };
    f.Move(QPoint(160, 30));
    f.left->SetMouseCapture(true);
    EXPECT_TRUE(f.left->MouseCapture());
    EXPECT_EQ(Mouse()->Capture(), f.left);
    f.Move(QPoint(170, 40));  // over the right panel, but the left one holds the mouse
    f.left->SetMouseCapture(false);
    EXPECT_EQ(Mouse()->Capture(), nullptr);
    f.Move(QPoint(171, 40));
    EXPECT_EQ(f.log, (std::vector<std::string>{"right", "left 160,20", "right"}));
}

TEST(Mouse, DragAndDropBetweenTwoControls) {
    TTwoPanels f;
    f.left->SetDragMode(dmAutomatic);
    f.left->OnClick = [&](TObject*) { f.log.push_back("click"); };
    f.right->OnDragOver = [&](TObject*, TObject* source, int x, int y, TDragState state,
                              bool& accept) {
        const char* states[] = {"enter", "leave", "move"};
        f.log.push_back(std::string("over ") + states[state] + " from " + Name(source) + " at " +
                        std::to_string(x) + "," + std::to_string(y));
        accept = source == f.left;
    };
    f.right->OnDragDrop = [&](TObject*, TObject* source, int x, int y) {
        f.log.push_back("drop " + Name(source) + " at " + std::to_string(x) + "," +
                        std::to_string(y));
    };
    f.left->OnEndDrag = [&](TObject*, TObject* target, int x, int y) {
        f.log.push_back("end on " + Name(target) + " at " + std::to_string(x) + "," +
                        std::to_string(y));
    };

    // A press that does not move the threshold stays a click.
    f.Press(QPoint(20, 30));
    EXPECT_TRUE(f.left->Dragging());
    f.Move(QPoint(23, 33));
    EXPECT_EQ(f.Shown(), Qt::CustomCursor);
    f.Release(QPoint(23, 33));
    EXPECT_FALSE(Mouse()->IsDragging());
    EXPECT_EQ(f.log, std::vector<std::string>{"click"});

    f.log.clear();
    f.Press(QPoint(20, 30));
    f.Move(QPoint(30, 30));  // past the threshold, still over the source: no drop there
    EXPECT_EQ(f.Shown(), Qt::ForbiddenCursor);
    f.Move(QPoint(160, 40));
    EXPECT_EQ(f.Shown(), Qt::DragMoveCursor);  // the drag cursor where the drop is welcome
    f.Move(QPoint(170, 45));
    f.Release(QPoint(170, 45));
    EXPECT_EQ(f.Shown(), Qt::CustomCursor);
    EXPECT_EQ(Mouse()->Capture(), nullptr);
    EXPECT_EQ(f.log, (std::vector<std::string>{"over enter from left at 10,20",
                                               "over move from left at 20,25", "drop left at 20,25",
                                               "end on right at 20,25"}));

    // Refused: no drop, and the drag ends on nothing; the source's client coordinates.
    f.log.clear();
    f.right->OnDragOver = [&](TObject*, TObject*, int, int, TDragState state, bool& accept) {
        if (state == dsDragLeave) f.log.push_back("leave");
        accept = false;
    };
    f.Press(QPoint(20, 30));
    f.Move(QPoint(160, 40));
    EXPECT_EQ(f.Shown(), Qt::ForbiddenCursor);
    f.Release(QPoint(160, 40));
    EXPECT_EQ(f.log, (std::vector<std::string>{"leave", "end on none at 150,20"}));
}

TEST(Mouse, DragAnItemFromOneListBoxToAnother) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* from = new TListBox(&form);
    from->SetParent(&form);
    from->SetBounds(10, 10, 120, 150);
    auto* to = new TListBox(&form);
    to->SetParent(&form);
    to->SetBounds(160, 10, 120, 150);
    for (const char* item : {"Cavity", "Temperatures", "Wavelengths"}) from->Items()->Add(item);
    from->SetDragMode(dmAutomatic);
    std::vector<std::string> clicks;
    from->OnClick = [&](TObject*) { clicks.push_back(from->Items()->Get(from->ItemIndex())); };
    to->OnDragOver = [&](TObject*, TObject* source, int, int, TDragState, bool& accept) {
        accept = source == from && from->ItemIndex() >= 0;
    };
    to->OnDragDrop = [&](TObject*, TObject*, int, int) {
        to->Items()->Add(from->Items()->Get(from->ItemIndex()));
    };
    form.Show();
    QWindow* window = form.Widget()->windowHandle();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    clicks.clear();  // whatever showing and focusing chose
    // The second row of the left list, by the toolkit's own geometry.
    auto* list = static_cast<QListWidget*>(from->Widget());
    const QPoint row =
        list->viewport()->mapTo(form.Widget(), list->visualItemRect(list->item(1)).center());
    QTest::mousePress(window, Qt::LeftButton, {}, row);
    EXPECT_EQ(from->ItemIndex(), 1);  // the press still chooses the row
    QTest::mouseMove(window, row + QPoint(60, 0));
    QTest::mouseMove(window, QPoint(200, 60));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(200, 60));
    EXPECT_FALSE(Mouse()->IsDragging());
    ASSERT_EQ(to->Items()->Count(), 1);
    EXPECT_EQ(to->Items()->Get(0), "Temperatures");
    EXPECT_EQ(clicks, std::vector<std::string>{"Temperatures"});
    QTest::mouseMove(window, QPoint(290, 190));
}

TEST(Mouse, DragFromCodeEndsByCodeOrEsc) {
    TTwoPanels f;
    f.left->OnEndDrag = [&](TObject*, TObject* target, int, int) {
        f.log.push_back("end on " + Name(target));
    };
    f.right->OnDragOver = [](TObject*, TObject*, int, int, TDragState, bool&) {};
    f.Move(QPoint(20, 30));
    f.left->BeginDrag(true);  // at once, without a press
    EXPECT_EQ(f.Shown(), Qt::ForbiddenCursor);
    f.Move(QPoint(160, 40));
    EXPECT_EQ(f.Shown(), Qt::DragMoveCursor);
    f.left->EndDrag(false);
    EXPECT_FALSE(f.left->Dragging());
    EXPECT_EQ(f.Shown(), Qt::CustomCursor);

    f.left->SetDragCursor(crHandPoint);
    f.left->BeginDrag(true);
    f.Move(QPoint(161, 40));
    EXPECT_EQ(f.Shown(), Qt::PointingHandCursor);
    QTest::keyClick(f.left->Widget(), Qt::Key_Escape);
    EXPECT_FALSE(Mouse()->IsDragging());
    EXPECT_EQ(f.log, (std::vector<std::string>{"end on none", "end on none"}));
}

TEST(Mouse, WheelDownAndUpAfterOnMouseWheel) {
    TTwoPanels f;
    f.left->OnMouseWheelDown = [&](TObject*, TShiftState s, TPoint p, bool& handled) {
        f.log.push_back("down " + std::to_string(p.X) + "," + std::to_string(p.Y) +
                        (s.Contains(ssCtrl) ? " ctrl" : ""));
        handled = true;
    };
    f.left->OnMouseWheelUp = [&](TObject*, TShiftState, TPoint, bool&) { f.log.push_back("up"); };
    auto turn = [&](int delta) {
        QWheelEvent e(QPointF(7, 8), QPointF(117, 78), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(f.left->Widget(), &e);
    };
    turn(-120);
    turn(120);
    f.left->OnMouseWheel = [&](TObject*, TShiftState, int, int, int, bool& handled) {
        f.log.push_back("wheel");
        handled = true;  // the direction events are not asked
    };
    turn(-120);
    EXPECT_EQ(f.log, (std::vector<std::string>{"down 7,8 ctrl", "up", "wheel"}));
}

}  // namespace
