#include "chart/series/algo/PolarLabels.h"

#include <array>
#include <cmath>

#include "platform/rtl/NumberText.h"
#include "platform/rtl/RtlMath.h"

std::string WindRoseLabel(double angle) {
    static const std::array<const char*, 24> points{
        "N", "NNNW", "NNW", "NW", "NWW", "NWWW", "W", "SWWW", "SWW", "SW", "SSW", "SSSW",
        "S", "SSSE", "SSE", "SE", "SEE", "SEEE", "E", "NEEE", "NEE", "NE", "NNE", "NNNE"};
    const int rounded = RoundToInt(angle);
    if (rounded == 360) return points[0];
    if (rounded >= 0 && rounded < 360 && rounded % 15 == 0) return points[size_t(rounded / 15)];
    struct THalfStep {
        double Angle;
        const char* Label;
    };
    static const THalfStep halves[] = {{22.5, "NNW"},  {67.5, "WNW"},  {112.5, "WSW"},
                                       {157.5, "SSW"}, {202.5, "SSE"}, {247.5, "ESE"},
                                       {292.5, "ENE"}, {337.5, "NNE"}};
    for (const THalfStep& h : halves)
        if (angle == h.Angle) return h.Label;
    return {};
}

std::string ClockLabel(double angle, bool roman) {
    const int n = RoundToInt((360 - angle) / 30);
    if (!roman) return IntToStr(n);
    static const std::array<const char*, 12> numerals{"I",   "II",   "III", "IV", "V",  "VI",
                                                      "VII", "VIII", "IX",  "X",  "XI", "XII"};
    const int hour = n == 0 ? 12 : n;
    return hour >= 1 && hour <= 12 ? numerals[size_t(hour - 1)] : IntToStr(n);
}

TClockHands ClockHandAngles(int hour, int minute, int second, int millisecond) {
    return TClockHands{360 - (60.0 * hour + minute) * 360 / 720, 360 - minute * 360.0 / 60,
                       360 - (second + millisecond / 1000.0) * 360 / 60};
}
