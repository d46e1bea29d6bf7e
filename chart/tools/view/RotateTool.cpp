#include "chart/tools/view/RotateTool.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeZoom.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Brush.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Timer.h"

namespace {

// Increments this small count as no turn at all.
constexpr double RestIncrement = 0.01;

bool AtRest(double increment) { return std::fabs(increment) <= RestIncrement; }

// An angle on a canvas that turns freely, brought back into 0..360.
double Wrapped(double angle) {
    if (angle > 360) return angle - 360;
    if (angle < 0) return angle + 360;
    return angle;
}

}  // namespace

const TEnumInfo& RotateToolStyleNames() {
    static const TEnumInfo names{"rsAll", "rsRotation", "rsElevation"};
    return names;
}

TRotateTool::TRotateTool(TComponent* owner) : TTeeCustomTool(owner), FCursor(crTeeHand) {
    Pen()->SetDefaultVisible(false);
    Pen()->SetMode(pmXor);
    Pen()->SetColor(clWhite);
}

TRotateTool::~TRotateTool() = default;

void TRotateTool::Publish(TPublisher<TRotateTool>& p) {
    using T = TRotateTool;
    p.Enumeration("Button", MouseButtonIdents(), &T::Button, &T::SetButton).Default(mbLeft);
    p.Integer("Cursor", &T::Cursor, &T::SetCursor)
        .Default(crTeeHand)
        .Idents(CursorIdentConverter());
    p.Integer("Inertia", &T::Inertia, &T::SetInertia).Default(0);
    p.Boolean("Inverted", &T::Inverted, &T::SetInverted).Default(false);
    p.Object("Pen", &T::Pen, &T::SetPen);
    p.Integer("Speed", &T::Speed, &T::SetSpeed).Default(50);
    p.Enumeration("Style", RotateToolStyleNames(), &T::Style, &T::SetStyle).Default(rsAll);
}

void TRotateTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TRotateTool*>(source)) {
        FButton = other->FButton;
        FInertia = other->FInertia;
        FInverted = other->FInverted;
        FSpeed = other->FSpeed;
        FStyle = other->FStyle;
    }
    TTeeCustomTool::Assign(source);
}

bool TRotateTool::OutlineMode() const { return Pen()->Visible(); }

bool TRotateTool::Turning() const { return FTimer && FTimer->Enabled(); }

void TRotateTool::Rotate(double ElevationDelta, double RotationDelta) {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    TView3DOptions& view = *chart->View3DOptions();
    view.SetOrthogonal(false);
    const bool free = chart->Canvas3D()->SupportsFreeRotation();
    if (FStyle == rsAll || FStyle == rsRotation) {
        const double old = view.RotationExact();
        if (free)
            view.SetRotationExact(Wrapped(old + RotationDelta));
        else if (RotationDelta > 0)
            view.SetRotationExact(old + RotationDelta > 360 ? old + RotationDelta - 360
                                                            : old + RotationDelta);
        else if (RotationDelta < 0)
            view.SetRotationExact(old + RotationDelta < 0 ? old + RotationDelta + 360
                                                          : old + RotationDelta);
    }
    if (FStyle == rsAll || FStyle == rsElevation) {
        const double old = view.ElevationExact();
        // The normal canvas shows the chart from above only: 270 to 360 degrees.
        if (free)
            view.SetElevationExact(Wrapped(old + ElevationDelta));
        else if (ElevationDelta > 0)
            view.SetElevationExact(std::min(old + ElevationDelta, 360.0));
        else if (ElevationDelta < 0)
            view.SetElevationExact(std::max(old + ElevationDelta, 270.0));
    }
}

