#include "chart/editors/CircledSeriesEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/SeriesEditorControls.h"
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

    CBCircled->OnClick = [this](TObject*) {
        if (!Loading() && FSeries) FSeries->SetCircled(CBCircled->Checked());
    };
    CB3D->OnClick = [this](TObject*) {
        if (!Loading() && FSeries && FSeries->ParentChart())
            FSeries->ParentChart()->SetView3D(CB3D->Checked());
    };
    Edit1->OnChange = [this](TObject*) {
        int angle = 0;
        if (!Loading() && FSeries && Showing() && UpDownValue(*UDRot, angle))
            FSeries->SetRotationAngle(angle);
    };
    Edit2->OnChange = [this](TObject*) { RadiusChanged(UDX, CBAutoXR, true); };
    Edit3->OnChange = [this](TObject*) { RadiusChanged(UDY, CBAutoYR, false); };
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
    CBTransp->OnClick = [this](TObject*) {
        if (Loading() || !FSeries) return;
        if (CBTransp->Checked()) {
            FSeries->SetCircleBackColor(clDefault);
            FSeries->Gradient()->SetVisible(false);
            BBack->Repaint();
        }
        // A transparent circle is left by choosing a colour or a visible gradient.
        CBTransp->SetEnabled(!CBTransp->Checked());
    };
    DoCreate();
}

TCircledSeriesEditor::~TCircledSeriesEditor() = default;

void TCircledSeriesEditor::RadiusChanged(TUpDown* upDown, TCheckBox* autoBox, bool horizontal) {
    int radius = 0;
    if (Loading() || !FSeries || !Showing() || !UpDownValue(*upDown, radius)) return;
    if (horizontal)
        FSeries->SetCustomXRadius(radius);
    else
        FSeries->SetCustomYRadius(radius);
    autoBox->SetChecked(radius == 0);
}

void TCircledSeriesEditor::BackgroundChosen() {
    CBTransp->SetChecked(false);
    CBTransp->SetEnabled(true);
}

void TCircledSeriesEditor::DoShow() {
    auto loading = LoadGuard();
    if (auto* series = dynamic_cast<TCircledSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        CBCircled->SetChecked(FSeries->Circled());
        CB3D->SetChecked(FSeries->ParentChart() && FSeries->ParentChart()->View3D());
        UDRot->SetPosition(FSeries->RotationAngle());
        UDX->SetPosition(FSeries->CustomXRadius());
        CBAutoXR->SetChecked(FSeries->CustomXRadius() == 0);
        UDY->SetPosition(FSeries->CustomYRadius());
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
