#include "chart/tools/overlay/PieTool.h"

#include <chrono>
#include <thread>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/PieSeries.h"
#include "chart/engine/PieSeriesParts.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Brush.h"
#include "platform/rtl/RtlMath.h"

const TEnumInfo& PieToolStyleNames() {
    static const TEnumInfo names{"ptFocus", "ptExplode"};
    return names;
}

TPieTool::TPieTool(TComponent* owner) : TTeeCustomToolSeries(owner) { Pen()->SetWidth(4); }

void TPieTool::Publish(TPublisher<TPieTool>& p) {
    p.Object("Pen", &TPieTool::Pen, &TPieTool::SetPen);
    p.Enumeration("Style", PieToolStyleNames(), &TPieTool::Style, &TPieTool::SetStyle)
        .Default(ptFocus);
}

void TPieTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TPieTool*>(source)) FStyle = other->FStyle;
    TTeeCustomToolSeries::Assign(source);
}

int TPieTool::ExplodeAmount(int b) {
    return RoundToInt(b * double(ExplodeDistance) / ExplodeSteps);
}

TColor TPieTool::FocusColor(TColor sliceColor) const {
    const TColor pen = Pen()->Color();
    if (sliceColor != pen) return pen;
    return pen != clBlack ? clBlack : clWhite;
}

TPieSeries* TPieTool::Pie() const { return dynamic_cast<TPieSeries*>(Series()); }

void TPieTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton, TShiftState, int x, int y) {
    TPieSeries* pie = Pie();
    if (kind != cmeMove || !pie || !ParentChart()) return;
    const int slice = pie->SliceAtPoint(x, y);
    if (slice == FSlice) return;
    if (FSlice != -1) Unmark(*pie, FSlice);
    // The unmarked slice may have moved back under the mouse: searched again.
    FSlice = pie->SliceAtPoint(x, y);
    if (FSlice != -1) Mark(*pie, FSlice);
}

void TPieTool::ExplodeStep(TPieSeries& pie, int slice, int amount) {
    pie.ExplodedSlice().PutValue(slice, amount);
    if (FStepDelay > 0) std::this_thread::sleep_for(std::chrono::milliseconds(FStepDelay));
    ParentChart()->Repaint();
}

void TPieTool::Mark(TPieSeries& pie, int slice) {
    if (FStyle == ptExplode) {
        for (int b = 1; b <= ExplodeSteps; ++b) ExplodeStep(pie, slice, ExplodeAmount(b));
        return;
    }
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    canvas.Brush()->SetStyle(bsClear);
    canvas.UsePenWithColor(Pen(), FocusColor(pie.ValueColor(slice)));
    pie.DrawSlice(slice);
    canvas.MarkDirty();
}

void TPieTool::Unmark(TPieSeries& pie, int slice) {
    if (FStyle == ptExplode) {
        for (int b = 1; b <= ExplodeSteps; ++b)
            ExplodeStep(pie, slice, ExplodeAmount(ExplodeSteps + 1 - b));
        pie.ExplodedSlice().PutValue(slice, 0);
        ParentChart()->Repaint();
        return;
    }
    ParentChart()->Invalidate();
}
