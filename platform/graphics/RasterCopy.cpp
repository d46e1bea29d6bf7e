#include "platform/graphics/RasterCopy.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsLimits.h"

TSize RasterCopySize(int width, int height) {
    if (FitsPixels(width, height, MaxRasterPixels)) return TSize{width, height};
    const double scale = std::sqrt(double(MaxRasterPixels) / (double(width) * double(height)));
    // Rounding keeps each side at least one pixel; a picture far longer than wide then has its
    // long side cut to what the count leaves.
    int64_t w = std::max(1, int(width * scale)), h = std::max(1, int(height * scale));
    h = std::min(h, MaxRasterPixels);
    w = std::min(w, MaxRasterPixels / h);
    h = std::min(h, MaxRasterPixels / w);
    return TSize{int(w), int(h)};
}

void DrawRasterCopy(TBitmap& bitmap, TGraphic* graphic) {
    const TSize size = RasterCopySize(graphic->Width(), graphic->Height());
    bitmap.SetSize(size.cx, size.cy);
    if (size.cx == graphic->Width() && size.cy == graphic->Height())
        bitmap.Canvas()->Draw(0, 0, graphic);
    else
        bitmap.Canvas()->StretchDraw(TRect{0, 0, size.cx, size.cy}, graphic);
}
