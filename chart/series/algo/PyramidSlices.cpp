#include "chart/series/algo/PyramidSlices.h"

#include "platform/rtl/RtlMath.h"

int PyramidHalfBase(int axisLength, int sizePercent) {
    return RoundToInt(axisLength * sizePercent * 0.005);
}

bool PyramidSliceShape(int w, double total, double below, double value, int depth,
                       TPyramidSlice& out) {
    if (total == 0) return false;
    // Percent of the total at and above the slice's bottom and top.
    const double a = 100 - below * 100 / total;
    const double f = 100 - (below + value) * 100 / total;
    out.BottomHalfWidth = RoundToInt(w * a * 0.01);
    out.BottomInset = 100 - a > 0 ? RoundToInt((100 - a) * depth * 0.005) : 0;
    out.TopDepth = f >= 100 ? 0 : RoundToInt(f * depth * 0.005);
    out.TopHalfWidth = RoundToInt(w * f * 0.01);
    return true;
}
