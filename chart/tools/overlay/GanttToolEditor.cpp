#include "chart/tools/overlay/GanttToolEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/tools/overlay/GanttTool.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Label.h"

namespace {

// A cursor combo that writes its chosen cursor, by name, through set.
void BindCursorCombo(TGanttToolEditor& form, TComboBox* combo, TCursor (TGanttTool::*get)() const,
                     void (TGanttTool::*set)(TCursor)) {
    combo->OnChange = [&form, combo, get, set](TObject*) {
        TGanttTool* tool = form.Gantt();
        if (form.Loading() || !tool) return;
        (tool->*set)(TCursor(NameToCursor((tool->*get)(), combo->Text())));
    };
}

}  // namespace

TGanttToolEditor::TGanttToolEditor(TComponent* owner) : TSeriesToolEditor(owner) {
    SetBounds(0, 0, 320, 170);
    MakeLabel(this, 8, 42, "&Resize pixels tolerance:");
    const TUpDownEdit minPixels = MakeUpDownEdit(this, 150, 38, 40, 0, 100);
    Edit1 = minPixels.Edit;
    UpDown1 = minPixels.UpDown;
    CBAllowDrag = MakeCheckBox(this, 8, 70, 130, "Allow &Drag");
    CBAllowResize = MakeCheckBox(this, 8, 100, 130, "Allow &Resize");
    MakeLabel(this, 150, 72, "&Cursor:");
    CBCursorDrag = MakeComboBox(this, 200, 68, 110, {});
    MakeLabel(this, 150, 102, "C&ursor:");
    CBCursorResize = MakeComboBox(this, 200, 98, 110, {});
    const auto tool = [this] { return Gantt(); };
    BindUpDownEdit(*this, minPixels, tool, &TGanttTool::MinPixels, &TGanttTool::SetMinPixels);
    BindCheckBox(*this, CBAllowDrag, tool, &TGanttTool::AllowDrag, &TGanttTool::SetAllowDrag);
    BindCheckBox(*this, CBAllowResize, tool, &TGanttTool::AllowResize, &TGanttTool::SetAllowResize);
    BindCursorCombo(*this, CBCursorDrag, &TGanttTool::CursorDrag, &TGanttTool::SetCursorDrag);
    BindCursorCombo(*this, CBCursorResize, &TGanttTool::CursorResize, &TGanttTool::SetCursorResize);
}

TGanttToolEditor::~TGanttToolEditor() = default;

TGanttTool* TGanttToolEditor::Gantt() const { return dynamic_cast<TGanttTool*>(Tool()); }

void TGanttToolEditor::DoShow() {
    TSeriesToolEditor::DoShow();
    TGanttTool* tool = Gantt();
    if (!tool) return;
    auto loading = LoadGuard();
    // Only the chart's Gantt series can be chosen; the class is known once the series library
    // has started.
    FillSeriesComboOfClass(*CBSeries, GetClass("TGanttSeries"), true);
    LoadBindings();
    CBCursorDrag->Items()->Clear();
    FillCursorCombo(*CBCursorDrag, tool->CursorDrag());
    CBCursorResize->Items()->Clear();
    FillCursorCombo(*CBCursorResize, tool->CursorResize());
}
