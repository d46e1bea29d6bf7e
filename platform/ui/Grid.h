#pragma once
// A grid of cells that its subclasses draw: TCustomGrid keeps the layout (fixed and scrolling
// columns and rows, their widths and heights, the lines between them), the current cell and the
// selection, the scrolling (TopRow, LeftCol) and the in-place editor; DrawCell draws a cell.
//
// Cells are laid out left to right from the client's corner: the fixed columns, then the
// scrolling ones from LeftCol; after each cell comes a line GridLineWidth wide when the vertical
// lines are on (rows alike). CellRect and MouseToCell work in client coordinates.
//
// With goColSizing (goRowSizing) the line after a column (row) can be dragged in the fixed rows
// (columns) to size it; the cursor shows where.
//
// Keys reach OnKeyDown before the grid acts on them. The in-place editor protocol:
// - the editor opens (when CanEditShow: goEditing, no goRowSelect, a scrolling cell) on F2,
//   Enter, a click on the current cell, EditorMode = true, or typing, where the typed character
//   replaces the cell's text; it opens with GetEditText of the cell, all selected;
// - every change the user makes calls SetEditText, and so does closing the editor;
// - Enter closes it, as does moving to another cell or leaving the grid; Esc puts the text it
//   opened with back and closes it; with goAlwaysShowEditor it moves along with the current
//   cell instead, and Enter is left alone;
// - Up, Down, PageUp, PageDown, Tab and Esc typed in the editor go to the grid's KeyDown; Left
//   and Home at the start of the text, Right and End at its end, too; other keys go to
//   OnKeyDown and then to the editor. CanEditModify and CanEditAcceptKey can refuse typing.
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/CustomControl.h"
#include "platform/ui/Memo.h"

enum TGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking
};
using TGridOptions = TSet<TGridOption>;

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem>;

// A block of cells, both corners included.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Contains(int col, int row) const {
        return col >= Left && col <= Right && row >= Top && row <= Bottom;
    }
    bool operator==(const TGridRect&) const = default;
};

struct TGridCoord {
    int X = 0;
    int Y = 0;
    bool operator==(const TGridCoord&) const = default;
};

class QKeyEvent;
class QLineEdit;
class QScrollBar;

class TCustomGrid : public TCustomControl {
    KV_DECLARE_CLASS(TCustomGrid, TCustomControl)
public:
    explicit TCustomGrid(TComponent* owner);
    ~TCustomGrid() override;

    // --- Layout. A count at or below the fixed ones lowers them (a count is at least 1); fixed
    // counts must stay below the counts (EInvalidOperation).
    int ColCount() const { return int(FColWidths.size()); }
    void SetColCount(int value);
    int RowCount() const { return int(FRowHeights.size()); }
    void SetRowCount(int value);
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int value);
    // Setting a default gives it to every column (row).
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int value);
    int ColWidths(int col) const { return FColWidths.at(size_t(col)); }
    void SetColWidths(int col, int value);
    int RowHeights(int row) const { return FRowHeights.at(size_t(row)); }
    void SetRowHeights(int row, int value);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor value);
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions value);
    // Scroll bars show when the cells do not fit.
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    // Fills each cell with its colour before DrawCell (and raises the fixed ones).
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool value);
    TRect ClientRect() const override;

    // --- The current cell and the selection (from the anchor to the current cell, whole rows
    // with goRowSelect). Setting Col or Row asks SelectCell and scrolls the cell into view; a
    // cell outside the grid raises EInvalidOperation "Grid index out of range".
    int Col() const { return FCurrent.X; }
    void SetCol(int value) { MoveColRow(value, FCurrent.Y, true, true); }
    int Row() const { return FCurrent.Y; }
    void SetRow(int value) { MoveColRow(FCurrent.X, value, true, true); }
    TGridRect Selection() const;
    void SetSelection(const TGridRect& value);

    // --- Scrolling: the first scrolling column and row shown.
    int TopRow() const { return FTopLeft.Y; }
    void SetTopRow(int value);
    int LeftCol() const { return FTopLeft.X; }
    void SetLeftCol(int value);
    // The scrolling columns (rows) shown whole.
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // The cell's rectangle in client coordinates, cut at the client's edge; empty when the
    // cell is scrolled out of view.
    TRect CellRect(int col, int row) const;
    // The cell at a client point; -1, -1 outside the cells.
    void MouseToCell(int x, int y, int& col, int& row) const;
    TGridCoord MouseCoord(int x, int y) const;
    void InvalidateCell(int col, int row);

    // --- The in-place editor (see the opening comment).
    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool value);
    // The editor's text while it is open.
    std::string InplaceEditorText() const;

    TNotifyEvent OnTopLeftChanged;

