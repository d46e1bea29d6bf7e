#include "chart/series/algo/BezierCurves.h"

#include "platform/rtl/RtlMath.h"

std::vector<TBezierCurve> BezierCurvesOf(TBezierStyle style, int count) {
    std::vector<TBezierCurve> out;
    if (style == bsBezier3 || style == bsWindows) {
        if (count >= 3) out.push_back({{0, 1, 2, 0}, 3});
        if (style == bsBezier3)
            for (int k = 4; k <= count - 1; k += 2) out.push_back({{k - 2, k - 1, k, 0}, 3});
        else
            for (int k = 5; k <= count - 1; k += 3) out.push_back({{k - 3, k - 2, k - 1, k}, 4});
    } else {
        for (int k = 3; k <= count - 1; k += 3) out.push_back({{k - 3, k - 2, k - 1, k}, 4});
    }
    return out;
}

std::vector<TBezierCurve> PlatformBezierCurvesOf(int count) {
    std::vector<TBezierCurve> out;
    const int used = count / 3 * 3;
    // The curves start at the pen position, then at each curve's end.
    for (int first = 0; first + 2 < used; first += 3)
        out.push_back({{first == 0 ? 0 : first - 1, first, first + 1, first + 2}, 4});
    return out;
}

std::vector<TPoint> BezierPieceEnds(std::span<const TPoint> p, int steps) {
    std::vector<TPoint> out;
    out.reserve(steps);
    for (int j = 1; j <= steps; ++j) {
        const double t = double(j) / steps, u = 1 - t;
        double x, y;
        if (p.size() == 3) {
            x = u * u * p[0].X + 2 * t * u * p[1].X + t * t * p[2].X;
            y = u * u * p[0].Y + 2 * t * u * p[1].Y + t * t * p[2].Y;
        } else {
            x = u * u * u * p[0].X + 3 * t * u * u * p[1].X + 3 * t * t * u * p[2].X +
                t * t * t * p[3].X;
            y = u * u * u * p[0].Y + 3 * t * u * u * p[1].Y + 3 * t * t * u * p[2].Y +
                t * t * t * p[3].Y;
        }
        out.push_back({RoundToInt(x), RoundToInt(y)});
    }
    return out;
}
