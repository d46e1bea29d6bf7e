#pragma once
// The scale of the dial gauge: how many major marks a range holds, with a cap so that a huge
// range or a tiny increment cannot stall painting, and the dial angle of a value.

// More marks than this are not drawn at all.
inline constexpr int MaxGaugeTicks = 10000;

// The marks minimum, minimum + increment, ... up to maximum; 0 for an empty or reversed range,
// an increment of 0 or one pointing away from maximum, and for MaxGaugeTicks marks or more.
int GaugeTickCount(double minimum, double maximum, double increment);

// The dial angle in degrees of value: the scale starts at startAngle for minimum and covers
// totalAngle degrees up to maximum. startAngle for an empty range.
double DialAngleOf(double value, double minimum, double maximum, double totalAngle,
                   double startAngle);
