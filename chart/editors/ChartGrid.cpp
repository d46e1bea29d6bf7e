#include "chart/editors/ChartGrid.h"

#include <algorithm>

#include "chart/editors/ChartGridNavigator.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/BarSeries.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesEvents.h"
#include "chart/engine/SeriesLegendPaint.h"
#include "chart/foundation/ColorEditing.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Canvas.h"

namespace {
constexpr int SymbolSize = 12;
}  // namespace

void TChartGrid::Publish(TPublisher<TChartGrid>& p) {
    using G = TChartGrid;
    p.Component(
        "Chart", [](const G& g) { return g.Chart(); },
        [](G& g, TCustomAxisPanel* c) { g.SetChart(c); });
    p.Component(
        "Series", [](const G& g) { return g.Series(); },
        [](G& g, TChartSeries* s) { g.SetSeries(s); });
    p.Boolean("ShowColors", &G::ShowColors, &G::SetShowColors).Default(false);
    p.Boolean("ShowLabels", &G::ShowLabels, &G::SetShowLabels).Default(true);
    p.Enumeration("ShowXValues", ChartGridShowNames(), &G::ShowXValues, &G::SetShowXValues)
        .Default(cgsAuto);
}

TCustomChartGrid::TCustomChartGrid(TComponent* owner) : TCustomGrid(owner) {
    SetGridLineWidth(1);
    SetDefaultRowHeight(16);
    SetOptions({goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected, goRowSizing,
                goColSizing, goEditing, goTabs, goThumbTracking});
    Recalc();
}

TCustomChartGrid::~TCustomChartGrid() {
    Destroying();
    SetSeries(nullptr);
    SetChart(nullptr);
    if (FNavigator) FNavigator->SetGrid(nullptr);
}

// --- Binding.

void TCustomChartGrid::Listen(TCustomAxisPanel* chart, bool on) {
    if (on) {
        if (!chart) return;
        FListenedChart = chart;
        chart->FreeNotification(this);
        chart->Listeners().Add(this);
        return;
    }
    if (!FListenedChart) return;
    FListenedChart->RemoveFreeNotification(this);
    if (!FListenedChart->ComponentState().Contains(csDestroying))
        FListenedChart->RemoveListener(this);
    FListenedChart = nullptr;
}

void TCustomChartGrid::SetChart(TCustomAxisPanel* chart) {
    if (chart != Chart() || Series()) {
        if (Series()) Series()->RemoveFreeNotification(this);
        Listen(nullptr, false);
        FModel.Bind(chart, nullptr);
        Listen(chart, true);
    }
    Reload();
    Invalidate();
}

void TCustomChartGrid::SetSeries(TChartSeries* series) {
    if (series != Series()) {
        if (Series()) Series()->RemoveFreeNotification(this);
        Listen(nullptr, false);
        FModel.Bind(nullptr, series);
        if (series) {
            series->FreeNotification(this);
            Listen(series->ParentChart(), true);
        }
    }
    Reload();
    Invalidate();
}

void TCustomChartGrid::SetNavigator(TChartGridNavigator* navigator) {
    if (navigator == FNavigator) return;
    if (FNavigator) FNavigator->RemoveFreeNotification(this);
    FNavigator = navigator;
    if (FNavigator) FNavigator->FreeNotification(this);
}

void TCustomChartGrid::Notification(TComponent* component, TOperation operation) {
    TCustomGrid::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FNavigator) FNavigator = nullptr;
    if (Series() && component == Series()) {
        FModel.Bind(nullptr, nullptr);
        Listen(nullptr, false);
        Reload();
    } else if (component == FListenedChart) {
        Listen(nullptr, false);
        if (Chart()) FModel.Bind(nullptr, nullptr);
        Reload();
    }
}

