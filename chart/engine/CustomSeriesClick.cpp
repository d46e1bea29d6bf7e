// Which point of a line-family series lies under the mouse: a pointer, the point itself, or a
// segment (and the area below it) that belongs to the segment's first point.
#include <algorithm>
#include <array>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/CustomSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/HitTests.h"

bool TCustomSeries::SegmentContains(TPoint mouse, TPoint prev, TPoint point, int prevBase,
                                    int base) const {
    // The stair shape passes through this corner.
    const TPoint corner = FInvertedStairs ? TPoint{prev.X, point.Y} : TPoint{point.X, prev.Y};
    if (FParentChart->View3D()) {
        const int dx = FParentChart->Width3D(), dy = -FParentChart->Height3D();
        auto band = [&](TPoint a, TPoint b) {
            const std::array<TPoint, 4> p{a, b, TPoint{b.X + dx, b.Y + dy},
                                          TPoint{a.X + dx, a.Y + dy}};
            return PointInPolygon(mouse, p, 3);
        };
        if (FStairs ? band(prev, corner) || band(corner, point) : band(prev, point)) return true;
    } else if (FStairs ? IsPointOnLinePoints(mouse, prev, corner) ||
                             IsPointOnLinePoints(mouse, corner, point)
                       : IsPointOnLinePoints(mouse, prev, point)) {
        return true;
    }
    if (!FDrawArea) return false;
    std::array<TPoint, 4> area;
    if (YMandatory()) {
        area = FStairs ? std::array<TPoint, 4>{TPoint{prev.X, prevBase}, TPoint{prev.X, prev.Y},
                                               TPoint{point.X, prev.Y}, TPoint{point.X, prevBase}}
                       : std::array<TPoint, 4>{TPoint{prev.X, prevBase}, prev, point,
                                               TPoint{point.X, base}};
    } else {
        area = FStairs ? std::array<TPoint, 4>{TPoint{prevBase, prev.Y}, TPoint{prev.X, prev.Y},
                                               TPoint{prev.X, point.Y}, TPoint{prevBase, point.Y}}
                       : std::array<TPoint, 4>{TPoint{prevBase, prev.Y}, prev, point,
                                               TPoint{base, point.Y}};
    }
    return PointInPolygon(mouse, area, 3);
}

int TCustomSeries::ValueIndexAt(int x, int y) {
    if (!FParentChart) return -1;
    FParentChart->Canvas3D()->UnprojectPoint(x, y, FrontDepth);
    const int found = TCustomLineSeries::ValueIndexAt(x, y);
    if (found != -1 || FirstInView < 0) return found;
    const int start = FClickableLine ? std::max(0, FirstInView - 1) : FirstInView;
    const TPoint mouse{x, y};
    TPoint prev;
    for (int i = start; i <= LastInView && i < Count(); ++i) {
        const TPoint point{PointXPixel(i), PointYPixel(i)};
        if (FPointer->Visible() && PointerContains(i, point.X, point.Y, x, y)) {
            if (OnClickPointer) OnClickPointer(*this, i, x, y);
            return i;
        }
        if (point == mouse) return i;
        const int base = OriginPosition(i);
        if (i > start && FClickableLine && SegmentContains(mouse, prev, point, PrevBaseY, base))
            return i - 1;
        prev = point;
        PrevBaseY = base;
    }
    return -1;
}
