// The chart grid as the user works it: real keys into the in-place editor, the navigator, the
// cancel that puts a value back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "chart/editors/ChartGrid.h"
#include "chart/editors/ChartGridNavigator.h"
#include "chart/engine/Chart.h"
#include "chart/engine/LineSeries.h"
#include "platform/classes/PropAccess.h"
#include "platform/ui/Form.h"
#include "platform/ui/RecordingDialogService.h"

namespace {

struct TChartGridFixture {
    TForm form{nullptr};
    TChart* chart = new TChart(&form);
    TLineSeries* series = new TLineSeries(&form);
    TChartGrid* grid = new TChartGrid(&form);
    std::vector<std::string> stored;  // "col,row=text" for each OnSetEditText

    TChartGridFixture() {
        chart->AddSeries(series);
        for (double y : {7, 8, 9}) series->AddY(y);
        form.SetBounds(0, 0, 400, 300);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 380, 280);
        grid->OnSetEditText = [this](TObject*, int c, int r, const std::string& v) {
            stored.push_back(std::to_string(c) + "," + std::to_string(r) + "=" + v);
        };
        grid->SetChart(chart);
        form.Show();
        grid->SetFocus();
    }
    QLineEdit* Editor() const { return grid->Widget()->findChild<QLineEdit*>(); }
    void Key(int qtKey, const QString& text = {}) {
        QWidget* target = Editor() && Editor()->isVisibleTo(grid->Widget())
                              ? static_cast<QWidget*>(Editor())
                              : grid->Widget();
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
    }
    void Type(const std::string& text) {
        for (char c : text) Key(0, QString(QChar(c)));
    }
    bool IsNull(int index) const { return series->StoredPointColor(index) == clNone; }
};

TEST(ChartGrid, BindsToTheChartAndFollowsItsSeries) {
    TChartGridFixture f;
    EXPECT_EQ(f.grid->ColCount(), 3);  // index, labels, Y
    EXPECT_EQ(f.grid->RowCount(), 2 + 3);
    EXPECT_EQ(f.grid->Col(), 1);
    EXPECT_EQ(f.grid->Row(), 2);
    EXPECT_EQ(f.grid->FixedRows(), 2);
    f.series->AddY(10);  // the chart's data event rebuilds
    f.chart->AddSeries(new TLineSeries(&f.form));
    EXPECT_EQ(f.grid->ColCount(), 4);
    EXPECT_EQ(f.grid->RowCount(), 2 + 4);
    delete f.chart;  // the grid lets go of a chart that goes away
    EXPECT_EQ(f.grid->Chart(), nullptr);
    EXPECT_EQ(f.grid->RowCount(), 3);
}

TEST(ChartGrid, TypingStoresAtOnceAndEscPutsTheValueAndColourBack) {
    TChartGridFixture f;
    f.series->SetPointColor(0, clRed);
    f.grid->SetCol(2);
    f.Key(Qt::Key_F2);
    ASSERT_TRUE(f.grid->Editing());
    EXPECT_EQ(f.grid->SavedEditText(), "7");
    f.Key(Qt::Key_Backspace);
    f.Type("12");
    EXPECT_EQ(f.series->YValues()[0], 12);  // the chart follows the typing
    f.Key(Qt::Key_Escape);
    EXPECT_FALSE(f.grid->Editing());
    EXPECT_EQ(f.series->YValues()[0], 7);
    EXPECT_EQ(f.series->StoredPointColor(0), clRed);

    // Letters store nothing and tell nobody.
    f.stored.clear();
    f.grid->SetRow(3);
    f.Key(Qt::Key_F2);
    f.Type("abc");
    EXPECT_TRUE(f.stored.empty());
    EXPECT_EQ(f.series->YValues()[1], 8);
    f.Key(Qt::Key_Return, "\r");
    EXPECT_EQ(f.series->YValues()[1], 8);
    EXPECT_FALSE(f.IsNull(1));
}

