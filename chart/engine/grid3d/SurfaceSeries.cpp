#include "chart/engine/grid3d/SurfaceSeries.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartWalls.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/Publisher.h"

TSideBrush::TSideBrush(TNotifyEvent onChange) : TChartBrush(std::move(onChange)) {
    SetStyle(bsClear);
}

void TSideBrush::Publish(TPublisher<TSideBrush>& p) { p.Inherited("Style").Default(bsClear); }

TSurfaceSeries::TSurfaceSeries(TComponent* owner)
    : TCustom3DGridSeries(owner),
      FSideBrush(std::make_unique<TSideBrush>(StyleChangedEvent())),
      FSideLines(std::make_unique<TChartHiddenPen>(StyleChangedEvent())),
      FWaterLines(std::make_unique<TChartPen>(StyleChangedEvent())) {
    CellRowStep = CellColumnStep = -1;
}
TSurfaceSeries::~TSurfaceSeries() = default;

void TSurfaceSeries::SetDotFrame(bool value) {
    if (value) {
        Pen()->SetVisible(true);
        FWireFrame = false;
    }
    ChangeField(FDotFrame, value);
}

void TSurfaceSeries::SetWireFrame(bool value) {
    if (value) {
        Pen()->SetVisible(true);
        FDotFrame = false;
    }
    ChangeField(FWireFrame, value);
}

void TSurfaceSeries::SetSideBrush(const TChartBrush* value) { FSideBrush->Assign(value); }
void TSurfaceSeries::SetSideLines(const TChartHiddenPen* value) { FSideLines->Assign(value); }
void TSurfaceSeries::SetWaterLines(const TChartPen* value) { FWaterLines->Assign(value); }

bool TSurfaceSeries::CanvasDrawsMesh() { return false; }

bool TSurfaceSeries::HasSides() const {
    return FSideBrush->Style() != bsClear || FSideLines->Visible();
}

// --- Cells.

// Far columns first: the columns run towards the viewer, the rows towards the side the values
// are drawn from. The water fall also visits the last column (it needs no second column).
void TSurfaceSeries::CalcCellDrawOrder() {
    FColumns.clear();
    FRows.clear();
    const int numX = NumXValues(), numZ = NumZValues();
    if (DepthDrawnReversed(*this)) {
        CellColumnStep = 1;
        for (int c = 1; c <= (FWaterFall ? numZ : numZ - 1); ++c) FColumns.push_back(c);
    } else {
        CellColumnStep = -1;
        for (int c = numZ; c >= (FWaterFall ? 1 : 2); --c) FColumns.push_back(c);
    }
    if (DrawsValuesForward()) {
        CellRowStep = -1;
        for (int r = 2; r <= numX; ++r) FRows.push_back(r);
    } else {
        CellRowStep = 1;
        for (int r = numX - 1; r >= 1; --r) FRows.push_back(r);
    }
}

bool TSurfaceSeries::CellPoints(int row, int column) {
    if (!GetCellIndices(row, column)) return false;
    for (size_t k = 0; k < 4; ++k) {
        const int i = CellIndex[k];
        FCellPoints[k] = TPoint{XValueToPixel(XValues()[i]), YValueToPixel(YValues()[i])};
    }
    return true;
}

int TSurfaceSeries::ColorCorner() const {
    // Corners: 0 (row, col), 1 (row + rs, col), 2 (row + rs, col + cs), 3 (row, col + cs).
    if (CellRowStep > 0) return CellColumnStep > 0 ? 3 : 0;
    return CellColumnStep > 0 ? 2 : 1;
}

void TSurfaceSeries::SetCellBrushColor(TColor color) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (canvas.Brush()->Style() != bsClear) canvas.Brush()->SetColor(color);
}

void TSurfaceSeries::DrawCellShape(std::span<const TPoint, 4> points, int z0, int z1) {
    FParentChart->Canvas3D()->FillQuadBetweenDepths(points, z0, z1);
}

