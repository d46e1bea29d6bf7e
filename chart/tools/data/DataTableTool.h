#pragma once
// A grid of the series' values drawn next to one axis of the chart: one row per series, one
// column per shown point index at that point's place along the axis, separators midway between
// the axis ticks, and a legend column with each series' title and symbol. While it sits at the
// axis it widens the room the chart gives that axis, so the plot makes way for it.
//
// The table axis is the first table series' horizontal axis when its Y values are the mandatory
// ones, else its vertical axis; "horizontal" below means that this axis is horizontal.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/ChartTools.h"

class TChartAxis;
class TChartPen;
class TChartSeries;
class TDataTableTool;
class TTableLegend;
class TTeeFont;

// Lets the application drop a series from the table (Accept starts true).
using TDataTableFilterSeries =
    std::function<void(TDataTableTool& sender, TChartSeries& series, bool& accept)>;

class TDataTableTool : public TTeeCustomTool {
    KV_DECLARE_CLASS(TDataTableTool, TTeeCustomTool)
public:
    explicit TDataTableTool(TComponent* owner);
    ~TDataTableTool() override;

    // The table sits at the axis, Left and Top computed at each drawing.
    bool AutoPosition() const { return FAutoPosition; }
    void SetAutoPosition(bool value) { ChangeField(FAutoPosition, value); }
    // Kept and streamed; the drawing does not clip.
    bool ClipText() const { return FClipText; }
    void SetClipText(bool value) { ChangeField(FClipText, value); }
    // The lines across a horizontal axis (along a vertical one).
    TChartPen* ColumnPen() const { return FColumnPen.get(); }
    void SetColumnPen(const TChartPen* value);
    // The value cells' font.
    TTeeFont* Font() const { return FFont.get(); }
    void SetFont(const TTeeFont* value);
    // Rows in reverse series order.
    bool Inverted() const { return FInverted; }
    void SetInverted(bool value) { ChangeField(FInverted, value); }
    // Along and across the axis when not automatic.
    int Left() const { return FLeft; }
    void SetLeft(int value) { ChangeField(FLeft, value); }
    int Top() const { return FTop; }
    void SetTop(int value) { ChangeField(FTop, value); }
    TTableLegend* Legend() const { return FLegend.get(); }
    void SetLegend(const TTableLegend* value);
    // The tool's own pen: the lines along a horizontal axis (across a vertical one).
    TChartPen* RowPen() const { return Pen(); }
    void SetRowPen(const TChartPen* value) { SetPen(value); }

    TDataTableFilterSeries OnFilterSeries;

    // Active, without depth values, and not refused by OnFilterSeries.
    bool IsTableSeries(TChartSeries& series);
    // The axis the table stands by; none while no series is in the table.
    TChartAxis* TableAxis();
    // The text of point index of series: a date or time when its mandatory values are
    // date-times, else the value in the series' value format.
    static std::string ValueText(TChartSeries& series, int index);
    // The room axis takes beside the chart rectangle with the table, given the room size it takes
    // without (the chart's axis-space hook while the tool is on a chart).
    int AxisSpace(TChartAxis& axis, int size);

    void SetParentChart(TCustomAxisPanel* value) override;
    void ChartDrawEvent(TChartToolEvent event) override;

    static std::string KindName() { return "Data Table"; }
    static std::string KindDescription() { return "Displays a grid with Series data values."; }
    static std::string EditorClassName() { return "TDataTableEditor"; }

    // Every published setting, so that a clone is the same table.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TDataTableTool>& p);

private:
    // What one drawing (or one axis-space question) works with.
    struct TLayout {
        TChartAxis* Axis = nullptr;
        bool Horizontal = false;
        std::vector<char> InTable;  // by series index
        int TableCount = 0;
        int CellSize = 0;
        int Start = 0;   // from the axis line to where the rows begin
        int Base = 0;    // the axis line, or Top / Left
        int Offset = 0;  // along the axis
        int LegendWidth = 0;
        int SymbolWidth = 0;
    };
    // The table series and the table axis; false when there is none.
    bool PrepareLayout(TLayout& layout);
    // The cell size in the legend's and the cells' fonts.
    int CellSize(const TLayout& layout);
    // The legend column's width (and its symbols' width) in the legend's font.
    void MeasureLegend(TLayout& layout);
    int TableSize(const TLayout& layout) const;
    void PlaceOrigin(TLayout& layout);
    // The line of row n: n -1 and the series count give the outer lines.
    int RowLine(const TLayout& layout, int n) const;
    // The series' row line.
    int RowOf(const TLayout& layout, int seriesIndex) const;

    void InstallHook();
    void RemoveHook(TCustomAxisPanel& chart);
    void DrawTable();
    void DrawCells(const TLayout& layout);
    void DrawLegendColumn(const TLayout& layout, int e1, int e2);
    void DrawSymbol(TChartSeries& series, const TRect& rect);
    // A line across the table at pixel p along the axis, from `from` to `to` across it.
    void DrawAcross(const TLayout& layout, int p, int from, int to);

    bool FAutoPosition = true;
    bool FClipText = true;
    std::unique_ptr<TChartPen> FColumnPen;
    std::unique_ptr<TTeeFont> FFont;
    bool FInverted = false;
    int FLeft = 0;
    std::unique_ptr<TTableLegend> FLegend;
    int FTop = 0;
};
