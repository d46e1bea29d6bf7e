#include "chart/series/price/VolumeSeriesEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/series/price/VolumeSeries.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"

TVolumeSeriesEditor::TVolumeSeriesEditor(TComponent* owner) : TPenDialog(owner) {
    SetCaption("");
    BOk->Hide();
    BCancel->Hide();
    SetBounds(0, 0, 420, 140);
    // "Color Each" takes the pen dialog's free row, beside the end style.
    CBColorEach = MakeCheckBox(this, 210, 70, 100, "Color &Each");
    CBUseOrigin = MakeCheckBox(this, 290, 8, 110, "&Use Origin");
    LOrigin = MakeLabel(this, 290, 38, "&Origin:");
    EOrigin = MakeControl<TEdit>(this, 340, 34, 60, 21);

    TNotifyEvent penColorClick = BColor->OnClick;
    BColor->OnClick = [this, penColorClick](TObject* sender) {
        if (penColorClick) penColorClick(sender);
        if (FSeries && ThePen) FSeries->SetSeriesColor(ThePen->Color());
    };
    CBColorEach->OnClick = [this](TObject*) {
        if (!Loading() && FSeries) FSeries->SetColorEachPoint(CBColorEach->Checked());
        EnableControls();
    };
    CBUseOrigin->OnClick = [this](TObject*) {
        if (!Loading() && FSeries) FSeries->SetUseYOrigin(CBUseOrigin->Checked());
        EnableControls();
    };
    // A text that is no number keeps the origin.
    EOrigin->OnChange = [this](TObject*) {
        double value = 0;
        if (!Loading() && FSeries && Showing() && TryStrToFloat(EOrigin->Text(), value))
            FSeries->SetYOrigin(value);
    };
}

TVolumeSeriesEditor::~TVolumeSeriesEditor() = default;

void TVolumeSeriesEditor::EnableControls() {
    BColor->SetEnabled(!CBColorEach->Checked());
    EOrigin->SetEnabled(CBUseOrigin->Checked());
    LOrigin->SetEnabled(CBUseOrigin->Checked());
}

void TVolumeSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TVolumeSeries*>(TagObject())) {
        FSeries = series;
        auto loading = LoadGuard();
        ThePen = series->LinePen();
        CBColorEach->SetChecked(series->ColorEachPoint());
        CBUseOrigin->SetChecked(series->UseYOrigin());
        EOrigin->SetText(FloatToStr(series->YOrigin()));
        EnableControls();
    }
    TPenDialog::DoShow();
}
