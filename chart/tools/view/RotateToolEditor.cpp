#include "chart/tools/view/RotateToolEditor.h"

#include <string>

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/ChartPen.h"
#include "chart/tools/view/RotateTool.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/UpDown.h"

namespace {

// The combo lists the buttons left, middle, right; the property's order is left, right, middle.
constexpr TMouseButton RotateButtonAt[3] = {mbLeft, mbMiddle, mbRight};

int RotateButtonIndex(TMouseButton button) {
    for (int i = 0; i < 3; ++i)
        if (RotateButtonAt[i] == button) return i;
    return 0;
}

}  // namespace

TRotateToolEditor::TRotateToolEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 300, 180);
    SetAlign(alClient);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    TabFormat = MakeTabSheet(this, PageControl1, "Format");

    CBInverted = MakeCheckBox(TabOptions, 8, 8, 120, "&Inverted");
    MakeLabel(TabOptions, 8, 36, "&Style:");
    CBStyle = MakeComboBox(TabOptions, 70, 32, 100, {"All", "Rotation", "Elevation"});
    MakeLabel(TabOptions, 8, 64, "&Button:");
    CBButton = MakeComboBox(TabOptions, 70, 60, 100, {"Left", "Middle", "Right"});
    MakeLabel(TabOptions, 8, 92, "Sp&eed:");
    const TUpDownEdit speed = MakeUpDownEdit(TabOptions, 70, 88, 50, 0, 300, 5);
    ESpeed = speed.Edit;
    UDSpeed = speed.UpDown;
    MakeLabel(TabOptions, 8, 120, "&Inertia:");
    SBInertia = MakeControl<TScrollBar>(TabOptions, 70, 118, 120, 17);
    SBInertia->SetParams(0, 0, 100);
    LInertia = MakeLabel(TabOptions, 200, 120, "0");

    BOutline = MakeControl<TButtonPen>(TabFormat, 8, 8, 90, 25);
    BOutline->SetCaption("&Outline...");
    MakeLabel(TabFormat, 8, 44, "&Cursor:");
    CBCursor = MakeComboBox(TabFormat, 70, 40, 120, {});
    MakeLabel(TabFormat, 8, 76, "Preview:");
    ICursor = MakeControl<TImage>(TabFormat, 70, 72, 32, 32);

    auto tool = [this] { return Tool(); };
    BindCheckBox(*this, CBInverted, tool, &TRotateTool::Inverted, &TRotateTool::SetInverted);
    BindComboBox(*this, CBStyle, tool, &TRotateTool::Style, &TRotateTool::SetStyle);
    BindUpDownEdit(*this, speed, tool, &TRotateTool::Speed, &TRotateTool::SetSpeed);
    CBButton->OnChange = [this](TObject*) {
        const int i = CBButton->ItemIndex();
        if (!Loading() && Tool() && i >= 0 && i < 3) Tool()->SetButton(RotateButtonAt[i]);
    };
    SBInertia->OnChange = [this](TObject*) {
        if (!Loading() && Tool()) Tool()->SetInertia(SBInertia->Position());
        LInertia->SetCaption(std::to_string(SBInertia->Position()));
    };
    CBCursor->OnChange = [this](TObject*) {
        if (Loading() || !Tool()) return;
        Tool()->SetCursor(TCursor(NameToCursor(Tool()->Cursor(), CBCursor->Text())));
        ShowCursor();
    };
}

TRotateToolEditor::~TRotateToolEditor() = default;

TRotateTool* TRotateToolEditor::Tool() const { return dynamic_cast<TRotateTool*>(TagObject()); }

void TRotateToolEditor::ShowCursor() {
    if (Tool()) CursorToPicture(Tool()->Cursor(), *ICursor->Picture());
}

void TRotateToolEditor::DoShow() {
    if (TRotateTool* tool = Tool()) {
        auto loading = LoadGuard();
        LoadBindings();
        CBButton->SetItemIndex(RotateButtonIndex(tool->Button()));
        SBInertia->SetPosition(tool->Inertia());
        LInertia->SetCaption(std::to_string(tool->Inertia()));
        BOutline->LinkPen(tool->Pen());
        FillCursorCombo(*CBCursor, tool->Cursor());
        ShowCursor();
    }
    PageControl1->SetActivePage(TabOptions);
    TEditorForm::DoShow();
}
