#pragma once
// The base of the 3-D series coloured by value (grid, surface, contour, colour grid, tower...):
// either a continuous blend between EndColor (lowest value), an optional MidColor and StartColor
// (highest), or a stepped palette of (upper bound, colour) entries, built in one of five styles
// or kept by hand (psCustom, streamed as "CustomPalette"). The legend then lists palette rows.
#include <functional>
#include <span>
#include <vector>

#include "chart/engine/grid3d/Custom3DSeries.h"

struct TPaletteEntry {
    double UpToValue = 0;
    TColor Color = clBlack;
    bool operator==(const TPaletteEntry&) const = default;
};
using TCustom3DPalette = std::vector<TPaletteEntry>;

enum TTeePaletteStyle { psPale, psStrong, psGrayScale, psInvGray, psRainbow, psCustom };
const TEnumInfo& TeePaletteStyleNames();

using TChartSurfaceGetColor =
    std::function<void(TChartSeries& sender, int valueIndex, TColor& color)>;

class TCustom3DPaletteSeries : public TCustom3DSeries {
    KV_DECLARE_CLASS(TCustom3DPaletteSeries, TCustom3DSeries)
public:
    explicit TCustom3DPaletteSeries(TComponent* owner);
    ~TCustom3DPaletteSeries() override;
    static std::string EditorClassName() { return "TGrid3DSeriesEditor"; }

    // --- Settings.
    TColor StartColor() const { return FStartColor; }
    void SetStartColor(TColor value) { ChangeField(FStartColor, value); }
    // clNone: no middle colour.
    TColor MidColor() const { return FMidColor; }
    void SetMidColor(TColor value) { ChangeField(FMidColor, value); }
    TColor EndColor() const { return FEndColor; }
    void SetEndColor(TColor value) { ChangeField(FEndColor, value); }
    bool UseColorRange() const { return FUseColorRange; }
    void SetUseColorRange(bool value);
    bool UsePalette() const { return FUsePalette; }
    void SetUsePalette(bool value);
    // Never below 0; rebuilds the palette.
    int PaletteSteps() const { return FPaletteSteps; }
    void SetPaletteSteps(int value);
    double PaletteMin() const { return FPaletteMin; }
    void SetPaletteMin(double value);
    // 0: the value range spread over the steps.
    double PaletteStep() const { return FPaletteStep; }
    void SetPaletteStep(double value);
    bool UsePaletteMin() const { return FUsePaletteMin; }
    void SetUsePaletteMin(bool value);
    TTeePaletteStyle PaletteStyle() const { return FPaletteStyle; }
    // Any style but psCustom empties the palette, to be built again before the next drawing.
    void SetPaletteStyle(TTeePaletteStyle value);
    // Never below 1.
    int LegendEvery() const { return FLegendEvery; }
    void SetLegendEvery(int value);
    TChartSurfaceGetColor OnGetColor;

    // --- The palette.
    const TCustom3DPalette& Palette() const { return FPalette; }
    void SetPalette(std::span<const TPaletteEntry> entries);
    // Inserted after every entry of an upper bound not above value; returns the position.
    int AddPaletteEntry(TColor color, double value);
    void ClearPalette() { FPalette.clear(); }
    // Builds when the series has points and the palette is empty.
    void EnsurePalette();
    // steps 0: PaletteSteps.
    void BuildPalette(int steps = 0);
    // A palette of PaletteSteps entries coloured by the colours in turn; nothing for none.
    void SetPaletteColors(std::span<const TColor> colors);
    void RecolorPaletteFromRange();
    void ReversePaletteColors();
    // The chart's own colour list as a custom palette, else the rainbow.
    void UseChartColorPalette();

    // --- Colours.
    // p from 0 (EndColor) to 1 (StartColor), through MidColor when there is one.
    TColor RangePercentColor(double p) const;
    TColor ColorForValue(double value) const;
    TColor ValueColor(int index) const override;

    // --- Legend: one row per LegendEvery palette entries, the highest bound first.
    int CountLegendItems() const override;
    TColor LegendItemColor(int legendIndex) const override;
    std::string LegendItemText(int legendIndex, TLegendTextStyle style) override;
    void DrawLegendShape(int valueIndex, const TRect& rect) override;

    void PrepareForChartDraw() override;
    // The points of source, then the palette built for them.
    void LoadFromSeries(const TChartSeries& source) override;
    void Clear() override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    void PrepareForGallery(bool enabled) override;
    void Apply3DFromGallery(bool enabled) override;
    void Assign(const TPersistent* source) override;

protected:
    // "CustomPalette", stored with the psCustom style only.
    void DefineProperties(TFiler& filer) override;

private:
    bool ShowsPaletteLegend() const;
    // The palette index legend row k shows.
    int LegendPaletteIndex(int legendIndex) const;
    void ReadCustomPalette(TStream& stream);
    void WriteCustomPalette(TStream& stream);
    // The entries' colours of the rainbow, through the chart's colour list.
    void AddRainbowEntries(int count, double minimum, double step);

    TCustom3DPalette FPalette;
    int FLegendEvery = 1;
    double FPaletteMin = 0;
    double FPaletteStep = 0;
    int FPaletteSteps = 32;
    TTeePaletteStyle FPaletteStyle = psPale;
    TColor FStartColor = TColor(0x800000);
    TColor FEndColor = TColor(0xFFFFFF);
    TColor FMidColor = clNone;
    bool FUseColorRange = true;
    bool FUsePalette = false;
    bool FUsePaletteMin = false;
};

// A series of another family coloured through a palette series of its own (the polar grid):
// what shows its palette (the legend palette tool) reaches the palette here, below the series
// library. A cell value's colour is the palette series' ColorForValue.
class IPaletteColoredSeries {
public:
    virtual ~IPaletteColoredSeries() = default;
    virtual const TCustom3DPaletteSeries& ColoringPalette() const = 0;
};
