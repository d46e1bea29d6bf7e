#pragma once
// The base of the series that treat their points as samples of a height Y over an X-Z grid
// (surface, water fall, contour, colour grid, tower). A grid index maps each grid position to
// the point stored there; it is rebuilt from the points, added in any order, before every
// drawing: a regular grid of integer-like X and Z, or an irregular grid of arbitrary distinct
// values. The series can also generate every point itself from a Y function of the position.
//
// Grid positions run from 1 in both directions; row is the X position and column the Z
// position. Row 0 and column 0 are never filled, so a cell that reaches past the first row or
// column simply finds no corner there.
#include <array>
#include <functional>
#include <vector>

#include "chart/engine/grid3d/Custom3DPaletteSeries.h"

// The height of the grid position (x, z), both from 1.
using TChartSurfaceGetY = std::function<double(TChartSeries& sender, int x, int z)>;

class TCustom3DGridSeries : public TCustom3DPaletteSeries {
    KV_DECLARE_CLASS(TCustom3DGridSeries, TCustom3DPaletteSeries)
public:
    explicit TCustom3DGridSeries(TComponent* owner);
    ~TCustom3DGridSeries() override;

    bool IrregularGrid() const { return FIrregularGrid; }
    void SetIrregularGrid(bool value) { ChangeField(FIrregularGrid, value); }
    // A change clears the points and generates the grid anew (nothing without a Y function).
    int NumXValues() const { return FNumXValues; }
    void SetNumXValues(int value);
    int NumZValues() const { return FNumZValues; }
    void SetNumZValues(int value);
    TChartSurfaceGetY OnGetYValue;

    // Set by the regular build: the X (Z) minimum is not 0.
    bool XOffGrid = false;
    bool ZOffGrid = false;
    // From (row, column) a cell reaches row + CellRowStep and column + CellColumnStep; the
    // drawing series set them before visiting cells.
    int CellRowStep = 1;
    int CellColumnStep = 1;
    // The corners of the cell last examined by GetCellIndices: (row, column),
    // (row + step, column), (row + step, column + step), (row, column + step).
    std::array<int, 4> CellIndex{-1, -1, -1, -1};
    // Set while sample values are generated.
    bool SampleValuesWanted = false;

    // The point at the grid position; -1 for none, also outside the grid.
    int GridIndex(int row, int column) const {
        if (row < 0 || column < 0 || row >= FGridRows || column >= FGridColumns) return -1;
        return FGridIndex[size_t(row) * size_t(FGridColumns) + size_t(column)];
    }
    // Fetches the four corners into CellIndex; false at the first missing one.
    bool GetCellIndices(int row, int column);
    // Rebuilds the grid index from every point and takes its sizes as NumXValues/NumZValues.
    void FillGridIndex();
    bool CanFillGrid() const { return bool(OnGetYValue) || SampleValuesWanted; }

    // Replaces the points by a grid of numX by numZ heights (Z outer, X inner), when the series
    // can compute them.
    virtual void FillGridValues(int numX, int numZ);
    // OnGetYValue, else the sample surface while sample values are wanted, else 0.
    virtual double GridYValue(int x, int z);

    void Clear() override;
    void PrepareForChartDraw() override;
    void LoadFromSeries(const TChartSeries& source) override;
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    int DefaultSampleCount() const override { return FNumXValues; }
    bool AcceptsAsSource(TComponent* component) const override;
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCustom3DGridSeries>& p);

private:
    // Resized to numX + 1 rows and numZ + 1 columns, all empty.
    void ResetGridIndex(int numX, int numZ);
    // False when the grid the rounded extremes ask for is too large to hold.
    bool FillRegularGridIndex();
    void FillIrregularGridIndex();

    std::vector<int> FGridIndex;
    int FGridRows = 0;
    int FGridColumns = 0;
    bool FIrregularGrid = false;
    int FNumXValues = 10;
    int FNumZValues = 10;
};
