#pragma once
// The label step of an axis: the short 1-2-5 sequence of round numbers, and the bounds that keep
// the step search finite. The search itself belongs to TChartAxis (AxisLabelIncrement.cpp).

// The smallest step a numeric axis is given.
inline constexpr double MinAxisIncrement = 1e-12;
// Counts of labels from this bound on are not rounded: the step grows without counting.
inline constexpr double MaxLabelCountToRound = 2147483647.0;
// A date-time axis is never divided into more steps than this.
inline constexpr double MaxDateTimeSteps = 1000000.0;

// The next value of 1, 2, 5, 10, 20, 50 ... (and 0.5, 0.2, 0.1 ...) strictly above x. An infinite
// x, and x <= 0 (which would never reach the sequence), give 1.
double NextNiceStep(double x);
