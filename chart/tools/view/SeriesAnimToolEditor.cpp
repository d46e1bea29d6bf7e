#include "chart/tools/view/SeriesAnimToolEditor.h"

#include <string>

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/tools/view/SeriesAnimationTool.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/UpDown.h"

TSeriesAnimToolEditor::TSeriesAnimToolEditor(TComponent* owner) : TSeriesToolEditor(owner) {
    SetBounds(0, 0, 320, 230);
    MakeLabel(this, 8, 44, "S&teps:");
    SBSteps = MakeControl<TScrollBar>(this, 90, 42, 140, 17);
    SBSteps->SetParams(100, 1, 1000);
    LSteps = MakeLabel(this, 240, 44, "100");
    CBStartMin = MakeCheckBox(this, 8, 68, 160, "St&art at Min. value");
    MakeLabel(this, 8, 96, "Start &Value:");
    EStartValue = MakeControl<TEdit>(this, 90, 92, 80, 21);
    MakeLabel(this, 8, 124, "&Draw every:");
    const TUpDownEdit every = MakeUpDownEdit(this, 90, 120, 50, 0, 100);
    EDrawEvery = every.Edit;
    UDDrawEvery = every.UpDown;
    MakeLabel(this, 8, 152, "D&elay:");
    const TUpDownEdit delay = MakeUpDownEdit(this, 90, 148, 60, 0, 32767);
    EDelay = delay.Edit;
    UDDelay = delay.UpDown;
    MakeLabel(this, 8, 180, "&Loop:");
    CBLoop = MakeComboBox(this, 90, 176, 100, {"No", "One way", "Circular"});
    BExecute = MakePushButton(this, 200, 120, 90, SAnimationExecute);

    auto tool = [this] { return Animation(); };
    BindCheckBox(*this, CBStartMin, tool, &TSeriesAnimationTool::StartAtMin,
                 &TSeriesAnimationTool::SetStartAtMin, [this] { EnableControls(); });
    BindUpDownEdit(*this, every, tool, &TSeriesAnimationTool::DrawEvery,
                   &TSeriesAnimationTool::SetDrawEvery);
    BindUpDownEdit(*this, delay, tool, &TSeriesAnimationTool::Delay,
                   &TSeriesAnimationTool::SetDelay);
    BindComboBox(*this, CBLoop, tool, &TSeriesAnimationTool::Loop, &TSeriesAnimationTool::SetLoop);
    SBSteps->OnChange = [this](TObject*) {
        LSteps->SetCaption(std::to_string(SBSteps->Position()));
        if (!Loading() && Animation()) Animation()->SetSteps(SBSteps->Position());
    };
    EStartValue->OnChange = [this](TObject*) {
        double value = 0;
        // Text that is no number keeps the value.
        if (!Loading() && Animation() && TryStrToFloat(EStartValue->Text(), value))
            Animation()->SetStartValue(value);
    };
    BExecute->OnClick = [this](TObject*) { ExecuteClick(); };
    // The series chooser also decides whether there is anything to run.
    auto chosen = CBSeries->OnChange;
    CBSeries->OnChange = [this, chosen](TObject* sender) {
        if (chosen) chosen(sender);
        EnableControls();
    };
}

TSeriesAnimToolEditor::~TSeriesAnimToolEditor() = default;

TSeriesAnimationTool* TSeriesAnimToolEditor::Animation() const {
    return dynamic_cast<TSeriesAnimationTool*>(Tool());
}

void TSeriesAnimToolEditor::EnableControls() {
    TSeriesAnimationTool* tool = Animation();
    EStartValue->SetEnabled(tool && !tool->StartAtMin());
    BExecute->SetEnabled(tool && tool->Series());
}

void TSeriesAnimToolEditor::ExecuteClick() {
    TSeriesAnimationTool* tool = Animation();
    if (!tool) return;
    if (tool->Running()) {
        tool->Stop();
        BExecute->SetCaption(SAnimationExecute);
        return;
    }
    BExecute->SetCaption(SAnimationStop);
    try {
        tool->Execute();
    } catch (...) {
        BExecute->SetCaption(SAnimationExecute);
        throw;
    }
    BExecute->SetCaption(SAnimationExecute);
}

bool TSeriesAnimToolEditor::CloseQuery() {
    if (Animation() && Animation()->Running()) return false;
    return TSeriesToolEditor::CloseQuery();
}

void TSeriesAnimToolEditor::DoShow() {
    TSeriesToolEditor::DoShow();
    if (TSeriesAnimationTool* tool = Animation()) {
        auto loading = LoadGuard();
        LoadBindings();
        SBSteps->SetPosition(tool->Steps());
        LSteps->SetCaption(std::to_string(tool->Steps()));
        EStartValue->SetText(FloatToStr(tool->StartValue()));
        BExecute->SetCaption(tool->Running() ? SAnimationStop : SAnimationExecute);
    }
    EnableControls();
}
