#pragma once
// The colours of a gauge come from a palette of 24 entries, each with a fixed role: the three
// frame rings (0..2), the face gradient (3..5), the red and green range gradients (6..8, 9..11),
// the hand pen (12), the dial hand gradient (13..15), texts (20, 21) and the tick pens (22, 23).
// Entries 16 to 19 have no role. Three palettes come built in: the liquid-crystal and the
// light-emitting read-outs, and the scale of the dial and linear gauges.
#include <array>

#include "platform/graphics/Colors.h"

inline constexpr int GaugePaletteSize = 24;
using TGaugePalette = std::array<TColor, GaugePaletteSize>;

// The roles of the entries.
enum TGaugePaletteEntry {
    gpeOuterRing = 0,
    gpeMiddleRing = 1,
    gpeInnerRing = 2,
    gpeFaceStart = 3,
    gpeFaceMiddle = 4,
    gpeFaceEnd = 5,
    gpeRedStart = 6,
    gpeRedMiddle = 7,
    gpeRedEnd = 8,
    gpeGreenStart = 9,
    gpeGreenMiddle = 10,
    gpeGreenEnd = 11,
    gpeHandPen = 12,
    gpeHandGradientEnd = 13,
    gpeHandGradientMiddle = 14,
    gpeHandGradientStart = 15,
    gpeMarkerText = 20,
    gpeAxisTitle = 21,
    gpeTickPen = 22,
    gpeMinorTickPen = 23
};

extern const TGaugePalette GaugeLCDPalette;
extern const TGaugePalette GaugeLEDPalette;
extern const TGaugePalette GaugeScalePalette;
