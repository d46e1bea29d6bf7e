#include "chart/tools/axis/AxisScrollTool.h"

#include <algorithm>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartSeries.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/Publisher.h"

TAxisScrollTool::TAxisScrollTool(TComponent* owner) : TTeeCustomToolAxis(owner) {}

TAxisScrollTool::~TAxisScrollTool() = default;

void TAxisScrollTool::Publish(TPublisher<TAxisScrollTool>& p) {
    p.Boolean("ScrollInverted", &TAxisScrollTool::ScrollInverted,
              &TAxisScrollTool::SetScrollInverted)
        .Default(false);
}

TChartAxis* TAxisScrollTool::AxisAtPoint(int x, int y) const {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return nullptr;
    if (TChartAxis* axis = Axis())
        return axis->Visible() && axis->ContainsPoint(x, y) ? axis : nullptr;
    for (TChartAxis* axis : chart->Axes().List())
        if (axis->Visible() && axis->ContainsPoint(x, y)) return axis;
    return nullptr;
}

void TAxisScrollTool::ScrollByPixels(TChartAxis& axis, int pixels) {
    const int length = axis.AxisSize();
    if (length != 0) axis.ScrollRange((axis.Maximum() - axis.Minimum()) * pixels / length, false);
}

void TAxisScrollTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton, TShiftState, int x,
                                      int y) {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    switch (kind) {
        case cmeDown:
            FDragged = AxisAtPoint(x, y);
            FLast = TPoint{x, y};
            // A press that takes an axis is the drag's alone: the chart does not also zoom.
            if (FDragged) chart->SetCancelMouse(true);
            return;
        case cmeMove: {
            // The chart may have freed the axis since the press.
            if (FDragged && !chart->OwnsAxis(FDragged)) FDragged = nullptr;
            if (!FDragged) {
                if (AxisAtPoint(x, y)) {
                    chart->SetCursor(crHandPoint);
                    chart->SetCancelMouse(true);
                }
                return;
            }
            TChartAxis& axis = *FDragged;
            int pixels = axis.Horizontal() ? FLast.X - x : FLast.Y - y;
            if (axis.Inverted()) pixels = -pixels;
            if (axis.Horizontal() == FScrollInverted) pixels = -pixels;
            // The dragged axis, then every other axis of its orientation that a series uses
            // together with it, each once.
            std::vector<TChartAxis*> moved{&axis};
            for (int i = 0; i < chart->SeriesCount(); ++i) {
                const TChartSeries* s = chart->GetSeries(i);
                if (!s->UsesAxis(&axis)) continue;
                for (TChartAxis* other : chart->Axes().List())
                    if (other->Horizontal() == axis.Horizontal() && s->UsesAxis(other) &&
                        std::find(moved.begin(), moved.end(), other) == moved.end())
                        moved.push_back(other);
            }
            for (TChartAxis* a : moved) ScrollByPixels(*a, pixels);
            FLast = TPoint{x, y};
            chart->SetCancelMouse(true);
            return;
        }
        case cmeUp:
            FDragged = nullptr;
            return;
    }
}
