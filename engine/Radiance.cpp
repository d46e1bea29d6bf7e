#include "engine/Radiance.h"

#include <algorithm>
#include <cmath>

#include "engine/Expm1Kernel.h"

thread_local TRadianceRatios RadianceRatios;

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
        Ray.CurHitT = s.CurTref;
        return;
    }
    if (count == 1) {
        Ray.CurHitT = s.TempPointT[1];
        return;
    }
    if (count > TTempReals::HighBound) RaiseRangeError();
    // The walls were preprocessed for the run: their lengths are known (the same expression as
    // PointXi's, so the same value).
    const long c = Ray.CurSurface;
    const Real xi = XiOnSegment(s, c, s.SurfLength[c], Ray.RayX, Ray.RayY, Ray.RayZ);
    // Points 1..count sit at [0..count-1] of the unchecked storage.
    const Real* pxi = s.TempPointXi.Data();
    const Real* pt = s.TempPointT.Data();
    // The pair is chosen in double precision, both ends included.
    const double xid = static_cast<double>(xi);
    for (long j = 1; j < count; ++j) {
        if (static_cast<double>(pxi[j - 1]) <= xid && xid <= static_cast<double>(pxi[j])) {
            Ray.HitXiFraction = (xi - pxi[j - 1]) / (pxi[j] - pxi[j - 1]);
            Ray.CurHitT = pt[j - 1] + (pt[j] - pt[j - 1]) * Ray.HitXiFraction;
            return;
        }
    }
    // Outside the points: the nearer end point's temperature.
    Ray.CurHitT = xid < static_cast<double>(pxi[0]) ? pt[0] : pt[count - 1];
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
// Up to this exponent the double kernel holds expm1 and every ratio of two such values.
constexpr Real kFastLimit = 700;

// 1 - exp(-x); it rounds to 1 well before x = 50.
inline Real Tail(Real x) { return x > 50 ? Real(1) : -std::expm1(-x); }

// The lowest wall, reference or background temperature a run can meet: the wall temperatures
// interpolate between the temperature points and take the end points' beyond them.
Real LowestRunTemperature(const TSharedData& s) {
    Real t = s.CurTref;
    if (s.CurTbg > 0 && s.CurTbg < t) t = s.CurTbg;
    const long count = std::min<long>(s.TempPointCount, TTempReals::HighBound);
    const Real* pt = s.TempPointT.Data();
    for (long j = 0; j < count; ++j)
        if (pt[j] < t) t = pt[j];
    return t;
}
}  // namespace

void TRadianceRatios::SetAllExtended(bool all) {
    FAllExtended = all;
    FTref = -1;  // the next Prepare splits again
}

void TRadianceRatios::Prepare() {
    const TSharedData& s = Shared;
    const int count = s.WavelengthCount + 1;
    const Real tmin = LowestRunTemperature(s);
    bool same = FTref == s.CurTref && FCount == count && FTmin == tmin;
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
    Split(tmin);
}

// Which wavelengths go through the double kernel down to temperature tmin.
void TRadianceRatios::Split(Real tmin) {
    FTmin = tmin;
    FFastCount = FWideCount = 0;
    const double tref = static_cast<double>(FTref);
    const double c2 = static_cast<double>(RadiationC2);
    for (int k = 0; k < FCount; ++k) {
        const bool fast = !FAllExtended && FLambda[k] != 0 && tmin > 0 &&
                          RadiationC2 / (FLambdaM[k] * tmin) <= kFastLimit;
        if (!fast) {
            FWideIndex[FWideCount++] = static_cast<uint8_t>(k);
            continue;
        }
        const double lambdaM = static_cast<double>(FLambdaM[k]);
        FFastLambdaM[FFastCount] = lambdaM;
        // Formed exactly as the kernel loop forms x, so that T = Tref gives a ratio of 1.
        FFastE[FFastCount] = Expm1Kernel(c2 / (lambdaM * tref));
        FFastIndex[FFastCount++] = static_cast<uint8_t>(k);
    }
    for (Real& t : FCachedT) t = -1;
}

// Every wall hit at a new temperature comes here, once per extended wavelength: the
// per-wavelength parts that do not depend on T are taken from Prepare. x is formed exactly as FX
// is (lambda * 1e-6 * T groups as (lambda * 1e-6) * T), so that T = Tref gives x = FX and a
// ratio of exactly 1.
void TRadianceRatios::FillWide(Real T, Real* ratios) const {
    for (int j = 0; j < FWideCount; ++j) {
        const int k = FWideIndex[j];
        if (FLambda[k] == 0) {
            const Real q = T / FTref;
            ratios[j] = q * q * q * q;
            continue;
        }
        const Real x = RadiationC2 / (FLambdaM[k] * T);
        if (x <= kExpLimit && FDirect[k]) {
            ratios[j] = FExpm1[k] / std::expm1(x);
        } else {
            // (e^X - 1) / (e^x - 1) = e^(X - x) (1 - e^-X) / (1 - e^-x)
            ratios[j] = std::exp(FX[k] - x) * FTail[k] / Tail(x);
        }
    }
}

TRatioView TRadianceRatios::At(Real T, int slot) {
    if (T < FTmin) Split(T);
    if (T != FCachedT[slot]) {
        FastRadianceRatios(FFastLambdaM, FFastE, static_cast<double>(RadiationC2),
                           static_cast<double>(T), FFastCount, FFast[slot]);
        FillWide(T, FWide[slot]);
        FCachedT[slot] = T;
    }
    return {FFast[slot], FFastIndex, FFastCount, FWide[slot], FWideIndex, FWideCount};
}
