// The series-tool and axis-tool editor bases: the series and axis choosers, their mapping to the
// tool's series and axis, the pen button, and the fill routines descendant editors call.
#include "chart/editors/AxisToolEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/SeriesToolEditor.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartTools.h"
#include "chart/engine/CustomSeries.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/PieSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ComboFlat.h"
#include "platform/classes/PropInfo.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/editors/SeriesEditorFixture.h"

namespace {

// Tools of the two kinds, as the tools that build on the bases are; the axis one draws with a
// pen it publishes.
class TTestSeriesTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TTestSeriesTool, TTeeCustomToolSeries)
public:
    using TTeeCustomToolSeries::TTeeCustomToolSeries;
};

class TTestAxisTool : public TTeeCustomToolAxis {
    KV_DECLARE_CLASS(TTestAxisTool, TTeeCustomToolAxis)
public:
    using TTeeCustomToolAxis::TTeeCustomToolAxis;
};

class TTestPenAxisTool : public TTestAxisTool {
    KV_DECLARE_CLASS(TTestPenAxisTool, TTestAxisTool)
public:
    using TTestAxisTool::TTestAxisTool;
    TChartPen* LinePen() const { return Pen(); }
    void SetLinePen(const TChartPen* value) { SetPen(value); }
    static void Publish(TPublisher<TTestPenAxisTool>& p) {
        p.Object("Pen", &TTestPenAxisTool::LinePen, &TTestPenAxisTool::SetLinePen);
    }
};

struct SeriesToolEditorTest : SeriesEditorFixture {
    TTestSeriesTool* tool = new TTestSeriesTool(&window);
    SeriesToolEditorTest() {
        tool->SetName("ChartTool1");
        tool->SetParentChart(chart);
    }
    TChartSeries* AddLine(const char* name, const char* title) {
        auto* s = new TLineSeries(&window);
        s->SetName(name);
        s->SetTitle(title);
        chart->AddSeries(s);
        return s;
    }
    static std::vector<std::string> Texts(TComboFlat* combo) {
        std::vector<std::string> texts;
        for (int i = 0; i < combo->Items()->Count(); ++i)
            texts.push_back(combo->Items()->Strings(i));
        return texts;
    }
};

TEST_F(SeriesToolEditorTest, AChartWithoutSeriesOffersOnlyNone) {
    auto* editor = Open<TSeriesToolEditor>(tool);
    EXPECT_EQ(Texts(editor->CBSeries), std::vector<std::string>{"(none)"});
    EXPECT_EQ(editor->CBSeries->ItemIndex(), 0);
    EXPECT_FALSE(editor->CBSeries->Enabled());
}

TEST_F(SeriesToolEditorTest, ChooserShowsAndSetsTheToolsSeries) {
    TChartSeries* first = AddLine("Series1", "Inner");
    TChartSeries* second = AddLine("Series2", "Outer");
    tool->SetSeries(second);
    const std::string before = Bytes();
    auto* editor = Open<TSeriesToolEditor>(tool);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Texts(editor->CBSeries), (std::vector<std::string>{"(none)", "Inner", "Outer"}));
    EXPECT_EQ(editor->CBSeries->ItemIndex(), 2);
    EXPECT_TRUE(editor->CBSeries->Enabled());
    Choose(editor->CBSeries, 1);
    EXPECT_EQ(tool->Series(), first);
    Choose(editor->CBSeries, 0);
    EXPECT_EQ(tool->Series(), nullptr);
    // Shown again (its tab revisited), the chooser lists each series once.
    editor->Hide();
    editor->Show();
    EXPECT_EQ(editor->CBSeries->Items()->Count(), 3);
    EXPECT_EQ(editor->CBSeries->ItemIndex(), 0);
}

TEST_F(SeriesToolEditorTest, FillRoutinesForDescendantEditors) {
    TChartSeries* line = AddLine("Series1", "Line");
    auto* pie = new TPieSeries(&window);
    pie->SetName("Series2");
    chart->AddSeries(pie);
    auto* points = new TPointSeries(&window);
    points->SetName("Series3");
    chart->AddSeries(points);
    tool->SetSeries(points);
    auto* editor = Open<TSeriesToolEditor>(tool);
    TComboFlat* combo = editor->CBSeries;

    // The series of a class and its descendants.
    editor->FillSeriesComboOfClass(*combo, &TCustomSeries::StaticClass(), true);
    EXPECT_EQ(Texts(combo), (std::vector<std::string>{"Line", "Series3"}));
    EXPECT_EQ(combo->GetSelectedObject(), points);
    EXPECT_TRUE(combo->Enabled());
    editor->FillSeriesComboOfClass(*combo, &TPieSeries::StaticClass(), false);
    EXPECT_EQ(combo->Items()->Count(), 3);
    EXPECT_EQ(combo->Items()->Strings(2), "Series2");
    EXPECT_EQ(combo->GetSelectedObject(), points);
    editor->FillSeriesComboOfClass(*combo, &TPieSeries::StaticClass(), true);
    EXPECT_EQ(Texts(combo), std::vector<std::string>{"Series2"});
    EXPECT_EQ(combo->ItemIndex(), -1);  // the tool's series is not of that class
    combo->Items()->Clear();
    editor->FillSeriesComboOfClass(*combo, &TCircledSeries::StaticClass(), true);
    EXPECT_EQ(combo->Items()->Count(), 1);
    combo->SetEnabled(true);
    combo->Items()->Clear();
    editor->FillSeriesComboOfClass(*combo, &TSeriesToolEditor::StaticClass(), false);
    EXPECT_FALSE(combo->Enabled());

    // Without a chart: only "(none)", the combo's enabling left as it was.
    combo->Items()->Clear();
    combo->SetEnabled(true);
    TSeriesToolEditor::FillSeriesCombo(*combo, nullptr, nullptr);
    EXPECT_EQ(Texts(combo), std::vector<std::string>{"(none)"});
    EXPECT_TRUE(combo->Enabled());
    // With one: appended to what the combo holds, "(none)" first, the series selected.
    TSeriesToolEditor::FillSeriesCombo(*combo, line, chart);
    EXPECT_EQ(Texts(combo),
              (std::vector<std::string>{"(none)", "(none)", "Line", "Series2", "Series3"}));
    EXPECT_EQ(combo->GetSelectedObject(), line);
}

