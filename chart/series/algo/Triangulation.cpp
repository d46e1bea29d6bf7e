#include "chart/series/algo/Triangulation.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

double Cross(const TPlanePoint& o, const TPlanePoint& a, const TPlanePoint& b) {
    return (a.X - o.X) * (b.Z - o.Z) - (a.Z - o.Z) * (b.X - o.X);
}

double Distance2(const TPlanePoint& a, const TPlanePoint& b) {
    const double dx = a.X - b.X, dz = a.Z - b.Z;
    return dx * dx + dz * dz;
}

// The smaller sine squared of the angles at a and b of the triangle (a, b, c).
double SmallerSine2(const TPlanePoint& a, const TPlanePoint& b, const TPlanePoint& c) {
    const double twiceArea = Cross(a, b, c);
    const double denominator = std::max(Distance2(a, c), Distance2(b, c)) * Distance2(a, b);
    return denominator > 0 ? twiceArea * twiceArea / denominator : 0;
}

// A relative margin keeps four points on one circle from flipping back and forth.
constexpr double FlipMargin = 1e-12;
// Sweeps over all edges after the last insertion.
constexpr int MaxSweeps = 100;

// Triangles with their neighbours: Next[t][i] lies across the edge V[t][i] -> V[t][(i + 1) % 3],
// -1 on the hull. The hull is a ring of points (HullNext, HullPrev) with HullTriangle[p] the
// triangle on the edge p -> HullNext[p].
class TTriangulator {
public:
    TTriangulator(std::span<const TPlanePoint> points, bool flipEdges)
        : P(points),
          FlipEdges(flipEdges),
          HullNext(points.size(), -1),
          HullPrev(points.size(), -1),
          HullTriangle(points.size(), -1) {}

    TTriangulation Run();

private:
    // Distinct points, sorted by X then Z, the earliest of equal points kept.
    std::vector<int> DistinctPoints() const;
    // The closest pair of the distinct points (sorted by X): a sweep whose window shrinks with
    // the best distance found.
    static std::array<int, 2> ClosestPair(std::span<const TPlanePoint> p, std::span<const int> ids);
    bool Seed(std::vector<int>& order);
    void Insert(int point);
    int AddTriangle(int a, int b, int c, int n0, int n1, int n2);
    // Flips the edge i of triangle t when the flip test asks for it; true when it flipped.
    bool Legalize(int t, int i);
    void LegalizeFrom(int t, int i);
    bool Visible(int s, int e, int point) const;
    void SetNeighbour(int t, int oldNeighbour, int newNeighbour);

    std::span<const TPlanePoint> P;
    bool FlipEdges;
    std::vector<std::array<int, 3>> V;
    std::vector<std::array<int, 3>> Next;
    std::vector<int> HullNext, HullPrev, HullTriangle;
    int HullStart = -1;
    std::vector<std::pair<int, int>> Stack;
};

std::vector<int> TTriangulator::DistinctPoints() const {
    std::vector<int> ids(P.size());
    std::iota(ids.begin(), ids.end(), 0);
    std::sort(ids.begin(), ids.end(), [this](int a, int b) {
        if (P[a].X != P[b].X) return P[a].X < P[b].X;
        if (P[a].Z != P[b].Z) return P[a].Z < P[b].Z;
        return a < b;
    });
    ids.erase(std::unique(ids.begin(), ids.end(),
                          [this](int a, int b) { return P[a].X == P[b].X && P[a].Z == P[b].Z; }),
              ids.end());
    return ids;
}

std::array<int, 2> TTriangulator::ClosestPair(std::span<const TPlanePoint> p,
                                              std::span<const int> ids) {
    std::array<int, 2> best{ids[0], ids[1]};
    double bestD = Distance2(p[ids[0]], p[ids[1]]);
    for (size_t i = 0; i + 1 < ids.size(); ++i) {
        for (size_t j = i + 1; j < ids.size(); ++j) {
            const double dx = p[ids[j]].X - p[ids[i]].X;
            if (dx * dx >= bestD) break;
            const double d = Distance2(p[ids[i]], p[ids[j]]);
            if (d < bestD) {
                bestD = d;
                best = {std::min(ids[i], ids[j]), std::max(ids[i], ids[j])};
            }
        }
    }
    return best;
}

