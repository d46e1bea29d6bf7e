#pragma once
// What the chart grid shows and stores, without a window: the columns of one series or of every
// series of a chart side by side, the cell texts, storing a typed text into the series, and
// inserting, deleting and appending rows.
//
// Layout. Row 0 (and row 1 with two header rows) is the header; data row r (r >= F, the first
// data row) is point index r - F. Column 0 is the index column, then the colours column (with
// ShowColors), then the labels column (with ShowLabels), then each series' value columns: one per
// value list, less the positions (X of an ordinary series, Y of a horizontal one) when the
// series does not show them.
//
// Rebuilding (Recalc) visits every series once and, under cgsAuto, every position once to decide
// whether a series shows X. Reading a cell never walks the points: the per-series column table
// is small and a cell reads its one value, so a screen of rows costs the same wherever it lies in
// a long series.
#include <string>
#include <vector>

#include "platform/graphics/Colors.h"

class TChartSeries;
class TChartValueList;
class TCustomAxisPanel;
class TEnumInfo;

enum TChartGridShow { cgsAuto, cgsNo, cgsYes };
const TEnumInfo& ChartGridShowNames();

class TChartGridModel {
public:
    TChartGridModel() = default;
    TChartGridModel(const TChartGridModel&) = delete;
    TChartGridModel& operator=(const TChartGridModel&) = delete;

    // --- What is shown: a chart (every series) or one series; setting one clears the other.
    TCustomAxisPanel* Chart() const { return FChart; }
    TChartSeries* Series() const { return FSeries; }
    void Bind(TCustomAxisPanel* chart, TChartSeries* series);
    bool HasData() const { return FChart != nullptr || FSeries != nullptr; }

    bool ShowColors = false;
    bool ShowLabels = true;
    TChartGridShow ShowXValues = cgsAuto;
    bool TwoHeaderRows = true;
    // Storing into a chart without series adds a bar series first.
    bool AllowInsertSeries = false;
    // The first series with Z values as a table: a column per X, a row per Z (see
    // ChartGridModel3D.cpp). Labels and colours are not shown then.
    bool Grid3DMode = false;

    // Rebuilds the column table and the counts from the series as they are now.
    void Recalc();

    // --- Layout (valid after Recalc).
    int ColCount() const { return FColCount; }
    int RowCount() const { return FRowCount; }
    int FirstDataRow() const { return TwoHeaderRows || Grid3DMode ? 2 : 1; }
    int FixedRows() const { return FirstDataRow(); }
    int ColorsColumn() const { return ShowColors ? 1 : -1; }
    int LabelsColumn() const { return ShowLabels ? (ShowColors ? 2 : 1) : -1; }
    // The series listed, in chart order (series being destroyed left out).
    int ListedSeriesCount() const { return int(FListed.size()); }
    TChartSeries* ListedSeries(int index) const { return FListed[size_t(index)].Series; }
    bool SeriesShowsX(int index) const { return FListed[size_t(index)].ShowsX; }

    // The series of a column and its value list (none for the labels column); none for the
    // index and colours columns. firstColumn tells whether the column is the series' first.
    TChartSeries* SeriesOfColumn(int col, TChartValueList** list = nullptr,
                                 bool* firstColumn = nullptr) const;
    // The text of a cell into out (reused, so reading a screen of cells allocates little).
    void CellText(int col, int row, std::string& out) const;
    std::string CellText(int col, int row) const {
        std::string s;
        CellText(col, row, s);
        return s;
    }
    // The series of the colours cell and the point's colour; none (clNone) off a point.
    TChartSeries* ColorOfCell(int col, int row, TColor& color) const;
    // Some listed series has points.
    bool HasPoints() const;
    // --- 3-D mode: the series shown and the point of a cell (-1 for none).
    TChartSeries* FirstZSeries() const { return FZSeries; }
    int FindGridPoint(int col, int row) const;
    // The point index a cell stands for: its data row's, or in 3-D mode the cell's point (-1
    // for none).
    int PointIndexOfCell(int col, int row) const {
        return Grid3DMode ? FindGridPoint(col, row) : row - FirstDataRow();
    }

    // --- Changing the series.
    enum TStoreResult { srStored, srRejected, srNoSeries };
    // Stores a typed cell text: appends null points until the row's point exists, converts the
    // text (a rejected text changes nothing), makes a null point real, and an empty text with
    // the editor closed makes the point null. Marks the series as entered by hand.
    TStoreResult StoreText(int col, int row, const std::string& text, bool editorClosed);
    // Appends a null point (X = the count before) to the series (every series in chart mode).
    void InsertRow();
    // Deletes the row's point from each series that has it; a series that does not show X has
    // its positions renumbered 0, 1, 2 ...
    void DeleteRow(int row);
    // Appends a null point to the series of the column (of the next one on the colours column).
    bool AppendRow(int col);
    // The point of a data row, for the colour commands; none past the points.
    void SetPointColor(TChartSeries* series, int row, TColor color);

private:
    struct TListedSeries {
        TChartSeries* Series = nullptr;
        bool ShowsX = false;
        int Columns = 0;
    };
    void AddListed(TChartSeries* series);
    // The series the row operations touch.
    template <class F>
    void ForEachSeries(F f) const {
        for (const auto& s : FListed) f(*s.Series);
    }
    void PadTo(TChartSeries& series, int index);
    void AddFirstSeriesIfEmpty();
    void ValueText(const TChartSeries& series, const TChartValueList& list, int index,
                   std::string& out) const;
    // A typed text as a value of the list (a date-time list takes date-time text).
    static bool ParseValue(const TChartValueList& list, const std::string& trimmed, double& value);
    // 3-D mode (ChartGridModel3D.cpp).
    void Recalc3D();
    void CellText3D(int col, int row, std::string& out) const;
    TStoreResult StoreText3D(int col, int row, const std::string& text);

    TCustomAxisPanel* FChart = nullptr;
    TChartSeries* FSeries = nullptr;
    std::vector<TListedSeries> FListed;
    int FColCount = 1;
    int FRowCount = 2;
    // 3-D mode: the series, its smallest X and Z rounded, and the first point of each cell,
    // row by row (built once per Recalc, so a cell is found without a walk over the points).
    TChartSeries* FZSeries = nullptr;
    int FMinX = 0;
    int FMinZ = 0;
    int FCellsX = 0;
    int FCellsZ = 0;
    std::vector<int> FCellPoints;
};
