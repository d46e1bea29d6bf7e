#include "chart/tools/annotation/MagnifyTool.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeFilterTransforms.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"

namespace {

// The wheel's kind for a turn with a delta.
constexpr int WheelWithDelta = 1;
constexpr double LeastPercent = 0.001;
constexpr double MostPercent = 100;

}  // namespace

TMagnifyTool::TMagnifyTool(TComponent* owner) : TRectangleTool(owner) {
    Shape()->SetTransparency(0);
    Shape()->Brush()->SetStyle(bsClear);
}

void TMagnifyTool::SetCircled(bool value) { ChangeField(FCircled, value); }
void TMagnifyTool::SetPercent(double value) { ChangeField(FPercent, value); }
void TMagnifyTool::SetSmooth(bool value) { ChangeField(FSmooth, value); }

void TMagnifyTool::SetParentChart(TCustomAxisPanel* value) {
    TRectangleTool::SetParentChart(value);
    if (ParentChart()) Repaint();
}

void TMagnifyTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift,
                                   int x, int y) {
    if (Active() && FFollowMouse && kind == cmeMove) {
        const TRect box = ShapeBounds();
        MoveBoxTo(x - (box.Right - box.Left + 1) / 2, y - (box.Bottom - box.Top + 1) / 2);
        return;
    }
    TRectangleTool::ChartMouseEvent(kind, button, shift, x, y);
}

void TMagnifyTool::ChartWheelEvent(int kind, int delta, int x, int y) {
    TRectangleTool::ChartWheelEvent(kind, delta, x, y);
    TCustomAxisPanel* chart = ParentChart();
    if (FWheelZoom == 0 || !chart || !PointInRectXY(ShapeBounds(), x, y)) return;
    if (!chart->Focused() && chart->CanFocus()) chart->SetFocus();
    if (kind != WheelWithDelta) return;
    const int step = std::abs(FWheelZoom);
    if (delta < 1)
        SetPercent(std::max(LeastPercent, FPercent - step));
    else
        SetPercent(std::min(MostPercent, FPercent + step));
}

void TMagnifyTool::ChartDrawEvent(TChartToolEvent event) {
    // The rectangle's own box is not drawn: the glass takes its place.
    TTeeCustomTool::ChartDrawEvent(event);
    if (event == cteAfterDraw && Active() && ParentChart() &&
        !ParentChart()->Canvas3D()->RecordingMetafile())
        DrawGlass();
}

void TMagnifyTool::DrawGlass() {
    TCustomAxisPanel& chart = *ParentChart();
    const TRect r = ShapeBounds();
    auto* buffered = dynamic_cast<TTeeCanvas3D*>(chart.Canvas3D());
    std::unique_ptr<TBitmap> picture = ChartBitmap(!buffered || !buffered->BufferBitmap());
    if (!picture) return;
    {
        TZoomFilter zoom;
        zoom.SetSmooth(FSmooth);
        zoom.SetPercent(FPercent);
        ApplyToBitmap(zoom, *picture);
    }
    TCanvas3D& c = *chart.Canvas3D();
    if (FCircled) c.ClipToEllipse(r, false);
    {
        const TBlendScope blend(c, r, Shape()->Transparency());
        c.DrawGraphic(r.Left, r.Top, picture.get());
    }
    if (FCircled) c.RemoveClipping();
    if (!Pen()->Visible()) return;
    c.UsePen(Pen());
    c.Brush()->SetStyle(bsClear);
    if (FCircled)
        c.DrawEllipse(r.Left, r.Top, r.Right, r.Bottom);
    else
        c.DrawRectangleFromRect(r);
}

void TMagnifyTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TMagnifyTool*>(source)) {
        FCircled = other->FCircled;
        FFollowMouse = other->FFollowMouse;
        FPercent = other->FPercent;
        FSmooth = other->FSmooth;
        FWheelZoom = other->FWheelZoom;
    }
    TRectangleTool::Assign(source);
}

void TMagnifyTool::Publish(TPublisher<TMagnifyTool>& p) {
    using T = TMagnifyTool;
    p.Boolean("Circled", &T::Circled, &T::SetCircled).Default(false);
    p.Boolean("FollowMouse", &T::FollowMouse, &T::SetFollowMouse).Default(false);
    p.Object("Pen", &T::Pen, &T::SetPen);
    p.Float("Percent", &T::Percent, &T::SetPercent).Default(50.0);
    p.Boolean("Smooth", &T::Smooth, &T::SetSmooth).Default(false);
    p.Integer("WheelZoom", &T::WheelZoom, &T::SetWheelZoom).Default(5);
}
