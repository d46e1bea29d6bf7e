#include "chart/tools/overlay/NearestTool.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/grid3d/Custom3DSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/tools/overlay/NotXorPen.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/RtlMath.h"

namespace {

// Points this far away or more are never the nearest.
constexpr int NoDistance = 10000;

// The depth of a point of a series with depth values of its own, else none.
std::optional<int> PointDepth(const TChartSeries& series, int index) {
    auto* s3d = dynamic_cast<const TCustom3DSeries*>(&series);
    if (!s3d || !series.ParentChart()) return std::nullopt;
    return series.ParentChart()->DepthAxis()->PixelOfValue(s3d->ZValues()[index]);
}

}  // namespace

const TEnumInfo& NearestToolStyleNames() {
    static const TEnumInfo names{"hsNone", "hsCircle", "hsRectangle", "hsDiamond", "hsSeries"};
    return names;
}

TNearestTool::TNearestTool(TComponent* owner)
    : TTeeCustomToolSeries(owner), FLinePen(CreateLinkedPen()) {
    Brush()->SetStyle(bsClear);
    Pen()->SetStyle(psDot);
    Pen()->SetColor(clWhite);
}

TNearestTool::~TNearestTool() = default;

bool TNearestTool::DrawLine() const { return FLinePen->Visible(); }
void TNearestTool::SetDrawLine(bool value) { FLinePen->SetVisible(value); }
void TNearestTool::SetLinePen(const TChartPen* value) { FLinePen->Assign(value); }

int TNearestTool::NearestPoint(TChartSeries& series, int x, int y) {
    const int hit = series.ValueIndexAt(x, y);
    if (hit != -1) return hit;
    const int count = series.Count();
    if (count == 0) return -1;
    const int first = std::clamp(series.FirstInView, 0, count - 1);
    const int last = std::clamp(series.LastInView, 0, count - 1);
    TCustomAxisPanel* chart = series.ParentChart();
    int best = NoDistance;
    int result = -1;
    for (int i = first; i <= last; ++i) {
        if (series.IsNullValue(i)) continue;
        int px = 0, py = 0;
        series.ValueScreenPoint(i, px, py);
        if (const std::optional<int> z = PointDepth(series, i)) {
            const TPoint p = chart->Canvas3D()->ProjectPoint(px, py, *z);
            px = p.X;
            py = p.Y;
        } else if (!chart || !PointInRectXY(chart->ChartRect(), px, py)) {
            continue;
        }
        const double dx = px - x, dy = py - y;
        const int distance = int(Round(std::sqrt(dx * dx + dy * dy)));
        if (distance < best) {
            best = distance;
            result = i;
        }
    }
    return result;
}

void TNearestTool::DrawFigure(int x, int y, int z) {
    TCustomAxisPanel& chart = *ParentChart();
    TCanvas3D& canvas = *chart.Canvas3D();
    const bool is3D = chart.View3D();
    const int s = FSize;
    const TRect r{x - s, y - s, x + s, y + s};
    switch (FStyle) {
        case hsNone:
            break;
        case hsCircle:
            if (is3D)
                canvas.DrawEllipseAtZFromRect(r, z);
            else
                canvas.DrawEllipseFromRect(r);
            break;
        case hsRectangle:
            if (is3D)
                canvas.DrawRectangleAtZ(r, z);
            else
                canvas.DrawRectangleFromRect(r);
            break;
        case hsDiamond: {
            const TPoint points[4] = {{x, y - s}, {x + s, y}, {x, y + s}, {x - s, y}};
            canvas.DrawPolygonAtZ(points, 3, z);
            break;
        }
        case hsSeries: {
            // The series draws its own point, in the tool's pen; its pen comes back unchanged.
            TChartSeries& series = *Series();
            const TAutoRepaintGuard quiet(chart);
            TChartPen saved;
            saved.Assign(series.Pen());
            series.Pen()->Assign(Pen());
            series.DrawValue(FPoint);
            series.Pen()->Assign(&saved);
            break;
        }
    }
}

void TNearestTool::DrawMark() {
    TChartSeries* series = Series();
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || !series || !series->Active() || FPoint < 0 || FPoint >= series->Count()) return;
    TCanvas3D& canvas = *chart->Canvas3D();
    int x = 0, y = 0;
    series->ValueScreenPoint(FPoint, x, y);
    const int z = PointDepth(*series, FPoint).value_or(series->FrontDepth);
    {
        std::optional<TNotXorPen> inverting;
        if (FFullRepaint)
            canvas.UsePen(Pen());
        else
            inverting.emplace(canvas, *Pen(), chart->Color());
        if (FStyle != hsNone) {
            canvas.UseBrush(Brush());
            canvas.SetBackgroundMode(TRANSPARENT);
            DrawFigure(x, y, z);
        }
    }
    if (DrawLine()) {
        std::optional<TNotXorPen> inverting;
        if (FFullRepaint)
            canvas.UsePen(FLinePen.get());
        else
            inverting.emplace(canvas, *FLinePen, chart->Color());
        canvas.MovePenTo(FMouse.X, FMouse.Y);
        const TPoint to = chart->View3D() ? canvas.ProjectPoint(x, y, z) : TPoint{x, y};
        canvas.DrawLineTo(to.X, to.Y);
    }
    canvas.Pen()->SetMode(pmCopy);
    canvas.MarkDirty();
}

void TNearestTool::ChartDrawEvent(TChartToolEvent event) {
    TTeeCustomToolSeries::ChartDrawEvent(event);
    if (event == cteAfterDraw) {
        DrawMark();
    } else if (event == cteMouseLeave) {
        if (!FFullRepaint) DrawMark();
        FPoint = -1;
        if (FFullRepaint) Repaint();
    }
}

void TNearestTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift,
                                   int x, int y) {
    TTeeCustomToolSeries::ChartMouseEvent(kind, button, shift, x, y);
    if (kind != cmeMove || !Series() || !ParentChart()) return;
    if (!FFullRepaint) DrawMark();
    FPoint = NearestPoint(*Series(), x, y);
    FMouse = TPoint{x, y};
    if (!FFullRepaint) DrawMark();
    if (OnChange) OnChange(this);
    if (FFullRepaint) Repaint();
}

void TNearestTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TNearestTool*>(source)) {
        FFullRepaint = other->FFullRepaint;
        FLinePen->Assign(other->FLinePen.get());
        FSize = other->FSize;
        FStyle = other->FStyle;
    }
    TTeeCustomToolSeries::Assign(source);
}

void TNearestTool::Publish(TPublisher<TNearestTool>& p) {
    using T = TNearestTool;
    p.Object("Brush", &T::Brush, &T::SetBrush);
    p.Boolean("DrawLine", &T::DrawLine, &T::SetDrawLine).Default(true);
    p.Boolean("FullRepaint", &T::FullRepaint, &T::SetFullRepaint).Default(true);
    p.Object("LinePen", &T::LinePen, &T::SetLinePen);
    p.Object("Pen", &T::Pen, &T::SetPen);
    p.Integer("Size", &T::Size, &T::SetSize).Default(20);
    p.Enumeration("Style", NearestToolStyleNames(), &T::Style, &T::SetStyle).Default(hsCircle);
}
