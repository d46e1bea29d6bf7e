// Bitmaps drawn with one transparent colour.
#include "controls/RzCommon.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

void BlitThroughMask(TCanvas& canvas, TBitmap& bitmap, const TRect& dest, TColor transparent,
                     const TRect& srcRect) {
    const int w = dest.Width(), h = dest.Height();
    const int sw = srcRect.Width(), sh = srcRect.Height();
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
    TCanvas& source = *bitmap.Canvas();
    const TColor key = ColorToRGB(transparent);
    for (int y = 0; y < h; ++y) {
        const int sy = srcRect.Top + y * sh / h;
        for (int x = 0; x < w; ++x) {
            const TColor c = source.Pixel(srcRect.Left + x * sw / w, sy);
            if (c != key) canvas.SetPixel(x, y, c);
        }
    }
}