// The points projected at their depths and drawn flat, inside a blend of their bounds.
void TSurfaceSeries::DrawBlendedPolygon(std::span<const TPoint> points,
                                        std::span<const int> depths) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    std::array<TPoint, 8> projected{};
    const size_t n = std::min(points.size(), projected.size());
    TRect bounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (size_t k = 0; k < n; ++k) {
        projected[k] = canvas.ProjectPoint(points[k].X, points[k].Y, depths[k]);
        bounds.Left = std::min(bounds.Left, projected[k].X);
        bounds.Top = std::min(bounds.Top, projected[k].Y);
        bounds.Right = std::max(bounds.Right, projected[k].X);
        bounds.Bottom = std::max(bounds.Bottom, projected[k].Y);
    }
    TBlendScope blend(canvas, bounds, FTransparency);
    canvas.DrawPolygon(std::span<const TPoint>(projected.data(), n), int(n) - 1);
}

void TSurfaceSeries::DrawCell(int row, int column) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    int colorIndex;
    if (FWaterFall) {
        // Only the segment along the row: (row, col) and (row + step, col).
        const int a = GridIndex(row, column), b = GridIndex(row + CellRowStep, column);
        if (a == -1 || b == -1) return;
        CellIndex = {a, b, b, a};
        for (size_t k = 0; k < 4; ++k) {
            const int i = CellIndex[k];
            FCellPoints[k] = TPoint{XValueToPixel(XValues()[i]), YValueToPixel(YValues()[i])};
        }
        colorIndex = CellIndex[CellRowStep > 0 ? 0 : 1];
    } else {
        if (!CellPoints(row, column)) return;
        colorIndex = CellIndex[size_t(ColorCorner())];
    }
    TColor color = ValueColor(colorIndex);
    if (color == clNone) return;
    const int z0 = PointZPixel(CellIndex[0]);
    if (!SingleColor) {
        if (FSmoothPalette) {
            double sum = 0;
            for (int i : CellIndex) sum += YValues()[i];
            color = ColorForValue(sum / 4);
        }
        if (FWireFrame)
            canvas.Pen()->SetColor(color);
        else
            SetCellBrushColor(color);
    }
    if (FWaterFall) {
        DrawWaterFallCell(z0);
    } else if (!FDotFrame) {
        const int z1 = PointZPixel(CellIndex[2]);
        if (FTransparency == 0) {
            DrawCellShape(FCellPoints, z0, z1);
        } else {
            const int depths[4] = {z0, z0, z1, z1};
            DrawBlendedPolygon(FCellPoints, depths);
        }
    }
    if (FDotFrame) {
        const int z1 = PointZPixel(CellIndex[2]);
        for (size_t k = 0; k < 4; ++k)
            canvas.SetPixelColorAtZ(FCellPoints[k].X, FCellPoints[k].Y, k < 2 ? z0 : z1,
                                    ValueColor(CellIndex[k]));
    }
}

// The band under the row's segment down to the bottom of the vertical axis, then the segment.
void TSurfaceSeries::DrawWaterFallCell(int z0) {
    if (FDotFrame) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const int base = ResolvedVertAxis()->EndPos();
    const TPoint a = FCellPoints[0], b = FCellPoints[1];
    if (!FWireFrame) {
        const TPoint band[4] = {a, b, TPoint{b.X, base}, TPoint{a.X, base}};
        const TPenStyle penStyle = canvas.Pen()->Style();
        canvas.Pen()->SetStyle(psClear);
        if (FTransparency == 0) {
            canvas.DrawPolygonAtZ(band, 3, z0);
        } else {
            const int depths[4] = {z0, z0, z0, z0};
            DrawBlendedPolygon(band, depths);
        }
        canvas.Pen()->SetStyle(penStyle);
    }
    if (Pen()->Visible()) {
        const TColor color = FWireFrame ? canvas.Pen()->Color() : Pen()->Color();
        canvas.UsePenWithColor(Pen(), color);
        canvas.DrawLineAtZ(a.X, a.Y, b.X, b.Y, z0);
    }
    if (FWaterLines->Visible()) {
        canvas.UsePen(FWaterLines.get());
        canvas.DrawVerticalLineAtZ(a.X, a.Y, base, z0);
        canvas.DrawVerticalLineAtZ(b.X, b.Y, base, z0);
    }
}

void TSurfaceSeries::DrawValue(int valueIndex) {
    DrawCell(int(std::nearbyint(XValues()[valueIndex])),
             int(std::nearbyint(ZValues()[valueIndex])));
}