struct AxisToolEditorTest : SeriesEditorFixture {
    TChartAxis* custom0 = new TChartAxis(chart->CustomAxes());
    TChartAxis* custom1 = new TChartAxis(chart->CustomAxes());

    template <class TTool = TTestPenAxisTool>
    TTool* NewTool() {
        auto* tool = new TTool(&window);
        tool->SetParentChart(chart);
        return tool;
    }
    TAxisToolEditor* OpenOn(TTeeCustomToolAxis* tool, bool depth = false) {
        auto* editor = new TAxisToolEditor(&window);
        editor->ListDepthAxes = depth;
        editor->SetParent(&window);
        editor->SetTagObject(tool);
        window.Show();
        editor->Show();
        return editor;
    }
};

TEST_F(AxisToolEditorTest, ChooserShowsTheToolsAxis) {
    const struct {
        const char* what;
        TChartAxis* axis;
        bool depth;
        int item;
    } cases[] = {
        {"left", chart->LeftAxis(), false, 0},
        {"right", chart->RightAxis(), false, 1},
        {"top", chart->TopAxis(), false, 2},
        {"bottom", chart->BottomAxis(), false, 3},
        {"first custom", custom0, false, 4},
        {"second custom", custom1, false, 5},
        {"depth listed", chart->DepthAxis(), true, 4},
        {"depth top listed", chart->DepthTopAxis(), true, 5},
        {"custom after depth", custom0, true, 6},
        {"depth not listed", chart->DepthAxis(), false, -1},
    };
    for (const auto& c : cases) {
        auto* tool = NewTool();
        tool->SetAxis(c.axis);
        const std::string before = Bytes();
        TAxisToolEditor* editor = OpenOn(tool, c.depth);
        EXPECT_EQ(editor->CBAxis->ItemIndex(), c.item) << c.what;
        EXPECT_EQ(tool->Axis(), c.axis) << c.what;
        EXPECT_EQ(Bytes(), before) << c.what;
        EXPECT_EQ(editor->CBAxis->Items()->Count(), c.depth ? 8 : 6) << c.what;
        TObject::Free(editor);
        TObject::Free(tool);
    }
}

TEST_F(AxisToolEditorTest, ChoosingAnItemSetsTheAxis) {
    TTestPenAxisTool* tool = NewTool();
    TAxisToolEditor* editor = OpenOn(tool);
    // A new tool without an axis is put on the left axis when the editor shows.
    EXPECT_EQ(tool->Axis(), chart->LeftAxis());
    EXPECT_EQ(editor->CBAxis->Items()->Strings(4), "Custom 0");
    const struct {
        int item;
        TChartAxis* axis;
    } cases[] = {{3, chart->BottomAxis()},
                 {1, chart->RightAxis()},
                 {5, custom1},
                 {4, custom0},
                 {2, chart->TopAxis()},
                 {-1, nullptr}};
    for (const auto& c : cases) {
        Choose(editor->CBAxis, c.item);
        EXPECT_EQ(tool->Axis(), c.axis) << c.item;
    }
    TObject::Free(editor);
    // No axis takes the tool out of the chart; a new one is used with the depth axes listed.
    EXPECT_EQ(tool->ParentChart(), nullptr);
    editor = OpenOn(NewTool(), true);
    Choose(editor->CBAxis, 5);
    EXPECT_EQ(dynamic_cast<TTeeCustomToolAxis*>(editor->TagObject())->Axis(),
              chart->DepthTopAxis());
    Choose(editor->CBAxis, 7);
    EXPECT_EQ(dynamic_cast<TTeeCustomToolAxis*>(editor->TagObject())->Axis(), custom1);
}

TEST_F(AxisToolEditorTest, PenButtonAndEnabling) {
    auto* withPen = NewTool();
    withPen->SetAxis(chart->BottomAxis());
    TAxisToolEditor* editor = OpenOn(withPen);
    EXPECT_TRUE(editor->BPen->Visible());
    EXPECT_TRUE(editor->BPen->Enabled());
    EXPECT_EQ(editor->BPen->Pen(), withPen->Pen());
    EXPECT_TRUE(editor->CBAxis->Enabled());
    TObject::Free(editor);

    auto* noPen = NewTool<TTestAxisTool>();
    editor = OpenOn(noPen);
    EXPECT_FALSE(editor->BPen->Visible());
    TObject::Free(editor);

    auto* loose = new TTestPenAxisTool(&window);  // in no chart
    editor = OpenOn(loose);
    EXPECT_FALSE(editor->CBAxis->Enabled());
    EXPECT_EQ(editor->CBAxis->Items()->Count(), 0);
    EXPECT_EQ(loose->Axis(), nullptr);
    TObject::Free(editor);

    editor = OpenOn(nullptr);
    EXPECT_FALSE(editor->CBAxis->Enabled());
    EXPECT_FALSE(editor->BPen->Enabled());
}

}  // namespace
