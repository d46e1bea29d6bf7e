#include "chart/tools/overlay/DragMarksTool.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "platform/classes/Cursors.h"

TDragMarksTool::TDragMarksTool(TComponent* owner) : TTeeCustomToolSeries(owner) {}

void TDragMarksTool::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FDragSeries) {
        FDragSeries = nullptr;
        FDragIndex = -1;
    }
    TTeeCustomToolSeries::Notification(component, operation);
}

int TDragMarksTool::MarkUnder(int x, int y, TChartSeries*& series) const {
    series = nullptr;
    const auto markOf = [x, y](TChartSeries* s) {
        return s->Active() && s->Marks()->Visible() ? s->Marks()->MarkAtPoint(x, y) : -1;
    };
    if (Series()) {
        const int index = markOf(Series());
        if (index != -1) series = Series();
        return index;
    }
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return -1;
    for (int i = chart->SeriesCount() - 1; i >= 0; --i) {
        const int index = markOf(chart->GetSeries(i));
        if (index != -1) {
            series = chart->GetSeries(i);
            return index;
        }
    }
    return -1;
}

void TDragMarksTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift,
                                     int x, int y) {
    TTeeCustomToolSeries::ChartMouseEvent(kind, button, shift, x, y);
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    switch (kind) {
        case cmeDown: {
            TChartSeries* series = nullptr;
            const int index = MarkUnder(x, y, series);
            if (!series) return;
            if (FDragSeries) FDragSeries->RemoveFreeNotification(this);
            FDragSeries = series;
            FDragSeries->FreeNotification(this);
            FDragIndex = index;
            FDragged = false;
            FMouse = TPoint{x, y};
            chart->SetCancelMouse(true);
            break;
        }
        case cmeMove:
            if (FDragIndex == -1 || !FDragSeries) {
                TChartSeries* series = nullptr;
                MarkUnder(x, y, series);
                if (series) {
                    chart->SetCursor(crHandPoint);
                    chart->SetCancelMouse(true);
                }
                return;
            }
            if (TSeriesMarkPosition* p = FDragSeries->Marks()->Positions().Position(FDragIndex)) {
                const TPoint by{x - FMouse.X, y - FMouse.Y};
                p->Custom = true;
                p->LeftTop = TPoint{p->LeftTop.X + by.X, p->LeftTop.Y + by.Y};
                p->ArrowTo = TPoint{p->ArrowTo.X + by.X, p->ArrowTo.Y + by.Y};
                FMouse = TPoint{x, y};
                FDragged = true;
                chart->SetCancelMouse(true);
                chart->Invalidate();
                if (OnDraggingMark) OnDraggingMark(this, FDragIndex, button, shift, x, y);
            }
            break;
        case cmeUp:
            if (FDragIndex != -1 && FDragged && OnDraggedMark)
                OnDraggedMark(this, FDragIndex, button, shift, x, y);
            FDragIndex = -1;
            FDragged = false;
            break;
    }
}
