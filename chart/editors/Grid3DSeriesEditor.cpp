#include "chart/editors/Grid3DSeriesEditor.h"

#include <functional>
#include <vector>

#include "chart/editors/ChartGrid.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/OwnedForm.h"
#include "chart/editors/SeriesPage.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ColorPalettes.h"
#include "chart/engine/SeriesDataStream.h"
#include "chart/engine/SeriesEvents.h"
#include "chart/engine/grid3d/Custom3DGridSeries.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Menus.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/UpDown.h"

TGrid3DSeriesEditor::TGrid3DSeriesEditor(TComponent* owner)
    : TEditorForm(owner, true), FPaletteSeries(new TChartSeries(nullptr)) {
    SetBounds(0, 0, 420, 230);
    FPaletteSeries->MandatoryValueList().SetName("Up to Value");
    BuildRightPanel();
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabSingle = MakeTabSheet(this, PageControl1, "Single");
    TabRange = MakeTabSheet(this, PageControl1, "Range");
    TabPalette = MakeTabSheet(this, PageControl1, "Palette");
    BColor = MakeControl<TButtonColor>(TabSingle, 8, 8, 100, 25);
    BColor->SetCaption("C&olor...");
    BRemove = MakePushButton(TabSingle, 8, 42, 150, "&Remove custom colors");
    BuildRangePages();
    BuildPalettePages();
    BindProperties();
    ConnectHandlers();
    DoCreate();
}

TGrid3DSeriesEditor::~TGrid3DSeriesEditor() {
    Listen(nullptr);
    if (FSeries) FSeries->RemoveFreeNotification(this);
    // The grid goes first: it must not outlive the series it shows.
    TObject::Free(ChartGrid1);
    delete FPaletteSeries;
}

void TGrid3DSeriesEditor::BuildRightPanel() {
    PanelRight = MakeControl<TPanel>(this, 0, 0, 130, 230);
    PanelRight->SetAlign(alRight);
    PanelRight->SetBevelOuter(bvNone);
    GBGrid = MakeControl<TGroupBox>(PanelRight, 4, 4, 122, 150);
    GBGrid->SetCaption("Grid size:");
    MakeLabel(GBGrid, 8, 24, "&X:");
    TUpDownEdit x = MakeUpDownEdit(GBGrid, 50, 20, 45, 1, 1000);
    SEXGrid = x.Edit;
    UDXGrid = x.UpDown;
    MakeLabel(GBGrid, 8, 54, "&Z:");
    TUpDownEdit z = MakeUpDownEdit(GBGrid, 50, 50, 45, 1, 1000);
    SEZGrid = z.Edit;
    UDZGrid = z.UpDown;
    MakeLabel(GBGrid, 8, 84, "&Depth:");
    TUpDownEdit depth = MakeUpDownEdit(GBGrid, 50, 80, 45, 1, 100);
    EDepth = depth.Edit;
    UDDepth = depth.UpDown;
    CBIrreg = MakeCheckBox(GBGrid, 8, 116, 100, "&Irregular");
}

void TGrid3DSeriesEditor::BuildRangePages() {
    BFromColor = MakeControl<TButtonColor>(TabRange, 8, 8, 100, 25);
    BFromColor->SetCaption("&Start...");
    BMidColor = MakeControl<TButtonColor>(TabRange, 8, 40, 100, 25);
    BMidColor->SetCaption("&Middle...");
    BToColor = MakeControl<TButtonColor>(TabRange, 8, 72, 100, 25);
    BToColor->SetCaption("&End...");
    CheckBox1 = MakeCheckBox(TabRange, 120, 44, 100, "&No middle");
    Button1 = MakePushButton(TabRange, 120, 8, 80, "S&wap");
    Button2 = MakePushButton(TabRange, 120, 72, 80, "&Gallery...");
}

