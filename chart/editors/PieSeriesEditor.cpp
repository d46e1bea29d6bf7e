#include "chart/editors/PieSeriesEditor.h"

#include "chart/editors/CircledSeriesEditor.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/LegendPage.h"
#include "chart/editors/OwnedForm.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/SeriesEditorControls.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ColorPalettes.h"
#include "chart/engine/PieSeries.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"

TPieSeriesEditor::TPieSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 330, 200);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    TabGroup = MakeTabSheet(this, PageControl1, "Group Slices");
    TabColors = MakeTabSheet(this, PageControl1, "Colors");
    TabMarks = MakeTabSheet(this, PageControl1, "Marks");
    BuildOptionsPage();
    BuildOtherPages();
    BindProperties();
    ConnectHandlers();
    DoCreate();
}

TPieSeriesEditor::~TPieSeriesEditor() {
    if (FCircledPage) {
        FCircledPage->RemoveFreeNotification(this);
        TObject::Free(FCircledPage);
    }
}

void TPieSeriesEditor::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FCircledPage) FCircledPage = nullptr;
    TForm::Notification(component, operation);
}

void TPieSeriesEditor::BuildOptionsPage() {
    TWinControl* tab = TabOptions;
    CBDark3d = MakeCheckBox(tab, 8, 6, 100, "&Dark 3D");
    MakeLabel(tab, 8, 32, "&Explode biggest:");
    TUpDownEdit explode = MakeUpDownEdit(tab, 100, 28, 40, 0, 100, 5);
    SEExpBig = explode.Edit;
    UDExpBig = explode.UpDown;
    CBPatterns = MakeCheckBox(tab, 8, 58, 100, "Pa&tterns");
    BPen = MakeControl<TButtonPen>(tab, 8, 82, 90, 25);
    BPen->SetCaption("&Border...");
    MakeLabel(tab, 8, 116, "Total angle:");
    TUpDownEdit angle = MakeUpDownEdit(tab, 100, 112, 45, 1, 360, 5);
    Edit1 = angle.Edit;
    UDAngleSize = angle.UpDown;
    UDAngleSize->SetPosition(360);
    BGradient = MakeControl<TButtonGradient>(tab, 170, 4, 110, 25);
    BGradient->SetCaption("3D &Gradient...");
    // The 3-D gradient runs from each slice's own colour: only its other colour is chosen.
    BGradient->HideEndColor = true;
    MakeLabel(tab, 170, 36, "Dar&k Border:");
    TUpDownEdit dark = MakeUpDownEdit(tab, 250, 32, 45, 0, 255, 5);
    Edit2 = dark.Edit;
    UpDown1 = dark.UpDown;
    UpDown1->SetPosition(255);
    MakeLabel(tab, 170, 64, "&Multiple Pies:");
    CBMultiple = MakeFlatCombo(tab, 250, 60, 70, {"Automatic", "Disable"});
    MakeLabel(tab, 170, 96, "Grad&ient Bright:");
    TBBright = MakeControl<TTrackBar>(tab, 170, 112, 120, 28);
    TBBright->SetMin(-255);
    TBBright->SetMax(255);
    TBBright->SetLineSize(5);
    TBBright->SetFrequency(32);
    LBright = MakeLabel(tab, 295, 118, "0");
}

void TPieSeriesEditor::BuildOtherPages() {
    TWinControl* group = TabGroup;
    MakeLabel(group, 8, 12, "&Style:");
    CBOther = MakeFlatCombo(group, 60, 8, 110, {"None", "Below %", "Below Value"});
    MakeLabel(group, 8, 44, "&Value:");
    EOtherValue = MakeControl<TEdit>(group, 60, 40, 110, 23);
    EOtherValue->SetText("0");
    MakeLabel(group, 8, 76, "&Label:");
    EOtherLabel = MakeControl<TEdit>(group, 60, 72, 110, 23);
    EOtherLabel->SetText("Other");
    Button2 = MakePushButton(group, 190, 8, 90, "Le&gend...");

    TWinControl* colors = TabColors;
    CBColorEach = MakeCheckBox(colors, 8, 8, 120, "Color &Each slice");
    BColor = MakeControl<TButtonColor>(colors, 140, 6, 90, 25);
    BColor->SetCaption("&Color...");
    MakeLabel(colors, 8, 44, "C&olor palette:");
    CBPalette = MakeFlatCombo(colors, 100, 40, 130, {});

    TWinControl* marks = TabMarks;
    CBMarksAutoPosition = MakeCheckBox(marks, 8, 8, 160, "&Auto Mark Position");
    CBMarksAutoPosition->SetChecked(true);
    CBVertCenter = MakeCheckBox(marks, 8, 32, 180, "&Vertical center callout");
    MakeLabel(marks, 8, 64, "Callout Leg &size:");
    SBLegSize = MakeControl<TScrollBar>(marks, 110, 62, 150, 17);
}

