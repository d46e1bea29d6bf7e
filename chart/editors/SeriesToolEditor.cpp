#include "chart/editors/SeriesToolEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartTools.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

namespace {

int IndexOfObject(const TStrings& items, const TObject* object) {
    for (int i = 0; i < items.Count(); ++i)
        if (items.Objects(i) == object) return i;
    return -1;
}

}  // namespace

TSeriesToolEditor::TSeriesToolEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 300, 120);
    PanelTop = MakeControl<TPanel>(this, 0, 0, 300, 34);
    PanelTop->SetAlign(alTop);
    PanelTop->SetBevelOuter(bvNone);
    Label1 = MakeLabel(PanelTop, 8, 10, "&Series:");
    CBSeries = MakeControl<TComboFlat>(PanelTop, 60, 6, 160, 23);
    Label1->SetFocusControl(CBSeries);
    CBSeries->OnChange = [this](TObject*) {
        if (FTool) FTool->SetSeries(dynamic_cast<TChartSeries*>(CBSeries->GetSelectedObject()));
    };
    DoCreate();
    SetAlign(alClient);
}

TSeriesToolEditor::~TSeriesToolEditor() = default;

void TSeriesToolEditor::FillSeriesCombo(TComboFlat& combo, TChartSeries* series,
                                        TCustomAxisPanel* chart) {
    TStrings& items = *combo.Items();
    if (chart) {
        AddSeriesToStrings(items, chart->SeriesList(), true);
        combo.SetEnabled(chart->SeriesCount() > 0);
    }
    items.InsertObject(0, TxtNone, nullptr);
    combo.SetItemIndex(series ? IndexOfObject(items, series) : 0);
}

void TSeriesToolEditor::FillSeriesComboOfClass(TComboFlat& combo, TClass seriesClass,
                                               bool clearFirst) {
    TStrings& items = *combo.Items();
    if (clearFirst) items.Clear();
    TCustomAxisPanel* chart = FTool ? FTool->ParentChart() : nullptr;
    if (chart) {
        for (int i = 0; i < chart->SeriesCount(); ++i) {
            TChartSeries* series = chart->GetSeries(i);
            if (series->InheritsFrom(seriesClass))
                items.AddObject(chart->SeriesTitleText(series), series);
        }
    }
    combo.SetEnabled(items.Count() > 0);
    combo.SetItemIndex(FTool && FTool->Series() ? IndexOfObject(items, FTool->Series()) : -1);
}

void TSeriesToolEditor::DoShow() {
    if (auto* tool = dynamic_cast<TTeeCustomToolSeries*>(TagObject())) FTool = tool;
    if (FTool) {
        // Shown again (its tab revisited), the chooser is filled anew rather than appended to.
        CBSeries->Items()->Clear();
        FillSeriesCombo(*CBSeries, FTool->Series(), FTool->ParentChart());
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
