#pragma once
// A surface whose cells are cut into bands at the palette bounds: each piece of a cell between
// two successive UpToValues is filled in that entry's colour, so the surface shows bands of
// equal height; optionally flattened onto one Y position (a filled contour map), with lines
// along the band boundaries and banded side walls. The contour series fills its levels with a
// temporary one.
#include <memory>

#include "chart/engine/grid3d/SurfaceSeries.h"

class TIsoSurfaceSeries;

// The side walls of an isosurface: banded like the cells, with lines at the band bounds.
class TSurfaceSides : public TPersistent {
    KV_DECLARE_CLASS(TSurfaceSides, TPersistent)
public:
    // onChange: the series' repaint, for the pen.
    explicit TSurfaceSides(TIsoSurfaceSeries* series = nullptr, TNotifyEvent onChange = nullptr);
    ~TSurfaceSides() override;

    // The series' side brush.
    TChartBrush* Brush() const;
    void SetBrush(const TChartBrush* value);
    bool Levels() const { return FLevels; }
    void SetLevels(bool value);
    TChartHiddenPen* Pen() const { return FPen.get(); }
    void SetPen(const TChartHiddenPen* value);

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TSurfaceSides>& p);

private:
    TIsoSurfaceSeries* FSeries;
    bool FLevels = true;
    std::unique_ptr<TChartHiddenPen> FPen;
};

class TIsoSurfaceSeries : public TSurfaceSeries {
    KV_DECLARE_CLASS(TIsoSurfaceSeries, TSurfaceSeries)
public:
    explicit TIsoSurfaceSeries(TComponent* owner);
    ~TIsoSurfaceSeries() override;
    static std::string EditorClassName() { return "TIsoSurfaceEditor"; }

    // The lines between successive bands.
    TChartPen* BandPen() const { return FBandPen.get(); }
    void SetBandPen(const TChartPen* value);
    TSurfaceSides* Sides() const { return FSides.get(); }
    void SetSides(const TSurfaceSides* value) { FSides->Assign(value); }
    // Every band flat at YPosition.
    bool UseYPosition() const { return FUseYPosition; }
    void SetUseYPosition(bool value) { ChangeField(FUseYPosition, value); }
    double YPosition() const { return FYPosition; }
    void SetYPosition(double value) { ChangeField(FYPosition, value); }

    // Draws on chart's surface without joining its series (the contour's bands, drawn in the
    // middle of the chart's series loop); none lets go of it.
    void BorrowChart(TCustomAxisPanel* chart) {
        FParentChart = chart;
        if (chart) ResolveAxes();
    }

    void DrawAllValues() override;
    void DrawCell(int row, int column) override;
    void DrawCellShape(std::span<const TPoint, 4> points, int z0, int z1) override;
    bool CanvasDrawsMesh() override { return false; }
    bool HasSides() const override;
    void PrepareForGallery(bool enabled) override;
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TIsoSurfaceSeries>& p);

private:
    // A vertex of a band polygon: screen X, the Z value, the height (the clipping key) and,
    // for side panels, the screen Y and depth.
    struct TBandVertex {
        double X, Z, H;
    };
    // The part of the polygon with lo <= H <= hi, linearly interpolated along its edges; at
    // most count + 2 vertices.
    static int ClipBand(const TBandVertex* in, int count, double lo, double hi, TBandVertex* out);
    void DrawBands(const TBandVertex* corners, int count);
    void DrawBandLines(const TBandVertex* corners, int count);
    // The polygon's screen points, in 3-D at their heights (or YPosition), in 2-D in X and Z.
    void FillBandPolygon(const TBandVertex* points, int count, TColor color);
    // The first palette entry whose band holds height h.
    int BandOf(double h) const;

    std::unique_ptr<TChartPen> FBandPen;
    std::unique_ptr<TSurfaceSides> FSides;
    bool FUseYPosition = false;
    double FYPosition = 0;
    // While the surface's own DrawCell draws a cell in its point's colour.
    bool FPlainCell = false;
    int FYPositionPixel = 0;
};
