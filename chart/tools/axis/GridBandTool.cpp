#include "chart/tools/axis/GridBandTool.h"

#include <memory>
#include <utility>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartWalls.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/TeeBlend.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/tools/axis/GridBandBrush.h"
#include "platform/classes/Publisher.h"

TGridBandTool::TGridBandTool(TComponent* owner)
    : TTeeCustomToolAxis(owner),
      FBand1(std::make_unique<TGridBandBrush>(StyleChangedEvent())),
      FBand2(std::make_unique<TGridBandBrush>(StyleChangedEvent())) {
    FBand2->SetColor(clWhite);
}

TGridBandTool::~TGridBandTool() { Hook(Axis(), false); }

void TGridBandTool::Publish(TPublisher<TGridBandTool>& p) {
    p.Object("Band1", &TGridBandTool::Band1, &TGridBandTool::SetBand1);
    p.Object("Band2", &TGridBandTool::Band2, &TGridBandTool::SetBand2);
}

void TGridBandTool::SetBand1(const TGridBandBrush* value) { FBand1->Assign(value); }
void TGridBandTool::SetBand2(const TGridBandBrush* value) { FBand2->Assign(value); }

void TGridBandTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TGridBandTool*>(source)) {
        FBand1->Assign(other->FBand1.get());
        FBand2->Assign(other->FBand2.get());
    }
    TTeeCustomToolAxis::Assign(source);
}

namespace {

// The axis' grid hook of one tool; named so that a tool takes off only its own hook, never one
// that another tool put on the axis since.
struct TGridBandHook {
    TGridBandTool* Tool;
    void operator()(TChartAxis& axis) const { Tool->DrawBands(axis); }
};

}  // namespace

void TGridBandTool::Hook(TChartAxis* axis, bool on) {
    if (!axis) return;
    if (on) {
        axis->OnBeforeDrawGrid = TGridBandHook{this};
        return;
    }
    const auto* hook = axis->OnBeforeDrawGrid.target<TGridBandHook>();
    if (hook && hook->Tool == this) axis->OnBeforeDrawGrid = nullptr;
}

void TGridBandTool::SetAxis(TChartAxis* value) {
    if (value == Axis()) return;
    Hook(Axis(), false);
    TTeeCustomToolAxis::SetAxis(value);
    Hook(Axis(), true);
}

void TGridBandTool::SetParentChart(TCustomAxisPanel* value) {
    TChartAxis* old = Axis();
    TTeeCustomToolAxis::SetParentChart(value);
    if (old && Axis() != old) Hook(old, false);
}

TColor TGridBandTool::BandColor(const TGridBandBrush& brush) const {
    if (brush.BackColor() != clNone) return brush.BackColor();
    if (auto* chart = dynamic_cast<const TCustomChart*>(ParentChart()))
        return chart->BackWall()->Color();
    return brush.BackColor();
}

void TGridBandTool::DrawBands(TChartAxis& axis) {
    const std::vector<int>& ticks = axis.TickPositions();
    TCustomAxisPanel* chart = ParentChart();
    if (!Active() || !chart || &axis != Axis() || ticks.size() < 2) return;
    if (FBand1->Style() == bsClear && FBand2->Style() == bsClear) return;
    TCanvas3D& c = *chart->Canvas3D();
    // One blend for every stripe, made over nothing and freed on every path out.
    const std::unique_ptr<TTeeBlend> blend(c.BeginBlending(TRect{}, 0));
    c.Pen()->SetStyle(psClear);

    int crossStart = CrossStart, crossEnd = CrossEnd;
    if (crossStart == 0 && crossEnd == 0) {
        const TRect& r = chart->ChartRect();
        crossStart = axis.Horizontal() ? r.Top + 1 : r.Left + 1;
        crossEnd = axis.Horizontal() ? r.Bottom : r.Right;
    }
    const TGridBandBrush* brush = FBand1.get();
    auto next = [&] { brush = brush == FBand1.get() ? FBand2.get() : FBand1.get(); };
    auto band = [&](int a, int b) {
        DrawBand(axis, a, b, crossStart, crossEnd, *brush, blend.get());
    };

    // The ticks run from the axis maximum to its minimum: the first partial stripe lies at the
    // maximum's end, the last one at the minimum's.
    const int first = ticks.front(), last = ticks.back();
    if (axis.Horizontal() ? first < axis.EndPos() : first > axis.StartPos())
        band(axis.Horizontal() ? axis.EndPos() - 1 : axis.StartPos() + 1, first);
    next();
    for (size_t i = 1; i < ticks.size(); ++i) {
        band(ticks[i - 1], ticks[i]);
        next();
    }
    if (axis.Horizontal() ? last > axis.StartPos() : last < axis.EndPos())
        band(last, axis.Horizontal() ? axis.StartPos() : axis.EndPos());
}

void TGridBandTool::DrawBand(TChartAxis& axis, int a, int b, int crossStart, int crossEnd,
                             const TGridBandBrush& brush, TTeeBlend* blend) {
    if (brush.Style() == bsClear) return;
    TCustomAxisPanel& chart = *ParentChart();
    TCanvas3D& c = *chart.Canvas3D();
    if (a > b) std::swap(a, b);
    const TRect r = axis.Horizontal() ? TRect{a, crossStart, b, crossEnd}
                                      : TRect{crossStart, a, crossEnd, b + 1};
    const bool is3D = chart.View3D();
    const int z = chart.Width3D();
    const bool transparent = blend && brush.Transparency() > 0;
    if (transparent) blend->CaptureRect(is3D ? c.ProjectedRectBounds(r, z) : r);
    if (brush.Gradient()->Visible()) {
        brush.Gradient()->DrawInRect(
            c, is3D ? c.ProjectRect(r, z) : TRect{r.Left, r.Top, r.Right, r.Bottom - 1});
    } else {
        c.UseBrushColors(&brush, brush.Color(), BandColor(brush));
        c.Pen()->SetStyle(psClear);
        if (is3D)
            c.DrawRectangleAtZ(r, z);
        else
            c.DrawRectangle(r.Left, r.Top, r.Right + 1, r.Bottom);
    }
    if (transparent) blend->BlendBack(brush.Transparency());
}
