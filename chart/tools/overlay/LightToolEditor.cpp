#include "chart/tools/overlay/LightToolEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/engine/AxisPanel.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/tools/overlay/LightTool.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/TrackBar.h"

TLightToolEditor::TLightToolEditor(TComponent* owner) : TEditorForm(owner) {
    using T = TLightTool;
    const auto tool = [this] { return FTool; };
    SetCaption("DarEzaro Lighting");
    SetBounds(0, 0, 300, 170);
    CheckBox2 = MakeCheckBox(this, 8, 8, 130, "&Follow mouse");
    BindCheckBox(*this, CheckBox2, tool, &T::FollowMouse, &T::SetFollowMouse);
    MakeLabel(this, 8, 40, "&Left:");
    TBLeft = MakeControl<TTrackBar>(this, 60, 34, 200, 28);
    TBLeft->OnChange = [this](TObject*) {
        if (FTool && !Loading()) FTool->SetLeft(TBLeft->Position());
    };
    MakeLabel(this, 8, 72, "&Top:");
    TBTop = MakeControl<TTrackBar>(this, 60, 66, 200, 28);
    TBTop->OnChange = [this](TObject*) {
        if (FTool && !Loading()) FTool->SetTop(TBTop->Position());
    };
    MakeLabel(this, 8, 104, "F&actor:");
    TBFactor = MakeControl<TTrackBar>(this, 60, 98, 200, 28);
    TBFactor->SetMax(100);
    TBFactor->SetPosition(10);
    BindTrackBar(*this, TBFactor, tool, &T::Factor, &T::SetFactor);
    MakeLabel(this, 8, 136, "&Style:");
    CBStyle = MakeComboBox(this, 60, 132, 110, {"Linear", "Spotlight"});
    BindComboBox(*this, CBStyle, tool, &T::Style, &T::SetStyle);
    DoCreate();
    SetAlign(alClient);
}

TLightToolEditor::~TLightToolEditor() = default;

void TLightToolEditor::DoShow() {
    if (auto* tool = dynamic_cast<TLightTool*>(TagObject())) FTool = tool;
    if (FTool) {
        LoadBindings();
        auto loading = LoadGuard();
        if (TCustomAxisPanel* chart = FTool->ParentChart()) {
            TBLeft->SetMax(chart->Width());
            TBTop->SetMax(chart->Height());
            TBLeft->SetPosition(FTool->Left() == -1 ? chart->Width() / 2 : FTool->Left());
            TBTop->SetPosition(FTool->Top() == -1 ? chart->Height() / 2 : FTool->Top());
        }
    }
    ApplyFormHook(this);
    TEditorForm::DoShow();
}
