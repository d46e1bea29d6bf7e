#include "chart/tools/annotation/RectangleTool.h"

#include <algorithm>
#include <cstdlib>

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/RtlMath.h"

namespace {

// Resizing keeps the box's edges this far apart: it is never less than 4 pixels across.
constexpr int LeastEdgeDistance = 3;
// A point this close to an edge (less than it) grabs the edge.
constexpr int EdgeReach = 4;

bool Near(int a, int b) { return std::abs(a - b) < EdgeReach; }
bool MovesLeft(TRectanglePart p) { return p == rpLeft || p == rpLeftTop || p == rpLeftBottom; }
bool MovesTop(TRectanglePart p) { return p == rpTop || p == rpLeftTop || p == rpRightTop; }
bool MovesRight(TRectanglePart p) { return p == rpRight || p == rpRightTop || p == rpRightBottom; }
bool MovesBottom(TRectanglePart p) {
    return p == rpBottom || p == rpLeftBottom || p == rpRightBottom;
}

TCursor ResizeCursor(TRectanglePart part) {
    switch (part) {
        case rpTop:
        case rpBottom:
            return crSizeNS;
        case rpLeftTop:
        case rpRightBottom:
            return crSizeNWSE;
        case rpLeftBottom:
        case rpRightTop:
            return crSizeNESW;
        default:
            return crSizeWE;
    }
}

}  // namespace

TRectangleTool::TRectangleTool(TComponent* owner) : TAnnotationTool(owner) {
    TTextShape& shape = *Shape();
    shape.PlaceByOwnPositionByDefault();
    shape.Shadow()->SetCommonSize(0);
    shape.SetTransparency(75);
    shape.SetShapeBounds(TRect{10, 10, 59, 59});
    shape.SetAutoSize(false);
    shape.SetCursor(crHandPoint);
}

TRectanglePart TRectangleTool::HitPart(int x, int y) {
    if (!Clicked(x, y)) return rpNone;
    const TRect box = ShapeBounds();
    if (Near(x, box.Left)) {
        if (Near(y, box.Top)) return rpLeftTop;
        if (Near(y, box.Bottom)) return rpLeftBottom;
        return rpLeft;
    }
    if (Near(y, box.Top)) return Near(x, box.Right) ? rpRightTop : rpTop;
    if (Near(x, box.Right)) return Near(y, box.Bottom) ? rpRightBottom : rpRight;
    if (Near(y, box.Bottom)) return rpBottom;
    return rpNone;
}

void TRectangleTool::MoveBoxTo(int left, int top) {
    if (PositionUnits() == muPixels || !ParentChart()) {
        SetLeft(left);
        SetTop(top);
        return;
    }
    const TCustomAxisPanel& chart = *ParentChart();
    SetLeft(int(Round(left * 100.0L / chart.Width())));
    SetTop(int(Round(top * 100.0L / chart.Height())));
}

std::unique_ptr<TBitmap> TRectangleTool::ChartBitmap(bool fullRedraw) {
    const TRect box = ShapeBounds();
    auto bitmap = std::make_unique<TBitmap>(box.Right - box.Left + 1, box.Bottom - box.Top + 1);
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return bitmap;
    const TRect whole{0, 0, bitmap->Width(), bitmap->Height()};
    const TRect under{box.Left, box.Top, box.Right + 1, box.Bottom + 1};
    if (fullRedraw) {
        // The chart without this box; Active comes back whatever the rendering does.
        const bool active = Active();
        struct TRestore {
            TRectangleTool& Tool;
            bool Active;
            ~TRestore() { Tool.SetActive(Active); }
        } restore{*this, active};
        SetActive(false);
        std::unique_ptr<TBitmap> rendered =
            chart->RenderRectToBitmap(chart->Color(), chart->GetPanelRect(), pf24bit);
        bitmap->Canvas()->CopyRect(whole, *rendered->Canvas(), under);
        return bitmap;
    }
    auto* canvas = dynamic_cast<TTeeCanvas3D*>(chart->Canvas3D());
    if (!canvas) return bitmap;
    if (!canvas->BufferBitmap()) chart->DrawToClient();
    if (TBitmap* buffer = canvas->BufferBitmap())
        bitmap->Canvas()->CopyRect(whole, *buffer->Canvas(), under);
    return bitmap;
}

void TRectangleTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift,
                                     int x, int y) {
    TAnnotationTool::ChartMouseEvent(kind, button, shift, x, y);
    if (!Active() || !ParentChart()) return;
    switch (kind) {
        case cmeDown:
            MouseDown(button, x, y);
            break;
        case cmeMove:
            MouseMove(x, y);
            break;
        case cmeUp:
            if (FDragging) {
                FDragging = false;
                if (OnDragged) OnDragged(this);
            } else if (FResizing != rpNone) {
                FResizing = rpNone;
                if (OnResized) OnResized(this);
            }
            break;
    }
}

void TRectangleTool::MouseDown(TMouseButton button, int x, int y) {
    if (button != mbLeft) return;
    FResizing = FAllowResize ? HitPart(x, y) : rpNone;
    const TRect box = ShapeBounds();
    if (FResizing != rpNone) {
        FGrab.X = x - (MovesRight(FResizing) ? box.Right : box.Left);
        FGrab.Y = y - (MovesBottom(FResizing) ? box.Bottom : box.Top);
        ParentChart()->SetCancelMouse(true);
    } else if (FAllowDrag && PointInRectXY(box, x, y)) {
        FGrab = TPoint{x - box.Left, y - box.Top};
        FDragging = true;
        ParentChart()->SetCancelMouse(true);
    }
}

void TRectangleTool::MouseMove(int x, int y) {
    if (FDragging) {
        Shape()->SetCustomPosition(true);
        MoveBoxTo(x - FGrab.X, y - FGrab.Y);
        if (OnDragging) OnDragging(this);
    } else if (FResizing != rpNone) {
        ResizeTo(x - FGrab.X, y - FGrab.Y);
        if (OnResizing) OnResizing(this);
    } else {
        ShowCursorAt(x, y);
    }
}

void TRectangleTool::ResizeTo(int x, int y) {
    SetAutoSize(false);
    TRect b = ShapeBounds();
    if (MovesLeft(FResizing)) b.Left = std::min(b.Right - LeastEdgeDistance, x);
    if (MovesTop(FResizing)) b.Top = std::min(b.Bottom - LeastEdgeDistance, y);
    if (MovesRight(FResizing)) b.Right = std::max(b.Left + LeastEdgeDistance, x);
    if (MovesBottom(FResizing)) b.Bottom = std::max(b.Top + LeastEdgeDistance, y);
    if (PositionUnits() == muPixels) {
        Shape()->SetCustomPosition(true);
        Shape()->SetShapeBounds(b);
    } else {
        // A box placed in percent keeps its size: only its corner follows.
        MoveBoxTo(b.Left, b.Top);
    }
    Refresh();
}

void TRectangleTool::ShowCursorAt(int x, int y) {
    TCustomAxisPanel& chart = *ParentChart();
    const TRectanglePart part = HitPart(x, y);
    bool shown = false;
    if (part != rpNone && FAllowResize) {
        chart.SetCursor(ResizeCursor(part));
        shown = true;
    } else if (part == rpNone && Cursor() != crDefault && Clicked(x, y)) {
        chart.SetCursor(Cursor());
        shown = true;
    }
    chart.SetCancelMouse(shown);
}

void TRectangleTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TRectangleTool*>(source)) {
        FAllowDrag = other->FAllowDrag;
        FAllowResize = other->FAllowResize;
    }
    TAnnotationTool::Assign(source);
}

void TRectangleTool::Publish(TPublisher<TRectangleTool>& p) {
    using T = TRectangleTool;
    p.Boolean("AllowDrag", &T::AllowDrag, &T::SetAllowDrag).Default(true);
    p.Boolean("AllowResize", &T::AllowResize, &T::SetAllowResize).Default(true);
    p.Inherited("AutoSize").Default(false);
    p.Inherited("Cursor").Default(crHandPoint);
    p.Inherited("PositionUnits").Default(muPixels);
}
