#include "chart/editors/IsoSurfaceEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/engine/grid3d/IsoSurfaceSeries.h"
#include "platform/ui/CheckBox.h"

TIsoSurfaceEditor::TIsoSurfaceEditor(TComponent* owner) : TSurfaceSeriesEditor(owner) {
    CBSmooth->Hide();
    BBandsPen = MakeControl<TButtonPen>(this, 212, 52, 105, 25);
    BBandsPen->SetCaption("&Bands Pen...");
}

TIsoSurfaceEditor::~TIsoSurfaceEditor() = default;

void TIsoSurfaceEditor::DoShow() {
    TSurfaceSeriesEditor::DoShow();
    if (auto* series = dynamic_cast<TIsoSurfaceSeries*>(Series()))
        BBandsPen->LinkPen(series->BandPen());
}
