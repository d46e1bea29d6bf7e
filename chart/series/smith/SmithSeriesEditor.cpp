#include "chart/series/smith/SmithSeriesEditor.h"

#include "chart/editors/CircledSeriesEditor.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/FontEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/ChartPen.h"
#include "chart/series/smith/SmithSeries.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"

TSmithSeriesEdit::TSmithSeriesEdit(TComponent* owner) : TEditorForm(owner, true) {
    SetBounds(0, 0, 320, 170);
    auto penButton = [this](int left, int top, const char* caption) {
        auto* button = MakeControl<TButtonPen>(this, left, top, 90, 25);
        button->SetCaption(caption);
        return button;
    };
    CBCLabels = MakeCheckBox(this, 8, 8, 100, "&C Labels");
    CBRLabels = MakeCheckBox(this, 8, 32, 100, "&R Labels");
    BCPen = penButton(110, 6, "C &Pen...");
    BRPen = penButton(110, 36, "R P&en...");
    BCircle = penButton(8, 66, "&Circle...");
    BBorder = penButton(110, 66, "&Border...");
    CBColorEach = MakeCheckBox(this, 210, 70, 100, "C&olor Each");
    BCFont = MakePushButton(this, 210, 6, 90, "&Font...");
    BRFont = MakePushButton(this, 210, 36, 90, "Fo&nt...");
    MakeLabel(this, 8, 104, "&Imag. Symbol:");
    EImag = MakeControl<TEdit>(this, 100, 100, 60, 21);

    using S = TSmithSeries;
    auto series = [this] { return FSeries; };
    BindCheckBox(*this, CBCLabels, series, &S::CLabels, &S::SetCLabels);
    BindCheckBox(*this, CBRLabels, series, &S::RLabels, &S::SetRLabels);
    BindCheckBox(*this, CBColorEach, series, &S::ColorEachPoint, &S::SetColorEachPoint);
    BCFont->OnClick = [this](TObject*) {
        if (FSeries) ShowFontEditor(this, FSeries->CLabelsFont());
    };
    BRFont->OnClick = [this](TObject*) {
        if (FSeries) ShowFontEditor(this, FSeries->RLabelsFont());
    };
    EImag->OnChange = [this](TObject*) {
        if (!Loading() && FSeries) FSeries->SetImagSymbol(EImag->Text());
    };
    DoCreate();
}

TSmithSeriesEdit::~TSmithSeriesEdit() = default;

void TSmithSeriesEdit::DoShow() {
    FSeries = dynamic_cast<TSmithSeries*>(TagObject());
    if (FSeries) {
        auto loading = LoadGuard();
        LoadBindings();
        BCPen->LinkPen(FSeries->CCirclePen());
        BRPen->LinkPen(FSeries->RCirclePen());
        BCircle->LinkPen(FSeries->CirclePen());
        BBorder->LinkPen(FSeries->Pen());
        EImag->SetText(FSeries->ImagSymbol());
        if (!FCircledEmbedded) {
            FCircledEmbedded = true;
            EmbedCircledSeriesEditor(this, FSeries);
        }
    }
    LoadingDone();
    TEditorForm::DoShow();
}
