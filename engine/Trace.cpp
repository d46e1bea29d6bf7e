#include "engine/Trace.h"

#include "engine/Intersection.h"
#include "engine/MT19937.h"
#include "engine/Radiance.h"
#include "engine/Reflection.h"

namespace {

constexpr uint8_t kLocalHemispherical = 4;

// What the wall hit at the ray's point gives, then the ray's reflection off it: emission of the
// wall at its temperature weighted by what is left of the ray, the weight loss, and a diffuse or
// specular new direction drawn against the wall's diffusity. The isothermal sum gains the same
// amount at every wavelength, so it is kept once (`iso`) and spread over the wavelengths when the
// ray ends: the same additions in the same order give the same value at every k. The radiance
// ratios are taken after the reflection: nothing of either feeds the other and the reflection
// leads to the next hit search, so the processor can overlap the slow exponentials with it.
inline void Bounce(TSharedData& s, Real& w, Real& iso, Real* sums) {
    const long c = Ray.CurSurface;
    CurrentSurfaceNormal();
    HitTemperature();
    const Real e = s.SurfEmissivity[c];
    const Real ew = e * w;
    w = w * s.SurfReflectivity[c];
    if (MTRandom() <= s.SurfDiffusity[c])
        ReflectDiffuse();
    else
        ReflectSpecularAtEvaluatedNormal();
    const TRatioView ratios = RadianceRatios.At(Ray.CurHitT);
    iso += ew;
    AddRatios(ratios, ew, sums);
}

}  // namespace

bool TraceRay(std::string& message) {
    TSharedData& s = Shared;
    if (!message.empty()) message.clear();
    if (s.WavelengthCount > TSpectrum::HighBound) RaiseRangeError();
    const int count = s.WavelengthCount + 1;
    Real* isoSums = Ray.RaySums[0].Data();
    Real* sums = Ray.RaySums[1].Data();
    for (int k = 0; k < count; ++k) isoSums[k] = sums[k] = 0;
    RadianceRatios.Prepare();

    s.RayLauncher();
    const bool fromWall = s.CurViewIndex == kLocalHemispherical;
    if (!fromWall && !InsideAperture()) {
        message = SOutOfAperture;
        return false;
    }

    Real w = Ray.RayWeight;
    Real iso = 0;
    if (fromWall) {
        // The start point is the first hit, the ray arriving against its launched direction.
        Ray.RayDX = -Ray.RayDX;
        Ray.RayDY = -Ray.RayDY;
        Ray.RayDZ = -Ray.RayDZ;
        Bounce(s, w, iso, sums);
    }
    while (w / Ray.RayWeight > s.CurThreshold) {
        if (!FindFirstHit()) {
            // Escaped through the aperture: it brings the background's radiance.
            if (s.CurTbg > 0) {
                AddRatios(RadianceRatios.At(s.CurTbg, 1), w, sums);
            }
            break;
        }
        Bounce(s, w, iso, sums);
    }
    for (int k = 0; k < count; ++k) isoSums[k] = iso;
    return true;
}

bool TraceFirstBounce(Real& x0, Real& y0, Real& z0, Real& x1, Real& y1, Real& z1,
                      std::string& message) {
    TSharedData& s = Shared;
    message.clear();
    s.RayLauncher();
    x0 = Ray.RayX;
    y0 = Ray.RayY;
    z0 = Ray.RayZ;
    if (s.CurViewIndex != kLocalHemispherical) {
        if (!InsideAperture()) {
            message = SOutOfAperture;
            return false;
        }
        if (!FindFirstHit()) {
            message = SNoFirstBounce;
            return false;
        }
    } else {
        FindNextHit();
    }
    x1 = Ray.RayX;
    y1 = Ray.RayY;
    z1 = Ray.RayZ;
    return true;
}
