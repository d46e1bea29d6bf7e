#pragma once
// The angle labels of the wind rose (compass points) and of the clock (hours), and the angles of
// the clock's hands, free of the chart. Angles are in degrees, 0 at the top for both series.
#include <string>

// The compass point of a spoke: by the angle rounded (halves to even) for the 24 spokes 15
// degrees apart, else by the exact half-steps 22.5, 67.5 ...; empty for any other angle.
std::string WindRoseLabel(double angle);

// The hour of a spoke: (360 - angle) / 30 rounded, 12 for 0; Roman or decimal numerals.
std::string ClockLabel(double angle, bool roman);

// Angles of the clock's hands for a time of day; 0 is up, angles grow anticlockwise.
struct TClockHands {
    double Hours = 0;
    double Minutes = 0;
    double Seconds = 0;
};
TClockHands ClockHandAngles(int hour, int minute, int second, int millisecond);
