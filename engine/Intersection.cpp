#include "engine/Intersection.h"

#include <cmath>

#include "engine/Preprocess.h"

namespace {

// What the hit search needs of the ray and of the surface it starts on, read once per search.
// The sums are the very subexpressions of the per-surface formulas (same operands, same order),
// so computing them once changes no bit.
struct TRayTerms {
    Real X, Y, Z, DX, DY, DZ;
    Real XD_YD;  // X DX + Y DY
    Real XX_YY;  // X X + Y Y
    Real DZ2;    // DZ DZ
    long c;      // the surface the ray starts on
    uint8_t cKind;
    Real cZ0, cSlope2, cR;
};

inline TRayTerms RayTerms(const TSharedData& s, long c) {
    TRayTerms r;
    r.X = Ray.RayX, r.Y = Ray.RayY, r.Z = Ray.RayZ;
    r.DX = Ray.RayDX, r.DY = Ray.RayDY, r.DZ = Ray.RayDZ;
    r.XD_YD = r.X * r.DX + r.Y * r.DY;
    r.XX_YY = r.X * r.X + r.Y * r.Y;
    r.DZ2 = r.DZ * r.DZ;
    r.c = c;
    r.cKind = s.SurfKind.Data()[c];
    r.cZ0 = s.SurfZ0.Data()[c];
    r.cSlope2 = s.SurfSlope2.Data()[c];
    r.cR = s.NodeR.Data()[c];
    return r;
}

// A root counts only ahead of the point and on the segment; otherwise it is NoHit.
inline Real AcceptAxial(const TSharedData& s, const TRayTerms& r, long i, Real t) {
    if (t >= HitTolerance &&
        InSegmentRange(s.NodeZ.Data()[i - 1], s.NodeZ.Data()[i], r.Z + t * r.DZ))
        return t;
    return NoHit;
}

inline Real NearerOfTwo(const TSharedData& s, const TRayTerms& r, long i, Real a, Real b,
                        Real disc) {
    const Real root = std::sqrt(disc);
    // (x / 2) / a and x / (2 a) round the same quotient: halving and doubling are exact in
    // binary floating point (far from the subnormal range, which these never reach), so one
    // division per root is saved without changing a bit.
    const Real a2 = 2 * a;
    const Real t1 = AcceptAxial(s, r, i, (-b - root) / a2);
    const Real t2 = AcceptAxial(s, r, i, (-b + root) / a2);
    return t1 < t2 ? t1 : t2;
}

// Distance to surface i along the ray, or NoHit (also when the surface cannot be met at all: a
// parallel ray, no real root, a kind that is no surface). A disk farther than `bound` is NoHit
// without its radius being computed: such a root never wins the search.
[[gnu::always_inline]] inline Real SurfaceDistance(const TSharedData& s, const TRayTerms& r, long i,
                                                   Real bound) {
    switch (s.SurfKind.Data()[i]) {
        case SurfCone: {
            const Real s2 = s.SurfSlope2.Data()[i];
            const Real z0 = s.SurfZ0.Data()[i];
            const Real a = 1 - r.DZ2 * (s2 + 1);
            if (a == 0) break;
            const Real b = 2 * (r.XD_YD - r.DZ * s2 * (r.Z - z0));
            // Starting on this very cone: the root at the point is 0, the other is -b/a.
            if (r.cZ0 == z0 && r.cKind == SurfCone && r.cSlope2 == s2)
                return AcceptAxial(s, r, i, -b / a);
            const Real cc = r.XX_YY - s2 * (r.Z - z0) * (r.Z - z0);
            const Real disc = b * b - 4 * a * cc;
            if (disc < 0) break;
            if (disc == 0) return AcceptAxial(s, r, i, (-b / 2) / a);
            return NearerOfTwo(s, r, i, a, b, disc);
        }
        case SurfCylinder: {
            const Real a = 1 - r.DZ2;
            if (a == 0) break;
            const Real b = 2 * r.XD_YD;
            const Real R = s.NodeR.Data()[i];
            if (r.cR == R && r.cKind == SurfCylinder) return AcceptAxial(s, r, i, -b / a);
            const Real cc = r.XX_YY - R * R;
            const Real disc = b * b - 4 * a * cc;
            if (disc < 0) break;
            return NearerOfTwo(s, r, i, a, b, disc);
        }
        case SurfDisk: {
            // A ray never meets the disk it starts on.
            if (r.DZ == 0 || i == r.c) break;
            const Real t = -(r.Z - s.NodeZ.Data()[i]) / r.DZ;
            if (t < HitTolerance || t > bound) return NoHit;
            const Real hx = r.X + r.DX * t;
            const Real hy = r.Y + r.DY * t;
            const Real rho = std::sqrt(hx * hx + hy * hy);
            return InSegmentRange(s.NodeR.Data()[i - 1], s.NodeR.Data()[i], rho) ? t : NoHit;
        }
        default:
            break;
    }
    return NoHit;
}

// Best distance and surface over surfaces 1..last; ties keep the lower surface number.
//
// Every accepted root of a cone or cylinder lies on the segment's z range (lo, hi] at the height
// Z + t DZ, and that height moves monotonically with t, also after rounding. So the segments are
// visited from the ray's height onwards in the direction it travels: a segment wholly behind the
// ray gives nothing, and once a root is accepted at height zBest, a segment that lies wholly
// beyond zBest can only give roots at least as far, which never win. Disks are not judged by
// their height (their root is not checked against it) but by the root itself.
Real SearchSurfaces(const TSharedData& s, long last, long& best) {
    // The unchecked reads below rely on last + 1 staying inside the surface arrays.
    if (last < 0 || last > TNodeReals::HighBound) RaiseRangeError();
    const long c = Ray.CurSurface;
    if (c > TNodeReals::HighBound) RaiseRangeError();
    Real bestT = NoHit;
    best = 0;
    const TRayTerms r = RayTerms(s, c);
    const Real Z = r.Z, DZ = r.DZ;
    const Real* nodeZ = s.NodeZ.Data();
    const uint8_t* kind = s.SurfKind.Data();
    // Downwards the surfaces are visited from the last one: a tie found later is a lower surface
    // and wins.
    const bool down = DZ < 0;
    const long step = down ? -1 : 1;
    Real zBest = down ? -NoHit : NoHit;
    for (long n = 0, i = down ? last : 1; n < last; ++n, i += step) {
        const Real a = nodeZ[i - 1], b = nodeZ[i];
        const Real lo = a < b ? a : b, hi = a < b ? b : a;
        if (DZ > 0) {
            if (hi < Z || (lo >= zBest && kind[i] != SurfDisk)) continue;
        } else if (down) {
            if (lo >= Z || (hi < zBest && kind[i] != SurfDisk)) continue;
        } else if (!(lo < Z && Z <= hi)) {  // level: only segments that hold the ray's height
            continue;
        }
        const Real t = SurfaceDistance(s, r, i, bestT);
        if (t < bestT || (down && t == bestT && t < NoHit)) {
            bestT = t;
            best = i;
            zBest = Z + bestT * DZ;
        }
    }
    return bestT;
}

inline void MoveRay(Real t) {
    Ray.RayX += t * Ray.RayDX;
    Ray.RayY += t * Ray.RayDY;
    Ray.RayZ += t * Ray.RayDZ;
}

}  // namespace

