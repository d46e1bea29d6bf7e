#pragma once
// The grid drawn flat as a map of coloured cells: X across, Z up the vertical axis, each cell in
// its point's colour. On a raster surface the cells are painted one pixel each into a bitmap
// stretched over their screen area; on a vector surface, or for an irregular grid, each cell is
// a rectangle of its own. A picture can be turned into points, one per pixel.
//
// A missing point (or a clNone colour) leaves its cell a hole. The holes are made with a key
// colour that no cell of the map has, so a cell of any colour, white included, stays visible.
#include <memory>
#include <vector>

#include "chart/engine/grid3d/Custom3DGridSeries.h"
#include "chart/foundation/Canvas3D.h"

class TBitmap;
class TChartHiddenPen;
class TGraphic;

class TColorGridSeries : public TCustom3DGridSeries {
    KV_DECLARE_CLASS(TColorGridSeries, TCustom3DGridSeries)
public:
    explicit TColorGridSeries(TComponent* owner);
    ~TColorGridSeries() override;
    static std::string EditorClassName() { return "TColorGridEditor"; }

    // Points mark cell centres (a cell spans value - 0.5 .. value + 0.5) instead of corners
    // (value .. value + 1).
    bool CenteredPoints() const { return FCenteredPoints; }
    void SetCenteredPoints(bool value) { ChangeField(FCenteredPoints, value); }
    // The plane of the 3-D box the map lies on, and its shift from the plane's middle.
    TCanvas3DPlane DrawPlane3D() const { return FDrawPlane3D; }
    void SetDrawPlane3D(TCanvas3DPlane value) { ChangeField(FDrawPlane3D, value); }
    int DrawPosition() const { return FDrawPosition; }
    void SetDrawPosition(int value) { ChangeField(FDrawPosition, value); }
    TChartHiddenPen* Frame() const { return FFrame.get(); }
    void SetFrame(const TChartHiddenPen* value);
    bool SmoothBitmap() const { return FSmoothBitmap; }
    void SetSmoothBitmap(bool value) { ChangeField(FSmoothBitmap, value); }
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value) { ChangeField(FTransparency, value); }
    // Grid lines (in the series Pen) between every n-th row and column.
    int XGridEvery() const { return FXGridEvery; }
    void SetXGridEvery(int value) { ChangeField(FXGridEvery, value); }
    int ZGridEvery() const { return FZGridEvery; }
    void SetZGridEvery(int value) { ChangeField(FZGridEvery, value); }

    // The picture's pixels as points (X from 1 across, Z from 1 down, the colour as Y and as
    // the point's colour), centred on their cells.
    void LoadBitmap(TGraphic* picture);
    // The one-pixel-per-cell picture of the last drawing.
    TBitmap* Bitmap() const { return FBitmap.get(); }

    // The edges of the cell of value v.
    double LowerEdge(double v) const { return FCenteredPoints ? v - 0.5 : v; }
    double UpperEdge(double v) const;

    void DrawAllValues() override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    int ValueIndexAt(int x, int y) override;
    int PointXPixel(int index) const override;
    // Z, which the vertical axis shows.
    int PointYPixel(int index) const override;
    double GetMaxXValue() override;
    double GetMinXValue() override;
    double GetMaxYValue() override;
    double GetMinYValue() override;
    double GetMaxZValue() override;
    double GetMinZValue() override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    void PrepareForGallery(bool enabled) override;
    void Apply3DFromGallery(bool enabled) override;
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TColorGridSeries>& p);

private:
    // The distinct values of a list in ascending order, whether they are equally spaced, and
    // the spacing (1 below 1e-12).
    struct TAxisCells {
        std::vector<double> Values;
        bool Regular = true;
        double Spacing = 1;
    };
    void FindCells(const TChartValueList& list, TAxisCells& cells) const;
    // The upper cell edge of the last X (Z) value; cells are found anew for an irregular grid.
    double MaxEdge(TChartValueList& list, TAxisCells& cells);
    // The value of grid row (column) position p, from 1; positions past the last one go on by
    // the last spacing.
    double PositionValue(TChartValueList& list, const TAxisCells& cells, int p);
    // The cell under an axis value along one direction: a position from 1, or 0 for none.
    int PositionAt(TChartValueList& list, const TAxisCells& cells, double v);

    // --- Drawing (ColorGridSeriesDraw.cpp).
    struct TCellRange {
        int FirstRow, LastRow, FirstColumn, LastColumn;
    };
    TCellRange VisibleCells();
    // Screen pixels of the lower edge of grid position p, across (X) and up (Z).
    int RowEdgePixel(int p);
    int ColumnEdgePixel(int p);
    void DrawCellRectangles(TCanvas3D& canvas, const TCellRange& r);
    void DrawCellBitmap(TCanvas3D& canvas, const TCellRange& r, const TRect& area);
    void DrawGridLines(TCanvas3D& canvas, const TCellRange& r);
    void DrawFrame(TCanvas3D& canvas, const TRect& area);
    // The map's plane and position on it in 3-D; none (flat at MidDepth) otherwise.
    bool DrawsOnPlane() const;
    int PlanePosition() const;
    // A point of the cells' screen rectangle moved onto the map's plane.
    TPoint OnPlane(TCanvas3D& canvas, int x, int y) const;

    std::unique_ptr<TBitmap> FBitmap;
    std::unique_ptr<TChartHiddenPen> FFrame;
    TAxisCells FXCells;
    TAxisCells FZCells;
    TCanvas3DPlane FDrawPlane3D = cpZ;
    int FDrawPosition = 0;
    int FTransparency = 0;
    int FXGridEvery = 1;
    int FZGridEvery = 1;
    bool FCenteredPoints = false;
    bool FSmoothBitmap = false;
};
