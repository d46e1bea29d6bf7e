// The data table's drawing: separators, value cells, outer edges, the legend column and the row
// lines, in that order.
#include <algorithm>
#include <utility>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/tools/data/DataTableTool.h"
#include "chart/tools/data/TableLegend.h"
#include "platform/graphics/Canvas.h"

namespace {

// The axis steps by its effective label increment while the table is drawn, so that the cell
// step follows the labels the axis shows; its own setting comes back after.
class TIncrementScope {
public:
    explicit TIncrementScope(TChartAxis& axis) : FAxis(axis), FSaved(axis.Increment()) {
        axis.SetIncrement(axis.ComputeLabelIncrement());
    }
    ~TIncrementScope() { FAxis.SetIncrement(FSaved); }
    TIncrementScope(const TIncrementScope&) = delete;
    TIncrementScope& operator=(const TIncrementScope&) = delete;

private:
    TChartAxis& FAxis;
    double FSaved;
};

}  // namespace

void TDataTableTool::DrawAcross(const TLayout& layout, int p, int from, int to) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (layout.Horizontal)
        canvas.DrawLine(p, from, p, to);
    else
        canvas.DrawLine(from, p, to, p);
}

void TDataTableTool::DrawTable() {
    TLayout layout;
    if (!PrepareLayout(layout)) return;
    TCustomAxisPanel& chart = *FParentChart;
    TCanvas3D& canvas = *chart.Canvas3D();
    TChartAxis& axis = *layout.Axis;
    const TAutoRepaintGuard quiet(chart);
    const TIncrementScope increment(axis);

    layout.CellSize = CellSize(layout);
    layout.Start = axis.LabelsSpace() + axis.AxisPosition() - axis.LabelsPosition();
    canvas.SetTextAlignment(layout.Horizontal ? TA_CENTER : TA_LEFT);
    canvas.SetBackgroundMode(TRANSPARENT);
    PlaceOrigin(layout);
    const int seriesCount = int(layout.InTable.size());
    const int offset = layout.Offset;

    // Whether the ticks run the way the edges are named.
    const std::vector<int>& ticks = axis.TickPositions();
    bool ticksForward = ticks.size() >= 2 && ticks[0] < ticks[1];
    if (!layout.Horizontal) ticksForward = !ticksForward;
    if (axis.Inverted()) ticksForward = !ticksForward;

    TChartPen* separator = layout.Horizontal ? FColumnPen.get() : Pen();
    canvas.UsePen(separator);
    const int from = FAutoPosition ? layout.Base : RowLine(layout, -1);
    // A horizontal table's last row line is drawn too.
    const int to = RowLine(layout, seriesCount) + (layout.Horizontal ? 1 : 0);
    for (size_t t = 0; t + 1 < ticks.size(); ++t)
        DrawAcross(layout, (ticks[t] + ticks[t + 1]) / 2 + offset, from, to);

    DrawCells(layout);

    const int start = axis.StartPos(), end = axis.EndPos();
    int e1 = layout.Horizontal ? start : end;
    int e2 = layout.Horizontal ? end : start;
    if (ticks.empty()) {
        e1 = start;
        e2 = end;
    } else if (ticks.size() >= 2) {
        const size_t n = ticks.size();
        e1 = ticks[n - 1] - (ticks[n - 2] - ticks[n - 1]) / 2;
        e2 = ticks[0] + (ticks[0] - ticks[1]) / 2;
        e1 = layout.Horizontal ? std::max(e1, start) : std::min(e1, end);
        e2 = layout.Horizontal ? std::min(e2, end) : std::max(e2, start);
    }
    e1 += offset;
    e2 += offset;
    // A font gradient may have taken the pen.
    canvas.UsePen(separator);
    DrawAcross(layout, e1, from, to);
    DrawAcross(layout, e2, from, to);

    if (FLegend->Visible()) {
        MeasureLegend(layout);
        const int w = layout.LegendWidth;
        if (ticksForward) std::swap(e1, e2);
        if (axis.Inverted()) std::swap(e1, e2);
        (layout.Horizontal ? e1 : e2) -= w;
        const bool otherSide = FLegend->OtherSide();
        int kept = 0;
        if (otherSide && layout.Horizontal) {
            kept = e1;
            e1 = e2;
            e2 += w;
        } else if (otherSide) {
            kept = e2;
            e2 = e1;
            e1 -= w;
        }
        DrawLegendColumn(layout, e1, e2);
        if (otherSide && layout.Horizontal) {
            e1 = kept + w;
        } else if (otherSide) {
            e1 = e2 + w;
            e2 = kept + w;
        }
    }

    canvas.UsePen(layout.Horizontal ? Pen() : FColumnPen.get());
    auto rowLine = [&](int n) {
        const int line = RowLine(layout, n);
        if (layout.Horizontal)
            canvas.DrawLine(e1, line, e2, line);
        else
            canvas.DrawLine(line, e1, line, e2);
    };
    rowLine(-1);
    for (int i = 0; i < seriesCount; ++i)
        if (layout.InTable[size_t(i)]) rowLine(i);
    rowLine(seriesCount);
}

