#include "chart/editors/LineSeriesEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/OwnedForm.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/SeriesEditorControls.h"
#include "chart/editors/ShadowEditor.h"
#include "chart/engine/CustomSeries.h"
#include "chart/engine/LineSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"

TCustomSeriesEditor::TCustomSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 400, 220);
    BuildControls();
    BindProperties();
    Button1->OnClick = [this](TObject*) { Button1Click(); };
    BBrush->OnClick = [this](TObject*) {
        if (FSeries) ShowBrushDialog(BBrush, FSeries->Brush());
    };
    // The pen's sample and the colour's show the same colour.
    BLineColor->OnClick = [this](TObject*) { BLineBorder->Invalidate(); };
    BLineBorder->OnClick = [this](TObject*) { BLineColor->Invalidate(); };
    DoCreate();
    SetAlign(alClient);
}

void TCustomSeriesEditor::BuildControls() {
    BLineBorder = MakeControl<TButtonPen>(this, 8, 8, 95, 25);
    BLineBorder->SetCaption("&Border...");
    BLineColor = MakeControl<TButtonColor>(this, 8, 38, 95, 25);
    BLineColor->SetCaption("&Color...");
    BBrush = MakePushButton(this, 8, 68, 95, "&Pattern...");
    BOutline = MakeControl<TButtonPen>(this, 8, 98, 95, 25);
    BOutline->SetCaption("&Outline...");
    Button1 = MakePushButton(this, 8, 128, 95, "S&hadow...");
    BGradient = MakeControl<TButtonGradient>(this, 8, 158, 95, 25);
    BGradient->SetCaption("&Gradient...");
    CBColorEach = MakeCheckBox(this, 115, 8, 110, "Color &Each");
    CheckBox1 = MakeCheckBox(this, 115, 30, 110, "Color Each line");
    CBDark3D = MakeCheckBox(this, 115, 52, 110, "&Dark 3D");
    CBClick = MakeCheckBox(this, 115, 74, 110, "Clic&kable");
    LHeight = MakeLabel(this, 115, 102, "&Height 3D:");
    TUpDownEdit height = MakeUpDownEdit(this, 180, 98, 40, 0, 100);
    EHeight = height.Edit;
    UDHeight = height.UpDown;
    EHeight->SetText("0");
    GBStair = MakeControl<TGroupBox>(this, 115, 128, 110, 64);
    GBStair->SetCaption("Line Mode:");
    CBStairs = MakeCheckBox(GBStair, 8, 18, 95, "&Stairs");
    CBInvStairs = MakeCheckBox(GBStair, 8, 40, 95, "&Inverted");
    LStack = MakeLabel(this, 240, 12, "S&tack:");
    CBStack = MakeFlatCombo(this, 240, 28, 150, {"None", "Overlap", "Stack", "Stack 100%"});
    LNulls = MakeLabel(this, 240, 60, "Treat &nulls:");
    CBNulls = MakeFlatCombo(this, 240, 76, 150, {"Dont Paint", "Skip", "Ignore"});
    CBNulls->SetItemIndex(0);
    LTransp = MakeLabel(this, 240, 108, "&Transparency:");
    TBTransp = MakeTransparencyBar(this, 240, 124, 150);
}

void TCustomSeriesEditor::BindProperties() {
    using S = TCustomSeries;
    auto series = [this] { return FSeries; };
    BindCheckBox(*this, CBColorEach, series, &S::ColorEachPoint, &S::SetColorEachPoint);
    BindCheckBox(*this, CBClick, series, &S::ClickableLine, &S::SetClickableLine);
    BindCheckBox(*this, CheckBox1, series, &S::ColorEachLine, &S::SetColorEachLine);
    BindComboBox(*this, CBStack, series, &S::Stacked, &S::SetStacked);
    // Every series of the family treats nulls, so the list shows what it does on any of them.
    BindComboBox(*this, CBNulls, series, &S::TreatNulls, &S::SetTreatNulls);
    // The ribbon, stairs and fill of a line belong to the line series alone: other series hide
    // their controls.
    auto line = [this]() -> S* { return dynamic_cast<TLineSeries*>(FSeries); };
    BindCheckBox(*this, CBStairs, line, &S::Stairs, &S::SetStairs,
                 [this] { CBInvStairs->SetEnabled(CBStairs->Checked()); });
    BindCheckBox(*this, CBInvStairs, line, &S::InvertedStairs, &S::SetInvertedStairs);
    BindCheckBox(*this, CBDark3D, line, &S::Dark3D, &S::SetDark3D);
    BindUpDownEdit(*this, {EHeight, UDHeight}, line, &S::LineHeight, &S::SetLineHeight,
                   {.Typed = TTypedNumber::Clamped, .OnlyWhileShowing = true});
    BindTrackBar(*this, TBTransp, line, &S::Transparency, &S::SetTransparency);
}

TCustomSeriesEditor::~TCustomSeriesEditor() { FreeSubPage(FPointPage); }

void TCustomSeriesEditor::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FPointPage) FPointPage = nullptr;
    TForm::Notification(component, operation);
}

void TCustomSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TCustomSeries*>(TagObject())) {
        FSeries = series;
        auto loading = LoadGuard();
        LoadBindings();
        LoadSeries();
    }
    TForm::DoShow();
}

void TCustomSeriesEditor::LoadSeries() {
    BLineBorder->LinkPen(FSeries->LinePen());
    if (dynamic_cast<TLineSeries*>(FSeries)) {
        CBInvStairs->SetEnabled(CBStairs->Checked());
        BOutline->LinkPen(FSeries->OutLine());
        BGradient->LinkGradient(FSeries->GetGradient());
    } else {
        SetControlsVisible(false, {BBrush, BOutline, GBStair, CBDark3D, LHeight, EHeight, UDHeight,
                                   BGradient, TBTransp});
    }
    BLineColor->LinkToProperty(FSeries, "SeriesColor");
    if (Parent() && !FPointPage) FPointPage = AddPointPage(this, FSeries->Pointer());
}

void TCustomSeriesEditor::Button1Click() {
    if (!FSeries) return;
    TOwnedForm<TTeeShadowEditor> editor(CreateEditorDialog<TTeeShadowEditor>(this));
    editor->LoadShadow(FSeries->Shadow());
    SetControlsVisible(
        false, {editor->CBSmooth, editor->UDShadowTransp, editor->EShadowTransp, editor->LTransp});
    editor->ShowModal();
}
