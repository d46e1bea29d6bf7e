#include "chart/editors/SurfaceSeriesEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/engine/grid3d/SurfaceSeries.h"
#include "chart/foundation/ChartPen.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"

namespace {

enum { dmSolid, dmWireFrame, dmDotFrame };

}  // namespace

TSurfaceSeriesEditor::TSurfaceSeriesEditor(TComponent* owner) : TEditorForm(owner, true) {
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 330, 190);
    BuildControls();
    BindProperties();
    RadioGroup1->OnClick = [this](TObject*) { DrawingModeClicked(); };
    Button3->OnClick = [this](TObject*) {
        if (FSeries) ShowBrushDialog(Button3, FSeries->Brush());
    };
    Button1->OnClick = [this](TObject*) {
        if (FSeries) ShowBrushDialog(Button1, FSeries->SideBrush());
    };
    DoCreate();
}

TSurfaceSeriesEditor::~TSurfaceSeriesEditor() = default;

void TSurfaceSeriesEditor::BuildControls() {
    RadioGroup1 = MakeControl<TRadioGroup>(this, 8, 4, 310, 44);
    RadioGroup1->SetCaption("&Drawing Mode:");
    RadioGroup1->SetColumns(3);
    for (const char* item : {"Solid", "WireFrame", "DotFrame"}) RadioGroup1->Items()->Add(item);
    CBSmooth = MakeCheckBox(this, 8, 56, 130, "&Smooth palette");
    Button2 = MakeControl<TButtonPen>(this, 8, 82, 95, 25);
    Button2->SetCaption("&Pen...");
    Button3 = MakePushButton(this, 110, 82, 95, "&Brush...");
    Button1 = MakePushButton(this, 212, 82, 105, "S&ide Brush...");
    BSideLines = MakeControl<TButtonPen>(this, 212, 114, 105, 25);
    BSideLines->SetCaption("Side &Lines...");
    MakeLabel(this, 8, 118, "&Transparency:");
    TUpDownEdit transparency = MakeUpDownEdit(this, 100, 114, 40, 0, 100, 5);
    Edit1 = transparency.Edit;
    UDTransp = transparency.UpDown;
    CBFastBrush = MakeCheckBox(this, 8, 150, 100, "&Fast Brush");
    CBHideCells = MakeCheckBox(this, 120, 150, 100, "&Hide Cells");
}

void TSurfaceSeriesEditor::BindProperties() {
    using S = TSurfaceSeries;
    auto series = [this] { return FSeries; };
    BindCheckBox(*this, CBSmooth, series, &S::SmoothPalette, &S::SetSmoothPalette);
    // Transparency writes only once the editor shows: building it gives the edit its first text.
    BindUpDownEdit(*this, {Edit1, UDTransp}, series, &S::Transparency, &S::SetTransparency,
                   {.OnlyWhileShowing = true});
    BindCheckBox(*this, CBFastBrush, series, &S::FastBrush, &S::SetFastBrush);
    // Hidden cells show at once.
    BindCheckBox(*this, CBHideCells, series, &S::HideCells, [](S& surface, bool hide) {
        surface.SetHideCells(hide);
        surface.Repaint();
    });
}

void TSurfaceSeriesEditor::DrawingModeClicked() {
    if (Loading() || !FSeries || !Showing()) return;
    // The two frame modes exclude each other; solid is neither.
    switch (RadioGroup1->ItemIndex()) {
        case dmSolid:
            FSeries->SetDotFrame(false);
            FSeries->SetWireFrame(false);
            break;
        case dmWireFrame:
            FSeries->SetWireFrame(true);
            break;
        case dmDotFrame:
            FSeries->SetDotFrame(true);
            break;
    }
}

void TSurfaceSeriesEditor::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == opRemove) FGrid3D.Forget(component);
}

void TSurfaceSeriesEditor::DoShow() {
    FSeries = dynamic_cast<TSurfaceSeries*>(TagObject());
    if (FSeries) {
        auto loading = LoadGuard();
        RadioGroup1->SetItemIndex(FSeries->WireFrame()  ? dmWireFrame
                                  : FSeries->DotFrame() ? dmDotFrame
                                                        : dmSolid);
        LoadBindings();
        Button2->LinkPen(FSeries->Pen());
        BSideLines->LinkPen(FSeries->SideLines());
        FGrid3D.Load(Parent(), FSeries);
    }
    LoadingDone();
    TForm::DoShow();
}
