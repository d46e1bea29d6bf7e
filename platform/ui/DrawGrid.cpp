#include "platform/ui/DrawGrid.h"

#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"

TDrawGrid::TDrawGrid(TComponent* owner) : TCustomGrid(owner) {}
TDrawGrid::~TDrawGrid() = default;

void TDrawGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
    if (OnDrawCell) Fire([&] { OnDrawCell(this, col, row, rect, state); });
}

bool TDrawGrid::SelectCell(int col, int row) {
    bool canSelect = true;
    if (OnSelectCell) Fire([&] { OnSelectCell(this, col, row, canSelect); });
    return canSelect;
}

std::string TDrawGrid::GetEditText(int col, int row) {
    std::string value;
    if (OnGetEditText) Fire([&] { OnGetEditText(this, col, row, value); });
    return value;
}

void TDrawGrid::SetEditText(int col, int row, const std::string& value) {
    if (OnSetEditText) Fire([&] { OnSetEditText(this, col, row, value); });
}

TStringGrid::TStringGrid(TComponent* owner) : TDrawGrid(owner) {}
TStringGrid::~TStringGrid() = default;

const std::string& TStringGrid::Cells(int col, int row) const {
    static const std::string empty;
    if (row < 0 || size_t(row) >= FCells.size()) return empty;
    const auto& cells = FCells[size_t(row)];
    return col >= 0 && size_t(col) < cells.size() ? cells[size_t(col)] : empty;
}

void TStringGrid::SetCells(int col, int row, const std::string& value) {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        throw EInvalidOperation("Grid index out of range");
    if (FCells.size() <= size_t(row)) FCells.resize(size_t(row) + 1);
    auto& cells = FCells[size_t(row)];
    if (cells.size() <= size_t(col)) cells.resize(size_t(col) + 1);
    if (cells[size_t(col)] == value) return;
    cells[size_t(col)] = value;
    InvalidateCell(col, row);
}

void TStringGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
    if (DefaultDrawing()) Canvas()->TextRect(rect, rect.Left + 2, rect.Top + 2, Cells(col, row));
    TDrawGrid::DrawCell(col, row, rect, state);
}

std::string TStringGrid::GetEditText(int col, int row) {
    std::string value = Cells(col, row);
    if (OnGetEditText) Fire([&] { OnGetEditText(this, col, row, value); });
    return value;
}

void TStringGrid::SetEditText(int col, int row, const std::string& value) {
    SetCells(col, row, value);
    TDrawGrid::SetEditText(col, row, value);
}
