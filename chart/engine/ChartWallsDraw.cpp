// Drawing the walls: which ones go behind the series and which over them, and each wall as a
// flat rectangle (2-D), a plane or a slab (3-D), with its shadow, gradient and picture.
//
// A see-through wall (Transparency) captures what lies under it first and mixes it back over
// the wall when the wall is done, on every path out.
#include <array>
#include <optional>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartWalls.h"
#include "chart/foundation/BackImage.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/TeeBlend.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Picture.h"

namespace {
// The blend of one wall: begun over the rectangle when the wall is see-through, ended (with the
// picture's filters on what shows through, when the picture has filters but no graphic) when
// the scope closes.
class TWallBlend {
public:
    TWallBlend(TCanvas3D& canvas, TCustomChartWall& wall, const TRect& rect)
        : FCanvas(canvas), FWall(wall) {
        if (wall.Transparency() > 0) FBlend = canvas.BeginBlending(rect, wall.Transparency());
    }
    ~TWallBlend() {
        if (!FBlend) return;
        TBackImage* picture = FWall.PictureIfAny();
        if (picture && picture->HasFilters() && !picture->Graphic() && FBlend->Valid())
            picture->Filters()->ApplyAll(*FBlend->Bitmap());
        FCanvas.EndBlending(FBlend);
    }
    TWallBlend(const TWallBlend&) = delete;
    TWallBlend& operator=(const TWallBlend&) = delete;

private:
    TCanvas3D& FCanvas;
    TCustomChartWall& FWall;
    TTeeBlend* FBlend = nullptr;
};

bool HasGraphic(const TCustomChartWall& wall) {
    const TBackImage* picture = wall.PictureIfAny();
    return picture && picture->Graphic();
}

bool ShowsGradient(const TCustomChartWall& wall) {
    const TTeeGradient* gradient = wall.GradientIfAny();
    return gradient && gradient->Visible() && !wall.Transparent();
}
}  // namespace

void TChartWalls::PrepareWallBrush(TCustomChartWall& wall) {
    TCanvas3D& canvas = *FChart->Canvas3D();
    canvas.UsePen(wall.Pen());
    if (wall.Transparent())
        canvas.Brush()->SetStyle(bsClear);
    else
        FChart->ApplyBrush(wall.Color(), wall.Brush(), FChart->GetBackColor());
}

void TChartWalls::DrawBeforeSeries() {
    if (!ChartNeedsAxes()) return;
    const bool walls3D = FChart->View3D() && FChart->View3DWalls();
    if (walls3D && FRight->Visible() && !RightWallFacesViewer()) DrawRightWall();
    if (FChart->View3DWalls() && FBack->Visible() && !FChart->IsSeenFromBehindAt(FChart->Width3D()))
        DrawBackWall();
    if (!walls3D) return;
    if (FLeft->Visible() && !LeftWallFacesViewer()) DrawLeftWall();
    if (FBottom->Visible()) DrawBottomWall();
    if (FChart->IsSeenFromBehindAt(0))
        for (TChartAxis* axis : {FChart->TopAxis(), FChart->BottomAxis()})
            if (FChart->IsAxisShown(axis)) axis->Draw(true);
}

namespace {
// The axis' own setting comes back also when drawing fails.
struct TFlagRestore {
    bool& Field;
    bool Value;
    ~TFlagRestore() { Field = Value; }
};
}  // namespace

void TChartWalls::RedrawAxis(TChartAxis* axis, bool hideBackGrid) {
    if (!FChart->IsAxisShown(axis)) return;
    const TFlagRestore restore{axis->HideBackGrid, axis->HideBackGrid};
    axis->HideBackGrid = hideBackGrid;
    axis->Draw(false);
}

void TChartWalls::RedrawGrid(TChartAxis* axis) {
    if (!FChart->IsAxisShown(axis)) return;
    // Only the lines along the back plane: the side grid would cross the series.
    const TFlagRestore restore{axis->HideSideGrid, axis->HideSideGrid};
    axis->HideSideGrid = true;
    axis->RedrawGrid();
}

