#include "chart/editors/BarSeriesEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
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
    BuildControls();
    BindProperties();
    BBarBrush->OnClick = [this](TObject*) {
        if (FSeries) ShowBrushDialog(BBarBrush, FSeries->Brush());
    };
    BGradient->OnClick = [this](TObject*) { BGradientClick(); };
    PageControl1->SetActivePage(TabFormat);
    DoCreate();
    SetAlign(alClient);
}

void TBarSeriesEditor::BuildControls() {
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
}

void TBarSeriesEditor::BindProperties() {
    using B = TCustomBarSeries;
    auto series = [this] { return FSeries; };
    BindComboBox(*this, CBBarStyle, series, &B::BarStyle, &B::SetBarStyle,
                 [this] { ApplyStyleRules(); });
    const TNumberEditRule position{.Typed = TTypedNumber::Clamped};
    BindUpDownEdit(*this, {SEBarwidth, UDBarWidth}, series, &B::BarWidthPercent,
                   &B::SetBarWidthPercent, position);
    BindUpDownEdit(*this, {SEBarOffset, UDBarOffset}, series, &B::OffsetPercent,
                   &B::SetOffsetPercent, position);
    BindUpDownEdit(*this, {Edit1, UDDepth}, series, &B::DepthPercent, &B::SetDepthPercent,
                   position);
    BindUpDownEdit(*this, {EBevel, UDBevel}, series, &B::BevelSize, &B::SetBevelSize, position);
    BindUpDownEdit(*this, {Edit2, UDDarkPen}, series, &B::DarkPen, &B::SetDarkPen, position);
    BindCheckBox(*this, CBColorEach, series, &B::ColorEachPoint, &B::SetColorEachPoint,
                 [this] { EnableColorButton(); });
    BindCheckBox(*this, CBDarkBar, series, &B::Dark3D, &B::SetDark3D);
    BindCheckBox(*this, CBBarSideMargins, series, &B::SideMargins, &B::SetSideMargins);
    BindCheckBox(*this, CBMarksAutoPosition, series, &B::AutoMarkPosition, &B::SetAutoMarkPosition);
    BindTrackBar(*this, TBTransp, series, &B::Transparency, &B::SetTransparency);
}

TBarSeriesEditor::~TBarSeriesEditor() {
    FShadowEditor.reset();
    FreeSubPage(FStackPage);
}

void TBarSeriesEditor::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FStackPage) FStackPage = nullptr;
    TForm::Notification(component, operation);
}

void TBarSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TCustomBarSeries*>(TagObject())) {
        FSeries = series;
        auto loading = LoadGuard();
        LoadBindings();
        LoadSeries();
    }
    LoadingDone();
    TForm::DoShow();
}

void TBarSeriesEditor::LoadSeries() {
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
    // The combo shows the series' style, also before there is a series.
    const TBarStyle style = TBarStyle(CBBarStyle->ItemIndex());
    BGradient->SetEnabled(style == bsRectangle || style == bsRectGradient);
    const bool bevel = style == bsBevel;
    LBevel->SetEnabled(bevel);
    EBevel->SetEnabled(bevel);
    UDBevel->SetEnabled(bevel);
}

void TBarSeriesEditor::EnableColorButton() {
    BBarColor->SetEnabled(!CBColorEach->Checked());
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
