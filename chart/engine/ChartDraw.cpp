// What the chart adds to the axis panel's drawing pass: titles and legend taking their room from
// the chart rectangle, the walls, and the room an orthogonal 3-D view needs beside and above
// the plot.
#include <cstdlib>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/ChartWalls.h"
#include "chart/engine/NamedPartGuard.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/View3DOptions.h"

namespace {

// Texts and the legend are laid out flat even on a surface that turns the scene.
class TRotationSuspended {
public:
    explicit TRotationSuspended(TCanvas3D& canvas) : FCanvas(canvas) { canvas.SuspendRotation(); }
    ~TRotationSuspended() { FCanvas.ResumeRotation(); }
    TRotationSuspended(const TRotationSuspended&) = delete;
    TRotationSuspended& operator=(const TRotationSuspended&) = delete;

private:
    TCanvas3D& FCanvas;
};

}  // namespace

void TCustomChart::DrawTitles(bool customPositioned) {
    const struct {
        TChartTitle* Title;
        const char* Name;
    } titles[] = {{FTitle.get(), "title"},
                  {FSubTitle.get(), "subtitle"},
                  {FFoot.get(), "foot"},
                  {FSubFoot.get(), "subfoot"}};
    for (const auto& t : titles) {
        if (t.Title->CustomPosition() != customPositioned) continue;
        const TNamedPartGuard part(*Canvas3D(), t.Name);
        t.Title->DrawTitle();
    }
}

void TCustomChart::DrawTitlesAndLegend(bool beforeSeries) {
    {
        const TRotationSuspended flat(*Canvas3D());
        const bool legendShown = FLegend->ShouldDraw();
        if (beforeSeries) {
            // A legend left out keeps its place (a custom position) but loses its size: no
            // click finds it where it was drawn before.
            if (!legendShown) {
                const TRect r = FLegend->ShapeBounds();
                FLegend->SetShapeBounds(TRect{r.Left, r.Top, r.Left - 1, r.Top - 1});
            }
            // Each takes its room as it is drawn: a legend at a side gets its height range
            // before the titles take theirs, one above or below fits in what they leave.
            const bool legendHere = legendShown && !FLegend->CustomPosition();
            if (legendHere && FLegend->IsVertical()) FLegend->DrawLegend();
            DrawTitles(false);
            if (legendHere && !FLegend->IsVertical()) FLegend->DrawLegend();
        } else {
            if (legendShown && FLegend->CustomPosition()) FLegend->DrawLegend();
            DrawTitles(true);
        }
    }
    if (!beforeSeries && View3D() && NeedsAxes()) FWalls->DrawAfterSeries();
}

void TCustomChart::DrawWalls() { FWalls->DrawBeforeSeries(); }

void TCustomChart::AdjustChartRectFor3D() {
    CalcDepthSizes();
    const TView3DOptions* view = View3DOptions();
    if (!View3D() || !view || !view->Orthogonal()) return;
    const int backSize = NeedsAxes() ? BackWall()->Size() : 0;
    const int depth = std::abs(Width3D()) + backSize;
    TRect r = ChartRect();
    if (view->OrthoAngle() <= 90) {
        r.Right -= depth;
        if (RightWall()->Visible()) r.Right -= RightWall()->Size() + 1;
    } else {
        r.Left += depth;
        if (LeftWall()->Visible()) r.Left += LeftWall()->Size() + 1;
    }
    r.Top += backSize + std::abs(Height3D());
    SetChartRect(r);
    RecomputeChartSize();
}
