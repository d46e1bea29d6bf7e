#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>
#include <vector>

#include "platform/ui/Form.h"
#include "platform/ui/Panel.h"
#include "tests/support/OffscreenApplication.h"

namespace {

// Records what the application asks of its hint window.
struct THintLog {
    std::vector<THintInfo> Shown;
    int Hidden = 0;
};

class TRecordingHintWindow : public THintWindow {
public:
    explicit TRecordingHintWindow(THintLog& log) : FLog(log) {}
    void ActivateHint(const THintInfo& info) override { FLog.Shown.push_back(info); }
    void HideHint() override { ++FLog.Hidden; }

private:
    THintLog& FLog;
};

class HintWindowHook : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBounds(10, 20, 300, 200);
        panel->SetParent(&form);
        panel->SetBounds(30, 40, 100, 50);
        panel->SetHint("Short|Long");
        panel->SetShowHint(true);
        form.Show();
        Application->SetHintWindowClass(
            [this] { return std::make_unique<TRecordingHintWindow>(log); });
        Application->SetShowHint(false);
        Application->SetShowHint(true);
    }
    void TearDown() override {
        Application->SetShowHint(false);
        Application->SetHintWindowClass(nullptr);
        Application->SetShowHint(true);
        Application->OnShowHint = nullptr;
        Application->SetHintHidePause(2500);
    }
    void HelpAt(int x, int y) {
        QWidget* w = panel->Widget();
        QHelpEvent e(QEvent::ToolTip, QPoint(x, y), w->mapToGlobal(QPoint(x, y)));
        QCoreApplication::sendEvent(w, &e);
    }

    THintLog log;
    TForm form{nullptr};
    TPanel* panel = new TPanel(&form);
};

TEST_F(HintWindowHook, InstalledWindowIsAskedWithControlTextAndPlace) {
    HelpAt(7, 9);
    ASSERT_EQ(log.Shown.size(), 1u);
    const THintInfo& info = log.Shown[0];
    EXPECT_EQ(info.HintControl, panel);
    EXPECT_EQ(info.HintStr, "Short");
    EXPECT_EQ(info.CursorPos.X, 7);
    EXPECT_EQ(info.CursorPos.Y, 9);
    const QPoint origin = panel->Widget()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(info.ControlScreenRect.Left, origin.x());
    EXPECT_EQ(info.ControlScreenRect.Top, origin.y());
    EXPECT_EQ(info.ControlScreenRect.Width(), 100);
    EXPECT_EQ(info.ControlScreenRect.Height(), 50);
    EXPECT_EQ(info.CursorScreen().X, origin.x() + 7);
    EXPECT_EQ(info.CursorScreen().Y, origin.y() + 9);
    EXPECT_EQ(info.HintColor, Application->HintColor());
    EXPECT_EQ(Application->HintControl(), panel);
}

TEST_F(HintWindowHook, HintGoesOnLeaveOnTimeoutAndWhenHintsAreOff) {
    HelpAt(1, 1);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(panel->Widget(), &leave);
    EXPECT_GE(log.Hidden, 1);
    EXPECT_EQ(Application->HintControl(), nullptr);

    log.Hidden = 0;
    Application->SetHintHidePause(10);
    HelpAt(1, 1);
    QElapsedTimer clock;
    clock.start();
    while (log.Hidden == 0 && clock.elapsed() < 2000) TApplication::HandleMessage();
    EXPECT_EQ(log.Hidden, 1);

    // A control without hints cancels whatever shows.
    panel->SetShowHint(false);
    log.Hidden = 0;
    HelpAt(1, 1);
    EXPECT_EQ(log.Shown.size(), 2u);
    EXPECT_EQ(log.Hidden, 1);
}

TEST_F(HintWindowHook, ShowHintEventChangesOrRefusesTheHint) {
    Application->OnShowHint = [](std::string& text, bool& canShow, THintInfo& info) {
        canShow = text != "Short";
        info.HintMaxWidth = 77;
        text += "!";
    };
    HelpAt(1, 1);
    EXPECT_TRUE(log.Shown.empty());
    panel->SetHint("Other");
    HelpAt(1, 1);
    ASSERT_EQ(log.Shown.size(), 1u);
    EXPECT_EQ(log.Shown[0].HintStr, "Other!");
    EXPECT_EQ(log.Shown[0].HintMaxWidth, 77);
}

TEST_F(HintWindowHook, SwitchingHintsOnMakesAWindowOfTheClassInForce) {
    THintWindow* recording = Application->HintWindow();
    ASSERT_NE(recording, nullptr);
    Application->SetShowHint(false);
    EXPECT_EQ(Application->HintWindow(), nullptr);
    HelpAt(1, 1);
    EXPECT_TRUE(log.Shown.empty());

    // Without an installed class the toolkit's tooltip shows the text.
    Application->SetHintWindowClass(nullptr);
    Application->SetShowHint(true);
    HelpAt(1, 1);
    EXPECT_TRUE(log.Shown.empty());
    EXPECT_EQ(QToolTip::text().toStdString(), "Short");
    Application->CancelHint();
}

}  // namespace
