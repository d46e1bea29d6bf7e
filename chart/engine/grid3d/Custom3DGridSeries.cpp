#include "chart/engine/grid3d/Custom3DGridSeries.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/grid3d/PaletteSeriesPublish.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/GraphicsLimits.h"

namespace {

// Whether a grid of numX x numZ positions fits an index (MaxGridPositions). Data spread thinly
// over a wide range would otherwise ask the regular build for billions of positions: beyond the
// bound the regular build gives way to the irregular one, which needs one row and one column per
// distinct value only.
bool GridFits(double numX, double numZ) {
    // NaN sizes (NaN or infinite extremes) fail the comparison too.
    return (numX + 1) * (numZ + 1) <= double(MaxGridPositions);
}

// The distinct values of list, ascending, NaN left out (it has no place on a grid).
std::vector<double> DistinctValues(const TChartValueList& list, int count) {
    std::vector<double> values;
    values.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        if (!std::isnan(list[i])) values.push_back(list[i]);
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

// The 0-based place of value among the distinct values, -1 when it is not one of them.
int PlaceOf(const std::vector<double>& values, double value) {
    const auto at = std::lower_bound(values.begin(), values.end(), value);
    return at != values.end() && *at == value ? int(at - values.begin()) : -1;
}

}  // namespace

TCustom3DGridSeries::TCustom3DGridSeries(TComponent* owner) : TCustom3DPaletteSeries(owner) {
    Clear();
}
TCustom3DGridSeries::~TCustom3DGridSeries() = default;

void TCustom3DGridSeries::SetNumXValues(int value) {
    if (value == FNumXValues) return;
    FNumXValues = value;
    Clear();
    FillGridValues(FNumXValues, FNumZValues);
}

void TCustom3DGridSeries::SetNumZValues(int value) {
    if (value == FNumZValues) return;
    FNumZValues = value;
    Clear();
    FillGridValues(FNumXValues, FNumZValues);
}

void TCustom3DGridSeries::Clear() {
    TCustom3DPaletteSeries::Clear();
    XValues().SetOrder(loNone);
    ResetGridIndex(FNumXValues, FNumZValues);
}

void TCustom3DGridSeries::ResetGridIndex(int numX, int numZ) {
    // NumXValues and NumZValues come from files too: a grid larger than an index may hold keeps
    // an empty index (no cell is drawn) instead of asking for gigabytes.
    if (!GridFits(std::max(0, numX), std::max(0, numZ))) numX = numZ = 0;
    FGridRows = std::max(0, numX) + 1;
    FGridColumns = std::max(0, numZ) + 1;
    FGridIndex.assign(size_t(FGridRows) * size_t(FGridColumns), -1);
}

bool TCustom3DGridSeries::GetCellIndices(int row, int column) {
    const int nextRow = row + CellRowStep, nextColumn = column + CellColumnStep;
    CellIndex = {GridIndex(row, column), GridIndex(nextRow, column), GridIndex(nextRow, nextColumn),
                 GridIndex(row, nextColumn)};
    return std::none_of(CellIndex.begin(), CellIndex.end(), [](int i) { return i == -1; });
}

// --- The grid index.

void TCustom3DGridSeries::FillGridIndex() {
    if (FIrregularGrid || !FillRegularGridIndex()) FillIrregularGridIndex();
    FNumXValues = FGridRows - 1;
    FNumZValues = FGridColumns - 1;
}

// Each point at its rounded X and Z, counted from the rounded minimum; a later point at a
// position replaces an earlier one.
bool TCustom3DGridSeries::FillRegularGridIndex() {
    TChartValueList& x = XValues();
    TChartValueList& z = ZValues();
    XOffGrid = x.Minimum() != 0;
    ZOffGrid = z.Minimum() != 0;
    const double rx = std::nearbyint(x.Minimum()), rz = std::nearbyint(z.Minimum());
    const double numX = std::nearbyint(x.Maximum()) - rx + 1;
    const double numZ = std::nearbyint(z.Maximum()) - rz + 1;
    if (!GridFits(numX, numZ)) return false;
    ResetGridIndex(int(numX), int(numZ));
    for (int i = 0; i < Count(); ++i) {
        const double row = std::nearbyint(x[i]) - rx + 1, column = std::nearbyint(z[i]) - rz + 1;
        // NaN has no position.
        if (row >= 1 && row < FGridRows && column >= 1 && column < FGridColumns)
            FGridIndex[size_t(row) * size_t(FGridColumns) + size_t(column)] = i;
    }
    return true;
}

// One row per distinct X and one column per distinct Z, in ascending order. A grid of more
// positions than an index may hold is left empty: the series then draws no cell.
void TCustom3DGridSeries::FillIrregularGridIndex() {
    const std::vector<double> xs = DistinctValues(XValues(), Count());
    const std::vector<double> zs = DistinctValues(ZValues(), Count());
    if (!GridFits(double(xs.size()), double(zs.size()))) {
        ResetGridIndex(0, 0);
        return;
    }
    ResetGridIndex(int(xs.size()), int(zs.size()));
    for (int i = 0; i < Count(); ++i) {
        const int row = PlaceOf(xs, XValues()[i]), column = PlaceOf(zs, ZValues()[i]);
        if (row >= 0 && column >= 0)
            FGridIndex[size_t(row + 1) * size_t(FGridColumns) + size_t(column + 1)] = i;
    }
}

// --- Generated grids.

double TCustom3DGridSeries::GridYValue(int x, int z) {
    if (OnGetYValue) return OnGetYValue(*this, x, z);
    if (!SampleValuesWanted) return 0;
    const double cx = std::cos(x / (FNumXValues * 0.2));
    const double cz = std::cos(z / (FNumZValues * 0.2));
    return 0.5 * cx * cx + cz * cz - std::cos(z / (FNumZValues * 0.5));
}

void TCustom3DGridSeries::FillGridValues(int numX, int numZ) {
    if (!CanFillGrid()) return;
    FNumXValues = numX;
    FNumZValues = numZ;
    // A grid beyond what an index may hold is not generated: its points would never be drawn.
    if (!GridFits(std::max(0, numX), std::max(0, numZ))) {
        Clear();
        return;
    }
    {
        // Each value list grows once.
        TValueListGrowthScope growth(std::max(1, numX * numZ));
        Clear();
        TSeriesUpdate update(*this);
        for (int z = 1; z <= numZ; ++z)
            for (int x = 1; x <= numX; ++x) AddXYZValues(x, GridYValue(x, z), z);
    }
    BuildPalette(0);
}

void TCustom3DGridSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    if (numValues <= 0) return;
    const bool saved = SampleValuesWanted;
    SampleValuesWanted = true;
    struct TRestore {
        bool& Flag;
        bool Saved;
        ~TRestore() { Flag = Saved; }
    } restore{SampleValuesWanted, saved};
    FillGridValues(numValues, numValues);
}

