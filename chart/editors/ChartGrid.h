#pragma once
// A spreadsheet over the points of one series or of every series of a chart, in which the user
// reads and edits values, labels and point colours in place. TChartGridModel (ChartGridModel.h)
// decides the columns, the texts and what a typed text does to the series; this grid draws it,
// runs the in-place editor, the keys and the mouse, and follows the chart's series events.
//
// The editing protocol: StartEditing (F2, the navigator's Edit) opens the in-place editor and
// keeps the cell's text; every change typed is stored at once (so the chart repaints as the
// user types); StopEditing(true) (Esc, the navigator's Cancel) puts the kept value back, and
// the point keeps the colour it had; a point that was new stays null.
#include <functional>
#include <memory>
#include <string>

#include "chart/editors/ChartGridModel.h"
#include "chart/foundation/TeePanel.h"
#include "platform/ui/Grid.h"

class TChartGridNavigator;
class TChartSeries;
class TCustomChartGrid;

using TEditingCellEvent =
    std::function<void(TCustomChartGrid* sender, int col, int row, bool& allow)>;
using TChartGridSetEditEvent =
    std::function<void(TObject* sender, int col, int row, const std::string& value)>;
using TChartGridSelectCellEvent =
    std::function<void(TObject* sender, int col, int row, bool& canSelect)>;

class TCustomChartGrid : public TCustomGrid, public IPanelListener {
    KV_DECLARE_CLASS(TCustomChartGrid, TCustomGrid)
public:
    explicit TCustomChartGrid(TComponent* owner);
    ~TCustomChartGrid() override;

    // --- What is shown.
    TCustomAxisPanel* Chart() const { return FModel.Chart(); }
    void SetChart(TCustomAxisPanel* chart);
    TChartSeries* Series() const { return FModel.Series(); }
    void SetSeries(TChartSeries* series);
    const TChartGridModel& Model() const { return FModel; }

    bool ShowColors() const { return FModel.ShowColors; }
    void SetShowColors(bool value);
    bool ShowLabels() const { return FModel.ShowLabels; }
    void SetShowLabels(bool value);
    TChartGridShow ShowXValues() const { return FModel.ShowXValues; }
    void SetShowXValues(TChartGridShow value);
    bool TwoHeaderRows() const { return FModel.TwoHeaderRows; }
    void SetTwoHeaderRows(bool value);
    bool AllowInsertSeries() const { return FModel.AllowInsertSeries; }
    void SetAllowInsertSeries(bool value) { FModel.AllowInsertSeries = value; }
    bool AllowAppendRows = false;
    bool EditSourcedSeries = false;
    bool HeaderColorEdit = true;
    bool Grid3DMode() const { return FModel.Grid3DMode; }
    void SetGrid3D(bool value);
    bool IsReadOnly() const { return !Options().Contains(goEditing); }
    void SetReadOnly(bool value);

    // --- Layout.
    int FirstDataRow() const { return FModel.FirstDataRow(); }
    int ColorsColumn() const { return FModel.ColorsColumn(); }
    int LabelsColumn() const { return FModel.LabelsColumn(); }
    bool HasPoints() const { return FModel.HasPoints(); }
    // Rebuilds the columns and rows from the series; Reload also moves to the first data cell.
    void Recalc();
    void Reload();

    // --- Editing.
    bool Editing() const { return EditorMode(); }
    const std::string& SavedEditText() const { return FSavedEditText; }
    bool EditingNewPoint() const { return FEditingNewPoint; }
    void StartEditing();
    void StopEditing(bool cancel);

    // --- Rows.
    void InsertRow();
    void DeleteRow();
    void AppendRow();

    // --- Point colours.
    TChartSeries* CurrentCellColor(TColor& color) const;
    void SetPointColor(TChartSeries* series, TColor color);
    void SetCurrentColor(TColor color);
    void EditCurrentColor();

    TChartGridNavigator* Navigator() const { return FNavigator; }
    void SetNavigator(TChartGridNavigator* navigator);

    void HandleTeeEvent(TTeeEvent* event) override;
    void Loaded() override;

    TNotifyEvent OnChangeColor;
    TEditingCellEvent OnEditingCell;
    TChartGridSetEditEvent OnSetEditText;
    TNotifyEvent OnStateChange;
    TChartGridSelectCellEvent OnCellSelected;

protected:
    void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
    bool SelectCell(int col, int row) override;
    bool CanEditShow() const override;
    bool CanEditModify() const override;
    std::string GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const std::string& value) override;
    void KeyDown(int& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void DblClick() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Listen(TCustomAxisPanel* chart, bool on);
    void StateChanged();
    void RepaintData();
    // The header's 12 by 12 series symbol box of a row-0 cell.
    static TRect SymbolBox(const TRect& cell);
    TChartSeries* SymbolAt(int x, int y) const;
    bool KeyUpOnLastRow();
    void AddSeriesLikeLast();
    bool RemoveEmptyLastSeries();

    TChartGridModel FModel;
    TCustomAxisPanel* FListenedChart = nullptr;
    TChartGridNavigator* FNavigator = nullptr;
    // Set when the editor opens, whichever way it opens.
    mutable std::string FSavedEditText;
    mutable bool FEditingNewPoint = false;
    bool FCancelling = false;
    std::string FText;  // the cell text being drawn, reused
    TPoint FMouse{-1, -1};
};

class TChartGrid : public TCustomChartGrid {
    KV_DECLARE_CLASS(TChartGrid, TCustomChartGrid)
public:
    using TCustomChartGrid::TCustomChartGrid;
    static void Publish(TPublisher<TChartGrid>& p);
};
