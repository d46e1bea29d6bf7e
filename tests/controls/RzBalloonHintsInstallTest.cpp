// Balloon hints taking over the application's hints: the installed window is asked with the
// control, the text and the cursor, shows a balloon whose pointer sits on the cursor, and the
// former hint window class comes back when the component goes.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QWidget>
#include <string>
#include <vector>

#include "controls/RzBalloonHintWindow.h"
#include "controls/RzBalloonHints.h"
#include "platform/graphics/Region.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/MouseMessage.h"
#include "platform/ui/Panel.h"

namespace {

class BalloonHintsInstalled : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBounds(200, 150, 300, 200);
        panel->SetParent(&form);
        panel->SetBounds(20, 30, 150, 100);
        panel->SetHint("Balloon text|long");
        panel->SetShowHint(true);
        form.Show();
    }
    void TearDown() override { Application->CancelHint(); }
    TRzBalloonHintWindow* Installed() {
        return dynamic_cast<TRzBalloonHintWindow*>(Application->HintWindow());
    }
    TPoint HelpAt(int x, int y) {
        QWidget* w = panel->Widget();
        const QPoint global = w->mapToGlobal(QPoint(x, y));
        QHelpEvent e(QEvent::ToolTip, QPoint(x, y), global);
        QCoreApplication::sendEvent(w, &e);
        return Point(global.x(), global.y());
    }

    TForm form{nullptr};
    TPanel* panel = new TPanel(&form);
};

TEST_F(BalloonHintsInstalled, HintShowsAsABalloonPointingAtTheCursor) {
    TRzBalloonHints hints(nullptr);
    hints.SetColor(clYellow);
    std::string seenText;
    TControl* seenControl = nullptr;
    hints.OnShowHint = [&](std::string& text, bool&, THintInfo& info) {
        seenText = text;
        seenControl = info.HintControl;
        EXPECT_EQ(info.HintColor, clYellow);
        EXPECT_EQ(info.HintMaxWidth, 100);
    };
    TRzBalloonHintWindow* window = Installed();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(hints.HintWindow(), &window->Window());

    const TPoint cursor = HelpAt(60, 70);
    EXPECT_EQ(seenText, "Balloon text");
    EXPECT_EQ(seenControl, panel);
    EXPECT_EQ(window->Window().Caption(), "Balloon text");
    EXPECT_EQ(window->Window().Color(), clYellow);
    ASSERT_TRUE(window->Shaped().Visible());
    // Above and to the right: the tip, 10 pixels in from the left, on the bottom edge row.
    const TRect bounds = window->Shaped().BoundsRect();
    EXPECT_EQ(window->Window().EffectiveCorner(), hcUpperRight);
    EXPECT_EQ(bounds.Left, cursor.X - 10);
    EXPECT_EQ(bounds.Bottom, cursor.Y);
    EXPECT_EQ(bounds, window->Window().BoundsRect());
    EXPECT_TRUE(window->Shaped().Shape().Contains(10, bounds.Height() - 1));
    EXPECT_FALSE(window->Shaped().Shape().Contains(0, 0));

    Application->CancelHint();
    EXPECT_FALSE(window->Shaped().Visible());
}

// The balloon lets the mouse through to the control under the hint, in the control's own
// coordinates, and a move of more than 2 pixels from the hint's spot cancels the hint.
TEST_F(BalloonHintsInstalled, MouseGoesOnToTheControlAndMovingAwayCancels) {
    TRzBalloonHints hints(nullptr);
    std::vector<std::string> seen;
    panel->OnMouseMove = [&](TObject*, TShiftState, int x, int y) {
        seen.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    };
    panel->OnMouseDown = [&](TObject*, TMouseButton button, TShiftState, int x, int y) {
        seen.push_back((button == mbRight ? "right " : "left ") + std::to_string(x) + "," +
                       std::to_string(y));
    };
    const TPoint cursor = HelpAt(60, 70);
    TRzBalloonHintWindow* window = Installed();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->Shaped().Visible());
    // A message over the balloon at the screen point (x, y).
    auto over = [&](TMouseMessageKind kind, int x, int y, TMouseButton button = mbLeft) {
        const TRect bounds = window->Shaped().BoundsRect();
        TMouseMessage m;
        m.Kind = kind;
        m.Button = button;
        m.Pos = Point(x - bounds.Left, y - bounds.Top);
        window->Shaped().OnMouse(m);
    };
    struct TCase {
        int Dx, Dy;
        bool StillShown;
    } moves[] = {{2, -2, true}, {-2, 2, true}, {0, 0, true}, {3, 0, false}};
    for (const TCase& c : moves) {
        over(mmMove, cursor.X + c.Dx, cursor.Y + c.Dy);
        EXPECT_EQ(window->Shaped().Visible(), c.StillShown) << c.Dx << "," << c.Dy;
        EXPECT_EQ(seen.back(),
                  "move " + std::to_string(60 + c.Dx) + "," + std::to_string(70 + c.Dy));
    }
    EXPECT_EQ(Application->HintControl(), nullptr);
    // With the hint gone there is no control to pass anything to.
    over(mmPress, cursor.X, cursor.Y, mbRight);
    EXPECT_EQ(seen.size(), 4u);

    HelpAt(20, 25);
    ASSERT_TRUE(window->Shaped().Visible());
    over(mmPress, cursor.X - 40 + 1, cursor.Y - 45, mbRight);
    EXPECT_EQ(seen.back(), "right 21,25");
    EXPECT_TRUE(window->Shaped().Visible());  // only moves cancel
    // A real press on the balloon's window takes the same way.
    const TRect bounds = window->Shaped().BoundsRect();
    const QPointF local(cursor.X - 40 - bounds.Left, cursor.Y - 45 + 2 - bounds.Top);
    QMouseEvent press(QEvent::MouseButtonPress, local,
                      window->Shaped().Widget()->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(window->Shaped().Widget(), &press);
    EXPECT_EQ(seen.back(), "left 20,27");
}

TEST_F(BalloonHintsInstalled, FormerClassComesBackInAnyOrderOfFreeing) {
    EXPECT_EQ(Installed(), nullptr);
    auto first = std::make_unique<TRzBalloonHints>(nullptr);
    auto second = std::make_unique<TRzBalloonHints>(nullptr);
    ASSERT_NE(Installed(), nullptr);
    EXPECT_EQ(second->HintWindow(), &Installed()->Window());
    EXPECT_EQ(first->HintWindow(), nullptr);

    // The first goes first: its former class (the default) is back.
    first.reset();
    EXPECT_EQ(Installed(), nullptr);
    EXPECT_EQ(second->HintWindow(), nullptr);
    // The second puts back the balloon class, now with no component to link to.
    second.reset();
    ASSERT_NE(Installed(), nullptr);
    HelpAt(5, 5);
    EXPECT_TRUE(Installed()->Shaped().Visible());

    Application->SetShowHint(false);
    Application->SetHintWindowClass(nullptr);
    Application->SetShowHint(true);
    Application->OnShowHint = nullptr;
}

TEST_F(BalloonHintsInstalled, WithoutTheComponentTheDefaultTooltipIsUsed) {
    { TRzBalloonHints hints(nullptr); }
    EXPECT_EQ(Installed(), nullptr);
    ASSERT_NE(Application->HintWindow(), nullptr);
    HelpAt(5, 5);
    EXPECT_EQ(Application->HintControl(), panel);
}

}  // namespace
