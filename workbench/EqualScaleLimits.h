#pragma once
// The axis limits that draw a cavity profile and its mirror image with one unit spanning the same
// number of pixels on both axes: the cavity and temperature-point plots and the targeting view
// fix their axes with them after the chart has laid out its plotting area.
#include <optional>

// The outline's extent: Z along the axis, Y across it (YMin = -YMax for a profile and its mirror),
// and the two ranges.
struct TProfileBounds {
    double ZMin = 0, ZMax = 0, YMin = 0, YMax = 0, ZRange = 0, YRange = 0;
};

struct TAxisLimits {
    double Min = 0, Max = 0;
};

struct TEqualScaleLimits {
    TAxisLimits Horizontal, Vertical;
};

// Limits for a plotting area of width x height pixels, with 2 % of each range as margin. A profile
// narrower than the area at the vertical scale starts at the left and leaves room at the right; a
// wider one fills the width and the vertical range is widened about its middle. None when the area
// has no pixels or the profile has no vertical extent.
std::optional<TEqualScaleLimits> EqualScaleLimits(const TProfileBounds& bounds, int width,
                                                  int height);
