#include "chart/foundation/ColorRoutines.h"

#include <algorithm>

namespace {

uint8_t Clamp(int channel) { return uint8_t(std::clamp(channel, 0, 255)); }

TColor Shift(TColor color, int amount) {
    const TColor rgb = ColorToRGB(color);
    return RGB(Clamp(GetRValue(rgb) + amount), Clamp(GetGValue(rgb) + amount),
               Clamp(GetBValue(rgb) + amount));
}

}  // namespace

TColor DarkenColor(TColor Color, int Amount) { return Shift(Color, -Amount); }
TColor LightenColor(TColor Color, int Amount) { return Shift(Color, Amount); }

TRGBTriple ColorToRGBTriple(TColor Color) {
    return TRGBTriple{GetBValue(Color), GetGValue(Color), GetRValue(Color)};
}
