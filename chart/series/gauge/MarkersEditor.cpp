#include "chart/series/gauge/MarkersEditor.h"

#include "chart/engine/SeriesCreation.h"
#include "chart/series/gauge/NumericGauge.h"
#include "chart/series/gauge/NumericMarker.h"
#include "platform/ui/Button.h"
#include "platform/ui/SpeedButton.h"

TMarkersEditor::TMarkersEditor(TComponent* owner) : TFormTeeTools(owner) {
    // The marker list has no chart to repaint: the gauge repaints its chart after each change.
    const auto repaint = [this] {
        if (FGauge) FGauge->Repaint();
    };
    BDelete->OnClick = [this, repaint](TObject*) {
        BDeleteClick();
        repaint();
    };
    BMoveUp->OnClick = [this, repaint](TObject*) {
        BMoveClick(true);
        repaint();
    };
    BMoveDown->OnClick = [this, repaint](TObject*) {
        BMoveClick(false);
        repaint();
    };
}

TMarkersEditor::~TMarkersEditor() = default;

void TMarkersEditor::SetGauge(TNumericGauge* gauge) {
    FGauge = gauge;
    SetTools(gauge ? &gauge->Markers() : nullptr);
}

TTeeCustomTool* TMarkersEditor::CloneTool(TTeeCustomTool* tool) {
    auto* copy = static_cast<TNumericMarker*>(CloneChartTool(tool, tool->Owner()));
    // Markers are not components of a form: they go by their place in the list, not by name.
    copy->SetName({});
    if (FGauge) {
        FGauge->Markers().Adopt(copy);
        FGauge->Repaint();
    }
    return copy;
}

TTeeCustomTool* TMarkersEditor::CreateToolFromGallery() {
    if (!FGauge) return nullptr;
    TNumericMarker* marker = FGauge->AddMarker("Marker");
    FGauge->Repaint();
    return marker;
}
