#include "chart/editors/AreaSeriesEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/SeriesEditorControls.h"
#include "chart/editors/SeriesPage.h"
#include "chart/engine/AreaSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"

TAreaSeriesEditor::TAreaSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 330, 210);
    BuildControls();
    BindProperties();
    BPattern->OnClick = [this](TObject*) {
        if (FSeries) ShowBrushDialog(BPattern, FSeries->AreaChartBrush());
    };
    Button1->OnClick = [this](TObject*) {
        if (FSeries) ShowBrushDialog(Button1, FSeries->Brush());
    };
    // The sample shows the area's own colour while it has one.
    BAreaColor->ColorQuery = [this] {
        if (!FSeries) return BAreaColor->StoredColor();
        return FSeries->AreaColor() == clDefault ? FSeries->SeriesColor() : FSeries->AreaColor();
    };
    DoCreate();
    SetAlign(alClient);
}

void TAreaSeriesEditor::BuildControls() {
    PageControl1 = MakeControl<TPageControl>(this, 0, 0, 330, 210);
    PageControl1->SetAlign(alClient);
    TabOptions = MakeTabSheet(PageControl1, PageControl1, "Options");
    TabStack = MakeTabSheet(PageControl1, PageControl1, "Stack");

    GBArea = MakeControl<TGroupBox>(TabOptions, 4, 4, 200, 110);
    GBArea->SetCaption("Area:");
    CBStairs = MakeCheckBox(GBArea, 8, 18, 80, "&Stairs");
    CBInvStairs = MakeCheckBox(GBArea, 8, 40, 80, "Inverted");
    BAreaLinesPen = MakeControl<TButtonPen>(GBArea, 96, 14, 95, 25);
    BAreaLinesPen->SetCaption("Area &Lines...");
    BAreaLinePen = MakeControl<TButtonPen>(GBArea, 96, 44, 95, 25);
    BAreaLinePen->SetCaption("&Border...");
    BPattern = MakePushButton(GBArea, 8, 76, 85, "&Pattern...");
    Button1 = MakePushButton(GBArea, 96, 76, 95, "&Top...");
    LTransp = MakeLabel(TabOptions, 8, 124, "Tra&nsparency:");
    TUpDownEdit transp = MakeUpDownEdit(TabOptions, 90, 120, 45, 0, 100);
    ETransp = transp.Edit;
    UDTransp = transp.UpDown;
    ETransp->SetText("0");
    CBDark3D = MakeCheckBox(TabOptions, 150, 122, 90, "&Dark 3D");
    GBColor = MakeControl<TGroupBox>(TabOptions, 212, 4, 105, 80);
    GBColor->SetCaption("Color:");
    CBColorEach = MakeCheckBox(GBColor, 8, 18, 90, "Color &Each");
    BAreaColor = MakeControl<TButtonColor>(GBColor, 8, 44, 90, 25);
    BAreaColor->SetCaption("&Color...");
    LNulls = MakeLabel(TabOptions, 8, 154, "Treat n&ulls:");
    CBNulls = MakeFlatCombo(TabOptions, 90, 150, 110, {"Dont Paint", "Skip", "Ignore"});

    RGMultiArea = MakeControl<TRadioGroup>(TabStack, 4, 4, 130, 90);
    RGMultiArea->SetCaption("&Multiple Areas:");
    for (const char* item : {"None", "Stacked", "Stacked 100%"}) RGMultiArea->Items()->Add(item);
    CBUseOrigin = MakeCheckBox(TabStack, 150, 8, 100, "&Use Origin");
    LOrigin = MakeLabel(TabStack, 150, 36, "&Origin:");
    TUpDownEdit origin = MakeUpDownEdit(TabStack, 200, 32, 70, -30000, 30000);
    EOrigin = origin.Edit;
    UDOrigin = origin.UpDown;
    EOrigin->SetText("0");
    LGroup = MakeLabel(TabStack, 150, 68, "Stack &Group:");
    TUpDownEdit group = MakeUpDownEdit(TabStack, 230, 64, 45, 0, 100);
    EGroup = group.Edit;
    UDGroup = group.UpDown;
}

