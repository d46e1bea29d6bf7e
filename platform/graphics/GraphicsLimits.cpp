#include "platform/graphics/GraphicsLimits.h"

#include <string>

#include "platform/graphics/Graphic.h"

void CheckPictureSize(int64_t width, int64_t height, int64_t limit) {
    if (FitsPixels(width, height, limit)) return;
    throw EInvalidGraphic("The picture is too large: " + std::to_string(width) + " x " +
                          std::to_string(height) + " pixels, more than " + std::to_string(limit));
}
