// The framed edit: background colours by state, the hot-tracked frame, Enter as Tab.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "controls/RzCustomEdit.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Form.h"

namespace {
class TTestEdit : public TRzCustomEdit {
public:
    using TRzCustomEdit::DoEnter;
    using TRzCustomEdit::DoExit;
    using TRzCustomEdit::KeyPress;
    using TRzCustomEdit::MouseEnter;
    using TRzCustomEdit::MouseLeave;
    using TRzCustomEdit::TRzCustomEdit;
};
}  // namespace

TEST(RzCustomEdit, BackgroundFollowsTheState) {
    struct TCase {
        bool Enabled, Focused, ReadOnly, ReadOnlyColorOnFocus;
        TColor Expected;
    } cases[] = {
        {true, false, false, false, clYellow},  // the normal colour
        {false, false, false, false, clGray},   // disabled
        {false, true, true, true, clGray},      // disabled wins
        {true, true, false, false, clAqua},     // focused
        {true, true, true, false, clAqua},      // focused read-only: the focus colour
        {true, true, true, true, clLime},       // ... unless asked otherwise
        {true, false, true, false, clLime},     // read-only
    };
    for (const TCase& c : cases) {
        TTestEdit edit(nullptr);
        edit.SetColor(clYellow);
        edit.SetDisabledColor(clGray);
        edit.SetFocusColor(clAqua);
        edit.SetReadOnlyColor(clLime);
        edit.SetReadOnlyColorOnFocus(c.ReadOnlyColorOnFocus);
        edit.SetReadOnly(c.ReadOnly);
        if (c.Focused) edit.DoEnter();
        edit.SetEnabled(c.Enabled);
        EXPECT_EQ(edit.Color(), c.Expected)
            << "enabled " << c.Enabled << " focused " << c.Focused << " read-only " << c.ReadOnly
            << " on focus " << c.ReadOnlyColorOnFocus;
        // Back to idle the normal colour returns.
        edit.SetEnabled(true);
        edit.SetReadOnly(false);
        if (c.Focused) edit.DoExit();
        EXPECT_EQ(edit.Color(), clYellow);
    }
}

TEST(RzCustomEdit, OutsideColourChangesBecomeTheNormalColour) {
    TTestEdit edit(nullptr);
    // The focus colour moves along while it equals the normal colour...
    edit.SetColor(clYellow);
    EXPECT_EQ(edit.FocusColor(), clYellow);
    // ... and stays once it was set apart.
    edit.SetFocusColor(clAqua);
    edit.SetColor(clWhite);
    EXPECT_EQ(edit.FocusColor(), clAqua);
    // A colour set while disabled comes back on enabling.
    edit.SetEnabled(false);
    edit.SetColor(clFuchsia);
    edit.SetEnabled(true);
    EXPECT_EQ(edit.Color(), clFuchsia);
    EXPECT_EQ(edit.NormalColor(), clFuchsia);
}

// The frame's left edge at (0, 5) and (1, 5) of a 20 x 12 edit painted into a bitmap.
TEST(RzCustomEdit, HotTrackedFrameSwitchesWithMouseAndFocus) {
    TTestEdit edit(nullptr);
    edit.SetBounds(0, 0, 20, 12);
    edit.SetFrameSides(TSides{sdLeft});
    edit.SetFrameColor(clBlue);
    edit.SetFrameHotColor(clRed);
    edit.SetFrameHotTrack(true);
    EXPECT_TRUE(edit.FrameVisible());
    EXPECT_EQ(edit.FrameSides(), sdAllSides);

    struct TStep {
        const char* Name;
        void (TTestEdit::*Act)();
        TColor Outer, Inner;
    } steps[] = {
        {"idle", nullptr, clBlue, clWindow},
        {"mouse over", &TTestEdit::MouseEnter, clRed, clRed},
        {"focused too", &TTestEdit::DoEnter, clRed, clRed},
        {"mouse gone, still focused", &TTestEdit::MouseLeave, clRed, clRed},
        {"left", &TTestEdit::DoExit, clBlue, clWindow},
    };
    for (const TStep& s : steps) {
        if (s.Act) (edit.*s.Act)();
        TBitmap bitmap(20, 12);
        edit.PaintFrame(*bitmap.Canvas());
        EXPECT_EQ(bitmap.Canvas()->Pixel(0, 5), ColorToRGB(s.Outer)) << s.Name;
        EXPECT_EQ(bitmap.Canvas()->Pixel(1, 5), ColorToRGB(s.Inner)) << s.Name;
    }

    // No frame at all while it is not visible.
    edit.SetFrameVisible(false);
    TBitmap bitmap(20, 12);
    edit.PaintFrame(*bitmap.Canvas());
    EXPECT_EQ(bitmap.Canvas()->Pixel(0, 5), clWhite);
}

TEST(RzCustomEdit, EnterActsAsTabWhenAsked) {
    TForm form(nullptr);
    auto* first = new TTestEdit(&form);
    first->SetParent(&form);
    auto* second = new TTestEdit(&form);
    second->SetParent(&form);
    form.Show();
    QApplication::setActiveWindow(form.Widget());  // focus needs an active window
    first->SetFocus();
    ASSERT_TRUE(first->Focused());

    char key = '\r';
    first->KeyPress(key);
    EXPECT_EQ(key, '\r');  // without TabOnEnter the edit sees it
    EXPECT_TRUE(first->Focused());

    first->SetTabOnEnter(true);
    first->KeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(first->Text(), "");
}

// What the screen shows: the frame drawn over the toolkit's edit, following the hot state.
TEST(RzCustomEdit, FrameShowsOnTheControl) {
    TForm form(nullptr);
    auto* edit = new TTestEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(0, 0, 40, 20);
    edit->SetFrameColor(clBlue);
    edit->SetFrameHotColor(clRed);
    form.Show();
    auto leftEdge = [&] {
        TBitmap shot(40, 20);
        edit->PaintTo(shot, 0, 0);
        return shot.Canvas()->Pixel(0, 10);
    };
    const TColor plain = leftEdge();
    EXPECT_NE(plain, clBlue);  // no frame of ours until it is visible
    edit->SetFrameVisible(true);
    EXPECT_EQ(leftEdge(), clBlue);
    edit->SetFrameHotTrack(true);
    edit->MouseEnter();
    EXPECT_EQ(leftEdge(), clRed);
    edit->MouseLeave();
    EXPECT_EQ(leftEdge(), clBlue);
}
