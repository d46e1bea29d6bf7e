#include "chart/tools/annotation/SelectorToolEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/tools/annotation/SelectorTool.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/UpDown.h"

TSelectorToolEditor::TSelectorToolEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 300, 160);
    ButtonPen1 = MakeControl<TButtonPen>(this, 8, 8, 90, 25);
    ButtonPen1->SetCaption("&Handles...");
    ButtonColor1 = MakeControl<TButtonColor>(this, 108, 8, 90, 25);
    ButtonColor1->SetCaption("&Color...");
    MakeLabel(this, 8, 46, "&Size:");
    const TUpDownEdit size = MakeUpDownEdit(this, 60, 42, 45, 1, 100);
    Edit1 = size.Edit;
    UDSize = size.UpDown;
    CBAllowDrag = MakeCheckBox(this, 8, 74, 150, "&Allow Drag");
    CBResizeChart = MakeCheckBox(this, 8, 98, 150, "Allow &Resize Chart");
    MakeLabel(this, 8, 128, "C&ursor:");
    CBCursor = MakeComboBox(this, 60, 124, 120, {});

    auto tool = [this] { return Tool(); };
    BindUpDownEdit(*this, size, tool, &TSelectorTool::HandleSize, &TSelectorTool::SetHandleSize);
    BindCheckBox(*this, CBAllowDrag, tool, &TSelectorTool::AllowDrag, &TSelectorTool::SetAllowDrag);
    BindCheckBox(*this, CBResizeChart, tool, &TSelectorTool::AllowResizeChart,
                 &TSelectorTool::SetAllowResizeChart);
    CBCursor->OnChange = [this](TObject*) {
        if (!Loading() && Tool())
            Tool()->SetCursor(TCursor(NameToCursor(Tool()->Cursor(), CBCursor->Text())));
    };
}

TSelectorToolEditor::~TSelectorToolEditor() = default;

TSelectorTool* TSelectorToolEditor::Tool() const {
    return dynamic_cast<TSelectorTool*>(TagObject());
}

void TSelectorToolEditor::DoShow() {
    if (TSelectorTool* tool = Tool()) {
        auto loading = LoadGuard();
        LoadBindings();
        ButtonPen1->LinkPen(tool->Pen());
        ButtonColor1->LinkToProperty(tool->Brush(), "Color");
        CBCursor->Items()->Clear();
        FillCursorCombo(*CBCursor, tool->Cursor());
    }
    TEditorForm::DoShow();
}
