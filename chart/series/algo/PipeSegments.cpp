#include "chart/series/algo/PipeSegments.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/RtlMath.h"

int TPipeOutline::Area() const {
    return RoundToInt(Length() * (LeftHeight() + RightHeight()) * 0.5);
}

TPipeOutline PipeOutline(const TRect& r, int conePercent) {
    const int c = std::min(conePercent, 100) / 2;
    const int height = r.Bottom - r.Top;
    TPipeOutline p;
    p.P0 = {r.Left + 2, r.Top + 2};
    p.P1 = {r.Right - 2, RoundToInt(height * c / 100.0 + r.Top)};
    p.P2 = {r.Right - 2, RoundToInt(r.Bottom - height * c / 100.0)};
    p.P3 = {r.Left + 2, r.Bottom - 2};
    return p;
}

int PipeCutAt(const TPipeOutline& pipe, double share) {
    const double l = pipe.Length();
    const double h0 = pipe.LeftHeight();
    const double delta = h0 - pipe.RightHeight();
    double x;
    if (delta == 0) {
        x = l * share;
    } else {
        // The smaller root of delta x^2 - 2 L H0 x + 2 L A share = 0. Where the pipe closes to
        // a point, the rounded area may exceed the true one and the radicand dip below 0: the
        // cut is then the apex.
        const double radicand = 4 * l * l * h0 * h0 - 8 * delta * l * pipe.Area() * share;
        x = (2 * l * h0 - std::sqrt(std::max(0.0, radicand))) / (2 * delta);
    }
    return std::clamp(RoundToInt(x), 0, std::max(0, pipe.Length()));
}

std::vector<TPipeSegment> PipeSegments(const TPipeOutline& pipe, std::span<const double> values,
                                       std::span<const bool> skipped) {
    std::vector<TPipeSegment> out;
    double total = 0;
    for (double v : values) total += std::fabs(v);
    const int l = pipe.Length();
    if (l == 0 || total == 0) return out;
    int xl = pipe.P0.X;
    int e = 0;
    double sum = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        sum += values[i];
        if (i < skipped.size() && skipped[i]) continue;
        const int cut = PipeCutAt(pipe, sum / total);
        const int x = pipe.P0.X + cut;
        const int f = RoundToInt(double(cut) / l * pipe.Drop());
        TPipeSegment s;
        s.Index = int(i);
        s.Left = xl;
        s.Right = x;
        s.LeftInset = e;
        s.RightInset = f;
        s.Quad[0] = {x, pipe.P3.Y - f};
        s.Quad[1] = {x, pipe.P0.Y + f};
        s.Quad[2] = {xl, pipe.P0.Y + e};
        s.Quad[3] = {xl, pipe.P3.Y - e};
        out.push_back(s);
        e = f;
        xl = x;
    }
    return out;
}
