// The general page's Fonts tab: the list of the chart's fonts, several edited at a time, and a
// list that never keeps the font of a series freed meanwhile.
#include <gtest/gtest.h>

#include <QTabBar>
#include <string>
#include <vector>

#include "chart/editors/FontEditor.h"
#include "chart/editors/GeneralPage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/TeeFont.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "tests/chart/editors/LibraryStartup.h"
#include "tests/platform/ui/UserInput.h"

namespace {

std::string Bytes(TCustomChart* chart) {
    TMemoryStream s;
    WriteComponentToStream(s, chart);
    return std::string(s.Memory(), size_t(s.Size()));
}

void ClickPage(TTabSheet* sheet) {
    TPageControl* pages = sheet->PageControl();
    QTabBar* bar = pages->Widget()->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(bar, nullptr);
    TUserInput().Click(pages,
                       bar->mapTo(pages->Widget(), bar->tabRect(sheet->PageIndex()).center()));
    ASSERT_EQ(pages->ActivePage(), sheet);
}

struct GeneralFontsTest : ::testing::Test {
    TLibraryStartup library;
    TForm window{nullptr};
    TChart* chart = nullptr;
    TLineSeries* first = nullptr;
    TLineSeries* second = nullptr;
    TFormTeeGeneral* page = nullptr;

    GeneralFontsTest() {
        window.SetBounds(0, 0, 800, 500);
        chart = new TChart(&window);
        chart->SetName("chCavity");
        chart->SetParent(&window);
        chart->SetBounds(0, 0, 300, 200);
        first = AddLine("Series1");
        second = AddLine("Series2");
        new TChartAxis(chart->CustomAxes());
        window.Show();
    }
    TLineSeries* AddLine(const char* name) {
        auto* line = new TLineSeries(&window);
        line->SetName(name);
        chart->AddSeries(line);
        line->AddXYPoint(1, 2);
        return line;
    }
    void ShowPage() {
        page = new TFormTeeGeneral(&window, chart);
        page->SetParent(&window);
        page->SetBounds(300, 0, 480, 360);
        page->Show();
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

}  // namespace
