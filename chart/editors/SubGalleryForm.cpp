#include "chart/editors/SubGalleryForm.h"

#include <algorithm>
#include <array>

#include "chart/editors/EditorControls.h"
#include "chart/editors/GalleryPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesCreation.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Screen.h"

TSubGalleryForm::TSubGalleryForm(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsNone);
    SetBounds(0, 0, 300, 200);
    ArrowPanel = MakeControl<TPanel>(this);
    ArrowPanel->SetAlign(alTop);
    ArrowPanel->SetBevelOuter(bvNone);
    ArrowPanel->SetHeight(12);
    ArrowBox = MakeControl<TPaintBox>(ArrowPanel, 4, 2, 8, 8);
    ArrowBox->OnPaint = [this](TObject*) { PaintArrow(); };
    const auto closeOk = [this](TObject*) { SetModalResult(mrOk); };
    ArrowPanel->OnClick = closeOk;
    ArrowBox->OnClick = closeOk;
    Gallery = MakeControl<TChartGalleryPanel>(this);
    Gallery->SetAlign(alClient);
    Gallery->DisplaySub = false;
    Gallery->IsSubPanel = true;
    DoCreate();
}

TSubGalleryForm::~TSubGalleryForm() = default;

void TSubGalleryForm::PaintArrow() {
    TCanvas* canvas = ArrowBox->Canvas();
    const std::array<TPoint, 3> corners{{{0, 8}, {4, 0}, {9, 8}}};
    canvas->Pen()->SetColor(clBlack);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clBlack);
    canvas->Polygon(corners);
}

void TChartGalleryPanel::ShowSubGallery() {
    if (!FSelectedChart || FSelectedChart->SeriesCount() == 0) return;
    TGalleryChart* focused = FSelectedChart;
    if (FSubGallery) {
        TObject::Free(FSubGallery);
        FSubGallery = nullptr;
    }
    DimChart(focused);

    auto* form = new TSubGalleryForm(this);
    FSubGallery = form;
    const TPoint corner = focused->ClientToScreen({0, focused->Height()});
    form->SetBounds(corner.X, corner.Y, Width(), Height());
    form->Realign();
    TChartGalleryPanel* sub = form->Gallery;
    sub->SetView3D(FView3D);
    sub->SetSmooth(FSmooth);
    sub->OnSelectedChart = [this, sub](TObject*) { ApplySubChoice(*sub); };

    TChartSeries* first = focused->GetSeries(0);
    sub->ShowVariantsOf(&first->ClassType(), focused->SeriesCount());
    const int columns = std::max(1, sub->NumCols());
    const int rows = (sub->Charts().Count() + columns - 1) / columns;
    form->SetHeight(rows * sub->CellHeight() + 8);
    sub->SetNumRows(rows);
    sub->ShowSelectedLooks();

    // Kept inside the work area, ending two pixels inside it.
    const TRect area = Screen()->WorkAreaRect();
    int left = form->Left();
    int top = form->Top();
    if (left + form->Width() > area.Right) left = area.Right - form->Width() - 2;
    if (top + form->Height() > area.Bottom) top = area.Bottom - form->Height() - 2;
    form->SetBounds(left, top, form->Width(), form->Height());
    // The keys go to the focused variant once the pop-up is up.
    form->OnShow = [sub](TObject*) { sub->ShowSelectedLooks(); };
    if (form->ShowModal() == mrOk && OnSubSelected) OnSubSelected(this);
    ShowSelectedLooks();
}

void TChartGalleryPanel::ApplySubChoice(TChartGalleryPanel& subPanel) {
    TGalleryChart* chart = FSelectedChart;
    const int variant = subPanel.Charts().IndexOf(subPanel.SelectedChart());
    if (!chart || variant < 0 || chart->SeriesCount() == 0) return;
    chart->SetTag(variant);
    if (variant > 0) {
        for (int i = 0; i < chart->SeriesCount(); ++i)
            chart->GetSeries(i)->ApplyGalleryVariant(chart->GetSeries(i), variant);
    } else {
        // The plain type: its series made anew, so that nothing of another variant stays.
        const TClass seriesClass = &chart->GetSeries(0)->ClassType();
        const int count = chart->SeriesCount();
        chart->FreeSeriesOfClass(nullptr);
        for (int i = 0; i < count; ++i) {
            TChartSeries* series = CreateChartSeries(nullptr, chart, seriesClass);
            if (i == 0) series->Apply3DFromGallery(FView3D);
            series->PrepareForGallery(true);
        }
    }
    if (FSubGallery) FSubGallery->SetModalResult(mrOk);
}
