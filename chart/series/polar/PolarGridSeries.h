#pragma once
// A polar heat map: the disc cut into NumSectors sectors and NumTracks tracks, each cell (a
// point: X the sector, Y the track, which is also the cell's outer radius) filled with the
// colour of its cell value. The colours come from a private palette series on a private chart
// whose every change repaints this series; the palette settings are reached through Palette().
// The rings of the web follow the sector borders, the angle labels are sector numbers and the
// legend lists the palette.
#include <array>
#include <memory>
#include <span>

#include "chart/engine/grid3d/Custom3DPaletteSeries.h"
#include "chart/series/polar/CustomPolarSeries.h"

class TPolarGridSeries;
class TPolarGridPaletteChart;

// Components without an owner go through Free, which lets them leave their chart whole.
struct TFreeComponent {
    void operator()(TObject* object) const { TObject::Free(object); }
};

// The colouring of a polar grid: a concrete palette series of its own class.
class TPolarGridPaletteSeries : public TCustom3DPaletteSeries {
    KV_DECLARE_CLASS(TPolarGridPaletteSeries, TCustom3DPaletteSeries)
public:
    explicit TPolarGridPaletteSeries(TComponent* owner) : TCustom3DPaletteSeries(owner) {}
};

// The palette settings of a polar grid, read from and written to its palette series.
class TGridColorPalette : public TPersistent {
    KV_DECLARE_CLASS(TGridColorPalette, TPersistent)
public:
    explicit TGridColorPalette(TPolarGridPaletteSeries& series) : FSeries(series) {}
    TPolarGridPaletteSeries& Series() const { return FSeries; }
    std::span<const TPaletteEntry> GetPalette() const { return FSeries.Palette(); }
    // Every setting from another palette.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TGridColorPalette>& p);

private:
    TPolarGridPaletteSeries& FSeries;
};

class TPolarGridSeries : public TCustomPolarSeries, public IPaletteColoredSeries {
    KV_DECLARE_CLASS(TPolarGridSeries, TCustomPolarSeries)
public:
    explicit TPolarGridSeries(TComponent* owner);
    ~TPolarGridSeries() override;
    static std::string EditorClassName() { return "TPolarGridEditor"; }

    TChartValueList& CellValues() { return *FCellValues; }
    void SetCellValues(const TChartValueList* value) { AssignValueList(*FCellValues, value); }
    bool Centered() const { return FCentered; }
    void SetCentered(bool value) { ChangeField(FCentered, value); }
    // Plain numbers: no repaint. Below 1 they count as 1.
    int NumSectors() const { return FNumSectors; }
    void SetNumSectors(int value) { FNumSectors = value; }
    int NumTracks() const { return FNumTracks; }
    void SetNumTracks(int value) { FNumTracks = value; }
    TGridColorPalette* Palette() const { return FPalette.get(); }
    TPolarGridPaletteSeries* PaletteSeries() const { return FPaletteSeries.get(); }
    const TCustom3DPaletteSeries& ColoringPalette() const override { return *FPaletteSeries; }

    int AddCell(int sector, int track, double value);
    // The palette colour of a cell value, valid once the series prepared a drawing.
    TColor CellValueColor(double value) const;
    // The four corners of cell i: the outer two, then the inner two (the centre for track 0).
    std::array<TPoint, 4> CellPolygon(int valueIndex) const;

    void PrepareForChartDraw() override;
    void DrawValue(int valueIndex) override;
    void DrawRing(int xRadius, int yRadius, int z) override;
    std::string AngleLabelText(int index, double angle) override;
    void DoAfterDrawValues() override;
    int PointXPixel(int index) const override;
    int PointYPixel(int index) const override;
    int ValueIndexAt(int x, int y) override;
    int CountLegendItems() const override;
    TColor LegendItemColor(int legendIndex) const override;
    std::string LegendItemText(int legendIndex, TLegendTextStyle style) override;
    bool CanCopyFrom(const TChartSeries& source) const override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TPolarGridSeries>& p);

private:
    int Sectors() const { return FNumSectors < 1 ? 1 : FNumSectors; }
    double SectorWidth() const { return 360.0 / Sectors(); }
    double CentreShift() const { return FCentered ? 0.5 : 0; }
    // Angle on the screen of a sector position, mirrored for clockwise labels.
    double ScreenAngle(double position) const;

    bool FCentered = true;
    int FNumSectors = 10;
    int FNumTracks = 10;
    TChartValueList* FCellValues;
    std::unique_ptr<TPolarGridPaletteChart, TFreeComponent> FPaletteChart;
    std::unique_ptr<TPolarGridPaletteSeries, TFreeComponent> FPaletteSeries;
    std::unique_ptr<TGridColorPalette> FPalette;
};
