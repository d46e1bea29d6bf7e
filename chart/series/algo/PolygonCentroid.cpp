#include "chart/series/algo/PolygonCentroid.h"

TCentroid PolygonCentroid(std::span<const TIntPoint> points) {
    const size_t n = points.size();
    if (n == 0) return {};
    if (n == 1) return {double(points[0].X), double(points[0].Y)};
    if (n == 2) return {(points[0].X + points[1].X) / 2.0, (points[0].Y + points[1].Y) / 2.0};
    double area = 0, cx = 0, cy = 0;
    for (size_t i = 0; i < n; ++i) {
        const TIntPoint& a = points[i];
        const TIntPoint& b = points[(i + 1) % n];
        const double c = double(a.X) * b.Y - double(b.X) * a.Y;
        area += c;
        cx += (a.X + b.X) * c;
        cy += (a.Y + b.Y) * c;
    }
    area /= 2;
    const double d = area == 0 ? 6 : 6 * area;
    return {cx / d, cy / d};
}
