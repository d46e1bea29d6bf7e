#include "workbench/TargetingView.h"

#include <algorithm>
#include <cmath>

#include "engine/VC.h"
#include "platform/rtl/FloatFormat.h"

TTargetingRanges TargetingRanges(int kind, const std::array<double, 4>& params,
                                 const TProfileBounds& outline, double lastNodeZ) {
    TTargetingRanges r;
    r.ZMin = outline.ZMin;
    r.ZMax = outline.ZMax;
    r.YZMin = r.XZMin = outline.YMin;
    r.YZMax = r.XZMax = outline.YMax;
    switch (kind) {
        case 0:
        case 4:
            r.ZMax += 0.1 * (outline.ZRange != 0 ? outline.ZRange : outline.YRange);
            break;
        case 1: {
            // The beam's angle is in degrees, as the launcher takes it.
            const double zb = params[0], rb = params[1];
            const double halfHeight = std::cos(params[2] * M_PI / 180) * rb;
            r.YZMin = std::min(-halfHeight, outline.YMin);
            r.YZMax = std::max(halfHeight, outline.YMax);
            r.ZMin = std::min(zb - rb, outline.ZMin);
            r.ZMax = std::max(zb + rb, outline.ZMax);
            break;
        }
        case 3: {
            const double yd = params[0], rd = params[1], h = params[2];
            r.YZMin = std::min(yd - rd, outline.YMin);
            r.YZMax = std::max(yd + rd, outline.YMax);
            r.ZMax = lastNodeZ + h;
            break;
        }
        default:
            break;
    }
    return r;
}

std::array<std::string, 2> TargetingTitle(const std::string& datasetName, int kind,
                                          const std::array<double, 4>& params) {
    const size_t k = size_t(kind);
    std::string line;
    for (size_t p = 0; p < ViewParamCounts.at(k); ++p)
        line += std::string(ViewParamNames[k][p]) + " = " + FormatFloat("###0.0######", params[p]) +
                "; ";
    if (kind != 4) {
        line.resize(line.size() - 2);
    } else {
        line += " X = " + FormatFloat("###0.0###", 0) +
                "; Y = " + FormatFloat("###0.0###", params[2]) +
                "; Z = " + FormatFloat("###0.0###", params[1]) + "; Surface # " +
                std::to_string(long(std::nearbyint(params[3])));
    }
    return {datasetName + ": " + ViewKindNames[k], line};
}
