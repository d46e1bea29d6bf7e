#include "engine/Reflection.h"

#include <cmath>

#include "engine/EngineMessages.h"
#include "engine/MT19937.h"
#include "engine/Preprocess.h"

// The bounce routines below work on local copies of the ray and the normal and write the shared
// area once: extended reals kept in registers rather than stored and reloaded through references
// into the area between every step. The arithmetic is the same, operation for operation.

[[noreturn]] void RaiseZeroNorm() {
    throw EEngineError("Norm = 0; isf = " + std::to_string(Ray.CurSurface));
}

namespace {

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
    if (std::fabs(h.x) < smallest) {
        smallest = std::fabs(h.x);
        pick = &h.x;
    }
    if (std::fabs(h.y) < smallest) {
        smallest = std::fabs(h.y);
        pick = &h.y;
    }
    if (std::fabs(h.z) < smallest) {
        smallest = std::fabs(h.z);
        pick = &h.z;
    }
    if (pick)
        *pick = 1;
    else
        ShowEngineMessage("Fignya kakaya-to!");
    TVec t = Cross(h, n);
    NormalizeVector(t.x, t.y, t.z);
    return t;
}

[[gnu::cold]] void ReportZeroNormal(long i) {
    ShowEngineMessage("Norm of normal = 0; isf =" + std::to_string(i));
}

// SurfaceNormal on (n.x, n.y, n.z), which come in as the surface's stored normal; i is in range.
inline void NormalAt(const TSharedData& s, long i, Real x, Real y, TVec& n) {
    switch (s.SurfKind.Data()[i]) {
        case SurfCone: {
            // A point on the axis takes the diagonal radial direction.
            if (x == 0 && y == 0) x = y = 1e-9L;
            const Real rho = std::sqrt(x * x + y * y);
            const Real sign = s.SurfSign.Data()[i];
            const Real radialCos = s.SurfRadialCos.Data()[i];
            n.x = sign * x * radialCos / rho;
            n.y = sign * y * radialCos / rho;
            break;
        }
        case SurfCylinder: {
            // The normalisation below divides by the radius.
            const Real sign = s.SurfSign.Data()[i];
            n.x = sign * x;
            n.y = sign * y;
            break;
        }
        case SurfDisk:
            n.x = 0;
            n.y = 0;
            break;
        default:
            break;  // no surface: the radial part keeps its previous value
    }
    n.z = s.SurfNormalZ.Data()[i];
    if (n.x * n.x + n.y * n.y + n.z * n.z == 0) [[unlikely]] {
        ReportZeroNormal(i);
        return;
    }
    NormalizeVector(n.x, n.y, n.z);
}

inline long CheckedSurface(long i) {
    if (i < TNodeReals::LowBound || i > TNodeReals::HighBound) RaiseRangeError();
    return i;
}

// The normal of the current surface at the ray's point, evaluated from the surface's own normal
// (which stays as preprocessing left it, so that no ray depends on the rays before it) and kept
// with the ray.
inline TVec StoreCurrentNormal(TSharedData& s) {
    const long c = CheckedSurface(Ray.CurSurface);
    TVec n{s.SurfNormalX.Data()[c], s.SurfNormalY.Data()[c], s.SurfNormalZ.Data()[c]};
    NormalAt(s, c, Ray.RayX, Ray.RayY, n);
    Ray.NormalX = n.x;
    Ray.NormalY = n.y;
    Ray.NormalZ = n.z;
    return n;
}

inline void CosineDirectionOf(TVec& v) {
    // A uniform point of the unit disk lifted onto the hemisphere is cosine-distributed.
    Real r2;
    do {
        v.x = 2 * MTRandom() - 1;
        v.y = 2 * MTRandom() - 1;
        r2 = v.x * v.x + v.y * v.y;
    } while (!(r2 < 1));
    v.z = std::sqrt(1 - v.x * v.x - v.y * v.y);
}

