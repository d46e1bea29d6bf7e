#include "chart/tools/overlay/PieToolEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/PenDialog.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/PieSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/tools/overlay/PieTool.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Label.h"
#include "platform/ui/RadioGroup.h"

TPieToolEditor::TPieToolEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 300, 150);
    LPieSeries = MakeLabel(this, 8, 10, "&Pie Series:");
    CBPieSeries = MakeControl<TComboFlat>(this, 90, 6, 150, 21);
    RGStyle = MakeControl<TRadioGroup>(this, 8, 40, 120, 70);
    RGStyle->SetCaption("&Style:");
    RGStyle->Items()->Add("Focus");
    RGStyle->Items()->Add("Explode");
    BPen = MakeControl<TButtonPen>(this, 140, 48, 90, 25);
    BPen->SetCaption("&Border...");
    BindRadioGroup(
        *this, RGStyle, [this] { return Tool(); }, &TPieTool::Style, &TPieTool::SetStyle);
    CBPieSeries->OnChange = [this](TObject*) {
        if (!Loading() && Tool())
            Tool()->SetSeries(dynamic_cast<TChartSeries*>(CBPieSeries->GetSelectedObject()));
    };
}

TPieToolEditor::~TPieToolEditor() = default;

TPieTool* TPieToolEditor::Tool() const { return dynamic_cast<TPieTool*>(TagObject()); }

void TPieToolEditor::DoShow() {
    if (TPieTool* tool = Tool()) {
        auto loading = LoadGuard();
        LPieSeries->SetCaption(TxtPie);
        CBPieSeries->Items()->Clear();
        CBPieSeries->SetEnabled(false);
        if (tool->ParentChart()) {
            // The chart's pie series, by title; the combo is enabled only with some.
            TCustomAxisPanel& chart = *tool->ParentChart();
            for (int i = 0; i < chart.SeriesCount(); ++i)
                if (auto* pie = dynamic_cast<TPieSeries*>(chart.GetSeries(i)))
                    CBPieSeries->Items()->AddObject(chart.SeriesTitleText(pie), pie);
            CBPieSeries->SetEnabled(CBPieSeries->Items()->Count() > 0);
            CBPieSeries->SetItemIndex(CBPieSeries->Items()->IndexOfObject(tool->Series()));
        }
        LoadBindings();
        BPen->LinkPen(tool->Pen());
    }
    TEditorForm::DoShow();
}
