#include "chart/editors/AxisToolEditor.h"

#include "chart/editors/AxisEditorTexts.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartTools.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/EditorHooks.h"
#include "platform/classes/PropAccess.h"
#include "platform/graphics/Pen.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

namespace {

// The chooser lists left, right, top and bottom first; the chart's axis list has its six
// standard axes (left, top, right, bottom, depth, depth-top) before the custom ones.
constexpr int StandardAxisCount = 6;
constexpr int DepthAxisCount = 2;

}  // namespace

TAxisToolEditor::TAxisToolEditor(TComponent* owner) : TEditorForm(owner) {
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 300, 120);
    PanelTop = MakeControl<TPanel>(this, 0, 0, 300, 34);
    PanelTop->SetAlign(alTop);
    PanelTop->SetBevelOuter(bvNone);
    Label1 = MakeLabel(PanelTop, 8, 10, "&Axis:");
    CBAxis = MakeControl<TComboFlat>(PanelTop, 50, 6, 120, 23);
    Label1->SetFocusControl(CBAxis);
    BPen = MakeControl<TButtonPen>(PanelTop, 190, 4, 90, 25);
    BPen->SetCaption("&Border...");
    CBAxis->OnChange = [this](TObject*) { CBAxisChange(); };
    DoCreate();
}

TAxisToolEditor::~TAxisToolEditor() = default;

int TAxisToolEditor::ItemOfAxis(TCustomAxisPanel& chart, const TChartAxis* axis) const {
    if (!axis) return -1;
    const int index = ListIndexOfAxis(chart, axis);
    if (ListDepthAxes || index < 4) return index;
    // The depth axes are listed only when asked for.
    return index < StandardAxisCount ? -1 : index - DepthAxisCount;
}

TChartAxis* TAxisToolEditor::AxisOfItem(TCustomAxisPanel& chart, int item) const {
    return AxisOfListIndex(chart, ListDepthAxes || item < 4 ? item : item + DepthAxisCount);
}

void TAxisToolEditor::CBAxisChange() {
    if (!FTool || !FTool->ParentChart()) return;
    FTool->SetAxis(AxisOfItem(*FTool->ParentChart(), CBAxis->ItemIndex()));
}

void TAxisToolEditor::DoShow() {
    if (auto* tool = dynamic_cast<TTeeCustomToolAxis*>(TagObject())) FTool = tool;
    if (!FTool) {
        BPen->SetEnabled(false);
        CBAxis->SetEnabled(false);
    } else {
        TCustomAxisPanel* chart = FTool->ParentChart();
        CBAxis->Items()->Clear();
        if (chart) AddAxisNames(*chart, *CBAxis->Items(), ListDepthAxes);
        auto* pen = dynamic_cast<TPen*>(IsPublishedProp(FTool, "Pen") ? GetObjectProp(FTool, "Pen")
                                                                      : nullptr);
        BPen->SetEnabled(true);
        BPen->LinkPen(pen);
        CBAxis->SetEnabled(chart != nullptr);
        if (chart) CBAxis->SetItemIndex(ItemOfAxis(*chart, FTool->Axis()));
        // A tool on no axis (a new one) is put on the first listed, the left axis. A tool on an
        // axis this editor does not list keeps it: showing the editor does not move the tool.
        if (!FTool->Axis() && CBAxis->Items()->Count() > 0) {
            CBAxis->SetItemIndex(0);
            CBAxisChange();
        }
        BPen->SetVisible(pen != nullptr);
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
