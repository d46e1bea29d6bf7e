#include "chart/tools/data/GridTransposeTool.h"

#include <vector>

#include "chart/engine/grid3d/Custom3DGridSeries.h"

TCustom3DGridSeries* TGridTransposeTool::GridSeries() const {
    return dynamic_cast<TCustom3DGridSeries*>(Series());
}

void TGridTransposeTool::SetSeries(TChartSeries* value) {
    TTeeCustomToolSeries::SetSeries(dynamic_cast<TCustom3DGridSeries*>(value));
}

void TGridTransposeTool::Transpose() {
    TCustom3DGridSeries* series = GridSeries();
    if (!Active() || !series) return;
    struct TCell {
        double X, Y, Z;
    };
    std::vector<TCell> swapped;
    swapped.reserve(size_t(series->Count()));
    for (int i = 0; i < series->Count(); ++i)
        swapped.push_back({series->ZValues()[i], series->YValueAt(i), series->XValueAt(i)});
    // The cells are replaced, without colours or labels of their own; the palette stays.
    const TCustom3DPalette palette = series->Palette();
    series->Clear();
    for (const TCell& c : swapped) series->AddXYZValues(c.X, c.Y, c.Z);
    series->SetPalette(palette);
}
