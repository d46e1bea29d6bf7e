// The chart under the mouse: what a point hits, clicks told to the tools and then to the part's
// handlers, and the zoom rectangle and the pan that an unclaimed click starts.
//
// Claiming: a handler is called with CancelMouse set; leaving it set claims the click, clearing
// it leaves the click to what follows (the zoom or pan, OnClickBackground). The series' own
// OnClick and OnDblClick are called with the flag clear, so they claim only by setting it.
#include <cstdlib>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/TeeZoom.h"
#include "platform/graphics/Pen.h"

namespace {

// The keys that must be held to pan; none, so the scroll button alone pans.
constexpr TShiftState PanningKeys{};

bool HoldsAll(TShiftState shift, TShiftState keys) { return (shift * keys) == keys; }

}  // namespace

TChartPartHit TCustomChart::FindPart(int x, int y, bool clickableOnly) {
    TChartPartHit hit;
    auto legendItem = [&] {
        const int index = FLegend->ItemAtPoint(x, y);
        if (index == -1) return false;
        hit.Part = ckLegend;
        hit.PointIndex = index;
        return true;
    };
    // A legend placed by hand may lie over the plot: it comes first.
    if (FLegend->Visible() && FLegend->CustomPosition() && legendItem()) return hit;

    for (int i = SeriesCount() - 1; i >= 0; --i) {
        TChartSeries* s = GetSeries(i);
        if (!s->Active()) continue;
        if (clickableOnly && !s->HasClickHandler() && !OnClickSeries) continue;
        hit.Series = s;
        if (const int index = s->ValueIndexAt(x, y); index != -1) {
            hit.Part = ckSeries;
            hit.PointIndex = index;
            return hit;
        }
        if (s->Marks()->Visible())
            if (const int index = s->Marks()->MarkAtPoint(x, y); index != -1) {
                hit.Part = ckSeriesMark;
                hit.PointIndex = index;
                return hit;
            }
        hit.Series = nullptr;
    }

    for (TChartAxis* axis : Axes().List()) {
        if (axis->ContainsPoint(x, y))
            hit.Part = ckAxis;
        else if (axis->Title()->ContainsPoint(x, y))
            hit.Part = ckAxisTitle;
        else
            continue;
        hit.Axis = axis;
        return hit;
    }

    if (FLegend->Visible() && !FLegend->CustomPosition() && legendItem()) return hit;

    const struct {
        TChartTitle* Title;
        TChartClickPart Part;
    } titles[] = {{FTitle.get(), ckTitle},
                  {FSubTitle.get(), ckSubTitle},
                  {FFoot.get(), ckFoot},
                  {FSubFoot.get(), ckSubFoot}};
    // A title whose lines were removed keeps the box it was last drawn in, but shows nothing.
    for (const auto& t : titles)
        if (t.Title->Text()->Count() > 0 && t.Title->ContainsPoint(x, y)) {
            hit.Part = t.Part;
            return hit;
        }

    const TRect& r = ChartRect();
    if (ActiveSeriesCount() > 0 && x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom)
        hit.Part = ckChartRect;
    return hit;
}

void TCustomChart::NotifyToolsMouse(TChartMouseEvent kind, TMouseButton button, TShiftState shift,
                                    int x, int y) {
    // By index: a tool may leave the chart while it handles the event.
    for (int i = 0; i < Tools().Count(); ++i) {
        TTeeCustomTool* tool = Tools()[i];
        if (!tool->Active()) continue;
        tool->ChartMouseEvent(kind, button, shift, x, y);
        if (CancelMouse()) break;
    }
}

void TCustomChart::NotifyToolsWheel(int kind, int delta, int x, int y) {
    for (int i = 0; i < Tools().Count(); ++i) {
        TTeeCustomTool* tool = Tools()[i];
        if (!tool->Active()) continue;
        tool->ChartWheelEvent(kind, delta, x, y);
        if (CancelMouse()) break;
    }
}

template <class F>
bool TCustomChart::FireClaiming(F&& handler) {
    SetCancelMouse(true);
    handler();
    return CancelMouse();
}

bool TCustomChart::DispatchClick(const TChartPartHit& hit, TMouseButton button, TShiftState shift,
                                 int x, int y) {
    bool claimed = false;
    auto orZoom = [&] {
        if (!claimed) StartZoomOrPan(button, shift, x, y);
    };
    switch (hit.Part) {
        case ckLegend:
            claimed = FLegend->ClickItem(hit.PointIndex);
            if (OnClickLegend)
                claimed = FireClaiming([&] { OnClickLegend(*this, button, shift, x, y); });
            break;
        case ckAxis:
            if (OnClickAxis)
                claimed = FireClaiming([&] { OnClickAxis(*this, hit.Axis, button, shift, x, y); });
            orZoom();
            break;
        case ckSeries: {
            SetCancelMouse(false);
            TChartSeries& s = *hit.Series;
            const TSeriesClick& own = shift.Contains(ssDouble) ? s.OnDblClick : s.OnClick;
            if (own) own(s, hit.PointIndex, button, shift, x, y);
            claimed = CancelMouse();
            if (OnClickSeries)
                claimed = FireClaiming(
                    [&] { OnClickSeries(*this, hit.Series, hit.PointIndex, button, shift, x, y); });
            orZoom();
            break;
        }
        case ckTitle:
        case ckSubTitle:
        case ckFoot:
        case ckSubFoot: {
            TChartTitle* title = hit.Part == ckTitle      ? FTitle.get()
                                 : hit.Part == ckSubTitle ? FSubTitle.get()
                                 : hit.Part == ckFoot     ? static_cast<TChartTitle*>(FFoot.get())
                                                          : FSubFoot.get();
            if (OnClickTitle)
                claimed = FireClaiming([&] { OnClickTitle(*this, title, button, shift, x, y); });
            orZoom();
            break;
        }
        case ckChartRect:
            if (OnClickBackground)
                claimed = FireClaiming([&] { OnClickBackground(*this, button, shift, x, y); });
            orZoom();
            // Told once: the fallback below is for the other parts.
            return true;
        case ckSeriesMark:
        case ckAxisTitle:
        case ckNone:
            break;
    }
    return claimed;
}

