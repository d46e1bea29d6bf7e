#pragma once
// One ray from its launch through its bounces: what it picks up from every wall it hits, for the
// isothermal and the non-isothermal cavity at every wavelength, plus the background when it
// leaves through the aperture.
#include <string>

#include "engine/Global.h"

inline constexpr const char* SOutOfAperture = "OUT OF APERTURE";
inline constexpr const char* SNoFirstBounce = "NO FIRST BOUNCE FOUND";

// Launches a ray with RayLauncher and traces it until its weight relative to its start weight
// falls to CurThreshold or it escapes; the sums are left in RaySums. False, with "OUT OF
// APERTURE", when a ray launched from outside misses the aperture.
bool TraceRay(std::string& message);

// For the targeting view: a launched ray's start point and first hit.
bool TraceFirstBounce(Real& x0, Real& y0, Real& z0, Real& x1, Real& y1, Real& z1,
                      std::string& message);
