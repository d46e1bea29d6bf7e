#include "chart/series/xy/ArrowSeriesEditor.h"

#include <string>

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/series/xy/ArrowSeries.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/UpDown.h"

TArrowSeriesEditor::TArrowSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 330, 150);
    BPen = MakeControl<TButtonPen>(this, 8, 8, 90, 25);
    BPen->SetCaption("&Border...");
    BBrush = MakePushButton(this, 8, 40, 90, "&Pattern...");
    MakeLabel(this, 110, 12, "&Width:");
    TUpDownEdit width = MakeUpDownEdit(this, 160, 8, 45, 1, 100);
    SEArrowWidth = width.Edit;
    UDArrowWidth = width.UpDown;
    MakeLabel(this, 110, 44, "&Height:");
    TUpDownEdit height = MakeUpDownEdit(this, 160, 40, 45, 1, 100);
    SEArrowHeight = height.Edit;
    UDArrowHeight = height.UpDown;
    MakeLabel(this, 8, 80, "&Size:");
    SBPercent = MakeControl<TScrollBar>(this, 50, 78, 150, 17);
    SBPercent->SetMin(0);
    SBPercent->SetMax(100);
    SBPercent->SetPosition(50);
    LPercent = MakeLabel(this, 210, 80, "50%");
    auto* group = MakeControl<TGroupBox>(this, 220, 4, 105, 70);
    CBColorEach = MakeCheckBox(group, 8, 16, 90, "Color &Each");
    BArrowColor = MakeControl<TButtonColor>(group, 8, 38, 90, 25);
    BArrowColor->SetCaption("&Color...");

    using S = TArrowSeries;
    auto showing = [this] { return Showing() ? FSeries : nullptr; };
    BindUpDownEdit(*this, {SEArrowWidth, UDArrowWidth}, showing, &S::ArrowWidth, &S::SetArrowWidth);
    BindUpDownEdit(*this, {SEArrowHeight, UDArrowHeight}, showing, &S::ArrowHeight,
                   &S::SetArrowHeight);
    SBPercent->OnChange = [this](TObject*) {
        LPercent->SetCaption(std::to_string(SBPercent->Position()) + "%");
        if (!Loading() && FSeries) FSeries->SetArrowPercent(SBPercent->Position());
    };
    BBrush->OnClick = [this](TObject*) {
        if (FSeries) ShowBrushDialog(BBrush, FSeries->Pointer()->Brush());
    };
    CBColorEach->OnClick = [this](TObject*) { ColorEachClicked(); };
    DoCreate();
}

TArrowSeriesEditor::~TArrowSeriesEditor() = default;

// Each point's own colour needs the pointer's brush in its automatic colour.
void TArrowSeriesEditor::ColorEachClicked() {
    if (!Loading() && FSeries) {
        FSeries->SetColorEachPoint(CBColorEach->Checked());
        if (CBColorEach->Checked()) FSeries->Pointer()->SetBrushColor(clDefault);
    }
    BArrowColor->SetEnabled(!CBColorEach->Checked());
}

void TArrowSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TArrowSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        BPen->LinkPen(FSeries->Pointer()->Pen());
        BArrowColor->LinkToProperty(FSeries, "SeriesColor");
        UDArrowWidth->SetPosition(FSeries->ArrowWidth());
        UDArrowHeight->SetPosition(FSeries->ArrowHeight());
        SBPercent->SetPosition(FSeries->ArrowPercent());
        CBColorEach->SetChecked(FSeries->ColorEachPoint());
        BArrowColor->SetEnabled(!FSeries->ColorEachPoint());
        LoadBindings();
    }
    ApplyFormHook(this);
    TForm::DoShow();
}