void TChartWalls::DrawAfterSeries() {
    if (!FChart->View3D() || !ChartNeedsAxes()) return;
    if (RightWallFacesViewer()) {
        if (FRight->DrawnAfterSeries()) DrawRightWall();
        RedrawAxis(FChart->RightAxis(), true);
    }
    if (LeftWallFacesViewer()) {
        if (FLeft->DrawnAfterSeries()) DrawLeftWall();
        RedrawAxis(FChart->LeftAxis(), true);
    }
    if (FChart->IsSeenFromBehindAt(FChart->Width3D())) {
        // The back plane seen from behind lies in front of the series: its grid comes back.
        RedrawGrid(FChart->TopAxis());
        RedrawGrid(FChart->BottomAxis());
        if (FBack->DrawnAfterSeries()) DrawBackWall();
    }
}

void TChartWalls::DrawBackWall() {
    TCanvas3D& canvas = *FChart->Canvas3D();
    TChartBackWall& wall = *FBack;
    PrepareWallBrush(wall);
    const TRect& chart = FChart->ChartRect();
    int top = 0, bottom = 0;
    VerticalExtent(wall, top, bottom);
    TRect r{chart.Left, top, chart.Right, bottom};
    const int depth = FChart->Width3D();
    const TTeeShadow* shadow = wall.Shadow();
    const bool showsShadow =
        shadow && shadow->Visible() && (shadow->HorizSize() != 0 || shadow->VertSize() != 0);
    if (!FChart->View3D()) {
        // The rectangle's right and bottom edges lie on the chart's, not inside them.
        ++r.Right;
        if (wall.EndPosition() == 100) ++r.Bottom;
        TWallBlend blend(canvas, wall, r);
        if (showsShadow) shadow->DrawRectShadow(canvas, r);
        if (ShowsGradient(wall)) {
            wall.Gradient()->DrawInRect(canvas, r);
            canvas.Brush()->SetStyle(bsClear);
        }
        canvas.DrawRectangle(r.Left, r.Top, r.Right, r.Bottom);
        DrawBackWallPicture(r, depth);
    } else if (FChart->View3DWalls()) {
        const int thickness = depth < 0 ? -wall.Size() : wall.Size();
        if (wall.Size() > 0) r.Left -= SizeOfAxis(FChart->LeftAxis());
        TWallBlend blend(canvas, wall, canvas.ProjectedRectBounds(r, depth));
        const auto corners = canvas.ProjectRectCorners(r, depth);
        if (showsShadow) {
            if (canvas.OrthoProjection())
                shadow->DrawRectShadow(canvas, canvas.ProjectRect(r, depth));
            else
                shadow->DrawPolygonShadow(canvas, corners, 3);
        }
        if (ShowsGradient(wall)) {
            if (canvas.OrthoProjection())
                wall.Gradient()->DrawInRect(canvas, canvas.ProjectRect(r, depth));
            else
                wall.Gradient()->DrawQuad(canvas, corners);
            canvas.Brush()->SetStyle(bsClear);
        }
        canvas.UsePen(wall.Pen());
        if (wall.Size() < 1)
            canvas.DrawRectangleAtZ(r, depth);
        else
            canvas.DrawCuboidFromRect(r, depth, depth + thickness, wall.DarkSides());
        DrawBackWallPicture(r, depth);
    }
}

void TChartWalls::DrawBackWallPicture(const TRect& r, int depth) {
    TChartBackWall& wall = *FBack;
    if (HasGraphic(wall)) {
        DrawPictureInRect(*wall.Picture(), *FChart, r, depth);
    } else if (FChart->BackImageAssigned() && FChart->BackImageInside()) {
        TRect inside = r;
        if (wall.Pen()->Visible()) {
            ++inside.Left;
            ++inside.Top;
        }
        FChart->PaintBackImage(inside, depth);
    }
}

std::array<TPoint, 4> TChartWalls::SideFace(int x, int top, int bottom) const {
    TCanvas3D& canvas = *FChart->Canvas3D();
    const int depth = FChart->Width3D();
    return {canvas.ProjectPoint(x, top, 0), canvas.ProjectPoint(x, top, depth),
            canvas.ProjectPoint(x, bottom, depth), canvas.ProjectPoint(x, bottom, 0)};
}

