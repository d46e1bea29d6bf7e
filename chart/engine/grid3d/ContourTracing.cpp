#include "chart/engine/grid3d/ContourTracing.h"

#include <algorithm>
#include <cmath>

namespace {

// The case of a triangle from the signs (-1, 0, +1) of its first vertex, its centre vertex and
// its last vertex, each index the sign + 1.
constexpr int CaseTable[3][3][3] = {{{0, 0, 8}, {0, 2, 5}, {7, 6, 9}},
                                    {{0, 3, 4}, {1, 3, 1}, {4, 3, 0}},
                                    {{9, 6, 7}, {5, 2, 0}, {8, 0, 0}}};

int Sign(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

// Where the side from a to b crosses height 0.
TContourPoint Crossing(const TContourPoint& pa, double ha, const TContourPoint& pb, double hb) {
    return TContourPoint{(hb * pa.X - ha * pb.X) / (hb - ha), (hb * pa.Z - ha * pb.Z) / (hb - ha)};
}

// Two points are one when their distance, in the sum of both coordinates, rounds to 0 at
// four decimals.
bool Coincide(const TContourPoint& a, const TContourPoint& b) {
    return std::nearbyint((std::abs(a.X - b.X) + std::abs(a.Z - b.Z)) * 10000) == 0;
}

bool Near(const TContourPoint& a, const TContourPoint& b) {
    return std::abs(a.X - b.X) <= 1e-4 && std::abs(a.Z - b.Z) <= 1e-4;
}

}  // namespace

// The triangle's vertices are 1 = p[0] (a corner), 2 = p[1] (the centre), 3 = p[2] (the next
// corner).
bool TriangleLevelSegment(const std::array<TContourPoint, 3>& p, const std::array<double, 3>& h,
                          TContourSegment& s) {
    switch (CaseTable[Sign(h[0]) + 1][Sign(h[1]) + 1][Sign(h[2]) + 1]) {
        case 1:
            s = {p[0], p[1]};
            return true;
        case 2:
            s = {p[1], p[2]};
            return true;
        case 3:
            s = {p[2], p[0]};
            return true;
        case 4:
            s = {p[0], Crossing(p[1], h[1], p[2], h[2])};
            return true;
        case 5:
            s = {p[1], Crossing(p[2], h[2], p[0], h[0])};
            return true;
        case 6:
            s = {p[2], Crossing(p[0], h[0], p[1], h[1])};
            return true;
        case 7:
            s = {Crossing(p[0], h[0], p[1], h[1]), Crossing(p[1], h[1], p[2], h[2])};
            return true;
        case 8:
            s = {Crossing(p[1], h[1], p[2], h[2]), Crossing(p[2], h[2], p[0], h[0])};
            return true;
        case 9:
            s = {Crossing(p[2], h[2], p[0], h[0]), Crossing(p[0], h[0], p[1], h[1])};
            return true;
        default:
            return false;
    }
}

int CellLevelSegments(const std::array<TContourPoint, 4>& p, const std::array<double, 4>& h,
                      double level, std::array<TContourSegment, 4>& out) {
    const TContourPoint centre{(p[0].X + p[1].X + p[2].X + p[3].X) / 4,
                               (p[0].Z + p[1].Z + p[2].Z + p[3].Z) / 4};
    const double hc = (h[0] + h[1] + h[2] + h[3]) / 4 - level;
    int n = 0;
    for (size_t m = 0; m < 4; ++m) {
        const size_t next = (m + 1) % 4;
        if (TriangleLevelSegment({p[m], centre, p[next]}, {h[m] - level, hc, h[next] - level},
                                 out[size_t(n)]))
            ++n;
    }
    return n;
}

void AddLevelSegment(TLevelSegments& lines, const TContourSegment& s) {
    size_t extended = lines.size();
    bool atFront = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::vector<TContourPoint>& p = lines[i].Points;
        if (Coincide(p.front(), s.A)) {
            p.insert(p.begin(), s.B);
            atFront = true;
        } else if (Coincide(p.front(), s.B)) {
            p.insert(p.begin(), s.A);
            atFront = true;
        } else if (Coincide(p.back(), s.A)) {
            p.push_back(s.B);
        } else if (Coincide(p.back(), s.B)) {
            p.push_back(s.A);
        } else {
            continue;
        }
        extended = i;
        break;
    }
    if (extended == lines.size()) {
        lines.push_back(TLevelSegment{{s.A, s.B}});
        return;
    }
    if (lines.size() < 2) return;
    // The line grew towards another one: when their ends meet they become one line.
    std::vector<TContourPoint>& grown = lines[extended].Points;
    const TContourPoint end = atFront ? grown.front() : grown.back();
    for (size_t j = 0; j < lines.size(); ++j) {
        if (j == extended) continue;
        std::vector<TContourPoint> other = lines[j].Points;
        const bool otherFront = Near(other.front(), end);
        if (!otherFront && !Near(other.back(), end)) continue;
        // Orient both so that grown ends where other starts; the shared point is kept once.
        if (atFront) std::reverse(grown.begin(), grown.end());
        if (!otherFront) std::reverse(other.begin(), other.end());
        grown.insert(grown.end(), other.begin() + 1, other.end());
        lines.erase(lines.begin() + std::ptrdiff_t(j));
        return;
    }
}
