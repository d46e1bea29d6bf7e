#pragma once
// The hit search: from the ray's point and unit direction in the shared area, the nearest wall
// the ray meets, and whether the ray passes through the aperture disk. One call per bounce.
#include "engine/Global.h"

// The value that stands for "no hit".
inline constexpr Real NoHit = 3.4e38L;
// Roots closer than this to the ray's point are the point itself.
inline constexpr Real HitTolerance = 1e-9L;

// min(a, b) < v <= max(a, b).
inline bool InSegmentRange(Real a, Real b, Real v) {
    return a < b ? (a < v && v <= b) : (b < v && v <= a);
}

// Distance along the ray from its point to surface i (1..NodeCount+1), as the hit search judges
// it: NoHit when no root is ahead on the segment.
Real DistanceToSurface(long i);

// Nearest wall among surfaces 1..NodeCount (the aperture disk is not a wall). On a hit sets
// CurSurface and moves the ray's point there; otherwise changes nothing and returns false: the
// ray has left through the aperture.
bool FindFirstHit();
// The same search over surfaces 1..NodeCount+1; always sets CurSurface (0 when nothing is ahead)
// and moves the point by the best distance, NoHit when nothing was found.
void FindNextHit();
// Whether the ray, going on from its point, crosses the aperture plane strictly inside the rim.
bool InsideAperture();
