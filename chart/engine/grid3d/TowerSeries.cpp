#include "chart/engine/grid3d/TowerSeries.h"

#include <algorithm>
#include <array>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/CylinderSidesScope.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& TowerStyleNames() {
    static const TEnumInfo names{"tsCube",  "tsRectangle", "tsCover",   "tsCylinder",
                                 "tsArrow", "tsCone",      "tsPyramid", "tsSlantCube"};
    return names;
}

TTowerSeries::TTowerSeries(TComponent* owner) : TCustom3DGridSeries(owner) {}
TTowerSeries::~TTowerSeries() = default;

// --- Geometry.

TTowerSeries::TTowerBox TTowerSeries::TowerBox(int valueIndex) {
    const double halfWidth = FPercentWidth * 0.005, halfDepth = FPercentDepth * 0.005;
    const double x = XValues()[valueIndex], z = ZValues()[valueIndex];
    const TChartAxis& depth = *FParentChart->DepthAxis();
    TTowerBox box{XValueToPixel(x - halfWidth),
                  XValueToPixel(x + halfWidth),
                  PointYPixel(valueIndex),
                  YValueToPixel(FUseOrigin ? FOrigin : YValues().Minimum()),
                  depth.PixelOfValue(z - halfDepth),
                  depth.PixelOfValue(z + halfDepth)};
    // A tower below its base hangs down from it.
    if (box.Bottom < box.Top) std::swap(box.Top, box.Bottom);
    return box;
}

TRect TTowerSeries::TowerBounds(TCanvas3D& canvas, const TTowerBox& box) const {
    const TRect front{box.Left, box.Top, box.Right, box.Bottom};
    if (FTowerStyle != tsCover) {
        const TRect n = canvas.ProjectedRectBounds(front, box.Near);
        const TRect f = canvas.ProjectedRectBounds(front, box.Far);
        return TRect{std::min(n.Left, f.Left), std::min(n.Top, f.Top), std::max(n.Right, f.Right),
                     std::max(n.Bottom, f.Bottom)};
    }
    const std::array<TPoint, 4> top{canvas.ProjectPoint(box.Left, box.Top, box.Near),
                                    canvas.ProjectPoint(box.Right, box.Top, box.Near),
                                    canvas.ProjectPoint(box.Right, box.Top, box.Far),
                                    canvas.ProjectPoint(box.Left, box.Top, box.Far)};
    TRect r{top[0].X, top[0].Y, top[0].X, top[0].Y};
    for (const TPoint& p : top) {
        r.Left = std::min(r.Left, p.X);
        r.Top = std::min(r.Top, p.Y);
        r.Right = std::max(r.Right, p.X + 1);
        r.Bottom = std::max(r.Bottom, p.Y + 1);
    }
    return r;
}

// --- Drawing.

void TTowerSeries::DrawAllValues() {
    if (Count() == 0 || !FParentChart) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(Pen());
    canvas.UseBrushColored(Brush(), SeriesColor());
    // Far towers first: rows (X) in the order the values are drawn, columns (Z) from the back.
    const bool rowsUp = DrawsValuesForward(), columnsUp = DepthDrawnReversed(*this);
    const int rows = NumXValues(), columns = NumZValues();
    for (int r = 0; r < rows; ++r) {
        const int row = rowsUp ? r + 1 : rows - r;
        for (int c = 0; c < columns; ++c) {
            const int i = GridIndex(row, columnsUp ? c + 1 : columns - c);
            if (i < 0 || i >= Count()) continue;
            const TColor color = ValueColor(i);
            if (color == clNone) continue;
            if (Brush()->Style() != bsClear) canvas.UseBrushColored(Brush(), color);
            const TTowerBox box = TowerBox(i);
            const TBlendScope blend(canvas, FTransparency > 0 ? TowerBounds(canvas, box) : TRect{},
                                    FTransparency);
            DrawTower(canvas, box);
        }
    }
}

void TTowerSeries::DrawTower(TCanvas3D& canvas, const TTowerBox& b) {
    const int middle = (b.Near + b.Far) / 2;
    switch (FTowerStyle) {
        case tsCube:
            canvas.DrawCuboid(b.Left, b.Right, b.Top, b.Bottom, b.Near, b.Far, FDark3D);
            break;
        case tsRectangle:
            canvas.DrawRectangleAtZ(TRect{b.Left, b.Top, b.Right, b.Bottom}, middle);
            break;
        case tsCover:
            canvas.FillPlaneAtY(b.Left, b.Top, b.Right, b.Near, b.Far);
            break;
        case tsCylinder:
            canvas.DrawCylinder(true, b.Left, b.Top, b.Right, b.Bottom, b.Near, b.Far, FDark3D);
            break;
        case tsArrow: {
            // The head as wide as the tower and half as long, the shaft half as wide.
            const int width = b.Right - b.Left, x = (b.Left + b.Right) / 2;
            canvas.DrawArrow(true, TPoint{x, b.Bottom}, TPoint{x, b.Top}, width, width / 2, middle,
                             50);
            break;
        }
        case tsCone:
            canvas.DrawCone(true, b.Left, b.Top, b.Right, b.Bottom, b.Near, b.Far, FDark3D, 0);
            break;
        case tsPyramid:
            canvas.DrawPyramid(true, b.Left, b.Top, b.Right, b.Bottom, b.Near, b.Far, FDark3D);
            break;
        case tsSlantCube: {
            const TCylinderSidesScope fourSides(canvas, 4);
            canvas.DrawCylinder(true, b.Left, b.Top, b.Right, b.Bottom, b.Near, b.Far, FDark3D);
            break;
        }
    }
}

