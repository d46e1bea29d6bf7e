#include "chart/foundation/TeeFilters.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/PropInfo.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

namespace {

uint8_t Clamp255(int64_t v) { return uint8_t(std::clamp<int64_t>(v, 0, 255)); }

// Calls op on every channel byte of Rect.
template <class Op>
void ForEachChannel(TScanLines& lines, const TRect& Rect, Op op) {
    for (int y = Rect.Top; y <= Rect.Bottom; ++y) {
        uint8_t* p = lines[size_t(y)] + Rect.Left * 3;
        uint8_t* end = lines[size_t(y)] + (Rect.Right + 1) * 3;
        for (; p < end; ++p) *p = op(*p);
    }
}

// Calls op(blue, green, red) on every pixel of Rect.
template <class Op>
void ForEachPixel(TScanLines& lines, const TRect& Rect, Op op) {
    for (int y = Rect.Top; y <= Rect.Bottom; ++y) {
        uint8_t* p = lines[size_t(y)] + Rect.Left * 3;
        for (int x = Rect.Left; x <= Rect.Right; ++x, p += 3) op(p[0], p[1], p[2]);
    }
}

}  // namespace

// --- Invert and gray scale ------------------------------------------------------------------

void TInvertFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    if (ScanLines().empty()) return;
    ForEachChannel(ScanLines(), Rect, [](uint8_t v) { return uint8_t(255 - v); });
}

std::string TInvertFilter::GetCaption() const { return TxtInvert; }

void TGrayScaleFilter::Publish(TPublisher<TGrayScaleFilter>& p) {
    static const TEnumInfo names{"gmSimple", "gmEye", "gmEye2"};
    p.Enumeration("Method", names, &TGrayScaleFilter::Method, &TGrayScaleFilter::SetMethod)
        .Default(gmSimple);
}

void TGrayScaleFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    if (ScanLines().empty()) return;
    const TGrayMethod method = FMethod;
    ForEachPixel(ScanLines(), Rect, [method](uint8_t& b, uint8_t& g, uint8_t& r) {
        int grey;
        switch (method) {
            case gmEye:
                grey = int(Round(0.3L * r + 0.59L * g + 0.11L * b));
                break;
            case gmEye2:
                grey = (11 * r + 16 * g + 5 * b) >> 5;
                break;
            default:
                grey = (r + g + b) / 3;
                break;
        }
        b = g = r = Clamp255(grey);
    });
}

std::string TGrayScaleFilter::GetCaption() const { return TxtGrayScale; }

// --- Amount filters -------------------------------------------------------------------------

void TAmountFilter::Publish(TPublisher<TAmountFilter>& p) {
    // The default depends on the filter, so the amount is always written.
    p.Integer("Amount", &TAmountFilter::Amount, &TAmountFilter::SetAmount).NoDefault();
    p.Boolean("Percent", &TAmountFilter::Percent, &TAmountFilter::SetPercent).Default(true);
}

void TMosaicFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    const int size = Amount();
    if (ScanLines().empty() || size < 1) return;
    TScanLines& lines = ScanLines();
    for (int top = Rect.Top; top <= Rect.Bottom; top += size) {
        const int bottom = std::min(top + size - 1, Rect.Bottom);
        for (int left = Rect.Left; left <= Rect.Right; left += size) {
            const int right = std::min(left + size - 1, Rect.Right);
            const TRect cell{left, top, right, bottom};
            int64_t sum[3] = {0, 0, 0};
            ForEachPixel(lines, cell, [&sum](uint8_t& b, uint8_t& g, uint8_t& r) {
                sum[0] += b;
                sum[1] += g;
                sum[2] += r;
            });
            const float reciprocal = 1.0f / float((right - left + 1) * (bottom - top + 1));
            uint8_t mean[3];
            for (int c = 0; c < 3; ++c) mean[c] = Clamp255(Round((long double)sum[c] * reciprocal));
            ForEachPixel(lines, cell, [&mean](uint8_t& b, uint8_t& g, uint8_t& r) {
                b = mean[0];
                g = mean[1];
                r = mean[2];
            });
        }
    }
}

