#include "chart/tools/data/GridTransposeToolEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/engine/grid3d/Custom3DGridSeries.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/tools/data/GridTransposeTool.h"
#include "platform/ui/Button.h"

TGridTransposeToolEdit::TGridTransposeToolEdit(TComponent* owner) : TSeriesToolEditor(owner) {
    BTranspose = MakePushButton(this, 8, 44, 110, "&Transpose now");
    BTranspose->SetEnabled(false);
    // The base combo sets the tool's series; the command follows the choice.
    auto chosen = CBSeries->OnChange;
    CBSeries->OnChange = [this, chosen](TObject* sender) {
        if (chosen) chosen(sender);
        BTranspose->SetEnabled(CBSeries->ItemIndex() >= 0);
    };
    BTranspose->OnClick = [this](TObject*) {
        if (TGridTransposeTool* tool = GridTool()) tool->Transpose();
    };
}

TGridTransposeToolEdit::~TGridTransposeToolEdit() = default;

TGridTransposeTool* TGridTransposeToolEdit::GridTool() const {
    return dynamic_cast<TGridTransposeTool*>(Tool());
}

void TGridTransposeToolEdit::DoShow() {
    TSeriesToolEditor::DoShow();
    FillSeriesComboOfClass(*CBSeries, &TCustom3DGridSeries::StaticClass(), true);
    BTranspose->SetEnabled(CBSeries->ItemIndex() >= 0);
}
