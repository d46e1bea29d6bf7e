#include "chart/tools/axis/ColorLineToolEditor.h"

#include <optional>

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/tools/ToolEditorFields.h"
#include "chart/tools/axis/ColorLineTool.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"

TColorLineToolEditor::TColorLineToolEditor(TComponent* owner) : TAxisToolEditor(owner) {
    SetBounds(0, 0, 300, 170);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabValue = MakeTabSheet(this, PageControl1, "Value");
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    MakeLabel(TabValue, 8, 10, "&Value: ");
    EValue = MakeControl<TEdit>(TabValue, 60, 6, 120, 21);
    MakeLabel(TabValue, 8, 40, "&Style:");
    CBStyle = MakeComboBox(TabValue, 60, 36, 120,
                           {"Custom", "Axis Maximum", "Axis Center", "Axis Minimum"});
    CBAllowDrag = MakeCheckBox(TabOptions, 8, 8, 130, "Allow &Drag");
    CBDragRepaint = MakeCheckBox(TabOptions, 8, 30, 130, "Drag &Repaint");
    CBNoLimitDrag = MakeCheckBox(TabOptions, 8, 52, 130, "No &Limit Drag");
    CBDrawBehind = MakeCheckBox(TabOptions, 150, 8, 130, "Dra&w Behind");
    CBDraw3D = MakeCheckBox(TabOptions, 150, 30, 130, "Draw &3D");

    using L = TColorLineTool;
    auto line = [this] { return Line(); };
    BindFloatEdit(
        *this, EValue,
        [this]() -> std::optional<double> {
            if (TColorLineTool* l = Line()) return l->Value();
            return std::nullopt;
        },
        [this](double v) {
            if (TColorLineTool* l = Line()) l->SetValue(v);
        });
    BindComboBox(*this, CBStyle, line, &L::Style, [this](L& l, int style) {
        l.SetStyle(TColorLineStyle(style));
        EnableValue();
    });
    // Dragging settings are plain fields; the drawing ones repaint.
    BindCheckBox(*this, CBAllowDrag, line, &L::AllowDrag, &L::SetAllowDrag);
    BindCheckBox(*this, CBDragRepaint, line, &L::DragRepaint, &L::SetDragRepaint);
    BindCheckBox(*this, CBNoLimitDrag, line, &L::NoLimitDrag, &L::SetNoLimitDrag);
    BindCheckBox(*this, CBDrawBehind, line, &L::DrawBehind, &L::SetDrawBehind);
    BindCheckBox(*this, CBDraw3D, line, &L::Draw3D, &L::SetDraw3D);
}

TColorLineToolEditor::~TColorLineToolEditor() = default;

TColorLineTool* TColorLineToolEditor::Line() const { return dynamic_cast<TColorLineTool*>(Tool()); }

void TColorLineToolEditor::EnableValue() {
    EValue->SetEnabled(Line() && Line()->Style() == clCustom);
}

void TColorLineToolEditor::DoShow() {
    TAxisToolEditor::DoShow();
    {
        auto loading = LoadGuard();
        LoadBindings();
    }
    EnableValue();
}
