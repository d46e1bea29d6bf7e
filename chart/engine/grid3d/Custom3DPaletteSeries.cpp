#include "chart/engine/grid3d/Custom3DPaletteSeries.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/Filer.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/Streams.h"

const TEnumInfo& TeePaletteStyleNames() {
    static const TEnumInfo names{"psPale",    "psStrong",  "psGrayScale",
                                 "psInvGray", "psRainbow", "psCustom"};
    return names;
}

namespace {

// The rainbow the psRainbow style lends the chart while it builds, as $BBGGRR.
constexpr std::array<TColor, 25> RainbowColors{
    0x000099, 0x0000C3, 0x0000EE, 0x001AFF, 0x0046FF, 0x0073FF, 0x009FFF, 0x00CBFF, 0x00F7FF,
    0x08F4E3, 0x11E7C3, 0x1BDAA3, 0x25CD83, 0x2EC063, 0x38B342, 0x42A622, 0x4B9A02, 0x6A870C,
    0x8A751A, 0xAA6328, 0xCB5036, 0xEB3E44, 0xFF2A61, 0xFF1596, 0xFF00CC};

// The phase divisors of the red, green and blue waves of the pale and strong styles.
constexpr double RedPhase = 2.0, GreenPhase = 1.0, BluePhase = 1.0;

int Channel(TColor c, int shift) { return int((uint32_t(c) >> shift) & 0xFF); }
TColor Rgb(int r, int g, int b) { return TColor(r | (g << 8) | (b << 16)); }

// Each channel from `from` a share p of the way to `to`.
TColor Blend(TColor from, TColor to, double p) {
    auto channel = [&](int shift) {
        const int f = Channel(from, shift);
        return f + RoundToInt(p * (Channel(to, shift) - f));
    };
    return Rgb(channel(0), channel(8), channel(16));
}

// The palette entry is 8 bytes of bound and 4 of colour.
constexpr int64_t PaletteEntrySize = 12;

}  // namespace

TCustom3DPaletteSeries::TCustom3DPaletteSeries(TComponent* owner) : TCustom3DSeries(owner) {}
TCustom3DPaletteSeries::~TCustom3DPaletteSeries() { FPalette.clear(); }

// --- Settings.

void TCustom3DPaletteSeries::SetUseColorRange(bool value) {
    if (value) SetColorEachPoint(false);
    ChangeField(FUseColorRange, value);
}

void TCustom3DPaletteSeries::SetUsePalette(bool value) {
    if (value) {
        SetColorEachPoint(false);
        FUsePalette = true;
        EnsurePalette();
    }
    FUsePalette = value;
    Repaint();
}

void TCustom3DPaletteSeries::SetPaletteSteps(int value) {
    // A negative count would ask for a negative palette length.
    FPaletteSteps = std::max(0, value);
    BuildPalette();
}

void TCustom3DPaletteSeries::SetPaletteMin(double value) {
    FPaletteMin = value;
    BuildPalette();
}

void TCustom3DPaletteSeries::SetPaletteStep(double value) {
    FPaletteStep = value;
    BuildPalette();
}

void TCustom3DPaletteSeries::SetUsePaletteMin(bool value) {
    FUsePaletteMin = value;
    BuildPalette();
}

void TCustom3DPaletteSeries::SetPaletteStyle(TTeePaletteStyle value) {
    if (value == FPaletteStyle) return;
    FPaletteStyle = value;
    if (value != psCustom) ClearPalette();
    Repaint();
}

void TCustom3DPaletteSeries::SetLegendEvery(int value) {
    ChangeField(FLegendEvery, std::max(1, value));
}

// --- The palette.

void TCustom3DPaletteSeries::SetPalette(std::span<const TPaletteEntry> entries) {
    FPalette.assign(entries.begin(), entries.end());
}

int TCustom3DPaletteSeries::AddPaletteEntry(TColor color, double value) {
    const auto at =
        std::upper_bound(FPalette.begin(), FPalette.end(), value,
                         [](double v, const TPaletteEntry& e) { return e.UpToValue > v; });
    return int(FPalette.insert(at, TPaletteEntry{value, color}) - FPalette.begin());
}