// --- The pass.

void TSurfaceSeries::DrawAllValues() {
    if (Count() == 0) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool pictureBrush = Brush()->ImageIfAny() != nullptr;
    SingleColor = (!UseColorRange() && !UsePalette()) || pictureBrush;
    if (Pen()->Visible() || FWireFrame || FDotFrame)
        canvas.UsePen(Pen());
    else
        canvas.Pen()->SetStyle(psClear);
    canvas.UseBrushColored(Brush(), SeriesColor());
    if (FWireFrame || FDotFrame) canvas.Brush()->SetStyle(bsClear);
    canvas.SetBackgroundMode(TRANSPARENT);
    CalcCellDrawOrder();
    const bool sides = HasSides();
    if (sides) {
        DrawSideWalls(true);
        if (Pen()->Visible() || FWireFrame || FDotFrame)
            canvas.UsePen(Pen());
        else
            canvas.Pen()->SetStyle(psClear);
    }
    bool reversed = false;
    if (FHideCells && NeedsCellSorting(reversed))
        DrawCellsSorted();
    else
        DrawCellsInOrder();
    if (sides) DrawSideWalls(false);
}

// Rows in order, each with its columns; at rotation 0 or 180 with perspective the rows come
// alternately from both ends towards the middle, as the eye sees both halves from inside.
void TSurfaceSeries::DrawCellsInOrder() {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    bool alternate = false;
    if (const TView3DOptions* view = FParentChart->View3DOptions()) {
        const int rotation = view->Rotation() % 360;
        alternate = !canvas.SupportsFreeRotation() && view->Perspective() >= 1 &&
                    (rotation == 0 || rotation == 180);
    }
    auto drawRow = [&](int row) {
        for (int column : FColumns) DrawCell(row, column);
    };
    if (!alternate) {
        for (int row : FRows) drawRow(row);
        return;
    }
    size_t first = 0, last = FRows.size();
    while (first < last) {
        drawRow(FRows[first++]);
        if (first < last) drawRow(FRows[--last]);
    }
}

bool TSurfaceSeries::NeedsCellSorting(bool& reversed) const {
    const TView3DOptions* view = FParentChart->View3DOptions();
    const int rotation = view ? view->Rotation() : 0;
    const bool turned = rotation >= 151 && rotation <= 209;
    // Seen from behind the sort runs the other way, and back again on an inverted depth axis.
    reversed = turned && !FParentChart->DepthAxis()->Inverted();
    return rotation <= 29 || turned || rotation >= 331;
}

// The cells in drawing order, sorted by the Z of their first corner, farthest first. The list
// holds the cells the pass really visits (the water fall visits one more column per row), and
// cells with a missing corner are left out before sorting: they are never drawn, and kept in
// they would compare equal to every cell, which no sort can order.
void TSurfaceSeries::DrawCellsSorted() {
    bool reversed = false;
    NeedsCellSorting(reversed);
    FSortedCells.clear();
    FSortedCells.reserve(FRows.size() * FColumns.size());
    for (int row : FRows)
        for (int column : FColumns) {
            const bool present = FWaterFall ? GridIndex(row, column) != -1 &&
                                                  GridIndex(row + CellRowStep, column) != -1
                                            : GetCellIndices(row, column);
            if (present) FSortedCells.emplace_back(row, column);
        }
    auto depth = [this](const std::pair<int, int>& cell) {
        return ZValues()[GridIndex(cell.first, cell.second)];
    };
    std::stable_sort(FSortedCells.begin(), FSortedCells.end(), [&](const auto& a, const auto& b) {
        return reversed ? depth(a) < depth(b) : depth(a) > depth(b);
    });
    for (const auto& [row, column] : FSortedCells) DrawCell(row, column);
}

// --- Side walls.

bool TSurfaceSeries::EdgePoint(int row, int column, TPoint& p, int& z) const {
    const int i = GridIndex(row, column);
    if (i == -1) return false;
    p = TPoint{XValueToPixel(XValues()[i]), YValueToPixel(YValues()[i])};
    z = const_cast<TSurfaceSeries*>(this)->PointZPixel(i);
    return true;
}

