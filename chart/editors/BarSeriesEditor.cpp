#include "chart/editors/BarSeriesEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/SeriesEditorControls.h"
#include "chart/editors/SeriesPage.h"
#include "chart/editors/ShadowEditor.h"
#include "chart/editors/StackBarSeriesEditor.h"
#include "chart/engine/BarSeriesGradient.h"
#include "chart/engine/CustomBarSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/TeeButtons.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"

TBarSeriesEditor::TBarSeriesEditor(TComponent* owner) : TEditorForm(owner, true) {
    SetBounds(0, 0, 330, 200);
    PageControl1 = MakeControl<TPageControl>(this, 0, 0, 330, 200);
    PageControl1->SetAlign(alClient);
    TabFormat = MakeTabSheet(PageControl1, PageControl1, "Format");
    TabSize = MakeTabSheet(PageControl1, PageControl1, "Size");
    TabShadow = MakeTabSheet(PageControl1, PageControl1, "Shadow");
    TabBorder = MakeTabSheet(PageControl1, PageControl1, "Border");

    LStyle = MakeLabel(TabFormat, 8, 12, "St&yle:");
    CBBarStyle = MakeFlatCombo(TabFormat, 50, 8, 120,
                               {"Rectangle", "Pyramid", "Invert. Pyramid", "Cylinder", "Ellipse",
                                "Arrow", "Rect. Gradient", "Cone", "Bevel", "Slant Cube", "Diamond",
                                "Invert. Arrow", "Invert. Cone"});
    CBBarStyle->SetDropDownCount(9);
    BBarBrush = MakePushButton(TabFormat, 185, 8, 95, "&Pattern...");
    CBColorEach = MakeCheckBox(TabFormat, 8, 42, 100, "Color &Each");
    BBarColor = MakeControl<TButtonColor>(TabFormat, 185, 38, 95, 25);
    BBarColor->SetCaption("&Color...");
    BGradient = MakePushButton(TabFormat, 185, 68, 95, "&Gradient...");
    BTickLines = MakeControl<TButtonPen>(TabFormat, 185, 98, 95, 25);
    BTickLines->SetCaption("&Tick lines...");
    CBDarkBar = MakeCheckBox(TabFormat, 8, 70, 150, "&Dark Bar 3D Sides");
    LTransp = MakeLabel(TabFormat, 8, 104, "&Transparency:");
    TBTransp = MakeTransparencyBar(TabFormat, 8, 122, 150);

    MakeLabel(TabSize, 8, 12, "% Bar &Width:");
    TUpDownEdit width = MakeUpDownEdit(TabSize, 100, 8, 50, 1, 100, 5);
    SEBarwidth = width.Edit;
    UDBarWidth = width.UpDown;
    MakeLabel(TabSize, 8, 42, "% Bar O&ffset:");
    TUpDownEdit offset = MakeUpDownEdit(TabSize, 100, 38, 50, -100, 100, 5);
    SEBarOffset = offset.Edit;
    UDBarOffset = offset.UpDown;
    MakeLabel(TabSize, 8, 72, "% Bar &Depth:");
    TUpDownEdit depth = MakeUpDownEdit(TabSize, 100, 68, 50, 1, 100, 5);
    Edit1 = depth.Edit;
    UDDepth = depth.UpDown;
    CBBarSideMargins = MakeCheckBox(TabSize, 170, 10, 140, "Bar S&ide Margins");
    CBMarksAutoPosition = MakeCheckBox(TabSize, 170, 34, 140, "&Auto Mark Position");

    BBarPen = MakeControl<TButtonPen>(TabBorder, 8, 8, 95, 25);
    BBarPen->SetCaption("&Border...");
    LBevel = MakeLabel(TabBorder, 8, 46, "Be&vel size:");
    TUpDownEdit bevel = MakeUpDownEdit(TabBorder, 90, 42, 45, 0, 100);
    EBevel = bevel.Edit;
    UDBevel = bevel.UpDown;
    UDBevel->SetPosition(1);
    MakeLabel(TabBorder, 8, 76, "Dark Border:");
    TUpDownEdit darkPen = MakeUpDownEdit(TabBorder, 90, 72, 45, 0, 255, 5);
    Edit2 = darkPen.Edit;
    UDDarkPen = darkPen.UpDown;
    UDDarkPen->SetPosition(255);

    CBBarStyle->OnChange = [this](TObject*) {
        if (Loading() || !FSeries || CBBarStyle->ItemIndex() < 0) return;
        FSeries->SetBarStyle(TBarStyle(CBBarStyle->ItemIndex()));
        ApplyStyleRules();
    };
    SEBarwidth->OnChange = [this](TObject*) {
        PositionChanged(UDBarWidth, &TCustomBarSeries::SetBarWidthPercent);
    };
    SEBarOffset->OnChange = [this](TObject*) {
        PositionChanged(UDBarOffset, &TCustomBarSeries::SetOffsetPercent);
    };
    Edit1->OnChange = [this](TObject*) {
        PositionChanged(UDDepth, &TCustomBarSeries::SetDepthPercent);
    };
    EBevel->OnChange = [this](TObject*) {
        PositionChanged(UDBevel, &TCustomBarSeries::SetBevelSize);
    };
    Edit2->OnChange = [this](TObject*) {
        PositionChanged(UDDarkPen, &TCustomBarSeries::SetDarkPen);
    };
    CBColorEach->OnClick = [this](TObject*) {
        if (Loading() || !FSeries) return;
        FSeries->SetColorEachPoint(CBColorEach->Checked());
        EnableColorButton();
    };
    CBDarkBar->OnClick = [this](TObject*) {
        if (!Loading() && FSeries) FSeries->SetDark3D(CBDarkBar->Checked());
    };
    CBBarSideMargins->OnClick = [this](TObject*) {
        if (!Loading() && FSeries) FSeries->SetSideMargins(CBBarSideMargins->Checked());
    };
    CBMarksAutoPosition->OnClick = [this](TObject*) {
        if (!Loading() && FSeries) FSeries->SetAutoMarkPosition(CBMarksAutoPosition->Checked());
    };
    TBTransp->OnChange = [this](TObject*) {
        if (!Loading() && FSeries) FSeries->SetTransparency(TBTransp->Position());
    };
    BBarBrush->OnClick = [this](TObject*) {
        if (FSeries) ShowBrushDialog(BBarBrush, FSeries->Brush());
    };
    BGradient->OnClick = [this](TObject*) { BGradientClick(); };
    PageControl1->SetActivePage(TabFormat);
    DoCreate();
    SetAlign(alClient);
}

