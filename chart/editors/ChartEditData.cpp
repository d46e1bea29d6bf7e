// The chart editor's Data tab: the grid of every series' points, its navigator, the toggles of
// the grid's columns (labels, colours, X values, the 3-D layout), the data copy, and the grid's
// menu of point colours, rows and font.
#include <functional>
#include <string>

#include "chart/editors/ChartEditForm.h"
#include "chart/editors/ChartGrid.h"
#include "chart/editors/ChartGridNavigator.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorHostedPages.h"
#include "chart/editors/PictureRoutines.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesDataStream.h"
#include "chart/engine/grid3d/Custom3DSeries.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/ui/Menus.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"

namespace {

// The chart's first series, whose kind decides what the grid offers.
TChartSeries* FirstSeries(const TCustomChart* chart) {
    return chart && chart->SeriesCount() > 0 ? chart->GetSeries(0) : nullptr;
}

bool HasZValues(const TChartSeries* series) {
    return dynamic_cast<const TCustom3DSeries*>(series) != nullptr;
}

}  // namespace

void TChartEditForm::BuildDataTab() {
    auto* bottom = MakeControl<TPanel>(TabData);
    bottom->SetHeight(27);
    bottom->SetAlign(alBottom);
    bottom->SetBevelOuter(bvNone);
    ChartGridNavigator1 = MakeControl<TChartGridNavigator>(bottom);
    ChartGridNavigator1->SetBounds(0, 1, 200, 25);
    // Toggles, each in a group of its own so that it stays down until clicked again.
    int left = 208;
    int group = 1;
    auto toggle = [&](const char* caption, const char* hint, void (TChartEditForm::*click)()) {
        auto* button = MakeControl<TSpeedButton>(bottom, left, 1, 34, 25);
        left += 36;
        button->SetFlat(true);
        button->SetCaption(caption);
        button->SetHint(hint);
        button->SetShowHint(true);
        button->SetGroupIndex(group++);
        button->SetAllowAllUp(true);
        button->OnClick = [this, click](TObject*) { (this->*click)(); };
        return button;
    };
    SBGridText = toggle("Abc", "Show labels", &TChartEditForm::SBGridTextClick);
    SBGridCol = toggle("Col", "Show colors", &TChartEditForm::SBGridColClick);
    SBGrid3D = toggle("XYZ", "XYZ series", &TChartEditForm::SBGrid3DClick);
    SBGridX = toggle("X", "Show X values", &TChartEditForm::SBGridXClick);
    SBCopyData = toggle("Copy", "Copy", &TChartEditForm::SBCopyDataClick);
    // Copying is a command, not a state.
    SBCopyData->SetGroupIndex(0);

    ChartGrid1 = MakeControl<TChartGrid>(TabData);
    ChartGrid1->SetAlign(alClient);
    ChartGridNavigator1->SetGrid(ChartGrid1);
    ChartGrid1->OnMouseDown = [this](TObject*, TMouseButton button, TShiftState shift, int, int) {
        ChartGridMouseDown(button, shift);
    };

    PopupData = new TPopupMenu(this);
    auto item = [this](const char* caption, std::function<void()> click) {
        auto* menuItem = new TMenuItem(this);
        menuItem->SetCaption(caption);
        if (click) menuItem->OnClick = [click](TObject*) { click(); };
        PopupData->Items()->Add(menuItem);
        return menuItem;
    };
    EditColor1 = item("&Edit Color...", [this] { ChartGrid1->EditCurrentColor(); });
    DefaultColor1 = item("Default &Color", [this] { ChartGrid1->SetCurrentColor(clDefault); });
    Makenullpoint1 = item("Make &null point", [this] { ChartGrid1->SetCurrentColor(clNone); });
    N1 = item("-", nullptr);
    Insertrow1 = item("&Append row", [this] { ChartGrid1->AppendRow(); });
    Deleterow1 = item("&Delete row", [this] { ChartGrid1->DeleteRow(); });
    N2 = item("-", nullptr);
    extfont1 = item("&Text font...", [this] { extfont1Click(); });
    PopupData->OnPopup = [this](TObject*) { PopupDataPopup(); };
    ChartGrid1->SetPopupMenu(PopupData);
}

void TChartEditForm::ShowDataPage() {
    ChartGrid1->SetAllowInsertSeries(true);
    ChartGrid1->SetChart(FChart);
    TChartSeries* first = FirstSeries(FChart);
    ChartGrid1->SetShowColors(first && SeriesHasPointColors(*first));
    ChartGrid1->SetShowXValues(first && SeriesHasExplicitXValues(*first) ? cgsYes : cgsNo);
    ChartGrid1->Recalc();
    SBGridCol->SetDown(ChartGrid1->ShowColors());
    SBGridText->SetDown(ChartGrid1->ShowLabels());
    SBGrid3D->SetDown(ChartGrid1->Grid3DMode());
    SBGrid3D->SetEnabled(HasZValues(first));
    SBGridX->SetDown(first && SeriesHasExplicitXValues(*first));
    // The copy comes from the export layer; without it there is nothing to copy with.
    SBCopyData->SetEnabled(TeeCopyChartData != nullptr);
    if (!FTreeMode && ChartGrid1->CanFocus()) ChartGrid1->SetFocus();
}

void TChartEditForm::SBGridTextClick() { ChartGrid1->SetShowLabels(SBGridText->Down()); }

void TChartEditForm::SBGridColClick() { ChartGrid1->SetShowColors(SBGridCol->Down()); }

void TChartEditForm::SBGrid3DClick() {
    // The 3-D layout has columns of its own: labels and colours are laid out again on it.
    ChartGrid1->SetGrid3D(SBGrid3D->Down());
    ChartGrid1->SetShowLabels(SBGridText->Down());
    ChartGrid1->SetShowColors(SBGridCol->Down());
}

void TChartEditForm::SBGridXClick() {
    ChartGrid1->SetShowXValues(SBGridX->Down() ? cgsYes : cgsNo);
}

void TChartEditForm::SBCopyDataClick() {
    if (FChart && TeeCopyChartData)
        TeeCopyChartData(*FChart, SBGridText->Down(), SBGridCol->Down());
}

void TChartEditForm::ChartGridMouseDown(TMouseButton button, TShiftState shift) {
    if (button != mbRight || !shift.Contains(ssAlt) || !HasZValues(FirstSeries(FChart))) return;
    ChartGrid1->SetGrid3D(!ChartGrid1->Grid3DMode());
    SBGrid3D->SetDown(ChartGrid1->Grid3DMode());
}

void TChartEditForm::PopupDataPopup() {
    TColor color = clNone;
    TChartSeries* series = ChartGrid1->CurrentCellColor(color);
    EditColor1->SetVisible(series != nullptr);
    N1->SetVisible(series != nullptr);
    DefaultColor1->SetVisible(series && color != clDefault);
    Makenullpoint1->SetVisible(series && color != clNone);
}

void TChartEditForm::extfont1Click() {
    if (!EditFontWithFontDialog(this, *ChartGrid1->Font())) return;
    TBitmap measure;
    measure.Canvas()->Font()->Assign(ChartGrid1->Font());
    ChartGrid1->SetDefaultRowHeight(measure.Canvas()->TextHeight("W") + 2);
}