void TCustomChart::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomAxisPanel::MouseDown(button, shift, x, y);
    // A listener of the panel took the click, or a drag is already under way.
    if (CancelMouse() || Zoom()->Active || Panning()->Active) return;
    SetCancelMouse(false);
    NotifyToolsMouse(cmeDown, button, shift, x, y);
    if (!CancelMouse()) {
        const TChartPartHit hit = FindPart(x, y, true);
        if (!DispatchClick(hit, button, shift, x, y) && OnClickBackground)
            FireClaiming([&] { OnClickBackground(*this, button, shift, x, y); });
    }
    SetCancelMouse(false);
}

void TCustomChart::StartZoomOrPan(TMouseButton button, TShiftState shift, int x, int y) {
    if (!NeedsAxes()) return;
    bool started = false;
    TTeeZoom& zoom = *Zoom();
    if (zoom.Allow() && button == zoom.MouseButton() && HoldsAll(shift, zoom.KeyShift())) {
        const TRect& r = ChartRect();
        const TTeeZoomDirection direction = zoom.Direction();
        zoom.Start(direction == tzdVertical ? r.Left : x, direction == tzdHorizontal ? r.Top : y);
        if (direction == tzdVertical) zoom.X1 = r.Right;
        if (direction == tzdHorizontal) zoom.Y1 = r.Bottom;
        DrawZoomRectangle();
        started = true;
    }
    if (AllowPanning() != pmNone && button == FScrollMouseButton && HoldsAll(shift, PanningKeys)) {
        Panning()->Start(x, y);
        started = true;
    }
    if (started) SetCursor(SavedCursor());
}

void TCustomChart::MouseMove(TShiftState shift, int x, int y) {
    TCustomAxisPanel::MouseMove(shift, x, y);
    NotifyToolsMouse(cmeMove, mbLeft, shift, x, y);
    if (CancelMouse()) return;
    TTeeZoom& zoom = *Zoom();
    if (zoom.Active) {
        const TRect& r = ChartRect();
        if (zoom.Direction() == tzdVertical) x = r.Right;
        if (zoom.Direction() == tzdHorizontal) y = r.Bottom;
        if (x == zoom.X1 && y == zoom.Y1) return;
        // Drawn in inverting colours: the second drawing takes the old rectangle away.
        DrawZoomRectangle();
        zoom.X1 = x;
        zoom.Y1 = y;
        DrawZoomRectangle();
    } else if (Panning()->Active) {
        DragPan(x, y);
    } else if (!CheckMouseOverSeries(x, y)) {
        SetCursor(SavedCursor());
    }
}

void TCustomChart::EndZoomDrag(TMouseButton button, int x, int y) {
    TTeeZoom& zoom = *Zoom();
    if (!zoom.Active || button != zoom.MouseButton()) return;
    zoom.Active = false;
    DrawZoomRectangle();
    Canvas3D()->Pen()->SetMode(pmCopy);
    const TTeeZoomDirection direction = zoom.Direction();
    if (direction != tzdVertical) zoom.X1 = x;
    if (direction != tzdHorizontal) zoom.Y1 = y;
    const int least = zoom.MinimumPixels();
    const bool wide = direction == tzdVertical || std::abs(zoom.X1 - zoom.X0) > least;
    const bool tall = direction == tzdHorizontal || std::abs(zoom.Y1 - zoom.Y0) > least;
    if (!wide || !tall) return;
    // Dragged right (down, for vertical zooms) zooms in; the other way undoes the zoom.
    const bool zoomIn =
        zoom.UpLeftZooms() || (direction == tzdVertical ? zoom.Y0 < zoom.Y1 : zoom.X0 < zoom.X1);
    if (zoomIn)
        ZoomToMouseRect();
    else
        UndoZoom();
    Invalidate();
}

void TCustomChart::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    SetCancelMouse(false);
    TCustomAxisPanel::MouseUp(button, shift, x, y);
    EndZoomDrag(button, x, y);
    Panning()->Active = false;
    NotifyToolsMouse(cmeUp, button, shift, x, y);
}

bool TCustomChart::MouseWheel(TShiftState shift, int wheelDelta, int x, int y) {
    const bool handled = TCustomAxisPanel::MouseWheel(shift, wheelDelta, x, y);
    NotifyToolsWheel(1, wheelDelta, x, y);
    return handled;
}

bool TCustomChart::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    const bool handled = TCustomAxisPanel::DoMouseWheelDown(shift, mousePos);
    WheelScroll(true);
    NotifyToolsWheel(0, 0, mousePos.X, mousePos.Y);
    return handled;
}

bool TCustomChart::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    const bool handled = TCustomAxisPanel::DoMouseWheelUp(shift, mousePos);
    WheelScroll(false);
    NotifyToolsWheel(2, 0, mousePos.X, mousePos.Y);
    return handled;
}
