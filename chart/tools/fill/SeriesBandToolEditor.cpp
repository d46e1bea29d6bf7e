#include "chart/tools/fill/SeriesBandToolEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/tools/fill/SeriesBandTool.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"

TSeriesBandToolEdit::TSeriesBandToolEdit(TComponent* owner) : TSeriesToolEditor(owner) {
    SetBounds(0, 0, 320, 170);
    const auto tool = [this] { return BandTool(); };
    MakeLabel(this, 8, 44, "S&eries 2:");
    CBSeries2 = MakeControl<TComboFlat>(this, 70, 40, 160, 23);
    CBSeries2->OnChange = [this](TObject*) {
        if (TSeriesBandTool* band = BandTool(); band && !Loading())
            band->SetSeries2(dynamic_cast<TChartSeries*>(CBSeries2->GetSelectedObject()));
    };
    Button1 = MakePushButton(this, 8, 72, 80, "&Brush...");
    Button1->OnClick = [this](TObject*) {
        if (TSeriesBandTool* band = BandTool()) ShowBrushDialog(Button1, band->Brush());
    };
    BPen = MakeControl<TButtonPen>(this, 96, 72, 80, 25);
    BPen->SetCaption("&Pen...");
    BGradient = MakeControl<TButtonGradient>(this, 184, 72, 90, 25);
    BGradient->SetCaption("&Gradient...");
    CBDrawBehindSeries = MakeCheckBox(this, 8, 104, 160, "&Draw Behind Series");
    BindCheckBox(*this, CBDrawBehindSeries, tool, &TSeriesBandTool::DrawBehindSeries,
                 &TSeriesBandTool::SetDrawBehindSeries);
    MakeLabel(this, 8, 134, "&Transparency:");
    const TUpDownEdit transparency = MakeUpDownEdit(this, 96, 130, 45, 0, 100);
    ETransp = transparency.Edit;
    UDTransp = transparency.UpDown;
    BindUpDownEdit(*this, transparency, tool, &TSeriesBandTool::Transparency,
                   &TSeriesBandTool::SetTransparency);
}

TSeriesBandToolEdit::~TSeriesBandToolEdit() = default;

TSeriesBandTool* TSeriesBandToolEdit::BandTool() const {
    return dynamic_cast<TSeriesBandTool*>(Tool());
}

void TSeriesBandToolEdit::DoShow() {
    TSeriesToolEditor::DoShow();
    TSeriesBandTool* band = BandTool();
    if (!band) return;
    auto loading = LoadGuard();
    CBSeries2->Items()->Clear();
    FillSeriesCombo(*CBSeries2, band->Series2(), band->ParentChart());
    LoadBindings();
    BPen->LinkPen(band->Pen());
    BGradient->LinkGradient(band->Gradient());
}
