#include "chart/tools/overlay/MarksTipTool.h"

#include <algorithm>
#include <optional>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/TeePanel.h"
#include "platform/classes/Publisher.h"
#include "platform/ui/Application.h"

namespace {

// Series.Marks.Style and the chart's repainting come back on every path.
class TMarkStyleScope {
public:
    TMarkStyleScope(TChartSeries& series, TSeriesMarksStyle style)
        : FMarks(*series.Marks()), FStyle(FMarks.Style()) {
        if (TCustomAxisPanel* chart = series.ParentChart()) FQuiet.emplace(*chart);
        FMarks.SetStyle(style);
    }
    ~TMarkStyleScope() { FMarks.SetStyle(FStyle); }
    TMarkStyleScope(const TMarkStyleScope&) = delete;
    TMarkStyleScope& operator=(const TMarkStyleScope&) = delete;

private:
    std::optional<TAutoRepaintGuard> FQuiet;
    TSeriesMarks& FMarks;
    TSeriesMarksStyle FStyle;
};

}  // namespace

const TEnumInfo& MarkToolMouseActionNames() {
    static const TEnumInfo names{"mtmMove", "mtmClick"};
    return names;
}

TMarksTipTool::TMarksTipTool(TComponent* owner) : TTeeCustomToolSeries(owner) {}

int TMarksTipTool::HideDelay() const { return Application ? Application->HintHidePause() : 0; }
void TMarksTipTool::SetHideDelay(int value) {
    if (Application) Application->SetHintHidePause(value);
}
int TMarksTipTool::MouseDelay() const { return Application ? Application->HintPause() : 0; }
void TMarksTipTool::SetMouseDelay(int value) {
    if (Application) Application->SetHintPause(value);
}

void TMarksTipTool::SetMouseAction(TMarkToolMouseAction value) {
    FMouseAction = value;
    CancelHint();
}

void TMarksTipTool::SetActive(bool value) {
    TTeeCustomToolSeries::SetActive(value);
    if (!value) CancelHint();
}

TCustomAxisPanel* TMarksTipTool::HintChart() const {
    if (Series() && Series()->ParentChart()) return Series()->ParentChart();
    return ParentChart();
}

void TMarksTipTool::CancelHint() {
    if (OnCancelHint) OnCancelHint(this);
    TCustomAxisPanel* chart = HintChart();
    if (!chart) return;
    const bool shown = !chart->Hint().empty();
    chart->SetHint({});
    if (shown && Application) Application->CancelHint();
}

std::string TMarksTipTool::TipText(TChartSeries& series, int index) {
    std::string text;
    {
        const TMarkStyleScope style(series, FStyle);
        text = series.ValueMarkText(index);
    }
    if (OnGetText) OnGetText(this, text);
    return text;
}

bool TMarksTipTool::PointUnder(int x, int y, TChartSeries*& series, int& index) const {
    if (Series()) {
        series = Series();
        index = series->ValueIndexAt(x, y);
        return index != -1;
    }
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return false;
    for (int i = chart->SeriesCount() - 1; i >= 0; --i) {
        series = chart->GetSeries(i);
        if (!series->Active()) continue;
        index = series->ValueIndexAt(x, y);
        if (index != -1) return true;
    }
    return false;
}

bool TMarksTipTool::SharesChart() const {
    if (!ParentChart()) return false;
    for (TTeeCustomTool* tool : ParentChart()->Tools())
        if (tool != this && dynamic_cast<TMarksTipTool*>(tool)) return true;
    return false;
}

ITeePointHints* TMarksTipTool::PointHints() const {
    TCustomAxisPanel* chart = ParentChart();
    return chart ? dynamic_cast<ITeePointHints*>(chart->Canvas3D()) : nullptr;
}

void TMarksTipTool::AddPointHints(ITeePointHints& hints, TChartSeries& series) {
    const int count = series.Count();
    if (count == 0 || !series.ParentChart()) return;
    const std::string prefix = series.ParentChart()->SeriesNameOrNumber(&series) + "_";
    const int first = std::clamp(series.FirstInView, 0, count - 1);
    const int last = std::clamp(series.LastInView, 0, count - 1);
    for (int i = first; i <= last; ++i)
        hints.AddPointHint(prefix + std::to_string(i), TipText(series, i));
}

void TMarksTipTool::ChartDrawEvent(TChartToolEvent event) {
    TTeeCustomToolSeries::ChartDrawEvent(event);
    if (event != cteAfterDraw) return;
    ITeePointHints* hints = PointHints();
    if (!hints) return;
    if (Series()) {
        AddPointHints(*hints, *Series());
        return;
    }
    TCustomAxisPanel& chart = *ParentChart();
    for (int i = 0; i < chart.SeriesCount(); ++i) AddPointHints(*hints, *chart.GetSeries(i));
}

void TMarksTipTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift,
                                    int x, int y) {
    TTeeCustomToolSeries::ChartMouseEvent(kind, button, shift, x, y);
    // A surface that keeps its hints gets them all when it draws.
    if (PointHints()) return;
    const TChartMouseEvent reactsTo = FMouseAction == mtmMove ? cmeMove : cmeDown;
    if (kind != reactsTo) return;
    TChartSeries* series = nullptr;
    int index = -1;
    if (!PointUnder(x, y, series, index)) {
        // Another tool of the chart may show a hint of its own.
        if (!SharesChart()) CancelHint();
        return;
    }
    TCustomAxisPanel* chart = HintChart();
    if (!chart) return;
    const std::string text = TipText(*series, index);
    if (chart->Hint() == text) return;
    if (Application) Application->CancelHint();
    chart->SetShowHint(true);
    chart->SetHint(text);
    if (!Application) return;
    const TPoint origin = chart->ClientToScreen(TPoint{0, 0});
    Application->ActivateHint(
        chart, text, TPoint{x, y},
        TRect{origin.X, origin.Y, origin.X + chart->Width(), origin.Y + chart->Height()});
}

void TMarksTipTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TMarksTipTool*>(source)) {
        FMouseAction = other->FMouseAction;
        FStyle = other->FStyle;
    }
    TTeeCustomToolSeries::Assign(source);
}

void TMarksTipTool::Publish(TPublisher<TMarksTipTool>& p) {
    using T = TMarksTipTool;
    p.Integer("HideDelay", &T::HideDelay, &T::SetHideDelay).Default(2500);
    p.Enumeration("MouseAction", MarkToolMouseActionNames(), &T::MouseAction, &T::SetMouseAction)
        .Default(mtmMove);
    p.Integer("MouseDelay", &T::MouseDelay, &T::SetMouseDelay).Default(500);
    p.Enumeration("Style", SeriesMarksStyleNames(), &T::Style, &T::SetStyle).Default(smsLabel);
}
