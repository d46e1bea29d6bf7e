// The general page's Cursor and Fonts tabs: the chart's cursor by name or from a file; the list
// of the chart's fonts, several edited at a time, and a list that never keeps the font of a
// series freed meanwhile.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTabBar>
#include <string>
#include <vector>

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/FontEditor.h"
#include "chart/editors/GeneralPage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeZoom.h"
#include "chart/foundation/ZoomPanning.h"
#include "platform/classes/Writer.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/Screen.h"
#include "tests/chart/editors/ChartPageFixture.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/TempDir.h"

namespace {

struct GeneralFontsTest : ChartPageFixture<> {
    TLineSeries* first = AddPoint("Series1");
    TLineSeries* second = AddPoint("Series2");
    TFormTeeGeneral* page = nullptr;

    GeneralFontsTest() {
        new TChartAxis(chart->CustomAxes());
        window.Show();
    }
    TLineSeries* AddPoint(const char* name) {
        TLineSeries* line = AddLine(name);
        line->AddXYPoint(1, 2);
        return line;
    }
    void ShowPage() {
        page = ShowBeside(new TFormTeeGeneral(&window, chart), 480, 360);
        ClickPage(page->TabFonts);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int i = 0; i < page->LBFonts->Count(); ++i)
            names.push_back(page->LBFonts->Items()->Strings(i));
        return names;
    }
    int IndexOf(const std::string& name) const { return page->LBFonts->Items()->IndexOf(name); }
};

TEST_F(GeneralFontsTest, EveryFontOfTheChartListedSortedAndTitleFirstEdited) {
    const std::string before = Bytes(chart);
    ShowPage();
    EXPECT_EQ(Bytes(chart), before);
    const std::vector<std::string> expected = {"Bottom axis",
                                               "Bottom axis (Axis Title)",
                                               "Custom axis0",
                                               "Custom axis0 (Axis Title)",
                                               "Depth axis",
                                               "Depth axis (Axis Title)",
                                               "Depth Top axis",
                                               "Depth Top axis (Axis Title)",
                                               "Footer",
                                               "Left axis",
                                               "Left axis (Axis Title)",
                                               "Legend",
                                               "Legend title",
                                               "Right axis",
                                               "Right axis (Axis Title)",
                                               "Series1 (marks)",
                                               "Series2 (marks)",
                                               "SubFooter",
                                               "SubTitle",
                                               "Title",
                                               "Top axis",
                                               "Top axis (Axis Title)"};
    EXPECT_EQ(Names(), expected);
    EXPECT_EQ(page->LBFonts->Items()->Objects(IndexOf("Series2 (marks)")), second->Marks()->Font());
    EXPECT_EQ(page->LBFonts->Items()->Objects(IndexOf("Custom axis0")),
              chart->CustomAxes()->GetAxis(0)->LabelsFont());
    EXPECT_TRUE(page->LBFonts->Focused());
    ASSERT_NE(page->FontEditor(), nullptr);
    EXPECT_EQ(page->EditedFont(), chart->Title()->Font());
    EXPECT_EQ(page->FontEditor()->Font(), chart->Title()->Font());
}

TEST_F(GeneralFontsTest, SelectedFontsTakeOnlyTheChangedAttribute) {
    chart->Legend()->Font()->SetColor(clRed);
    chart->Title()->Font()->SetColor(clBlue);
    const int legendSize = chart->Legend()->Font()->Size();
    const int footSize = chart->Foot()->Font()->Size();
    ShowPage();
    page->LBFonts->SetSelected(IndexOf("Legend"), true);
    page->FontEditor()->ESize->SetText("21");
    EXPECT_EQ(chart->Title()->Font()->Size(), 21);
    EXPECT_EQ(chart->Legend()->Font()->Size(), 21);
    EXPECT_EQ(chart->Legend()->Font()->Color(), clRed);
    EXPECT_EQ(chart->Title()->Font()->Color(), clBlue);
    EXPECT_EQ(chart->Foot()->Font()->Size(), footSize);
    EXPECT_NE(legendSize, 21);
    // Ctrl+A in the list selects every font.
    TUserInput::Key(page->LBFonts, Qt::Key_A, "a", Qt::ControlModifier);
    EXPECT_EQ(page->LBFonts->SelCount(), page->LBFonts->Count());
    // Hidden, the page stops passing changes on and gives the font its own notification back.
    page->Hide();
    chart->Title()->Font()->SetSize(9);
    EXPECT_EQ(chart->Legend()->Font()->Size(), 21);
}

