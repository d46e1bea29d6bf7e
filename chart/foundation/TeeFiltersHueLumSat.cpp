// Hue, luminance and saturation on a 0..240 scale against RGB channels of 0..255, in single
// precision and rounded at the end (to nearest, ties to even, through lrint: this runs per pixel).
#include <algorithm>
#include <cmath>

#include "chart/foundation/TeeFilters.h"

namespace {

constexpr float HlsMax = 240;
constexpr float RgbMax = 255;
constexpr float Undefined = HlsMax * 2 / 3;  // the hue of greys

float HueToRgb(float m1, float m2, float h) {
    if (h < 0) h += HlsMax;
    if (h > HlsMax) h -= HlsMax;
    if (h < HlsMax / 6) return m1 + ((m2 - m1) * h + HlsMax / 12) / (HlsMax / 6);
    if (h < HlsMax / 2) return m2;
    if (h < HlsMax * 2 / 3)
        return m1 + ((m2 - m1) * (HlsMax * 2 / 3 - h) + HlsMax / 12) / (HlsMax / 6);
    return m1;
}

uint8_t Channel(float v) {
    return uint8_t(std::clamp<long>(std::lrint((v * RgbMax + HlsMax / 2) / HlsMax), 0, 255));
}

}  // namespace

void ColorToHueLumSat(TColor Color, int& Hue, int& Luminance, int& Saturation) {
    const TColor rgb = ColorToRGB(Color);
    const int r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
    const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
    const float l = (float(mx + mn) * HlsMax + RgbMax) / (2 * RgbMax);
    float h, s;
    if (mx == mn) {
        h = Undefined;
        s = 0;
    } else {
        const float spread = float(mx - mn);
        if (l <= HlsMax / 2)
            s = (spread * HlsMax + float(mx + mn) / 2) / float(mx + mn);
        else
            s = (spread * HlsMax + (2 * RgbMax - float(mx + mn)) / 2) /
                (2 * RgbMax - float(mx + mn));
        auto delta = [&](int channel) {
            return (float(mx - channel) * (HlsMax / 6) + spread / 2) / spread;
        };
        const float rd = delta(r), gd = delta(g), bd = delta(b);
        if (r == mx)
            h = bd - gd;
        else if (g == mx)
            h = HlsMax / 3 + rd - bd;
        else
            h = HlsMax * 2 / 3 + gd - rd;
        if (h < 0) h += HlsMax;
        if (h > HlsMax) h -= HlsMax;
    }
    Hue = int(std::lrint(h));
    Luminance = int(std::lrint(l));
    Saturation = int(std::lrint(s));
}

TColor HueLumSatToColor(int Hue, int Luminance, int Saturation) {
    const float l = float(Luminance), s = float(Saturation), h = float(Hue);
    if (Saturation == 0) {
        const uint8_t v = uint8_t(std::min<long>(255, std::lrint(l * RgbMax / HlsMax)));
        return RGB(v, v, v);
    }
    const float m2 = l <= HlsMax / 2 ? (l * (HlsMax + s) + HlsMax / 2) / HlsMax
                                     : l + s - (l * s + HlsMax / 2) / HlsMax;
    const float m1 = 2 * l - m2;
    return RGB(Channel(HueToRgb(m1, m2, h + HlsMax / 3)), Channel(HueToRgb(m1, m2, h)),
               Channel(HueToRgb(m1, m2, h - HlsMax / 3)));
}