std::string TMosaicFilter::GetCaption() const { return TxtMosaic; }

void TBrightnessFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    if (ScanLines().empty() || Amount() == 0) return;
    const float a = Percent() ? float(Amount() * 0.01f) : float(Amount());
    const int step = Percent() ? int(Round(a * 255.0f)) : Amount();
    ForEachChannel(ScanLines(), Rect, [step](uint8_t v) { return Clamp255(v + step); });
}

std::string TBrightnessFilter::GetCaption() const { return TxtBrightness; }

void TContrastFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    if (ScanLines().empty()) return;
    std::array<uint8_t, 256> table;
    const float c = float(Amount() * 0.01f);
    for (int v = 0; v < 256; ++v) {
        const int64_t factor = Percent() ? Round(v * c) : Amount();
        table[size_t(v)] = Clamp255(v + (factor * (v - 128)) / 256);
    }
    ForEachChannel(ScanLines(), Rect, [&table](uint8_t v) { return table[v]; });
}

std::string TContrastFilter::GetCaption() const { return TxtContrast; }

void TGammaCorrectionFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    if (ScanLines().empty()) return;
    const double g = std::max(std::abs(Amount()) * 0.01, 0.001);
    std::array<uint8_t, 256> table;
    table[0] = 0;
    for (int i = 1; i < 256; ++i)
        table[size_t(i)] = Clamp255(Round(255 * std::pow(i / 255.0, 1 / g)));
    ForEachChannel(ScanLines(), Rect, [&table](uint8_t v) { return table[v]; });
}

std::string TGammaCorrectionFilter::GetCaption() const { return TxtGammaCorrection; }

// --- Row and column exchanges ---------------------------------------------------------------

void TFlipFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    if (ScanLines().empty()) return;
    const size_t bytes = size_t(Rect.Right - Rect.Left + 1) * 3;
    for (int top = Rect.Top, bottom = Rect.Bottom; top < bottom; ++top, --bottom)
        std::swap_ranges(ScanLines()[size_t(top)] + Rect.Left * 3,
                         ScanLines()[size_t(top)] + Rect.Left * 3 + bytes,
                         ScanLines()[size_t(bottom)] + Rect.Left * 3);
}

std::string TFlipFilter::GetCaption() const { return TxtFlip; }

void TReverseFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    if (ScanLines().empty()) return;
    for (int y = Rect.Top; y <= Rect.Bottom; ++y) {
        uint8_t* row = ScanLines()[size_t(y)];
        for (int left = Rect.Left, right = Rect.Right; left < right; ++left, --right)
            std::swap_ranges(row + left * 3, row + left * 3 + 3, row + right * 3);
    }
}

std::string TReverseFilter::GetCaption() const { return TxtReverse; }

// --- Colour shifts --------------------------------------------------------------------------

void TColorFilter::Publish(TPublisher<TColorFilter>& p) {
    p.Integer("Red", &TColorFilter::Red, &TColorFilter::SetRed).Default(0);
    p.Integer("Green", &TColorFilter::Green, &TColorFilter::SetGreen).Default(0);
    p.Integer("Blue", &TColorFilter::Blue, &TColorFilter::SetBlue).Default(0);
}

void TColorFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    if (ScanLines().empty() || (FRed == 0 && FGreen == 0 && FBlue == 0)) return;
    const int red = FRed, green = FGreen, blue = FBlue;
    ForEachPixel(ScanLines(), Rect, [=](uint8_t& b, uint8_t& g, uint8_t& r) {
        b = Clamp255(b + blue);
        g = Clamp255(g + green);
        r = Clamp255(r + red);
    });
}

std::string TColorFilter::GetCaption() const { return TxtColor; }

