#include "chart/tools/legend/ExtraLegendEditor.h"

#include "chart/editors/EditorRoutines.h"
#include "chart/editors/LegendPage.h"
#include "chart/tools/legend/ExtraLegendTool.h"

TExtraLegendEditor::TExtraLegendEditor(TComponent* owner) : TSeriesToolEditor(owner) {}

TExtraLegendEditor::~TExtraLegendEditor() = default;

TExtraLegendTool* TExtraLegendEditor::LegendTool() const {
    return dynamic_cast<TExtraLegendTool*>(Tool());
}

void TExtraLegendEditor::DoShow() {
    TSeriesToolEditor::DoShow();
    TExtraLegendTool* tool = LegendTool();
    if (!tool || FLegendPage) return;
    FLegendPage = TFormTeeLegend::CreateForLegend(this, tool->Legend());
    FLegendPage->SetAlign(alClient);
    EmbedEditorForm(*FLegendPage, *this);
}