void TGrid3DSeriesEditor::BuildPalettePages() {
    PageControl2 = MakeControl<TPageControl>(TabPalette);
    PageControl2->SetAlign(alClient);
    TabSteps = MakeTabSheet(this, PageControl2, "Steps");
    TabColors = MakeTabSheet(this, PageControl2, "Colors");

    MakeLabel(TabSteps, 8, 12, "S&teps:");
    TUpDownEdit steps = MakeUpDownEdit(TabSteps, 110, 8, 50, 1, 1000);
    SEPalette = steps.Edit;
    UDPalette = steps.UpDown;
    CBUseMin = MakeCheckBox(TabSteps, 8, 40, 160, "&Use palette minimum");
    MakeLabel(TabSteps, 8, 70, "&Minimum:");
    EPaletteMin = MakeControl<TEdit>(TabSteps, 110, 66, 70, 23);
    MakeLabel(TabSteps, 8, 100, "&Step:");
    EPaletteStep = MakeControl<TEdit>(TabSteps, 110, 96, 70, 23);
    MakeLabel(TabSteps, 8, 130, "&Legend every:");
    TUpDownEdit every = MakeUpDownEdit(TabSteps, 110, 126, 50, 1, 1000);
    Edit1 = every.Edit;
    UDLegendEvery = every.UpDown;

    MakeLabel(TabColors, 8, 8, "St&yle:");
    CBPalStyle =
        MakeComboBox(TabColors, 8, 24, 110,
                     {"Pale", "Strong", "Gray scale", "Inverted Gray", "Rainbow", "Custom"});
    MakeLabel(TabColors, 8, 54, "&Custom Palettes:");
    CBPalettes = MakeComboBox(TabColors, 8, 70, 110, {});
    TColorPalettes::AddNamesTo(*CBPalettes->Items(), false);
    Button3 = MakePushButton(TabColors, 8, 102, 80, "&New...");
    Button4 = MakePushButton(TabColors, 8, 134, 80, "&Invert");
    ChartGrid1 = MakeControl<TChartGrid>(TabColors, 130, 4, 140, 160);
    ChartGrid1->SetShowLabels(false);
    ChartGrid1->SetShowColors(true);
    ChartGrid1->SetSeries(FPaletteSeries);
    PopupMenu1 = new TPopupMenu(this);
    Invert1 = new TMenuItem(this);
    Invert1->SetCaption("&Invert");
    PopupMenu1->Items()->Add(Invert1);
    ChartGrid1->SetPopupMenu(PopupMenu1);
}

void TGrid3DSeriesEditor::BindProperties() {
    using P = TCustom3DPaletteSeries;
    auto series = [this] { return FSeries; };
    BindUpDownEdit(*this, {EDepth, UDDepth}, series, &P::TimesZOrder, &P::SetTimesZOrder);
    // Only a grid series can be irregular.
    BindCheckBox(
        *this, CBIrreg, [this] { return dynamic_cast<TCustom3DGridSeries*>(FSeries); },
        &TCustom3DGridSeries::IrregularGrid, &TCustom3DGridSeries::SetIrregularGrid);
    BindUpDownEdit(*this, {Edit1, UDLegendEvery}, series, &P::LegendEvery, &P::SetLegendEvery);
    // The minimum serves only while it is used.
    BindCheckBox(*this, CBUseMin, series, &P::UsePaletteMin, &P::SetUsePaletteMin,
                 [this] { EPaletteMin->SetEnabled(CBUseMin->Checked()); });
}