TEST_F(GeneralFontsTest, FreedSeriesLeaveTheListWhenItShowsAgain) {
    ShowPage();
    // The second series' marks font edited, then the series goes while the page is hidden.
    const int marks = IndexOf("Series2 (marks)");
    page->LBFonts->SetItemIndex(marks);
    page->LBFonts->OnClick(page->LBFonts);
    ASSERT_EQ(page->EditedFont(), second->Marks()->Font());
    page->Hide();
    delete second;
    page->Show();
    ClickPage(page->TabFonts);
    EXPECT_EQ(IndexOf("Series2 (marks)"), -1);
    EXPECT_GE(IndexOf("Series1 (marks)"), 0);
    EXPECT_EQ(page->EditedFont(), chart->Title()->Font());
}

// A cursor file of a 32 x 32 picture with its hot spot at (3, 5).
void WriteCursorFile(const std::string& path) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::black);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "ICO"));
    QByteArray bytes = buffer.data();
    bytes[2] = 2;  // a cursor, not an icon
    bytes[10] = 3;
    bytes[11] = 0;
    bytes[12] = 5;
    bytes[13] = 0;
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

struct GeneralCursorTest : GeneralFontsTest {
    TRecordingDialogService dialogs;
    void ShowCursorTab() {
        ShowPage();
        ClickPage(page->TabCursor);
    }
    void Choose(const std::string& name) {
        page->CBCursor->SetItemIndex(page->CBCursor->Items()->IndexOf(name));
        page->CBCursor->OnChange(page->CBCursor);
    }
};

TEST_F(GeneralCursorTest, NamesSortedAndChosenCursorBecomesTheChartsDefault) {
    chart->SetCursor(crCross);
    const std::string before = Bytes(chart);
    ShowCursorTab();
    EXPECT_EQ(Bytes(chart), before);
    EXPECT_EQ(page->CBCursor->Text(), "Cross");
    TStrings& names = *page->CBCursor->Items();
    for (int i = 1; i < names.Count(); ++i)
        EXPECT_LE(AnsiCompareText(names.Strings(i - 1), names.Strings(i)), 0) << names.Strings(i);
    EXPECT_GE(names.IndexOf("TeeHand"), 0);
    EXPECT_GT(page->ImageCursor->Picture()->Width(), 0);
    const struct {
        const char* name;
        TCursor cursor;
    } rows[] = {{"HourGlass", crHourGlass}, {"TeeHand", crTeeHand}, {"Default", crDefault}};
    for (const auto& row : rows) {
        Choose(row.name);
        EXPECT_EQ(chart->Cursor(), row.cursor) << row.name;
        EXPECT_EQ(chart->SavedCursor(), row.cursor) << row.name;
    }
}

TEST_F(GeneralCursorTest, LoadedCursorsTakeTheFreeSlotsFrom2021) {
    TTempDir dir;
    const std::string file = (dir.Path() / "hand.cur").string();
    WriteCursorFile(file);
    ShowCursorTab();
    ASSERT_TRUE(page->BLoad->Visible());
    for (TCursor expected : {2021, 2022}) {
        dialogs.FileAnswers.push_back({file});
        Click(page->BLoad);
        EXPECT_EQ(chart->Cursor(), expected);
        EXPECT_TRUE(Screen()->HasCursor(expected));
    }
    ASSERT_EQ(dialogs.FileRequests.size(), 2u);
    EXPECT_EQ(dialogs.FileRequests[0].Filter,
              "Cursor files (*.cur)|*.cur|Animated Cursor files (*.ani)|*.ani");
    // Cancelled, nothing changes.
    dialogs.FileAnswers.push_back({""});
    Click(page->BLoad);
    EXPECT_EQ(chart->Cursor(), 2022);
    Screen()->RemoveCursor(2021);
    Screen()->RemoveCursor(2022);
}

TEST_F(GeneralCursorTest, ZoomPatternOpensTheBrushDialogOnTheZoomBrush) {
    ShowPage();
    ClickPage(page->TabZoom);
    ASSERT_TRUE(page->BZoomColor->Enabled());
    TChartBrush* edited = nullptr;
    TModalRunner<TBrushDialog> runner(&window, [&](TBrushDialog& d) {
        edited = d.TheBrush;
        Click(d.Button3);
    });
    Click(page->BZoomColor);
    EXPECT_TRUE(runner.Ran());
    EXPECT_EQ(edited, chart->Zoom()->Brush());
}

}  // namespace
