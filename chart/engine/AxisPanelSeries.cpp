// The axis panel's series: joining and leaving, order, events, counts and titles, palette
// colours, and the tools' chart events.
#include <algorithm>

#include "chart/engine/AxisLabelFormat.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartTools.h"
#include "chart/engine/SeriesGroups.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/LibraryTexts.h"

TChartSeries* TCustomAxisPanel::AddSeries(TChartSeries* series) {
    series->SetParentChart(this);
    return series;
}

TChartSeries* TCustomAxisPanel::AddSeriesOfClass(TClass seriesClass) {
    return AddSeries(CreateAs<TChartSeries>(seriesClass, Owner()));
}

void TCustomAxisPanel::InsertSeries(TChartSeries* series) {
    if (FSeriesList->IndexOf(series) >= 0) return;
    // The series has set its chart field already (its SetParentChart leads here).
    series->AttachedToChart();
    FSeriesList->Add(series);
    BroadcastSeriesEvent(series, seAdd);
    if (OnAddSeries) OnAddSeries(*this, series);
    Invalidate();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries* series) {
    if (FSeriesList->IndexOf(series) < 0) return;
    BroadcastSeriesEvent(series, seRemove);
    series->DetachedFromChart();
    FSeriesList->Remove(series);
    // Groups hold series of this chart only: one that leaves leaves its groups.
    SeriesGroups()->RemoveSeries(series);
    if (OnRemoveSeries) OnRemoveSeries(*this, series);
    Invalidate();
}

void TCustomAxisPanel::FreeSeriesOfClass(TClass seriesClass) {
    // Freeing one series may free others of the list (a function's own series go with the
    // function of the series they belong to), so the next one is always looked up afresh.
    for (;;) {
        auto next = std::find_if(FSeriesList->begin(), FSeriesList->end(), [&](TChartSeries* s) {
            return !seriesClass || s->InheritsFrom(seriesClass);
        });
        if (next == FSeriesList->end()) return;
        TChartSeries* s = *next;
        s->SetParentChart(nullptr);
        TObject::Free(s);
    }
}

void TCustomAxisPanel::ExchangeSeries(int indexA, int indexB) {
    TChartSeries* a = GetSeries(indexA);
    TChartSeries* b = GetSeries(indexB);
    FSeriesList->Exchange(indexA, indexB);
    if (a->Owner() && a->Owner() == b->Owner()) {
        const int ia = a->ComponentIndex();
        const int ib = b->ComponentIndex();
        a->SetComponentIndex(ib);
        b->SetComponentIndex(ia);
    }
    const int group = SeriesGroups()->IndexOfSeries(a);
    if (group >= 0) {
        TCustomSeriesList& members = SeriesGroups()->GetGroup(group)->Series();
        const int ga = members.IndexOf(a);
        const int gb = members.IndexOf(b);
        if (gb >= 0) members.Exchange(ga, gb);
    }
    BroadcastSeriesEvent(nullptr, seSwap);
    Invalidate();
}

void TCustomAxisPanel::SwapSeries(TChartSeries* a, TChartSeries* b) {
    ExchangeSeries(FSeriesList->IndexOf(a), FSeriesList->IndexOf(b));
}

void TCustomAxisPanel::BroadcastSeriesEvent(TCustomChartSeries* series, TChartSeriesEvent kind) {
    if (SeriesEventsOff) return;
    TTeeSeriesEvent event;
    event.Sender = this;
    event.Event = kind;
    event.Series = series;
    BroadcastTeeEvent(&event);
}

void TCustomAxisPanel::ToolsChartEvent(int kind) {
    const std::vector<TTeeCustomTool*> tools(FTools->begin(), FTools->end());
    for (TTeeCustomTool* t : tools)
        if (t->Active()) t->ChartDrawEvent(TChartToolEvent(kind));
}

// --- Counts and titles.

int TCustomAxisPanel::ActiveSeriesCount() const {
    return int(std::count_if(FSeriesList->begin(), FSeriesList->end(),
                             [](const TChartSeries* s) { return s->Active(); }));
}

int TCustomAxisPanel::MaxPointsOfActiveSeries() const {
    int result = 0;
    for (const TChartSeries* s : *FSeriesList)
        if (s->Active()) result = std::max(result, s->Count());
    return result;
}

int TCustomAxisPanel::WidestPointLabel() {
    int result = 0;
    for (const TChartSeries* s : *FSeriesList)
        for (int i = 0; i < s->Labels().Count(); ++i) {
            int lines = 0;
            result = std::max(result, MultiLineTextWidth(*Canvas3D(), s->PointLabel(i), lines));
        }
    return result;
}

TChartSeries* TCustomAxisPanel::SeriesInLegend(int index, bool onlyActive) const {
    int n = 0;
    for (TChartSeries* s : *FSeriesList)
        if (s->ShowInLegend() && (!onlyActive || s->Active())) {
            if (n == index) return s;
            ++n;
        }
    return nullptr;
}

std::string TCustomAxisPanel::SeriesLegendTitle(int index, bool onlyActive) const {
    const TChartSeries* s = SeriesInLegend(index, onlyActive);
    return s ? SeriesTitleText(s) : std::string();
}

std::string TCustomAxisPanel::SeriesTitleText(const TChartSeries* series) const {
    std::string title = series->Title();
    if (title.empty()) return SeriesNameOrNumber(series);
    std::replace(title.begin(), title.end(), '\r', ' ');
    return title;
}

std::string TCustomAxisPanel::SeriesNameOrNumber(const TChartSeries* series) const {
    if (!series->Name().empty()) return series->Name();
    if (TCustomAxisPanel* chart = series->ParentChart())
        return TxtSeries + std::to_string(chart->FSeriesList->IndexOf(series) + 1);
    return {};
}

// --- Colours.

TColor TCustomAxisPanel::PaletteColor(int index) const {
    if (ColorPalette.empty()) return DefaultColorAt(index);
    return ColorPalette[size_t(index) % ColorPalette.size()];
}

TColor TCustomAxisPanel::FreeSeriesColor(bool checkBackground, const TChartSeries* series) {
    const int count = ColorPalette.empty() ? int(DefaultColors.size()) : int(ColorPalette.size());
    if (count == 0) return clNone;
    for (int i = 0; i < count - 1; ++i) {
        const TColor c = PaletteColor(i);
        if (IsFreeSeriesColor(c, checkBackground, series)) return c;
    }
    return PaletteColor(count - 1);
}

void TCustomAxisPanel::ReassignSeriesColors() {
    for (TChartSeries* s : *FSeriesList)
        if (s->Color() == clDefault) s->SetDefaultSeriesColor(FreeSeriesColor(true, s));
}