void TSurfaceSeries::DrawSidePanel(TPoint a, int za, TPoint b, int zb, int base) {
    // A panel spans two depths: the first two points at A's, the last two at B's.
    const std::array<TPoint, 4> panel{a, TPoint{a.X, base}, TPoint{b.X, base}, b};
    DrawCellShape(panel, za, zb);
}

bool TSurfaceSeries::PlaneFacesViewer(int z) const {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const TRect r = FParentChart->ChartRect();
    const int wall = FParentChart->WallSizeOfAxis(FParentChart->BottomAxis());
    const TPoint p0 = canvas.ProjectPoint(r.Right, r.Top, z);
    const TPoint p1 = canvas.ProjectPoint(r.Right, r.Bottom + wall, z);
    const TPoint p2 = canvas.ProjectPoint(r.Left, r.Bottom + wall, z);
    return !IsCulledFace(p0, p1, p2);
}

// The walls from the surface's edges down to the lowest value, each drawn in the pass (back or
// front) in which it does not cover the surface wrongly. Panels with a missing edge point are
// left out.
void TSurfaceSeries::DrawSideWalls(bool backPass) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UseBrush(FSideBrush.get());
    canvas.UsePen(FSideLines.get());
    if (!FSideLines->Visible()) canvas.Pen()->SetStyle(psClear);
    const TChartAxis* vert = ResolvedVertAxis();
    const int base = YValueToPixel(vert->Inverted() ? YValues().Maximum() : YValues().Minimum());
    const int numX = NumXValues(), numZ = NumZValues();
    const bool xInverted = ResolvedHorizAxis()->Inverted();
    const bool zInverted = FParentChart->DepthAxis()->Inverted();
    auto alongZ = [&](int row) {
        for (int c = numZ; c >= 2; --c) {
            TPoint a, b;
            int za, zb;
            if (EdgePoint(row, c, a, za) && EdgePoint(row, c - 1, b, zb))
                DrawSidePanel(a, za, b, zb, base);
        }
    };
    auto alongX = [&](int column) {
        for (int r = 2; r <= numX; ++r) {
            TPoint a, b;
            int za, zb;
            if (EdgePoint(r - 1, column, a, za) && EdgePoint(r, column, b, zb))
                DrawSidePanel(a, za, b, zb, base);
        }
    };
    // The sides along Z go in front where the chart's own side walls would.
    bool leftSeen, rightSeen;
    if (auto* chart = dynamic_cast<TCustomChart*>(FParentChart)) {
        leftSeen = chart->Walls()->LeftWallFacesViewer();
        rightSeen = chart->Walls()->RightWallFacesViewer();
    } else {
        const int rotation =
            FParentChart->View3DOptions() ? FParentChart->View3DOptions()->Rotation() : 0;
        leftSeen = rotation > 180;
        rightSeen = rotation > 0 && rotation < 180;
    }
    if (leftSeen != backPass) alongZ(xInverted ? numX : 1);
    if (rightSeen != backPass) alongZ(xInverted ? 1 : numX);
    const bool backFaces = PlaneFacesViewer(FParentChart->Width3D());
    if (backFaces != backPass) alongX(zInverted ? 1 : numZ);
    const bool frontFaces = PlaneFacesViewer(0);
    if (frontFaces == backPass) {
        const int column = zInverted ? numZ : 1;
        alongX(column);
        // The corner nearest the viewer gets a solid edge.
        TPoint p;
        int z;
        if (EdgePoint(numX, column, p, z)) {
            canvas.Pen()->SetStyle(psSolid);
            canvas.DrawVerticalLineAtZ(p.X, p.Y, base, z);
        }
    }
}

// --- Clicks.

int TSurfaceSeries::ValueIndexAt(int x, int y) {
    if (Count() == 0 || !FParentChart) return -1;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    CellRowStep = CellColumnStep = -1;
    CalcCellDrawOrder();
    const TPoint p{x, y};
    // The nearest columns first.
    for (auto c = FColumns.rbegin(); c != FColumns.rend(); ++c)
        for (int row : FRows) {
            if (!CellPoints(row, *c)) continue;
            const int z0 = PointZPixel(CellIndex[0]), z1 = PointZPixel(CellIndex[2]);
            std::array<TPoint, 4> projected;
            for (size_t k = 0; k < 4; ++k)
                projected[k] =
                    canvas.ProjectPoint(FCellPoints[k].X, FCellPoints[k].Y, k < 2 ? z0 : z1);
            if (PointInPolygon(p, projected)) return CellIndex[0];
        }
    return -1;
}

