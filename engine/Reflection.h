#pragma once
// Normals of the surfaces of revolution, the local frame about a normal, cosine-weighted
// directions and the two reflections of the gray specular-diffuse wall. Every normal points into
// the cavity.
#include "engine/Global.h"

// Scales (x, y, z) to unit length; a vector of length exactly 1 is left as it is. A zero vector
// raises EEngineError "Norm = 0; isf = " + CurSurface.
void NormalizeVector(Real& x, Real& y, Real& z);

// Unit normal of surface i at (x, y, z). Callers pass surface i's SurfNormalX/Y/Z entries as the
// output, so the axial part is normalised in place and the latest normal stays with the surface.
// A zero normal is reported ("Norm of normal = 0; isf =" + i) and left unnormalised.
void SurfaceNormal(long i, Real x, Real y, Real z, Real& nx, Real& ny, Real& nz);

// A cosine-weighted unit direction about +z (z > 0 always).
void CosineDirection(Real& x, Real& y, Real& z);

// Rotates (lx, ly, lz), given in the frame whose z axis is the normal of CurSurface at the ray's
// point, into the global frame. The ray's direction orients the tangent axes. The normal is the
// one stored with the surface: the caller has evaluated it at the point (every bounce does).
void ToSurfaceFrame(Real& ox, Real& oy, Real& oz, Real lx, Real ly, Real lz);

// New ray direction at the current point of CurSurface: cosine-distributed about the stored
// normal (see ToSurfaceFrame), or mirrored about the normal evaluated afresh.
void ReflectDiffuse();
void ReflectSpecular();

// The normal of the current surface at the ray's point, stored with the surface.
inline void CurrentSurfaceNormal() {
    TSharedData& s = Shared;
    const long c = s.CurSurface;
    SurfaceNormal(c, s.RayX, s.RayY, s.RayZ, s.SurfNormalX[c], s.SurfNormalY[c], s.SurfNormalZ[c]);
}
