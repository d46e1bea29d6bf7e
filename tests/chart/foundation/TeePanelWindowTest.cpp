#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QWidget>

#include "chart/foundation/TeePanel.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/Form.h"
#include "platform/ui/Mouse.h"
#include "platform/ui/Panel.h"

namespace {

// A panel that counts its drawing passes.
class TCountingPanel : public TCustomTeePanel {
public:
    using TCustomTeePanel::TCustomTeePanel;
    int Passes = 0;

protected:
    void InternalDraw(const TRect&) override { ++Passes; }
};

TEST(TeePanelWindow, BorderRoundShapesTheWindowInsideAParentOnly) {
    TCustomTeePanel panel(nullptr);
    panel.SetBounds(0, 0, 100, 80);
    panel.SetBorderRound(20);
    EXPECT_TRUE(panel.InWindowRegion(0, 0));  // no parent window: left square

    TPanel parent(nullptr);
    panel.SetParent(&parent);
    panel.ApplyRoundRegion();
    EXPECT_FALSE(panel.InWindowRegion(0, 0));
    EXPECT_TRUE(panel.InWindowRegion(50, 40));
    EXPECT_TRUE(panel.InWindowRegion(10, 10));

    panel.SetBounds(0, 0, 200, 100);  // a resize shapes the new size
    EXPECT_TRUE(panel.InWindowRegion(150, 50));
    EXPECT_FALSE(panel.InWindowRegion(199, 0));

    panel.SetBorderRound(0);
    EXPECT_TRUE(panel.InWindowRegion(0, 0));
    panel.SetParent(nullptr);
}

TEST(TeePanelWindow, MouseClientPosIsThePointerInsideThePanel) {
    TPanel parent(nullptr);
    parent.SetBounds(100, 100, 300, 200);
    TCustomTeePanel panel(nullptr);
    panel.SetParent(&parent);
    panel.SetBounds(30, 40, 100, 80);
    parent.SetVisible(true);
    const TPoint origin = panel.ClientToScreen(Point(0, 0));
    Mouse()->SetCursorPos(Point(origin.X + 7, origin.Y + 9));
    EXPECT_EQ(panel.GetMouseClientPos(), Point(7, 9));
    Mouse()->SetCursorPos(Point(origin.X - 5, origin.Y + 100));
    EXPECT_EQ(panel.GetMouseClientPos(), Point(-5, 100));  // outside: not clipped
    panel.SetParent(nullptr);
}

TEST(TeePanelWindow, PicturesAndBitmapsTakeThePanelDrawn) {
    TCustomTeePanel panel(nullptr);
    panel.SetBounds(0, 0, 30, 20);
    panel.SetColor(clYellow);
    panel.SetBevelOuter(bvNone);
    TBitmap bitmap;
    bitmap.Assign(&panel);
    EXPECT_EQ(bitmap.Width(), 30);
    EXPECT_EQ(bitmap.Height(), 20);
    EXPECT_EQ(bitmap.Canvas()->Pixel(15, 10), clYellow);
    TPicture picture;
    picture.Assign(&panel);
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Width(), 30);
}

TEST(TeePanelWindow, PanelOfColourNoneShowsWhatLiesBehindIt) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 150);
    form.SetColor(clRed);
    auto* panel = new TCountingPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(20, 20, 60, 40);
    panel->SetBevelOuter(bvNone);
    form.Show();
    for (bool buffered : {true, false}) {
        panel->SetBufferedDisplay(buffered);
        panel->SetColor(clNone);
        EXPECT_TRUE(panel->SeeThrough());
        panel->Repaint();
        EXPECT_EQ(panel->Canvas()->Pixel(30, 20), clRed) << "buffered " << buffered;
        // Every paint redraws: the buffer's picture of what lies behind may be out of date.
        const int passes = panel->Passes;
        panel->Repaint();
        EXPECT_EQ(panel->Passes, passes + 1);
        panel->SetColor(clBtnFace);
        EXPECT_FALSE(panel->SeeThrough());
    }
}

// The panel paints every pixel itself, so the window layer erases it only when asked.
TEST(TeePanelWindow, BackgroundIsErasedOnlyWhenPanelEraseBackgroundIsOn) {
    TCountingPanel panel(nullptr);
    panel.SetBounds(0, 0, 40, 30);
    panel.SetColor(clYellow);
    panel.SetBufferedDisplay(false);
    for (bool erase : {false, true}) {
        const TValueGuard<bool> switched(PanelEraseBackground, erase);
        panel.Canvas()->SetPixel(5, 5, clBlue);
        panel.Repaint();
        EXPECT_EQ(panel.Canvas()->Pixel(5, 5), erase ? clYellow : clBlue);
    }
}

TEST(TeePanelWindow, SystemColourChangeRedrawsTheBufferedPanel) {
    TCountingPanel panel(nullptr);
    panel.SetBounds(0, 0, 40, 30);
    panel.Repaint();
    panel.Repaint();  // a clean buffer is copied, not redrawn
    EXPECT_EQ(panel.Passes, 1);
    const QPalette saved = QApplication::palette();
    QPalette changed = saved;
    changed.setColor(QPalette::Window, Qt::darkCyan);
    QApplication::setPalette(changed);
    QApplication::setPalette(saved);
    panel.Repaint();
    EXPECT_EQ(panel.Passes, 2);
}

// Arrow keys go to the focused panel (a zoom or scroll tool acts on them), not to the next.
TEST(TeePanelWindow, ArrowKeysReachTheFocusedPanel) {
    TForm form(nullptr);
    auto* panel = new TCustomTeePanel(&form);
    panel->SetParent(&form);
    auto* other = new TCustomTeePanel(&form);
    other->SetParent(&form);
    form.Show();
    panel->SetFocus();
    std::vector<int> keys, elsewhere;
    panel->OnKeyDown = [&](TObject*, int& key, TShiftState) { keys.push_back(key); };
    other->OnKeyDown = [&](TObject*, int& key, TShiftState) { elsewhere.push_back(key); };
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(panel->Widget(), &press);
    }
    EXPECT_EQ(keys, (std::vector<int>{VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}));
    EXPECT_TRUE(elsewhere.empty());
}

}  // namespace
