#pragma once
// The five ray launchers, one per kind of viewing condition. Rays start where the radiation is
// observed and travel into the cavity (reverse tracing). Each launcher sets the ray's point,
// unit direction, start weight and CurSurface (0 outside the cavity) from VCParams[p][CurVC].
#include "engine/Global.h"

inline constexpr Real Pi = 3.14159265358979323846264338327950288L;

// A point uniform in the disk of radius r about the origin (two draws per try, x first).
void RandomInDisk(Real& x, Real& y, Real r);

void LaunchNormal();              // 0: a beam parallel to the axis
void LaunchDirectional();         // 1: a parallel beam tilted from -z in the y-z plane
void LaunchConical();             // 2: rays from an apex within a right cone about -z
void LaunchIntegrated();          // 3: a detector disk above the aperture
void LaunchLocalHemispherical();  // 4: a wall point looking over its hemisphere

// The launcher of viewing-condition kind 0..4 (ERangeError otherwise).
TRayLauncher LauncherOfKind(long kind);

// Moves a local-hemispherical start point that lies on a node of the generatrix onto the
// neighbouring surface, keeping its azimuth.
void ProcessSingularity();
