#include "chart/tools/overlay/DrawLineEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/PenDialog.h"
#include "chart/tools/overlay/DrawLineTool.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"

TDrawLineEdit::TDrawLineEdit(TComponent* owner) : TSeriesToolEditor(owner) {
    const auto tool = [this] { return DrawLineTool(); };
    using T = TDrawLineTool;
    PageControl1 = MakeControl<TPageControl>(this, 0, 34, 300, 180);
    PageControl1->SetAlign(alClient);
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    MakeLabel(TabOptions, 8, 10, "&Mouse button:");
    CBButton = MakeComboBox(TabOptions, 100, 6, 90, {"Left", "Right", "Middle"});
    BindComboBox(*this, CBButton, tool, &T::Button, &T::SetButton);
    CBEnableDraw = MakeCheckBox(TabOptions, 8, 36, 150, "&Enable drawing");
    BindCheckBox(*this, CBEnableDraw, tool, &T::EnableDraw, &T::SetEnableDraw);
    CBEnableSelect = MakeCheckBox(TabOptions, 8, 58, 150, "E&nable Select");
    BindCheckBox(*this, CBEnableSelect, tool, &T::EnableSelect, &T::SetEnableSelect);
    MakeLabel(TabOptions, 8, 88, "Click &tolerance:");
    Tolerance = MakeUpDownEdit(TabOptions, 100, 84, 50, 0, 1000);
    MakeLabel(TabOptions, 158, 88, "pixels");
    BindUpDownEdit(*this, Tolerance, tool, &T::ClickTolerance, &T::SetClickTolerance);
    CBSelectNew = MakeCheckBox(TabOptions, 8, 114, 150, "Select ne&w lines");
    BindCheckBox(*this, CBSelectNew, tool, &T::SelectNewLines, &T::SetSelectNewLines);
    TabFormat = MakeTabSheet(this, PageControl1, "Format");
    MakeLabel(TabFormat, 8, 10, "&Style:");
    CBStyle = MakeComboBox(TabFormat, 60, 6, 120,
                           {"Line", "Horiz. Parallel", "Vert. Parallel", "Rectangle", "Ellipse"});
    BindComboBox(*this, CBStyle, tool, &T::Style, &T::SetStyle);
    BPen = MakeControl<TButtonPen>(TabFormat, 8, 40, 90, 25);
    BPen->SetCaption("&Pen...");
    PageControl1->SetActivePage(TabOptions);
}

TDrawLineEdit::~TDrawLineEdit() = default;

TDrawLineTool* TDrawLineEdit::DrawLineTool() const { return dynamic_cast<TDrawLineTool*>(Tool()); }

void TDrawLineEdit::DoShow() {
    TSeriesToolEditor::DoShow();
    if (TDrawLineTool* tool = DrawLineTool()) {
        LoadBindings();
        BPen->LinkPen(tool->Pen());
    }
}