void TTowerSeries::DrawMark(int valueIndex, const std::string& text,
                            TSeriesMarkPosition& position) {
    Marks()->OffsetByCallout(position);
    TCustom3DGridSeries::DrawMark(valueIndex, text, position);
}

// --- Clicks.

int TTowerSeries::ValueIndexAt(int x, int y) {
    if (Count() == 0 || !FParentChart) return -1;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    // Near the reverse of the drawing order, so that a tower in front is found first.
    const bool depthReversed = DepthDrawnReversed(*this);
    const bool rowsUp = depthReversed && DrawsValuesForward(), columnsUp = !depthReversed;
    const int rows = NumXValues(), columns = NumZValues();
    const TPoint p{x, y};
    for (int r = 0; r < rows; ++r) {
        const int row = rowsUp ? r + 1 : rows - r;
        for (int c = 0; c < columns; ++c) {
            const int i = GridIndex(row, columnsUp ? c + 1 : columns - c);
            if (i < 0 || i >= Count() || StoredPointColor(i) == clNone) continue;
            const TTowerBox b = TowerBox(i);
            const std::array<TPoint, 4> top{canvas.ProjectPoint(b.Left, b.Top, b.Near),
                                            canvas.ProjectPoint(b.Right, b.Top, b.Near),
                                            canvas.ProjectPoint(b.Right, b.Top, b.Far),
                                            canvas.ProjectPoint(b.Left, b.Top, b.Far)};
            if (PointInPolygon(p, top, 3)) return i;
            if (FTowerStyle == tsCover) continue;
            const std::array<TPoint, 4> front =
                canvas.ProjectRectCorners(TRect{b.Left, b.Top, b.Right, b.Bottom}, b.Near);
            if (PointInPolygon(p, front, 3)) return i;
        }
    }
    return -1;
}

// --- Extremes: each tower spans half a unit on either side of its X and Z.

double TTowerSeries::GetMaxXValue() { return XValues().Maximum() + 0.5; }
double TTowerSeries::GetMinXValue() { return XValues().Minimum() - 0.5; }
double TTowerSeries::GetMaxZValue() { return ZValues().Maximum() + 0.5; }
double TTowerSeries::GetMinZValue() { return ZValues().Minimum() - 0.5; }

// --- Gallery.

void TTowerSeries::ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) {
    TCustom3DGridSeries::ListGalleryVariants(addVariant);
    for (const std::string* t :
         {&TxtNoBorder, &TxtExtSingleColor, &TxtMarks, &TxtHollow, &TxtRectangle, &TxtExtCover,
          &TxtCircle, &TxtArrow, &TxtExtCone, &TxtPyramid})
        addVariant(*t);
}

void TTowerSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TTowerSeries*>(series);
    if (!s || index < 2 || index > 11) {
        TCustom3DGridSeries::ApplyGalleryVariant(series, index);
        return;
    }
    static const TTowerStyle styles[] = {tsRectangle, tsCover, tsCylinder,
                                         tsArrow,     tsCone,  tsPyramid};
    switch (index) {
        case 2:
            s->Pen()->SetVisible(false);
            break;
        case 3:
            s->SetUsePalette(false);
            break;
        case 4:
            s->Marks()->SetVisible(true);
            break;
        case 5:
            s->Brush()->SetStyle(bsClear);
            break;
        default:
            s->SetTowerStyle(styles[index - 6]);
    }
}

void TTowerSeries::PrepareForGallery(bool enabled) {
    TCustom3DGridSeries::PrepareForGallery(enabled);
    const bool wanted = SampleValuesWanted;
    SampleValuesWanted = true;
    FillGridValues(5, 5);
    SampleValuesWanted = wanted;
}

// --- Copies and the stream.

void TTowerSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TTowerSeries*>(source)) {
        FDark3D = other->FDark3D;
        FOrigin = other->FOrigin;
        FPercentDepth = other->FPercentDepth;
        FPercentWidth = other->FPercentWidth;
        FTowerStyle = other->FTowerStyle;
        FTransparency = other->FTransparency;
        FUseOrigin = other->FUseOrigin;
    }
    TCustom3DGridSeries::Assign(source);
}

void TTowerSeries::Publish(TPublisher<TTowerSeries>& p) {
    using S = TTowerSeries;
    p.Object("Brush", &S::Brush, &S::SetBrush);
    p.Boolean("Dark3D", &S::Dark3D, &S::SetDark3D).Default(true);
    p.Float("Origin", &S::Origin, &S::SetOrigin).Default(0.0);
    p.Object("Pen", &S::Pen, &S::SetPen);
    p.Integer("PercentDepth", &S::PercentDepth, &S::SetPercentDepth).Default(100);
    p.Integer("PercentWidth", &S::PercentWidth, &S::SetPercentWidth).Default(100);
    p.Enumeration("TowerStyle", TowerStyleNames(), &S::TowerStyle, &S::SetTowerStyle)
        .Default(tsCube);
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    p.Boolean("UseOrigin", &S::UseOrigin, &S::SetUseOrigin).Default(false);
}