void TAreaSeriesEditor::BindProperties() {
    using A = TAreaSeries;
    auto series = [this] { return FSeries; };
    BindRadioGroup(*this, RGMultiArea, series, &A::MultiArea, &A::SetMultiArea,
                   [this] { EnableGroup(); });
    BindCheckBox(*this, CBColorEach, series, &A::ColorEachPoint, &A::SetColorEachPoint,
                 [this] { BAreaColor->SetEnabled(!CBColorEach->Checked()); });
    // Inverted stairs need stairs.
    BindCheckBox(*this, CBStairs, series, &A::Stairs, &A::SetStairs,
                 [this] { CBInvStairs->SetEnabled(CBStairs->Checked()); });
    BindCheckBox(*this, CBInvStairs, series, &A::InvertedStairs, &A::SetInvertedStairs);
    BindCheckBox(*this, CBUseOrigin, series, &A::UseYOrigin, &A::SetUseYOrigin,
                 [this] { EnableOrigin(); });
    // The edits write only once the editor shows: building it gives them their first texts.
    const TNumberEditRule shown{.Typed = TTypedNumber::Clamped, .OnlyWhileShowing = true};
    BindUpDownEdit(
        *this, {EOrigin, UDOrigin}, series,
        [](const A& area) { return int(Round(area.YOrigin())); }, &A::SetYOrigin, shown);
    BindUpDownEdit(*this, {EGroup, UDGroup}, series, &A::StackGroup, &A::SetStackGroup, shown);
    BindUpDownEdit(*this, {ETransp, UDTransp}, series, &A::Transparency, &A::SetTransparency,
                   shown);
    BindComboBox(*this, CBNulls, series, &A::TreatNulls, &A::SetTreatNulls);
    BindCheckBox(*this, CBDark3D, series, &A::Dark3D, &A::SetDark3D);
}

TAreaSeriesEditor::~TAreaSeriesEditor() { FreeSubPage(FPointPage); }

void TAreaSeriesEditor::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FPointPage) FPointPage = nullptr;
    if (operation == opRemove && component == FGradientPage) FGradientPage = nullptr;
    TForm::Notification(component, operation);
}

void TAreaSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TAreaSeries*>(TagObject())) {
        FSeries = series;
        auto loading = LoadGuard();
        LoadBindings();
        LoadSeries();
    }
    TForm::DoShow();
}

void TAreaSeriesEditor::LoadSeries() {
    CBInvStairs->SetEnabled(FSeries->Stairs());
    BAreaLinesPen->LinkPen(FSeries->AreaLinesPen());
    BAreaLinePen->LinkPen(FSeries->LinePen());
    BAreaColor->LinkToProperty(FSeries, "SeriesColor");
    BAreaColor->SetEnabled(!FSeries->ColorEachPoint());
    EnableOrigin();
    EnableGroup();
    if (Parent() && !FPointPage) FPointPage = AddPointPage(this, FSeries->Pointer());
    if (Parent() && !FGradientPage) AddGradientPage();
}

void TAreaSeriesEditor::AddGradientPage() {
    auto* editor = static_cast<TTeeGradientEditor*>(TFormTeeSeries::InsertEditorPage(
        this, TTeeGradientEditor::StaticClass(), "Gradient", FSeries->Gradient(), 2));
    // Edited in place like every other page: no OK or Cancel.
    editor->Panel1->Hide();
    FGradientPage = WatchSubPage(this, editor);
}

void TAreaSeriesEditor::EnableOrigin() {
    EOrigin->SetEnabled(CBUseOrigin->Checked());
    UDOrigin->SetEnabled(CBUseOrigin->Checked());
}

void TAreaSeriesEditor::EnableGroup() {
    // The radio group shows the series' stacking, also before there is a series.
    const bool stacked = RGMultiArea->ItemIndex() > int(maNone);
    EGroup->SetEnabled(stacked);
    UDGroup->SetEnabled(stacked);
}
