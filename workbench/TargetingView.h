#pragma once
// The targeting view's geometry and titles, apart from its window: the ranges each projection of
// a viewing condition shows, so that the cavity and where its rays come from are in view, and the
// two-line chart title that names the condition.
#include <array>
#include <string>

#include "workbench/EqualScaleLimits.h"

// The Z range shared by both projections and the vertical range of each: Y on the YZ plane, X on
// the XZ plane (the cavity's radial range).
struct TTargetingRanges {
    double ZMin = 0, ZMax = 0;
    double YZMin = 0, YZMax = 0;
    double XZMin = 0, XZMax = 0;

    // What EqualScaleLimits needs of one projection.
    TProfileBounds YZBounds() const {
        return {ZMin, ZMax, YZMin, YZMax, ZMax - ZMin, YZMax - YZMin};
    }
    TProfileBounds XZBounds() const {
        return {ZMin, ZMax, XZMin, XZMax, ZMax - ZMin, XZMax - XZMin};
    }
};

// The ranges for a viewing condition of `kind` with parameters params[0..3] (the kind's
// VCParams 1..4), over the cavity's outline and the Z of its last node:
// - Normal and Local Hemispherical: Z reaches 10 % of the cavity's length beyond its end (10 % of
//   its height for a flat profile), where the launch plane lies;
// - Directional (ZB, RB, b in degrees): the tilted beam's disk, RB about (ZB, 0), cos(b) RB high;
// - Right Conical: the cavity alone;
// - Integrated (YD, RD, H): the detector disk at the last node's Z + H, RD about YD.
TTargetingRanges TargetingRanges(int kind, const std::array<double, 4>& params,
                                 const TProfileBounds& outline, double lastNodeZ);

// The chart titles' two lines: the dataset's name and the kind's name, then the condition's
// parameters; a local-hemispherical condition adds its wall point and surface.
std::array<std::string, 2> TargetingTitle(const std::string& datasetName, int kind,
                                          const std::array<double, 4>& params);