void TCustomChartGrid::HandleTeeEvent(TTeeEvent* event) {
    if (ComponentState().Contains(csDestroying)) return;
    auto* e = dynamic_cast<TTeeSeriesEvent*>(event);
    if (!e) return;
    if (e->Event == seChangeTitle || e->Event == seChangeColor || e->Event == seChangeActive)
        Invalidate();
    else
        Recalc();
}

// A stored grid brings its own row heights; the header row keeps its own.
void TCustomChartGrid::Loaded() {
    TCustomGrid::Loaded();
    SetRowHeights(0, 20);
}

// --- Options.

void TCustomChartGrid::SetShowColors(bool value) {
    if (value == FModel.ShowColors) return;
    FModel.ShowColors = value;
    Recalc();
    Invalidate();
}

void TCustomChartGrid::SetShowLabels(bool value) {
    if (value == FModel.ShowLabels) return;
    FModel.ShowLabels = value;
    Recalc();
    Invalidate();
}

void TCustomChartGrid::SetShowXValues(TChartGridShow value) {
    FModel.ShowXValues = value;
    Recalc();
    Invalidate();
}

void TCustomChartGrid::SetTwoHeaderRows(bool value) {
    if (value == FModel.TwoHeaderRows) return;
    FModel.TwoHeaderRows = value;
    Recalc();
    if (Row() < FirstDataRow()) SetRow(FirstDataRow());
    Invalidate();
}

void TCustomChartGrid::SetGrid3D(bool value) {
    FModel.Grid3DMode = value;
    Reload();
    Invalidate();
}

void TCustomChartGrid::SetReadOnly(bool value) {
    TGridOptions o = Options();
    if (value)
        o.Exclude(goEditing);
    else
        o.Include(goEditing);
    SetOptions(o);
}

// --- Layout.

void TCustomChartGrid::Recalc() {
    FModel.Recalc();
    SetColCount(FModel.ColCount());
    SetRowCount(FModel.RowCount());
    SetFixedRows(std::min(FModel.FixedRows(), RowCount() - 1));
    SetColWidths(0, 30);
    SetRowHeights(0, 20);
    if (ShowColors() && ColCount() > 1) SetColWidths(1, 40);
    if (Grid3DMode() && ColCount() > 2) SetColWidths(1, ColWidths(2));
    if (Col() == 0 && ColCount() >= 2) SetCol(1);
    StateChanged();
}

void TCustomChartGrid::Reload() {
    if (ComponentState().Contains(csDestroying)) return;
    Recalc();
    MoveColRow(std::min(ColCount() - 1, 1), FirstDataRow(), true, true);
}

void TCustomChartGrid::StateChanged() {
    if (OnStateChange) OnStateChange(this);
}

void TCustomChartGrid::RepaintData() {
    Invalidate();
    if (Series())
        Series()->Repaint();
    else if (Chart())
        Chart()->Invalidate();
}

// --- Drawing. Each cell reads its one text: nothing here walks the points.

TRect TCustomChartGrid::SymbolBox(const TRect& cell) {
    return Rect(cell.Left + 4, cell.Top + 4, cell.Left + 4 + SymbolSize, cell.Top + 4 + SymbolSize);
}

void TCustomChartGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState) {
    if (!FModel.HasData()) return;
    TCanvas& c = *Canvas();
    const bool valueColumn = col >= 1 && col != ColorsColumn() && col != LabelsColumn();
    if (row == 0 && valueColumn) {
        bool first = false;
        TChartValueList* list = nullptr;
        TChartSeries* series = FModel.SeriesOfColumn(col, &list, &first);
        if (!series || ((Chart() || Grid3DMode()) && !first)) return;
        c.Brush()->SetStyle(bsClear);
        c.Font()->SetColor(Font()->Color());
        if (Series() && !TwoHeaderRows()) {
            if (list) c.TextOut(rect.Left + 18, rect.Top + 4, list->Name());
            return;
        }
        PaintSeriesLegend(*series, c, SymbolBox(rect));
        std::string title =
            series->ParentChart() ? series->ParentChart()->SeriesTitleText(series) : series->Name();
        std::replace_if(
            title.begin(), title.end(), [](char ch) { return ch == '\r' || ch == 6; }, ' ');
        c.Brush()->SetStyle(bsClear);
        c.TextOut(rect.Left + 18, rect.Top + 4, title);
        return;
    }
    if (col == 0 || (row == 1 && TwoHeaderRows())) {
        c.Brush()->SetColor(FixedColor());
        c.FillRect(rect);
    }
    FModel.CellText(col, row, FText);
    if (col == ColorsColumn()) {
        if (row < FirstDataRow()) {
            if (row == FirstDataRow() - 1) c.TextOut(rect.Left + 2, rect.Top + 4, "Colors");
            return;
        }
        TColor color = clNone;
        FModel.ColorOfCell(col, row, color);
        c.Brush()->SetColor(color == clNone || color == clDefault ? Color() : color);
        c.FillRect(rect);
    } else if (col == LabelsColumn()) {
        c.TextOut(rect.Left + 2, rect.Top + 3, FText);
    } else if (!FText.empty()) {
        const int top = rect.Top + (row == 0 && col == 0 ? 4 : 2);
        c.TextOut(rect.Right - 2 - c.TextWidth(FText), top, FText);
    }
}

// --- Editing.

bool TCustomChartGrid::SelectCell(int col, int row) {
    if (!TCustomGrid::SelectCell(col, row) || col < 1 || row < FirstDataRow()) return false;
    bool can = true;
    if (OnCellSelected) OnCellSelected(this, col, row, can);
    return true;
}

bool TCustomChartGrid::CanEditShow() const {
    if (!TCustomGrid::CanEditShow() || Col() == ColorsColumn()) return false;
    auto* self = const_cast<TCustomChartGrid*>(this);  // the event takes the grid itself
    if (OnEditingCell) {
        bool allow = true;
        OnEditingCell(self, Col(), Row(), allow);
        if (!allow) return false;
    }
    if (EditorMode()) return true;  // already open: keep what was saved when it opened
    // What Esc puts back: the cell's text, or nothing for a point that does not exist or is
    // null.
    TChartSeries* series = FModel.SeriesOfColumn(Col());
    const int index = FModel.PointIndexOfCell(Col(), Row());
    FEditingNewPoint = !series || index < 0 || index >= series->Count() ||
                       series->StoredPointColor(index) == clNone;
    FSavedEditText = FEditingNewPoint ? std::string() : FModel.CellText(Col(), Row());
    return true;
}

bool TCustomChartGrid::CanEditModify() const {
    if (!TCustomGrid::CanEditModify()) return false;
    if (FNavigator) FNavigator->EnableButtons();
    return true;
}

std::string TCustomChartGrid::GetEditText(int col, int row) { return FModel.CellText(col, row); }

void TCustomChartGrid::SetEditText(int col, int row, const std::string& value) {
    TCustomGrid::SetEditText(col, row, value);
    if (FCancelling) return;  // the cancel puts the saved value back itself
    if (FModel.StoreText(col, row, value, !EditorMode()) != TChartGridModel::srStored) return;
    // Storing into an empty chart may have added a series.
    if (FModel.ColCount() != ColCount()) Recalc();
    RepaintData();
    if (OnSetEditText) OnSetEditText(this, col, row, value);
}

void TCustomChartGrid::StartEditing() {
    if (IsReadOnly() || Editing() || Col() < 1) return;
    TChartSeries* series = FModel.SeriesOfColumn(Col());
    if (!series || (series->DataSource() && !EditSourcedSeries)) return;
    SetEditorMode(true);
    StateChanged();
}

