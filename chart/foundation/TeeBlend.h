#pragma once
// See-through drawing: a blend captures the pixels under a rectangle before something is drawn
// there and mixes them back afterwards, so the drawing shows only partly.
#include <memory>

#include "platform/graphics/Geometry.h"

class TBitmap;
class TTeeCanvas;

// Lays Source over Dest at Origin, Source showing (100 - Percent) percent of itself: alpha
// 255 - round(Percent * 2.55). Both become 24-bit; a negative Origin counts as 0.
void BlendBitmaps(TBitmap& Source, TBitmap& Dest, TPoint Origin, double Percent);

class TTeeBlend {
public:
    // Captures Rect of Surface at once.
    TTeeBlend(TTeeCanvas& Surface, const TRect& Rect);
    ~TTeeBlend();
    TTeeBlend(const TTeeBlend&) = delete;
    TTeeBlend& operator=(const TTeeBlend&) = delete;

    // Rect ordered, kept at non-negative coordinates and at least 1 x 1, and within the
    // surface's paint bounds, then its pixels copied from the buffer (or the bound canvas).
    void CaptureRect(const TRect& Rect);
    // The captured pixels laid back over the drawing, Transparency percent of them.
    void BlendBack(int Transparency);

    TRect CapturedRect() const { return FRect; }
    // The captured pixels, which may be changed before they are laid back.
    TBitmap* Bitmap() const { return FCaptured.get(); }
    bool Valid() const { return FValid; }

private:
    TTeeCanvas& FSurface;
    TRect FRect;
    bool FValid = false;
    std::unique_ptr<TBitmap> FCaptured;
};
