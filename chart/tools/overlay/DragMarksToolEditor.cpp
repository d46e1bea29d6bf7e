#include "chart/tools/overlay/DragMarksToolEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartTools.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/ui/Button.h"

TDragMarksToolEditor::TDragMarksToolEditor(TComponent* owner) : TSeriesToolEditor(owner) {
    BReset = MakePushButton(this, 8, 44, 120, "&Reset positions");
    BReset->OnClick = [this](TObject*) { BResetClick(); };
}

TDragMarksToolEditor::~TDragMarksToolEditor() = default;

void TDragMarksToolEditor::BResetClick() {
    TTeeCustomToolSeries* tool = Tool();
    if (!tool) return;
    if (tool->Series()) {
        tool->Series()->Marks()->ResetPositions();
        return;
    }
    if (TCustomAxisPanel* chart = tool->ParentChart())
        for (int i = 0; i < chart->SeriesCount(); ++i)
            chart->GetSeries(i)->Marks()->ResetPositions();
}

void TDragMarksToolEditor::DoShow() {
    TSeriesToolEditor::DoShow();
    // No series means every series of the chart.
    if (CBSeries->Items()->Count() > 0) CBSeries->Items()->Put(0, TxtAll);
    if (Tool() && !Tool()->Series()) CBSeries->SetItemIndex(0);
}