void TCustomChartGrid::StopEditing(bool cancel) {
    if (!Editing()) return;
    const int col = Col(), row = Row();
    const int index = FModel.PointIndexOfCell(col, row);
    TChartSeries* series = col == LabelsColumn() ? nullptr : FModel.SeriesOfColumn(col);
    const bool hadPoint = !FEditingNewPoint;
    const TColor color = hadPoint && series ? series->StoredPointColor(index) : clNone;
    if (!cancel) {
        HideEditor();
    } else {
        FCancelling = true;
        HideEditor();
        FCancelling = false;
        // Put the value back and keep the point's colour (a colour of its own included); a
        // point that was new stays null, whatever was typed into it meanwhile.
        if (hadPoint) {
            if (FModel.StoreText(col, row, FSavedEditText, false) == TChartGridModel::srStored) {
                if (series) series->SetPointColor(index, color);
                if (OnSetEditText) OnSetEditText(this, col, row, FSavedEditText);
            }
        } else if (series && index >= 0 && index < series->Count()) {
            series->SetPointColor(index, clNone);
        }
        RepaintData();
    }
    StateChanged();
}

// --- Rows.

void TCustomChartGrid::InsertRow() {
    if (IsReadOnly()) return;
    FModel.InsertRow();
    Recalc();
    SetRow(RowCount() - 1);
    RepaintData();
}

void TCustomChartGrid::DeleteRow() {
    if (IsReadOnly()) return;
    FModel.DeleteRow(Row());
    Recalc();
    RepaintData();
}

void TCustomChartGrid::AppendRow() {
    if (IsReadOnly() || !(AllowInsertSeries() || AllowAppendRows)) return;
    if (!FModel.AppendRow(Col())) return;
    Recalc();
    SetRow(RowCount() - 1);
    RepaintData();
}

bool TCustomChartGrid::KeyUpOnLastRow() {
    if (Row() != RowCount() - 1) return false;
    TChartSeries* series = FModel.SeriesOfColumn(Col() == ColorsColumn() ? Col() + 1 : Col());
    const int index = Row() - FirstDataRow();
    if (!series || index >= series->Count() || series->StoredPointColor(index) != clNone ||
        !series->PointLabel(index).empty())
        return false;
    series->Delete(index);
    Recalc();  // the current row moves up with the last one
    RepaintData();
    return true;
}

void TCustomChartGrid::AddSeriesLikeLast() {
    TCustomAxisPanel* chart = Chart();
    TChartSeries* last = chart->GetSeries(chart->SeriesCount() - 1);
    chart->AddSeriesOfClass(&last->ClassType());
    Recalc();
}

bool TCustomChartGrid::RemoveEmptyLastSeries() {
    TCustomAxisPanel* chart = Chart();
    if (!chart || chart->SeriesCount() == 0) return false;
    TChartSeries* last = chart->GetSeries(chart->SeriesCount() - 1);
    if (last->Count() > 0) return false;
    {
        TAutoRepaintGuard quiet(*chart);
        TObject::Free(last);
    }
    chart->Invalidate();
    return true;
}

// --- Point colours.

TChartSeries* TCustomChartGrid::CurrentCellColor(TColor& color) const {
    return FModel.ColorOfCell(Col(), Row(), color);
}

void TCustomChartGrid::SetPointColor(TChartSeries* series, TColor color) {
    FModel.SetPointColor(series, Row(), color);
    InvalidateCell(Col(), Row());
    if (OnChangeColor) OnChangeColor(this);
}

void TCustomChartGrid::SetCurrentColor(TColor color) {
    TColor current = clNone;
    if (TChartSeries* series = CurrentCellColor(current)) SetPointColor(series, color);
}

void TCustomChartGrid::EditCurrentColor() {
    TColor color = clNone;
    if (TChartSeries* series = CurrentCellColor(color)) {
        const TColor before = color;
        if (EditColorVar(this, color) && color != before) SetPointColor(series, color);
        return;
    }
    if (!AllowInsertSeries() || !Chart()) return;
    color = clNone;
    if (!EditColorVar(this, color) || color == clNone) return;
    TChartSeries* series = Chart()->AddSeriesOfClass(&TBarSeries::StaticClass());
    FModel.Recalc();
    FModel.SetPointColor(series, Row(), color);
    Recalc();
    Invalidate();
}