void THueLumSatFilter::Publish(TPublisher<THueLumSatFilter>& p) {
    p.Integer("Hue", &THueLumSatFilter::Hue, &THueLumSatFilter::SetHue).Default(0);
    p.Integer("Luminance", &THueLumSatFilter::Luminance, &THueLumSatFilter::SetLuminance)
        .Default(0);
    p.Integer("Saturation", &THueLumSatFilter::Saturation, &THueLumSatFilter::SetSaturation)
        .Default(0);
}

void THueLumSatFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    if (ScanLines().empty() || (FHue == 0 && FLuminance == 0 && FSaturation == 0)) return;
    const int dh = FHue, dl = FLuminance, ds = FSaturation;
    ForEachPixel(ScanLines(), Rect, [=](uint8_t& b, uint8_t& g, uint8_t& r) {
        int h, l, s;
        ColorToHueLumSat(RGB(r, g, b), h, l, s);
        if (dh != 0) h = std::clamp(h + dh, 0, 255);
        if (dl != 0) l = std::clamp(l + dl, 0, 255);
        if (ds != 0) s = std::clamp(s + ds, 0, 255);
        const TColor c = HueLumSatToColor(h, l, s);
        b = GetBValue(c);
        g = GetGValue(c);
        r = GetRValue(c);
    });
}

std::string THueLumSatFilter::GetCaption() const { return TxtHueLumSat; }

// --- Kernels --------------------------------------------------------------------------------

TSharpenFilter::TSharpenFilter(TCollection* collection) : TConvolveFilter(collection) {
    std::fill(std::begin(FWeights), std::end(FWeights), -1.0f / 8);
    FWeights[4] = 2;
}

std::string TSharpenFilter::GetCaption() const { return TxtSharpen; }

TEmbossFilter::TEmbossFilter(TCollection* collection) : TConvolveFilter(collection) {
    const float weights[9] = {0, -1, 0, -1, 1, 1, 0, -1, 0};
    std::copy(std::begin(weights), std::end(weights), FWeights);
}

std::string TEmbossFilter::GetCaption() const { return TxtEmboss; }

TSoftenFilter::TSoftenFilter(TCollection* collection) : TConvolveFilter(collection) {
    const float weights[9] = {0, 0, 0, 0, 1, 1, 0, 1, 1};
    std::copy(std::begin(weights), std::end(weights), FWeights);
}

std::string TSoftenFilter::GetCaption() const { return TxtAntialias; }

// --- Bevel ----------------------------------------------------------------------------------

void TBevelFilter::Publish(TPublisher<TBevelFilter>& p) {
    p.Integer("Bright", &TBevelFilter::Bright, &TBevelFilter::SetBright).Default(64);
    p.Integer("Size", &TBevelFilter::Size, &TBevelFilter::SetSize).Default(15);
}

void TBevelFilter::ApplyToRect(TBitmap& Bitmap, const TRect& Rect) {
    TTeeFilter::ApplyToRect(Bitmap, Rect);
    if (ScanLines().empty()) return;
    TScanLines& lines = ScanLines();
    const int bright = FBright;
    auto shade = [&lines](int x, int y, int delta) {
        uint8_t* p = lines[size_t(y)] + x * 3;
        for (int c = 0; c < 3; ++c) p[c] = Clamp255(p[c] + delta);
    };
    const TRect& R = Rect;
    for (int k = 0; k < FSize; ++k) {
        const bool rows = k < (R.Bottom - R.Top) / 2;
        const bool columns = k < (R.Right - R.Left) / 2;
        if (!rows && !columns) break;
        if (rows)
            for (int x = R.Left + k; x <= R.Right - k; ++x) {
                shade(x, R.Top + k, bright);
                shade(x, R.Bottom - k, -bright);
            }
        if (columns)
            for (int y = R.Top + k + 1; y <= R.Bottom - k; ++y) {
                shade(R.Left + k, y, bright);
                shade(R.Right - k, y, -bright);
            }
    }
}

std::string TBevelFilter::GetCaption() const { return TxtBevel; }
