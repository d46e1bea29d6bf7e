#include "chart/tools/view/FaderEditor.h"

#include <cmath>

#include "chart/editors/EditorBindings.h"
#include "chart/engine/AxisPanel.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/tools/view/FaderTool.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/UpDown.h"

TFaderEditor::TFaderEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 300, 150);
    MakeLabel(this, 8, 12, "&Speed:");
    SBSpeed = MakeControl<TScrollBar>(this, 60, 10, 150, 17);
    SBSpeed->SetParams(16, 1, 100);
    Label2 = MakeLabel(this, 218, 12, "");
    ButtonColor1 = MakeControl<TButtonColor>(this, 8, 40, 90, 25);
    ButtonColor1->SetCaption("&Color...");
    RGStyle = MakeControl<TRadioGroup>(this, 110, 36, 180, 40);
    RGStyle->SetCaption("Style:");
    RGStyle->Items()->Add("Fade &In");
    RGStyle->Items()->Add("Fade &Out");
    RGStyle->SetColumns(2);
    MakeLabel(this, 8, 90, "Initial &delay:");
    TUpDownEdit delay = MakeUpDownEdit(this, 90, 86, 60, 0, 32767);
    Edit1 = delay.Edit;
    UDDelay = delay.UpDown;
    BStart = MakePushButton(this, 8, 116, 80, "&Fade");
    BReset = MakePushButton(this, 96, 116, 80, "&Reset");

    using T = TFaderTool;
    const auto tool = [this] { return Fader(); };
    BindColorButton(*this, ButtonColor1, tool, &T::Color, &T::SetColor);
    BindRadioGroup(*this, RGStyle, tool, &T::Style, &T::SetStyle);
    BindUpDownEdit(*this, delay, tool, &T::InitialDelay, [this](T& t, int v) {
        if (Showing()) t.SetInitialDelay(v);
    });
    SBSpeed->OnChange = [this](TObject*) {
        if (!FTool || Loading()) return;
        FTool->SetSpeed(SBSpeed->Position() * 0.1);
        ShowSpeed();
    };
    BStart->OnClick = [this](TObject*) {
        if (!FTool) return;
        BStart->SetEnabled(false);
        BReset->SetEnabled(false);
        FTool->Start();
    };
    BReset->OnClick = [this](TObject*) {
        if (FTool) FTool->Repaint();
    };
}

TFaderEditor::~TFaderEditor() { ReleaseTool(); }

void TFaderEditor::ReleaseTool() {
    if (!FTool) return;
    FTool->OnStop = FOldStop;
    FTool->RemoveFreeNotification(this);
    FTool = nullptr;
}

void TFaderEditor::Notification(TComponent* component, TOperation operation) {
    TEditorForm::Notification(component, operation);
    if (operation == opRemove && component == FTool) FTool = nullptr;
}

void TFaderEditor::ShowSpeed() { Label2->SetCaption(FormatFloat("#.0", FTool->Speed())); }

void TFaderEditor::DoShow() {
    TEditorForm::DoShow();
    auto* tool = dynamic_cast<TFaderTool*>(TagObject());
    if (!tool) return;
    if (tool != FTool) {
        ReleaseTool();
        FTool = tool;
        tool->FreeNotification(this);
        FOldStop = tool->OnStop;
        // The form's own handler: the previous one is not called while the form lives.
        tool->OnStop = [this](TObject*) {
            BStart->SetEnabled(true);
            BReset->SetEnabled(true);
        };
    }
    auto loading = LoadGuard();
    LoadBindings();
    SBSpeed->SetPosition(int(std::lround(tool->Speed() * 10)));
    ShowSpeed();
}
