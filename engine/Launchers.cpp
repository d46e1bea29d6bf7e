#include "engine/Launchers.h"

#include <cmath>

#include "engine/CavityOutline.h"
#include "engine/EngineMessages.h"
#include "engine/Intersection.h"
#include "engine/MT19937.h"
#include "engine/Radiance.h"
#include "engine/Reflection.h"
#include "platform/rtl/RtlMath.h"

namespace {
inline Real Param(long p) { return Shared.VCParams[p][Shared.CurVC]; }

inline void StartOutside(Real weight) {
    Ray.RayWeight = weight;
    Ray.CurSurface = 0;
}
}  // namespace

void RandomInDisk(Real& x, Real& y, Real r) {
    do {
        x = 2 * MTRandom() - 1;
        y = 2 * MTRandom() - 1;
    } while (!(x * x + y * y < 1));
    x = r * x;
    y = r * y;
}

void LaunchNormal() {
    TSharedData& s = Shared;
    const Real yb = Param(1), rb = Param(2);
    Real y;
    RandomInDisk(Ray.RayX, y, rb);
    Ray.RayY = y + yb;
    // Keep the start off the axis and off the aperture rim, where the hit tests are singular.
    if (Ray.RayY == 0) Ray.RayY = s.NodeR[1] * 1e-6L;
    const Real ra = s.NodeR[s.NodeCount];
    if (Ray.RayY == ra) Ray.RayY = ra * 0.999999L;
    Ray.RayZ = s.CavZMax + 0.1L * s.CavZRange;  // above the whole cavity
    Ray.RayDX = 0;
    Ray.RayDY = 0;
    Ray.RayDZ = -1;
    StartOutside(1);
}

void LaunchDirectional() {
    const Real zb = Param(1), rb = Param(2);
    Real b = Param(3);
    if (b == 0) b = 1e-6L;
    if (b == 90) b = 89.999999L;
    const Real a = b * Pi / 180;
    const Real sn = std::sin(a), cs = std::cos(a);
    Ray.RayDX = 0;
    Ray.RayDY = sn;
    Ray.RayDZ = -cs;
    // The beam's cross-section: the disk of radius RB about (0, 0, ZB) across the direction.
    Real u;
    RandomInDisk(Ray.RayX, u, rb);
    Ray.RayZ = u * sn + zb;
    Ray.RayY = u * cs;
    StartOutside(1);
}

void LaunchConical() {
    TSharedData& s = Shared;
    Real yb = Param(1);
    const Real zb = Param(2), w = Param(3);
    if (yb == 0) yb = s.NodeR[1] * 1e-6L;
    // mu uniform in [cos(w/2), 1]: directions uniform in solid angle within the cone.
    const Real cmin = std::cos(w * Pi / 360);
    const Real mu = (cmin - 1) * MTRandom() + 1;
    const Real st = std::sqrt(1 - mu * mu);
    const Real phi = 2 * Pi * MTRandom();
    Ray.RayDX = st * std::cos(phi);
    Ray.RayDY = st * std::sin(phi);
    Ray.RayDZ = -mu;
    // Start where the ray through the apex crosses the top of the cavity.
    Ray.RayZ = s.CavZMax;
    const Real t = (s.CavZMax - zb) / Ray.RayDZ;
    Ray.RayX = Ray.RayDX * t;
    Ray.RayY = Ray.RayDY * t + yb;
    StartOutside(1);
}

void LaunchIntegrated() {
    TSharedData& s = Shared;
    const Real yd = Param(1), rd = Param(2);
    Real h = Param(3);
    if (h < 1e-9L) h = 1e-9L;
    const long n = s.NodeCount;
    const Real ra = s.NodeR[n];
    Ray.RayZ = s.NodeZ[n] + h;
    Real v;
    RandomInDisk(Ray.RayX, v, rd);
    Ray.RayY = v + yd;
    if (h / ra > 2) {
        // A distant detector: aim at a uniform point of the aperture, weight cos^2 / d^2.
        Real ax, ay;
        RandomInDisk(ax, ay, ra);
        const Real ex = ax - Ray.RayX, ey = ay - Ray.RayY;
        const Real d2 = ex * ex + ey * ey + h * h;
        const Real d = std::sqrt(d2);
        Ray.RayDX = ex / d;
        Ray.RayDY = ey / d;
        Ray.RayDZ = -h / d;
        StartOutside(Ray.RayDZ * Ray.RayDZ / d2);
    } else {
        // A near detector: cosine-weighted directions until one passes through the aperture.
        do {
            Real dx, dy, dz;
            CosineDirection(dx, dy, dz);
            Ray.RayDX = -dx;
            Ray.RayDY = -dy;
            Ray.RayDZ = -dz;
        } while (!InsideAperture());
        StartOutside(1);
    }
}

void LaunchLocalHemispherical() {
    Ray.RayX = 0;
    Ray.RayY = Param(3);
    Ray.RayZ = Param(2);
    const int64_t isf = Round(Param(4));
    if (isf < 0 || isf > TNodeReals::HighBound) RaiseRangeError();
    Ray.CurSurface = static_cast<uint8_t>(isf);
    ProcessSingularity();
    // Arriving against the normal makes the diffuse reflection send the ray over the wall's
    // hemisphere into the cavity.
    CurrentSurfaceNormal();
    Ray.RayDX = -Ray.NormalX;
    Ray.RayDY = -Ray.NormalY;
    Ray.RayDZ = -Ray.NormalZ;
    ReflectDiffuse();
    Ray.RayWeight = 1;
}

TRayLauncher LauncherOfKind(long kind) {
    static const TCheckedArray<TRayLauncher, 0, 4> launchers = [] {
        TCheckedArray<TRayLauncher, 0, 4> a;
        a[0] = LaunchNormal;
        a[1] = LaunchDirectional;
        a[2] = LaunchConical;
        a[3] = LaunchIntegrated;
        a[4] = LaunchLocalHemispherical;
        return a;
    }();
    return launchers[kind];
}

void ProcessSingularity() {
    TSharedData& s = Shared;
    Real xi = PointXi(Ray.CurSurface, Ray.RayX, Ray.RayY, Ray.RayZ);
    if (xi / s.NodeXi[1] < 1e-6L) {
        xi += 1e-6L * s.NodeXi[1];  // at the start node: onto surface 1
    } else {
        bool onNode = false;
        for (long i = 1; i <= s.NodeCount; ++i) {
            const Real span = s.NodeXi[i] - s.NodeXi[i - 1];
            if (std::fabs((xi - s.NodeXi[i]) / span) < 1e-6L) {
                xi -= 1e-6L * span;  // back onto surface i
                onNode = true;
                break;
            }
        }
        if (!onNode) return;
    }

    Real z, y;
    int32_t surface = 0;
    if (!OutlinePointAtXi(xi, z, y, surface)) {
        ShowEngineMessage("Singularity processing failed\r" + XiOutsideMessage(xi));
        return;
    }
    if (surface < 0 || surface > TNodeReals::HighBound) RaiseRangeError();
    Ray.CurSurface = static_cast<uint8_t>(surface);
    Ray.RayZ = z;
    // Keep the old point's azimuth.
    Real angle;
    if (Ray.RayX != 0)
        angle = std::atan2(Ray.RayY, Ray.RayX);
    else
        angle = Ray.RayY >= 0 ? Pi / 2 : -Pi / 2;
    if (angle < 0) angle += 2 * Pi;
    Ray.RayX = y * std::cos(angle);
    Ray.RayY = y * std::sin(angle);
}
