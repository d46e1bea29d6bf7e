#include "chart/series/surface/TriSurfaceSeriesEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/ChartPen.h"
#include "chart/series/surface/TriSurfaceSeries.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/UpDown.h"

TTriSurfaceSeriesEditor::TTriSurfaceSeriesEditor(TComponent* owner) : TEditorForm(owner, true) {
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 300, 150);
    BPen = MakeControl<TButtonPen>(this, 8, 8, 90, 25);
    BPen->SetCaption("&Pen...");
    BBrush = MakePushButton(this, 8, 40, 90, "&Brush...");
    BOutline = MakeControl<TButtonPen>(this, 8, 72, 90, 25);
    BOutline->SetCaption("&Outline...");
    CBFastBrush = MakeCheckBox(this, 120, 10, 120, "&Fast Brush");
    CBHide = MakeCheckBox(this, 120, 36, 120, "&Hide Triangles");
    MakeLabel(this, 120, 66, "Tra&nsparency:");
    TUpDownEdit transparency = MakeUpDownEdit(this, 210, 62, 45, 0, 100);
    ETransp = transparency.Edit;
    UDTransp = transparency.UpDown;

    using S = TCustomTriSurfaceSeries;
    auto series = [this] { return FSeries; };
    BindCheckBox(*this, CBFastBrush, series, &S::FastBrush, &S::SetFastBrush);
    BindCheckBox(*this, CBHide, series, &S::HideTriangles, &S::SetHideTriangles);
    BindUpDownEdit(*this, {ETransp, UDTransp}, series, &S::Transparency, &S::SetTransparency,
                   {.OnlyWhileShowing = true});
    BBrush->OnClick = [this](TObject*) {
        if (FSeries) ShowBrushDialog(this, FSeries->Brush());
    };
    DoCreate();
}

TTriSurfaceSeriesEditor::~TTriSurfaceSeriesEditor() = default;

void TTriSurfaceSeriesEditor::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == opRemove) FGrid3D.Forget(component);
}

void TTriSurfaceSeriesEditor::DoShow() {
    FSeries = dynamic_cast<TCustomTriSurfaceSeries*>(TagObject());
    if (FSeries) {
        auto loading = LoadGuard();
        LoadBindings();
        BPen->LinkPen(FSeries->Pen());
        BOutline->LinkPen(FSeries->Border());
        FGrid3D.Load(Parent(), FSeries);
    }
    LoadingDone();
    TEditorForm::DoShow();
}
