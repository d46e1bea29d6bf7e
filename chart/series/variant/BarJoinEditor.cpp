#include "chart/series/variant/BarJoinEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/series/variant/BarJoinSeries.h"

TBarJoinEditor::TBarJoinEditor(TComponent* owner) : TBarSeriesEditor(owner) {
    BJoin = MakeControl<TButtonPen>(this, Width() - 98, Height() - 30, 90, 25);
    BJoin->SetCaption("&Join...");
}

TBarJoinEditor::~TBarJoinEditor() = default;

void TBarJoinEditor::DoShow() {
    TBarSeriesEditor::DoShow();
    if (auto* series = dynamic_cast<TBarJoinSeries*>(TagObject()))
        BJoin->LinkPen(series->JoinPen());
}
