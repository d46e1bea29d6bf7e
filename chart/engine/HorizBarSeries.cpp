#include "chart/engine/HorizBarSeries.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BarSeriesGradient.h"
#include "chart/engine/Callout.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"

THorizBarSeries::THorizBarSeries(TComponent* owner) : TCustomBarSeries(owner) {
    MakeXMandatory();
    XValues().SetOrder(loNone);
    YValues().SetOrder(loAscending);
    Gradient()->SetDirection(gdLeftRight);
    XValues().SetName(TxtBar2);
}

THorizBarSeries::~THorizBarSeries() = default;

void THorizBarSeries::Publish(TPublisher<THorizBarSeries>& p) {
    p.Integer("CustomBarHeight", &THorizBarSeries::CustomBarWidth,
              &THorizBarSeries::SetCustomBarWidth)
        .Default(0);
}

const TChartPen* THorizBarSeries::CalcBarRect(int valueIndex, TRect& rect) {
    const bool pen = Pen()->Visible();
    const int p = pen ? Pen()->Width() : 0;
    rect.Top = PointYPixel(valueIndex);
    if (BarWidthPercent() != 100 || CustomBarWidth() != 0 || MultiBar() == mbSelfStack) {
        rect.Bottom = rect.Top + BarSize() - 1;
    } else if (!ResolvedVertAxis()->Inverted()) {
        // At 100 percent the bars touch; the next point lies higher up on screen.
        rect.Bottom = valueIndex > 0 ? PointYPixel(valueIndex - 1) : rect.Top + BarSize() - p;
    } else {
        rect.Bottom =
            valueIndex < Count() - 1 ? PointYPixel(valueIndex + 1) : rect.Top + BarSize() - p;
    }
    rect.Left = BarOrigin(valueIndex);
    rect.Right = PointXPixel(valueIndex);
    if (!pen) {
        if (rect.Right > rect.Left) {
            ++rect.Right;
        } else {
            --rect.Right;
            ++rect.Left;
        }
        ++rect.Bottom;
    }
    return Pen();
}

void THorizBarSeries::DrawBar(int valueIndex, int barStart, int barEnd) {
    DrawStyledBar(valueIndex, barStart, barEnd);
}

bool THorizBarSeries::BarContains(int valueIndex, const TPoint& point) {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return false;
    TCanvas3D& canvas = *chart->Canvas3D();
    const bool view3D = chart->View3D();
    const int y = PointYPixel(valueIndex);
    const int bottom = y + BarSize();
    if (!view3D && (point.Y < y || point.Y > bottom)) return false;
    const int endX = PointXPixel(valueIndex), originX = BarOrigin(valueIndex);
    const int left = std::min(endX, originX), right = std::max(endX, originX);
    const int mid = (y + bottom) / 2;
    auto triangle = [&](int baseX, int apexX) {
        if (!view3D) return PointInTriangle(point, {baseX, y}, {baseX, bottom}, {apexX, mid});
        return PointInTriangle(point, canvas.ProjectPoint(baseX, y, FrontDepth),
                               canvas.ProjectPoint(baseX, bottom, FrontDepth),
                               canvas.ProjectPoint(apexX, mid, MidDepth));
    };
    // Lying on their side, the pointed styles point right.
    const TBarStyle style = PointBarStyle(valueIndex);
    if (style == bsPyramid || style == bsCone) return triangle(left, right);
    if (style == bsInvPyramid || style == bsInvCone) return triangle(right, left);
    TPoint p = point;
    if (view3D) {
        canvas.UnprojectPoint(p.X, p.Y, FrontDepth);
        if (p.Y < y || p.Y > bottom) return false;
    }
    if (style == bsEllipse) return PointInEllipseRect(p, TRect{left, y, right, bottom});
    return p.X >= left && p.X <= right;
}

void THorizBarSeries::DrawTickLine(int position, TBarStyle style) {
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    const TRect& b = BarBounds;
    if (style == bsArrow) {
        const int quarter = (b.Bottom - b.Top) / 4;
        canvas.DrawVerticalLineAtZ(position, b.Top + quarter, b.Bottom - quarter, MidDepth);
        return;
    }
    if (style != bsRectangle && style != bsRectGradient && style != bsBevel) return;
    canvas.DrawVerticalLineAtZ(position, b.Top, b.Bottom, FrontDepth);
    if (!ParentChart()->View3D()) return;
    const TPoint topFront = canvas.ProjectPoint(position, b.Top, FrontDepth);
    const TPoint topBack = canvas.ProjectPoint(position, b.Top, BackDepth);
    const TPoint bottomFront = canvas.ProjectPoint(position, b.Bottom, FrontDepth);
    const TPoint bottomBack = canvas.ProjectPoint(position, b.Bottom, BackDepth);
    if (topBack.Y < topFront.Y)
        canvas.DrawDepthLine(position, b.Top, FrontDepth, BackDepth);
    else if (bottomBack.Y > bottomFront.Y)
        canvas.DrawDepthLine(position, b.Bottom, FrontDepth, BackDepth);
}

int THorizBarSeries::MarkExtent(int valueIndex) {
    if (valueIndex == -1) return MaxMarkWidth();
    return Marks()->TextWidth(valueIndex);
}

void THorizBarSeries::DrawMark(int valueIndex, const std::string& text,
                               TSeriesMarkPosition& position) {
    const int length = Marks()->Callout()->Length();
    const int distance = Marks()->Callout()->Distance();
    const int x = PointXPixel(valueIndex);
    const int y = PointYPixel(valueIndex) + BarSize() / 2;
    // Beyond the bar's end: right of a bar reaching right of its origin, else left of it.
    const int side = x >= BarOrigin(valueIndex) ? 1 : -1;
    position.ArrowFrom = TPoint{x + side * distance, y};
    position.ArrowTo = TPoint{x + side * (length + distance), y};
    position.LeftTop.X = side > 0 ? position.ArrowTo.X : position.ArrowTo.X - position.Width;
    position.LeftTop.Y = y - position.Height / 2;
    TCustomBarSeries::DrawMark(valueIndex, text, position);
}
