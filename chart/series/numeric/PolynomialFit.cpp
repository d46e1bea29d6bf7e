#include "chart/series/numeric/PolynomialFit.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <utility>

void FillPowers(int n, long double x, TPolyVector& out) {
    out[1] = 1;
    for (int k = 2; k <= n; ++k) out[size_t(k)] = x * out[size_t(k - 1)];
}

long double EvaluatePolynomial(int n, const TPolyVector& coefficients, long double x) {
    // Horner's rule: the same sum with one rounding per term.
    long double sum = 0;
    for (int k = n; k >= 1; --k) sum = sum * x + coefficients[size_t(k)];
    return sum;
}

long double SolveLinearSystem(int n, TPolyMatrix& a, TPolyVector& b, long double tolerance,
                              TPolyVector& solution) {
    assert(n >= 1 && n <= MaxPolyTerms);
    int swaps = 0;
    // Forward elimination, each column's largest remaining entry as the pivot.
    for (int i = 1; i < n; ++i) {
        int r = i;
        for (int k = i + 1; k <= n; ++k)
            if (std::fabs(a[k][i]) > std::fabs(a[r][i])) r = k;
        if (r != i) {
            for (int j = i; j <= n; ++j) std::swap(a[i][j], a[r][j]);
            std::swap(b[i], b[r]);
            ++swaps;
        }
        if (std::fabs(a[i][i]) < tolerance) return 0;
        for (int k = i + 1; k <= n; ++k) {
            const long double f = a[k][i] / a[i][i];
            for (int j = i + 1; j <= n; ++j) a[k][j] -= f * a[i][j];
            b[k] -= f * b[i];
        }
    }
    if (std::fabs(a[n][n]) < tolerance) return 0;
    // Back substitution; the determinant is the product of the pivots.
    long double determinant = swaps % 2 ? -1 : 1;
    for (int j = n; j >= 1; --j) {
        long double sum = b[j];
        for (int m = j + 1; m <= n; ++m) sum -= a[j][m] * solution[m];
        solution[j] = sum / a[j][j];
        determinant *= a[j][j];
    }
    return determinant;
}

namespace {

constexpr long double PivotTolerance = 1e-15L;
// The largest change one refinement step may make to the solution, relative to its size,
// before the system counts as too ill-conditioned for extended precision.
constexpr long double RefinementLimit = 1e-7L;

}  // namespace

bool FitPolynomial(std::span<const long double> x, std::span<const long double> y, int terms,
                   TPolyVector& coefficients) {
    assert(terms >= 1 && terms <= MaxPolyTerms && x.size() == y.size());
    // 1. The normal equations: M[p][q] = sum of x^(p-1) x^(q-1), r[p] = sum of x^(p-1) y.
    TPolyMatrix m{};
    TPolyVector r{};
    TPolyVector powers{};
    for (size_t i = 0; i < x.size(); ++i) {
        FillPowers(terms, x[i], powers);
        for (int p = 1; p <= terms; ++p) {
            for (int q = 1; q <= p; ++q) m[p][q] += powers[q] * powers[p];
            r[p] += powers[p] * y[i];
        }
    }
    for (int p = 1; p <= terms; ++p)
        for (int q = p + 1; q <= terms; ++q) m[p][q] = m[q][p];

    // 2. Scaled to a unit diagonal. The powers of x differ by many orders of magnitude, so
    // without this the pivot tolerance would judge the size of x, not the singularity.
    TPolyVector scale{};
    for (int p = 1; p <= terms; ++p) {
        if (!(m[p][p] > 0) || !std::isfinite(m[p][p])) return false;
        scale[p] = 1 / std::sqrt(m[p][p]);
    }
    for (int p = 1; p <= terms; ++p) {
        for (int q = 1; q <= terms; ++q) m[p][q] *= scale[p] * scale[q];
        r[p] *= scale[p];
    }

    // 3. Solved once, then refined once: the size of the correction tells how many digits the
    // solution has.
    TPolyMatrix work = m;
    TPolyVector rhs = r;
    TPolyVector solution{};
    if (SolveLinearSystem(terms, work, rhs, PivotTolerance, solution) == 0) return false;
    TPolyVector residual{};
    for (int p = 1; p <= terms; ++p) {
        long double sum = r[p];
        for (int q = 1; q <= terms; ++q) sum -= m[p][q] * solution[q];
        residual[p] = sum;
    }
    work = m;
    TPolyVector correction{};
    if (SolveLinearSystem(terms, work, residual, PivotTolerance, correction) == 0) return false;
    long double size = 0, change = 0;
    for (int p = 1; p <= terms; ++p) {
        size = std::max(size, std::fabs(solution[p]));
        change = std::max(change, std::fabs(correction[p]));
    }
    if (!std::isfinite(size) || change > RefinementLimit * size) return false;

    coefficients = TPolyVector{};
    for (int p = 1; p <= terms; ++p) coefficients[p] = (solution[p] + correction[p]) * scale[p];
    return true;
}
