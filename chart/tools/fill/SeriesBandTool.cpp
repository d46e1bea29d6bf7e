#include "chart/tools/fill/SeriesBandTool.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/classes/Publisher.h"

TSeriesBandTool::TSeriesBandTool(TComponent* owner)
    : TTeeCustomToolSeries(owner), FGradient(std::make_unique<TTeeGradient>(StyleChangedEvent())) {
    Brush()->SetColor(clWhite);
    Pen()->SetVisible(false);
}

TSeriesBandTool::~TSeriesBandTool() { DetachSeries2(true); }

void TSeriesBandTool::SetDrawBehindSeries(bool value) { ChangeField(FDrawBehindSeries, value); }
void TSeriesBandTool::SetGradient(const TTeeGradient* value) { FGradient->Assign(value); }
void TSeriesBandTool::SetTransparency(int value) { ChangeField(FTransparency, value); }
void TSeriesBandTool::SetBoundValue(double value) { ChangeField(FBoundValue, value); }

void TSeriesBandTool::SetSeries2(TChartSeries* value) {
    if (value == FSeries2) return;
    DetachSeries2(true);
    if (FSeries2) FSeries2->RemoveFreeNotification(this);
    FSeries2 = value;
    if (FSeries2) FSeries2->FreeNotification(this);
    AttachSeries2();
    Repaint();
}

void TSeriesBandTool::AttachSeries2() {
    if (!FSeries2) return;
    FSavedBefore = FSeries2->BeforeDrawValues;
    FSavedAfter = FSeries2->AfterDrawValues;
    FSeries2->BeforeDrawValues = [this, chained = FSavedBefore](TObject* sender) {
        if (chained) chained(sender);
        SeriesDrawing(false, true);
    };
    FSeries2->AfterDrawValues = [this, chained = FSavedAfter](TObject* sender) {
        if (chained) chained(sender);
        SeriesDrawing(false, false);
    };
}

void TSeriesBandTool::DetachSeries2(bool restore) {
    if (!FSeries2) return;
    FSeries2->BeforeDrawValues = restore ? FSavedBefore : nullptr;
    FSeries2->AfterDrawValues = restore ? FSavedAfter : nullptr;
    FSavedBefore = nullptr;
    FSavedAfter = nullptr;
}

void TSeriesBandTool::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FSeries2 && FSeries2) {
        FSavedBefore = FSavedAfter = nullptr;
        FSeries2 = nullptr;
    }
    TTeeCustomToolSeries::Notification(component, operation);
}

void TSeriesBandTool::ChartDrawEvent(TChartToolEvent event) {
    TTeeCustomToolSeries::ChartDrawEvent(event);
    if (event == cteBeforeDrawSeries) FFirstSeen = FSecondSeen = false;
}

void TSeriesBandTool::SeriesDrawEvent(TChartSeriesToolEvent event) {
    SeriesDrawing(true, event == csteBeforeDrawValues);
}

void TSeriesBandTool::SeriesDrawing(bool first, bool before) {
    if (before != FDrawBehindSeries) return;
    (first ? FFirstSeen : FSecondSeen) = true;
    if (before) {
        // Once, before the first of the two series.
        if (!(FFirstSeen && FSecondSeen && FSeries2)) DrawBand();
    } else if (FFirstSeen && (FSecondSeen || !FSeries2)) {
        DrawBand();
    }
}

namespace {

void AppendSeriesPoints(std::vector<TPoint>& points, const TChartSeries& s, bool backwards) {
    int first = s.FirstInView;
    const int last = s.LastInView;
    if (first < 0 || last < 0) return;
    // A series drawn between points starts from the point before the range.
    if (s.ReachesRangeEdge && first > 0) --first;
    if (!backwards)
        for (int i = first; i <= last; ++i) points.push_back({s.PointXPixel(i), s.PointYPixel(i)});
    else
        for (int i = last; i >= first; --i) points.push_back({s.PointXPixel(i), s.PointYPixel(i)});
}

}  // namespace

std::vector<TPoint> TSeriesBandTool::BandPoints() const {
    std::vector<TPoint> points;
    TChartSeries* series = Series();
    if (!series || series->FirstInView < 0) return points;
    AppendSeriesPoints(points, *series, false);
    if (FSeries2) {
        AppendSeriesPoints(points, *FSeries2, true);
    } else if (!points.empty()) {
        const int y = series->YValueToPixel(FBoundValue);
        const int firstX = points.front().X, lastX = points.back().X;
        points.push_back({lastX, y});
        points.push_back({firstX, y});
    }
    return points;
}

void TSeriesBandTool::DrawBand() {
    TCustomAxisPanel* chart = ParentChart();
    TChartSeries* series = Series();
    if (!Active() || !chart || !series) return;
    series->ComputeVisibleRange();
    if (FSeries2) FSeries2->ComputeVisibleRange();
    if (series->FirstInView < 0) return;
    const std::vector<TPoint> points = BandPoints();
    if (points.size() < 3) return;
    const int last = int(points.size()) - 1;
    const int z =
        FSeries2 ? std::max(series->FrontDepth, FSeries2->FrontDepth) : series->FrontDepth;
    TCanvas3D& c = *chart->Canvas3D();
    const bool is3D = chart->View3D();
    const auto outline = [&] {
        c.ClipToRectangle(c.ProjectedRectBounds(chart->ChartRect(), z));
        c.UsePen(Pen());
        if (is3D)
            c.DrawPolygonAtZ(points, last, z);
        else
            c.DrawPolygon(points, last);
        c.RemoveClipping();
    };
    const TBlendScope blend(c, c.ProjectedRectBounds(OuterBoundsOfPoints(points, last + 1), z),
                            FTransparency);
    if (FGradient->Visible() && chart->ClipAllowed()) {
        if (chart->ClipPoints()) c.ClipToCube(chart->ChartRect(), 0, chart->Width3D());
        FGradient->DrawPolygon(c, points, last, is3D, z);
        c.RemoveClipping();
        c.Brush()->SetStyle(bsClear);
        if (Pen()->Visible()) outline();
    } else {
        c.UseBrush(Brush());
        outline();
    }
}

void TSeriesBandTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TSeriesBandTool*>(source)) {
        FDrawBehindSeries = other->FDrawBehindSeries;
        FGradient->Assign(other->FGradient.get());
        FTransparency = other->FTransparency;
        FBoundValue = other->FBoundValue;
        SetSeries2(other->FSeries2);
    }
    TTeeCustomToolSeries::Assign(source);
}

void TSeriesBandTool::Publish(TPublisher<TSeriesBandTool>& p) {
    using T = TSeriesBandTool;
    p.Float("BoundValue", &T::BoundValue, &T::SetBoundValue).Default(0.0);
    p.Object("Brush", &T::Brush, &T::SetBrush);
    p.Boolean("DrawBehindSeries", &T::DrawBehindSeries, &T::SetDrawBehindSeries).Default(true);
    p.Object("Gradient", &T::Gradient, &T::SetGradient);
    p.Object("Pen", &T::Pen, &T::SetPen);
    p.Component("Series2", &T::Series2, &T::SetSeries2);
    p.Integer("Transparency", &T::Transparency, &T::SetTransparency).Default(0);
}