TEST(ChartGrid, EscOnANewPointLeavesItNull) {
    TChartGridFixture f;
    f.grid->AllowAppendRows = true;
    f.grid->SetCol(2);
    f.grid->SetRow(4);
    f.Key(Qt::Key_Down);  // appends a null point
    ASSERT_EQ(f.series->Count(), 4);
    EXPECT_EQ(f.grid->Row(), 5);
    f.Key(Qt::Key_F2);
    EXPECT_TRUE(f.grid->EditingNewPoint());
    f.Type("5");
    EXPECT_FALSE(f.IsNull(3));
    f.Key(Qt::Key_Escape);
    EXPECT_TRUE(f.IsNull(3));
    // Up on that empty last row takes it away again.
    f.Key(Qt::Key_Up);
    EXPECT_EQ(f.series->Count(), 3);
    EXPECT_EQ(f.grid->RowCount(), 5);
    // Up on a row with a real point only moves.
    f.Key(Qt::Key_Up);
    EXPECT_EQ(f.series->Count(), 3);
    EXPECT_EQ(f.grid->Row(), 3);
}

TEST(ChartGrid, ClearingACellMakesThePointNullWhenTheEditorCloses) {
    TChartGridFixture f;
    f.grid->SetCol(2);
    f.grid->SetRow(3);
    f.Key(Qt::Key_F2);
    f.Key(Qt::Key_Backspace);
    EXPECT_FALSE(f.IsNull(1));
    f.Key(Qt::Key_Return, "\r");
    EXPECT_TRUE(f.IsNull(1));
    EXPECT_EQ(f.stored.back(), "2,3=");
}

TEST(ChartGrid, NavigatorStepsAndRunsTheRowCommands) {
    TChartGridFixture f;
    auto* nav = new TChartGridNavigator(&f.form);
    nav->SetParent(&f.form);
    nav->SetGrid(f.grid);
    nav->SetButtonVisible(nbInsert, true);
    nav->SetButtonVisible(nbDelete, true);
    EXPECT_FALSE(nav->Button(nbFirst)->Enabled());
    EXPECT_TRUE(nav->Button(nbLast)->Enabled());
    EXPECT_TRUE(nav->Button(nbDelete)->Enabled());
    nav->Button(nbLast)->Click();
    EXPECT_EQ(f.grid->Row(), 4);
    EXPECT_TRUE(nav->Button(nbFirst)->Enabled());
    EXPECT_FALSE(nav->Button(nbNext)->Enabled());
    nav->Button(nbPrior)->Click();
    EXPECT_EQ(f.grid->Row(), 3);
    nav->Button(nbDelete)->Click();
    ASSERT_EQ(f.series->Count(), 2);
    EXPECT_EQ(f.series->YValues()[1], 9);
    EXPECT_EQ(f.series->XValues()[1], 1);  // positions renumbered
    nav->Button(nbInsert)->Click();
    EXPECT_EQ(f.series->Count(), 3);
    EXPECT_EQ(f.grid->Row(), 4);
    nav->Button(nbEdit)->Click();
    EXPECT_TRUE(nav->Button(nbCancel)->Enabled());
    EXPECT_FALSE(nav->Button(nbInsert)->Enabled());
    nav->Button(nbPost)->Click();
    EXPECT_FALSE(f.grid->Editing());
    // Read-only: no insert, delete or edit.
    f.grid->SetReadOnly(true);
    nav->EnableButtons();
    EXPECT_FALSE(nav->Button(nbInsert)->Enabled());
    f.grid->InsertRow();
    EXPECT_EQ(f.series->Count(), 3);
    delete f.grid;  // the navigator lets go of a grid that goes away
    EXPECT_EQ(nav->Grid(), nullptr);
}

}  // namespace