void TGrid3DSeriesEditor::ConnectHandlers() {
    PageControl1->OnChange = [this](TObject*) { PageChanged(); };
    BRemove->OnClick = [this](TObject*) {
        if (!FSeries) return;
        for (int i = 0; i < FSeries->Count(); ++i) FSeries->SetPointColor(i, clDefault);
        BRemove->SetEnabled(false);
    };
    SEXGrid->OnChange = [this](TObject*) { GridSizeChanged(); };
    SEZGrid->OnChange = [this](TObject*) { GridSizeChanged(); };
    CheckBox1->OnClick = [this](TObject*) {
        if (Loading() || !FSeries || !CheckBox1->Checked()) return;
        FSeries->SetMidColor(clNone);
        BMidColor->Repaint();
        CheckBox1->SetEnabled(false);
    };
    // A middle colour chosen brings the middle back.
    BMidColor->OnClick = [this](TObject*) { LoadMiddleBox(); };
    Button2->OnClick = [this](TObject*) { RangeFromGallery(); };
    Button1->OnClick = [this](TObject*) {
        if (!FSeries) return;
        const TColor start = FSeries->StartColor();
        FSeries->SetStartColor(FSeries->EndColor());
        FSeries->SetEndColor(start);
        BFromColor->Repaint();
        BToColor->Repaint();
    };
    ConnectPaletteHandlers();
}

void TGrid3DSeriesEditor::ConnectPaletteHandlers() {
    // The steps are written only while their up-down shows; the palette view follows them.
    SEPalette->OnChange = [this](TObject*) {
        if (Loading() || !FSeries || !UDPalette->Showing()) return;
        int value = 0;
        if (TryStrToInt(SEPalette->Text(), value)) FSeries->SetPaletteSteps(value);
        UpdatePaletteView();
    };
    auto realChanged = [this](TEdit* edit, void (TCustom3DPaletteSeries::*set)(double)) {
        double value = 0;
        // Text that is no number keeps the value. The setter is called through std::invoke: the
        // sanitizer build's compiler reports a `(FSeries->*set)(value)` here as a member access
        // through a null editor, though the editor is plainly not null.
        if (!Loading() && FSeries && TryStrToFloat(edit->Text(), value))
            std::invoke(set, FSeries, value);
    };
    EPaletteMin->OnChange = [this, realChanged](TObject*) {
        realChanged(EPaletteMin, &TCustom3DPaletteSeries::SetPaletteMin);
    };
    EPaletteStep->OnChange = [this, realChanged](TObject*) {
        realChanged(EPaletteStep, &TCustom3DPaletteSeries::SetPaletteStep);
    };
    CBPalStyle->OnChange = [this](TObject*) {
        if (!FSeries || CBPalStyle->ItemIndex() < 0) return;
        FSeries->SetPaletteStyle(TTeePaletteStyle(CBPalStyle->ItemIndex()));
        UpdatePaletteView();
    };
    CBPalettes->OnChange = [this](TObject*) { PaletteChosen(); };
    Button3->OnClick = [this](TObject*) { NewPalette(); };
    auto invert = [this](TObject*) {
        if (!FSeries) return;
        FSeries->ReversePaletteColors();
        MakeCustom();
    };
    Button4->OnClick = invert;
    Invert1->OnClick = invert;
    ChartGrid1->OnChangeColor = [this](TObject*) { GridColorChanged(); };
}

void TGrid3DSeriesEditor::Listen(TCustomTeePanel* chart) {
    if (chart == FChart) return;
    if (FChart) {
        FChart->RemoveFreeNotification(this);
        FChart->RemoveListener(this);
    }
    FChart = chart;
    if (FChart) {
        FChart->FreeNotification(this);
        FChart->Listeners().Add(this);
    }
}

void TGrid3DSeriesEditor::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FChart) FChart = nullptr;
    if (component == FSeries) FSeries = nullptr;
}

void TGrid3DSeriesEditor::HandleTeeEvent(TTeeEvent* event) {
    auto* e = dynamic_cast<TTeeSeriesEvent*>(event);
    if (e && e->Event == seChangeColor && !ComponentState().Contains(csDestroying))
        BColor->Repaint();
}

