#pragma once
// Colour arithmetic for shading: darker and lighter shades clamped per channel, and the 24-bit
// pixel layout of a colour.
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Colors.h"

// Each channel of ColorToRGB(Color) lowered by Amount (0..255), not below 0.
TColor DarkenColor(TColor Color, int Amount);
// Each channel raised by Amount, not above 255.
TColor LightenColor(TColor Color, int Amount);
// Blue, green, red of a plain colour.
TRGBTriple ColorToRGBTriple(TColor Color);
