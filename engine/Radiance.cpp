#include "engine/Radiance.h"

#include <cmath>

TRadianceRatios RadianceRatios;

Real PointXi(long i, Real x, Real y, Real z) {
    const TSharedData& s = Shared;
    const Real rho = std::sqrt(x * x + y * y);
    const Real dr0 = rho - s.NodeR[i - 1];
    const Real dz0 = z - s.NodeZ[i - 1];
    const Real d = std::sqrt(dr0 * dr0 + dz0 * dz0);
    const Real dR = s.NodeR[i] - s.NodeR[i - 1];
    const Real dZ = s.NodeZ[i] - s.NodeZ[i - 1];
    const Real L = std::sqrt(dR * dR + dZ * dZ);
    Real xi = s.NodeXi[i - 1] + (s.NodeXi[i] - s.NodeXi[i - 1]) * d / L;
    if (xi < 0) xi = 0;
    if (xi > 1) xi = 1;
    return xi;
}

void HitTemperature() {
    TSharedData& s = Shared;
    const long count = s.TempPointCount;
    if (count == 0) {
        s.CurHitT = s.CurTref;
        return;
    }
    if (count == 1) {
        s.CurHitT = s.TempPointT[1];
        return;
    }
    if (count > TTempReals::HighBound) RaiseRangeError();
    const Real xi = PointXi(s.CurSurface, s.RayX, s.RayY, s.RayZ);
    // Points 1..count sit at [0..count-1] of the unchecked storage.
    const Real* pxi = s.TempPointXi.Data();
    const Real* pt = s.TempPointT.Data();
    // The pair is chosen in double precision, both ends included.
    const double xid = static_cast<double>(xi);
    for (long j = 1; j < count; ++j) {
        if (static_cast<double>(pxi[j - 1]) <= xid && xid <= static_cast<double>(pxi[j])) {
            s.HitXiFraction = (xi - pxi[j - 1]) / (pxi[j] - pxi[j - 1]);
            s.CurHitT = pt[j - 1] + (pt[j] - pt[j - 1]) * s.HitXiFraction;
            return;
        }
    }
    // Outside the points: the nearer end point's temperature.
    s.CurHitT = xid < static_cast<double>(pxi[0]) ? pt[0] : pt[count - 1];
}

Real RelativeRadiance(Real T, Real lambda) {
    if (lambda == 0) return T * T * T * T;
    const Real x = RadiationC2 / (lambda * 1e-6L * T);
    if (x > 500) return std::exp(-x);
    return 1 / std::expm1(x);
}

namespace {
// Below this exponent exp(x) fits an extended real with room to spare.
constexpr Real kExpLimit = 11000;

// 1 - exp(-x); it rounds to 1 well before x = 50.
inline Real Tail(Real x) { return x > 50 ? Real(1) : -std::expm1(-x); }
}  // namespace

void TRadianceRatios::Prepare() {
    const TSharedData& s = Shared;
    const int count = s.WavelengthCount + 1;
    bool same = FTref == s.CurTref && FCount == count;
    for (int k = 0; same && k < count; ++k) same = FLambda[k] == s.CurWavelengths[k];
    if (same) return;

    FTref = s.CurTref;
    FCount = count;
    for (int k = 0; k < count; ++k) {
        const Real lambda = s.CurWavelengths[k];
        FLambda[k] = lambda;
        if (lambda == 0) continue;
        FX[k] = RadiationC2 / (lambda * 1e-6L * FTref);
        FExpm1[k] = FX[k] <= kExpLimit ? std::expm1(FX[k]) : 0;
        FTail[k] = Tail(FX[k]);
    }
    for (Real& t : FCachedT) t = -1;
}

Real TRadianceRatios::Ratio(Real T, int k) const {
    const Real lambda = FLambda[k];
    if (lambda == 0) {
        const Real q = T / FTref;
        return q * q * q * q;
    }
    // The same expression as the reference's, so that T = Tref gives exactly 1.
    const Real x = RadiationC2 / (lambda * 1e-6L * T);
    if (x <= kExpLimit && FX[k] <= kExpLimit) return FExpm1[k] / std::expm1(x);
    // (e^X - 1) / (e^x - 1) = e^(X - x) (1 - e^-X) / (1 - e^-x)
    return std::exp(FX[k] - x) * FTail[k] / Tail(x);
}

const Real* TRadianceRatios::At(Real T, int slot) {
    Real* ratios = FRatios[slot];
    if (T != FCachedT[slot]) {
        for (int k = 0; k < FCount; ++k) ratios[k] = Ratio(T, k);
        FCachedT[slot] = T;
    }
    return ratios;
}