TBarSeriesEditor::~TBarSeriesEditor() {
    FShadowEditor.reset();
    FreeSubPage(FStackPage);
}

void TBarSeriesEditor::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FStackPage) FStackPage = nullptr;
    TForm::Notification(component, operation);
}

void TBarSeriesEditor::PositionChanged(const TUpDown* upDown, void (TCustomBarSeries::*set)(int)) {
    if (!Loading() && FSeries) (FSeries->*set)(UpDownPosition(*upDown));
}

void TBarSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TCustomBarSeries*>(TagObject())) {
        FSeries = series;
        auto loading = LoadGuard();
        LoadSeries();
    }
    LoadingDone();
    TForm::DoShow();
}

void TBarSeriesEditor::LoadSeries() {
    CBBarStyle->SetItemIndex(int(FSeries->BarStyle()));
    UDBarWidth->SetPosition(FSeries->BarWidthPercent());
    UDBarOffset->SetPosition(FSeries->OffsetPercent());
    UDDepth->SetPosition(FSeries->DepthPercent());
    CBColorEach->SetChecked(FSeries->ColorEachPoint());
    CBMarksAutoPosition->SetChecked(FSeries->AutoMarkPosition());
    CBDarkBar->SetChecked(FSeries->Dark3D());
    CBBarSideMargins->SetChecked(FSeries->SideMargins());
    UDBevel->SetPosition(FSeries->BevelSize());
    UDDarkPen->SetPosition(FSeries->DarkPen());
    TBTransp->SetPosition(FSeries->Transparency());
    BBarPen->LinkPen(FSeries->Pen());
    BTickLines->LinkPen(FSeries->TickLines());
    if (!FShadowEditor) FShadowEditor.reset(EmbedShadowEditor(TabShadow));
    FShadowEditor->LoadShadow(FSeries->Shadow());
    ApplyStyleRules();
    BBarColor->LinkToProperty(FSeries, "SeriesColor");
    EnableColorButton();
    if (!FStackPage)
        FStackPage = WatchSubPage(
            this, TFormTeeSeries::InsertEditorPage(this, TStackBarSeriesEditor::StaticClass(),
                                                   "Stack", FSeries, 1));
}

void TBarSeriesEditor::ApplyStyleRules() {
    const TBarStyle style = FSeries->BarStyle();
    BGradient->SetEnabled(style == bsRectangle || style == bsRectGradient);
    const bool bevel = style == bsBevel;
    LBevel->SetEnabled(bevel);
    EBevel->SetEnabled(bevel);
    UDBevel->SetEnabled(bevel);
}

void TBarSeriesEditor::EnableColorButton() {
    BBarColor->SetEnabled(!FSeries->ColorEachPoint());
    if (BBarColor->Enabled()) BBarColor->Repaint();
}

void TBarSeriesEditor::BGradientClick() {
    if (!FSeries) return;
    // The gradient shows only on rectangle-gradient bars, so the style comes first; it stays
    // whatever the dialog's answer.
    FSeries->SetBarStyle(bsRectGradient);
    CBBarStyle->SetItemIndex(int(bsRectGradient));
    ShowGradientEditor(this, FSeries->Gradient(), true, true);
}
