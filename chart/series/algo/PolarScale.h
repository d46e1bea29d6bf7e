#pragma once
// The radius and angle arithmetic of the polar series, free of the chart: how far from the
// centre a value lies on the radius axis, and which angle an angle label shows.
#include <string>

// The vertical axis of a polar chart, which gives the radii.
struct TRadiusAxisRange {
    double Minimum = 0;
    double Maximum = 0;
    bool Inverted = false;
    bool Logarithmic = false;
};

// Pixels from the centre of value on a radius of size pixels: linear, or on a logarithmic axis
// rounded (ln Minimum counted as 0 when Minimum is not above 0). 0 (the centre) for a range of
// 0, a value below the range (at or below it, and any value not above 0, on a logarithmic axis).
double PolarRadiusPixels(double size, double value, const TRadiusAxisRange& axis);

// The angle an angle label shows: 360 less it for labels counted clockwise, 360 itself as 0.
double PolarLabelAngle(double angle, bool clockwise);

// The text of that angle: the number in general form followed by the degree sign.
std::string PolarAngleText(double angle, bool clockwise);

// Angles in degrees of every spoke and label round the circle from 0 by step (10 when step is
// not above 0), below 360, at most MaxPolarSteps of them.
inline constexpr int MaxPolarSteps = 10000;
int PolarStepCount(double step);
