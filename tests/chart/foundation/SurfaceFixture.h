#pragma once
// A surface drawing straight onto a small white bitmap, with no clip saved by earlier tests.
#include <memory>

#include "chart/foundation/SavedClipRegion.h"
#include "platform/graphics/Bitmap.h"

template <class TSurface>
struct TSurfaceOnBitmap {
    TBitmap Target;
    TSurface Surface;

    TSurfaceOnBitmap(int width, int height) : Target(width, height) {
        ClearSavedClips();
        Target.SetPixelFormat(pf24bit);
        Surface.SetBufferedDisplay(false);
        Surface.PrepareDrawing(Target.Canvas(), nullptr, clWhite, false,
                               TRect{0, 0, width, height});
        Surface.ResetDrawingState();
    }
    ~TSurfaceOnBitmap() { ClearSavedClips(); }
    // The target's pixel, read past any clip.
    TColor At(int x, int y) {
        const uint8_t* bgr = Target.ScanLine(y) + 3 * x;
        return RGB(bgr[2], bgr[1], bgr[0]);
    }
    // Paints the whole target through the surface, so only the clipped part changes.
    void FillAll(TColor color) {
        Surface.Brush()->SetColor(color);
        Surface.FillRectangle(TRect{0, 0, Target.Width(), Target.Height()});
    }
};
