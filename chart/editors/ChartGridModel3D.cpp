// The chart grid's 3-D mode: the first series with Z values as a table whose column c stands
// for X = smallest X + c - 1 and whose data row r for Z = smallest Z + r - F, each cell showing
// the Y of the first point (in point order) at that X and Z.
//
// Columns and rows are numbered from the series' smallest X and Z, as the header and the index
// column show them, so the cells agree with their headers whatever the first X and Z are.
#include <algorithm>
#include <cmath>

#include "chart/editors/ChartGridModel.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/grid3d/Custom3DSeries.h"
#include "platform/rtl/StrUtils.h"

namespace {

int DistinctCount(const TChartValueList& list) {
    std::vector<double> values(list.Data(), list.Data() + list.Count());
    std::sort(values.begin(), values.end());
    return int(std::unique(values.begin(), values.end()) - values.begin());
}

}  // namespace

void TChartGridModel::Recalc3D() {
    ShowLabels = false;
    ShowColors = false;
    FZSeries = nullptr;
    for (const auto& s : FListed)
        if (dynamic_cast<TCustom3DSeries*>(s.Series)) {
            FZSeries = s.Series;
            break;
        }
    FCellPoints.clear();
    FCellsX = FCellsZ = 0;
    if (!FZSeries) return;  // the counts stay as they are
    auto& series = static_cast<TCustom3DSeries&>(*FZSeries);
    const TChartValueList& xs = series.XValues();
    const TChartValueList& zs = series.ZValues();
    FCellsX = DistinctCount(xs);
    FCellsZ = DistinctCount(zs);
    FColCount = 1 + FCellsX;
    FRowCount = 2 + FCellsZ;
    FMinX = int(std::lround(xs.Count() ? *std::min_element(xs.Data(), xs.Data() + xs.Count()) : 0));
    FMinZ = int(std::lround(zs.Count() ? *std::min_element(zs.Data(), zs.Data() + zs.Count()) : 0));
    FCellPoints.assign(size_t(FCellsX) * size_t(FCellsZ), -1);
    for (int i = 0; i < series.Count(); ++i) {
        // Only points at whole X and Z have a cell.
        const double x = xs[i] - FMinX + 1, z = zs[i] - FMinZ + 1;
        if (x != std::floor(x) || z != std::floor(z)) continue;
        if (x < 1 || x > FCellsX || z < 1 || z > FCellsZ) continue;
        int& cell = FCellPoints[size_t(z - 1) * size_t(FCellsX) + size_t(x - 1)];
        if (cell < 0) cell = i;
    }
}

int TChartGridModel::FindGridPoint(int col, int row) const {
    const int r = row - FirstDataRow();
    if (!FZSeries || col < 1 || col > FCellsX || r < 0 || r >= FCellsZ) return -1;
    return FCellPoints[size_t(r) * size_t(FCellsX) + size_t(col - 1)];
}

void TChartGridModel::CellText3D(int col, int row, std::string& out) const {
    const int f = FirstDataRow();
    if (col == 0) {
        if (row >= f)
            out = std::to_string(FMinZ + row - f);
        else if (row == f - 1)
            out.assign(1, '#');
        return;
    }
    if (row == f - 1) {
        if (FZSeries) out = std::to_string(FMinX + col - 1);
        return;
    }
    const int point = FindGridPoint(col, row);
    if (point >= 0) ValueText(*FZSeries, FZSeries->MandatoryValueList(), point, out);
}

// A cell without a point has nowhere to go: nothing is stored.
TChartGridModel::TStoreResult TChartGridModel::StoreText3D(int col, int row,
                                                           const std::string& text) {
    const int point = FindGridPoint(col, row);
    if (point < 0) return srNoSeries;
    TChartValueList& list = FZSeries->MandatoryValueList();
    const std::string trimmed = Trim(text);
    double value = 0;
    if (trimmed.empty()) return srStored;
    if (!ParseValue(list, trimmed, value)) return srRejected;
    FZSeries->DataEnteredByHand = true;
    const bool wasNull = FZSeries->StoredPointColor(point) == clNone;
    list.SetValue(point, value);
    list.SetModified();
    if (wasNull) FZSeries->SetPointColor(point, clDefault);
    FZSeries->SignalDataChanged();
    return srStored;
}