void TChartWalls::DrawPictureOnSide(TCustomChartWall& wall, int x, int top, int bottom) {
    if (!HasGraphic(wall)) return;
    FChart->Canvas3D()->DrawPictureOnPlane(TRect{0, top, FChart->Width3D(), bottom},
                                           wall.Picture()->Graphic(), cpX, x);
}

void TChartWalls::BeginSideWallFill(TCustomChartWall& wall, int x, int top, int bottom) {
    if (!ShowsGradient(wall)) return;
    TCanvas3D& canvas = *FChart->Canvas3D();
    wall.Gradient()->DrawQuad(canvas, SideFace(x, top, bottom));
    canvas.Brush()->SetStyle(bsClear);
}

void TChartWalls::DrawRightWall() {
    if (!FRight->Visible() || !ChartNeedsAxes() || !FChart->View3D() || !FChart->View3DWalls())
        return;
    TCanvas3D& canvas = *FChart->Canvas3D();
    TChartRightWall& wall = *FRight;
    PrepareWallBrush(wall);
    int top = 0, bottom = 0;
    VerticalExtent(wall, top, bottom);
    const int x = FChart->ChartRect().Right;
    const int depth = FChart->Width3D();
    TWallBlend blend(canvas, wall, OuterBoundsOfPoints(SideFace(x, top, bottom), 4));
    BeginSideWallFill(wall, x, top, bottom);
    if (wall.Size() <= 0) {
        canvas.FillPlaneAtX(x, top, bottom, 0, depth + 1);
    } else {
        const int back = FBack->Visible() ? FBack->Size() : 0;
        canvas.DrawCuboid(x, x + wall.Size(), top, bottom, 0, depth + back, wall.DarkSides());
    }
    DrawPictureOnSide(wall, x, top, bottom);
}

void TChartWalls::DrawLeftWall() {
    if (!FChart->View3D() || !FChart->View3DWalls()) return;
    TCanvas3D& canvas = *FChart->Canvas3D();
    TChartLeftWall& wall = *FLeft;
    PrepareWallBrush(wall);
    int top = 0, bottom = 0;
    VerticalExtent(wall, top, bottom);
    const int x = FChart->ChartRect().Left;
    const int depth = FChart->Width3D();
    TWallBlend blend(canvas, wall, OuterBoundsOfPoints(SideFace(x, top, bottom), 4));
    BeginSideWallFill(wall, x, top, bottom);
    if (wall.Size() <= 0)
        canvas.FillPlaneAtX(x, top, bottom, 0, depth);
    else
        canvas.DrawCuboid(x - wall.Size(), x, top, bottom, 0, depth, wall.DarkSides());
    DrawPictureOnSide(wall, x, top, bottom);
}

void TChartWalls::DrawBottomWall() {
    TCanvas3D& canvas = *FChart->Canvas3D();
    TChartBottomWall& wall = *FBottom;
    PrepareWallBrush(wall);
    const TRect& chart = FChart->ChartRect();
    const int y = chart.Bottom + (canvas.SupportsFreeRotation() ? 1 : 0);
    int z0 = 0, z1 = 0;
    DepthExtent(z0, z1);
    int left = chart.Left;
    if (FLeft->Visible() && FLeft->AutoHide() && LeftWallFacesViewer())
        left -= SizeOfAxis(FChart->LeftAxis());
    const int right = chart.Right;
    const std::array<TPoint, 4> floor{
        canvas.ProjectPoint(left, y, z0), canvas.ProjectPoint(right, y, z0),
        canvas.ProjectPoint(right, y, z1), canvas.ProjectPoint(left, y, z1)};
    std::optional<TWallBlend> blend;
    if (!wall.Transparent()) {
        blend.emplace(canvas, wall, OuterBoundsOfPoints(floor, 4));
        if (ShowsGradient(wall)) {
            wall.Gradient()->DrawQuad(canvas, floor);
            canvas.Brush()->SetStyle(bsClear);
        }
    }
    if (wall.Size() < 1)
        canvas.FillPlaneAtY(left, y, right, z0, z1);
    else
        canvas.DrawCuboid(left, right, y, y + wall.Size(), z0, z1, wall.DarkSides());
    if (HasGraphic(wall))
        canvas.DrawPictureOnPlane(TRect{left, z1, right, z0}, wall.Picture()->Graphic(), cpY, y);
}