namespace {

TEST(ChartGrid, RightAddsASeriesLikeTheLastAndLeftTakesItBackWhileEmpty) {
    TChartGridFixture f;
    f.grid->SetAllowInsertSeries(true);
    f.grid->SetCol(2);
    f.Key(Qt::Key_Right);
    ASSERT_EQ(f.chart->SeriesCount(), 2);
    EXPECT_EQ(f.chart->GetSeries(1)->ClassType().ClassName(), "TLineSeries");
    EXPECT_EQ(f.grid->ColCount(), 4);
    EXPECT_EQ(f.grid->Col(), 3);
    f.Key(Qt::Key_Left);
    EXPECT_EQ(f.chart->SeriesCount(), 1);
    EXPECT_EQ(f.grid->ColCount(), 3);
    // A last series with points stays; Left then only moves.
    f.grid->SetCol(2);
    f.Key(Qt::Key_Left);
    EXPECT_EQ(f.chart->SeriesCount(), 1);
    EXPECT_EQ(f.grid->Col(), 1);
    // Without the permission Right only moves.
    f.grid->SetAllowInsertSeries(false);
    f.grid->SetCol(2);
    f.Key(Qt::Key_Right);
    EXPECT_EQ(f.chart->SeriesCount(), 1);
}

TEST(ChartGrid, ColoursColumnEditsThePointColour) {
    TChartGridFixture f;
    TRecordingDialogService dialogs;
    int changes = 0;
    f.grid->OnChangeColor = [&](TObject*) { ++changes; };
    f.grid->SetShowColors(true);
    EXPECT_EQ(f.grid->ColorsColumn(), 1);
    EXPECT_EQ(f.grid->ColWidths(1), 40);
    f.grid->SetCol(1);
    f.grid->SetRow(3);
    dialogs.ColorAnswers.push_back(clLime);
    f.Key(Qt::Key_F2);
    EXPECT_EQ(f.series->StoredPointColor(1), clLime);
    EXPECT_FALSE(f.grid->Editing());  // the colours column has no in-place editor
    f.Key(Qt::Key_Return, "\r");      // cancelled
    EXPECT_EQ(f.series->StoredPointColor(1), clLime);
    EXPECT_EQ(changes, 1);
    f.grid->SetCurrentColor(clNone);  // "Make null point"
    EXPECT_EQ(f.series->StoredPointColor(1), clNone);
    EXPECT_EQ(changes, 2);
}

TEST(ChartGrid, HeaderPressSelectsTheColumnAndASecondPressItsCurrentCell) {
    TChartGridFixture f;
    f.chart->AddSeries(new TLineSeries(&f.form));
    const TRect header = f.grid->CellRect(3, 1);
    auto press = [&] {
        QPointF at(header.Left + 30, header.Top + 5);
        QMouseEvent down(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(f.grid->Widget(), &down);
        QMouseEvent up(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton,
                       Qt::NoModifier);
        QApplication::sendEvent(f.grid->Widget(), &up);
    };
    press();
    EXPECT_EQ(f.grid->Selection(), (TGridRect{3, 2, 3, 4}));
    press();
    EXPECT_EQ(f.grid->Selection(), (TGridRect{3, f.grid->Row(), 3, f.grid->Row()}));
}

}  // namespace

namespace {

TEST(ChartGrid, PublishedSettingsRebuildTheGrid) {
    TChartGridFixture f;
    SetEnumProp(f.grid, "ShowXValues", "cgsYes");
    EXPECT_EQ(f.grid->ColCount(), 4);  // index, labels, X, Y
    SetOrdProp(f.grid, "ShowLabels", 0);
    EXPECT_EQ(f.grid->ColCount(), 3);
    EXPECT_EQ(GetOrdProp(f.grid, "ShowColors"), 0);
}

}  // namespace

namespace {

TEST(ChartGrid, HeaderSymbolShowsTheHandAndEditsTheSeriesColour) {
    TChartGridFixture f;
    TRecordingDialogService dialogs;
    f.series->SetSeriesColor(clBlue);
    const TRect header = f.grid->CellRect(2, 0);
    auto send = [&](QEvent::Type type, QPointF at) {
        QMouseEvent e(type, at, at, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                          ? Qt::NoButton
                          : Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(f.grid->Widget(), &e);
    };
    const QPointF symbol(header.Left + 8, header.Top + 8);
    send(QEvent::MouseMove, symbol);
    EXPECT_EQ(f.grid->Cursor(), crHandPoint);
    send(QEvent::MouseMove, QPointF(header.Left + 40, header.Top + 8));
    EXPECT_EQ(f.grid->Cursor(), crDefault);
    dialogs.ColorAnswers.push_back(clFuchsia);
    send(QEvent::MouseButtonPress, symbol);
    send(QEvent::MouseButtonRelease, symbol);
    send(QEvent::MouseButtonDblClick, symbol);
    EXPECT_EQ(f.series->SeriesColor(), clFuchsia);
    // The press on the symbol selects no column.
    EXPECT_EQ(f.grid->Selection(),
              (TGridRect{f.grid->Col(), f.grid->Row(), f.grid->Col(), f.grid->Row()}));
}

}  // namespace