void TDataTableTool::DrawCells(const TLayout& layout) {
    TCustomAxisPanel& chart = *FParentChart;
    TCanvas3D& canvas = *chart.Canvas3D();
    TChartAxis& axis = *layout.Axis;
    canvas.UseFont(FFont.get());
    const int lineHeight = canvas.MeasureLineHeight();
    const int count = int(layout.InTable.size());

    int first = -1, last = -1;
    for (int i = 0; i < count; ++i) {
        TChartSeries& s = *chart.GetSeries(i);
        s.ComputeVisibleRange();
        if (s.FirstInView < 0) continue;
        first = first < 0 ? s.FirstInView : std::min(first, s.FirstInView);
        last = std::max(last, s.LastInView);
    }
    if (first < 0) return;
    // Every k-th index, as far apart as the axis' labels; every index when there are few.
    // A step beyond the last index (or none at all, on a huge range) would show one index only:
    // kept as a whole number only within the indexes, never converted from a value out of range.
    const double increment = axis.IncrementForLabelSize(axis.LabelsSpace());
    int step = increment >= 1 && increment <= last ? int(increment) : 0;
    if (step <= 0 || last / step < 2) step = 1;

    for (int d = first; d <= last; d += step) {
        // The index' place along the axis: from the first series that shows a mark there.
        bool found = false;
        double value = 0;
        for (int i = 0; i < count && !found; ++i) {
            TChartSeries& s = *chart.GetSeries(i);
            if (s.FirstInView < 0 || d < s.FirstInView || d > s.LastInView || d >= s.Count())
                continue;
            if (s.ValueMarkText(d).empty()) continue;
            found = true;
            value = layout.Horizontal ? s.XValueAt(d) : s.YValueAt(d);
        }
        if (!found || value < axis.Minimum() || value > axis.Maximum()) continue;
        const int p = axis.PixelOfValue(value) + layout.Offset;
        for (int i = 0; i < count; ++i) {
            if (!layout.InTable[size_t(i)]) continue;
            TChartSeries& s = *chart.GetSeries(i);
            if (d >= s.Count() || s.IsNullValue(d)) continue;
            const int row = RowOf(layout, i);
            if (layout.Horizontal)
                canvas.DrawTextAt(p, row, ValueText(s, d));
            else
                canvas.DrawTextAt(row + lineHeight / 4 + 1, p - lineHeight / 2, ValueText(s, d));
        }
    }
}

void TDataTableTool::DrawLegendColumn(const TLayout& layout, int e1, int e2) {
    TCustomAxisPanel& chart = *FParentChart;
    TCanvas3D& canvas = *chart.Canvas3D();
    const int w = layout.LegendWidth, sw = layout.SymbolWidth;
    const bool otherSide = FLegend->OtherSide();
    const int count = int(layout.InTable.size());
    const int outerFrom = RowLine(layout, -1), outerTo = RowLine(layout, count);
    if (layout.Horizontal) {
        const int x = otherSide ? e2 : e1;
        canvas.DrawLine(x, outerFrom, x, outerTo);
    } else {
        const int y = e2 + (otherSide ? w : 0);
        canvas.DrawLine(outerFrom, y, outerTo, y);
    }
    canvas.SetTextAlignment(TA_LEFT);
    const TLegendSymbol& symbol = *FLegend->Symbol();
    const bool showSymbol = symbol.Visible();
    const bool onLeft = symbol.Position() == spLeft;
    for (int k = 0; k < count; ++k) {
        const int i = FInverted ? count - 1 - k : k;
        if (!layout.InTable[size_t(i)]) continue;
        TChartSeries& s = *chart.GetSeries(i);
        const int a = RowOf(layout, i);
        canvas.UseFont(FLegend->Font());
        if (FLegend->FontSeriesColor()) canvas.Font()->SetColor(s.SeriesColor());
        const std::string title = chart.SeriesTitleText(&s);
        if (layout.Horizontal) {
            const int x = e1 + 4 + (showSymbol && onLeft ? sw + 4 : 0);
            canvas.DrawTextAt(x, a, title);
        } else {
            const int y = showSymbol && !onLeft ? e2 + w - 4 : e2 + w - sw - 8;
            canvas.DrawRotatedText(a + 4, y, title, 90);
        }
        if (!showSymbol) continue;
        TRect r;
        if (layout.Horizontal)
            r = onLeft ? TRect{e1 + 4, a + 4, e1 + 4 + sw, a + 12}
                       : TRect{e1 + w - 4 - sw, a + 4, e1 + w - 4, a + 12};
        else
            r = onLeft ? TRect{a + 6, e2 + w - 4 - sw, a + 18, e2 + w - 4}
                       : TRect{a + 6, e2 + 4, a + sw + 6, e2 + sw + 4};
        DrawSymbol(s, NormalizedRect(r));
    }
}

void TDataTableTool::DrawSymbol(TChartSeries& series, const TRect& rect) {
    const TLegendSymbol& symbol = *FLegend->Symbol();
    // The legend's own symbol painting, in the series' colour, when it has a gradient.
    if (symbol.Gradient()->Visible())
        symbol.DrawSymbol(series.SeriesColor(), rect);
    else
        series.DrawLegendSymbol(-1, rect);
}