void TGrid3DSeriesEditor::LoadSeries(TCustom3DPaletteSeries* series) {
    if (series != FSeries) {
        if (FSeries) FSeries->RemoveFreeNotification(this);
        FSeries = series;
        if (FSeries) FSeries->FreeNotification(this);
    }
    if (!FSeries) return;
    auto loading = LoadGuard();
    LoadBindings();
    if (auto* grid = dynamic_cast<TCustom3DGridSeries*>(FSeries)) {
        UDXGrid->SetPosition(grid->NumXValues());
        UDZGrid->SetPosition(grid->NumZValues());
        CBIrreg->Show();
        SetControlsEnabled(grid->CanFillGrid(), {SEXGrid, UDXGrid, SEZGrid, UDZGrid});
    } else {
        SetControlsEnabled(false, {SEXGrid, UDXGrid, SEZGrid, UDZGrid});
        CBIrreg->Hide();
    }
    UDPalette->SetPosition(FSeries->PaletteSteps());
    CBPalStyle->SetItemIndex(int(FSeries->PaletteStyle()));
    UpdatePaletteView();
    if (FSeries->UseColorRange()) {
        PageControl1->SetActivePage(TabRange);
    } else if (FSeries->UsePalette()) {
        PageControl1->SetActivePage(TabPalette);
        PageControl2->SetActivePage(TabSteps);
    } else {
        PageControl1->SetActivePage(TabSingle);
    }
    EPaletteMin->SetText(FloatToStr(FSeries->PaletteMin()));
    EPaletteMin->SetEnabled(FSeries->UsePaletteMin());
    EPaletteStep->SetText(FloatToStr(FSeries->PaletteStep()));
    LoadMiddleBox();
    BRemove->SetEnabled(SeriesHasPointColors(*FSeries));
    BColor->LinkToProperty(FSeries, "SeriesColor");
    BFromColor->LinkToProperty(FSeries, "StartColor");
    BMidColor->LinkToProperty(FSeries, "MidColor");
    BToColor->LinkToProperty(FSeries, "EndColor");
    Listen(FSeries->ParentChart());
}

void TGrid3DSeriesEditor::LoadMiddleBox() {
    if (!FSeries) return;
    auto loading = LoadGuard();
    CheckBox1->SetChecked(FSeries->MidColor() == clNone);
    CheckBox1->SetEnabled(!CheckBox1->Checked());
}

void TGrid3DSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TCustom3DPaletteSeries*>(TagObject())) LoadSeries(series);
    LoadingDone();
    TForm::DoShow();
}

void TGrid3DSeriesEditor::UpdatePaletteView() {
    const bool custom = FSeries->PaletteStyle() == psCustom;
    CBPalettes->SetEnabled(custom);
    ChartGrid1->SetReadOnly(!custom);
    if (!custom && FSeries->Palette().empty()) FSeries->BuildPalette();
    FPaletteSeries->Clear();
    for (const TPaletteEntry& entry : FSeries->Palette())
        FPaletteSeries->AddY(entry.UpToValue, {}, entry.Color);
    ChartGrid1->Recalc();
    ChartGrid1->Invalidate();
}

void TGrid3DSeriesEditor::PageChanged() {
    if (Loading() || !FSeries) return;
    TTabSheet* page = PageControl1->ActivePage();
    if (page == TabSingle) {
        FSeries->SetColorEachPoint(true);
        FSeries->SetColorEachPoint(false);
        FSeries->SetUseColorRange(false);
        FSeries->SetUsePalette(false);
    } else if (page == TabRange) {
        FSeries->SetUseColorRange(true);
        FSeries->SetUsePalette(false);
    } else if (page == TabPalette) {
        FSeries->SetUseColorRange(false);
        FSeries->SetUsePalette(true);
        // A palette of a style is built anew from the series' values.
        if (FSeries->PaletteStyle() != psCustom) FSeries->ClearPalette();
        UpdatePaletteView();
    }
}

void TGrid3DSeriesEditor::GridSizeChanged() {
    auto* grid = dynamic_cast<TCustom3DGridSeries*>(FSeries);
    int x = 0, z = 0;
    if (Loading() || !grid || !TryStrToInt(SEXGrid->Text(), x) || !TryStrToInt(SEZGrid->Text(), z))
        return;
    if (x != grid->NumXValues() || z != grid->NumZValues()) grid->FillGridValues(x, z);
}

