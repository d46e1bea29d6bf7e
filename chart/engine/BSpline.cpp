#include "chart/engine/BSpline.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/Exceptions.h"

TBSpline::TBSpline() { Clear(); }

TBSpline::~TBSpline() = default;

void TBSpline::Clear() {
    MarkUnbuilt();
    FPointCount = 0;
    FCapacity = 0;
    FInterpolate = false;
    FSegmentCount = 100;
}

void TBSpline::CheckIndex(int index, int last) const {
    if (index < 1 || index > last) RaiseRangeError();
}

void TBSpline::AppendControlPoint(double x, double y) {
    if (FPointCount == FCapacity) Resize(FCapacity + 5);
    ++FPointCount;
    FPoints[size_t(FPointCount)] = {x, y};
    MarkUnbuilt();
}

const T2DPoint& TBSpline::ControlPoint(int index) const {
    CheckIndex(index, FPointCount);
    return FPoints[size_t(index)];
}

void TBSpline::Resize(int n) {
    if (n == FCapacity) return;
    FCapacity = n;
    if (n > 0) {
        FPoints.resize(size_t(n) + 1);
        // One mark per point number 1..n, entry 0 unused like the point list's. Without a mark
        // set there is nothing to clear, so growing point by point stays linear.
        if (FMarkedKnuckles > 0) FKnuckles.assign(size_t(n) + 1, false);
        FKnuckles.resize(size_t(n) + 1, false);
        FMarkedKnuckles = 0;
    }
    FPointCount = std::clamp(FPointCount, 0, std::max(n, 0));
    MarkUnbuilt();
}

void TBSpline::MarkKnuckle(int index, bool value) {
    CheckIndex(index, FCapacity);
    if (FKnuckles[size_t(index)] != value) FMarkedKnuckles += value ? 1 : -1;
    FKnuckles[size_t(index)] = value;
    MarkUnbuilt();
}

bool TBSpline::IsKnuckle(int index) const {
    if (index == 1 || index == FPointCount) return false;
    CheckIndex(index, FCapacity);
    return FKnuckles[size_t(index)];
}

void TBSpline::SetInterpolate(bool value) {
    if (value == FInterpolate) return;
    FInterpolate = value;
    MarkUnbuilt();
}

void TBSpline::SetSegmentCount(int value) {
    if (value == FSegmentCount) return;
    FSegmentCount = std::min(value, MaxSegmentCount);
}

void TBSpline::MarkUnbuilt() {
    FBuilt = false;
    FVertices.clear();
    FVertexCount = 0;
}

int TBSpline::VertexCount() {
    if (!FBuilt) Rebuild();
    return FVertexCount;
}

void TBSpline::Rebuild() {
    if (FPointCount >= 2) {
        int n = 0;
        for (int i = 1; i <= FPointCount; ++i) n += IsKnuckle(i) ? 3 : 1;
        FVertexCount = n;
        FVertices.assign(size_t(n) + 2, T2DPoint{});
        size_t v = 1;
        for (int i = 1; i <= FPointCount; ++i)
            for (int copies = IsKnuckle(i) ? 3 : 1; copies > 0; --copies)
                FVertices[v++] = FPoints[size_t(i)];
        if (FInterpolate && n > 2) SolveInterpolation();
    }
    FBuilt = true;
    const size_t n = size_t(FVertexCount);
    if (n >= 2) {
        FVertices[0] = {2 * FVertices[1].X - FVertices[2].X, 2 * FVertices[1].Y - FVertices[2].Y};
        FVertices[n + 1] = {2 * FVertices[n].X - FVertices[n - 1].X,
                            2 * FVertices[n].Y - FVertices[n - 1].Y};
    }
}

// The curve at vertex i is (C[i-1] + 4 C[i] + C[i+1]) / 6, so meeting every vertex is a system
// whose rows hold 1/6, 2/3, 1/6 around the diagonal; the first and last rows, and the three rows
// of a knuckle (three coinciding vertices), are identity rows. The system is tridiagonal, so it
// is kept as its three diagonals and solved by elimination without pivoting in O(n): the same
// operations on the same non-zero entries as eliminating the full matrix, in linear time and
// memory (a full matrix of a 10,000-point source would take 800 MB).
void TBSpline::SolveInterpolation() {
    const int n = FVertexCount;
    std::vector<double> lower(size_t(n) + 1, 0), diag(size_t(n) + 1, 1), upper(size_t(n) + 1, 0);
    for (int i = 2; i < n; ++i) {
        lower[size_t(i)] = 1.0 / 6;
        diag[size_t(i)] = 2.0 / 3;
        upper[size_t(i)] = 1.0 / 6;
    }
    const auto near = [this](int a, int b) {
        const T2DPoint& p = FVertices[size_t(a)];
        const T2DPoint& q = FVertices[size_t(b)];
        return std::abs(p.X - q.X) < 1e-5 && std::abs(p.Y - q.Y) < 1e-5;
    };
    for (int j = 3; j < n - 1;) {
        if (near(j, j - 1) && near(j, j + 1)) {
            for (int r = j - 1; r <= j + 1; ++r) {
                lower[size_t(r)] = 0;
                diag[size_t(r)] = 1;
                upper[size_t(r)] = 0;
            }
            j += 2;
        } else {
            ++j;
        }
    }

    // Forward elimination: only the row below row i has an entry in column i.
    for (size_t i = 1; i < size_t(n); ++i) {
        const double f = lower[i + 1] / diag[i];
        if (f == 0) continue;
        diag[i + 1] -= f * upper[i];
        FVertices[i + 1].X -= f * FVertices[i].X;
        FVertices[i + 1].Y -= f * FVertices[i].Y;
    }
    // Back substitution, in place: vertex i becomes the solution once vertex i + 1 is.
    FVertices[size_t(n)].X /= diag[size_t(n)];
    FVertices[size_t(n)].Y /= diag[size_t(n)];
    for (size_t i = size_t(n) - 1; i >= 1; --i) {
        FVertices[i].X = (FVertices[i].X - upper[i] * FVertices[i + 1].X) / diag[i];
        FVertices[i].Y = (FVertices[i].Y - upper[i] * FVertices[i + 1].Y) / diag[i];
    }
}

T2DPoint TBSpline::CurvePoint(double t) {
    if (FPointCount == 1) return FPoints[1];
    const int n = VertexCount();
    if (n < 2) return {};
    // The ends are vertex 1 and vertex n: their phantom neighbours cancel exactly in theory, and
    // answering the vertex keeps the rounding of the weighted sum out of it.
    if (t == 0) return FVertices[1];
    if (t == 1) return FVertices[size_t(n)];
    const double b = (n - 1) * t + 1;
    const int c = std::min(std::max(int(std::trunc(b - 1)), 0), n + 1);
    T2DPoint p;
    // Only the vertices within two of b weigh; the test comes before the vertex is read, so
    // none past the phantom vertex n + 1 is touched.
    for (int j = c; j <= c + 3 && j <= n + 1; ++j) {
        const double d = std::abs(j - b);
        if (d >= 2) continue;
        const double w = d >= 1 ? (2 - d) * (2 - d) * (2 - d) / 6 : 2.0 / 3 - d * d + d * d * d / 2;
        p.X += w * FVertices[size_t(j)].X;
        p.Y += w * FVertices[size_t(j)].Y;
    }
    return p;
}
