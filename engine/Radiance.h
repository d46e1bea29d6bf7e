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

// The radiance ratios at one temperature, per wavelength k = 0..Count-1 either in double
// (Fast[j] for wavelength FastIndex[j]) or, where double cannot hold the ratio over the run's
// temperatures, in extended precision (Wide[j] for wavelength WideIndex[j]).
struct TRatioView {
    const double* Fast;
    const uint8_t* FastIndex;
    int FastCount;
    const Real* Wide;
    const uint8_t* WideIndex;
    int WideCount;
};

// sums[k] += ratio[k] * w for every wavelength of the view; the sums stay extended.
inline void AddRatios(const TRatioView& v, Real w, Real* sums) {
    for (int j = 0; j < v.FastCount; ++j) sums[v.FastIndex[j]] += Real(v.Fast[j]) * w;
    for (int j = 0; j < v.WideCount; ++j) sums[v.WideIndex[j]] += v.Wide[j] * w;
}

// RelativeRadiance(T, CurWavelengths[k]) / RelativeRadiance(CurTref, CurWavelengths[k]) for
// k = 0..WavelengthCount, without forming either radiance, so that no wavelength from 0.01 to
// 1000 µm and no temperature above 0 over- or underflows where the ratio itself is representable.
// A temperature equal to CurTref gives exactly 1. The tracer sums these ratios.
//
// Where the exponent c2 / (lambda T) stays within the double kernel's domain for every
// temperature of the run (the lowest of Tref, the temperature points and the background decides
// it, once per run) the ratio is evaluated in double by Expm1Kernel, the same bits on every
// processor and about 1e-13 relatively from the extended value at worst; the total and the
// other wavelengths (very short ones at low temperature) keep the extended computation.
class TRadianceRatios {
public:
    // Rebuilds the reference values when CurTref, the wavelengths or the run's lowest
    // temperature changed since the last call.
    void Prepare();
    // The ratios at temperature T. Each slot keeps its last temperature's ratios, so an
    // isothermal wall costs nothing after its first hit; the tracer keeps the walls in slot 0 and
    // the background in slot 1. A T below the run's temperatures widens the split first.
    TRatioView At(Real T, int slot = 0);
    int Count() const { return FCount; }
    // Every wavelength through the extended computation (the reference the double path is
    // measured against).
    void SetAllExtended(bool all);

private:
    void Split(Real tmin);
    void FillWide(Real T, Real* ratios) const;

    bool FAllExtended = false;
    Real FTref = -1;
    Real FTmin = -1;  // the lowest temperature the split was made for
    int FCount = 0;
    Real FLambda[TSpectrum::Length] = {};
    // The double lanes: lambda in metres, expm1 at Tref, the wavelength's index.
    int FFastCount = 0;
    double FFastLambdaM[TSpectrum::Length] = {};
    double FFastE[TSpectrum::Length] = {};
    uint8_t FFastIndex[TSpectrum::Length] = {};
    // The extended lanes.
    int FWideCount = 0;
    uint8_t FWideIndex[TSpectrum::Length] = {};
    Real FLambdaM[TSpectrum::Length] = {};  // lambda in metres, lambda * 1e-6
    bool FDirect[TSpectrum::Length] = {};   // FX fits an exponential: the plain quotient
    Real FX[TSpectrum::Length] = {};        // c2 / (lambda Tref)
    Real FExpm1[TSpectrum::Length] = {};    // expm1(FX), where it fits
    Real FTail[TSpectrum::Length] = {};     // 1 - exp(-FX)
    static constexpr int kSlots = 2;
    Real FCachedT[kSlots] = {-1, -1};
    double FFast[kSlots][TSpectrum::Length] = {};
    Real FWide[kSlots][TSpectrum::Length] = {};
};

extern thread_local TRadianceRatios RadianceRatios;
