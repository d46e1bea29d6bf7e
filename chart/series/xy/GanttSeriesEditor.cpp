#include "chart/series/xy/GanttSeriesEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PointerEditor.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/series/xy/GanttSeries.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/UpDown.h"

namespace {

int PointerVertSize(const TGanttSeries& s) { return s.Pointer()->VertSize(); }
void SetPointerVertSize(TGanttSeries& s, int value) { s.Pointer()->SetVertSize(value); }

}  // namespace

TGanttSeriesEditor::TGanttSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 300, 140);
    BConnLines = MakeControl<TButtonPen>(this, 8, 8, 130, 25);
    BConnLines->SetCaption("Co&nnecting Lines...");
    MakeLabel(this, 8, 46, "&Height:");
    TUpDownEdit height = MakeUpDownEdit(this, 70, 42, 50, 1, 1000);
    SEPointVertSize = height.Edit;
    UDPointVertSize = height.UpDown;
    MakeLabel(this, 8, 80, "&Transparency:");
    TUpDownEdit transparency = MakeUpDownEdit(this, 90, 76, 45, 0, 100);
    Edit1 = transparency.Edit;
    UpDown1 = transparency.UpDown;
    GPLine = MakeControl<TGroupBox>(this, 150, 4, 140, 70);
    BColor = MakeControl<TButtonColor>(GPLine, 8, 16, 90, 25);
    BColor->SetCaption("&Color...");
    CBColorEach = MakeCheckBox(GPLine, 8, 46, 100, "Color &Each");

    using S = TGanttSeries;
    auto series = [this] { return FSeries; };
    auto showing = [this] { return Showing() ? FSeries : nullptr; };
    BindUpDownEdit(*this, {SEPointVertSize, UDPointVertSize}, showing, &PointerVertSize,
                   &SetPointerVertSize);
    BindUpDownEdit(*this, {Edit1, UpDown1}, showing, &S::Transparency, &S::SetTransparency);
    BindCheckBox(*this, CBColorEach, series, &S::ColorEachPoint, &S::SetColorEachPoint,
                 [this] { BColor->SetEnabled(!CBColorEach->Checked()); });
    // Picking one colour ends the colour per task.
    BColor->OnClick = [this](TObject*) {
        if (FSeries) FSeries->SetColorEachPoint(false);
    };
    DoCreate();
}

TGanttSeriesEditor::~TGanttSeriesEditor() = default;

void TGanttSeriesEditor::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove) FPages.Forget(component);
    TForm::Notification(component, operation);
}

void TGanttSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TGanttSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        BConnLines->LinkPen(FSeries->ConnectingPen());
        BColor->LinkToProperty(FSeries, "SeriesColor");
        UDPointVertSize->SetPosition(FSeries->Pointer()->VertSize());
        UpDown1->SetPosition(FSeries->Transparency());
        LoadBindings();
        if (FPages.Empty())
            if (auto* pointer = dynamic_cast<TSeriesPointerEditor*>(
                    FPages.Add(EmbedPointerEditor(this, FSeries, "Gantt"))))
                pointer->HideSizeControls();
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
