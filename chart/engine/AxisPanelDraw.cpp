// The panel's drawing pass: background, titles and legend, depth rows, axes and the room they
// take, walls, series with their marks, each step announced to the tools and the chart's
// events; and the clipping of series and marks to the chart's cube.
#include <algorithm>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartTools.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/TeeZoom.h"
#include "chart/foundation/View3DOptions.h"

namespace {

// A series or its marks failing while clipped leave no clip behind on the surface.
class TSeriesClipGuard {
public:
    explicit TSeriesClipGuard(TCustomAxisPanel& chart) : FChart(chart) {}
    ~TSeriesClipGuard() { FChart.UnclipSeries(); }
    TSeriesClipGuard(const TSeriesClipGuard&) = delete;
    TSeriesClipGuard& operator=(const TSeriesClipGuard&) = delete;

private:
    TCustomAxisPanel& FChart;
};

}  // namespace

void TCustomAxisPanel::InternalDraw(const TRect& rect) {
    const TAutoRepaintGuard noRepaints(*this);
    const TSeriesClipGuard noClipLeft(*this);
    const TView3DOptions* view = View3DOptions();
    ViewTurnedRound =
        View3D() && view && (view->Orthogonal() ? view->OrthoAngle() > 90 : view->Rotation() < 180);
    TCanvas3D& canvas = *Canvas3D();
    const bool freeRotation = canvas.SupportsFreeRotation();
    if (!freeRotation) DrawPanel(rect);
    ToolsChartEvent(cteBeforeDraw);
    DoBeforeDrawChart();
    for (TChartSeries* s : SeriesList())
        if (s->Active()) s->PrepareForChartDraw();
    if (!freeRotation) DrawTitlesAndLegend(true);
    AssignDepthRows();
    AdjustChartRectFor3D();
    const TRect beforeAxes = ChartRect();
    PlaceAxes();
    for (TChartSeries* s : SeriesList())
        if (s->Active()) s->ComputeDepthRange();
    for (TChartAxis* axis : Axes().List()) AxisMarginsFromSeries(*axis);
    canvas.PrepareProjection(Width3D(), ChartRect());
    if (freeRotation) {
        // A rotating surface draws the background and titles inside the projection, around the
        // chart rectangle the axes have not reduced yet.
        const TRect placed = ChartRect();
        SetChartRect(beforeAxes);
        DrawPanel(rect);
        DrawTitlesAndLegend(true);
        SetChartRect(placed);
    }
    DrawWalls();
    if (AxisBehind()) {
        ToolsChartEvent(cteBeforeDrawAxes);
        DrawAxes();
    }
    ToolsChartEvent(cteBeforeDrawSeries);
    DoBeforeDrawSeries();
    DrawSeries();
    ToolsChartEvent(cteAfterDrawSeries);
    if (!AxisBehind()) {
        ToolsChartEvent(cteBeforeDrawAxes);
        DrawAxes();
    }
    DrawTitlesAndLegend(false);
    if (Zoom() && Zoom()->Active) DrawZoomRectangle();
    ToolsChartEvent(cteAfterDraw);
    canvas.ResetDrawingState();
    DoAfterDraw();
}

void TCustomAxisPanel::AssignDepthRows() {
    DepthRowCount = 0;
    const bool rows = ZOrderingEnabled() && View3D();
    if (rows) {
        DepthRowCount = -1;
        for (TChartSeries* s : SeriesList())
            if (s->Active()) s->AssignZOrder();
    }
    // With the depth axis inverted the rows stay in list order; a series with a row of its own
    // is drawn there (not at a row left from an earlier pass), and without rows all at 0.
    const bool inverted = FDepthAxis->Inverted();
    for (TChartSeries* s : SeriesList()) {
        if (!s->Active()) continue;
        if (!rows)
            s->DrawDepthIndex = 0;
        else if (!inverted)
            s->DrawDepthIndex = DepthRowCount - s->GetDepthIndex();
        else if (s->DepthIndex() != -1)
            s->DrawDepthIndex = s->DepthIndex();
    }
}