Real DistanceToSurface(long i) {
    const TSharedData& s = Shared;
    if (i < 1 || i > TNodeReals::HighBound || Ray.CurSurface > TNodeReals::HighBound)
        RaiseRangeError();
    return SurfaceDistance(s, RayTerms(s, Ray.CurSurface), i, NoHit);
}

bool FindFirstHit() {
    TSharedData& s = Shared;
    long best;
    const Real bestT = SearchSurfaces(s, s.NodeCount, best);
    if (!(bestT < NoHit)) return false;
    Ray.CurSurface = static_cast<uint8_t>(best);
    MoveRay(bestT);
    return true;
}

void FindNextHit() {
    TSharedData& s = Shared;
    long best;
    const Real bestT = SearchSurfaces(s, s.NodeCount + 1, best);
    Ray.CurSurface = static_cast<uint8_t>(best);
    MoveRay(bestT);
}

bool InsideAperture() {
    const TSharedData& s = Shared;
    const long n = s.NodeCount;
    const Real za = s.NodeZ[n];
    const Real ra = s.NodeR[n];
    if (Ray.RayDZ == 0) return false;
    // The crossing parameter of the aperture plane, from above or from below it.
    const Real t = (za - Ray.RayZ) / Ray.RayDZ;
    if (t < 0) return false;
    const Real x = Ray.RayX + Ray.RayDX * t;
    const Real y = Ray.RayY + Ray.RayDY * t;
    return x * x + y * y < ra * ra;
}
