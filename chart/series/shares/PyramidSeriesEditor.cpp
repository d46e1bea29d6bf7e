#include "chart/series/shares/PyramidSeriesEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/series/shares/PyramidSeries.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"

TPyramidSeriesEditor::TPyramidSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 260, 110);
    SetAlign(alClient);
    BPen = MakeControl<TButtonPen>(this, 8, 8, 90, 25);
    BPen->SetCaption("&Border...");
    MakeLabel(this, 110, 12, "&Size %:");
    const TUpDownEdit size = MakeUpDownEdit(this, 160, 8, 45, 0, 100, 5);
    Edit1 = size.Edit;
    UDSize = size.UpDown;
    CBColorEach = MakeCheckBox(this, 8, 44, 100, "Color &Each");
    BColor = MakeControl<TButtonColor>(this, 110, 40, 90, 25);
    BColor->SetCaption("&Color...");
    Button1 = MakePushButton(this, 8, 72, 90, "&Pattern...");

    using S = TPyramidSeries;
    auto series = [this] { return FSeries; };
    BindUpDownEdit(*this, size, series, &S::SizePercent, &S::SetSizePercent,
                   TNumberEditRule{TTypedNumber::InRange, true});
    BindCheckBox(*this, CBColorEach, series, &S::ColorEachPoint, &S::SetColorEachPoint,
                 [this] { BColor->SetEnabled(!CBColorEach->Checked()); });
    Button1->OnClick = [this](TObject*) {
        if (FSeries && ShowBrushDialog(this, FSeries->Brush())) FSeries->Repaint();
    };
    DoCreate();
}

TPyramidSeriesEditor::~TPyramidSeriesEditor() = default;

void TPyramidSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TPyramidSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        BPen->LinkPen(FSeries->Pen());
        BColor->LinkToProperty(FSeries, "SeriesColor");
        LoadBindings();
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