void TCustom3DPaletteSeries::EnsurePalette() {
    if (Count() > 0 && FPalette.empty()) BuildPalette();
}

void TCustom3DPaletteSeries::BuildPalette(int steps) {
    const int n = std::max(0, steps != 0 ? steps : FPaletteSteps);
    TChartValueList& values = MandatoryValueList();
    const double step = FPaletteStep != 0
                            ? FPaletteStep
                            : (values.Maximum() - values.Minimum()) / std::max(1, n - 1);
    const double minimum = FUsePaletteMin ? FPaletteMin : values.Minimum();
    if (FPaletteStyle == psCustom) {
        // The bounds are set anew; colours beyond the old length repeat the old ones.
        const size_t old = FPalette.size();
        FPalette.resize(size_t(n));
        for (size_t i = 0; i < FPalette.size(); ++i) {
            FPalette[i].UpToValue = minimum + double(i) * step;
            if (i >= old) FPalette[i].Color = old > 0 ? FPalette[i % old].Color : TColor(0);
        }
    } else if (FPaletteStyle == psRainbow) {
        ClearPalette();
        AddRainbowEntries(n, minimum, step);
    } else {
        ClearPalette();
        for (int i = 0; i < n; ++i) {
            TColor color;
            if (FPaletteStyle == psPale || FPaletteStyle == psStrong) {
                const double d = i * (FPaletteStyle == psPale ? 1 : 2) * std::numbers::pi / n;
                color = Rgb(int((std::sin(d / RedPhase) + 1) * 127),
                            int((std::sin(d / GreenPhase) + 1) * 127),
                            int((std::cos(d / BluePhase) + 1) * 127));
            } else {
                int level = RoundToInt(i * 255.0 / n);
                if (FPaletteStyle == psInvGray) level = 255 - level;
                color = Rgb(level, level, level);
            }
            AddPaletteEntry(color, minimum + i * step);
        }
    }
    Repaint();
}

// The chart's colour list is lent for the build and given back afterwards, so that the chart
// keeps its palette (the list named by its palette index) instead of being left without one.
void TCustom3DPaletteSeries::AddRainbowEntries(int count, double minimum, double step) {
    if (!FParentChart) return;
    std::vector<TColor>& chartColors = FParentChart->ColorPalette;
    std::vector<TColor> saved(RainbowColors.begin(), RainbowColors.end());
    chartColors.swap(saved);
    struct TGiveBack {
        std::vector<TColor>& Colors;
        std::vector<TColor>& Saved;
        ~TGiveBack() { Colors.swap(Saved); }
    } giveBack{chartColors, saved};
    for (int i = 0; i < count; ++i)
        AddPaletteEntry(FParentChart->PaletteColor(i), minimum + i * step);
}

void TCustom3DPaletteSeries::SetPaletteColors(std::span<const TColor> colors) {
    if (colors.empty()) return;
    BuildPalette();
    for (size_t i = 0; i < FPalette.size(); ++i) FPalette[i].Color = colors[i % colors.size()];
    Repaint();
}

void TCustom3DPaletteSeries::RecolorPaletteFromRange() {
    for (TPaletteEntry& e : FPalette) e.Color = ColorForValue(e.UpToValue);
}

void TCustom3DPaletteSeries::ReversePaletteColors() {
    const size_t n = FPalette.size();
    for (size_t i = 0; i < n / 2; ++i) std::swap(FPalette[i].Color, FPalette[n - 1 - i].Color);
    Repaint();
}

void TCustom3DPaletteSeries::UseChartColorPalette() {
    if (FParentChart && !FParentChart->ColorPalette.empty()) {
        SetPaletteStyle(psCustom);
        const std::vector<TColor> colors = FParentChart->ColorPalette;
        SetPaletteColors(colors);
    } else {
        SetPaletteStyle(psRainbow);
    }
}

// --- Colours.

