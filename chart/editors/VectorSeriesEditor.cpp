#include "chart/editors/VectorSeriesEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/engine/grid3d/Vector3DSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/EditorHooks.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/UpDown.h"

TVectorSeriesEditor::TVectorSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 300, 110);
    BStart = MakeControl<TButtonPen>(this, 8, 8, 90, 25);
    BStart->SetCaption("&Start...");
    CBStart = MakeCheckBox(this, 110, 10, 100, "Default color");
    BEnd = MakeControl<TButtonPen>(this, 8, 40, 90, 25);
    BEnd->SetCaption("&End...");
    CBEnd = MakeCheckBox(this, 110, 42, 100, "Default color");
    MakeLabel(this, 8, 80, "Arrow &Width:");
    TUpDownEdit width = MakeUpDownEdit(this, 85, 76, 45, 1, 1000);
    Edit1 = width.Edit;
    UDWidth = width.UpDown;
    UDWidth->SetPosition(4);
    MakeLabel(this, 150, 80, "Arrow &Height:");
    TUpDownEdit height = MakeUpDownEdit(this, 230, 76, 45, 1, 1000);
    Edit2 = height.Edit;
    UDHeight = height.UpDown;
    UDHeight->SetPosition(4);

    // The sizes write only once the editor shows: building it gives the edits their first texts.
    const TNumberEditRule shown{.Typed = TTypedNumber::InRange, .OnlyWhileShowing = true};
    auto series = [this] { return FSeries; };
    BindUpDownEdit(*this, {Edit1, UDWidth}, series, &TVector3DSeries::ArrowWidth,
                   &TVector3DSeries::SetArrowWidth, shown);
    BindUpDownEdit(*this, {Edit2, UDHeight}, series, &TVector3DSeries::ArrowHeight,
                   &TVector3DSeries::SetArrowHeight, shown);
    CBStart->OnClick = [this](TObject*) { DefaultColorClicked(CBStart, BStart); };
    CBEnd->OnClick = [this](TObject*) { DefaultColorClicked(CBEnd, BEnd); };
    DoCreate();
}

TVectorSeriesEditor::~TVectorSeriesEditor() = default;

void TVectorSeriesEditor::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == opRemove) FGrid3D.Forget(component);
}

void TVectorSeriesEditor::DefaultColorClicked(TCheckBox* box, TButtonPen* button) {
    if (Loading() || !FSeries) return;
    TPen* pen = box == CBStart ? static_cast<TPen*>(FSeries->StartArrow()) : FSeries->EndArrow();
    pen->SetColor(box->Checked() ? clDefault : clBlack);
    button->Repaint();
}

void TVectorSeriesEditor::DoShow() {
    {
        auto loading = LoadGuard();
        if (auto* series = dynamic_cast<TVector3DSeries*>(TagObject())) FSeries = series;
        if (FSeries) {
            BStart->LinkPen(FSeries->StartArrow());
            BEnd->LinkPen(FSeries->EndArrow());
            LoadBindings();
            CBStart->SetChecked(FSeries->StartArrow()->Color() == clDefault);
            CBEnd->SetChecked(FSeries->EndArrow()->Color() == clDefault);
        }
    }
    FGrid3D.Load(Parent(), FSeries);
    ApplyFormHook(this);
    TForm::DoShow();
}