// --- Gallery and settings.

void TSurfaceSeries::ListGalleryVariants(
    const std::function<void(const std::string&)>& addVariant) {
    TCustom3DGridSeries::ListGalleryVariants(addVariant);
    addVariant(TxtExtWireframe);
    addVariant(TxtExtDotFrame);
    addVariant(TxtSides);
    addVariant(TxtNoBorder);
}

void TSurfaceSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TSurfaceSeries*>(series);
    if (!s || index < 2 || index > 5) {
        TCustom3DGridSeries::ApplyGalleryVariant(series, index);
        return;
    }
    switch (index) {
        case 2:
            s->SetWireFrame(true);
            break;
        case 3:
            s->SetDotFrame(true);
            break;
        case 4:
            s->SideBrush()->SetStyle(bsSolid);
            break;
        default:
            s->Pen()->SetVisible(false);
            break;
    }
}

void TSurfaceSeries::PrepareForGallery(bool enabled) {
    TCustom3DGridSeries::PrepareForGallery(enabled);
    SampleValuesWanted = true;
    FillGridValues(10, 10);
}

void TSurfaceSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TSurfaceSeries*>(source)) {
        FDotFrame = other->FDotFrame;
        FHideCells = other->FHideCells;
        FSideBrush->Assign(other->FSideBrush.get());
        FSideLines->Assign(other->FSideLines.get());
        FSmoothPalette = other->FSmoothPalette;
        FTransparency = other->FTransparency;
        FWaterLines->Assign(other->FWaterLines.get());
        FWireFrame = other->FWireFrame;
        FWaterFall = false;
    }
    TCustom3DGridSeries::Assign(source);
}

void TSurfaceSeries::Publish(TPublisher<TSurfaceSeries>& p) {
    using S = TSurfaceSeries;
    p.Boolean("DotFrame", &S::DotFrame, &S::SetDotFrame).Default(false);
    p.Boolean("FastBrush", &S::FastBrush, &S::SetFastBrush).Default(false);
    p.Boolean("HideCells", &S::HideCells, &S::SetHideCells).Default(false);
    p.Object("SideBrush", &S::SideBrush, &S::SetSideBrush);
    p.Object("SideLines", &S::SideLines, &S::SetSideLines);
    p.Boolean("SmoothPalette", &S::SmoothPalette, &S::SetSmoothPalette).Default(false);
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    p.Boolean("WireFrame", &S::WireFrame, &S::SetWireFrame).Default(false);
    p.Object("Brush", &S::Brush, &S::SetBrush);
    p.Object("Pen", &S::Pen, &S::SetPen);
}

// --- Water fall.

TWaterFallSeries::TWaterFallSeries(TComponent* owner) : TSurfaceSeries(owner) {
    SetWaterFall(true);
}
TWaterFallSeries::~TWaterFallSeries() = default;

void TWaterFallSeries::ListGalleryVariants(
    const std::function<void(const std::string&)>& addVariant) {
    TSurfaceSeries::ListGalleryVariants(addVariant);
    addVariant(TxtNoLines);
}

void TWaterFallSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TSurfaceSeries*>(series);
    if (s && index == 6)
        s->WaterLines()->SetVisible(false);
    else
        TSurfaceSeries::ApplyGalleryVariant(series, index);
}

void TWaterFallSeries::Apply3DFromGallery(bool enabled) {
    TSurfaceSeries::Apply3DFromGallery(enabled);
    if (FParentChart) FParentChart->SetView3D(enabled);
}

void TWaterFallSeries::Assign(const TPersistent* source) {
    TSurfaceSeries::Assign(source);
    SetWaterFall(true);
}

void TWaterFallSeries::Publish(TPublisher<TWaterFallSeries>& p) {
    using S = TWaterFallSeries;
    p.Boolean("WaterFall", &S::WaterFall, &S::SetWaterFall).Default(true);
    p.Object("WaterLines", &S::WaterLines, &S::SetWaterLines);
}