TColor TCustom3DPaletteSeries::RangePercentColor(double p) const {
    if (FMidColor == clNone) return Blend(FEndColor, FStartColor, p);
    if (p < 0.5) return Blend(FEndColor, FMidColor, 2 * p);
    return Blend(FMidColor, FStartColor, (p - 0.5) * 2);
}

TColor TCustom3DPaletteSeries::ColorForValue(double value) const {
    if (FUseColorRange) {
        auto& values = const_cast<TChartValueList&>(MandatoryValueList());
        const double minimum = values.Minimum(), maximum = values.Maximum();
        const double inverseRange = maximum == minimum ? 0 : 1 / (maximum - minimum);
        if (inverseRange == 0 || value - minimum < 0) return FEndColor;
        if (value > maximum) return FStartColor;
        return RangePercentColor(std::min((value - minimum) * inverseRange, 1.0));
    }
    if (FUsePalette && !FPalette.empty()) {
        for (const TPaletteEntry& e : FPalette)
            if (e.UpToValue > value) return e.Color;
        return FPalette.back().Color;
    }
    return SeriesColor();
}

TColor TCustom3DPaletteSeries::ValueColor(int index) const {
    TColor color = StoredPointColor(index);
    if (color == clDefault) {
        if (ColorEachPoint() || (!FUseColorRange && !FUsePalette))
            color = TCustom3DSeries::ValueColor(index);
        else
            color = ColorForValue(MandatoryValueList()[index]);
    }
    if (OnGetColor) OnGetColor(const_cast<TCustom3DPaletteSeries&>(*this), index, color);
    return color;
}

// --- Legend.

bool TCustom3DPaletteSeries::ShowsPaletteLegend() const {
    return Count() > 0 && (FUseColorRange || FUsePalette);
}

int TCustom3DPaletteSeries::CountLegendItems() const {
    if (!ShowsPaletteLegend()) return TCustom3DSeries::CountLegendItems();
    const int n = int(FPalette.size());
    if (FLegendEvery < 2 || n == 0) return n;
    return (n - 1) / FLegendEvery + 1;
}

int TCustom3DPaletteSeries::LegendPaletteIndex(int legendIndex) const {
    return int(FPalette.size()) - 1 - legendIndex * FLegendEvery;
}

TColor TCustom3DPaletteSeries::LegendItemColor(int legendIndex) const {
    if (!ShowsPaletteLegend()) return TCustom3DSeries::LegendItemColor(legendIndex);
    const int i = LegendPaletteIndex(legendIndex);
    const bool inside = i >= 0 && i < int(FPalette.size());
    if (FUseColorRange && inside) return ColorForValue(FPalette[size_t(i)].UpToValue);
    if (FUsePalette && inside) return FPalette[size_t(i)].Color;
    return TCustom3DSeries::LegendItemColor(legendIndex);
}

std::string TCustom3DPaletteSeries::LegendItemText(int legendIndex, TLegendTextStyle style) {
    if (!ShowsPaletteLegend()) return TCustom3DSeries::LegendItemText(legendIndex, style);
    if (legendIndex < 0 || legendIndex >= CountLegendItems()) return {};
    return FormatFloat(ValueFormat(), FPalette[size_t(LegendPaletteIndex(legendIndex))].UpToValue);
}

void TCustom3DPaletteSeries::DrawLegendShape(int valueIndex, const TRect& rect) {
    if (valueIndex != -1 || !FUseColorRange) {
        TCustom3DSeries::DrawLegendShape(valueIndex, rect);
        return;
    }
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.Brush()->SetStyle(bsClear);
    canvas.DrawRectangleFromRect(rect);
    // The lowest value at the gradient's start.
    TTeeGradient gradient;
    gradient.SetStartColor(FEndColor);
    if (FMidColor != clNone) gradient.SetMidColor(FMidColor);
    gradient.SetEndColor(FStartColor);
    gradient.DrawInRect(canvas,
                        TRect{rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1});
}

// --- Life cycle and gallery.

void TCustom3DPaletteSeries::PrepareForChartDraw() {
    TCustom3DSeries::PrepareForChartDraw();
    EnsurePalette();
}

