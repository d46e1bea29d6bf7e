#include "chart/series/stats/HistogramSeriesEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/series/stats/HistogramSeries.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/GroupBox.h"

THistogramSeriesEditor::THistogramSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 300, 120);
    SetBorderStyle(bsDialog);
    auto* group = MakeControl<TGroupBox>(this, 8, 4, 120, 80);
    group->SetCaption("Color:");
    CBColorEach = MakeCheckBox(group, 8, 18, 100, "Color &Each");
    BAreaColor = MakeControl<TButtonColor>(group, 8, 44, 100, 25);
    BAreaColor->SetCaption("&Color...");
    BAreaLinesPen = MakeControl<TButtonPen>(this, 140, 8, 90, 25);
    BAreaLinesPen->SetCaption("&Lines...");
    BAreaLinePen = MakeControl<TButtonPen>(this, 140, 40, 90, 25);
    BAreaLinePen->SetCaption("&Border...");
    Button1 = MakePushButton(this, 140, 72, 90, "&Pattern...");
    MakeLabel(this, 8, 96, "&Transparency:");
    const TUpDownEdit transparency = MakeUpDownEdit(this, 90, 92, 40, 0, 100, 5);
    Edit1 = transparency.Edit;
    UDTransp = transparency.UpDown;

    using S = THistogramSeries;
    auto series = [this] { return FSeries; };
    BindCheckBox(*this, CBColorEach, series, &S::ColorEachPoint, &S::SetColorEachPoint,
                 [this] { BAreaColor->SetEnabled(!CBColorEach->Checked()); });
    // The guard of the first show: loading the edit writes nothing back.
    BindUpDownEdit(*this, transparency, series, &S::Transparency, &S::SetTransparency,
                   TNumberEditRule{TTypedNumber::InRange, true});
    Button1->OnClick = [this](TObject*) {
        if (FSeries && ShowBrushDialog(this, FSeries->Brush())) FSeries->Repaint();
    };
    DoCreate();
}

THistogramSeriesEditor::~THistogramSeriesEditor() = default;

void THistogramSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<THistogramSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        BAreaColor->LinkToProperty(FSeries, "SeriesColor");
        BAreaLinesPen->LinkPen(FSeries->LinesPen());
        BAreaLinePen->LinkPen(FSeries->Pen());
        LoadBindings();
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
