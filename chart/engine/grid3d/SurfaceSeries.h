#pragma once
// The grid drawn as a 3-D surface: one quadrilateral per cell, coloured by the palette or the
// colour range, drawn from the back to the front so that nearer cells cover farther ones; as a
// filled surface, a wire frame or a frame of dots, optionally semi-transparent, with side walls
// down to the lowest value, and optionally sorted by depth to hide cells behind others. The
// water fall draws each grid row as a band filled down to the bottom of the vertical axis.
#include <array>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "chart/engine/grid3d/Custom3DGridSeries.h"
#include "chart/foundation/ChartBrush.h"
#include "platform/graphics/Geometry.h"

class TChartHiddenPen;
class TChartPen;

// The brush of the side walls: clear unless set otherwise, and streamed when it is not.
class TSideBrush : public TChartBrush {
    KV_DECLARE_CLASS(TSideBrush, TChartBrush)
public:
    explicit TSideBrush(TNotifyEvent onChange = nullptr);
    static void Publish(TPublisher<TSideBrush>& p);
};

class TSurfaceSeries : public TCustom3DGridSeries {
    KV_DECLARE_CLASS(TSurfaceSeries, TCustom3DGridSeries)
public:
    explicit TSurfaceSeries(TComponent* owner);
    ~TSurfaceSeries() override;
    static std::string EditorClassName() { return "TSurfaceSeriesEditor"; }

    // Setting it shows the pen and ends the wire frame.
    bool DotFrame() const { return FDotFrame; }
    void SetDotFrame(bool value);
    // Cells recoloured without a brush of their own per cell.
    bool FastBrush() const { return FFastBrush; }
    void SetFastBrush(bool value) { FFastBrush = value; }
    bool HideCells() const { return FHideCells; }
    void SetHideCells(bool value) { ChangeField(FHideCells, value); }
    TChartBrush* SideBrush() const { return FSideBrush.get(); }
    void SetSideBrush(const TChartBrush* value);
    TChartHiddenPen* SideLines() const { return FSideLines.get(); }
    void SetSideLines(const TChartHiddenPen* value);
    // Each cell in the palette colour of its mean height.
    bool SmoothPalette() const { return FSmoothPalette; }
    void SetSmoothPalette(bool value) { ChangeField(FSmoothPalette, value); }
    // 0 opaque .. 100.
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value) { ChangeField(FTransparency, value); }
    bool WaterFall() const { return FWaterFall; }
    void SetWaterFall(bool value) { ChangeField(FWaterFall, value); }
    TChartPen* WaterLines() const { return FWaterLines.get(); }
    void SetWaterLines(const TChartPen* value);
    // Setting it shows the pen and ends the dot frame.
    bool WireFrame() const { return FWireFrame; }
    void SetWireFrame(bool value);

    // --- The cell drawing order, set by CalcCellDrawOrder: the rows (X positions) and the
    // columns (Z positions) in the order they are visited, and the cell steps.
    void CalcCellDrawOrder();
    const std::vector<int>& RowOrder() const { return FRows; }
    const std::vector<int>& ColumnOrder() const { return FColumns; }
    // The corners' screen points of the cell; false when one is missing.
    bool CellPoints(int row, int column);
    const std::array<TPoint, 4>& CellScreenPoints() const { return FCellPoints; }

    virtual void DrawCell(int row, int column);
    // The quadrilateral with its first two points at depth z0 and the last two at z1.
    virtual void DrawCellShape(std::span<const TPoint, 4> points, int z0, int z1);
    // The surface draws the whole mesh itself (a freely rotating surface would).
    virtual bool CanvasDrawsMesh();
    virtual bool HasSides() const;

    void DrawAllValues() override;
    void DrawValue(int valueIndex) override;
    int ValueIndexAt(int x, int y) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    void PrepareForGallery(bool enabled) override;
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TSurfaceSeries>& p);

protected:
    // Cells keep the series brush colour (no range, no palette, or a picture brush).
    bool SingleColor = false;
    // The corner whose colour the cell takes: the smaller row and the larger column.
    int ColorCorner() const;
    // A polygon projected flat, blended back by Transparency when it is on.
    void DrawBlendedPolygon(std::span<const TPoint> points, std::span<const int> depths);
    void SetCellBrushColor(TColor color);

private:
    void DrawCellsInOrder();
    void DrawCellsSorted();
    // The rotations at which cells hide others wrongly unless sorted; sets the sort direction.
    bool NeedsCellSorting(bool& reversed) const;
    void DrawWaterFallCell(int z0);
    void DrawSideWalls(bool backPass);
    void DrawSidePanel(TPoint a, int za, TPoint b, int zb, int base);
    // A corner's screen point and depth; false when there is no point there.
    bool EdgePoint(int row, int column, TPoint& p, int& z) const;
    bool PlaneFacesViewer(int z) const;

    bool FDotFrame = false;
    bool FFastBrush = false;
    bool FHideCells = false;
    std::unique_ptr<TChartBrush> FSideBrush;
    std::unique_ptr<TChartHiddenPen> FSideLines;
    bool FSmoothPalette = false;
    int FTransparency = 0;
    bool FWaterFall = false;
    std::unique_ptr<TChartPen> FWaterLines;
    bool FWireFrame = false;

    std::vector<int> FRows;
    std::vector<int> FColumns;
    std::array<TPoint, 4> FCellPoints{};
    // (row, column) of the cells of a depth-sorted pass.
    std::vector<std::pair<int, int>> FSortedCells;
};

// The surface whose grid rows are drawn as bands down to the bottom of the vertical axis.
class TWaterFallSeries : public TSurfaceSeries {
    KV_DECLARE_CLASS(TWaterFallSeries, TSurfaceSeries)
public:
    explicit TWaterFallSeries(TComponent* owner);
    ~TWaterFallSeries() override;
    static std::string EditorClassName() { return "TWaterFallEditor"; }

    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    void Apply3DFromGallery(bool enabled) override;
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TWaterFallSeries>& p);
};
