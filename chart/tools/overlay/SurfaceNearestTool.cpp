#include "chart/tools/overlay/SurfaceNearestTool.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/grid3d/SurfaceSeries.h"
#include "platform/classes/Publisher.h"

TSurfaceNearestTool::TSurfaceNearestTool(TComponent* owner) : TTeeCustomToolSeries(owner) {}

TSurfaceNearestTool::~TSurfaceNearestTool() = default;

TSurfaceSeries* TSurfaceNearestTool::Surface() const {
    return dynamic_cast<TSurfaceSeries*>(Series());
}

void TSurfaceNearestTool::SetSeries(TChartSeries* value) {
    if (value != Series()) {
        RestoreColors();
        FCell = -1;
    }
    TTeeCustomToolSeries::SetSeries(dynamic_cast<TSurfaceSeries*>(value));
}

void TSurfaceNearestTool::RestoreColors() {
    TChartSeries* series = Series();
    if (series && !FSavedColors.empty() && int(FSavedColors.size()) == series->Count())
        for (int i = 0; i < series->Count(); ++i) series->SetPointColor(i, FSavedColors[size_t(i)]);
    FSavedColors.clear();
}

void TSurfaceNearestTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button,
                                          TShiftState shift, int x, int y) {
    TTeeCustomToolSeries::ChartMouseEvent(kind, button, shift, x, y);
    TSurfaceSeries* surface = Surface();
    if (kind != cmeMove || !surface) return;
    const int cell = surface->ValueIndexAt(x, y);
    if (cell == FCell) return;
    FCell = cell;
    Select(cell);
}

void TSurfaceNearestTool::Select(int cell) {
    TSurfaceSeries& surface = *Surface();
    TCustomAxisPanel* chart = ParentChart();
    const bool autoRepaint = chart && chart->AutoRepaint();
    if (chart) chart->SetAutoRepaint(false);
    if (cell == -1) {
        RestoreColors();
    } else {
        if (FSavedColors.empty())
            for (int i = 0; i < surface.Count(); ++i)
                FSavedColors.push_back(surface.StoredPointColor(i));
        // The cell reaches from its point one step along the loop's direction; a loop running
        // backwards puts the cell's other row (column) one below the point's.
        surface.CalcCellDrawOrder();
        double x0 = surface.XValueAt(cell);
        double z0 = surface.ZValues()[cell];
        if (surface.CellRowStep < 0) x0 -= 1;
        if (surface.CellColumnStep < 0) z0 -= 1;
        for (int i = 0; i < surface.Count(); ++i) {
            const bool onRow = surface.XValueAt(i) == x0;
            const bool onColumn = surface.ZValues()[i] == z0;
            const TColor color = onRow && onColumn ? FCellColor
                                 : onRow           ? FRowColor
                                 : onColumn        ? FColumnColor
                                                   : FSavedColors[size_t(i)];
            surface.SetPointColor(i, color);
        }
    }
    if (chart) {
        chart->SetAutoRepaint(autoRepaint);
        chart->Invalidate();
    }
    if (OnSelectCell) OnSelectCell(this);
}

void TSurfaceNearestTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TSurfaceNearestTool*>(source)) {
        FCellColor = other->FCellColor;
        FColumnColor = other->FColumnColor;
        FRowColor = other->FRowColor;
    }
    TTeeCustomToolSeries::Assign(source);
}

void TSurfaceNearestTool::Publish(TPublisher<TSurfaceNearestTool>& p) {
    using T = TSurfaceNearestTool;
    p.Color("CellColor", &T::CellColor, &T::SetCellColor).Default(clRed);
    p.Color("ColumnColor", &T::ColumnColor, &T::SetColumnColor).Default(clGreen);
    p.Color("RowColor", &T::RowColor, &T::SetRowColor).Default(clBlue);
}
