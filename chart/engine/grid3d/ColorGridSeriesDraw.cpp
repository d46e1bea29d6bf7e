// The colour grid's drawing pass: the visible cells, then either one rectangle per cell or the
// one-pixel-per-cell bitmap stretched over them, then the grid lines and the frame.
#include <algorithm>
#include <array>
#include <cmath>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/grid3d/ColorGridSeries.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFilter.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/RtlMath.h"

namespace {

constexpr TColor White = TColor(0xFFFFFF);

// A colour for the holes that no cell has: white when it is free, else the first free one
// counting down from it. used must be sorted.
TColor FreeKeyColor(const std::vector<TColor>& used) {
    for (uint32_t c = 0xFFFFFF;; --c)
        if (!std::binary_search(used.begin(), used.end(), TColor(c))) return TColor(c);
}

void WritePixel(uint8_t* bgr, TColor color) {
    const uint32_t c = uint32_t(color);
    bgr[0] = uint8_t(c >> 16);
    bgr[1] = uint8_t(c >> 8);
    bgr[2] = uint8_t(c);
}

}  // namespace

int TColorGridSeries::RowEdgePixel(int p) {
    return XValueToPixel(LowerEdge(PositionValue(XValues(), FXCells, p)));
}

int TColorGridSeries::ColumnEdgePixel(int p) {
    return YValueToPixel(LowerEdge(PositionValue(ZValues(), FZCells, p)));
}

TColorGridSeries::TCellRange TColorGridSeries::VisibleCells() {
    TCellRange r{1, NumXValues(), 1, NumZValues()};
    if (IrregularGrid()) return r;
    // The axes' ends as values, and the cells under them.
    auto clip = [this](const TChartAxis& axis, bool horizontal, TChartValueList& list, int count,
                       int& first, int& last) {
        const double a =
            horizontal ? PixelToXValue(axis.StartPos()) : PixelToYValue(axis.StartPos());
        const double b = horizontal ? PixelToXValue(axis.EndPos()) : PixelToYValue(axis.EndPos());
        const double base = LowerEdge(RoundToInt(list.Minimum()));
        // An end that is no number (an axis or a grid of NaN or infinite values) clips nothing.
        if (std::isnan(a - base) || std::isnan(b - base)) return;
        auto position = [&](double v) {
            const double p = std::floor(v - base) + 1;
            return int(std::clamp(p, 1.0, double(std::max(1, count))));
        };
        first = position(std::min(a, b));
        last = std::min(count, position(std::max(a, b)));
    };
    clip(*ResolvedHorizAxis(), true, XValues(), NumXValues(), r.FirstRow, r.LastRow);
    clip(*ResolvedVertAxis(), false, ZValues(), NumZValues(), r.FirstColumn, r.LastColumn);
    return r;
}

bool TColorGridSeries::DrawsOnPlane() const {
    if (!FParentChart->View3D()) return false;
    const TView3DOptions* view = FParentChart->View3DOptions();
    return !(view && view->Orthogonal() && FDrawPlane3D == cpZ);
}

int TColorGridSeries::PlanePosition() const {
    switch (FDrawPlane3D) {
        case cpX:
            return ResolvedHorizAxis()->CenterPos() + FDrawPosition;
        case cpY:
            return ResolvedVertAxis()->CenterPos() + FDrawPosition;
        case cpZ:
            break;
    }
    return MidDepth + FDrawPosition;
}

// As the pictures on planes are mapped: the rectangle's across and up on the plane.
TPoint TColorGridSeries::OnPlane(TCanvas3D& canvas, int x, int y) const {
    if (!DrawsOnPlane()) return canvas.ProjectPoint(x, y, MidDepth + FDrawPosition);
    const int position = PlanePosition();
    switch (FDrawPlane3D) {
        case cpX:
            return canvas.ProjectPoint(position, y, x);
        case cpY:
            return canvas.ProjectPoint(x, position, y);
        case cpZ:
            break;
    }
    return canvas.ProjectPoint(x, y, position);
}

