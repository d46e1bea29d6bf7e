#include "chart/tools/axis/AxisArrowToolEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/tools/axis/AxisArrowTool.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/UpDown.h"

TAxisArrowToolEditor::TAxisArrowToolEditor(TComponent* owner) : TAxisToolEditor(owner) {
    SetBounds(0, 0, 300, 190);
    BPattern = MakePushButton(this, 8, 40, 90, "&Pattern...");
    MakeLabel(this, 8, 76, "&Length:");
    TUpDownEdit length = MakeUpDownEdit(this, 70, 72, 45, 0, 100);
    ELength = length.Edit;
    UDLength = length.UpDown;
    MakeLabel(this, 8, 106, "P&osition:");
    CBPosition = MakeComboBox(this, 70, 102, 80, {"Start", "End", "Both"});
    MakeLabel(this, 8, 136, "&Scroll:");
    TUpDownEdit scroll = MakeUpDownEdit(this, 70, 132, 45, 1, 100);
    EScroll = scroll.Edit;
    UDScroll = scroll.UpDown;
    MakeLabel(this, 120, 136, "%");
    CBInverted = MakeCheckBox(this, 150, 134, 130, "&Inverted Scroll");
    MakeLabel(this, 160, 76, "Si&ze:");
    TUpDownEdit size = MakeUpDownEdit(this, 210, 72, 45, 0, 100);
    ESize = size.Edit;
    UDSize = size.UpDown;
    MakeLabel(this, 260, 76, "%");
    MakeLabel(this, 160, 106, "&Width:");
    TUpDownEdit width = MakeUpDownEdit(this, 210, 102, 45, 0, 100);
    EWidth = width.Edit;
    UDWidth = width.UpDown;

    using A = TAxisArrowTool;
    auto arrows = [this]() -> TAxisArrowTool* { return Showing() ? Arrows() : nullptr; };
    // The number fields write only while the form shows.
    BindUpDownEdit(*this, {ELength, UDLength}, arrows, &A::Length, &A::SetLength);
    BindComboBox(*this, CBPosition, arrows, &A::Position, &A::SetPosition);
    BindUpDownEdit(*this, {EScroll, UDScroll}, arrows, &A::ScrollPercent, &A::SetScrollPercent);
    BindCheckBox(*this, CBInverted, arrows, &A::ScrollInverted, &A::SetScrollInverted);
    BindUpDownEdit(*this, {ESize, UDSize}, arrows, &A::SizePercent, &A::SetSizePercent);
    BindUpDownEdit(*this, {EWidth, UDWidth}, arrows, &A::HeadWidth, &A::SetHeadWidth);
    BPattern->OnClick = [this](TObject*) {
        if (TAxisArrowTool* tool = Arrows()) ShowBrushDialog(BPattern, tool->Brush());
    };
}

TAxisArrowToolEditor::~TAxisArrowToolEditor() = default;

TAxisArrowTool* TAxisArrowToolEditor::Arrows() const {
    return dynamic_cast<TAxisArrowTool*>(Tool());
}

void TAxisArrowToolEditor::DoShow() {
    TAxisToolEditor::DoShow();
    auto loading = LoadGuard();
    // Loaded from the tool itself: the bindings' source answers only while the form shows.
    if (TAxisArrowTool* tool = Arrows()) {
        UDLength->SetPosition(tool->Length());
        CBPosition->SetItemIndex(int(tool->Position()));
        UDScroll->SetPosition(tool->ScrollPercent());
        CBInverted->SetChecked(tool->ScrollInverted());
        UDSize->SetPosition(tool->SizePercent());
        UDWidth->SetPosition(tool->HeadWidth());
    }
}
