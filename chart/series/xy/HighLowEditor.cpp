#include "chart/series/xy/HighLowEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/series/xy/HighLowSeries.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/UpDown.h"

THighLowEditor::THighLowEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 320, 150);
    SetAlign(alClient);
    BPen = MakeControl<TButtonPen>(this, 8, 8, 90, 25);
    BPen->SetCaption("&Lines...");
    BHighPen = MakeControl<TButtonPen>(this, 8, 40, 90, 25);
    BHighPen->SetCaption("&High...");
    BLowPen = MakeControl<TButtonPen>(this, 8, 72, 90, 25);
    BLowPen->SetCaption("L&ow...");
    BBrush = MakePushButton(this, 106, 40, 90, "&Pattern...");
    BLowBrush = MakePushButton(this, 106, 72, 90, "P&attern...");
    CBColorEach = MakeCheckBox(this, 210, 10, 100, "Colo&r Each");
    BColor = MakeControl<TButtonColor>(this, 210, 40, 90, 25);
    BColor->SetCaption("&Color...");
    MakeLabel(this, 8, 112, "&Transparency:");
    TUpDownEdit transparency = MakeUpDownEdit(this, 100, 108, 45, 0, 100, 5);
    Edit1 = transparency.Edit;
    UDTransp = transparency.UpDown;

    using S = THighLowSeries;
    auto series = [this] { return FSeries; };
    BindCheckBox(*this, CBColorEach, series, &S::ColorEachPoint, &S::SetColorEachPoint);
    // Written only while the form shows.
    BindUpDownEdit(
        *this, {Edit1, UDTransp}, [this] { return Showing() ? FSeries : nullptr; },
        &S::Transparency, &S::SetTransparency);
    BBrush->OnClick = [this](TObject*) {
        if (FSeries) ShowBrushDialog(BBrush, FSeries->HighBrush());
    };
    BLowBrush->OnClick = [this](TObject*) {
        if (FSeries) ShowBrushDialog(BLowBrush, FSeries->LowBrush());
    };
    DoCreate();
}

THighLowEditor::~THighLowEditor() = default;

void THighLowEditor::DoShow() {
    if (auto* series = dynamic_cast<THighLowSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        BPen->LinkPen(FSeries->Pen());
        BHighPen->LinkPen(FSeries->HighPen());
        BLowPen->LinkPen(FSeries->LowPen());
        BColor->LinkToProperty(FSeries, "SeriesColor");
        UDTransp->SetPosition(FSeries->Transparency());
        LoadBindings();
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
