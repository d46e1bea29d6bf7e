#include "chart/editors/TowerSeriesEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/engine/grid3d/TowerSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/EditorHooks.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/UpDown.h"

TTowerSeriesEditor::TTowerSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 330, 170);
    BuildControls();
    BindProperties();
    Button1->OnClick = [this](TObject*) {
        if (FSeries) ShowBrushDialog(Button1, FSeries->Brush());
    };
    // An incomplete number (or none) keeps the origin as it is.
    EOrigin->OnChange = [this](TObject*) {
        double origin = 0;
        if (!Loading() && FSeries && TryStrToFloat(EOrigin->Text(), origin))
            FSeries->SetOrigin(origin);
    };
    DoCreate();
}

TTowerSeriesEditor::~TTowerSeriesEditor() = default;

void TTowerSeriesEditor::BuildControls() {
    ButtonPen1 = MakeControl<TButtonPen>(this, 8, 8, 90, 25);
    ButtonPen1->SetCaption("&Border...");
    Button1 = MakePushButton(this, 8, 40, 90, "&Pattern...");
    CBDark3D = MakeCheckBox(this, 8, 74, 90, "&Dark 3D");
    CBDark3D->SetChecked(true);
    GroupBox1 = MakeControl<TGroupBox>(this, 110, 4, 100, 70);
    GroupBox1->SetCaption("Origin:");
    CBOrigin = MakeCheckBox(GroupBox1, 8, 16, 85, "&Use Origin");
    EOrigin = MakeControl<TEdit>(GroupBox1, 8, 40, 80, 23);
    MakeLabel(this, 110, 86, "&Style:");
    CBStyle = MakeControl<TComboFlat>(this, 150, 82, 90, 23);
    for (const char* style :
         {"Cube", "Rectangle", "Cover", "Cylinder", "Arrow", "Cone", "Pyramid", "Slant Cube"})
        CBStyle->AppendItem(style);
    GroupBox2 = MakeControl<TGroupBox>(this, 220, 4, 104, 74);
    GroupBox2->SetCaption("&Percent:");
    MakeLabel(GroupBox2, 6, 20, "&Depth:");
    TUpDownEdit depth = MakeUpDownEdit(GroupBox2, 50, 16, 40, 0, 100, 5);
    Edit1 = depth.Edit;
    UDDepth = depth.UpDown;
    MakeLabel(GroupBox2, 6, 48, "&Width:");
    TUpDownEdit width = MakeUpDownEdit(GroupBox2, 50, 44, 40, 0, 100, 5);
    Edit2 = width.Edit;
    UDWidth = width.UpDown;
    MakeLabel(this, 8, 120, "&Transparency:");
    TUpDownEdit transparency = MakeUpDownEdit(this, 90, 116, 45, 0, 100, 5);
    Edit3 = transparency.Edit;
    UDTransp = transparency.UpDown;
}

void TTowerSeriesEditor::BindProperties() {
    using T = TTowerSeries;
    auto series = [this] { return FSeries; };
    BindCheckBox(*this, CBDark3D, series, &T::Dark3D, &T::SetDark3D);
    BindCheckBox(*this, CBOrigin, series, &T::UseOrigin, &T::SetUseOrigin);
    BindComboBox(*this, CBStyle, series, &T::TowerStyle, &T::SetTowerStyle);
    // The percents write only once the editor shows: building it gives them their first texts.
    const TNumberEditRule shown{.Typed = TTypedNumber::InRange, .OnlyWhileShowing = true};
    BindUpDownEdit(*this, {Edit1, UDDepth}, series, &T::PercentDepth, &T::SetPercentDepth, shown);
    BindUpDownEdit(*this, {Edit2, UDWidth}, series, &T::PercentWidth, &T::SetPercentWidth, shown);
    BindUpDownEdit(*this, {Edit3, UDTransp}, series, &T::Transparency, &T::SetTransparency, shown);
}

void TTowerSeriesEditor::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == opRemove) FGrid3D.Forget(component);
}

void TTowerSeriesEditor::DoShow() {
    {
        auto loading = LoadGuard();
        if (auto* series = dynamic_cast<TTowerSeries*>(TagObject())) FSeries = series;
        if (FSeries) {
            LoadBindings();
            ButtonPen1->LinkPen(FSeries->Pen());
            EOrigin->SetText(FloatToStr(FSeries->Origin()));
        }
    }
    FGrid3D.Load(Parent(), FSeries);
    ApplyFormHook(this);
    TForm::DoShow();
}
