#include "chart/series/algo/PolarScale.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/RtlMath.h"

double PolarRadiusPixels(double size, double value, const TRadiusAxisRange& axis) {
    const double range = axis.Maximum - axis.Minimum;
    const double offset = axis.Inverted ? axis.Maximum - value : value - axis.Minimum;
    if (range == 0 || offset < 0) return 0;
    if (!axis.Logarithmic) return offset * size / range;
    // The logarithm needs a positive value; none lies on the scale.
    if (offset == 0 || value <= 0 || axis.Maximum <= 0) return 0;
    const double low = axis.Minimum > 0 ? std::log(axis.Minimum) : 0;
    const double span = std::log(axis.Maximum) - low;
    if (span == 0) return 0;
    const double part =
        axis.Inverted ? std::log(axis.Maximum) - std::log(value) : std::log(value) - low;
    return RoundToInt(size * part / span);
}

double PolarLabelAngle(double angle, bool clockwise) {
    const double v = clockwise ? 360 - angle : angle;
    return v == 360 ? 0 : v;
}

std::string PolarAngleText(double angle, bool clockwise) {
    std::string text = FloatToStr(PolarLabelAngle(angle, clockwise));
    text.append("\u00B0");
    return text;
}

int PolarStepCount(double step) {
    if (!(step > 0)) step = 10;
    int count = 0;
    for (double angle = 0; angle < 360 - 1e-12 && count < MaxPolarSteps; angle += step) ++count;
    return count;
}
