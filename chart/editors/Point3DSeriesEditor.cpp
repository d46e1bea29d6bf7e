#include "chart/editors/Point3DSeriesEditor.h"

#include <cmath>

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PointerEditor.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/UpDown.h"

TPoint3DSeriesEditor::TPoint3DSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 300, 130);
    GPLine = MakeControl<TGroupBox>(this, 4, 4, 130, 80);
    BColor = MakeControl<TButtonColor>(GPLine, 10, 16, 100, 25);
    BColor->SetCaption("&Color...");
    CBColorEach = MakeCheckBox(GPLine, 10, 50, 100, "Color &Each");
    Button1 = MakeControl<TButtonPen>(this, 150, 8, 100, 25);
    Button1->SetCaption("&Line...");
    BBasePen = MakeControl<TButtonPen>(this, 150, 40, 100, 25);
    BBasePen->SetCaption("&Base line...");
    MakeLabel(this, 150, 76, "Depth:");
    TUpDownEdit depth = MakeUpDownEdit(this, 200, 72, 45, 0, 100);
    SEPointDepth = depth.Edit;
    UDPointDepth = depth.UpDown;

    using P = TPoint3DSeries;
    auto series = [this] { return FSeries; };
    // The colour button serves a series of one colour.
    BindCheckBox(*this, CBColorEach, series, &P::ColorEachPoint, &P::SetColorEachPoint,
                 [this] { BColor->SetEnabled(!CBColorEach->Checked()); });
    // Shown rounded; the depth itself changes only when the user changes the number, once the
    // editor shows.
    BindUpDownEdit(*this, {SEPointDepth, UDPointDepth}, series,
                   [](const P& s) { return int(std::nearbyint(s.DepthSize())); }, &P::SetDepthSize,
                   {.Typed = TTypedNumber::InRange, .OnlyWhileShowing = true});
    DoCreate();
    SetAlign(alClient);
}

TPoint3DSeriesEditor::~TPoint3DSeriesEditor() {
    if (FPointPage) {
        FPointPage->RemoveFreeNotification(this);
        TObject::Free(FPointPage);
    }
}

void TPoint3DSeriesEditor::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FPointPage) FPointPage = nullptr;
    TForm::Notification(component, operation);
}

void TPoint3DSeriesEditor::DoShow() {
    {
        auto loading = LoadGuard();
        if (auto* series = dynamic_cast<TPoint3DSeries*>(TagObject())) FSeries = series;
        if (FSeries) {
            LoadBindings();
            Button1->LinkPen(FSeries->LinePen());
            BBasePen->LinkPen(FSeries->BaseLine());
            BColor->LinkToProperty(FSeries, "SeriesColor");
            BColor->SetEnabled(!FSeries->ColorEachPoint());
            if (!FPointPage) {
                FPointPage = EmbedPointerEditor(this, FSeries->Pointer(), "Point");
                FPointPage->FreeNotification(this);
            }
        }
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
