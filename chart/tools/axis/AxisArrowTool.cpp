#include "chart/tools/axis/AxisArrowTool.h"

#include <cstdlib>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& AxisArrowToolPositionNames() {
    static const TEnumInfo names{"aaStart", "aaEnd", "aaBoth"};
    return names;
}

TAxisArrowTool::TAxisArrowTool(TComponent* owner) : TTeeCustomToolAxis(owner) {}

TAxisArrowTool::~TAxisArrowTool() = default;

void TAxisArrowTool::Publish(TPublisher<TAxisArrowTool>& p) {
    using A = TAxisArrowTool;
    p.Enumeration("Position", AxisArrowToolPositionNames(), &A::Position, &A::SetPosition)
        .Default(aaBoth);
    p.Object("Brush", &A::Brush, &A::SetBrush);
    p.Integer("HeadWidth", &A::HeadWidth, &A::SetHeadWidth).Default(8);
    p.Integer("Length", &A::Length, &A::SetLength).Default(16);
    p.Object("Pen", &A::Pen, &A::SetPen);
    p.Boolean("ScrollInverted", &A::ScrollInverted, &A::SetScrollInverted).Default(false);
    p.Integer("ScrollPercent", &A::ScrollPercent, &A::SetScrollPercent).Default(10);
    p.Integer("SizePercent", &A::SizePercent, &A::SetSizePercent).Default(50);
}

TAxisArrowTool::TArrow TAxisArrowTool::ArrowAtPoint(int x, int y) const {
    const TChartAxis* axis = Axis();
    if (!axis) return arNone;
    const int across = axis->Horizontal() ? y : x;
    const int along = axis->Horizontal() ? x : y;
    if (std::abs(across - axis->AxisPosition()) >= 3) return arNone;
    if (FPosition != aaEnd && along > axis->StartPos() && along < axis->StartPos() + FLength)
        return arStart;
    if (FPosition != aaStart && along > axis->EndPos() - FLength && along < axis->EndPos())
        return arEnd;
    return arNone;
}

void TAxisArrowTool::ScrollAxisBy(double delta) {
    TChartAxis* axis = Axis();
    auto* chart = dynamic_cast<TCustomChart*>(ParentChart());
    if (!axis || !chart) return;
    if (chart->OnAllowScroll) {
        double newMin = axis->Minimum() + delta;
        double newMax = axis->Maximum() + delta;
        bool allow = true;
        chart->OnAllowScroll(*axis, newMin, newMax, allow);
        if (!allow) return;
    }
    axis->ScrollRange(delta, false);
    // A series on both horizontal (or both vertical) axes keeps them together.
    TChartAxis* opposite = axis == chart->BottomAxis()  ? chart->TopAxis()
                           : axis == chart->TopAxis()   ? chart->BottomAxis()
                           : axis == chart->LeftAxis()  ? chart->RightAxis()
                           : axis == chart->RightAxis() ? chart->LeftAxis()
                                                        : nullptr;
    if (opposite)
        for (int i = 0; i < chart->SeriesCount(); ++i) {
            const TChartSeries* s = chart->GetSeries(i);
            const bool both = axis->Horizontal() ? s->HorizAxis() == aBothHorizAxis
                                                 : s->VertAxis() == aBothVertAxis;
            if (both && s->UsesAxis(axis)) {
                opposite->ScrollRange(delta, false);
                break;
            }
        }
    if (chart->OnScroll) chart->OnScroll(chart);
}

void TAxisArrowTool::ChartDrawEvent(TChartToolEvent event) {
    TTeeCustomToolAxis::ChartDrawEvent(event);
    TChartAxis* axis = Axis();
    TCustomAxisPanel* chart = ParentChart();
    if (event != cteAfterDraw || !axis || !chart) return;
    TCanvas3D& c = *chart->Canvas3D();
    c.UseBrush(Brush());
    c.UsePen(Pen());
    const int z = chart->View3D() && axis->OtherSide() ? chart->Width3D() : 0;
    const int at = axis->AxisPosition();
    auto point = [&](int along) {
        return axis->Horizontal() ? TPoint{along, at} : TPoint{at, along};
    };
    if (FPosition != aaEnd)
        c.DrawArrow(true, point(axis->StartPos() + FLength), point(axis->StartPos()), FHeadWidth,
                    FHeadWidth, z, FSizePercent);
    if (FPosition != aaStart)
        c.DrawArrow(true, point(axis->EndPos() - FLength), point(axis->EndPos()), FHeadWidth,
                    FHeadWidth, z, FSizePercent);
}

void TAxisArrowTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton, TShiftState, int x,
                                     int y) {
    TChartAxis* axis = Axis();
    TCustomAxisPanel* chart = ParentChart();
    if (!axis || !chart || !axis->Visible()) return;
    const TArrow arrow = ArrowAtPoint(x, y);
    if (arrow == arNone) return;
    if (kind == cmeMove) {
        chart->SetCursor(crHandPoint);
        chart->SetCancelMouse(true);
    } else if (kind == cmeDown && FScrollPercent != 0) {
        double delta = (axis->Maximum() - axis->Minimum()) * FScrollPercent / 100;
        if (FScrollInverted) delta = -delta;
        ScrollAxisBy(arrow == arStart ? delta : -delta);
        chart->SetCancelMouse(true);
        if (OnClick) OnClick(this, arrow == arStart);
    }
}
