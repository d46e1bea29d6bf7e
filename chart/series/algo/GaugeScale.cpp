#include "chart/series/algo/GaugeScale.h"

#include <cmath>

int GaugeTickCount(double minimum, double maximum, double increment) {
    if (maximum == minimum || increment == 0) return 0;
    const double steps = (maximum - minimum) / increment;
    if (!(steps >= 0) || steps >= MaxGaugeTicks) return 0;
    // A last mark a rounding error past maximum still counts.
    const int count = int(std::floor(steps + 1e-9)) + 1;
    return count < MaxGaugeTicks ? count : 0;
}

double DialAngleOf(double value, double minimum, double maximum, double totalAngle,
                   double startAngle) {
    if (maximum == minimum) return startAngle;
    return (value - minimum) * totalAngle / (maximum - minimum) + startAngle;
}
