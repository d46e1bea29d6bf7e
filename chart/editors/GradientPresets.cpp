#include "chart/editors/GradientPresets.h"

namespace {

const TGradientPreset Presets[] = {
    {"Caribe Sun", RGB(210, 223, 221), RGB(151, 10, 245), RGB(244, 128, 11), 50, gdTopBottom},
    {"Business", RGB(192, 192, 192), RGB(255, 255, 255), RGB(128, 128, 128), 50, gdTopBottom},
    {"Hot", RGB(255, 0, 0), clNone, RGB(255, 255, 0), 50, gdTopBottom},
    {"Ace", RGB(0, 0, 0), RGB(128, 128, 255), RGB(0, 0, 0), 74, gdBottomTop},
    {"Farm", RGB(213, 106, 0), RGB(255, 255, 255), RGB(196, 98, 0), 4, gdBottomTop},
    {"Sea", RGB(128, 255, 255), RGB(128, 128, 255), RGB(0, 0, 128), 55, gdBottomTop},
    {"Night", RGB(255, 255, 255), RGB(64, 0, 128), RGB(0, 0, 0), 40, gdTopBottom},
    {"Space", RGB(32, 3, 165), RGB(64, 0, 128), RGB(255, 255, 255), 50, gdFromTopLeft},
    {"Golf", RGB(2, 153, 21), RGB(192, 192, 192), RGB(134, 249, 217), 50, gdTopBottom},
    {"Funky", RGB(129, 56, 189), RGB(122, 96, 135), RGB(133, 235, 82), 50, gdTopBottom},
    {"Sunset", RGB(6, 90, 184), RGB(175, 216, 167), RGB(66, 16, 0), 50, gdTopBottom},
    {"Rainbow", RGB(232, 30, 161), RGB(85, 131, 15), RGB(26, 1, 221), 50, gdTopBottom},
    {"Pastel", RGB(137, 116, 36), RGB(246, 145, 148), RGB(157, 139, 253), 50, gdTopBottom},
    {"Tropical", RGB(75, 65, 154), RGB(243, 47, 115), RGB(97, 215, 32), 50, gdTopBottom},
    {"Sea 2", RGB(28, 3, 76), RGB(225, 203, 186), RGB(249, 30, 41), 50, gdTopBottom},
    {"Desert", RGB(183, 95, 38), RGB(133, 113, 206), RGB(87, 68, 96), 50, gdTopBottom},
    {"Clear day", RGB(234, 243, 255), RGB(233, 230, 224), RGB(255, 219, 206), 50, gdTopBottom},
};

}  // namespace

std::span<const TGradientPreset> GradientPresets() { return Presets; }

void ApplyGradientPreset(TCustomTeeGradient& gradient, const TGradientPreset& preset) {
    gradient.SetStartColor(preset.StartColor);
    gradient.SetMidColor(preset.MidColor);
    gradient.SetEndColor(preset.EndColor);
    gradient.SetDirection(preset.Direction);
    gradient.SetBalance(preset.Balance);
}