void TCustomAxisPanel::PlaceAxes() {
    const std::vector<TChartAxis*> axes = Axes().List();
    std::vector<char> shown(axes.size());
    for (size_t i = 0; i < axes.size(); ++i) {
        shown[i] = IsAxisShown(axes[i]);
        axes[i]->ComputeRange();
    }
    for (TChartAxis* axis : axes) axis->PositionInChart();
    TRect r = ChartRect();
    for (size_t i = 0; i < axes.size(); ++i) {
        TChartAxis& axis = *axes[i];
        if (shown[i]) {
            TRect placed = r;
            axis.PlaceInChartRect(placed, i < 5);
            const TRect common = IntersectRect(placed, r);
            if (!common.IsEmpty()) r = common;
        } else if (Axes().AxisSpaceHook) {
            const int room = Axes().AxisSpaceHook(axis, 0);
            if (axis.Horizontal())
                axis.OtherSide() ? r.Top += room : r.Bottom -= room;
            else
                axis.OtherSide() ? r.Right -= room : r.Left += room;
        }
    }
    SetChartRect(r);
    RecomputeChartSize();
    for (TChartAxis* axis : axes) axis->PositionInChart();
}

void TCustomAxisPanel::AxisMarginsFromSeries(TChartAxis& axis) {
    int left = 0, top = 0, right = 0, bottom = 0;
    const bool noMinOffset = axis.MinimumOffset() == 0;
    const bool noMaxOffset = axis.MaximumOffset() == 0;
    for (TChartSeries* s : SeriesList()) {
        if (!s->Active() || !s->UsesAxis(&axis)) continue;
        int a = 0, b = 0;
        if (axis.Horizontal()) {
            s->HorizontalMarginsNeeded(a, b);
            if (noMinOffset && axis.AutomaticMinimum()) left = std::max(left, a);
            if (noMaxOffset && axis.AutomaticMaximum()) right = std::max(right, b);
        } else {
            s->VerticalMarginsNeeded(a, b);
            if (noMinOffset && axis.AutomaticMaximum()) top = std::max(top, a);
            if (noMaxOffset && axis.AutomaticMinimum()) bottom = std::max(bottom, b);
        }
    }
    if (!noMinOffset || !noMaxOffset) {
        // On an inverted axis the minimum lies at the far end.
        const int atMin = axis.Inverted() ? axis.MaximumOffset() : axis.MinimumOffset();
        const int atMax = axis.Inverted() ? axis.MinimumOffset() : axis.MaximumOffset();
        if (axis.Horizontal()) {
            left += atMin;
            right += atMax;
        } else {
            bottom += atMin;
            top += atMax;
        }
    }
    // Pixels at the start and the end of the axis: left and right, or bottom and top.
    if (axis.Horizontal())
        axis.ApplyPixelMargins(left, right);
    else
        axis.ApplyPixelMargins(bottom, top);
    axis.RoundLimitsToIncrement();
    if (!noMinOffset || !noMaxOffset) axis.PlaceTitleBeyondLabels();
}

void TCustomAxisPanel::DrawAxes() {
    if (!AxisVisible()) return;
    TCanvas3D& canvas = *Canvas3D();
    canvas.BeginNamedPart("axes");
    DoBeforeDrawAxes();
    for (TChartAxis* axis : Axes().List()) {
        if (!IsAxisShown(axis)) continue;
        if (axis == FBottomAxis && IsSeenFromBehindAt(0)) continue;
        axis->Draw(false);
    }
    canvas.EndNamedPart();
}

void TCustomAxisPanel::DrawSeries() {
    const std::vector<TChartSeries*> series(SeriesList().begin(), SeriesList().end());
    auto drawOne = [this](TChartSeries* s) {
        if (s->Active()) DrawSeriesAndMarks(*s);
    };
    if (FDepthAxis->Inverted() != IsSeenFromBehindAt(Width3D()))
        std::for_each(series.rbegin(), series.rend(), drawOne);
    else
        std::for_each(series.begin(), series.end(), drawOne);
}