// ToSurfaceFrame of l about the normal n stored with the current surface, for the direction d.
inline TVec FrameToGlobal(const TVec& n, const TVec& d, const TVec& l) {
    const Real cosND = n.x * d.x + n.y * d.y + n.z * d.z;
    TVec t1, t2;
    // Straight against the normal, or along it (a wall met from behind): the direction gives no
    // tangent axis, and along the normal 1 - c^2 would be 0 (or below it by rounding) and the
    // tangents 0 / 0.
    if (std::fabs(cosND + 1) < 1e-9L || std::fabs(cosND - 1) < 1e-9L) [[unlikely]] {
        t1 = AuxiliaryAxis(n);
        t2 = Cross(n, t1);
    } else if (std::fabs(cosND) < 1e-9L) [[unlikely]] {  // grazing: already tangent
        t1 = d;
        t2 = Cross(n, d);
    } else {
        const Real sn = std::sqrt(1 - cosND * cosND);
        t1 = {(d.x - cosND * n.x) / sn, (d.y - cosND * n.y) / sn, (d.z - cosND * n.z) / sn};
        const TVec nd = Cross(n, d);
        t2 = {nd.x / sn, nd.y / sn, nd.z / sn};
    }
    return {l.x * t1.x + l.y * t2.x + l.z * n.x, l.x * t1.y + l.y * t2.y + l.z * n.y,
            l.x * t1.z + l.y * t2.z + l.z * n.z};
}

// The normal last evaluated at the ray's point.
inline TVec StoredNormal() { return {Ray.NormalX, Ray.NormalY, Ray.NormalZ}; }

inline void SetDirection(const TVec& d) {
    Ray.RayDX = d.x;
    Ray.RayDY = d.y;
    Ray.RayDZ = d.z;
}

}  // namespace

void SurfaceNormal(long i, Real x, Real y, Real z, Real& nx, Real& ny, Real& nz) {
    (void)z;  // surfaces of revolution: the normal depends on the radial position only
    TVec n{nx, ny, nz};
    NormalAt(Shared, CheckedSurface(i), x, y, n);
    nx = n.x;
    ny = n.y;
    nz = n.z;
}

void CurrentSurfaceNormal() { StoreCurrentNormal(Shared); }

void CosineDirection(Real& x, Real& y, Real& z) {
    TVec v;
    CosineDirectionOf(v);
    x = v.x;
    y = v.y;
    z = v.z;
}

void ToSurfaceFrame(Real& ox, Real& oy, Real& oz, Real lx, Real ly, Real lz) {
    const TVec o = FrameToGlobal(StoredNormal(), {Ray.RayDX, Ray.RayDY, Ray.RayDZ}, {lx, ly, lz});
    ox = o.x;
    oy = o.y;
    oz = o.z;
}

void ReflectDiffuse() {
    TVec l;
    CosineDirectionOf(l);
    TVec d = FrameToGlobal(StoredNormal(), {Ray.RayDX, Ray.RayDY, Ray.RayDZ}, l);
    NormalizeVector(d.x, d.y, d.z);
    SetDirection(d);
}

namespace {

inline void MirrorAbout(const TVec& n) {
    TVec d{Ray.RayDX, Ray.RayDY, Ray.RayDZ};
    const Real dn2 = 2 * (d.x * n.x + d.y * n.y + d.z * n.z);
    d.x -= dn2 * n.x;
    d.y -= dn2 * n.y;
    d.z -= dn2 * n.z;
    NormalizeVector(d.x, d.y, d.z);
    SetDirection(d);
}

}  // namespace

void ReflectSpecular() {
    TSharedData& s = Shared;
    MirrorAbout(StoreCurrentNormal(s));
}

void ReflectSpecularAtEvaluatedNormal() {
    TSharedData& s = Shared;
    const long c = CheckedSurface(Ray.CurSurface);
    const uint8_t kind = s.SurfKind.Data()[c];
    // On the axis a cylinder's normal is 0 and every evaluation reports it: evaluate again there.
    const bool same =
        kind == SurfDisk || (kind == SurfCylinder && !(Ray.RayX == 0 && Ray.RayY == 0));
    if (same)
        MirrorAbout(StoredNormal());
    else
        MirrorAbout(StoreCurrentNormal(s));
}
