#include "engine/Radiance.h"

#include <cmath>

TRadianceRatios RadianceRatios;

namespace {

// PointXi given the segment's length, which is all of it that does not depend on the point.
inline Real XiOnSegment(const TSharedData& s, long i, Real L, Real x, Real y, Real z) {
    const Real rho = std::sqrt(x * x + y * y);
    const Real dr0 = rho - s.NodeR[i - 1];
    const Real dz0 = z - s.NodeZ[i - 1];
    const Real d = std::sqrt(dr0 * dr0 + dz0 * dz0);
    Real xi = s.NodeXi[i - 1] + (s.NodeXi[i] - s.NodeXi[i - 1]) * d / L;
    if (xi < 0) xi = 0;
    if (xi > 1) xi = 1;
    return xi;
}

}  // namespace

Real PointXi(long i, Real x, Real y, Real z) {
    const TSharedData& s = Shared;
    const Real dR = s.NodeR[i] - s.NodeR[i - 1];
    const Real dZ = s.NodeZ[i] - s.NodeZ[i - 1];
    return XiOnSegment(s, i, std::sqrt(dR * dR + dZ * dZ), x, y, z);
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
    // The walls were preprocessed for the run: their lengths are known (the same expression as
    // PointXi's, so the same value).
    const long c = s.CurSurface;
    const Real xi = XiOnSegment(s, c, s.SurfLength[c], s.RayX, s.RayY, s.RayZ);
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
        FLambdaM[k] = lambda * 1e-6L;
        FX[k] = RadiationC2 / (FLambdaM[k] * FTref);
        FExpm1[k] = FX[k] <= kExpLimit ? std::expm1(FX[k]) : 0;
        FDirect[k] = FX[k] <= kExpLimit;
        FTail[k] = Tail(FX[k]);
    }
    for (Real& t : FCachedT) t = -1;
}

// Every wall hit at a new temperature comes here, once per wavelength: the per-wavelength parts
// that do not depend on T are taken from Prepare. x is formed exactly as FX is (lambda * 1e-6 * T
// groups as (lambda * 1e-6) * T), so that T = Tref gives x = FX and a ratio of exactly 1.
void TRadianceRatios::Fill(Real T, Real* ratios) const {
    for (int k = 0; k < FCount; ++k) {
        if (FLambda[k] == 0) {
            const Real q = T / FTref;
            ratios[k] = q * q * q * q;
            continue;
        }
        const Real x = RadiationC2 / (FLambdaM[k] * T);
        if (x <= kExpLimit && FDirect[k]) {
            ratios[k] = FExpm1[k] / std::expm1(x);
        } else {
            // (e^X - 1) / (e^x - 1) = e^(X - x) (1 - e^-X) / (1 - e^-x)
            ratios[k] = std::exp(FX[k] - x) * FTail[k] / Tail(x);
        }
    }
}

const Real* TRadianceRatios::At(Real T, int slot) {
    Real* ratios = FRatios[slot];
    if (T != FCachedT[slot]) {
        Fill(T, ratios);
        FCachedT[slot] = T;
    }
    return ratios;
}
