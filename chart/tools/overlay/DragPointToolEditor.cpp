#include "chart/tools/overlay/DragPointToolEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/tools/overlay/DragPointTool.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/RadioGroup.h"

TDragPointToolEdit::TDragPointToolEdit(TComponent* owner) : TSeriesToolEditor(owner) {
    SetBounds(0, 0, 300, 150);
    RGStyle = MakeControl<TRadioGroup>(this, 8, 36, 120, 90);
    RGStyle->SetCaption("Drag Style:");
    RGStyle->Items()->Add("&X");
    RGStyle->Items()->Add("&Y");
    RGStyle->Items()->Add("&Both");
    MakeLabel(this, 140, 40, "&Cursor:");
    CBCursor = MakeComboBox(this, 140, 58, 120, {});
    BindRadioGroup(
        *this, RGStyle, [this] { return DragPoint(); }, &TDragPointTool::DragStyle,
        &TDragPointTool::SetDragStyle);
    CBCursor->OnChange = [this](TObject*) {
        TDragPointTool* tool = DragPoint();
        if (Loading() || !tool || !tool->Series()) return;
        tool->Series()->SetCursor(
            TCursor(NameToCursor(tool->Series()->Cursor(), CBCursor->Text())));
    };
    // A series chosen or taken away decides whether its cursor can be edited.
    auto chosen = CBSeries->OnChange;
    CBSeries->OnChange = [this, chosen](TObject* sender) {
        if (chosen) chosen(sender);
        LoadCursor();
    };
}

TDragPointToolEdit::~TDragPointToolEdit() = default;

TDragPointTool* TDragPointToolEdit::DragPoint() const {
    return dynamic_cast<TDragPointTool*>(Tool());
}

void TDragPointToolEdit::LoadCursor() {
    TDragPointTool* tool = DragPoint();
    const bool withSeries = tool && tool->Series();
    CBCursor->SetEnabled(withSeries);
    auto loading = LoadGuard();
    CBCursor->Items()->Clear();
    if (withSeries) FillCursorCombo(*CBCursor, tool->Series()->Cursor());
}

void TDragPointToolEdit::DoShow() {
    TSeriesToolEditor::DoShow();
    {
        auto loading = LoadGuard();
        LoadBindings();
    }
    LoadCursor();
}
