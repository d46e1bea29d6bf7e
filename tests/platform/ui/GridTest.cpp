#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>

#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Button.h"
#include "platform/ui/DrawGrid.h"
#include "platform/ui/Form.h"
#include "tests/support/OffscreenApplication.h"

namespace {

// A string grid of 6 columns by 8 rows (one fixed of each), 64 by 24 cells with one-pixel
// lines, in a 200 by 100 client without scroll bars: columns 1 and 2 and rows 1 to 3 show
// whole.
struct TGridFixture {
    TForm form{nullptr};
    TStringGrid* grid;
    std::vector<std::string> edits;  // "col,row=text" for each SetEditText

    TGridFixture() {
        grid = new TStringGrid(&form);
        grid->SetParent(&form);
        grid->SetScrollBars(ssNone);
        grid->SetColCount(6);
        grid->SetRowCount(8);
        grid->SetBounds(0, 0, 200, 100);
        grid->OnSetEditText = [this](TObject*, int c, int r, const std::string& v) {
            edits.push_back(std::to_string(c) + "," + std::to_string(r) + "=" + v);
        };
    }
    QLineEdit* Editor() const { return grid->Widget()->findChild<QLineEdit*>(); }
    // A key as the toolkit delivers it: to the editor while it shows, else to the grid.
    void Key(int qtKey, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = Editor() && Editor()->isVisibleTo(grid->Widget())
                              ? static_cast<QWidget*>(Editor())
                              : grid->Widget();
        QKeyEvent press(QEvent::KeyPress, qtKey, mods, text);
        QCoreApplication::sendEvent(target, &press);
    }
    void Type(const std::string& text) {
        for (char c : text) Key(0, QString(QChar(c)));
    }
    void Click(int col, int row, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        TRect r = grid->CellRect(col, row);
        QPointF at(r.Left + 3, r.Top + 3);
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, at, at, Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, mods);
            QCoreApplication::sendEvent(grid->Widget(), &e);
        }
    }
};

TEST(Grid, CellRectsAndMouseToCellFollowTheScrolling) {
    TGridFixture f;
    TStringGrid* g = f.grid;
    EXPECT_EQ(g->VisibleColCount(), 2);
    EXPECT_EQ(g->VisibleRowCount(), 3);
    const struct {
        int leftCol, topRow;
        int col, row;
        TRect rect;
    } cells[] = {
        {1, 1, 0, 0, Rect(0, 0, 64, 24)},
        {1, 1, 1, 1, Rect(65, 25, 129, 49)},
        {1, 1, 2, 2, Rect(130, 50, 194, 74)},
        {1, 1, 3, 3, Rect(195, 75, 200, 99)},
        {1, 1, 4, 1, TRect{}},
        {3, 2, 3, 0, Rect(65, 0, 129, 24)},
        {3, 2, 1, 1, TRect{}},
        {3, 2, 0, 2, Rect(0, 25, 64, 49)},
    };
    for (const auto& c : cells) {
        g->SetLeftCol(c.leftCol);
        g->SetTopRow(c.topRow);
        EXPECT_EQ(g->CellRect(c.col, c.row), c.rect) << c.col << "," << c.row;
        if (c.rect.IsEmpty()) continue;
        // Each corner of the rectangle and the line after it belong to the cell.
        for (TPoint p : {Point(c.rect.Left, c.rect.Top), Point(c.rect.Right, c.rect.Bottom)}) {
            if (p.X < 200 && p.Y < 100) {
                EXPECT_EQ(g->MouseCoord(p.X, p.Y), (TGridCoord{c.col, c.row})) << p.X << "," << p.Y;
            }
        }
    }
    g->SetColCount(2);  // narrower than the client: the rest is no cell
    EXPECT_EQ(g->MouseCoord(150, 10), (TGridCoord{-1, -1}));
    EXPECT_EQ(g->LeftCol(), 1);
    EXPECT_THROW(g->SetFixedCols(2), EInvalidOperation);
    EXPECT_THROW(g->SetRow(8), EInvalidOperation);
}

