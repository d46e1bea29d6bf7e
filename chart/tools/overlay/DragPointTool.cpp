#include "chart/tools/overlay/DragPointTool.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "platform/classes/Publisher.h"

namespace {

// An axis showing one value has no range to turn pixels into values: its maximum is raised by
// a tenth of the smallest step so that it has one.
void GiveRange(TChartAxis& axis) {
    if (axis.Maximum() != axis.Minimum()) return;
    axis.SetAutomaticMaximum(false);
    axis.SetMaximum(axis.Maximum() + 0.1 * 1e-12);
}

}  // namespace

const TEnumInfo& DragPointStyleNames() {
    static const TEnumInfo names{"dsX", "dsY", "dsBoth"};
    return names;
}

TDragPointTool::TDragPointTool(TComponent* owner) : TTeeCustomToolSeries(owner) {}

void TDragPointTool::Publish(TPublisher<TDragPointTool>& p) {
    p.Enumeration("DragStyle", DragPointStyleNames(), &TDragPointTool::DragStyle,
                  &TDragPointTool::SetDragStyle)
        .Default(dsBoth);
}

void TDragPointTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton, TShiftState, int x,
                                     int y) {
    TChartSeries* series = Series();
    if (!series || !ParentChart()) return;
    switch (kind) {
        case cmeDown:
            FDragIndex = series->ValueIndexAt(x, y);
            if (FDragIndex != -1) ParentChart()->SetCancelMouse(true);
            return;
        case cmeMove:
            if (FDragIndex != -1) MovePoint(x, y);
            return;
        case cmeUp:
            FDragIndex = -1;
            return;
    }
}

void TDragPointTool::MovePoint(int x, int y) {
    TChartSeries& series = *Series();
    if (FDragIndex >= series.Count()) return;  // the point went since the press
    series.BeginUpdate();
    if (FDragStyle != dsY) {
        if (TChartAxis* axis = GetHorizAxis()) {
            GiveRange(*axis);
            series.SetXValueAt(FDragIndex, axis->ValueAtPixel(x));
        }
    }
    if (FDragStyle != dsX) {
        if (TChartAxis* axis = GetVertAxis()) {
            GiveRange(*axis);
            series.SetYValueAt(FDragIndex, axis->ValueAtPixel(y));
        }
    }
    series.EndUpdate();
    if (OnDragPoint) OnDragPoint(this, FDragIndex);
}
