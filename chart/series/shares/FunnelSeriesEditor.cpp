#include "chart/series/shares/FunnelSeriesEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/series/shares/FunnelSeries.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/Button.h"

TFunnelSeriesEditor::TFunnelSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 300, 110);
    SetAlign(alClient);
    ButtonPen1 = MakeControl<TButtonPen>(this, 8, 8, 90, 25);
    ButtonPen1->SetCaption("&Lines...");
    ButtonPen2 = MakeControl<TButtonPen>(this, 8, 40, 90, 25);
    ButtonPen2->SetCaption("&Border...");
    Button1 = MakePushButton(this, 8, 72, 90, "&Pattern...");
    AboveColor = MakeControl<TButtonColor>(this, 106, 8, 90, 25);
    AboveColor->SetCaption("&Above...");
    WithinColor = MakeControl<TButtonColor>(this, 106, 40, 90, 25);
    WithinColor->SetCaption("&Within...");
    BelowColor = MakeControl<TButtonColor>(this, 106, 72, 90, 25);
    BelowColor->SetCaption("B&elow...");
    MakeLabel(this, 204, 12, "&Dif. Limit:");
    const TUpDownEdit limit = MakeUpDownEdit(this, 204, 30, 45, 1, 50);
    Edit1 = limit.Edit;
    DifLimit = limit.UpDown;

    auto series = [this] { return FSeries; };
    BindUpDownEdit(
        *this, limit, series,
        [](const TFunnelSeries& s) { return RoundToInt(s.DifferenceLimit()); },
        [](TFunnelSeries& s, int value) { s.SetDifferenceLimit(value); },
        TNumberEditRule{TTypedNumber::InRange, true});
    Button1->OnClick = [this](TObject*) {
        if (FSeries && ShowBrushDialog(this, FSeries->Brush())) FSeries->Repaint();
    };
    DoCreate();
}

TFunnelSeriesEditor::~TFunnelSeriesEditor() = default;

void TFunnelSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TFunnelSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        ButtonPen1->LinkPen(FSeries->LinesPen());
        ButtonPen2->LinkPen(FSeries->Pen());
        AboveColor->LinkToProperty(FSeries, "AboveColor");
        WithinColor->LinkToProperty(FSeries, "WithinColor");
        BelowColor->LinkToProperty(FSeries, "BelowColor");
        LoadBindings();
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
