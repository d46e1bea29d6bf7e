#pragma once
// The wall temperature along the generatrix and the relative spectral radiance of Planck's law
// (without its constant factors: only ratios at one wavelength, or of fourth powers for the
// total, enter the results).
#include "engine/Global.h"

// Second radiation constant, m K.
inline constexpr Real RadiationC2 = 0.014387752L;

// Relative arc length Xi of the point (x, y, z) of surface i >= 1, clamped to 0..1.
Real PointXi(long i, Real x, Real y, Real z);

// CurHitT := wall temperature at the ray's point on CurSurface, interpolated linearly in Xi
// between the temperature points. No points: the cavity is isothermal at CurTref. A point before
// the first or after the last temperature point takes that end point's temperature. The surfaces
// must be preprocessed (it takes the segment lengths from there).
void HitTemperature();

// Planck's radiance at temperature T (K) and wavelength lambda (micrometres) without constant
// factors: 1 / (exp(x) - 1) with x = c2 / (lambda T), Wien's exp(-x) above x = 500 so that nothing
// overflows; T^4 for lambda = 0 (the total).
Real RelativeRadiance(Real T, Real lambda);

// RelativeRadiance(T, CurWavelengths[k]) / RelativeRadiance(CurTref, CurWavelengths[k]) for
// k = 0..WavelengthCount, without forming either radiance, so that no wavelength from 0.01 to
// 1000 µm and no temperature above 0 over- or underflows where the ratio itself is representable.
// A temperature equal to CurTref gives exactly 1. The tracer sums these ratios.
class TRadianceRatios {
public:
    // Rebuilds the reference values when CurTref or the wavelengths changed since the last call.
    void Prepare();
    // ratios[k] for k = 0..count-1 at temperature T. Each slot keeps its last temperature's
    // ratios, so an isothermal wall costs nothing after its first hit; the tracer keeps the walls
    // in slot 0 and the background in slot 1.
    const Real* At(Real T, int slot = 0);
    int Count() const { return FCount; }

private:
    void Fill(Real T, Real* ratios) const;

    Real FTref = -1;
    int FCount = 0;
    Real FLambda[TSpectrum::Length] = {};
    Real FLambdaM[TSpectrum::Length] = {};  // lambda in metres, lambda * 1e-6
    bool FDirect[TSpectrum::Length] = {};   // FX fits an exponential: the plain quotient
    Real FX[TSpectrum::Length] = {};        // c2 / (lambda Tref)
    Real FExpm1[TSpectrum::Length] = {};    // expm1(FX), where it fits
    Real FTail[TSpectrum::Length] = {};     // 1 - exp(-FX)
    static constexpr int kSlots = 2;
    Real FCachedT[kSlots] = {-1, -1};
    Real FRatios[kSlots][TSpectrum::Length] = {};
};

extern TRadianceRatios RadianceRatios;
