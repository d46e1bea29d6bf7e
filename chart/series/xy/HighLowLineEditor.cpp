#include "chart/series/xy/HighLowLineEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PointerEditor.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/series/xy/HighLowLineSeries.h"
#include "platform/ui/CheckBox.h"

THighLowLineEditor::THighLowLineEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 300, 80);
    BPen = MakeControl<TButtonPen>(this, 8, 8, 90, 25);
    BPen->SetCaption("&Border...");
    BColor = MakeControl<TButtonColor>(this, 106, 8, 90, 25);
    BColor->SetCaption("&Color...");
    CBColorEach = MakeCheckBox(this, 8, 44, 100, "Color &Each");
    using S = THighLowLineSeries;
    BindCheckBox(
        *this, CBColorEach, [this] { return FSeries; }, &S::ColorEachPoint, &S::SetColorEachPoint);
    DoCreate();
}

THighLowLineEditor::~THighLowLineEditor() = default;

void THighLowLineEditor::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove) FPages.Forget(component);
    TForm::Notification(component, operation);
}

void THighLowLineEditor::DoShow() {
    if (auto* series = dynamic_cast<THighLowLineSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        BPen->LinkPen(FSeries->Pen());
        BColor->LinkToProperty(FSeries, "SeriesColor");
        LoadBindings();
        if (Parent() && FPages.Empty()) {
            FPages.Add(EmbedPointerEditor(this, FSeries->HighPointer(), "High"));
            FPages.Add(EmbedPointerEditor(this, FSeries->LowPointer(), "Low"));
        }
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
