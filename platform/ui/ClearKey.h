#pragma once
// Pictures drawn over a key colour that no painter uses: the pixels left in it become
// see-through when the picture reaches the screen (overlays, transparent labels).
#include "platform/graphics/Colors.h"

class QImage;
class TBitmap;

inline constexpr TColor kClearKey = RGB(1, 2, 3);

// Fills the bitmap with the key colour.
void FillWithClearKey(TBitmap& bitmap);
// The bitmap's picture with every pixel of the key colour fully transparent.
QImage ClearKeyedImage(const TBitmap& bitmap);
