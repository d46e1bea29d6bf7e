#include "chart/editors/WaterFallEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/engine/grid3d/SurfaceSeries.h"

TWaterFallEditor::TWaterFallEditor(TComponent* owner) : TSurfaceSeriesEditor(owner) {
    BLines = MakeControl<TButtonPen>(this, 212, 52, 105, 25);
    BLines->SetCaption("&Lines...");
}

TWaterFallEditor::~TWaterFallEditor() = default;

void TWaterFallEditor::DoShow() {
    TSurfaceSeriesEditor::DoShow();
    if (TagObject() && Series()) BLines->LinkPen(Series()->WaterLines());
}
