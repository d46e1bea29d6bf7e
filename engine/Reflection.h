#pragma once
// Normals of the surfaces of revolution, the local frame about a normal, cosine-weighted
// directions and the two reflections of the gray specular-diffuse wall. Every normal points into
// the cavity.
#include <cmath>

#include "engine/Global.h"

// Raises EEngineError "Norm = 0; isf = " + CurSurface.
[[noreturn]] void RaiseZeroNorm();

// Scales (x, y, z) to unit length; a vector of length exactly 1 is left as it is. A zero vector
// raises EEngineError "Norm = 0; isf = " + CurSurface. Inline: every bounce normalises twice.
inline void NormalizeVector(Real& x, Real& y, Real& z) {
    const Real n = std::sqrt(x * x + y * y + z * z);
    if (n == 0) [[unlikely]]
        RaiseZeroNorm();
    if (n == 1) return;
    x /= n;
    y /= n;
    z /= n;
}

// Unit normal of surface i at (x, y, z): (nx, ny, nz) come in as the surface's normal from
// preprocessing (its axial part is what a cone keeps) and leave as the normal at the point. A
// zero normal is reported ("Norm of normal = 0; isf =" + i) and left unnormalised. The tracer
// evaluates into the ray's own normal (CurrentSurfaceNormal) and never writes the surface's, so
// threads tracing side by side share nothing they write.
void SurfaceNormal(long i, Real x, Real y, Real z, Real& nx, Real& ny, Real& nz);

// A cosine-weighted unit direction about +z (z > 0 always).
void CosineDirection(Real& x, Real& y, Real& z);

// Rotates (lx, ly, lz), given in the frame whose z axis is the normal of CurSurface at the ray's
// point, into the global frame. The ray's direction orients the tangent axes. The normal is the
// one kept with the ray: the caller has evaluated it at the point (every bounce does).
void ToSurfaceFrame(Real& ox, Real& oy, Real& oz, Real lx, Real ly, Real lz);

// New ray direction at the current point of CurSurface: cosine-distributed about the stored
// normal kept with the ray (see ToSurfaceFrame), or mirrored about the normal evaluated afresh.
void ReflectDiffuse();
void ReflectSpecular();
// ReflectSpecular for a caller that has just evaluated the normal at this very point (every
// bounce does). A cylinder's or a disk's normal does not depend on what is stored, so evaluating
// it again would give the same bits and is skipped; a cone (and a kind that is no surface) is
// evaluated again as above, and so is a zero normal, which every evaluation reports.
void ReflectSpecularAtEvaluatedNormal();

// The normal of the current surface at the ray's point, kept with the ray (Ray.NormalX/Y/Z).
void CurrentSurfaceNormal();