void TGrid3DSeriesEditor::PaletteChosen() {
    const int index = CBPalettes->ItemIndex();
    if (!FSeries || index < 0) return;
    // The first name stands for the library's default colour list.
    if (index == 0)
        FSeries->SetPaletteColors(std::vector<TColor>(DefaultColors));
    else
        FSeries->SetPaletteColors(PaletteColors(index));
    UpdatePaletteView();
}

bool TGrid3DSeriesEditor::ChooseGradientColors(TTeeGradient& gradient, bool withColorsPage) {
    TOwnedForm<TTeeGradientEditor> editor(CreateGradientEditorDialog(this, &gradient));
    editor->SetAlign(alNone);
    editor->PanelTop->Hide();
    for (int i = 0; i < editor->PageControl1->PageCount(); ++i) {
        TTabSheet* page = editor->PageControl1->Pages(i);
        page->SetTabVisible(page == editor->TabDefault ||
                            (withColorsPage && page == editor->TabColors));
    }
    editor->PageControl1->SetActivePage(editor->TabDefault);
    return editor->ShowModal() == mrOk;
}

void TGrid3DSeriesEditor::RangeFromGallery() {
    if (!FSeries) return;
    TTeeGradient gradient;
    gradient.SetVisible(true);
    gradient.SetStartColor(FSeries->StartColor());
    gradient.SetMidColor(FSeries->MidColor());
    gradient.SetEndColor(FSeries->EndColor());
    if (!ChooseGradientColors(gradient, false)) return;
    FSeries->SetStartColor(gradient.StartColor());
    FSeries->SetMidColor(gradient.MidColor());
    FSeries->SetEndColor(gradient.EndColor());
    for (TButtonColor* b : {BFromColor, BMidColor, BToColor}) b->Repaint();
    LoadMiddleBox();
}

void TGrid3DSeriesEditor::NewPalette() {
    if (!FSeries) return;
    TTeeGradient gradient;
    gradient.SetVisible(true);
    gradient.SetStartColor(clRed);
    gradient.SetMidColor(clYellow);
    gradient.SetEndColor(clGreen);
    if (!ChooseGradientColors(gradient, true)) return;
    // The palette takes the colours the chosen range gives its entries' values; the series'
    // own range colours are kept.
    const TColor start = FSeries->StartColor(), middle = FSeries->MidColor(),
                 end = FSeries->EndColor();
    FSeries->SetUseColorRange(true);
    FSeries->SetStartColor(gradient.StartColor());
    FSeries->SetMidColor(gradient.MidColor());
    FSeries->SetEndColor(gradient.EndColor());
    FSeries->RecolorPaletteFromRange();
    FSeries->SetStartColor(start);
    FSeries->SetMidColor(middle);
    FSeries->SetEndColor(end);
    FSeries->SetUseColorRange(false);
    FSeries->SetUsePalette(true);
    MakeCustom();
}

void TGrid3DSeriesEditor::MakeCustom() {
    FSeries->SetPaletteStyle(psCustom);
    CBPalStyle->SetItemIndex(int(psCustom));
    CBPalettes->SetItemIndex(-1);
    UpdatePaletteView();
}

void TGrid3DSeriesEditor::GridColorChanged() {
    const int index = ChartGrid1->Row() - ChartGrid1->FirstDataRow();
    if (!FSeries || index < 0 || index >= int(FSeries->Palette().size())) return;
    std::vector<TPaletteEntry> palette(FSeries->Palette().begin(), FSeries->Palette().end());
    palette[size_t(index)].Color = FPaletteSeries->ValueColor(index);
    FSeries->SetPalette(palette);
    FSeries->Repaint();
}

TGrid3DSeriesEditor* EmbedGrid3DEditor(TWinControl* parent, TCustom3DPaletteSeries* series) {
    return static_cast<TGrid3DSeriesEditor*>(TFormTeeSeries::InsertEditorPage(
        parent, TGrid3DSeriesEditor::StaticClass(), TxtExtGrid3D, series, 1));
}