TEST(Grid, KeysAndClicksMoveTheCurrentCellAndTheSelection) {
    TGridFixture f;
    TStringGrid* g = f.grid;
    std::vector<int> keysSeen;
    g->OnKeyDown = [&](TObject*, int& key, TShiftState) { keysSeen.push_back(key); };
    for (int i = 0; i < 3; ++i) f.Key(Qt::Key_Down);
    f.Key(Qt::Key_Right, {}, Qt::ShiftModifier);  // extends the selection from the anchor
    EXPECT_EQ(g->Row(), 4);
    EXPECT_EQ(g->TopRow(), 2);  // scrolled to show the current row
    EXPECT_EQ(g->Selection(), (TGridRect{1, 4, 2, 4}));
    EXPECT_EQ(keysSeen, (std::vector<int>{VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT}));

    f.Click(2, 4);
    f.Click(1, 3, Qt::ShiftModifier);
    EXPECT_EQ(g->Selection(), (TGridRect{1, 3, 2, 4}));
    EXPECT_EQ((TGridCoord{g->Col(), g->Row()}), (TGridCoord{1, 3}));

    // Tab moves only with goTabs, wrapping to the next row; a cell SelectCell refuses is not
    // entered.
    g->SetCol(5);
    f.Key(Qt::Key_Tab);
    EXPECT_EQ(g->Col(), 5);
    g->SetOptions(g->Options() + TGridOptions{goTabs});
    f.Key(Qt::Key_Tab);
    EXPECT_EQ((TGridCoord{g->Col(), g->Row()}), (TGridCoord{1, 4}));
    g->OnSelectCell = [](TObject*, int col, int, bool& can) { can = col != 2; };
    f.Key(Qt::Key_Right);
    EXPECT_EQ(g->Col(), 1);

    // Whole rows with goRowSelect.
    g->OnSelectCell = nullptr;
    g->SetOptions(g->Options() + TGridOptions{goRowSelect});
    f.Key(Qt::Key_Down);
    EXPECT_EQ(g->Selection(), (TGridRect{1, 5, 5, 5}));
}

TEST(Grid, EditorOpensCommitsOnEnterAndCancelsOnEsc) {
    TGridFixture f;
    TStringGrid* g = f.grid;
    g->SetCells(1, 1, "0.5");
    auto* ok = new TButton(&f.form);
    ok->SetParent(&f.form);
    ok->SetDefault(true);
    int presses = 0;
    ok->OnClick = [&](TObject*) { ++presses; };
    f.Key(Qt::Key_F2);            // not without goEditing
    f.Key(Qt::Key_Return, "\r");  // Enter, with no editor to open, is the form's
    EXPECT_FALSE(g->EditorMode());
    EXPECT_EQ(presses, 1);
    g->SetOptions(g->Options() + TGridOptions{goEditing});

    // F2 opens on the cell's text; each change calls SetEditText, and so does Enter.
    f.Key(Qt::Key_F2);
    ASSERT_TRUE(g->EditorMode());
    EXPECT_EQ(g->InplaceEditorText(), "0.5");
    f.Key(Qt::Key_End);
    f.Type("7");
    f.Key(Qt::Key_Return, "\r");
    EXPECT_FALSE(g->EditorMode());
    EXPECT_EQ(g->Cells(1, 1), "0.57");
    EXPECT_EQ(f.edits, (std::vector<std::string>{"1,1=0.57", "1,1=0.57"}));
    EXPECT_EQ(presses, 1);

    // Typing opens the editor with the typed text in place of the cell's; Esc puts the text
    // back.
    f.edits.clear();
    f.Type("9");
    EXPECT_TRUE(g->EditorMode());
    EXPECT_EQ(g->Cells(1, 1), "9");
    f.Key(Qt::Key_Escape);
    EXPECT_FALSE(g->EditorMode());
    EXPECT_EQ(g->Cells(1, 1), "0.57");
    EXPECT_EQ(f.edits, (std::vector<std::string>{"1,1=9", "1,1=0.57"}));

    // Moving away commits; a click on the current cell opens the editor again.
    f.Key(Qt::Key_Return, "\r");
    f.Type("1");
    f.Key(Qt::Key_Down);
    EXPECT_FALSE(g->EditorMode());
    EXPECT_EQ(g->Cells(1, 1), "1");
    EXPECT_EQ(g->Row(), 2);
    f.Click(1, 2);
    EXPECT_TRUE(g->EditorMode());
    EXPECT_EQ(f.Editor()->geometry(), QRect(65, 50, 64, 24));
    // A key OnKeyDown swallows never reaches the editor.
    g->OnKeyDown = [](TObject*, int& key, TShiftState) {
        if (key == VK_DELETE) key = 0;
    };
    f.Editor()->selectAll();
    f.Key(Qt::Key_Delete);
    EXPECT_EQ(g->InplaceEditorText(), "");
    EXPECT_EQ(f.Editor()->text().toStdString(), "");

    // With goAlwaysShowEditor the editor goes along with the current cell.
    g->SetOptions(g->Options() + TGridOptions{goAlwaysShowEditor});
    g->SetRow(3);
    f.Type("x");
    f.Key(Qt::Key_Down);
    EXPECT_TRUE(g->EditorMode());
    EXPECT_EQ(g->Cells(1, 3), "x");
    EXPECT_EQ(f.Editor()->geometry().top(), g->CellRect(1, 4).Top);
}

