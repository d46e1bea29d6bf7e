#include "chart/tools/overlay/NearestToolEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/PenDialog.h"
#include "chart/tools/overlay/NearestTool.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Label.h"

TNearestToolEdit::TNearestToolEdit(TComponent* owner) : TSeriesToolEditor(owner) {
    const auto tool = [this] { return NearestTool(); };
    using T = TNearestTool;
    BPen = MakeControl<TButtonPen>(this, 8, 42, 80, 25);
    BPen->SetCaption("&Pen...");
    BBrush = MakePushButton(this, 96, 42, 80, "&Brush...");
    BBrush->OnClick = [this](TObject*) {
        if (TNearestTool* t = NearestTool(); t && ShowBrushDialog(this, t->Brush())) t->Repaint();
    };
    BLine = MakeControl<TButtonPen>(this, 184, 42, 80, 25);
    BLine->SetCaption("&Line...");
    MakeLabel(this, 8, 82, "S&tyle:");
    CBStyle = MakeComboBox(this, 60, 78, 100, {"None", "Circle", "Rectangle", "Diamond", "Series"});
    BindComboBox(*this, CBStyle, tool, &T::Style, &T::SetStyle);
    MakeLabel(this, 8, 112, "S&ize:");
    SizeEdit = MakeUpDownEdit(this, 60, 108, 50, 0, 200);
    BindUpDownEdit(*this, SizeEdit, tool, &T::Size, &T::SetSize);
    CBFullRepaint = MakeCheckBox(this, 130, 110, 130, "&Full Repaint");
    BindCheckBox(*this, CBFullRepaint, tool, &T::FullRepaint, &T::SetFullRepaint);
}

TNearestToolEdit::~TNearestToolEdit() = default;

TNearestTool* TNearestToolEdit::NearestTool() const { return dynamic_cast<TNearestTool*>(Tool()); }

void TNearestToolEdit::DoShow() {
    TSeriesToolEditor::DoShow();
    if (TNearestTool* tool = NearestTool()) {
        LoadBindings();
        BPen->LinkPen(tool->Pen());
        BLine->LinkPen(tool->LinePen());
    }
}