int TTriangulator::AddTriangle(int a, int b, int c, int n0, int n1, int n2) {
    V.push_back({a, b, c});
    Next.push_back({n0, n1, n2});
    return int(V.size()) - 1;
}

void TTriangulator::SetNeighbour(int t, int oldNeighbour, int newNeighbour) {
    if (t < 0) return;
    for (int& n : Next[t])
        if (n == oldNeighbour) {
            n = newNeighbour;
            return;
        }
}

// Order of the points by their distance from the closest pair's midpoint; the first point off
// the pair's line (by more than a millionth of the pair's distance) completes the first
// triangle and moves to the front.
bool TTriangulator::Seed(std::vector<int>& order) {
    const std::array<int, 2> pair = ClosestPair(P, order);
    const TPlanePoint& p1 = P[pair[0]];
    const TPlanePoint& p2 = P[pair[1]];
    const TPlanePoint middle{(p1.X + p2.X) / 2, (p1.Z + p2.Z) / 2};
    std::erase_if(order, [&](int i) { return i == pair[0] || i == pair[1]; });
    std::vector<double> distance(P.size());
    for (int i : order) distance[i] = Distance2(P[i], middle);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return distance[a] != distance[b] ? distance[a] < distance[b] : a < b;
    });
    const double dmin = Distance2(p1, p2);
    auto third = std::find_if(order.begin(), order.end(),
                              [&](int i) { return std::abs(Cross(p1, p2, P[i])) > dmin * 1e-6; });
    if (third == order.end()) return false;
    std::rotate(order.begin(), third, third + 1);
    int a = pair[0], b = pair[1];
    const int c = order.front();
    order.erase(order.begin());
    if (Cross(P[a], P[b], P[c]) < 0) std::swap(a, b);
    AddTriangle(a, b, c, -1, -1, -1);
    HullNext[a] = b, HullNext[b] = c, HullNext[c] = a;
    HullPrev[b] = a, HullPrev[c] = b, HullPrev[a] = c;
    HullTriangle[a] = HullTriangle[b] = HullTriangle[c] = 0;
    HullStart = a;
    return true;
}

// The point lies clearly outside the edge s -> e (on its right).
bool TTriangulator::Visible(int s, int e, int point) const {
    const double c = Cross(P[s], P[e], P[point]);
    if (c >= 0) return false;
    constexpr double tolerance = 1e-12;
    return c * c > tolerance * tolerance * Distance2(P[s], P[e]) * Distance2(P[s], P[point]);
}

void TTriangulator::Insert(int point) {
    // A first visible edge, then the whole visible chain around it.
    int s = HullStart;
    do {
        if (Visible(s, HullNext[s], point)) break;
        s = HullNext[s];
    } while (s != HullStart);
    if (!Visible(s, HullNext[s], point)) return;  // on the hull within rounding: left out
    int first = s;
    while (Visible(HullPrev[first], first, point) && HullPrev[first] != s) first = HullPrev[first];
    int last = HullNext[s];
    while (last != first && Visible(last, HullNext[last], point)) last = HullNext[last];

    int previous = -1;
    int firstNew = -1;
    for (int v = first; v != last;) {
        const int e = HullNext[v];
        const int outer = HullTriangle[v];
        const int t = AddTriangle(v, point, e, previous, -1, outer);
        if (previous >= 0) Next[previous][1] = t;
        if (firstNew < 0) firstNew = t;
        // The old triangle's edge v -> e now borders the new triangle.
        for (int i = 0; i < 3; ++i)
            if (V[outer][i] == v && V[outer][(i + 1) % 3] == e) Next[outer][i] = t;
        if (v != first) HullNext[v] = HullPrev[v] = HullTriangle[v] = -1;
        previous = t;
        v = e;
    }
    HullNext[first] = point, HullPrev[point] = first;
    HullNext[point] = last, HullPrev[last] = point;
    HullTriangle[first] = firstNew;
    HullTriangle[point] = previous;
    HullStart = first;
    if (!FlipEdges) return;
    for (int t = firstNew; t <= previous; ++t) LegalizeFrom(t, 2);
}

