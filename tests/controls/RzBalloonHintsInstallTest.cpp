// Balloon hints taking over the application's hints: the installed window is asked with the
// control, the text and the cursor, shows a balloon whose pointer sits on the cursor, and the
// former hint window class comes back when the component goes.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHelpEvent>
#include <QWidget>

#include "controls/RzBalloonHintWindow.h"
#include "controls/RzBalloonHints.h"
#include "platform/graphics/Region.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
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
