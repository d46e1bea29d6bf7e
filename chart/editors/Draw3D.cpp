#include "chart/editors/Draw3D.h"

#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeZoom.h"

TDraw3D::TDraw3D(TComponent* owner) : TCustomTeePanelExtended(owner) {}

TDraw3D::~TDraw3D() = default;

void TDraw3D::InternalDraw(const TRect& Rect) {
    // What OnPaint changes on the panel asks for no new paint during this one.
    const TAutoRepaintGuard noRepaints(*this);
    TCanvas3D& canvas = *Canvas3D();
    const bool freeRotation = canvas.SupportsFreeRotation();
    if (!freeRotation) DrawPanel(Rect);
    RecomputeChartSize();
    SetWidth3D(Depth);
    canvas.PrepareProjection(Depth, ChartRect());
    if (freeRotation) {
        // A surface that turns the scene itself draws the decoration inside the projection,
        // over the whole drawing rectangle.
        struct TChartRectGuard {
            TDraw3D& Panel;
            TRect Saved;
            ~TChartRectGuard() { Panel.SetChartRect(Saved); }
        } restore{*this, ChartRect()};
        SetChartRect(Rect);
        DrawPanel(Rect);
    }
    canvas.ResetDrawingState();
    if (OnPaint) OnPaint(this, Rect);
    if (Zoom() && Zoom()->Active) DrawZoomRectangle();
    canvas.ResetDrawingState();
    if (OnAfterDraw) OnAfterDraw(this);
}