// --- Life cycle.

void TCustom3DGridSeries::PrepareForChartDraw() {
    TCustom3DPaletteSeries::PrepareForChartDraw();
    if (Count() > 0) FillGridIndex();
}

void TCustom3DGridSeries::LoadFromSeries(const TChartSeries& source) {
    if (auto* grid = dynamic_cast<const TCustom3DGridSeries*>(&source)) {
        FNumXValues = grid->FNumXValues;
        FNumZValues = grid->FNumZValues;
    }
    TCustom3DPaletteSeries::LoadFromSeries(source);
    BuildPalette(0);
    FillGridIndex();
    Repaint();
}

bool TCustom3DGridSeries::AcceptsAsSource(TComponent* component) const {
    return dynamic_cast<TCustom3DGridSeries*>(component) &&
           TCustom3DPaletteSeries::AcceptsAsSource(component);
}

void TCustom3DGridSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustom3DGridSeries*>(source)) {
        FNumXValues = other->FNumXValues;
        FNumZValues = other->FNumZValues;
        FIrregularGrid = other->FIrregularGrid;
    }
    TCustom3DPaletteSeries::Assign(source);
}

// The palette and 3-D settings are published here for every grid series.
void TCustom3DGridSeries::Publish(TPublisher<TCustom3DGridSeries>& p) {
    using S = TCustom3DGridSeries;
    p.Boolean("IrregularGrid", &S::IrregularGrid, &S::SetIrregularGrid).Default(false);
    p.Integer("NumXValues", &S::NumXValues, &S::SetNumXValues).Default(10);
    p.Integer("NumZValues", &S::NumZValues, &S::SetNumZValues).Default(10);
    PublishPaletteSettings(p);
}
