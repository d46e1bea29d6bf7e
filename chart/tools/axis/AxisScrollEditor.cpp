#include "chart/tools/axis/AxisScrollEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/tools/axis/AxisScrollTool.h"
#include "platform/ui/CheckBox.h"

TAxisScrollEditor::TAxisScrollEditor(TComponent* owner) : TAxisToolEditor(owner) {
    SetBounds(0, 0, 300, 80);
    CBInverted = MakeCheckBox(this, 8, 44, 150, "Scroll &Inverted");
    BindCheckBox(
        *this, CBInverted, [this] { return Scroll(); }, &TAxisScrollTool::ScrollInverted,
        &TAxisScrollTool::SetScrollInverted);
}

TAxisScrollEditor::~TAxisScrollEditor() = default;

TAxisScrollTool* TAxisScrollEditor::Scroll() const {
    return dynamic_cast<TAxisScrollTool*>(Tool());
}

void TAxisScrollEditor::DoShow() {
    TAxisToolEditor::DoShow();
    BPen->SetVisible(false);
    auto loading = LoadGuard();
    LoadBindings();
}
