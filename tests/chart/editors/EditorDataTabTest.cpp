// The chart editor's Data tab driven as a user drives it: the toggles of the grid's columns, the
// copy, the grid's menu of point colours, rows and font, and Alt with the right button for the
// 3-D layout.
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QMouseEvent>

#include "chart/editors/ChartEditForm.h"
#include "chart/editors/ChartEditor.h"
#include "chart/editors/ChartGrid.h"
#include "chart/editors/EditorHostedPages.h"
#include "chart/engine/Chart.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "platform/graphics/Font.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/SpeedButton.h"
#include "tests/chart/editors/ChartPageFixture.h"
#include "tests/chart/editors/MenuChoice.h"
#include "tests/support/ScratchSettings.h"

namespace {

struct EditorDataTabTest : ::testing::Test {
    TLibraryStartup library;
    TScratchSettings settings;
    TRecordingDialogService dialogs;
    TForm window{nullptr};
    TChart* chart = new TChart(&window);
    TChartEditor* ce = new TChartEditor(&window);
    std::vector<std::string> copies;

    EditorDataTabTest() {
        chart->SetName("chCavity");
        chart->SetParent(&window);
        chart->SetBounds(0, 0, 300, 200);
        ce->SetChart(chart);
        TeeCopyChartData = [this](TCustomChart& copied, bool labels, bool colors) {
            copies.push_back(copied.Name() + (labels ? " labels" : "") + (colors ? " colors" : ""));
        };
    }
    ~EditorDataTabTest() override { TeeCopyChartData = nullptr; }
    TLineSeries* AddLine() {
        auto* s = new TLineSeries(&window);
        s->SetName("Series1");
        chart->AddSeries(s);
        for (int i = 0; i < 4; ++i) s->AddXYPoint(i, i * i);
        return s;
    }
    void Edit(const std::function<void(TChartEditForm&)>& act) { EditChart(ce, act); }
    // A click on the grid's cell, then the menu a right click there opens.
    static void OpenMenuAt(TChartGrid* grid, int col, int row) {
        const TRect r = grid->CellRect(col, row);
        const QPoint at((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        TUserInput().Click(grid, at);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, grid->Widget()->mapToGlobal(at));
        QCoreApplication::sendEvent(grid->Widget(), &menu);
    }
};

TEST_F(EditorDataTabTest, TogglesLayTheGridOutAndTheCopyTakesTheirChoice) {
    AddLine();
    Edit([&](TChartEditForm& f) {
        ClickPage(f.TabData);
        TChartGrid* grid = f.ChartGrid1;
        EXPECT_TRUE(f.SBGridText->Down());  // as the grid starts
        EXPECT_FALSE(f.SBGridCol->Down());
        EXPECT_FALSE(f.SBGridX->Down());
        EXPECT_FALSE(f.SBGrid3D->Enabled());  // a line has no Z values
        Click(f.SBGridText);
        EXPECT_FALSE(grid->ShowLabels());
        Click(f.SBGridText);
        EXPECT_TRUE(grid->ShowLabels());
        Click(f.SBGridCol);
        EXPECT_TRUE(grid->ShowColors());
        Click(f.SBGridX);
        EXPECT_EQ(grid->ShowXValues(), cgsYes);
        Click(f.SBCopyData);
        Click(f.SBGridText);
        EXPECT_FALSE(grid->ShowLabels());
        Click(f.SBCopyData);
        EXPECT_FALSE(f.SBCopyData->Down());  // a command, not a state
        Click(f.SBGridX);
        EXPECT_EQ(grid->ShowXValues(), cgsNo);
    });
    EXPECT_EQ(copies, (std::vector<std::string>{"chCavity labels colors", "chCavity colors"}));
}

TEST_F(EditorDataTabTest, TheGridMenuEditsPointColoursRowsAndTheFont) {
    TLineSeries* line = AddLine();
    Edit([&](TChartEditForm& f) {
        ClickPage(f.TabData);
        Click(f.SBGridCol);
        TChartGrid* grid = f.ChartGrid1;
        const int first = grid->FirstDataRow();
        OpenMenuAt(grid, grid->ColorsColumn(), first);
        EXPECT_EQ(ShownMenuEntries(),
                  (std::vector<std::string>{"&Edit Color...", "Make &null point", "|",
                                            "&Append row", "&Delete row", "|", "&Text font..."}));
        ChooseMenuEntry("Make &null point");
        EXPECT_TRUE(line->IsNullValue(0));
        OpenMenuAt(grid, grid->ColorsColumn(), first);
        EXPECT_EQ(ShownMenuEntries(),
                  (std::vector<std::string>{"&Edit Color...", "Default &Color", "|", "&Append row",
                                            "&Delete row", "|", "&Text font..."}));
        ChooseMenuEntry("Default &Color");
        EXPECT_EQ(line->StoredPointColor(0), clDefault);

        // Outside the colours no colour entries.
        OpenMenuAt(grid, grid->ColorsColumn() + 1, first + 1);
        EXPECT_EQ(ShownMenuEntries(),
                  (std::vector<std::string>{"&Append row", "&Delete row", "|", "&Text font..."}));
        ChooseMenuEntry("&Delete row");
        EXPECT_EQ(line->Count(), 3);
        EXPECT_EQ(line->YValueAt(1), 4);
        OpenMenuAt(grid, grid->ColorsColumn() + 1, first);
        ChooseMenuEntry("&Append row");
        EXPECT_EQ(grid->Row(), grid->RowCount() - 1);

        // A larger font makes the rows taller: the height of "W" in it and two.
        const int before = grid->DefaultRowHeight();
        dialogs.FontAnswers.push_back([](TFont& font) {
            font.SetSize(28);
            return true;
        });
        OpenMenuAt(grid, 1, first);
        ChooseMenuEntry("&Text font...");
        EXPECT_EQ(grid->Font()->Size(), 28);
        EXPECT_GT(grid->DefaultRowHeight(), before);
        dialogs.FontAnswers.push_back([](TFont& font) {
            font.SetSize(6);
            return false;  // cancelled: nothing changes
        });
        OpenMenuAt(grid, 1, first);
        ChooseMenuEntry("&Text font...");
        EXPECT_EQ(grid->Font()->Size(), 28);
    });
}

TEST_F(EditorDataTabTest, AltAndTheRightButtonSwitchTheLayoutOfAThreeDSeries) {
    auto* points = new TPoint3DSeries(&window);
    chart->AddSeries(points);
    for (int i = 0; i < 3; ++i) points->AddXYZValues(i, i, i);
    Edit([&](TChartEditForm& f) {
        ClickPage(f.TabData);
        TChartGrid* grid = f.ChartGrid1;
        EXPECT_TRUE(f.SBGrid3D->Enabled());
        const TRect r = grid->CellRect(1, grid->FirstDataRow());
        const QPoint at(r.Left + 4, r.Top + 4);
        // A right press with the keys held, to the widget under the point, and its release.
        auto altRightClick = [&](Qt::KeyboardModifiers mods) {
            QWidget* target = grid->Widget()->childAt(at);
            if (!target) target = grid->Widget();
            const QPointF local = target->mapFrom(grid->Widget(), QPointF(at));
            const QPointF global = grid->Widget()->mapToGlobal(QPointF(at));
            QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::RightButton,
                              Qt::RightButton, mods);
            QCoreApplication::sendEvent(target, &press);
            QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::RightButton,
                                Qt::NoButton, mods);
            QCoreApplication::sendEvent(target, &release);
        };
        altRightClick(Qt::NoModifier);
        EXPECT_FALSE(grid->Grid3DMode());
        altRightClick(Qt::AltModifier);
        EXPECT_TRUE(grid->Grid3DMode());
        EXPECT_TRUE(f.SBGrid3D->Down());
        altRightClick(Qt::AltModifier);
        EXPECT_FALSE(grid->Grid3DMode());
        // The button does the same; the 3-D layout has no colours, which come back after it.
        Click(f.SBGridCol);
        Click(f.SBGrid3D);
        EXPECT_TRUE(grid->Grid3DMode());
        EXPECT_FALSE(grid->ShowColors());
        Click(f.SBGrid3D);
        EXPECT_FALSE(grid->Grid3DMode());
        EXPECT_TRUE(grid->ShowColors());
    });
}

}  // namespace