TEST(Grid, CellsAreDrawnInTheirColoursWithTheOwnersDrawing) {
    TGridFixture f;
    TStringGrid* g = f.grid;
    TGridDrawState seen;
    g->OnDrawCell = [&](TObject*, int col, int row, const TRect& r, TGridDrawState state) {
        if (col == 2 && row == 2) {
            seen = state;
            g->Canvas()->Brush()->SetColor(clRed);
            g->Canvas()->FillRect(Rect(r.Left + 4, r.Top + 4, r.Right - 4, r.Bottom - 4));
        }
    };
    g->SetSelection(TGridRect{1, 1, 2, 2});
    g->Repaint();
    TCanvas* c = g->Canvas();
    const TRect owner = g->CellRect(2, 2);
    EXPECT_EQ(c->Pixel(owner.Left + 10, owner.Top + 10), ColorToRGB(clRed));
    EXPECT_EQ(c->Pixel(owner.Left + 1, owner.Top + 1), ColorToRGB(clHighlight));  // selected
    EXPECT_EQ(seen, TGridDrawState{gdSelected});
    EXPECT_EQ(c->Pixel(30, 12), ColorToRGB(clBtnFace));  // a fixed cell
    EXPECT_EQ(c->Pixel(64, 12), ColorToRGB(clBlack));    // the line after it
    EXPECT_EQ(c->Pixel(129, 80), ColorToRGB(clSilver));  // a line between scrolling cells
    EXPECT_EQ(c->Pixel(150, 85), ColorToRGB(clWindow));  // a cell outside the selection
}

}  // namespace

namespace {

TEST(Grid, FocusInTheEditorIsTheGridsAndLeavingItCommits) {
    TGridFixture f;
    TStringGrid* g = f.grid;
    auto* other = new TStringGrid(&f.form);
    other->SetParent(&f.form);
    other->SetLeft(250);
    g->SetOptions(g->Options() + TGridOptions{goEditing});
    std::vector<std::string> focus;
    g->OnEnter = [&](TObject*) { focus.push_back("enter"); };
    g->OnExit = [&](TObject*) { focus.push_back("exit"); };
    f.form.Show();
    QApplication::setActiveWindow(f.form.Widget());
    g->SetFocus();
    f.Key(Qt::Key_F2);
    f.Type("3");
    EXPECT_TRUE(f.Editor()->hasFocus());
    f.Key(Qt::Key_Return, "\r");  // the focus comes back to the grid
    EXPECT_TRUE(g->Focused());
    f.Type("4");
    other->SetFocus();
    EXPECT_FALSE(g->EditorMode());
    EXPECT_EQ(g->Cells(1, 1), "4");
    EXPECT_EQ(focus, (std::vector<std::string>{"enter", "exit"}));
    f.form.Hide();
}

TEST(Grid, ScrollBarsShowWhenTheCellsDoNotFitAndScrollTheGrid) {
    TGridFixture f;
    TStringGrid* g = f.grid;
    g->SetScrollBars(ssVertical);
    QScrollBar* bar = nullptr;
    for (QScrollBar* b : g->Widget()->findChildren<QScrollBar*>())
        if (b->orientation() == Qt::Vertical) bar = b;
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisibleTo(g->Widget()));
    EXPECT_EQ(g->ClientWidth(), 200 - bar->width());
    EXPECT_EQ(bar->maximum(), 5);  // rows 5 to 7 fill the client
    bar->setValue(4);
    EXPECT_EQ(g->TopRow(), 4);
    g->SetRow(1);
    EXPECT_EQ(bar->value(), 1);
    g->SetRowCount(3);
    EXPECT_FALSE(bar->isVisibleTo(g->Widget()));
    EXPECT_EQ(g->ClientWidth(), 200);
}

}  // namespace

namespace {

TEST(Grid, LinesInTheFixedCellsDragToSizeColumnsAndRows) {
    const struct {
        bool sizing;
        TPoint press, release;
        int colWidth1, rowHeight1;
    } cases[] = {
        {true, Point(129, 5), Point(150, 5), 85, 24},  // the line after column 1
        {true, Point(5, 50), Point(5, 61), 64, 36},    // near the line after row 1
        {false, Point(129, 5), Point(150, 5), 64, 24},
    };
    for (const auto& c : cases) {
        TGridFixture f;
        if (c.sizing)
            f.grid->SetOptions(f.grid->Options() + TGridOptions{goColSizing, goRowSizing});
        auto send = [&](QEvent::Type type, TPoint p, Qt::MouseButtons held) {
            QPointF at(p.X, p.Y);
            QMouseEvent e(type, at, at, Qt::LeftButton, held, Qt::NoModifier);
            QCoreApplication::sendEvent(f.grid->Widget(), &e);
        };
        send(QEvent::MouseMove, c.press, Qt::NoButton);
        EXPECT_EQ(f.grid->Widget()->cursor().shape(), c.sizing && c.press.Y < 24 ? Qt::SplitHCursor
                                                      : c.sizing                 ? Qt::SplitVCursor
                                                                                 : Qt::ArrowCursor);
        send(QEvent::MouseButtonPress, c.press, Qt::LeftButton);
        send(QEvent::MouseMove, c.release, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, c.release, Qt::NoButton);
        EXPECT_EQ(f.grid->ColWidths(1), c.colWidth1) << c.press.X << "," << c.press.Y;
        EXPECT_EQ(f.grid->RowHeights(1), c.rowHeight1) << c.press.X << "," << c.press.Y;
        EXPECT_EQ((TGridCoord{f.grid->Col(), f.grid->Row()}), (TGridCoord{1, 1}));
    }
}

}  // namespace