void TPieSeriesEditor::BindProperties() {
    using P = TPieSeries;
    auto series = [this] { return FSeries; };
    BindCheckBox(*this, CBPatterns, series, &P::UsePatterns, &P::SetUsePatterns);
    // The edits write only once the editor shows: building it gives them their first texts.
    const TNumberEditRule shown{.Typed = TTypedNumber::InRange, .OnlyWhileShowing = true};
    BindUpDownEdit(*this, {SEExpBig, UDExpBig}, series, &P::ExplodeBiggest, &P::SetExplodeBiggest,
                   shown);
    BindUpDownEdit(*this, {Edit1, UDAngleSize}, series, &P::AngleSize, &P::SetAngleSize, shown);
    BindUpDownEdit(*this, {Edit2, UpDown1}, series, &P::DarkPen, &P::SetDarkPen, shown);
    BindComboBox(*this, CBMultiple, series, &P::MultiPie, &P::SetMultiPie);
    // Grouping the small slices gives the other slice its value and label.
    BindComboBox(
        *this, CBOther, [this] { return FSeries ? FSeries->OtherSlice() : nullptr; },
        &TPieOtherSlice::Style, &TPieOtherSlice::SetStyle, [this] { EnableOtherSlice(); });
    BindCheckBox(*this, CBColorEach, series, &P::ColorEachPoint, &P::SetColorEachPoint,
                 [this] { EnableColors(); });
    BindCheckBox(*this, CBMarksAutoPosition, series, &P::AutoMarkPosition, &P::SetAutoMarkPosition);
    BindCheckBox(
        *this, CBVertCenter, [this] { return FSeries ? FSeries->PieMarks() : nullptr; },
        &TPieMarks::VertCenter, &TPieMarks::SetVertCenter);
}

void TPieSeriesEditor::ConnectHandlers() {
    CBDark3d->OnClick = [this](TObject*) {
        if (!Loading() && FSeries && Showing()) FSeries->SetDark3D(CBDark3d->Checked());
    };
    TBBright->OnChange = [this](TObject*) {
        if (!FSeries) return;
        if (!Loading()) FSeries->SetGradientBright(TBBright->Position());
        LBright->SetCaption(IntToStr(FSeries->GradientBright()));
    };
    // Each complete number is taken as it is typed; a text that is not one raises the
    // conversion error, which the application reports, and leaves the value as it was.
    EOtherValue->OnChange = [this](TObject*) {
        if (Loading() || !FSeries || EOtherValue->Text().empty()) return;
        FSeries->OtherSlice()->SetValue(double(StrToFloat(EOtherValue->Text())));
    };
    EOtherLabel->OnChange = [this](TObject*) {
        if (!Loading() && FSeries) FSeries->OtherSlice()->SetText(EOtherLabel->Text());
    };
    Button2->OnClick = [this](TObject*) { EditOtherLegend(); };
    CBPalette->OnChange = [this](TObject*) {
        auto* chart = FSeries ? dynamic_cast<TCustomChart*>(FSeries->ParentChart()) : nullptr;
        if (!Loading() && chart && CBPalette->ItemIndex() >= 0)
            chart->SetColorPaletteIndex(CBPalette->ItemIndex() - 1);
    };
    SBLegSize->OnChange = [this](TObject*) {
        if (!Loading() && FSeries) FSeries->PieMarks()->SetLegSize(SBLegSize->Position());
    };
}

void TPieSeriesEditor::EnableOtherSlice() {
    const bool grouping = CBOther->ItemIndex() > int(poNone);
    EOtherValue->SetEnabled(grouping);
    EOtherLabel->SetEnabled(grouping);
}

void TPieSeriesEditor::EnableColors() {
    BColor->SetEnabled(!CBColorEach->Checked());
    CBPalette->SetEnabled(CBColorEach->Checked());
}

void TPieSeriesEditor::EditOtherLegend() {
    if (!FSeries) return;
    TOwnedForm<TFormTeeLegend> page(new TFormTeeLegend(this, FSeries->OtherSlice()->Legend()));
    page->SetBorderStyle(bsDialog);
    page->SetCaption("Legend");
    CenterEditorForm(*page);
    page->ShowModal();
}

void TPieSeriesEditor::LoadSeries() {
    TPieSeries& pie = *FSeries;
    TCustomAxisPanel* chart = pie.ParentChart();
    LoadBindings();
    BColor->LinkToProperty(&pie, "SeriesColor");
    CBDark3d->SetChecked(pie.Dark3D());
    CBDark3d->SetEnabled(chart && chart->View3D());
    BColor->SetEnabled(!pie.ColorEachPoint());

    CBPalette->Items()->Clear();
    TColorPalettes::AddNamesTo(*CBPalette->Items(), true);
    auto* custom = dynamic_cast<TCustomChart*>(chart);
    CBPalette->SetEnabled(chart != nullptr);
    CBPalette->SetItemIndex(custom ? custom->ColorPaletteIndex() + 1 : 0);

    EOtherLabel->SetText(pie.OtherSlice()->Text());
    EOtherValue->SetText(FloatToStr(pie.OtherSlice()->Value()));
    EnableOtherSlice();

    BPen->LinkPen(pie.Pen());
    SBLegSize->SetPosition(pie.PieMarks()->LegSize());
    BGradient->LinkGradient(pie.Gradient());
    TBBright->SetPosition(pie.GradientBright());
    LBright->SetCaption(IntToStr(pie.GradientBright()));
    if (!FCircledPage) {
        FCircledPage = EmbedCircledSeriesEditor(this, &pie);
        FCircledPage->FreeNotification(this);
        // The pie's circle has no background of its own to edit here.
        SetControlsVisible(false,
                           {FCircledPage->BBack, FCircledPage->CBTransp, FCircledPage->BGradient});
    }
}

void TPieSeriesEditor::DoShow() {
    {
        auto loading = LoadGuard();
        if (auto* pie = dynamic_cast<TPieSeries*>(TagObject())) FSeries = pie;
        if (FSeries) LoadSeries();
    }
    PageControl1->SetActivePage(TabOptions);
    ApplyFormHook(this);
    TForm::DoShow();
}
