#include "chart/editors/SeriesPage.h"

#include "chart/editors/EditorControls.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesEvents.h"
#include "chart/foundation/ColorEditing.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"

namespace {

TTabSheet* AddSheet(TPageControl* pages, const std::string& caption) {
    TTabSheet* sheet = new TTabSheet(pages->Owner());
    sheet->SetPageControl(pages);
    sheet->SetCaption(caption);
    return sheet;
}

int IndexOfObject(const TStrings& items, const TObject* object) {
    for (int i = 0; i < items.Count(); ++i)
        if (items.Objects(i) == object) return i;
    return -1;
}

}  // namespace

TFormTeeSeries::TFormTeeSeries(TComponent* owner) : TChartPageForm(owner) {
    SetBounds(0, 0, 400, 300);
    TPanel* header = MakeControl<TPanel>(this);
    header->SetHeight(34);
    header->SetAlign(alTop);
    header->SetBevelOuter(bvNone);
    CBSeries = MakeComboBox(header, 8, 6, 150, {});
    CBSeries->SetDropDownCount(16);
    LabelSeriesClass = MakeLabel(header, 166, 10, "");
    PaintBox1 = MakeControl<TPaintBox>(header, 330, 4, 60, 26);
    PaintBox1->SetCursor(crHandPoint);
    PageSeries = MakeControl<TPageControl>(this);
    PageSeries->SetAlign(alClient);
    PageSeries->SetHotTrack(true);
    TheTabSheet = AddSheet(PageSeries, "Format");
    TabGeneral = AddSheet(PageSeries, "General");
    TabMarks = AddSheet(PageSeries, "Marks");
    TabDataSource = AddSheet(PageSeries, "Data Source");
    // No editor forms of the series types are registered yet: the Format tab stays hidden.
    TheTabSheet->SetTabVisible(false);
    CBSeries->OnChange = [this](TObject*) { CBSeriesChange(); };
    PaintBox1->OnPaint = [this](TObject*) { PaintColorBox(); };
    PaintBox1->OnClick = [this](TObject*) { PaintBox1Click(); };
    DoCreate();
}

TFormTeeSeries::~TFormTeeSeries() = default;

void TFormTeeSeries::SetChart(TCustomChart* chart) {
    FChart = chart;
    FillChooser();
}

void TFormTeeSeries::FillChooser() {
    CBSeries->Items()->Clear();
    if (!FChart) return;
    for (int i = 0; i < FChart->SeriesCount(); ++i) {
        TChartSeries* series = FChart->GetSeries(i);
        CBSeries->Items()->AddObject(FChart->SeriesTitleText(series), series);
    }
    CBSeries->SetItemIndex(IndexOfObject(*CBSeries->Items(), FSeries));
}

void TFormTeeSeries::SelectSeries(TChartSeries* series) {
    FSeries = series;
    CBSeries->SetItemIndex(IndexOfObject(*CBSeries->Items(), series));
    Reload();
}

void TFormTeeSeries::CBSeriesChange() {
    int index = CBSeries->ItemIndex();
    auto* series =
        index < 0 ? nullptr : static_cast<TChartSeries*>(CBSeries->Items()->Objects(index));
    if (series == FSeries) return;
    FSeries = series;
    Reload();
}

void TFormTeeSeries::LoadControls() {
    PageSeries->SetVisible(FSeries != nullptr);
    if (!FSeries) {
        LabelSeriesClass->SetCaption("");
        PaintBox1->SetVisible(false);
        return;
    }
    LabelSeriesClass->SetCaption(FSeries->ClassName() + ": " +
                                 (FChart ? FChart->SeriesTitleText(FSeries) : FSeries->Name()));
    PaintBox1->SetVisible(FSeries->UseSeriesColor);
    TabGeneral->SetTabVisible(GeneralAllowed);
    TabMarks->SetTabVisible(MarksAllowed);
    TabDataSource->SetTabVisible(DataSourceAllowed);
    TTabSheet* active = PageSeries->ActivePage();
    if (!active || !active->TabVisible()) PageSeries->SetActivePage(TabGeneral);
    PaintBox1->Invalidate();
}

void TFormTeeSeries::ShowTab(TSeriesPageTab tab) {
    TTabSheet* sheets[] = {TheTabSheet, TabGeneral, TabMarks, TabDataSource};
    if (sheets[tab]->TabVisible()) PageSeries->SetActivePage(sheets[tab]);
}

void TFormTeeSeries::PaintColorBox() {
    if (!FSeries) return;
    TCanvas* canvas = PaintBox1->Canvas();
    canvas->Brush()->SetColor(FSeries->SeriesColor());
    canvas->FillRect(Rect(0, 4, PaintBox1->Width(), PaintBox1->Height() - 4));
}

void TFormTeeSeries::PaintBox1Click() {
    if (!FSeries) return;
    TColor color = FSeries->SeriesColor();
    if (!EditColorVar(this, color)) return;
    FSeries->SetSeriesColor(color);
    PaintBox1->Invalidate();
}

void TFormTeeSeries::HandleChartEvent(const TTeeSeriesEvent& event) {
    if (ComponentState().Contains(csDestroying)) return;
    if (event.Event == seRemove && event.Series == FSeries) {
        // The edited series is being freed: forget it before it is gone.
        FSeries = nullptr;
        Reload();
    }
    if (event.Event == seAdd || event.Event == seRemove || event.Event == seChangeTitle ||
        event.Event == seSwap) {
        // The removed series is still in the chart's list while it is told; leave it out.
        FillChooser();
        if (event.Event == seRemove) {
            int index = IndexOfObject(*CBSeries->Items(), event.Series);
            if (index >= 0) CBSeries->Items()->Delete(index);
        }
    }
    if (event.Event == seChangeColor) PaintBox1->Invalidate();
}
