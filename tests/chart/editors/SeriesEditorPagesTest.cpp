// The standard series editors on the series page: each fills "Format" for its series type and
// adds its own tabs once; choosing another series frees them; opening writes nothing back.
#include <vector>

#include "chart/editors/AreaSeriesEditor.h"
#include "chart/editors/BarSeriesEditor.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/LineSeriesEditor.h"
#include "chart/editors/PointerEditor.h"
#include "chart/editors/SeriesPage.h"
#include "chart/editors/StackBarSeriesEditor.h"
#include "chart/engine/AreaSeries.h"
#include "chart/engine/BarSeries.h"
#include "chart/engine/LineSeries.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "tests/chart/editors/SeriesEditorFixture.h"
#include "tests/chart/editors/SeriesPageTabs.h"

namespace {

struct SeriesEditorPagesTest : SeriesEditorFixture {
    TLineSeries* line = AddSeries<TLineSeries>();
    TAreaSeries* area = AddSeries<TAreaSeries>();
    TBarSeries* bar = AddSeries<TBarSeries>();
    TFormTeeSeries* page = nullptr;

    SeriesEditorPagesTest() {
        page = new TFormTeeSeries(&window);
        page->SetParent(host);
        page->SetChart(chart);
        window.Show();
        page->Show();
    }
    TForm* FormatEditor() const { return FormatEditorOf(*page); }
    std::vector<std::string> Tabs() const { return VisibleTabCaptions(*page); }
    // The form on the tab captioned caption, after a visit of that tab (which loads it).
    TForm* VisitTab(const std::string& caption) const {
        for (int i = 0; i < page->PageSeries->PageCount(); ++i) {
            TTabSheet* sheet = page->PageSeries->Pages(i);
            if (sheet->Caption() != caption || sheet->ControlCount() != 1) continue;
            page->PageSeries->SetActivePage(sheet);
            return dynamic_cast<TForm*>(sheet->Controls(0));
        }
        return nullptr;
    }
};

TEST_F(SeriesEditorPagesTest, LineEditorAddsThePointPageOnce) {
    const std::string before = Bytes();
    page->SelectSeries(line);
    EXPECT_EQ(Bytes(), before);
    auto* editor = dynamic_cast<TCustomSeriesEditor*>(FormatEditor());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Series(), line);
    EXPECT_EQ(Tabs(),
              (std::vector<std::string>{"Format", "Point", "General", "Marks", "Data Source"}));
    auto* point = dynamic_cast<TSeriesPointerEditor*>(VisitTab("Point"));
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point, editor->PointPage());
    EXPECT_EQ(point->Pointer(), line->Pointer());
    EXPECT_EQ(Bytes(), before);
    // Its tab revisited, the editor is shown again and keeps the page it made.
    VisitTab("Format");
    EXPECT_EQ(Tabs(),
              (std::vector<std::string>{"Format", "Point", "General", "Marks", "Data Source"}));
}

TEST_F(SeriesEditorPagesTest, EachTypeBringsItsOwnTabs) {
    struct Entry {
        TChartSeries* series;
        TClass editor;
        std::vector<std::string> tabs;
    };
    const Entry entries[] = {
        {bar,
         &TBarSeriesEditor::StaticClass(),
         {"Format", "Stack", "General", "Marks", "Data Source"}},
        {area,
         &TAreaSeriesEditor::StaticClass(),
         {"Format", "Point", "Gradient", "General", "Marks", "Data Source"}},
        {line,
         &TCustomSeriesEditor::StaticClass(),
         {"Format", "Point", "General", "Marks", "Data Source"}},
    };
    const std::string before = Bytes();
    for (const Entry& e : entries) {
        page->SelectSeries(e.series);
        ASSERT_NE(FormatEditor(), nullptr) << e.series->ClassName();
        EXPECT_EQ(&FormatEditor()->ClassType(), e.editor);
        EXPECT_EQ(Tabs(), e.tabs) << e.series->ClassName();
    }
    EXPECT_EQ(Bytes(), before);
    // The area's gradient page edits its gradient, in place.
    page->SelectSeries(area);
    auto* gradient = dynamic_cast<TTeeGradientEditor*>(VisitTab("Gradient"));
    ASSERT_NE(gradient, nullptr);
    EXPECT_EQ(gradient->Gradient(), area->Gradient());
    EXPECT_FALSE(gradient->Panel1->Visible());
    EXPECT_EQ(static_cast<TAreaSeriesEditor*>(FormatEditor())->GradientPage(), gradient);
    EXPECT_EQ(Bytes(), before);
    page->SelectSeries(bar);
    auto* stack = dynamic_cast<TStackBarSeriesEditor*>(VisitTab("Stack"));
    ASSERT_NE(stack, nullptr);
    EXPECT_EQ(stack->Series(), bar);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(static_cast<TBarSeriesEditor*>(FormatEditor())->StackPage(), stack);
}

}  // namespace
