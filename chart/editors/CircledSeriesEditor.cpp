#include "chart/editors/CircledSeriesEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/SeriesPage.h"
#include "chart/editors/ShadowEditor.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/CircledSeries.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

TCircledSeriesEditor::TCircledSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 300, 170);
    BuildControls();
    BindProperties();
    // Checking Auto puts the radius back to 0, which the edit's change then stores.
    CBAutoXR->OnClick = [this](TObject*) {
        if (CBAutoXR->Checked()) UDX->SetPosition(0);
    };
    CBAutoYR->OnClick = [this](TObject*) {
        if (CBAutoYR->Checked()) UDY->SetPosition(0);
    };
    BBack->OnClick = [this](TObject*) { BackgroundChosen(); };
    // A visible gradient fills the circle as well as a colour does.
    BGradient->OnClick = [this](TObject*) {
        if (FSeries && FSeries->Gradient()->Visible()) BackgroundChosen();
    };
    CBTransp->OnClick = [this](TObject*) { TransparentClicked(); };
    DoCreate();
}

void TCircledSeriesEditor::BuildControls() {
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    TabRadius = MakeTabSheet(this, PageControl1, "Radius");
    TabShadow = MakeTabSheet(this, PageControl1, "Shadow");

    CBCircled = MakeCheckBox(TabOptions, 8, 8, 110, "&Circled");
    CB3D = MakeCheckBox(TabOptions, 8, 32, 110, "&3 Dimensions");
    MakeLabel(TabOptions, 8, 64, "&Rotation:");
    TUpDownEdit rotation = MakeUpDownEdit(TabOptions, 70, 60, 45, 0, 360, 5);
    Edit1 = rotation.Edit;
    UDRot = rotation.UpDown;
    UDRot->SetWrap(true);
    BBack = MakeControl<TButtonColor>(TabOptions, 150, 6, 100, 25);
    BBack->SetCaption("C&olor...");
    CBTransp = MakeCheckBox(TabOptions, 150, 36, 110, "&Transparent");
    BGradient = MakeControl<TButtonGradient>(TabOptions, 150, 60, 100, 25);
    BGradient->SetCaption("&Gradient...");

    MakeLabel(TabRadius, 8, 12, "&Horizontal:");
    TUpDownEdit horizontal = MakeUpDownEdit(TabRadius, 80, 8, 50, 0, 2000, 5);
    Edit2 = horizontal.Edit;
    UDX = horizontal.UpDown;
    CBAutoXR = MakeCheckBox(TabRadius, 160, 10, 80, "&Auto");
    CBAutoXR->SetChecked(true);
    MakeLabel(TabRadius, 8, 44, "&Vertical:");
    TUpDownEdit vertical = MakeUpDownEdit(TabRadius, 80, 40, 50, 0, 2000, 5);
    Edit3 = vertical.Edit;
    UDY = vertical.UpDown;
    CBAutoYR = MakeCheckBox(TabRadius, 160, 42, 80, "A&uto");
    CBAutoYR->SetChecked(true);
}

void TCircledSeriesEditor::BindProperties() {
    using C = TCircledSeries;
    auto series = [this] { return FSeries; };
    BindCheckBox(*this, CBCircled, series, &C::Circled, &C::SetCircled);
    // "3 Dimensions" is the chart's.
    BindCheckBox(
        *this, CB3D, series,
        [](const C& s) { return s.ParentChart() && s.ParentChart()->View3D(); },
        [](C& s, bool on) {
            if (s.ParentChart()) s.ParentChart()->SetView3D(on);
        });
    // The edits write only once the editor shows: building it gives them their first texts.
    const TNumberEditRule shown{.Typed = TTypedNumber::InRange, .OnlyWhileShowing = true};
    BindUpDownEdit(*this, {Edit1, UDRot}, series, &C::RotationAngle, &C::SetRotationAngle, shown);
    // A custom radius typed (or stepped) checks its Auto box exactly at 0.
    BindUpDownEdit(
        *this, {Edit2, UDX}, series, &C::CustomXRadius,
        [this](C& s, int radius) {
            s.SetCustomXRadius(radius);
            CBAutoXR->SetChecked(radius == 0);
        },
        shown);
    BindUpDownEdit(
        *this, {Edit3, UDY}, series, &C::CustomYRadius,
        [this](C& s, int radius) {
            s.SetCustomYRadius(radius);
            CBAutoYR->SetChecked(radius == 0);
        },
        shown);
}

TCircledSeriesEditor::~TCircledSeriesEditor() = default;

void TCircledSeriesEditor::TransparentClicked() {
    if (Loading() || !FSeries) return;
    if (CBTransp->Checked()) {
        FSeries->SetCircleBackColor(clDefault);
        FSeries->Gradient()->SetVisible(false);
        BBack->Repaint();
    }
    // A transparent circle is left by choosing a colour or a visible gradient.
    CBTransp->SetEnabled(!CBTransp->Checked());
}

void TCircledSeriesEditor::BackgroundChosen() {
    CBTransp->SetChecked(false);
    CBTransp->SetEnabled(true);
}

void TCircledSeriesEditor::DoShow() {
    auto loading = LoadGuard();
    if (auto* series = dynamic_cast<TCircledSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        LoadBindings();
        CBAutoXR->SetChecked(FSeries->CustomXRadius() == 0);
        CBAutoYR->SetChecked(FSeries->CustomYRadius() == 0);
        CBTransp->SetChecked(!FSeries->HasCircleBackColor());
        CBTransp->SetEnabled(!CBTransp->Checked());
        BBack->LinkToProperty(FSeries, "CircleBackColor");
        BGradient->LinkGradient(FSeries->Gradient());
        if (!FShadowEditor) FShadowEditor.reset(EmbedShadowEditor(TabShadow));
        FShadowEditor->LoadShadow(FSeries->Shadow());
    }
    ApplyFormHook(this);
    TForm::DoShow();
}

TCircledSeriesEditor* EmbedCircledSeriesEditor(TForm* form, TCircledSeries* series) {
    return static_cast<TCircledSeriesEditor*>(TFormTeeSeries::InsertEditorPage(
        form, TCircledSeriesEditor::StaticClass(), "Circled", series, 1));
}
