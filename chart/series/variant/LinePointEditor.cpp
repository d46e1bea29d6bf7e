#include "chart/series/variant/LinePointEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/series/variant/LinePointSeries.h"

TLinePointEditor::TLinePointEditor(TComponent* owner) : TSeriesPointerEditor(owner) {
    BLines = MakeControl<TButtonPen>(this, 8, Height() - 30, 90, 25);
    BLines->SetCaption("&Lines...");
}

TLinePointEditor::~TLinePointEditor() = default;

void TLinePointEditor::DoShow() {
    TSeriesPointerEditor::DoShow();
    if (auto* series = dynamic_cast<TMyPointSeries*>(TagObject()))
        BLines->LinkPen(series->LinesPen());
}