bool TTriangulator::Legalize(int t, int i) {
    const int u = Next[t][i];
    if (u < 0) return false;
    const int a = V[t][i], b = V[t][(i + 1) % 3], p = V[t][(i + 2) % 3];
    int j = 0;
    while (V[u][j] != b) ++j;
    const int q = V[u][(j + 2) % 3];
    if (!FlipImprovesDiagonal(P[a], P[b], P[q], P[p])) return false;
    const int nt1 = Next[t][(i + 1) % 3], nt2 = Next[t][(i + 2) % 3];
    const int nu1 = Next[u][(j + 1) % 3], nu2 = Next[u][(j + 2) % 3];
    // t becomes (a, q, p), u becomes (b, p, q).
    V[t] = {a, q, p};
    Next[t] = {nu1, u, nt2};
    V[u] = {b, p, q};
    Next[u] = {nt1, t, nu2};
    SetNeighbour(nu1, u, t);
    SetNeighbour(nt1, t, u);
    if (nu1 < 0) HullTriangle[a] = t;
    if (nt1 < 0) HullTriangle[b] = u;
    return true;
}

// Depth first: the two edges facing the inserted point after each flip.
void TTriangulator::LegalizeFrom(int t, int i) {
    Stack.clear();
    Stack.emplace_back(t, i);
    while (!Stack.empty()) {
        const auto [tt, ii] = Stack.back();
        Stack.pop_back();
        const int u = Next[tt][ii];
        if (Legalize(tt, ii)) {
            Stack.emplace_back(tt, 0);
            Stack.emplace_back(u, 2);
        }
    }
}

TTriangulation TTriangulator::Run() {
    TTriangulation result;
    std::vector<int> order = DistinctPoints();
    if (order.size() < 3 || !Seed(order)) return result;
    V.reserve(2 * P.size());
    Next.reserve(2 * P.size());
    for (int point : order) Insert(point);
    // The fans are legal around each new point; sweeps settle what the rule leaves elsewhere.
    for (int sweep = 0; FlipEdges && sweep < MaxSweeps; ++sweep) {
        bool flipped = false;
        for (int t = 0; t < int(V.size()); ++t)
            for (int i = 0; i < 3; ++i)
                if (Next[t][i] > t && Legalize(t, i)) flipped = true;
        if (!flipped) break;
    }
    result.Triangles = std::move(V);
    int p = HullStart;
    do {
        result.Hull.push_back({p, HullNext[p], HullTriangle[p]});
        p = HullNext[p];
    } while (p != HullStart);
    return result;
}

}  // namespace

bool FlipImprovesDiagonal(const TPlanePoint& e, const TPlanePoint& f, const TPlanePoint& opp,
                          const TPlanePoint& added) {
    if (Cross(e, added, opp) * Cross(f, opp, added) <= 0) return false;
    const double after = std::min(SmallerSine2(added, opp, e), SmallerSine2(added, opp, f));
    const double before = std::min(SmallerSine2(e, f, opp), SmallerSine2(e, f, added));
    return after > before * (1 + FlipMargin);
}

TTriangulation TriangulatePoints(std::span<const double> x, std::span<const double> z,
                                 bool flipEdges) {
    const size_t n = std::min(x.size(), z.size());
    std::vector<TPlanePoint> points(n);
    for (size_t i = 0; i < n; ++i) points[i] = {x[i], z[i]};
    return TTriangulator(points, flipEdges).Run();
}
