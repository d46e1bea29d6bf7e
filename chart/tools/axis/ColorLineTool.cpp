#include "chart/tools/axis/ColorLineTool.h"

#include <cstdlib>
#include <utility>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/Canvas3D.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Colors.h"

const TEnumInfo& ColorLineStyleNames() {
    static const TEnumInfo names{"clCustom", "clMaximum", "clCenter", "clMinimum"};
    return names;
}

TColorLineTool::TColorLineTool(TComponent* owner) : TTeeCustomToolAxis(owner) {}

TColorLineTool::~TColorLineTool() = default;

void TColorLineTool::Publish(TPublisher<TColorLineTool>& p) {
    p.Boolean("AllowDrag", &TColorLineTool::AllowDrag, &TColorLineTool::SetAllowDrag).Default(true);
    p.Boolean("DragRepaint", &TColorLineTool::DragRepaint, &TColorLineTool::SetDragRepaint)
        .Default(false);
    p.Boolean("Draw3D", &TColorLineTool::Draw3D, &TColorLineTool::SetDraw3D).Default(true);
    p.Boolean("DrawBehind", &TColorLineTool::DrawBehind, &TColorLineTool::SetDrawBehind)
        .Default(false);
    p.Boolean("NoLimitDrag", &TColorLineTool::NoLimitDrag, &TColorLineTool::SetNoLimitDrag)
        .Default(false);
    p.Object("Pen", &TColorLineTool::Pen, &TColorLineTool::SetPen);
    p.Enumeration("Style", ColorLineStyleNames(), &TColorLineTool::Style, &TColorLineTool::SetStyle)
        .Default(clCustom);
    p.Float("Value", &TColorLineTool::Value, &TColorLineTool::SetValue).Default(0.0);
}

void TColorLineTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TColorLineTool*>(source)) {
        FAllowDrag = other->FAllowDrag;
        FDragRepaint = other->FDragRepaint;
        FDraw3D = other->FDraw3D;
        FDrawBehind = other->FDrawBehind;
        FNoLimitDrag = other->FNoLimitDrag;
        FStyle = other->FStyle;
        FValue = other->FValue;
    }
    TTeeCustomToolAxis::Assign(source);
}

void TColorLineTool::SetValue(double value) {
    const bool styleChanged = !ComponentState().Contains(csLoading) && FStyle != clCustom;
    if (styleChanged) FStyle = clCustom;
    if (FDragging && !FDragRepaint) {
        FValue = value;
        return;
    }
    if (!ChangeField(FValue, value) && styleChanged) Repaint();
}

double TColorLineTool::CurrentValue() const {
    const TChartAxis* axis = LineAxis();
    if (!axis) return FValue;
    switch (FStyle) {
        case clMaximum:
            return axis->Maximum();
        case clCenter:
            return (axis->Maximum() + axis->Minimum()) * 0.5;
        case clMinimum:
            return axis->Minimum();
        case clCustom:
            break;
    }
    return FValue;
}

double TColorLineTool::LimitValue(double value) const {
    const TChartAxis* axis = LineAxis();
    if (!axis) return value;
    // The high end lies at the start pixel of a vertical axis and at the end pixel of a
    // horizontal one; inverted, the other way round.
    int high = axis->StartPos();
    int low = axis->EndPos();
    if (axis->Horizontal()) std::swap(high, low);
    if (axis->Inverted()) std::swap(high, low);
    const double highValue = axis->ValueAtPixel(high);
    if (value > highValue) return highValue;
    const double lowValue = axis->ValueAtPixel(low);
    return value < lowValue ? lowValue : value;
}

int TColorLineTool::LinePixel() const { return LineAxis()->PixelOfValue(CurrentValue()); }

bool TColorLineTool::Clicked(int x, int y) const {
    const TCustomAxisPanel* chart = HostChart();
    const TChartAxis* axis = LineAxis();
    if (!chart || !axis) return false;
    const TRect& r = chart->ChartRect();
    const int p = LinePixel();
    if (axis->Horizontal()) return std::abs(x - p) < 3 && y >= r.Top && y <= r.Bottom;
    return std::abs(y - p) < 3 && x >= r.Left && x <= r.Right;
}