void TRotateTool::DrawOutline() {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    TCanvas3D& c = *chart->Canvas3D();
    c.Brush()->SetStyle(bsClear);
    c.UsePen(Pen());
    const TRect r = chart->ChartRect();
    const int depth = chart->Width3D();
    c.DrawRectangleAtZ(r, 0);
    c.DrawRectangleAtZ(r, depth);
    for (const TPoint corner : {TPoint{r.Left, r.Top}, TPoint{r.Right, r.Top},
                                TPoint{r.Left, r.Bottom}, TPoint{r.Right, r.Bottom}}) {
        c.MovePenTo3D(corner.X, corner.Y, 0);
        c.DrawLineTo3D(corner.X, corner.Y, depth);
    }
    c.MarkDirty();
}

void TRotateTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState, int x,
                                  int y) {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    switch (kind) {
        case cmeDown:
            if (button != FButton) return;
            if (FTimer) FTimer->SetEnabled(false);
            FDragging = true;
            FOldX = x;
            FOldY = y;
            FFirstMove = true;
            if (FCursor != crDefault) {
                FSavedCursor = Screen()->Cursor();
                Screen()->SetCursor(FCursor);
            }
            chart->SetCancelMouse(true);
            return;
        case cmeMove:
            if (FDragging) MouseMove(x, y);
            return;
        case cmeUp:
            if (FDragging) MouseUp();
            return;
    }
}

void TRotateTool::MouseMove(int x, int y) {
    TCustomAxisPanel& chart = *ParentChart();
    const double factor = (FSpeed - 50) * 0.01 + 1;
    FRotationIncrement = (x - FOldX) * 90.0 / std::max(chart.Width(), 1) * factor;
    FElevationIncrement = (FOldY - y) * 90.0 / std::max(chart.Height(), 1) * factor;
    if (FInverted) {
        FRotationIncrement = -FRotationIncrement;
        FElevationIncrement = -FElevationIncrement;
    }
    const bool outline = OutlineMode();
    if (outline) {
        if (FFirstMove) {
            FSavedAutoRepaint = chart.AutoRepaint();
            chart.SetAutoRepaint(false);
        } else {
            DrawOutline();  // a second time: the old outline goes
        }
    }
    FFirstMove = false;
    chart.SetView3D(true);
    Rotate(FElevationIncrement, FRotationIncrement);
    FOldX = x;
    FOldY = y;
    chart.SetCancelMouse(true);
    if (outline) {
        if (auto* canvas = dynamic_cast<TTeeCanvas3D*>(chart.Canvas3D()))
            canvas->ProjectAgain(chart.Width3D(), chart.ChartRect());
        DrawOutline();
    }
    if (OnRotate) OnRotate(this);
}

void TRotateTool::MouseUp() {
    TCustomAxisPanel& chart = *ParentChart();
    FDragging = false;
    if (OutlineMode() && !FFirstMove) {
        chart.SetAutoRepaint(FSavedAutoRepaint);
        chart.Invalidate();
    }
    if (FInertia > 0) {
        if (!FTimer) {
            FTimer = new TTimer(this);
            FTimer->OnTimer = [this](TObject*) { TimerTick(); };
        }
        FTimer->SetInterval(1);
        FTimer->SetEnabled(true);
    }
    if (FCursor != crDefault) Screen()->SetCursor(FSavedCursor);
}

void TRotateTool::TimerTick() {
    FTimer->SetEnabled(false);
    if (FDragging) return;
    Rotate(FElevationIncrement, FRotationIncrement);
    FTimer->SetEnabled(true);
}

void TRotateTool::ChartDrawEvent(TChartToolEvent event) {
    TTeeCustomTool::ChartDrawEvent(event);
    if (FInertia <= 0) return;
    if (AtRest(FRotationIncrement) && AtRest(FElevationIncrement)) {
        if (FTimer) FTimer->SetEnabled(false);
        return;
    }
    // Each drawing slows the turn down; the more Inertia, the less.
    const double c = (100 - FInertia) * 0.001;
    for (double* increment : {&FRotationIncrement, &FElevationIncrement})
        *increment = AtRest(*increment) ? 0 : *increment - *increment * c;
}
