#include "chart/tools/fill/SeriesRegionTool.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Geometry.h"

TSeriesRegionTool::TSeriesRegionTool(TComponent* owner)
    : TTeeCustomToolSeries(owner), FGradient(std::make_unique<TTeeGradient>(StyleChangedEvent())) {
    Brush()->SetBackColor(clWhite);
}

TSeriesRegionTool::~TSeriesRegionTool() = default;

void TSeriesRegionTool::SetAutoBounds(bool value) { ChangeField(FAutoBounds, value); }
TColor TSeriesRegionTool::Color() const { return Brush()->BackColor(); }
void TSeriesRegionTool::SetColor(TColor value) { Brush()->SetBackColor(value); }
void TSeriesRegionTool::SetDrawBehindSeries(bool value) { ChangeField(FDrawBehindSeries, value); }
void TSeriesRegionTool::SetGradient(const TTeeGradient* value) { FGradient->Assign(value); }
void TSeriesRegionTool::SetLowerBound(double value) { ChangeField(FLowerBound, value); }
void TSeriesRegionTool::SetUpperBound(double value) { ChangeField(FUpperBound, value); }
void TSeriesRegionTool::SetOrigin(double value) { ChangeField(FOrigin, value); }
void TSeriesRegionTool::SetUseOrigin(bool value) { ChangeField(FUseOrigin, value); }
void TSeriesRegionTool::SetTransparency(int value) { ChangeField(FTransparency, value); }

void TSeriesRegionTool::SetSeries(TChartSeries* value) {
    TTeeCustomToolSeries::SetSeries(value);
    Repaint();
}

void TSeriesRegionTool::SeriesDrawEvent(TChartSeriesToolEvent event) {
    if (!Series()) return;
    if ((event == csteBeforeDrawValues && FDrawBehindSeries) ||
        (event == csteAfterDrawValues && !FDrawBehindSeries))
        DrawRegion();
}

int TSeriesRegionTool::FindIndex(double x, double& y) const {
    const TChartSeries& s = *Series();
    const TChartValueList& xs = s.NotMandatoryValueList();
    const TChartValueList& ys = s.MandatoryValueList();
    const int count = xs.Count();
    y = count > 0 ? ys[0] : 0;
    int i = 0;
    while (i < count && xs[i] < x) ++i;
    if (i < count && xs[i] == x)
        y = ys[i];
    else if (i > 0 && i < count)
        y = (x - xs[i - 1]) * (ys[i] - ys[i - 1]) / (xs[i] - xs[i - 1]) + ys[i - 1];
    return i;
}

std::vector<TPoint> TSeriesRegionTool::RegionPoints() const {
    std::vector<TPoint> points;
    TChartSeries* s = Series();
    if (!s || s->Count() == 0) return points;
    TChartValueList& xs = s->NotMandatoryValueList();
    const double minX = xs.Minimum(), maxX = xs.Maximum();
    double lo = minX, hi = maxX;
    if (!FAutoBounds) {
        lo = std::max(FLowerBound, lo);
        hi = std::min(FUpperBound, hi);
    }
    if (!(minX < hi && maxX > lo)) return points;
    double y1 = 0, y2 = 0;
    int i1 = FindIndex(lo, y1);
    int i2 = FindIndex(hi, y2);
    if (i2 < i1) std::swap(i1, i2);
    // The outline stops at the upper bound: a point past it is not part of the region.
    if (i2 >= s->Count() || xs[i2] > hi) --i2;
    for (int i = i1; i <= i2; ++i) points.push_back({s->PointXPixel(i), s->PointYPixel(i)});
    TChartAxis* vertical = s->ResolvedVertAxis();
    const int base = FUseOrigin || !vertical ? s->YValueToPixel(FOrigin) : vertical->EndPos();
    const int xHi = s->XValueToPixel(hi), xLo = s->XValueToPixel(lo);
    points.push_back({xHi, s->YValueToPixel(y2)});
    points.push_back({xHi, base});
    points.push_back({xLo, base});
    points.push_back({xLo, s->YValueToPixel(y1)});
    return points;
}

void TSeriesRegionTool::DrawRegion() {
    TCustomAxisPanel* chart = ParentChart();
    TChartSeries* s = Series();
    if (!Active() || !chart || !s) return;
    const std::vector<TPoint> points = RegionPoints();
    if (points.empty()) return;
    const int last = int(points.size()) - 1;
    TCanvas3D& c = *chart->Canvas3D();
    const bool is3D = chart->View3D();
    const int z = s->FrontDepth;
    c.UseBrush(Brush());
    c.UsePen(Pen());
    c.ClipToRectangle(c.ProjectedRectBounds(chart->ChartRect(), z));
    {
        const TRect bounds = BoundsOfPoints(points);
        const TBlendScope blend(c, is3D ? c.ProjectedRectBounds(bounds, z) : bounds, FTransparency);
        if (FGradient->Visible() && chart->ClipAllowed() && (!is3D || c.OrthoProjection())) {
            FGradient->DrawPolygon(c, points, last, is3D, z);
            c.Brush()->SetStyle(bsClear);
        }
        if (is3D)
            c.DrawPolygonAtZ(points, last, z);
        else
            c.DrawPolygon(points, last);
    }
    c.RemoveClipping();
}

void TSeriesRegionTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TSeriesRegionTool*>(source)) {
        FAutoBounds = other->FAutoBounds;
        FDrawBehindSeries = other->FDrawBehindSeries;
        FGradient->Assign(other->FGradient.get());
        FLowerBound = other->FLowerBound;
        FOrigin = other->FOrigin;
        FUseOrigin = other->FUseOrigin;
        FTransparency = other->FTransparency;
        FUpperBound = other->FUpperBound;
    }
    TTeeCustomToolSeries::Assign(source);
}

void TSeriesRegionTool::Publish(TPublisher<TSeriesRegionTool>& p) {
    using T = TSeriesRegionTool;
    p.Boolean("AutoBounds", &T::AutoBounds, &T::SetAutoBounds).Default(true);
    p.Object("Brush", &T::Brush, &T::SetBrush);
    p.Color("Color", &T::Color, &T::SetColor).Default(clWhite);
    p.Boolean("DrawBehindSeries", &T::DrawBehindSeries, &T::SetDrawBehindSeries).Default(true);
    p.Object("Gradient", &T::Gradient, &T::SetGradient);
    p.Float("LowerBound", &T::LowerBound, &T::SetLowerBound).Default(0.0);
    p.Float("Origin", &T::Origin, &T::SetOrigin).Default(0.0);
    p.Object("Pen", &T::Pen, &T::SetPen);
    p.Integer("Transparency", &T::Transparency, &T::SetTransparency).Default(0);
    p.Float("UpperBound", &T::UpperBound, &T::SetUpperBound).Default(0.0);
    p.Boolean("UseOrigin", &T::UseOrigin, &T::SetUseOrigin).Default(true);
}
