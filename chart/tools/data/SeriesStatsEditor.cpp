#include "chart/tools/data/SeriesStatsEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/SeriesPage.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/BasicFunctions.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/TeeFunction.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/tools/data/SeriesStatsTool.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Memo.h"
#include "platform/ui/PageControl.h"

namespace {

// The boxes' captions and the function classes they add, found by name.
constexpr const char* BoxCaption[] = {"&Average", "&Trend",  "&Low",
                                      "&High",    "&Median", "&Curve fitting"};
// The engine's own functions directly, the series library's by name.
TClass BoxFunctionClass(int box) {
    switch (box) {
        case 0:
            return &TAverageTeeFunction::StaticClass();
        case 1:
            return GetClass("TTrendFunction");
        case 2:
            return &TLowTeeFunction::StaticClass();
        case 3:
            return &THighTeeFunction::StaticClass();
        case 4:
            return &TMedianTeeFunction::StaticClass();
        default:
            return GetClass("TCurveFittingFunction");
    }
}

// The series a function computes, on the chart.
TChartSeries* SeriesOfFunction(TCustomAxisPanel* chart, const TTeeFunction* function) {
    if (!chart || !function) return nullptr;
    for (int i = 0; i < chart->SeriesCount(); ++i)
        if (chart->GetSeries(i)->Function() == function) return chart->GetSeries(i);
    return nullptr;
}

}  // namespace

TSeriesStatsEditor::TSeriesStatsEditor(TComponent* owner) : TSeriesToolEditor(owner) {
    SetBounds(0, 0, 320, 220);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabStats = MakeTabSheet(this, PageControl1, "Stats");
    TabInfo = MakeTabSheet(this, PageControl1, "Info");
    for (int i = 0; i < FunctionCount; ++i) {
        Boxes[size_t(i)] = MakeCheckBox(TabStats, 8, 8 + 26 * i, 120, BoxCaption[i]);
        Boxes[size_t(i)]->OnClick = [this, i](TObject*) { BoxClicked(i); };
        Buttons[size_t(i)] = MakePushButton(TabStats, 140, 6 + 26 * i, 75, "Edit...");
        Buttons[size_t(i)]->OnClick = [this, i](TObject*) {
            TSeriesStatsTool* tool = StatsTool();
            if (TChartSeries* s =
                    SeriesOfFunction(tool ? tool->ParentChart() : nullptr, FFunctions[size_t(i)]))
                ShowSeriesDialog(this, s);
        };
    }
    Memo1 = MakeControl<TMemo>(TabInfo);
    Memo1->SetAlign(alClient);
    PageControl1->SetActivePage(TabStats);
    PageControl1->OnChange = [this](TObject*) {
        if (PageControl1->ActivePage() == TabInfo) RefillInfo();
    };
    // The base combo sets the tool's series; the boxes and the text follow it.
    auto chosen = CBSeries->OnChange;
    CBSeries->OnChange = [this, chosen](TObject* sender) {
        if (chosen) chosen(sender);
        Refresh();
    };
}

TSeriesStatsEditor::~TSeriesStatsEditor() = default;

TSeriesStatsTool* TSeriesStatsEditor::StatsTool() const {
    return dynamic_cast<TSeriesStatsTool*>(Tool());
}

TTeeFunction* TSeriesStatsEditor::FindFunction(int box) const {
    TSeriesStatsTool* tool = StatsTool();
    const TClass cls = BoxFunctionClass(box);
    if (!tool || !tool->Series() || !tool->ParentChart() || !cls) return nullptr;
    TCustomAxisPanel& chart = *tool->ParentChart();
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        TChartSeries* s = chart.GetSeries(i);
        if (s->Function() && s->Function()->InheritsFrom(cls) && s->DataSource() == tool->Series())
            return s->Function();
    }
    return nullptr;
}

void TSeriesStatsEditor::Refresh() {
    TSeriesStatsTool* tool = StatsTool();
    const bool hasSeries = tool && tool->Series();
    {
        auto loading = LoadGuard();
        for (int i = 0; i < FunctionCount; ++i) {
            FFunctions[size_t(i)] = FindFunction(i);
            Boxes[size_t(i)]->SetEnabled(hasSeries);
            Boxes[size_t(i)]->SetChecked(FFunctions[size_t(i)] != nullptr);
            Buttons[size_t(i)]->SetEnabled(Boxes[size_t(i)]->Checked());
        }
    }
    RefillInfo();
}

void TSeriesStatsEditor::RefillInfo() {
    TStringList lines;
    if (TSeriesStatsTool* tool = StatsTool()) tool->Statistics(lines);
    Memo1->SetText(lines.Text());
}

void TSeriesStatsEditor::BoxClicked(int box) {
    if (Loading()) return;
    const bool checked = Boxes[size_t(box)]->Checked();
    Buttons[size_t(box)]->SetEnabled(checked);
    TSeriesStatsTool* tool = StatsTool();
    if (TTeeFunction* existing = FFunctions[size_t(box)]) {
        if (TChartSeries* s = SeriesOfFunction(tool ? tool->ParentChart() : nullptr, existing))
            s->SetActive(checked);
        return;
    }
    const TClass cls = BoxFunctionClass(box);
    if (!checked || !tool || !tool->Series() || !tool->ParentChart() || !cls) return;
    TChartSeries& source = *tool->Series();
    auto* function = CreateAs<TTeeFunction>(cls, tool->Owner());
    auto* series = CreateAs<TChartSeries>(&source.ClassType(), tool->Owner());
    series->SetShowInEditor(false);
    tool->ParentChart()->AddSeries(series);
    series->SetDataSource(&source);
    series->SetFunction(function);
    FFunctions[size_t(box)] = function;
}

void TSeriesStatsEditor::DoShow() {
    TSeriesToolEditor::DoShow();
    Refresh();
}
