#include "platform/graphics/GraphicsLimits.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/graphics/Graphic.h"

void CheckPictureSize(int64_t width, int64_t height, int64_t limit) {
    if (FitsPixels(width, height, limit)) return;
    throw EInvalidGraphic("The picture is too large: " + std::to_string(width) + " x " +
                          std::to_string(height) + " pixels, more than " + std::to_string(limit));
}

TSize BoundedRasterSize(int width, int height) {
    if (FitsPixels(width, height, MaxRasterPixels)) return TSize{width, height};
    const double scale = std::sqrt(double(MaxRasterPixels) / (double(width) * double(height)));
    // Rounding keeps each side at least one pixel; an area far longer than wide then has its
    // long side cut to what the count leaves.
    int64_t w = std::max(1, int(width * scale)), h = std::max(1, int(height * scale));
    h = std::min(h, MaxRasterPixels);
    w = std::min(w, MaxRasterPixels / h);
    h = std::min(h, MaxRasterPixels / w);
    return TSize{int(w), int(h)};
}