void TCustomAxisPanel::DrawSeriesAndMarks(TChartSeries& s) {
    TCanvas3D& canvas = *Canvas3D();
    if (!View3D() || !s.HasZOrderSiblings()) {
        s.ComputeVisibleRange();
        if (s.FirstInView == -1) return;
        canvas.BeginNamedPart(SeriesNameOrNumber(&s));
        s.DoBeforeDrawValues();
        if (s.UsesAxes() && FClipPoints) ClipSeries();
        s.DrawAllValues();
        UnclipSeries();
        DrawSeriesMarks(s);
        s.DoAfterDrawValues();
        canvas.EndNamedPart();
        return;
    }
    if (!s.IsFirstOfDepthRow()) return;
    // The whole row point by point: each point of every series of the row before the next.
    const int row = s.GetDepthIndex();
    const int start = SeriesList().IndexOf(&s);
    auto inRow = [row](const TChartSeries* t) { return t->Active() && t->GetDepthIndex() == row; };
    std::vector<TChartSeries*> shown;
    int first = -1, last = -1;
    for (int i = start; i < SeriesCount(); ++i) {
        TChartSeries& t = *GetSeries(i);
        if (!inRow(&t)) continue;
        t.ComputeVisibleRange();
        if (t.FirstInView == -1) continue;
        first = first == -1 ? t.FirstInView : std::min(first, t.FirstInView);
        last = std::max(last, t.LastInView);
        t.DoBeforeDrawValues();
        if (!FSeriesClipped && FClipPoints && t.UsesAxes()) ClipSeries();
        shown.push_back(&t);
    }
    if (first != -1) {
        std::vector<int> points, order;
        s.ListValueOrder(first, last, points);
        if (!s.DrawsValuesForward()) std::reverse(points.begin(), points.end());
        for (int p : points) {
            s.ListSeriesOrder(start, SeriesCount(), p, order);
            if (p < s.Count() && !s.DrawsSeriesForward(p)) std::reverse(order.begin(), order.end());
            for (int index : order) {
                TChartSeries& t = *GetSeries(index);
                if (inRow(&t) && t.Count() > p) t.DrawValue(p);
            }
        }
    }
    UnclipSeries();
    for (TChartSeries* t : shown) {
        DrawSeriesMarks(*t);
        t->DoAfterDrawValues();
    }
}

void TCustomAxisPanel::ClipSeries() {
    if (!ClipAllowed()) return;
    TRect r = ChartRect();
    --r.Top;
    ++r.Bottom;
    Canvas3D()->ClipToCube(r, 0, Width3D());
    FSeriesClipped = true;
}

void TCustomAxisPanel::UnclipSeries() {
    if (!FSeriesClipped) return;
    Canvas3D()->RemoveClipping();
    FSeriesClipped = false;
}

void TCustomAxisPanel::DrawSeriesMarks(TChartSeries& s) {
    if (s.Count() == 0 || !s.Marks()->Visible()) return;
    const bool clip = s.Marks()->Clip();
    if (clip) ClipSeries();
    s.DrawMarks();
    if (clip) UnclipSeries();
}

bool TCustomAxisPanel::CheckMouseOverSeries(int x, int y) {
    bool over = false;
    for (int i = SeriesCount() - 1; i >= 0; --i) {
        TChartSeries* s = GetSeries(i);
        if (s->Active() && s->CheckMouse(x, y)) over = true;
    }
    return over;
}

int TCustomAxisPanel::MaxMarkWidthOfSeries() {
    int widest = 0;
    for (TChartSeries* s : SeriesList())
        if (s->Active()) widest = std::max(widest, s->MaxMarkWidth());
    return widest;
}