void TColorLineTool::DrawColorLine(bool behind) {
    TCustomAxisPanel* chart = HostChart();
    TChartAxis* axis = LineAxis();
    if (!chart || !axis) return;
    if (FAllowDrag && !FNoLimitDrag) FValue = LimitValue(FValue);
    TCanvas3D& c = *chart->Canvas3D();
    c.SetBackgroundMode(TRANSPARENT);
    const int p = LinePixel();
    const TRect& r = chart->ChartRect();
    const int w = chart->Width3D();
    const bool horizontal = axis->Horizontal();
    if (behind) {
        if (FDraw3D)
            horizontal ? c.DrawDepthLine(p, r.Bottom, 0, w) : c.DrawDepthLine(r.Left, p, 0, w);
        if (FDrawBehind || FDraw3D) {
            if (horizontal)
                c.DrawVerticalLineAtZ(p, r.Top, r.Bottom, w);
            else
                c.DrawHorizontalLineAtZ(r.Left, r.Right, p, w);
        }
        return;
    }
    // A flat chart shows the dragged line by its behind part alone.
    if (!chart->View3D() && FDragging && !FDragRepaint) return;
    if (FDraw3D) horizontal ? c.DrawDepthLine(p, r.Top, 0, w) : c.DrawDepthLine(r.Right, p, 0, w);
    if (!FDrawBehind) {
        if (horizontal)
            c.DrawVerticalLineAtZ(p, r.Top, r.Bottom, 0);
        else
            c.DrawHorizontalLineAtZ(r.Left, r.Right, p, 0);
    }
}

void TColorLineTool::DrawBothInverted() {
    TCustomAxisPanel& chart = *HostChart();
    TCanvas3D& c = *chart.Canvas3D();
    // Over the chart's back colour the line shows in its own colour.
    const TColor invert = 0xFFFFFF - ColorToRGB(chart.GetBackColor());
    c.UsePenWithColor(Pen(), ColorToRGB(Pen()->Color()) ^ invert);
    c.Pen()->SetMode(pmNotXor);
    DrawColorLine(true);
    DrawColorLine(false);
    c.Pen()->SetMode(pmCopy);
    c.MarkDirty();
}

void TColorLineTool::DoEndDragLine() {
    if (OnEndDragInternal) OnEndDragInternal(this);
    if (OnEndDragLine) OnEndDragLine(this);
}

void TColorLineTool::ChartDrawEvent(TChartToolEvent event) {
    TTeeCustomToolAxis::ChartDrawEvent(event);
    if (!LineAxis() || !HostChart()) return;
    if (event != cteBeforeDrawSeries && event != cteAfterDraw) return;
    HostChart()->Canvas3D()->UsePen(Pen());
    DrawColorLine(event == cteBeforeDrawSeries);
}

void TColorLineTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState, int x,
                                     int y) {
    TChartAxis* axis = LineAxis();
    TCustomAxisPanel* chart = HostChart();
    if (!FAllowDrag || !axis || !chart) return;
    switch (kind) {
        case cmeDown:
            if (button != mbLeft) return;
            FDragging = Clicked(x, y);
            chart->SetCancelMouse(FDragging);
            if (FDragging && OnBeginDragLine) OnBeginDragLine(this);
            return;
        case cmeMove:
            if (FDragging) {
                double v = axis->ValueAtPixel(axis->Horizontal() ? x : y);
                if (!FNoLimitDrag) v = LimitValue(v);
                bool moved = false;
                if (FDragRepaint) {
                    SetValue(v);
                } else if (v != CurrentValue()) {
                    DrawBothInverted();  // erases the line where it is
                    FStyle = clCustom;
                    FValue = v;
                    moved = true;
                }
                chart->SetCancelMouse(true);
                if (OnDragLine) OnDragLine(this);
                if (moved) DrawBothInverted();
            } else if (Clicked(x, y)) {
                chart->SetCursor(axis->Horizontal() ? crHSplit : crVSplit);
                chart->SetCancelMouse(true);
            } else {
                chart->SetCursor(crDefault);
            }
            return;
        case cmeUp:
            if (!FDragging) return;
            if (!FDragRepaint) chart->Invalidate();
            DoEndDragLine();
            FDragging = false;
            return;
    }
}