void TColorGridSeries::DrawAllValues() {
    if (Count() == 0 || !FParentChart) return;
    if (IrregularGrid()) {
        FindCells(XValues(), FXCells);
        FindCells(ZValues(), FZCells);
    }
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const TCellRange r = VisibleCells();
    // The cells' screen rectangle, left to right and top to bottom.
    const int x0 = RowEdgePixel(r.FirstRow), x1 = RowEdgePixel(r.LastRow + 1);
    const int y0 = ColumnEdgePixel(r.FirstColumn), y1 = ColumnEdgePixel(r.LastColumn + 1);
    const TRect area{std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
    {
        const TBlendScope blend(canvas,
                                FTransparency > 0 ? canvas.ProjectRect(area, MidDepth) : TRect{},
                                FTransparency);
        if (canvas.IsVectorSurface() || IrregularGrid())
            DrawCellRectangles(canvas, r);
        else
            DrawCellBitmap(canvas, r, area);
    }
    if (Pen()->Visible()) DrawGridLines(canvas, r);
    if (FFrame->Visible()) DrawFrame(canvas, area);
}

void TColorGridSeries::DrawCellRectangles(TCanvas3D& canvas, const TCellRange& r) {
    canvas.Pen()->SetStyle(psClear);
    canvas.Brush()->SetStyle(bsSolid);
    for (int row = r.FirstRow; row <= r.LastRow; ++row) {
        const int left = RowEdgePixel(row), right = RowEdgePixel(row + 1);
        for (int column = r.FirstColumn; column <= r.LastColumn; ++column) {
            const int i = GridIndex(row, column);
            if (i < 0 || i >= Count()) continue;
            const TColor color = ValueColor(i);
            if (color == clNone) continue;
            canvas.Brush()->SetColor(color);
            const int a = ColumnEdgePixel(column), b = ColumnEdgePixel(column + 1);
            canvas.DrawRectAtZ(
                TRect{std::min(left, right), std::min(a, b), std::max(left, right), std::max(a, b)},
                MidDepth);
        }
    }
}

void TColorGridSeries::DrawCellBitmap(TCanvas3D& canvas, const TCellRange& r, const TRect& area) {
    const int width = r.LastRow - r.FirstRow + 1, height = r.LastColumn - r.FirstColumn + 1;
    if (width < 1 || height < 1) return;
    // The bitmap's top row is the cells at the top of the screen, its left column those at the
    // left, whichever way the axes run.
    const bool flipX = RowEdgePixel(r.FirstRow) > RowEdgePixel(r.LastRow + 1);
    const bool flipZ = ColumnEdgePixel(r.FirstColumn) > ColumnEdgePixel(r.LastColumn + 1);
    TBitmap& bitmap = *FBitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(width, height);
    // The colour of every pixel, clNone for a hole.
    std::vector<TColor> colors(size_t(width) * size_t(height), clNone);
    std::vector<TColor> used;
    bool holes = false;
    for (int b = 0; b < height; ++b) {
        const int column = flipZ ? r.LastColumn - b : r.FirstColumn + b;
        for (int a = 0; a < width; ++a) {
            const int row = flipX ? r.LastRow - a : r.FirstRow + a;
            const int i = GridIndex(row, column);
            const TColor color = i >= 0 && i < Count() ? ValueColor(i) : clNone;
            colors[size_t(b) * size_t(width) + size_t(a)] = color;
            if (color == clNone)
                holes = true;
            else
                used.push_back(color);
        }
    }
    // A clear brush lets white cells show what lies behind, as the holes do.
    const bool clearBrush = Brush()->Style() == bsClear;
    TColor key = White;
    if (holes && !clearBrush) {
        std::sort(used.begin(), used.end());
        key = FreeKeyColor(used);
    }
    for (int b = 0; b < height; ++b) {
        uint8_t* line = bitmap.ScanLine(b);
        for (int a = 0; a < width; ++a) {
            const TColor color = colors[size_t(b) * size_t(width) + size_t(a)];
            WritePixel(line + 3 * a, color == clNone ? key : color);
        }
    }
    bitmap.SetTransparentMode(tmFixed);
    bitmap.SetTransparentColor(key);
    bitmap.SetTransparent(holes || clearBrush);

    TBitmap* drawn = &bitmap;
    TBitmap smooth;
    if (FSmoothBitmap && width > 1 && height > 1 && area.Width() > 1 && area.Height() > 1) {
        smooth.SetPixelFormat(pf24bit);
        smooth.SetSize(area.Width(), area.Height());
        ResampleBitmap(bitmap, smooth, true);
        // The holes stay sharp: a smoothed pixel whose cell is a hole takes the key again.
        if (holes) {
            for (int y = 0; y < area.Height(); ++y) {
                uint8_t* line = smooth.ScanLine(y);
                const size_t b = size_t(int64_t(y) * height / area.Height());
                for (int x = 0; x < area.Width(); ++x) {
                    const size_t a = size_t(int64_t(x) * width / area.Width());
                    if (colors[b * size_t(width) + a] == clNone) WritePixel(line + 3 * x, key);
                }
            }
        }
        smooth.SetTransparentMode(tmFixed);
        smooth.SetTransparentColor(key);
        smooth.SetTransparent(bitmap.Transparent());
        drawn = &smooth;
    }
    if (DrawsOnPlane())
        canvas.DrawPictureOnPlane(area, drawn, FDrawPlane3D, PlanePosition());
    else
        canvas.StretchDrawGraphic(canvas.ProjectRect(area, MidDepth + FDrawPosition), drawn);
}

void TColorGridSeries::DrawGridLines(TCanvas3D& canvas, const TCellRange& r) {
    canvas.UsePen(Pen());
    const int top = ColumnEdgePixel(r.FirstColumn), bottom = ColumnEdgePixel(r.LastColumn + 1);
    const int left = RowEdgePixel(r.FirstRow), right = RowEdgePixel(r.LastRow + 1);
    auto line = [&](int xa, int ya, int xb, int yb) {
        canvas.MovePenToPoint(OnPlane(canvas, xa, ya));
        canvas.DrawLineToPoint(OnPlane(canvas, xb, yb));
    };
    for (int row = r.FirstRow + 1; row <= r.LastRow; row += std::max(1, FXGridEvery)) {
        const int x = RowEdgePixel(row);
        line(x, top, x, bottom);
    }
    for (int column = r.FirstColumn + 1; column <= r.LastColumn;
         column += std::max(1, FZGridEvery)) {
        const int y = ColumnEdgePixel(column);
        line(left, y, right, y);
    }
}

void TColorGridSeries::DrawFrame(TCanvas3D& canvas, const TRect& area) {
    canvas.UsePen(FFrame.get());
    canvas.Brush()->SetStyle(bsClear);
    const std::array<TPoint, 4> corners{
        OnPlane(canvas, area.Left, area.Top), OnPlane(canvas, area.Right, area.Top),
        OnPlane(canvas, area.Right, area.Bottom), OnPlane(canvas, area.Left, area.Bottom)};
    canvas.DrawPolygon(corners, 3);
}
