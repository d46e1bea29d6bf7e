#include "chart/series/text/TagCloudEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/FontEditor.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/Grid3DSeriesEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/engine/AxisPanel.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/series/text/TagCloudSeries.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"

TTagCloudEditor::TTagCloudEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 320, 200);
    SetAlign(alClient);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    TabFont = MakeTabSheet(this, PageControl1, "Font");
    TabGradient = MakeTabSheet(this, PageControl1, "Gradient");
    MakeLabel(TabOptions, 8, 12, "&Filter:");
    EFilter = MakeControl<TEdit>(TabOptions, 100, 8, 120, 21);
    MakeLabel(TabOptions, 8, 40, "&Separation %:");
    const TUpDownEdit separation = MakeUpDownEdit(TabOptions, 100, 36, 45, 0, 1000, 1);
    ESeparation = separation.Edit;
    UDSeparation = separation.UpDown;
    CBClip = MakeCheckBox(TabOptions, 8, 66, 100, "&Clip");
    BBorder = MakeControl<TButtonPen>(TabOptions, 8, 92, 90, 25);
    BBorder->SetCaption("&Border...");
    BPattern = MakePushButton(TabOptions, 110, 92, 90, "&Pattern...");
    PageControl1->SetActivePage(TabOptions);
    FontEditor = EmbedFontEditor(TabFont);

    using S = TTagCloudSeries;
    auto series = [this] { return FSeries; };
    EFilter->OnChange = [this](TObject*) {
        if (FSeries && !Loading()) FSeries->SetFilter(EFilter->Text());
    };
    BindUpDownEdit(*this, separation, series, &S::TagSeparation, &S::SetTagSeparation,
                   TNumberEditRule{TTypedNumber::InRange, true});
    CBClip->OnClick = [this](TObject*) {
        if (FSeries && !Loading() && FSeries->ParentChart())
            FSeries->ParentChart()->SetClipPoints(CBClip->Checked());
    };
    BPattern->OnClick = [this](TObject*) {
        if (FSeries && ShowBrushDialog(this, FSeries->Brush())) FSeries->Repaint();
    };
    DoCreate();
}

TTagCloudEditor::~TTagCloudEditor() {
    if (FontEditor) TObject::Free(FontEditor);
}

void TTagCloudEditor::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == opRemove) FGrid3D.Forget(component);
}

void TTagCloudEditor::DoShow() {
    if (auto* series = dynamic_cast<TTagCloudSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        EFilter->SetText(FSeries->Filter());
        if (FSeries->ParentChart()) CBClip->SetChecked(FSeries->ParentChart()->ClipPoints());
        BBorder->LinkPen(FSeries->Pen());
        FontEditor->LoadFont(FSeries->Font());
        if (!GradientEditor) {
            GradientEditor = TTeeGradientEditor::CreateEmbedded(this, FSeries->Gradient());
            EmbedTaggedEditorForm(*GradientEditor, *TabGradient, FSeries->Gradient());
        }
        LoadBindings();
        if (Parent()) {
            FGrid3D.Load(Parent(), FSeries);
            if (FGrid3D.Page()) FGrid3D.Page()->PanelRight->Hide();
        }
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
