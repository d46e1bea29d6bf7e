#include "chart/series/xy/BubbleSeriesEditor.h"

#include "platform/ui/CheckBox.h"

TBubbleSeriesEditor::TBubbleSeriesEditor(TComponent* owner) : TSeriesPointerEditor(owner) {}
TBubbleSeriesEditor::~TBubbleSeriesEditor() = default;

void TBubbleSeriesEditor::DoShow() {
    TSeriesPointerEditor::DoShow();
    CBDrawPoint->Hide();
}
