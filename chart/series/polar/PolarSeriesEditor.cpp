#include "chart/series/polar/PolarSeriesEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/CircledSeriesEditor.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/FontEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PointerEditor.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/series/polar/CustomPolarSeries.h"
#include "chart/series/polar/PolarSeries.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

TPolarSeriesEditor::TPolarSeriesEditor(TComponent* owner) : TEditorForm(owner, true) {
    SetBounds(0, 0, 360, 200);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    TabLabels = MakeTabSheet(this, PageControl1, "Labels");
    TabFont = MakeTabSheet(this, PageControl1, "Font");
    BuildOptionsPage();
    BuildLabelsPage();
    FFontEditor = EmbedFontEditor(TabFont);
    BindProperties();
    ConnectHandlers();
    DoCreate();
}

TPolarSeriesEditor::~TPolarSeriesEditor() {
    if (FFontEditor) TObject::Free(FFontEditor);
}

// --- Building.

void TPolarSeriesEditor::BuildOptionsPage() {
    BPen = MakeControl<TButtonPen>(TabOptions, 8, 8, 90, 25);
    BPen->SetCaption("&Pen...");
    BBrush = MakePushButton(TabOptions, 8, 38, 90, "Pattern...");
    BColor = MakeControl<TButtonColor>(TabOptions, 8, 68, 90, 25);
    BColor->SetCaption("Color...");
    LAngleInc = MakeLabel(TabOptions, 110, 12, "Angle &Increment:");
    EAngleInc = MakeControl<TEdit>(TabOptions, 220, 8, 60, 21);
    LRadiusInc = MakeLabel(TabOptions, 110, 40, "Radius Increment:");
    ERadiusInc = MakeControl<TEdit>(TabOptions, 220, 36, 60, 21);
    MakeLabel(TabOptions, 110, 68, "&Transparency:");
    TUpDownEdit transparency = MakeUpDownEdit(TabOptions, 220, 64, 45, 0, 100, 5);
    ETransp = transparency.Edit;
    UDTransp = transparency.UpDown;
    MakeLabel(TabOptions, 110, 96, "Treat &nulls:");
    CBNulls = MakeComboBox(TabOptions, 220, 92, 100, {"Dont Paint", "Skip", "Ignore"});
    BCircle = MakeControl<TButtonPen>(TabOptions, 8, 98, 90, 25);
    BCircle->SetCaption("&Circle...");
    CBClose = MakeCheckBox(TabOptions, 8, 130, 110, "C&lose Circle");
    CBColorEach = MakeCheckBox(TabOptions, 130, 130, 110, "Color Each");
}

void TPolarSeriesEditor::BuildLabelsPage() {
    CBLabels = MakeCheckBox(TabLabels, 8, 8, 100, "&Visible");
    CBRotated = MakeCheckBox(TabLabels, 24, 32, 100, "R&otated");
    CBClockWise = MakeCheckBox(TabLabels, 24, 56, 100, "ClockWise");
    CBInside = MakeCheckBox(TabLabels, 24, 80, 100, "I&nside");
    MakeLabel(TabLabels, 150, 12, "&Margin %:");
    TUpDownEdit margin = MakeUpDownEdit(TabLabels, 220, 8, 50, -200, 200);
    EMargin = margin.Edit;
    UDMargin = margin.UpDown;
}

void TPolarSeriesEditor::BindProperties() {
    using S = TCustomPolarSeries;
    auto series = [this] { return FSeries; };
    BindUpDownEdit(*this, {ETransp, UDTransp}, series, &S::Transparency, &S::SetTransparency,
                   {.OnlyWhileShowing = true});
    BindComboBox(*this, CBNulls, series, &S::TreatNulls, &S::SetTreatNulls);
    BindCheckBox(*this, CBClose, series, &S::CloseCircle, &S::SetCloseCircle);
    BindCheckBox(*this, CBColorEach, series, &S::ColorEachPoint, &S::SetColorEachPoint);
    BindCheckBox(*this, CBLabels, series, &S::CircleLabels, &S::SetCircleLabels,
                 [this] { EnableLabelControls(); });
    BindCheckBox(*this, CBRotated, series, &S::CircleLabelsRotated, &S::SetCircleLabelsRotated);
    BindCheckBox(*this, CBClockWise, series, &S::ClockWiseLabels, &S::SetClockWiseLabels);
    BindCheckBox(*this, CBInside, series, &S::CircleLabelsInside, &S::SetCircleLabelsInside);
    BindUpDownEdit(*this, {EMargin, UDMargin}, series, &S::LabelsMargin, &S::SetLabelsMargin,
                   {.OnlyWhileShowing = true});
    BindColorButton(*this, BColor, series, &S::SeriesColor, &S::SetSeriesColor);
}

void TPolarSeriesEditor::ConnectHandlers() {
    BBrush->OnClick = [this](TObject*) {
        if (FSeries) ShowBrushDialog(this, FSeries->Brush());
    };
    // A text that is no number keeps the increment.
    EAngleInc->OnChange = [this](TObject*) {
        double value = 0;
        if (!Loading() && FSeries && TryStrToFloat(EAngleInc->Text(), value))
            FSeries->SetAngleIncrement(value);
    };
    ERadiusInc->OnChange = [this](TObject*) {
        double value = 0;
        if (!Loading() && FSeries && TryStrToFloat(ERadiusInc->Text(), value))
            FSeries->SetRadiusIncrement(value);
    };
}

void TPolarSeriesEditor::EnableLabelControls() {
    CBRotated->SetEnabled(CBLabels->Checked());
    CBClockWise->SetEnabled(CBLabels->Checked());
}

void TPolarSeriesEditor::ShowAngleIncrementControls() {
    const bool visible = dynamic_cast<TPolarSeries*>(FSeries) != nullptr;
    LAngleInc->SetVisible(visible);
    EAngleInc->SetVisible(visible);
}

// --- Loading.

void TPolarSeriesEditor::DoShow() {
    FSeries = dynamic_cast<TCustomPolarSeries*>(TagObject());
    if (FSeries) LoadSeries();
    LoadingDone();
    TEditorForm::DoShow();
}

void TPolarSeriesEditor::LoadSeries() {
    auto loading = LoadGuard();
    LoadBindings();
    BPen->LinkPen(FSeries->Pen());
    BCircle->LinkPen(FSeries->CirclePen());
    EAngleInc->SetText(FloatToStr(FSeries->AngleIncrement()));
    ERadiusInc->SetText(FloatToStr(FSeries->RadiusIncrement()));
    FFontEditor->LoadFont(FSeries->CircleLabelsFont());
    ShowAngleIncrementControls();
    if (!FPagesEmbedded) {
        FPagesEmbedded = true;
        EmbedCircledSeriesEditor(this, FSeries);
        EmbedPointerEditor(this, FSeries->Pointer(), "Point");
    }
}
