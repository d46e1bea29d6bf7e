// Bitmaps drawn with one transparent colour.
#include "controls/RzCommon.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {
// The srcRect part of bitmap stretched to w x h and drawn with its top-left corner at origin,
// every pixel of the transparent colour left out so that what lies beneath stays.
void DrawThroughKey(TCanvas& canvas, TBitmap& bitmap, TPoint origin, int w, int h,
                    TColor transparent, const TRect& srcRect) {
    const int sw = srcRect.Width(), sh = srcRect.Height();
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
    TCanvas& source = *bitmap.Canvas();
    const TColor key = ColorToRGB(transparent);
    for (int y = 0; y < h; ++y) {
        const int sy = srcRect.Top + y * sh / h;
        for (int x = 0; x < w; ++x) {
            const TColor c = source.Pixel(srcRect.Left + x * sw / w, sy);
            if (c != key) canvas.SetPixel(origin.X + x, origin.Y + y, c);
        }
    }
}
}  // namespace

void BlitThroughMask(TCanvas& canvas, TBitmap& bitmap, const TRect& dest, TColor transparent,
                     const TRect& srcRect) {
    DrawThroughKey(canvas, bitmap, TPoint{0, 0}, dest.Width(), dest.Height(), transparent, srcRect);
}

void StretchThroughMask(TCanvas& canvas, TBitmap& bitmap, const TRect& dest, TColor transparent,
                        const TRect& srcRect) {
    DrawThroughKey(canvas, bitmap, TPoint{dest.Left, dest.Top}, dest.Width(), dest.Height(),
                   transparent, srcRect);
}
