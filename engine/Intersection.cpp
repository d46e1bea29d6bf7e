#include "engine/Intersection.h"

#include <cmath>

#include "engine/Preprocess.h"

namespace {

// A root counts only ahead of the point and on the segment; otherwise it is NoHit.
inline Real AcceptAxial(const TSharedData& s, long i, Real t) {
    if (t >= HitTolerance && InSegmentRange(s.NodeZ.Data()[i - 1], s.NodeZ.Data()[i],
                                            s.RayZ + t * s.RayDZ))
        return t;
    return NoHit;
}

inline Real NearerOfTwo(const TSharedData& s, long i, Real a, Real b, Real disc) {
    const Real root = std::sqrt(disc);
    const Real t1 = AcceptAxial(s, i, (-b - root) / 2 / a);
    const Real t2 = AcceptAxial(s, i, (-b + root) / 2 / a);
    return t1 < t2 ? t1 : t2;
}

// Distance to surface i along the ray, or NoHit (also when the surface cannot be met at all: a
// parallel ray, no real root, a kind that is no surface).
Real SurfaceDistance(const TSharedData& s, long i, long c) {
    const Real X = s.RayX, Y = s.RayY, Z = s.RayZ;
    const Real DX = s.RayDX, DY = s.RayDY, DZ = s.RayDZ;
    const uint8_t* kind = s.SurfKind.Data();
    switch (kind[i]) {
        case SurfCone: {
            const Real s2 = s.SurfSlope2.Data()[i];
            const Real z0 = s.SurfZ0.Data()[i];
            const Real a = 1 - DZ * DZ * (s2 + 1);
            if (a == 0) break;
            const Real b = 2 * (X * DX + Y * DY - DZ * s2 * (Z - z0));
            // Starting on this very cone: the root at the point is 0, the other is -b/a.
            if (s.SurfZ0.Data()[c] == z0 && kind[c] == SurfCone && s.SurfSlope2.Data()[c] == s2)
                return AcceptAxial(s, i, -b / a);
            const Real cc = X * X + Y * Y - s2 * (Z - z0) * (Z - z0);
            const Real disc = b * b - 4 * a * cc;
            if (disc < 0) break;
            if (disc == 0) return AcceptAxial(s, i, (-b / 2) / a);
            return NearerOfTwo(s, i, a, b, disc);
        }
        case SurfCylinder: {
            const Real a = 1 - DZ * DZ;
            if (a == 0) break;
            const Real b = 2 * (X * DX + Y * DY);
            const Real r = s.NodeR.Data()[i];
            if (s.NodeR.Data()[c] == r && kind[c] == SurfCylinder)
                return AcceptAxial(s, i, -b / a);
            const Real cc = X * X + Y * Y - r * r;
            const Real disc = b * b - 4 * a * cc;
            if (disc < 0) break;
            return NearerOfTwo(s, i, a, b, disc);
        }
        case SurfDisk: {
            // A ray never meets the disk it starts on.
            if (DZ == 0 || i == c) break;
            const Real t = -(Z - s.NodeZ.Data()[i]) / DZ;
            if (t < HitTolerance) return NoHit;
            const Real hx = X + DX * t;
            const Real hy = Y + DY * t;
            const Real rho = std::sqrt(hx * hx + hy * hy);
            return InSegmentRange(s.NodeR.Data()[i - 1], s.NodeR.Data()[i], rho) ? t : NoHit;
        }
        default:
            break;
    }
    return NoHit;
}

// Best distance and surface over surfaces 1..last; ties keep the lower surface number.
Real SearchSurfaces(const TSharedData& s, long last, long& best) {
    // The unchecked reads below rely on last + 1 staying inside the surface arrays.
    if (last < 0 || last > TNodeReals::HighBound) RaiseRangeError();
    const long c = s.CurSurface;
    if (c > TNodeReals::HighBound) RaiseRangeError();
    Real bestT = NoHit;
    best = 0;
    const Real Z = s.RayZ, DZ = s.RayDZ;
    const Real* nodeZ = s.NodeZ.Data();
    for (long i = 1; i <= last; ++i) {
        // Every accepted root lies on the segment's z range, ahead of the ray (z >= Z going up,
        // z <= Z going down, z = Z level): a segment wholly behind can give nothing, so its
        // roots are not worth computing.
        const Real a = nodeZ[i - 1], b = nodeZ[i];
        const Real lo = a < b ? a : b, hi = a < b ? b : a;
        if (DZ > 0 ? hi < Z : DZ < 0 ? lo >= Z : !(lo < Z && Z <= hi)) continue;
        const Real t = SurfaceDistance(s, i, c);
        if (t < bestT) {
            bestT = t;
            best = i;
        }
    }
    return bestT;
}

inline void MoveRay(TSharedData& s, Real t) {
    s.RayX += t * s.RayDX;
    s.RayY += t * s.RayDY;
    s.RayZ += t * s.RayDZ;
}

}  // namespace

bool FindFirstHit() {
    TSharedData& s = Shared;
    long best;
    const Real bestT = SearchSurfaces(s, s.NodeCount, best);
    if (!(bestT < NoHit)) return false;
    s.CurSurface = static_cast<uint8_t>(best);
    MoveRay(s, bestT);
    return true;
}

void FindNextHit() {
    TSharedData& s = Shared;
    long best;
    const Real bestT = SearchSurfaces(s, s.NodeCount + 1, best);
    s.CurSurface = static_cast<uint8_t>(best);
    MoveRay(s, bestT);
}

bool InsideAperture() {
    const TSharedData& s = Shared;
    const long n = s.NodeCount;
    const Real za = s.NodeZ[n];
    const Real ra = s.NodeR[n];
    if (s.RayDZ == 0) return false;
    // The crossing parameter of the aperture plane, from above or from below it.
    const Real t = (za - s.RayZ) / s.RayDZ;
    if (t < 0) return false;
    const Real x = s.RayX + s.RayDX * t;
    const Real y = s.RayY + s.RayDY * t;
    return x * x + y * y < ra * ra;
}
