#include "chart/editors/FastLineSeriesEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/SeriesEditorControls.h"
#include "chart/engine/FastLineSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ComboFlat.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"

namespace {

constexpr int IgnoreNullsItem = 2;

}  // namespace

TFastLineSeriesEditor::TFastLineSeriesEditor(TComponent* owner) : TPenDialog(owner) {
    SetCaption("");
    BOk->Hide();
    BCancel->Hide();
    SetBounds(0, 0, 420, 140);
    CBDrawAll = MakeCheckBox(this, 290, 8, 110, "Draw &All");
    GBStair = MakeControl<TGroupBox>(this, 290, 32, 110, 64);
    GBStair->SetCaption("Line Mode:");
    CBStairs = MakeCheckBox(GBStair, 8, 18, 95, "&Stairs");
    CBInvStairs = MakeCheckBox(GBStair, 8, 40, 95, "&Inverted");
    LNulls = MakeLabel(this, 150, 104, "&Treat Nulls:");
    CBNulls = MakeFlatCombo(this, 230, 100, 110, {"Dont Paint", "Skip", "Ignore"});
    CBNulls->SetItemIndex(IgnoreNullsItem);

    // The pen dialog's own colour handling first; the series colour follows the pen's, and the
    // style list's samples are drawn in it.
    TNotifyEvent penColorClick = BColor->OnClick;
    BColor->OnClick = [this, penColorClick](TObject* sender) {
        if (penColorClick) penColorClick(sender);
        if (FSeries && ThePen) FSeries->SetSeriesColor(ThePen->Color());
        CBStyle->Invalidate();
    };
    BindProperties();
}

void TFastLineSeriesEditor::BindProperties() {
    using F = TFastLineSeries;
    auto series = [this] { return FSeries; };
    BindCheckBox(*this, CBDrawAll, series, &F::DrawAllPoints, &F::SetDrawAllPoints);
    // Inverted stairs need stairs.
    BindCheckBox(*this, CBStairs, series, &F::Stairs, &F::SetStairs,
                 [this] { CBInvStairs->SetEnabled(CBStairs->Checked()); });
    BindCheckBox(*this, CBInvStairs, series, &F::InvertedStairs, &F::SetInvertedStairs);
    // The fast line keeps the ignoring of nulls as a flag of its own too.
    BindComboBox(*this, CBNulls, series, &F::TreatNulls, [](F& line, int item) {
        line.SetIgnoreNulls(item == IgnoreNullsItem);
        line.SetTreatNulls(TTreatNullsStyle(item));
    });
}

TFastLineSeriesEditor::~TFastLineSeriesEditor() = default;

void TFastLineSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TFastLineSeries*>(TagObject())) {
        FSeries = series;
        auto loading = LoadGuard();
        ThePen = series->LinePen();
        LoadBindings();
        CBInvStairs->SetEnabled(CBStairs->Checked());
    }
    TPenDialog::DoShow();
}
