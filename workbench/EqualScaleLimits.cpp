#include "workbench/EqualScaleLimits.h"

std::optional<TEqualScaleLimits> EqualScaleLimits(const TProfileBounds& b, int width, int height) {
    if (width <= 0 || height <= 0) return std::nullopt;
    const double w = width, h = height;
    const double mZ = 0.02 * b.ZRange, mY = 0.02 * b.YRange;
    // Units per pixel when the profile's height fills the plot's height.
    const double s = b.YRange / h;
    if (s == 0) return std::nullopt;
    TEqualScaleLimits limits;
    if (b.ZRange / s < w) {
        limits.Horizontal = {b.ZMin - mZ, b.ZMin + w * s};
        limits.Vertical = {b.YMin - mY, b.YMax + mY};
    } else {
        const double k = (h / w) * b.ZRange / b.YRange;
        limits.Horizontal = {b.ZMin - mZ, b.ZMax + mZ};
        limits.Vertical = {k * b.YMin - mY, k * b.YMax + mY};
    }
    return limits;
}
