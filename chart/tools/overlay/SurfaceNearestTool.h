#pragma once
// Highlights, as the mouse moves over a surface series, the cell under the mouse and the points
// of its row and column, by recolouring the series' points; the points' own colours come back
// when the mouse leaves the surface.
#include <string>
#include <vector>

#include "chart/engine/ChartTools.h"

class TSurfaceSeries;

class TSurfaceNearestTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TSurfaceNearestTool, TTeeCustomToolSeries)
public:
    explicit TSurfaceNearestTool(TComponent* owner);
    ~TSurfaceNearestTool() override;

    TColor CellColor() const { return FCellColor; }
    void SetCellColor(TColor value) { ChangeField(FCellColor, value); }
    TColor ColumnColor() const { return FColumnColor; }
    void SetColumnColor(TColor value) { ChangeField(FColumnColor, value); }
    TColor RowColor() const { return FRowColor; }
    void SetRowColor(TColor value) { ChangeField(FRowColor, value); }
    // The selected cell's point index, -1 for none.
    int Cell() const { return FCell; }

    TSurfaceSeries* Surface() const;
    // Only a surface series is taken; the one left gets its own colours back.
    void SetSeries(TChartSeries* value) override;
    void ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                         int y) override;

    static std::string KindName() { return "Surface Nearest"; }
    static std::string KindDescription() {
        return "Displays a visual indication of selecting a Surface cell when the user moves the "
               "mouse over a surface series.";
    }
    static std::string EditorClassName() { return "TSurfaceNearest"; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TSurfaceNearestTool>& p);

    TNotifyEvent OnSelectCell;

private:
    void Select(int cell);
    void RestoreColors();

    TColor FCellColor = clRed;
    TColor FColumnColor = clGreen;
    TColor FRowColor = clBlue;
    int FCell = -1;
    // The points' own colours from before the first highlight.
    std::vector<TColor> FSavedColors;
};
