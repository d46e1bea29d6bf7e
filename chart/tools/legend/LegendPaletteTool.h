#pragma once
// A colour bar for a series coloured through a palette (the 3-D palette series, contours, and
// any series that colours through a palette series of its own, such as the polar grid): a small
// chart of its own, drawn on the host chart after it, whose bands are the palette's entries and
// whose axis shows their values. Its place is in pixels or percent of the host chart; its size
// is in pixels. The mouse over it goes to the small chart and no further.
#include <memory>
#include <string>

#include "chart/engine/ChartTools.h"
#include "chart/foundation/TeePanel.h"

class TChartHiddenPen;
class TPaletteChart;
class TPaletteSeries;
class TTeeGradient;
class TTeeShadow;

enum TLegendPaletteAxis { laDefault, laOther, laBoth };
const TEnumInfo& LegendPaletteAxisNames();

class TLegendPaletteTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TLegendPaletteTool, TTeeCustomToolSeries)
public:
    explicit TLegendPaletteTool(TComponent* owner);
    ~TLegendPaletteTool() override;

    // laDefault: the axis on the left (at the bottom when horizontal); laOther: on the right (at
    // the top); laBoth: on both sides.
    TLegendPaletteAxis Axis() const;
    void SetAxis(TLegendPaletteAxis value);
    // The small chart's panel.
    TChartHiddenPen* Border() const;
    void SetBorder(const TChartHiddenPen* value);
    TColor Color() const;
    void SetColor(TColor value);
    TTeeGradient* Gradient() const;
    void SetGradient(const TTeeGradient* value);
    TTeeShadow* Shadow() const;
    void SetShadow(const TTeeShadow* value);
    // Without a colour of its own (clNone); turned off the chart is white again.
    bool Transparent() const;
    void SetTransparent(bool value);
    // The small chart's axes run the other way.
    bool Inverted() const;
    void SetInverted(bool value);
    int Left() const { return FLeft; }
    void SetLeft(int value) { ChangeField(FLeft, value); }
    int Top() const { return FTop; }
    void SetTop(int value) { ChangeField(FTop, value); }
    int Width() const { return FWidth; }
    void SetWidth(int value) { ChangeField(FWidth, value); }
    int Height() const { return FHeight; }
    void SetHeight(int value) { ChangeField(FHeight, value); }
    // Of Left and Top only.
    TTeeUnits PositionUnits() const { return FPositionUnits; }
    void SetPositionUnits(TTeeUnits value) { ChangeField(FPositionUnits, value); }
    // Each band a gradient from the previous entry's colour.
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value) { ChangeField(FSmooth, value); }
    // The bands stacked upwards; a change swaps Width and Height.
    bool Vertical() const { return FVertical; }
    void SetVertical(bool value);

    void SetSeries(TChartSeries* value) override;

    TPaletteChart* PaletteChart() const { return FChart.get(); }
    TPaletteSeries* PaletteSeries() const { return FSeries.get(); }
    // Where the bar is drawn on the host chart.
    TRect BarRect() const;

    void ChartDrawEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "Legend Palette"; }
    static std::string KindDescription() {
        return "Displays legend made with 3D series palette colors";
    }
    static std::string EditorClassName() { return "TLegendPaletteEditor"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TLegendPaletteTool>& p);

private:
    struct TFreeComponent {
        void operator()(TObject* object) const { TObject::Free(object); }
    };
    // The bar series' points: one an entry of the bound series' palette.
    void AddPaletteEntries();
    void AddEntry(int index, double value, TColor color);
    void ShowAxes();

    std::unique_ptr<TPaletteChart, TFreeComponent> FChart;
    std::unique_ptr<TPaletteSeries, TFreeComponent> FSeries;
    int FLeft = 10;
    int FTop = 10;
    int FWidth = 100;
    int FHeight = 200;
    TTeeUnits FPositionUnits = muPixels;
    bool FSmooth = false;
    bool FVertical = true;
};
