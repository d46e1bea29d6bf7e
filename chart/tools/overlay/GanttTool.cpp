#include "chart/tools/overlay/GanttTool.h"

#include <cstdlib>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/CustomSeries.h"
#include "chart/engine/SeriesPointer.h"
#include "platform/classes/Publisher.h"

namespace {

// The Gantt series lives in the series library above this one: it is known by its class name,
// its starts are its X values and its ends the value list named "End".
bool IsGanttClass(TClass cls) {
    for (; cls; cls = cls->ClassParent())
        if (cls->ClassName() == "TGanttSeries") return true;
    return false;
}

TChartValueList& EndValues(TCustomSeries& gantt) { return gantt.ValueListByName("End"); }

}  // namespace

TGanttTool::TGanttTool(TComponent* owner) : TTeeCustomToolSeries(owner) {}

void TGanttTool::Publish(TPublisher<TGanttTool>& p) {
    using T = TGanttTool;
    p.Boolean("AllowDrag", &T::AllowDrag, &T::SetAllowDrag).Default(true);
    p.Boolean("AllowResize", &T::AllowResize, &T::SetAllowResize).Default(true);
    p.Integer("CursorDrag", &T::CursorDrag, &T::SetCursorDrag)
        .Default(crHandPoint)
        .Idents(CursorIdentConverter());
    p.Integer("CursorResize", &T::CursorResize, &T::SetCursorResize)
        .Default(crSizeWE)
        .Idents(CursorIdentConverter());
    p.Integer("MinPixels", &T::MinPixels, &T::SetMinPixels).Default(5);
}

void TGanttTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TGanttTool*>(source)) {
        FAllowDrag = other->FAllowDrag;
        FAllowResize = other->FAllowResize;
        FCursorDrag = other->FCursorDrag;
        FCursorResize = other->FCursorResize;
        FMinPixels = other->FMinPixels;
    }
    TTeeCustomToolSeries::Assign(source);
}

TCustomSeries* TGanttTool::GanttSeries() const {
    TChartSeries* series = Series();
    if (!series || !IsGanttClass(&series->ClassType())) return nullptr;
    return dynamic_cast<TCustomSeries*>(series);
}

int TGanttTool::BarEndAt(TCustomSeries& gantt, int x, int y, TGanttToolBarPart& part) const {
    TChartAxis* horiz = GetHorizAxis();
    TChartAxis* vert = GetVertAxis();
    if (!horiz || !vert) return -1;
    const int h = gantt.Pointer()->VertSize() / 2;
    TChartValueList& ends = EndValues(gantt);
    for (int i = 0; i < gantt.Count(); ++i) {
        const int yi = vert->PixelOfValue(gantt.YValues()[i]);
        if (y < yi - h || y > yi + h) continue;
        if (std::abs(x - horiz->PixelOfValue(gantt.XValues()[i])) < FMinPixels) {
            part = pbStart;
            return i;
        }
        if (std::abs(x - horiz->PixelOfValue(ends[i])) < FMinPixels) {
            part = pbEnd;
            return i;
        }
    }
    return -1;
}

void TGanttTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton, TShiftState, int x, int y) {
    TCustomSeries* gantt = GanttSeries();
    if (!gantt || !ParentChart()) return;
    switch (kind) {
        case cmeDown:
            Press(*gantt, x, y);
            return;
        case cmeMove:
            if (FBarIndex == -1)
                Hover(*gantt, x, y);
            else
                DragTo(*gantt, x);
            return;
        case cmeUp:
            FBarIndex = -1;
            return;
    }
}

void TGanttTool::Press(TCustomSeries& gantt, int x, int y) {
    FBarIndex = -1;
    if (TChartAxis* horiz = GetHorizAxis()) FLastValue = horiz->ValueAtPixel(x);
    if (FAllowResize) FBarIndex = BarEndAt(gantt, x, y, FBarPart);
    if (FBarIndex == -1 && FAllowDrag) {
        FBarIndex = gantt.ValueIndexAt(x, y);
        FBarPart = pbAll;
    }
    if (FBarIndex != -1) ParentChart()->SetCancelMouse(true);
}

void TGanttTool::Hover(TCustomSeries& gantt, int x, int y) {
    TGanttToolBarPart part = pbAll;
    TCursor cursor = crDefault;
    if (FAllowResize && BarEndAt(gantt, x, y, part) != -1)
        cursor = FCursorResize;
    else if (FAllowDrag && gantt.ValueIndexAt(x, y) != -1)
        cursor = FCursorDrag;
    else
        return;
    ParentChart()->SetCursor(cursor);
    ParentChart()->SetCancelMouse(true);
}

void TGanttTool::DragTo(TCustomSeries& gantt, int x) {
    TChartAxis* horiz = GetHorizAxis();
    const int i = FBarIndex;
    if (!horiz || i >= gantt.Count()) return;  // the bar went since the press
    const double v = horiz->ValueAtPixel(x);
    const double d = v - FLastValue;
    TChartValueList& starts = gantt.XValues();
    TChartValueList& ends = EndValues(gantt);
    switch (FBarPart) {
        case pbStart:
            starts.SetValue(i, starts[i] + d);
            if (ends[i] < starts[i]) starts.SetValue(i, ends[i]);
            if (OnResizeBar) OnResizeBar(this, i, pbStart);
            break;
        case pbAll:
            starts.SetValue(i, starts[i] + d);
            ends.SetValue(i, ends[i] + d);
            if (OnDragBar) OnDragBar(this, i);
            break;
        case pbEnd:
            ends.SetValue(i, ends[i] + d);
            if (starts[i] > ends[i]) ends.SetValue(i, starts[i]);
            if (OnResizeBar) OnResizeBar(this, i, pbEnd);
            break;
    }
    FLastValue = v;
    gantt.Repaint();
}
