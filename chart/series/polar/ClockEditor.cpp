#include "chart/series/polar/ClockEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/engine/AxisGridPen.h"
#include "chart/engine/ChartAxis.h"
#include "chart/series/polar/ClockSeries.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/PageControl.h"

TClockEditor::TClockEditor(TComponent* owner) : TPolarSeriesEditor(owner) {
    CBColorEach->Hide();
    CBRoman = MakeCheckBox(TabOptions, 130, 130, 100, "&Roman");
    TTabSheet* hands = MakeTabSheet(this, PageControl1, "Hands");
    auto penButton = [hands](int top, const char* caption) {
        auto* button = MakeControl<TButtonPen>(hands, 8, top, 90, 25);
        button->SetCaption(caption);
        return button;
    };
    BHours = penButton(8, "&Hours...");
    BMinutes = penButton(38, "&Minutes...");
    BSeconds = penButton(68, "&Seconds...");
    BRadius = penButton(98, "R&adius...");
    BindCheckBox(
        *this, CBRoman, [this] { return dynamic_cast<TClockSeries*>(Series()); },
        [](const TClockSeries& s) { return s.Style() == cssRoman; },
        [](TClockSeries& s, bool roman) { s.SetStyle(roman ? cssRoman : cssDecimal); });
}

TClockEditor::~TClockEditor() = default;

void TClockEditor::DoShow() {
    TPolarSeriesEditor::DoShow();
    if (auto* clock = dynamic_cast<TClockSeries*>(Series())) {
        BHours->LinkPen(clock->PenHours());
        BMinutes->LinkPen(clock->PenMinutes());
        BSeconds->LinkPen(clock->PenSeconds());
        if (TChartAxis* axis = clock->ResolvedHorizAxis()) BRadius->LinkPen(axis->Grid());
    }
}