void TCustom3DPaletteSeries::LoadFromSeries(const TChartSeries& source) {
    TCustom3DSeries::LoadFromSeries(source);
    BuildPalette();
}

void TCustom3DPaletteSeries::Clear() {
    TCustom3DSeries::Clear();
    // A custom palette outlives the points.
    if (FUsePalette && FPaletteStyle != psCustom) ClearPalette();
}

void TCustom3DPaletteSeries::ListGalleryVariants(
    const std::function<void(const std::string&)>& addVariant) {
    TCustom3DSeries::ListGalleryVariants(addVariant);
    addVariant(TxtExtColorRange);
}

void TCustom3DPaletteSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TCustom3DPaletteSeries*>(series);
    if (s && index == 1) {
        s->SetUseColorRange(true);
        s->SetUsePalette(false);
        return;
    }
    TCustom3DSeries::ApplyGalleryVariant(series, index);
}

void TCustom3DPaletteSeries::PrepareForGallery(bool enabled) {
    TCustom3DSeries::PrepareForGallery(enabled);
    SetUseColorRange(false);
    Pen()->SetColor(enabled ? clBlack : TColor(0x808080));
    SetUsePalette(enabled);
    UseChartColorPalette();
}

void TCustom3DPaletteSeries::Apply3DFromGallery(bool enabled) {
    if (FParentChart) {
        FParentChart->SetView3D(true);
        TView3DOptions& view = *FParentChart->View3DOptions();
        view.SetZoom(60);
        view.SetVertOffset(-2);
        view.SetRotation(enabled ? 335 : 0);
        view.SetElevation(enabled ? 340 : 270);
        view.SetPerspective(enabled ? 160 : 0);
    }
    UseChartColorPalette();
}

void TCustom3DPaletteSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustom3DPaletteSeries*>(source)) {
        FUsePalette = other->FUsePalette;
        FUseColorRange = other->FUseColorRange;
        FStartColor = other->FStartColor;
        FEndColor = other->FEndColor;
        FMidColor = other->FMidColor;
        FLegendEvery = other->FLegendEvery;
        FPaletteSteps = other->FPaletteSteps;
        FPalette = other->FPalette;
        FUsePaletteMin = other->FUsePaletteMin;
        FPaletteMin = other->FPaletteMin;
        FPaletteStep = other->FPaletteStep;
        FPaletteStyle = other->FPaletteStyle;
    }
    TCustom3DSeries::Assign(source);
}

// --- Stream.

void TCustom3DPaletteSeries::DefineProperties(TFiler& filer) {
    TCustom3DSeries::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "CustomPalette", [this](TStream& s) { ReadCustomPalette(s); },
        [this](TStream& s) { WriteCustomPalette(s); }, FPaletteStyle == psCustom);
}

// A little-endian 32-bit count, then per entry the 8-byte bound and the 4-byte colour.
void TCustom3DPaletteSeries::WriteCustomPalette(TStream& stream) {
    const int32_t count = int32_t(FPalette.size());
    stream.WriteBuffer(&count, sizeof count);
    for (const TPaletteEntry& e : FPalette) {
        stream.WriteBuffer(&e.UpToValue, sizeof e.UpToValue);
        const uint32_t color = uint32_t(e.Color);
        stream.WriteBuffer(&color, sizeof color);
    }
}

// The count is checked against the bytes the block holds before anything is allocated.
void TCustom3DPaletteSeries::ReadCustomPalette(TStream& stream) {
    int32_t count = 0;
    stream.ReadBuffer(&count, sizeof count);
    const int64_t left = stream.Size() - stream.Position();
    if (count < 0 || int64_t(count) * PaletteEntrySize > left) throw EReadError(SReadError);
    TCustom3DPalette palette(static_cast<size_t>(count));
    for (TPaletteEntry& e : palette) {
        stream.ReadBuffer(&e.UpToValue, sizeof e.UpToValue);
        uint32_t color = 0;
        stream.ReadBuffer(&color, sizeof color);
        e.Color = TColor(color);
    }
    FPalette = std::move(palette);
}
