#include "chart/series/price/RenkoSeriesEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/series/price/RenkoSeries.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"

TRenkoSeriesEditor::TRenkoSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 260, 140);
    SetAlign(alClient);
    MakeLabel(this, 8, 12, "&Box size:");
    EBoxSize = MakeControl<TEdit>(this, 100, 8, 70, 21);
    MakeLabel(this, 8, 40, "&Transparency:");
    const TUpDownEdit transparency = MakeUpDownEdit(this, 100, 36, 45, 0, 100, 5);
    ETransparency = transparency.Edit;
    UDTransparency = transparency.UpDown;
    CB3D = MakeCheckBox(this, 8, 66, 100, "Draw &3D");
    BUp = MakeControl<TButtonColor>(this, 8, 90, 90, 25);
    BUp->SetCaption("&Up...");
    BDown = MakeControl<TButtonColor>(this, 110, 90, 90, 25);
    BDown->SetCaption("&Down...");
    BBorder = MakeControl<TButtonPen>(this, 8, 118, 90, 25);
    BBorder->SetCaption("B&order...");
    BBrush = MakePushButton(this, 110, 118, 90, "Bru&sh...");

    using S = TRenkoSeries;
    auto series = [this] { return FSeries; };
    EBoxSize->OnChange = [this](TObject*) {
        if (FSeries && Showing() && !Loading())
            FSeries->SetBoxSize(double(StrToFloatDef(EBoxSize->Text(), FSeries->BoxSize())));
    };
    BindUpDownEdit(*this, transparency, series, &S::Transparency, &S::SetTransparency,
                   TNumberEditRule{TTypedNumber::InRange, true});
    BindCheckBox(*this, CB3D, series, &S::Draw3D, &S::SetDraw3D);
    BBrush->OnClick = [this](TObject*) {
        if (FSeries && ShowBrushDialog(this, FSeries->Brush())) FSeries->Repaint();
    };
    DoCreate();
}

TRenkoSeriesEditor::~TRenkoSeriesEditor() = default;

void TRenkoSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TRenkoSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        EBoxSize->SetText(FloatToStr(FSeries->BoxSize()));
        BUp->LinkToProperty(FSeries, "UpSwingColor");
        BDown->LinkToProperty(FSeries, "DownSwingColor");
        BBorder->LinkPen(FSeries->Pen());
        LoadBindings();
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
