// The navigator bar: its layout, hints, keyboard focus and held buttons, and the grid
// navigator's enabling.
#include <gtest/gtest.h>

#include <QApplication>

#include "chart/editors/ChartGridNavigator.h"
#include "chart/engine/Chart.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Form.h"
#include "platform/ui/Timer.h"
#include "tests/platform/ui/UserInput.h"

namespace {

std::vector<int> Widths(const TTeeNavigatorLayout& l, int count) {
    std::vector<int> w;
    for (int i = 0; i < count; ++i) w.push_back(l.Buttons[size_t(i)].Width());
    return w;
}

TEST(TeeNavigatorLayout, SpreadsTheWidthOverTheVisibleButtons) {
    const std::array<bool, 9> four{true, true, true, true, false, false, false, false, false};
    // Not aligned: the bar shrinks to a whole number of buttons.
    TTeeNavigatorLayout l = LayoutTeeNavigator(241, 25, four, false, false);
    EXPECT_EQ(l.Width, 240);
    EXPECT_EQ(Widths(l, 4), (std::vector<int>{60, 60, 60, 60}));
    EXPECT_EQ(l.Buttons[3].Left, 180);
    EXPECT_EQ(l.Buttons[0].Height(), 25);
    EXPECT_EQ(l.Buttons[4].Left, 241);  // hidden: just past the right edge
    // Aligned: the three extra pixels go where the accumulator says.
    l = LayoutTeeNavigator(243, 25, four, true, false);
    EXPECT_EQ(l.Width, 243);
    EXPECT_EQ(Widths(l, 4), (std::vector<int>{61, 60, 61, 61}));
    // A single border; a bar too small grows to the minimum button size.
    l = LayoutTeeNavigator(10, 5, four, false, true);
    EXPECT_EQ(l.Width, 80);
    EXPECT_EQ(l.Height, 18);
    EXPECT_EQ(l.Buttons[0].Height(), 14);
    // No button visible still divides by one.
    l = LayoutTeeNavigator(50, 20, {}, false, false);
    EXPECT_EQ(l.Width, 50);
}

struct TBarFixture {
    TForm form{nullptr};
    TChartGridNavigator* bar = new TChartGridNavigator(&form);
    TBarFixture() {
        bar->SetParent(&form);
        form.SetBounds(0, 0, 400, 100);
    }
};

TEST(TeeNavigator, NewBarShowsFourButtonsWithDefaultHints) {
    TBarFixture f;
    EXPECT_EQ(f.bar->Width(), 240);
    EXPECT_EQ(f.bar->Height(), 25);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(f.bar->Button(TTeeNavigateBtn(i))->Visible(), i < 4);
    EXPECT_EQ(f.bar->Button(nbLast)->Width(), 60);
    EXPECT_EQ(f.bar->Button(nbCancel)->Hint(), "Cancel");
    // An empty entry keeps the default hint.
    f.bar->Hints()->Add("");
    f.bar->Hints()->Add("Back");
    EXPECT_EQ(f.bar->Button(nbFirst)->Hint(), "First");
    EXPECT_EQ(f.bar->Button(nbPrior)->Hint(), "Back");
    // Showing two more buttons lays the bar out again.
    f.bar->SetButtonVisible(nbInsert, true);
    f.bar->SetButtonVisible(nbDelete, true);
    EXPECT_EQ(f.bar->Button(nbDelete)->Left(), 200);
    EXPECT_EQ(f.bar->Button(nbDelete)->Width(), 40);
}

TEST(TeeNavigator, ArrowKeysMoveTheFocusOverVisibleButtonsOnly) {
    TBarFixture f;
    f.form.Show();
    f.bar->SetFocus();
    for (int i = 0; i < 5; ++i) TUserInput::Key(f.bar, Qt::Key_Right);
    EXPECT_EQ(f.bar->FocusedButton(), nbLast);  // Insert to Cancel are hidden
    f.bar->SetButtonVisible(nbInsert, true);
    TUserInput::Key(f.bar, Qt::Key_Right);
    EXPECT_EQ(f.bar->FocusedButton(), nbInsert);
    for (int i = 0; i < 7; ++i) TUserInput::Key(f.bar, Qt::Key_Left);
    EXPECT_EQ(f.bar->FocusedButton(), nbFirst);
}

TEST(TeeNavigator, HeldButtonRepeatsAfter400ThenEvery100Ms) {
    TBarFixture f;
    f.form.Show();
    TTeeNavButton* b = f.bar->Button(nbNext);
    b->SetEnabled(true);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    TUserInput input;
    const QPoint at(b->Left() + 5, 5);
    input.Press(f.bar, at);
    ASSERT_NE(b->RepeatTimer(), nullptr);
    EXPECT_EQ(b->RepeatTimer()->Interval(), 400);
    EXPECT_TRUE(b->RepeatTimer()->Enabled());
    b->RepeatTick();
    EXPECT_EQ(b->RepeatTimer()->Interval(), 100);
    b->RepeatTick();
    EXPECT_EQ(clicks, 2);
    input.Release(f.bar, at);
    EXPECT_EQ(clicks, 3);  // the release's own click
    EXPECT_FALSE(b->RepeatTimer()->Enabled());
    b->RepeatTick();  // a late tick after the release clicks nothing
    EXPECT_EQ(clicks, 3);
}

TEST(ChartGridNavigator, EnablingRules) {
    auto on = [](TChartGridNavigatorState s) {
        std::string out;
        for (bool b : ChartGridNavigatorEnabled(s)) out += b ? '1' : '0';
        return out;
    };
    TChartGridNavigatorState s;  // F 2, row 2 of 3, nothing bound
    EXPECT_EQ(on(s), "000000000");
    s.HasChart = true;
    s.ChartHasSeries = true;
    EXPECT_EQ(on(s), "000010100");  // insert and edit; no points to delete
    s.HasPoints = true;
    s.RowCount = 5;
    s.Row = 3;
    EXPECT_EQ(on(s), "111111100");
    s.Row = 4;
    EXPECT_EQ(on(s), "110011100");
    s.Editing = true;  // a chart grid that edits offers post and cancel only
    EXPECT_EQ(on(s), "110000011");
    s.Editing = false;
    s.ReadOnly = true;
    EXPECT_EQ(on(s), "110000000");
    s.HasSeries = true;  // series mode ignores read-only and editing
    s.HasChart = false;
    EXPECT_EQ(on(s), "110011100");
    s.RowCount = 1;
    s.Row = 0;
    s.FirstDataRow = 0;
    EXPECT_EQ(on(s), "000010100");
}

}  // namespace

namespace {

TEST(TeeNavigator, ListensToItsPanelUntilThePanelGoes) {
    TBarFixture f;
    auto* chart = new TChart(&f.form);
    f.bar->SetPanel(chart);
    EXPECT_EQ(chart->Listeners().IndexOf(f.bar), 0);
    f.bar->SetPanel(nullptr);
    EXPECT_EQ(chart->Listeners().IndexOf(f.bar), -1);
    f.bar->SetPanel(chart);
    delete chart;
    EXPECT_EQ(f.bar->Panel(), nullptr);
}

}  // namespace
