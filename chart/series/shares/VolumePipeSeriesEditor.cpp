#include "chart/series/shares/VolumePipeSeriesEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/series/shares/VolumePipeSeries.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/UpDown.h"

TVolumePipeSeriesEditor::TVolumePipeSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 320, 120);
    SetAlign(alClient);
    MakeLabel(this, 8, 12, "Cone percent:");
    const TUpDownEdit cone = MakeUpDownEdit(this, 90, 8, 45, 0, 100, 5);
    Edit2 = cone.Edit;
    UpDown1 = cone.UpDown;
    ButtonPen1 = MakeControl<TButtonPen>(this, 8, 40, 90, 25);
    ButtonPen1->SetCaption("&Border...");
    ButtonPen2 = MakeControl<TButtonPen>(this, 106, 40, 90, 25);
    ButtonPen2->SetCaption("&Lines...");
    Button1 = MakePushButton(this, 8, 72, 90, "&Pattern...");
    CheckBox1 = MakeCheckBox(this, 106, 76, 130, "&Brush Back Clear");
    CheckGradient = MakeCheckBox(this, 160, 8, 90, "&Gradient");
    MakeLabel(this, 204, 44, "Gradient &Direction:");
    CBDirection = MakeComboBox(this, 204, 60, 100, {"Top Bottom", "Left Right"});

    // The typed text must be a whole number; another text raises the conversion error.
    Edit2->OnChange = [this](TObject*) {
        if (!Loading() && FSeries && Showing()) FSeries->SetConePercent(StrToInt(Edit2->Text()));
    };
    Button1->OnClick = [this](TObject*) {
        if (!FSeries) return;
        ShowBrushDialog(this, FSeries->Brush());
        if (CheckBox1->Checked()) ClearBrushBack();
    };
    CheckBox1->OnClick = [this](TObject*) {
        if (!Loading() && CheckBox1->Checked()) ClearBrushBack();
    };
    auto series = [this] { return FSeries; };
    BindCheckBox(
        *this, CheckGradient, series,
        [](const TVolumePipeSeries& s) { return s.Gradient()->Visible(); },
        [](TVolumePipeSeries& s, bool value) { s.Gradient()->SetVisible(value); });
    BindComboBox(
        *this, CBDirection, series,
        [](const TVolumePipeSeries& s) { return s.Gradient()->Direction() == gdTopBottom ? 0 : 1; },
        [](TVolumePipeSeries& s, int index) {
            s.Gradient()->SetDirection(index == 1 ? gdRightLeft : gdTopBottom);
        });
    DoCreate();
}

TVolumePipeSeriesEditor::~TVolumePipeSeriesEditor() = default;

void TVolumePipeSeriesEditor::ClearBrushBack() {
    if (FSeries) FSeries->Brush()->SetColor(clNone);
}

void TVolumePipeSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TVolumePipeSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        UpDown1->SetPosition(FSeries->ConePercent());
        ButtonPen1->LinkPen(FSeries->Pen());
        ButtonPen2->LinkPen(FSeries->LinesPen());
        LoadBindings();
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
