// The hue-saturation-lightness model of the enhanced controls and the version answers.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "controls/RzCommon.h"
#include "platform/rtl/RtlMath.h"

void ColorToHueSatLum(TColor color, int& h, int& s, int& l) {
    const TColor rgb = ColorToRGB(color);
    const double r = GetRValue(rgb) / 255.0, g = GetGValue(rgb) / 255.0, b = GetBValue(rgb) / 255.0;
    const double hi = std::max({r, g, b}), lo = std::min({r, g, b});
    const double lum = (hi + lo) / 2;
    double hue = 0, sat = 0;
    if (hi != lo) {
        const double d = hi - lo;
        sat = lum < 0.5 ? d / (hi + lo) : d / (2 - hi - lo);
        if (r == hi)
            hue = (g - b) / d;
        else if (g == hi)
            hue = (b - r) / d + 2;
        else
            hue = (r - g) / d + 4;
        hue /= 6;
        if (hue < 0) hue += 1;
    }
    h = int(Round(hue * 240));
    s = int(Round(sat * 240));
    l = int(Round(lum * 240));
}

TColor HueSatLumToColor(int h, int s, int l) {
    // The hue is divided by 239, not 240: a hue of 239 or more lands in a seventh sector that
    // reads like the first. Kept, because stored colours were derived this way.
    const double hh = h / 239.0, ss = s / 240.0, ll = l / 240.0;
    const double v = ll < 0.5 ? ll * (1 + ss) : ll + ss - ll * ss;
    if (v <= 0) return RGB(0, 0, 0);
    const double m = 2 * ll - v;
    const double sv = (v - m) / v;
    const double h6 = 6 * hh;
    const int k = int(h6);
    const double f = h6 - k;
    const double t = v * sv * f;
    const double mid1 = m + t, mid2 = v - t;
    double r, g, b;
    switch (k) {
        case 1:
            r = mid2, g = v, b = m;
            break;
        case 2:
            r = m, g = v, b = mid1;
            break;
        case 3:
            r = m, g = mid2, b = v;
            break;
        case 4:
            r = mid1, g = m, b = v;
            break;
        case 5:
            r = v, g = m, b = mid2;
            break;
        default:
            r = v, g = mid1, b = m;
            break;
    }
    auto channel = [](double c) { return uint8_t(Round(std::min(c, 1.0) * 255)); };
    return RGB(channel(r), channel(g), channel(b));
}

TColor RzColor::DarkenColor(TColor color, int amount) {
    int h, s, l;
    ColorToHueSatLum(color, h, s, l);
    return HueSatLumToColor(h, s, std::max(l - amount, 0));
}

TColor RzColor::LightenColor(TColor color, int amount) {
    int h, s, l;
    ColorToHueSatLum(color, h, s, l);
    // Capped at 255, not 240: anything above 240 comes out white all the same.
    return HueSatLumToColor(h, s, std::min(l + amount, 255));
}

TColor ShiftColorLightness(TColor color, int amount) {
    if (amount < 0) return RzColor::DarkenColor(color, -amount);
    if (amount > 0) return RzColor::LightenColor(color, amount);
    return color;
}

bool ColorsNearlyEqual(TColor a, TColor b) {
    int ha, sa, la, hb, sb, lb;
    ColorToHueSatLum(a, ha, sa, la);
    ColorToHueSatLum(b, hb, sb, lb);
    return std::abs(ha - hb) < 20 && std::abs(la - lb) < 60;
}

TColor ThemeElementColor() { return clBtnFace; }

namespace {
// The system the controls believe they run on: the NT family, version 6.1.
constexpr bool kNtPlatform = true;
constexpr int kMajor = 6, kMinor = 1;
}  // namespace

bool WindowsVersionIs(TWindowsVersion version) {
    switch (version) {
        case wvWin95:
            return !kNtPlatform && kMajor <= 4 && kMinor == 0;
        case wvWinNT4:
            return kNtPlatform && kMajor <= 4;
        default:
            return false;
    }
}

bool WindowsVersionAtLeast(TWindowsVersion version) {
    switch (version) {
        case wvWinXP:
            return kNtPlatform && ((kMajor == 5 && kMinor > 0) || kMajor > 5);
        case wvWinVista:
            return kNtPlatform && kMajor > 5;
        default:
            return true;
    }
}

TRect CenteredRect(const TRect& bounds, int width, int height) {
    const int left = int(IntDiv(bounds.Left + bounds.Right - width, 2));
    const int top = int(IntDiv(bounds.Top + bounds.Bottom - height, 2));
    return Bounds(left, top, width, height);
}
