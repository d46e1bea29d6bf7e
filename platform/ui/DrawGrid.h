#pragma once
// The grids the program uses: TDrawGrid hands the drawing of cells, the choice of the current
// cell and the editor's text to its events; TStringGrid keeps a text per cell, draws it, and
// edits it in place.
#include <string>
#include <vector>

#include "platform/ui/Grid.h"

using TDrawCellEvent =
    std::function<void(TObject* sender, int col, int row, const TRect& rect, TGridDrawState state)>;
using TSelectCellEvent = std::function<void(TObject* sender, int col, int row, bool& canSelect)>;
using TGetEditEvent = std::function<void(TObject* sender, int col, int row, std::string& value)>;
using TSetEditEvent =
    std::function<void(TObject* sender, int col, int row, const std::string& value)>;

class TDrawGrid : public TCustomGrid {
    KV_DECLARE_CLASS(TDrawGrid, TCustomGrid)
public:
    explicit TDrawGrid(TComponent* owner);
    ~TDrawGrid() override;

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    // The editor's text when it opens (empty without a handler) / each change of it.
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;

protected:
    void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
    bool SelectCell(int col, int row) override;
    std::string GetEditText(int col, int row) override;
    void SetEditText(int col, int row, const std::string& value) override;
};

class TStringGrid : public TDrawGrid {
    KV_DECLARE_CLASS(TStringGrid, TDrawGrid)
public:
    explicit TStringGrid(TComponent* owner);
    ~TStringGrid() override;

    // The text of a cell; "" for one never set. Setting one outside the grid raises
    // EInvalidOperation "Grid index out of range".
    const std::string& Cells(int col, int row) const;
    void SetCells(int col, int row, const std::string& value);

protected:
    // With DefaultDrawing the text at (left + 2, top + 2), then OnDrawCell.
    void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
    // The cell's text, which OnGetEditText may change.
    std::string GetEditText(int col, int row) override;
    // The text goes into the cell, then to OnSetEditText.
    void SetEditText(int col, int row, const std::string& value) override;

private:
    std::vector<std::vector<std::string>> FCells;  // by row, then column; grown on demand
};