// --- Keys and mouse.

void TCustomChartGrid::KeyDown(int& key, TShiftState shift) {
    if (shift.Contains(ssCtrl)) {
        TCustomGrid::KeyDown(key, shift);
        return;
    }
    const bool onColors = ShowColors() && Col() == ColorsColumn();
    const bool lastCol = Col() == ColCount() - 1;
    const bool lastRow = Row() == RowCount() - 1;
    switch (key) {
        case VK_RETURN:
        case VK_SPACE:
            if (onColors) {
                EditCurrentColor();
                key = 0;
                return;
            }
            break;
        case VK_ESCAPE:
            StopEditing(true);
            key = 0;
            return;
        case VK_LEFT:
            if (AllowInsertSeries() && lastCol && RemoveEmptyLastSeries()) {
                key = 0;
                return;
            }
            break;
        case VK_UP:
            if (KeyUpOnLastRow()) {
                key = 0;
                return;
            }
            break;
        case VK_RIGHT:
            if (AllowInsertSeries() && lastCol && Chart() && Chart()->SeriesCount() > 0)
                AddSeriesLikeLast();
            break;
        case VK_DOWN:
            if (lastRow) {
                AppendRow();
                key = 0;
                return;
            }
            break;
        case VK_INSERT:
            InsertRow();
            key = 0;
            return;
        case VK_DELETE:
            if (!Editing()) StartEditing();
            break;
        case VK_F2:
            if (onColors)
                EditCurrentColor();
            else
                StartEditing();
            key = 0;
            return;
        default:
            break;
    }
    TCustomGrid::KeyDown(key, shift);
}

TChartSeries* TCustomChartGrid::SymbolAt(int x, int y) const {
    int col = -1, row = -1;
    MouseToCell(x, y, col, row);
    if (row != 0 || col < 1) return nullptr;
    TChartSeries* series = FModel.SeriesOfColumn(col);
    if (!series) return nullptr;
    const TRect box = SymbolBox(CellRect(col, row));
    return x >= box.Left && x < box.Right && y >= box.Top && y < box.Bottom ? series : nullptr;
}

void TCustomChartGrid::MouseMove(TShiftState shift, int x, int y) {
    if (!IsReadOnly()) {
        int col = -1, row = -1;
        MouseToCell(x, y, col, row);
        TCursor cursor = crDefault;
        if (ShowColors()) {
            TColor color;
            if (FModel.ColorOfCell(col, row, color)) cursor = crHandPoint;
        } else if (HeaderColorEdit && SymbolAt(x, y)) {
            cursor = crHandPoint;
        }
        SetCursor(cursor);
    }
    FMouse = {x, y};
    TCustomGrid::MouseMove(shift, x, y);
}

void TCustomChartGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    FMouse = {x, y};
    TCustomGrid::MouseDown(button, shift, x, y);
    if (button == mbLeft && !SymbolAt(x, y)) {
        int col = -1, row = -1;
        MouseToCell(x, y, col, row);
        // A press on a column's header selects its data; a second press, the current cell.
        if (row >= 0 && row < FixedRows() && col > FixedCols()) {
            const TGridRect whole{col, FixedRows(), col, RowCount() - 1};
            if (Selection() == whole)
                SetSelection(TGridRect{col, Row(), col, Row()});
            else
                SetSelection(whole);
        }
    }
    if (FNavigator) FNavigator->EnableButtons();
}

void TCustomChartGrid::DblClick() {
    if (ShowColors() && Col() == ColorsColumn() && !IsReadOnly()) {
        EditCurrentColor();
        return;
    }
    if (HeaderColorEdit) {
        if (TChartSeries* series = SymbolAt(FMouse.X, FMouse.Y)) {
            TColor color = series->SeriesColor();
            if (EditColorVar(this, color) && color != series->SeriesColor())
                series->SetSeriesColor(color);
            return;
        }
    }
    TCustomGrid::DblClick();
}
