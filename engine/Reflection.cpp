#include "engine/Reflection.h"

#include <cmath>

#include "engine/EngineHost.h"
#include "engine/MT19937.h"
#include "engine/Preprocess.h"

namespace {

[[noreturn]] void RaiseZeroNorm() {
    throw EEngineError("Norm = 0; isf = " + std::to_string(Shared.CurSurface));
}

struct TVec {
    Real x, y, z;
};

inline TVec Cross(const TVec& a, const TVec& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// An axis perpendicular to n for a direction that arrives straight against it: n with its
// smallest component (x, then y, then z on ties) replaced by 1, crossed with n.
TVec AuxiliaryAxis(const TVec& n) {
    TVec h = n;
    Real smallest = 1;
    Real* pick = nullptr;
    if (std::fabs(h.x) < smallest) { smallest = std::fabs(h.x); pick = &h.x; }
    if (std::fabs(h.y) < smallest) { smallest = std::fabs(h.y); pick = &h.y; }
    if (std::fabs(h.z) < smallest) { smallest = std::fabs(h.z); pick = &h.z; }
    if (pick)
        *pick = 1;
    else
        EngineHost().ShowMessage("Fignya kakaya-to!");
    TVec t = Cross(h, n);
    NormalizeVector(t.x, t.y, t.z);
    return t;
}

}  // namespace

void NormalizeVector(Real& x, Real& y, Real& z) {
    const Real n = std::sqrt(x * x + y * y + z * z);
    if (n == 0) RaiseZeroNorm();
    if (n == 1) return;
    x /= n;
    y /= n;
    z /= n;
}

void SurfaceNormal(long i, Real x, Real y, Real z, Real& nx, Real& ny, Real& nz) {
    (void)z;  // surfaces of revolution: the normal depends on the radial position only
    const TSharedData& s = Shared;
    switch (s.SurfKind[i]) {
        case SurfCone: {
            // A point on the axis takes the diagonal radial direction.
            if (x == 0 && y == 0) x = y = 1e-9L;
            const Real rho = std::sqrt(x * x + y * y);
            nx = s.SurfSign[i] * x * s.SurfRadialCos[i] / rho;
            ny = s.SurfSign[i] * y * s.SurfRadialCos[i] / rho;
            break;
        }
        case SurfCylinder:
            // The normalisation below divides by the radius.
            nx = s.SurfSign[i] * x;
            ny = s.SurfSign[i] * y;
            break;
        case SurfDisk:
            nx = 0;
            ny = 0;
            break;
        default:
            break;  // no surface: the radial part keeps its previous value
    }
    nz = s.SurfNormalZ[i];
    if (nx * nx + ny * ny + nz * nz == 0) {
        EngineHost().ShowMessage("Norm of normal = 0; isf =" + std::to_string(i));
        return;
    }
    NormalizeVector(nx, ny, nz);
}

void CosineDirection(Real& x, Real& y, Real& z) {
    // A uniform point of the unit disk lifted onto the hemisphere is cosine-distributed.
    Real r2;
    do {
        x = 2 * MTRandom() - 1;
        y = 2 * MTRandom() - 1;
        r2 = x * x + y * y;
    } while (!(r2 < 1));
    z = std::sqrt(1 - x * x - y * y);
}

void ToSurfaceFrame(Real& ox, Real& oy, Real& oz, Real lx, Real ly, Real lz) {
    const TSharedData& s = Shared;
    const long c = s.CurSurface;
    const TVec n{s.SurfNormalX[c], s.SurfNormalY[c], s.SurfNormalZ[c]};
    const TVec d{s.RayDX, s.RayDY, s.RayDZ};
    const Real cosND = n.x * d.x + n.y * d.y + n.z * d.z;

    TVec t1, t2;
    // Straight against the normal, or along it (a wall met from behind): the direction gives no
    // tangent axis, and along the normal 1 - c^2 would be 0 (or below it by rounding) and the
    // tangents 0 / 0.
    if (std::fabs(cosND + 1) < 1e-9L || std::fabs(cosND - 1) < 1e-9L) {
        t1 = AuxiliaryAxis(n);
        t2 = Cross(n, t1);
    } else if (std::fabs(cosND) < 1e-9L) {  // grazing: the direction is already tangent
        t1 = d;
        t2 = Cross(n, d);
    } else {
        const Real sn = std::sqrt(1 - cosND * cosND);
        t1 = {(d.x - cosND * n.x) / sn, (d.y - cosND * n.y) / sn, (d.z - cosND * n.z) / sn};
        const TVec nd = Cross(n, d);
        t2 = {nd.x / sn, nd.y / sn, nd.z / sn};
    }
    ox = lx * t1.x + ly * t2.x + lz * n.x;
    oy = lx * t1.y + ly * t2.y + lz * n.y;
    oz = lx * t1.z + ly * t2.z + lz * n.z;
}

void ReflectDiffuse() {
    TSharedData& s = Shared;
    Real lx, ly, lz;
    CosineDirection(lx, ly, lz);
    ToSurfaceFrame(s.RayDX, s.RayDY, s.RayDZ, lx, ly, lz);
    NormalizeVector(s.RayDX, s.RayDY, s.RayDZ);
}

void ReflectSpecular() {
    TSharedData& s = Shared;
    CurrentSurfaceNormal();
    const long c = s.CurSurface;
    const Real nx = s.SurfNormalX[c], ny = s.SurfNormalY[c], nz = s.SurfNormalZ[c];
    const Real dn2 = 2 * (s.RayDX * nx + s.RayDY * ny + s.RayDZ * nz);
    s.RayDX -= dn2 * nx;
    s.RayDY -= dn2 * ny;
    s.RayDZ -= dn2 * nz;
    NormalizeVector(s.RayDX, s.RayDY, s.RayDZ);
}