protected:
    // Draws one cell; the canvas' brush and font are already the cell's (highlight colours for
    // selected cells) and, with DefaultDrawing, the rectangle is filled.
    virtual void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) = 0;
    // Whether the cell may become the current one.
    virtual bool SelectCell(int col, int row);
    virtual bool CanEditShow() const;
    virtual bool CanEditModify() const { return true; }
    virtual bool CanEditAcceptKey(char key) const;
    virtual std::string GetEditText(int col, int row);
    virtual void SetEditText(int col, int row, const std::string& value);
    virtual void TopLeftChanged();

    // Makes (col, row) current when SelectCell allows it; the anchor follows when moveAnchor
    // or without goRangeSelect; show scrolls it into view.
    void MoveColRow(int col, int row, bool moveAnchor, bool show);
    void ShowEditor();
    void HideEditor();

    void Paint() override;
    void KeyDown(int& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void DoExit() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool MouseWheel(TShiftState shift, int wheelDelta, int x, int y) override;
    void Resize() override;
    bool ToolkitEvent(QEvent* event) override;

private:
    class TEditorFilter;
    friend class TEditorFilter;
    // Positions along one axis: the first cell after the fixed ones shown, cell sizes, line.
    int CellStart(const std::vector<int>& sizes, int fixed, int first, int line, int index) const;
    int LineWidthX() const;
    int LineWidthY() const;
    int FirstShowing(const std::vector<int>& sizes, int fixed, int line, int extent,
                     int index) const;
    void ClampInView(int col, int row);
    void ShowEditorChar(char key);
    void EnsureEditor();
    void LayoutChanged();
    void UpdateScrollBars();
    void PlaceEditor();
    void EditorTextEdited();
    bool EditorKey(QKeyEvent* event);
    void PaintCellFrame(const TRect& rect);
    // Sizing with the mouse (GridSizing.cpp): true when the event was the sizing's.
    enum TSizingKind { skNone, skCol, skRow };
    TSizingKind SizingHit(int x, int y, int& index, int& origin) const;
    bool SizingMouseDown(int x, int y);
    bool SizingMouseMove(TShiftState shift, int x, int y);
    bool SizingMouseUp();

    std::vector<int> FColWidths;
    std::vector<int> FRowHeights;
    int FFixedCols = 1;
    int FFixedRows = 1;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    int FGridLineWidth = 1;
    TColor FFixedColor = clBtnFace;
    TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TScrollStyle FScrollBars = ssBoth;
    bool FDefaultDrawing = true;
    TGridCoord FCurrent{1, 1};
    TGridCoord FAnchor{1, 1};
    TGridCoord FTopLeft{1, 1};
    bool FSelecting = false;
    bool FEditorMode = false;
    TGridCoord FEditorCell{-1, -1};
    std::string FEditorOpenText;  // what Esc puts back
    QLineEdit* FEditor = nullptr;
    QScrollBar* FHorzBar = nullptr;
    QScrollBar* FVertBar = nullptr;
    bool FUpdatingBars = false;
    bool FRefocusing = false;
    TSizingKind FSizing = skNone;
    int FSizingIndex = -1;
    int FSizingOrigin = 0;
    bool FSizingCursor = false;  // the focus coming back from the editor is no entry
};
