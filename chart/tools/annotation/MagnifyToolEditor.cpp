#include "chart/tools/annotation/MagnifyToolEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/tools/annotation/AnnotationToolEditor.h"
#include "chart/tools/annotation/MagnifyTool.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/TrackBar.h"

TMagnifyToolEditor::TMagnifyToolEditor(TComponent* owner) : TEditorForm(owner) {
    using T = TMagnifyTool;
    const auto tool = [this] { return FTool; };
    SetBounds(0, 0, 340, 200);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    CBFollow = MakeCheckBox(TabOptions, 8, 8, 130, "&Follow mouse");
    BindCheckBox(*this, CBFollow, tool, &T::FollowMouse, &T::SetFollowMouse);
    MakeLabel(TabOptions, 8, 36, "&Zoom %:");
    TBFactor = MakeControl<TTrackBar>(TabOptions, 70, 30, 150, 30);
    TBFactor->SetMin(1);
    TBFactor->SetMax(100);
    TBFactor->SetFrequency(5);
    TBFactor->SetPageSize(10);
    TBFactor->OnChange = [this](TObject*) {
        if (FTool && !Loading()) FTool->SetPercent(TBFactor->Position());
    };
    BBorder = MakeControl<TButtonPen>(TabOptions, 230, 30, 90, 25);
    BBorder->SetCaption("&Border...");
    CBCircled = MakeCheckBox(TabOptions, 8, 68, 100, "C&ircled");
    BindCheckBox(*this, CBCircled, tool, &T::Circled, &T::SetCircled);
    CBDrag = MakeCheckBox(TabOptions, 110, 68, 100, "Allow &Drag");
    BindCheckBox(*this, CBDrag, tool, &T::AllowDrag, &T::SetAllowDrag);
    CBResize = MakeCheckBox(TabOptions, 212, 68, 110, "Allow &Resize");
    BindCheckBox(*this, CBResize, tool, &T::AllowResize, &T::SetAllowResize);
    MakeLabel(TabOptions, 8, 100, "Mouse &Wheel zoom:");
    const TUpDownEdit wheel = MakeUpDownEdit(TabOptions, 120, 96, 50, -100, 100);
    Edit1 = wheel.Edit;
    UDWheel = wheel.UpDown;
    MakeLabel(TabOptions, 176, 100, "%");
    BindUpDownEdit(*this, wheel, tool, &T::WheelZoom, &T::SetWheelZoom);
    MakeLabel(TabOptions, 8, 130, "&Cursor:");
    CBCursor = MakeComboBox(TabOptions, 120, 126, 120, {});
    CBCursor->OnChange = [this](TObject*) {
        if (FTool && !Loading()) FTool->SetCursor(NameToCursor(FTool->Cursor(), CBCursor->Text()));
    };
    DoCreate();
}

TMagnifyToolEditor::~TMagnifyToolEditor() = default;

void TMagnifyToolEditor::DoShow() {
    if (auto* tool = dynamic_cast<TMagnifyTool*>(TagObject())) FTool = tool;
    if (FTool) {
        LoadBindings();
        {
            auto loading = LoadGuard();
            TBFactor->SetPosition(int(Round(FTool->Percent())));
            FillCursorCombo(*CBCursor, FTool->Cursor());
        }
        BBorder->LinkPen(FTool->Pen());
        if (!FAnnotationEditor) {
            FAnnotationEditor = std::make_unique<TAnnotationToolEdit>(nullptr);
            FAnnotationEditor->SetTool(FTool);
            FAnnotationEditor->CBAutoSize->SetVisible(false);
            FAnnotationEditor->TabPosition->SetPageControl(PageControl1);
            FAnnotationEditor->TabSize->SetPageControl(PageControl1);
        }
    }
    ApplyFormHook(this);
    TEditorForm::DoShow();
}
